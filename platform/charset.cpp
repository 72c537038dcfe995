#include "charset.h"

namespace plat {

namespace {
// Bytes 0x80..0x9F differ from Latin-1; the rest map to themselves.
constexpr char32_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at i, moving i past it; malformed input (a
// stray or cut sequence, a character written longer than it needs) gives
// U+FFFD, which no 8-bit character matches.
char32_t nextCodePoint(const std::string& s, size_t& i) {
    auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char lead = b(i++);
    int more = lead < 0x80 ? 0 : lead >= 0xF8 ? -1 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (more < 0) return 0xFFFD;
    char32_t cp = more == 0 ? lead : lead & (0x3F >> more);
    for (int k = 0; k < more; ++k) {
        if (i >= s.size() || (b(i) & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (b(i++) & 0x3F);
    }
    constexpr char32_t kShortest[4] = {0, 0x80, 0x800, 0x10000};
    return cp < kShortest[more] ? 0xFFFD : cp;
}
}  // namespace

char32_t codePointOf1252(unsigned char c) {
    if (c >= 0x80 && c < 0xA0) return kHighControls[c - 0x80];
    return c;
}

int byteOf1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return int(cp);
    for (int k = 0; k < 32; ++k)
        if (kHighControls[k] != 0 && kHighControls[k] == cp) return 0x80 + k;
    return -1;
}

std::string utf8From1252(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        char32_t cp = codePointOf1252(static_cast<unsigned char>(c));
        if (cp != 0) appendUtf8(out, cp);
    }
    return out;
}

std::string utf8To1252(const std::string& utf8) {
    std::string out;
    size_t i = 0;
    while (i < utf8.size()) {
        int b = byteOf1252(nextCodePoint(utf8, i));
        if (b >= 0) out += char(b);
    }
    return out;
}

std::optional<std::string> utf8To1252Exactly(const std::string& utf8) {
    std::string out;
    size_t i = 0;
    while (i < utf8.size()) {
        int b = byteOf1252(nextCodePoint(utf8, i));
        if (b < 0) return std::nullopt;
        out += char(b);
    }
    return out;
}

}  // namespace plat
