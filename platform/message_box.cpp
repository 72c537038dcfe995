#include "message_box.h"

#include "basic.h"
#include "input.h"

namespace plat {

MessageBox::MessageBox(std::string p, std::string t, int f) : prompt(std::move(p)), title(std::move(t)), flags(f) {
    if ((flags & 7) == MbYesNo)
        buttons = {AnswerYes, AnswerNo};
    else
        buttons = {AnswerOk};
    int wanted = (flags & MbDefaultButton2) ? 1 : 0;
    focus = wanted < int(buttons.size()) ? wanted : 0;
}

int MessageBox::defaultAnswer() const {
    int wanted = (flags & MbDefaultButton2) ? 1 : 0;
    return buttons[wanted < int(buttons.size()) ? wanted : 0];
}

int MessageBox::answerOnClose() const {
    for (int b : buttons)
        if (b == AnswerYes) return b;
    return defaultAnswer();
}

void MessageBox::choose(int index) {
    if (index >= 0 && index < int(buttons.size())) answer = buttons[index];
}

int MessageBox::key(int keyCode) {
    const int n = int(buttons.size());
    auto has = [&](int a) {
        for (int i = 0; i < n; ++i)
            if (buttons[i] == a) return i;
        return -1;
    };
    switch (keyCode) {
        case KeyReturn:
        case KeySpace: choose(focus); break;
        case KeyTab:
        case KeyRight:
        case KeyDown: focus = (focus + 1) % n; break;
        case KeyLeft:
        case KeyUp: focus = (focus + n - 1) % n; break;
        case 'Y': choose(has(AnswerYes)); break;
        case 'N': choose(has(AnswerNo)); break;
        case KeyEscape:
            // A question without a Cancel button cannot be escaped.
            choose(has(AnswerOk));
            break;
        default: break;
    }
    return answer;
}

const char* MessageBox::caption(int a) {
    switch (a) {
        case AnswerYes: return "Yes";
        case AnswerNo: return "No";
        default: return "OK";
    }
}

}  // namespace plat
