#include "scenario.h"

#include <sstream>

#include "runner.h"
#include "script.h"

namespace scenario {

std::vector<json> play(const std::string& text, const Folder& folder) {
    std::istringstream in(text);
    script::Script s = script::parse(in);
    if (s.error) throw std::runtime_error("line " + std::to_string(s.error->line) + ": " + s.error->what);
    std::ostringstream out;
    {
        script::Runner runner(folder.path().string(), CORVANE_PICTURES, out);
        runner.run(s.commands);
    }
    std::vector<json> lines;
    std::istringstream back(out.str());
    for (std::string line; std::getline(back, line);) lines.push_back(json::parse(line));
    return lines;
}

std::vector<std::string> soundNames(const json& dump) {
    std::vector<std::string> names;
    for (const auto& s : dump["sounds"]) names.push_back(s[0].get<std::string>());
    return names;
}

int count(const std::vector<std::string>& names, const std::string& name) {
    int n = 0;
    for (const auto& s : names) n += s == name;
    return n;
}

std::string startGame() { return "start\nwait 2000\nkey s\n"; }

std::string block(bool up, bool down, bool left, bool right) {
    auto v = [](bool pipe) { return pipe ? " 0.75" : " 0.25"; };
    return std::string("rnd") + v(up) + v(down) + v(left) + v(right) + "\n";
}

std::string waitTicks(int& at, int tick) {
    std::string s = "wait " + std::to_string((tick - at) * kTick) + "\n";
    at = tick;
    return s;
}

std::string dropBlocks(const std::vector<Drop>& drops, int& lastShown, int& at) {
    at = 0;
    return dropBlocksFrom(1, drops, lastShown, at);
}

std::string dropBlocksFrom(int first, const std::vector<Drop>& drops, int& lastShown, int& at) {
    std::string s;
    for (const Drop& d : drops) s += block(d.up, d.down, d.left, d.right);
    int shown = first;
    for (const Drop& d : drops) {
        s += waitTicks(at, shown);
        for (int c = 4; c > d.column; --c) s += "key Left\n";
        for (int c = 4; c < d.column; ++c) s += "key Right\n";
        lastShown = shown;
        shown += 11 - d.row;  // falls to its row, then fixed as the next shows
    }
    return s;
}

std::string scoreThenStack(int& at, const std::string& begin) {
    std::vector<Drop> row = {kind6(3, 1), kind6(4, 1), kind6(5, 1)};
    int last = 0;
    std::string s = begin + dropBlocks(row, last, at);
    std::vector<Drop> stack;
    for (int r = 1; r <= 9; ++r) stack.push_back(kind6(4, r));
    s += dropBlocksFrom(last + 12, stack, last, at) + block(true, true, false, false);
    s += waitTicks(at, last + 3);  // the tenth is fixed in the entry, the next finds it taken
    return s;
}

}  // namespace scenario
