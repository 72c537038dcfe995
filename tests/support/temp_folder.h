// A fresh folder of its own below the system's temporary folder, removed with
// everything in it when the object goes (also when a test took away its
// permissions).
#pragma once

#include <filesystem>
#include <string>

namespace support {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder's path with a trailing "/", ready for a file name.
    std::string prefix() const { return path_.string() + "/"; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    std::string read(const std::string& name) const;  // "" unless a plain file that can be read
    void write(const std::string& name, const std::string& text) const;
    bool has(const std::string& name) const;  // also a dangling symbolic link

private:
    std::filesystem::path path_;
};

}  // namespace support
