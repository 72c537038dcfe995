// Stand-ins for the system calls of the data files: a test swaps one in to
// play a full disk, an I/O error or a refused rename, and the real calls come
// back when the swap goes.
#pragma once

#include <fcntl.h>

#include <cerrno>

#include "platform/data_files.h"

namespace support {

class FileCallsSwap {
public:
    FileCallsSwap() : real_(plat::fileCalls()) {}
    ~FileCallsSwap() { plat::fileCalls() = real_; }
    FileCallsSwap(const FileCallsSwap&) = delete;
    FileCallsSwap& operator=(const FileCallsSwap&) = delete;

    plat::FileCalls& calls() { return plat::fileCalls(); }
    const plat::FileCalls& real() const { return real_; }

private:
    plat::FileCalls real_;
};

// An I/O error on every read.
inline ssize_t ReadFails(int, void*, size_t) {
    errno = EIO;
    return -1;
}

// A file the player may not read: opening it for reading is refused.
inline int ReadingRefused(const char* path, int flags, mode_t mode) {
    if ((flags & O_ACCMODE) == O_RDONLY && !(flags & O_DIRECTORY)) {
        errno = EACCES;
        return -1;
    }
    return ::open(path, flags, mode);
}

// A folder the player may not write into: no new file can be made there.
inline int CreatingRefused(const char* path, int flags, mode_t mode) {
    if (flags & O_CREAT) {
        errno = EACCES;
        return -1;
    }
    return ::open(path, flags, mode);
}

// Every rename refused, as in a folder the player may not change.
inline int RenameRefused(const char*, const char*, bool) {
    errno = EACCES;
    return -1;
}

}  // namespace support
