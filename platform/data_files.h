// The game's data files on disk: read only up to a length no data file ever
// reaches, written whole and durably, and kept aside rather than lost when
// they are replaced unread. Nothing here throws: every failure is a value.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace plat {

// No options or top-ten file is longer than a few hundred bytes.
constexpr size_t kDataFileLimit = 64 * 1024;

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

// Replaces the file whole or not at all. The content goes to "<file>.new"
// (a stale file or empty folder of that name is removed first; a folder
// holding something is left, and "<file>.new.XXXXXX" taken instead), is
// flushed to the disk, takes the file's place, and the folder is flushed
// after it. A symbolic link stays a link: its target is replaced, unless
// it is there and no plain file (a device, a pipe, a folder), which is
// never touched. A loop of links has no target: the link at the file's own
// name is replaced. True once the new content has taken the file's place;
// false when the file is left as it was.
bool writeDataFile(const std::string& path, const std::string& content);

// Replaces the file as writeDataFile does, after renaming the old one to the
// first free name of "<file>.bad", "<file>.bad2", "<file>.bad3", ... (as
// many as it takes; a loop of links is kept as the link at the file's own
// name). False when the old file could not be kept or the new one not
// written: then the file is left as it was.
bool replaceKeepingOld(const std::string& path, const std::string& content);

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
