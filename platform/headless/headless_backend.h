// The headless backend: no window, no audio device. Its clock is virtual and
// moves only when told; sound calls and message boxes are recorded, and the
// boxes are answered from a queue of replies (or with their default button).
// The records are for tests and the scenario runner; the real program's
// backend keeps none.
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "../backend.h"

namespace plat {

class HeadlessBackend : public Backend {
public:
    int64_t now() override { return clock_; }
    void pollInput(System&) override {}
    void waitUntil(System&, int64_t until) override { advanceTo(until); }
    void present(System&) override {}
    void playSound(const std::string& waveFile, int flags) override { sounds.emplace_back(waveFile, flags); }
    int runMessageBox(System& sys, MessageBox& box) override;

    // Moves the virtual clock forward (never back).
    void advanceTo(int64_t t) {
        if (t > clock_) clock_ = t;
    }

    struct ShownBox {
        std::string prompt, title;
        int flags;
    };

    // A reply that leaves the box open until a close request comes
    // (System::requestClose), which then answers it.
    static constexpr int kCloseWhileOpen = -1;

    std::deque<int> answers;                          // replies to the next boxes
    std::vector<std::pair<std::string, int>> sounds;  // every sound call: wave file, flags
    std::vector<ShownBox> boxes;                      // every box shown, in order

private:
    int64_t clock_ = 0;
};

}  // namespace plat
