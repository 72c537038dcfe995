// Script text is UTF-8; the game's characters are 8-bit (Windows-1252).
#include "platform/charset.h"
#include "script.h"

namespace script {

std::string cp1252ToUtf8(const std::string& bytes) { return plat::utf8From1252(bytes); }

std::optional<std::vector<int>> textTo1252(const std::string& s) {
    const std::optional<std::string> bytes = plat::utf8To1252Exactly(s);
    if (!bytes) return std::nullopt;
    std::vector<int> out;
    for (char c : *bytes) out.push_back(static_cast<unsigned char>(c));
    return out;
}

}  // namespace script
