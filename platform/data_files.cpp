#include "platform/data_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

namespace plat {

namespace {

int OpenFile(const char* path, int flags, mode_t mode) { return ::open(path, flags | O_CLOEXEC, mode); }

int RenameFile(const char* from, const char* to, bool noReplace) {
    if (!noReplace) return ::rename(from, to);
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return -1;
    // A file system that cannot refuse to replace: look first.
    struct stat st;
    if (::lstat(to, &st) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::rename(from, to);
}

FileCalls gCalls{OpenFile, ::read, ::write, ::fsync, RenameFile};

// A file descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return fd_; }
    bool open() const { return fd_ >= 0; }
    int close() {
        int result = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// The folder part of a path, with its slash ("" for a bare name).
std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// As many links as the system itself follows before it calls a chain a loop.
constexpr int kMostLinks = 40;

// Where a file really lives: symbolic links are followed to their target,
// which need not exist yet. No place when a link leads to something that is
// there but is no plain file (a device, a pipe, a folder): that is not the
// game's to move or replace. What stands at the data file's own name in the
// program folder is the game's, whatever it is; so is a chain of links that
// never reaches a target (a loop): it leads nowhere outside the folder, and
// its place is the data file's own name.
std::optional<std::string> FollowLinks(const std::string& name) {
    std::string path = name;
    for (int hops = 0;; ++hops) {
        char target[PATH_MAX];
        ssize_t n = ::readlink(path.c_str(), target, sizeof target);
        if ((n < 0 && errno == ELOOP) || (n > 0 && hops == kMostLinks)) return name;
        if (n <= 0 || size_t(n) == sizeof target) break;
        std::string next(target, size_t(n));
        path = next[0] == '/' ? next : FolderOf(path) + next;
    }
    struct stat st;
    if (path != name && ::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return std::nullopt;
    return path;
}

bool WriteAll(int fd, const std::string& content) {
    size_t done = 0;
    while (done < content.size()) {
        ssize_t n = gCalls.write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;  // a disk that takes nothing and names no reason
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

bool InNoDataFolder(const std::string& path) { return FolderOf(path) == std::string(kNoDataFolder) + "/"; }

// One line on standard error for a data file the game could not write.
void SayNotWritten(const std::string& path, const std::string& why) {
    std::fprintf(stderr, "corvane: %s was not written: %s; the file stays as it was\n", path.c_str(), why.c_str());
}

// Makes a rename in the folder last through a power loss. Nothing can be
// mended when this fails: the new file is already in place, which is said.
void FlushFolder(const std::string& path) {
    std::string folder = FolderOf(path);
    Descriptor dir(gCalls.open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY, 0));
    if (dir.open() && gCalls.fsync(dir.fd()) == 0) return;
    std::fprintf(stderr, "corvane: %s was written, but its folder could not be flushed to the disk: %s\n", path.c_str(),
                 std::strerror(errno));
}

// Renames the file to the first free name of "<file>.bad", "<file>.bad2", ...
// However many earlier copies there are, the next number is free.
std::optional<std::string> KeepAside(const std::string& path) {
    for (unsigned long long n = 1;; ++n) {
        std::string kept = path + ".bad" + (n == 1 ? "" : std::to_string(n));
        if (gCalls.rename(path.c_str(), kept.c_str(), true) == 0) return kept;
        if (errno != EEXIST && errno != ENOTEMPTY) return std::nullopt;
    }
}

// Six letters or digits drawn at random (from a counter should the system
// have no randomness to give).
std::string RandomLetters() {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static unsigned counter = 0;
    unsigned char bytes[6];
    if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != ssize_t(sizeof bytes))
        for (unsigned char& b : bytes) b = static_cast<unsigned char>(::getpid() + 37 * counter++);
    std::string letters;
    for (unsigned char b : bytes) letters += kLetters[b % (sizeof kLetters - 1)];
    return letters;
}

// The name part of a path.
std::string NameOf(const std::string& path) { return path.substr(FolderOf(path).size()); }

// The process whose temporary file `entry` is, when it is one of "<file>.new.<process id>.<letters>".
std::optional<pid_t> WriterOf(const std::string& entry, const std::string& prefix) {
    if (entry.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    const char* digits = entry.c_str() + prefix.size();
    char* end = nullptr;
    long pid = std::strtol(digits, &end, 10);
    if (end == digits || *end != '.' || pid <= 0 || pid > INT_MAX) return std::nullopt;
    return pid_t(pid);
}

// Removes what writes cut short left beside the file: "<file>.new" (a file,
// or an empty folder), and the temporary files of processes that are no
// longer there. A file of a live process (this one's other writers, another
// copy of the game) is being written and stays.
void RemoveLeftovers(const std::string& path) {
    const std::string stale = path + ".new";
    if (::unlink(stale.c_str()) != 0) ::rmdir(stale.c_str());
    const std::string folder = FolderOf(path);
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;
    const std::string prefix = NameOf(path) + ".new.";
    while (const dirent* entry = ::readdir(dir)) {
        std::optional<pid_t> writer = WriterOf(entry->d_name, prefix);
        if (writer && *writer != ::getpid() && ::kill(*writer, 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// Opens a new, empty file of this writer's own for the new content, named
// "<file>.new.<process id>.<six letters>", after removing the leftovers of
// earlier writes. `fresh` comes back with the name opened.
int OpenFresh(const std::string& path, std::string& fresh) {
    RemoveLeftovers(path);
    const std::string own = path + ".new." + std::to_string(::getpid()) + ".";
    for (int tries = 0; tries < 100; ++tries) {
        fresh = own + RandomLetters();
        int fd = gCalls.open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

FileCalls& fileCalls() { return gCalls; }

// Opened without waiting, so that a pipe in the file's place cannot stop the
// game; anything but a plain file cannot be read as one.
DataFile readDataFile(const std::string& path, size_t limit) {
    using State = DataFile::State;
    Descriptor in(gCalls.open(path.c_str(), O_RDONLY | O_NONBLOCK, 0));
    if (!in.open()) return {errno == ENOENT ? State::Missing : State::Unreadable, ""};
    struct stat st;
    if (::fstat(in.fd(), &st) != 0 || !S_ISREG(st.st_mode)) return {State::Unreadable, ""};
    std::string text(limit + 1, '\0');  // one byte more tells a longer file
    size_t got = 0;
    while (got < text.size()) {
        ssize_t n = gCalls.read(in.fd(), text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {State::Unreadable, ""};
        if (n == 0) break;
        got += size_t(n);
    }
    if (got > limit) return {State::TooLong, ""};
    text.resize(got);
    return {State::Read, text};
}

bool writeDataFile(const std::string& name, const std::string& content) {
    if (InNoDataFolder(name)) return false;
    std::optional<std::string> place = FollowLinks(name);
    if (!place) {
        SayNotWritten(name, "it is a link to something that is no plain file");
        return false;
    }
    const std::string& path = *place;
    std::string fresh;
    Descriptor out(OpenFresh(path, fresh));
    if (!out.open()) {
        SayNotWritten(name, std::strerror(errno));
        return false;
    }
    bool whole = WriteAll(out.fd(), content) && gCalls.fsync(out.fd()) == 0 && out.close() == 0 &&
                 gCalls.rename(fresh.c_str(), path.c_str(), false) == 0;
    if (!whole) {
        int why = errno;
        ::unlink(fresh.c_str());
        SayNotWritten(name, std::strerror(why));
        return false;
    }
    FlushFolder(path);
    return true;
}

bool replaceKeepingOld(const std::string& name, const std::string& content) {
    if (InNoDataFolder(name)) return false;
    std::optional<std::string> place = FollowLinks(name);
    if (!place) {
        SayNotWritten(name, "it is a link to something that is no plain file");
        return false;
    }
    std::optional<std::string> kept = KeepAside(*place);
    if (!kept) {
        SayNotWritten(name, std::string("it could not be kept aside first: ") + std::strerror(errno));
        return false;
    }
    if (writeDataFile(*place, content)) return true;
    if (gCalls.rename(kept->c_str(), place->c_str(), true) != 0)  // back in its place
        std::fprintf(stderr, "corvane: %s could not be put back in its place: %s; it is kept as %s\n", place->c_str(),
                     std::strerror(errno), kept->c_str());
    return false;
}

DataFileLock::DataFileLock(const std::string& path, std::chrono::milliseconds patience) {
    if (InNoDataFolder(path)) return;
    const std::string lockFile = path + ".lock";
    // Read-only is enough for flock, and opens a lock file made by another user.
    fd_ = gCalls.open(lockFile.c_str(), O_RDONLY | O_CREAT, 0666);
    if (fd_ < 0) return;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    int why = 0;
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return;
        }
        why = errno;
        if (why == EINTR) continue;
        if (why != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (why == EWOULDBLOCK)
        std::fprintf(stderr,
                     "corvane: %s stayed locked by another copy of the game for %g s; %s is written without "
                     "waiting for it\n",
                     lockFile.c_str(), std::chrono::duration<double>(patience).count(), path.c_str());
    else
        std::fprintf(stderr, "corvane: %s cannot be locked: %s; %s is written without waiting for other copies\n",
                     lockFile.c_str(), std::strerror(why), path.c_str());
}

DataFileLock::~DataFileLock() {
    if (fd_ >= 0) ::close(fd_);  // gives up the lock
}

}  // namespace plat
