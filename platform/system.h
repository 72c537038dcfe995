// The event loop and the services around it: the screen and its windows,
// the clock and timers, input routing, the yield (DoEvents), random numbers,
// sound, message boxes, the pointer, and ending the program.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "backend.h"
#include "basic.h"
#include "form.h"
#include "held_press.h"
#include "input.h"
#include "message_box.h"
#include "random.h"

namespace plat {

// The largest screen a System takes, in pixels each way: beyond the largest
// displays, and the whole screen composed at that size (1 GiB) still fits in
// memory.
constexpr int kLargestScreenPx = 16384;

// Thrown by System::end(); unwinds every handler up to the loop's owner.
struct ProgramEnded {};

class System {
public:
    // The screen is 1 to kLargestScreenPx pixels each way; any other size
    // throws std::length_error.
    System(Backend& backend, int screenWidthPx, int screenHeightPx, int twipsX = 15, int twipsY = 15);
    ~System();
    System(const System&) = delete;
    System& operator=(const System&) = delete;

    Backend& backend() { return backend_; }

    // The screen.
    int screenWidthPx() const { return screenW_; }
    int screenHeightPx() const { return screenH_; }
    int twipsX() const { return twipsX_; }
    int twipsY() const { return twipsY_; }
    double screenWidthTwips() const { return double(screenW_) * twipsX_; }
    double screenHeightTwips() const { return double(screenH_) * twipsY_; }

    // Windows, back to front.
    const std::vector<Form*>& forms() const { return forms_; }
    Form* activeForm() const { return active_; }
    void bringToFront(Form& f);
    void activate(Form* f);
    void formHidden(Form& f);
    void formDestroyed(Form& f);

    // Time and timers.
    int64_t now() { return backend_.now(); }
    void addTimer(Timer& t);
    void removeTimer(Timer& t);
    // Earliest due time of an armed timer not running its handler (INT64_MAX if none).
    int64_t nextDue() const;

    // The yield: handles pending input and due timers, repaints, returns.
    void DoEvents();
    // Runs the loop until the clock reaches `until` (or the program ends).
    void runUntil(int64_t until);
    // Runs the loop until the program ends.
    void run();

    // Input from the backends.
    void post(const InputEvent& e) { input_.push_back(e); }
    bool inputPending() const { return !input_.empty(); }
    int mouseX() const { return mouseX_; }
    int mouseY() const { return mouseY_; }
    bool mouseKnown() const { return mouseKnown_; }

    // Random numbers in [0, 1); given values are taken first.
    double Rnd();
    void Randomize();
    void giveRandom(double v) { given_.push_back(v); }

    // Plays the game's wave file of that name ("box.wav") with the game's flags.
    void playSound(const std::string& waveFile, int flags) { backend_.playSound(waveFile, flags); }

    // A modal message box; returns the answer.
    int msgBox(const std::string& prompt, int flags, const std::string& title);
    const MessageBox* openMessageBox() const { return modal_.empty() ? nullptr : modal_.back(); }

    // The pointer for the whole screen (PointerDefault lets controls decide).
    void setScreenPointer(int code);
    int screenPointer() const { return screenPointer_; }
    // The pointer shape at a screen pixel: the screen's, else the control's.
    struct PointerShape {
        int code = PointerDefault;
        CursorRef cursor;
    };
    PointerShape pointerAt(int x, int y) const;

    // Ends the program at once: throws ProgramEnded.
    [[noreturn]] void end();
    bool ended() const { return ended_; }

    // A request from outside to end the program: the window closed by the
    // window manager, a signal. It is only noted here; the loop (runUntil)
    // acts on it at its next turn, never inside a handler, a yield or a
    // message box (a box open meanwhile is answered by answerOnClose). It
    // then calls onCloseRequest, the program's own way out, and ends the
    // program. Requests after the first change nothing.
    void requestClose() { closeRequested_ = true; }
    bool closeRequested() const { return closeRequested_; }
    std::function<void()> onCloseRequest;

    // Repaint bookkeeping: the version goes up with every visible change;
    // the damaged area is the part of the screen those changes touched.
    void invalidate();                    // the whole screen
    void damage(const Control::Rect& r);  // one rectangle of it
    uint64_t version() const { return version_; }
    // The area damaged since the last call (w = 0: none), then none.
    Control::Rect takeDamage();

    // Where a screen pixel lands: the control (or nullptr for the window).
    struct Hit {
        Form* form = nullptr;
        Control* control = nullptr;
    };
    Hit hitTest(int x, int y) const;
    // The visible window under the screen pixel (the last shown on top), or nullptr.
    Form* formAt(int x, int y) const;

private:
    void dispatch(const InputEvent& e);
    void dispatchKey(const InputEvent& e);
    void dispatchMouse(const InputEvent& e);
    bool fireOneDueTimer();
    void close();
    void mouseTo(const Hit& hit, const InputEvent& e, bool isMove);

    Backend& backend_;
    int screenW_, screenH_, twipsX_, twipsY_;
    std::vector<Form*> forms_;
    Form* active_ = nullptr;
    std::vector<Timer*> timers_;
    std::deque<InputEvent> input_;
    int mouseX_ = 0, mouseY_ = 0;
    bool mouseKnown_ = false;
    Hit captured_;
    bool buttonHeld_ = false;
    bool lastWasDblClick_ = false;
    Random random_;
    std::deque<double> given_;
    std::vector<MessageBox*> modal_;
    int screenPointer_ = PointerDefault;
    bool ended_ = false;
    bool closeRequested_ = false;
    bool closing_ = false;
    uint64_t version_ = 1;
    Control::Rect damaged_{};
    bool damagedAll_ = true;
    HeldPress held_{*this};  // after timers_: it owns a timer
};

}  // namespace plat
