// The scenario runner's script: commands read from text, checked as a whole
// before anything runs.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace script {

struct Command {
    enum class Kind {
        Screen,
        Twips,
        Start,
        Wait,
        Key,
        Type,
        Move,
        Down,
        Up,
        Click,
        DblClick,
        Rnd,
        Answer,
        Close,
        Dump,
        Grid,
        Shot
    };
    Kind kind;
    int line = 0;
    long long a = 0, b = 0;      // numbers: sizes, milliseconds, coordinates
    int button = 1;              // mouse button: 1 left, 2 right
    std::string text;            // key name, text to type, file name, answer
    std::vector<double> values;  // rnd values
};

struct ParseError {
    int line;
    std::string what;
};

// Reads the whole script. Returns the commands, or the first error.
struct Script {
    std::vector<Command> commands;
    std::optional<ParseError> error;
};
Script parse(std::istream& in);

// A key press as the keyboard makes it: the key code, then the typed
// character where the key makes one (-1 for none).
struct KeyStroke {
    int keyCode = 0;
    int character = -1;
};
// Key names: Left Right Up Down Return Escape Backspace Space, or one
// printable character (UTF-8, within the 8-bit character set).
std::optional<KeyStroke> keyFromName(const std::string& name);
// Splits UTF-8 text into the 8-bit characters it is made of; nullopt when a
// character lies outside the 8-bit set.
std::optional<std::vector<int>> textTo1252(const std::string& utf8);
// The 8-bit character's meaning as UTF-8.
std::string cp1252ToUtf8(const std::string& bytes);

}  // namespace script
