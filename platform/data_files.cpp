#include "platform/data_files.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <optional>

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
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

// Makes a rename in the folder last through a power loss. Nothing can be
// mended when this fails: the new file is already in place.
void FlushFolder(const std::string& path) {
    std::string folder = FolderOf(path);
    Descriptor dir(gCalls.open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY, 0));
    if (dir.open()) gCalls.fsync(dir.fd());
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
// have no randomness to give): a name of its own beside the data file.
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

// Opens a new, empty file for the new content, named "<file>.new". What a
// write cut short left under that name is removed first, a file or an empty
// folder; when the name still cannot be had (a folder holding something),
// the file is "<file>.new.XXXXXX" instead, with random letters that make a
// name nothing holds. `fresh` comes back with the name opened.
int OpenFresh(std::string& fresh) {
    if (::unlink(fresh.c_str()) != 0) ::rmdir(fresh.c_str());
    int fd = gCalls.open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    const std::string blocked = fresh;
    for (int tries = 0; fd < 0 && errno == EEXIST && tries < 100; ++tries) {
        fresh = blocked + "." + RandomLetters();
        fd = gCalls.open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    }
    return fd;
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
    std::optional<std::string> place = FollowLinks(name);
    if (!place) return false;
    const std::string& path = *place;
    std::string fresh = path + ".new";
    Descriptor out(OpenFresh(fresh));
    if (!out.open()) return false;
    bool whole = WriteAll(out.fd(), content) && gCalls.fsync(out.fd()) == 0 && out.close() == 0;
    if (!whole || gCalls.rename(fresh.c_str(), path.c_str(), false) != 0) {
        ::unlink(fresh.c_str());
        return false;
    }
    FlushFolder(path);
    return true;
}

bool replaceKeepingOld(const std::string& name, const std::string& content) {
    std::optional<std::string> place = FollowLinks(name);
    if (!place) return false;
    std::optional<std::string> kept = KeepAside(*place);
    if (!kept) return false;
    if (writeDataFile(*place, content)) return true;
    gCalls.rename(kept->c_str(), place->c_str(), true);  // back in its place
    return false;
}

}  // namespace plat
