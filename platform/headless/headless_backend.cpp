#include "headless_backend.h"

#include "../message_box.h"
#include "../system.h"

namespace plat {

int HeadlessBackend::runMessageBox(System& sys, MessageBox& box) {
    boxes.push_back({box.prompt, box.title, box.flags});
    if (sys.closeRequested()) return box.answerOnClose();
    if (answers.empty()) return box.defaultAnswer();
    int reply = answers.front();
    answers.pop_front();
    if (reply == kCloseWhileOpen) {
        sys.requestClose();
        return box.answerOnClose();
    }
    for (int b : box.buttons)
        if (b == reply) return reply;
    return box.defaultAnswer();
}

}  // namespace plat
