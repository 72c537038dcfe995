// Reading and checking a script before anything runs.
#include <cctype>
#include <charconv>
#include <map>
#include <sstream>

#include "platform/input.h"
#include "platform/system.h"
#include "script.h"

namespace script {

namespace {

using Kind = Command::Kind;

struct CommandForm {
    Kind kind;
    const char* usage;
};

const std::map<std::string, CommandForm>& commandTable() {
    static const std::map<std::string, CommandForm> table = {
        {"screen", {Kind::Screen, "screen W H"}},
        {"twips", {Kind::Twips, "twips X Y"}},
        {"start", {Kind::Start, "start"}},
        {"wait", {Kind::Wait, "wait MS"}},
        {"key", {Kind::Key, "key NAME"}},
        {"type", {Kind::Type, "type TEXT"}},
        {"move", {Kind::Move, "move X Y"}},
        {"down", {Kind::Down, "down X Y [left|right]"}},
        {"up", {Kind::Up, "up X Y [left|right]"}},
        {"click", {Kind::Click, "click X Y [left|right]"}},
        {"dblclick", {Kind::DblClick, "dblclick X Y [left|right]"}},
        {"rnd", {Kind::Rnd, "rnd V1 V2 ..."}},
        {"answer", {Kind::Answer, "answer yes|no|ok|close"}},
        {"dump", {Kind::Dump, "dump"}},
        {"grid", {Kind::Grid, "grid"}},
        {"shot", {Kind::Shot, "shot FILE"}},
        {"close", {Kind::Close, "close"}},
    };
    return table;
}

std::vector<std::string> words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

bool wholeNumber(const std::string& s, long long lo, long long hi, long long& out) {
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size() && out >= lo && out <= hi;
}

// The text after the command word, as written (inner blanks kept).
std::string restOf(const std::string& line, const std::string& word) {
    size_t at = line.find(word) + word.size();
    if (at < line.size() && line[at] == ' ') ++at;
    return line.substr(at);
}

struct LineParser {
    Command& cmd;
    const std::vector<std::string>& w;
    std::string error;

