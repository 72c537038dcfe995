#include "headless_backend.h"

#include "../message_box.h"

namespace plat {

int HeadlessBackend::runMessageBox(System&, MessageBox& box) {
    boxes.push_back({box.prompt, box.title, box.flags});
    if (answers.empty()) return box.defaultAnswer();
    int reply = answers.front();
    answers.pop_front();
    for (int b : box.buttons)
        if (b == reply) return reply;
    return box.defaultAnswer();
}

}  // namespace plat
