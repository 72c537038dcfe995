// The modal message box: a prompt, a title, the standard flags, and which
// button has the focus. Both backends run it through System::msgBox; the
// compositor draws it over everything else.
#pragma once

#include <string>
#include <vector>

#include "basic.h"

namespace plat {

struct MessageBox {
    std::string prompt, title;
    int flags = 0;
    std::vector<int> buttons;  // answer codes, left to right
    int focus = 0;             // index into buttons
    int answer = 0;            // set once a button is chosen
    bool critical() const { return (flags & MbCritical) != 0; }

    MessageBox(std::string p, std::string t, int f);
    int defaultAnswer() const;
    // The answer of a box still open when the program is asked to end: Yes
    // where the box has it (the question whether to quit), else its default.
    int answerOnClose() const;
    // Keyboard within the box: sets and returns the answer, or 0 while open.
    int key(int keyCode);
    // A button chosen by the mouse.
    void choose(int index);
    // Caption shown on a button.
    static const char* caption(int answer);
};

}  // namespace plat
