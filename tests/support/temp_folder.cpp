#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace support {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "corvane-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::read(const std::string& name) const {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path_ / name, ignored)) return "";  // a pipe would wait for a writer
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    return text.str();
}

void TempFolder::write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
}

bool TempFolder::has(const std::string& name) const {
    std::error_code ignored;
    return std::filesystem::symlink_status(path_ / name, ignored).type() != std::filesystem::file_type::not_found;
}

}  // namespace support
