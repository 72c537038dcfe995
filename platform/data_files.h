// The game's data files on disk: read only up to a length no data file ever
// reaches, written whole and durably, and kept aside rather than lost when
// they are replaced unread; a lock beside a file lets one copy of the game
// read and replace it while other copies wait. Nothing here throws: every
// failure is a value, and a write that fails says so on standard error.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <string>

namespace plat {

// No options or top-ten file is longer than a few hundred bytes.
constexpr size_t kDataFileLimit = 64 * 1024;

// The folder of a player who has none (it could not be made; the program
// said so once when it started): no file is there to read, and a write
// there fails without trying and without a word.
inline constexpr const char* kNoDataFolder = "/dev/null";

struct DataFile {
    enum class State {
        Read,        // text holds the whole file
        Missing,     // there is no file of that name
        Unreadable,  // it exists but cannot be read as a file (a folder, no permission, an I/O error)
        TooLong,     // it is longer than the limit
    };
    State state = State::Missing;
    std::string text;

    // A file is there that the game did not take in.
    bool unread() const { return state == State::Unreadable || state == State::TooLong; }
};

DataFile readDataFile(const std::string& path, size_t limit = kDataFileLimit);

// Replaces the file whole or not at all. The content goes to a file of this
// writer's own, "<file>.new.<process id>.<six letters>", is flushed to the
// disk, takes the file's place, and the folder is flushed after it. What
// writes cut short left beside it is removed first: "<file>.new" (a file or
// an empty folder; a folder holding something is left) and the temporary
// files of processes that are gone; a live writer's file is never touched.
// A symbolic link stays a link: its target is replaced, unless it is there
// and no plain file (a device, a pipe, a folder), which is never touched. A
// loop of links has no target: the link at the file's own name is replaced.
// True once the new content has taken the file's place; false when the file
// is left as it was, which is said once on standard error with the reason.
bool writeDataFile(const std::string& path, const std::string& content);

// Replaces the file as writeDataFile does, after renaming the old one to the
// first free name of "<file>.bad", "<file>.bad2", "<file>.bad3", ... (as
// many as it takes; a loop of links is kept as the link at the file's own
// name). False when the old file could not be kept or the new one not
// written: then the file is left as it was, and standard error says why.
bool replaceKeepingOld(const std::string& path, const std::string& content);

// An advisory lock (flock) on "<file>.lock" beside a data file, held while
// the object lives: another copy of the game asking for it waits until it is
// given up, at most `patience`. The lock file is made when missing and stays.
// Not held when the patience ran out (said once on standard error: the
// caller goes on without it) or when no lock file can be opened there (a
// folder that cannot be written, where the write that follows fails and says
// so itself).
class DataFileLock {
public:
    DataFileLock(const std::string& path, std::chrono::milliseconds patience);
    ~DataFileLock();
    DataFileLock(const DataFileLock&) = delete;
    DataFileLock& operator=(const DataFileLock&) = delete;

    bool held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

// The system calls the data files go through. Tests replace one with a
// failing stand-in to play a full disk, an I/O error or a refused rename.
struct FileCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*read)(int fd, void* buffer, size_t size);
    ssize_t (*write)(int fd, const void* buffer, size_t size);
    int (*fsync)(int fd);
    // With noReplace, an existing `to` makes it fail with EEXIST.
    int (*rename)(const char* from, const char* to, bool noReplace);
};
FileCalls& fileCalls();

}  // namespace plat