    bool fail(std::string what) {
        error = std::move(what);
        return false;
    }
    bool count(size_t lo, size_t hi, const char* usage) {
        if (w.size() - 1 < lo || w.size() - 1 > hi) return fail(std::string("expected: ") + usage);
        return true;
    }
    bool number(size_t i, long long lo, long long hi, long long& out, const char* what) {
        if (!wholeNumber(w[i], lo, hi, out))
            return fail(std::string(what) + " must be a whole number from " + std::to_string(lo) + " to " +
                        std::to_string(hi) + ", not \"" + w[i] + "\"");
        return true;
    }
    bool mouse(const char* usage) {
        if (!count(2, 3, usage)) return false;
        if (!number(1, -100000, 100000, cmd.a, "X") || !number(2, -100000, 100000, cmd.b, "Y")) return false;
        if (w.size() == 4) {
            if (w[3] == "left")
                cmd.button = 1;
            else if (w[3] == "right")
                cmd.button = 2;
            else
                return fail("the button must be left or right, not \"" + w[3] + "\"");
        }
        return true;
    }
    bool rnd() {
        if (w.size() < 2) return fail("expected: rnd V1 V2 ...");
        for (size_t i = 1; i < w.size(); ++i) {
            double v = 0;
            auto [end, ec] = std::from_chars(w[i].data(), w[i].data() + w[i].size(), v);
            if (ec != std::errc() || end != w[i].data() + w[i].size() || !(v >= 0.0 && v < 1.0))
                return fail("a random value must be a number from 0 up to (not including) 1, not \"" + w[i] + "\"");
            cmd.values.push_back(v);
        }
        return true;
    }
    bool run(const std::string& line, const CommandForm& form) {
        switch (cmd.kind) {
            case Kind::Screen:
                return count(2, 2, form.usage) && number(1, 1, plat::kLargestScreenPx, cmd.a, "the width") &&
                       number(2, 1, plat::kLargestScreenPx, cmd.b, "the height");
            case Kind::Twips:
                return count(2, 2, form.usage) && number(1, 1, 1000, cmd.a, "X") && number(2, 1, 1000, cmd.b, "Y");
            case Kind::Start:
            case Kind::Close:
            case Kind::Dump:
            case Kind::Grid: return count(0, 0, form.usage);
            case Kind::Wait: return count(1, 1, form.usage) && number(1, 0, 1000000000, cmd.a, "the time");
            case Kind::Key:
                if (!count(1, 1, form.usage)) return false;
                if (!keyFromName(w[1])) return fail("unknown key \"" + w[1] + "\"");
                cmd.text = w[1];
                return true;
            case Kind::Type: {
                cmd.text = restOf(line, w[0]);
                const auto chars = textTo1252(cmd.text);
                if (cmd.text.empty() || !chars) return fail("expected: type TEXT (characters of the 8-bit set)");
                const std::vector<int>& list = *chars;
                for (int c : list)
                    if (c < plat::CharSpace || c == plat::CharDelete)
                        return fail("type takes printable characters only");
                return true;
            }
            case Kind::Move: return count(2, 2, form.usage) && mouse(form.usage);
            case Kind::Down:
            case Kind::Up:
            case Kind::Click:
            case Kind::DblClick: return mouse(form.usage);
            case Kind::Rnd: return rnd();
            case Kind::Answer:
                if (!count(1, 1, form.usage)) return false;
                if (w[1] != "yes" && w[1] != "no" && w[1] != "ok" && w[1] != "close")
                    return fail("the answer must be yes, no, ok or close, not \"" + w[1] + "\"");
                cmd.text = w[1];
                return true;
            case Kind::Shot:
                cmd.text = restOf(line, w[0]);
                if (cmd.text.empty()) return fail("expected: shot FILE");
                return true;
        }
        return fail("unknown command");
    }
};

std::string trimmed(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
    return s.substr(a, b - a);
}

}  // namespace

Script parse(std::istream& in) {
    Script out;
    bool started = false;
    int n = 0;
    for (std::string raw; std::getline(in, raw);) {
        ++n;
        std::string line = trimmed(raw);
        if (line.empty() || line[0] == '#') continue;
        auto w = words(line);
        auto it = commandTable().find(w[0]);
        if (it == commandTable().end()) {
            out.error = ParseError{n, "unknown command \"" + w[0] + "\""};
            return out;
        }
        Command cmd;
        cmd.kind = it->second.kind;
        cmd.line = n;
        LineParser p{cmd, w, {}};
        if (!p.run(line, it->second)) {
            out.error = ParseError{n, p.error};
            return out;
        }
        if ((cmd.kind == Kind::Screen || cmd.kind == Kind::Twips) && started) {
            out.error = ParseError{n, w[0] + " must come before start"};
            return out;
        }
        if (cmd.kind == Kind::Start) {
            if (started) {
                out.error = ParseError{n, "start may be given only once"};
                return out;
            }
            started = true;
        }
        out.commands.push_back(std::move(cmd));
    }
    return out;
}

std::optional<KeyStroke> keyFromName(const std::string& name) {
    using namespace plat;
    static const std::map<std::string, KeyStroke> named = {
        {"Left", {KeyLeft, -1}},
        {"Up", {KeyUp, -1}},
        {"Right", {KeyRight, -1}},
        {"Down", {KeyDown, -1}},
        {"Return", {KeyReturn, CharReturn}},
        {"Escape", {KeyEscape, CharEscape}},
        {"Backspace", {KeyBackspace, CharBackspace}},
        {"Space", {KeySpace, CharSpace}},
    };
    auto it = named.find(name);
    if (it != named.end()) return it->second;
    auto chars = textTo1252(name);
    if (!chars || chars->size() != 1) return std::nullopt;
    int c = chars->front();
    if (c < plat::CharSpace || c == plat::CharDelete) return std::nullopt;
    int code = (c >= 'a' && c <= 'z') ? c - 32 : c;
    return KeyStroke{code, c};
}

}  // namespace script
