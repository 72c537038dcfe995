#include "text_wrap.h"

#include "media.h"

namespace plat {

namespace {

// How many characters of the word, from its start, fit the width: at least one.
size_t fittingPrefix(const Font& font, const std::string& word, int maxWidth) {
    size_t fits = 1, tooMany = word.size();  // the answer lies in [fits, tooMany)
    while (tooMany - fits > 1) {
        size_t mid = (fits + tooMany) / 2;
        (media().textWidth(font, word.substr(0, mid)) <= maxWidth ? fits : tooMany) = mid;
    }
    return fits;
}

// One paragraph, without line feeds, onto `lines`.
void wrapParagraph(const Font& font, const std::string& text, int maxWidth, std::vector<std::string>& lines) {
    std::string line;
    bool started = false;  // `line` holds a word, maybe an empty one
    size_t at = 0;
    while (at <= text.size()) {
        size_t blank = text.find(' ', at);
        std::string word = text.substr(at, blank == std::string::npos ? std::string::npos : blank - at);
        at = blank == std::string::npos ? text.size() + 1 : blank + 1;
        if (started && media().textWidth(font, line + ' ' + word) <= maxWidth) {
            line += ' ' + word;
            continue;
        }
        if (started) lines.push_back(line);
        while (word.size() > 1 && media().textWidth(font, word) > maxWidth) {
            size_t n = fittingPrefix(font, word, maxWidth);
            lines.push_back(word.substr(0, n));
            word.erase(0, n);
        }
        line = word;
        started = true;
    }
    lines.push_back(line);
}

}  // namespace

std::vector<std::string> wrapText(const Font& font, const std::string& text, int maxWidth) {
    std::vector<std::string> lines;
    size_t at = 0;
    for (size_t feed; (feed = text.find('\n', at)) != std::string::npos; at = feed + 1)
        wrapParagraph(font, text.substr(at, feed - at), maxWidth, lines);
    wrapParagraph(font, text.substr(at), maxWidth, lines);
    return lines;
}

}  // namespace plat
