// Script text is UTF-8; the game's characters are 8-bit (Windows-1252).
#include "platform/charset.h"
#include "script.h"

namespace script {

std::string cp1252ToUtf8(const std::string& bytes) { return plat::utf8From1252(bytes); }

std::optional<std::vector<int>> textTo1252(const std::string& s) {
    std::vector<int> out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = s[i];
        int len = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 0;
        if (len == 0 || i + len > s.size()) return std::nullopt;
        char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : (c & 0x0F);
        for (int k = 1; k < len; ++k) {
            unsigned char d = s[i + k];
            if ((d & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (d & 0x3F);
        }
        int b = plat::byteOf1252(cp);
        if (b < 0) return std::nullopt;
        out.push_back(b);
        i += len;
    }
    return out;
}

}  // namespace script
