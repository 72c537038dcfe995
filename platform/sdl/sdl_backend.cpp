#include "sdl_backend.h"

#include <algorithm>
#include <climits>

#include "../message_box_view.h"
#include "key_map.h"

namespace plat::sdl {

namespace {
// The screen is shown at most this often; changes in between wait for it.
constexpr int64_t kPresentEveryMs = 10;
}  // namespace

SdlBackend::SdlBackend(const DisplayMode& mode, const std::string& pictureFolder, const std::string& waveFolder)
    : video_(mode, pictureFolder + "/icon.bmp"), waveFolder_(waveFolder), start_(SDL_GetTicks64()) {
    SDL_StartTextInput();
}

int64_t SdlBackend::now() { return int64_t(SDL_GetTicks64() - start_); }

void SdlBackend::pollInput(System& sys) {
    SDL_Event e;
    // Once the box is answered, or the program asked to end, the rest stays
    // queued for the windows.
    while ((!box_ || (box_->answer == 0 && !sys.closeRequested())) && SDL_PollEvent(&e)) {
        if (closeRequest(e)) {
            sys.requestClose();
            continue;
        }
        if (windowEvent(e) || restOfBoxKey(e)) continue;
        if (box_)
            toBox(sys, e);
        else
            toWindows(sys, e);
    }
}

// The window manager's close (title bar, Alt+F4, a logout), and the quit that
// SDL sends after it or that the program's signal watcher sends.
bool SdlBackend::closeRequest(const SDL_Event& e) {
    return e.type == SDL_QUIT || (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE);
}

bool SdlBackend::windowEvent(const SDL_Event& e) {
    if (e.type != SDL_WINDOWEVENT) return false;
    if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) exposed_ = true;
    return true;
}

bool SdlBackend::restOfBoxKey(const SDL_Event& e) {
    switch (e.type) {
        case SDL_TEXTINPUT: return boxKey_.text;
        case SDL_KEYDOWN: boxKey_.text = e.key.repeat && e.key.keysym.scancode == boxKey_.scancode; return boxKey_.text;
        case SDL_KEYUP:
            if (e.key.keysym.scancode != boxKey_.scancode) return false;
            boxKey_ = {};
            return true;
        default: return false;
    }
}

void SdlBackend::postMouse(System& sys, InputEvent::Type type, int code, int wx, int wy, int clicks) {
    video_.toScreen(wx, wy, mouseX_, mouseY_);
    if (type == InputEvent::Type::MouseDown && doubleClicks_.isDouble(code, mouseX_, mouseY_, clicks))
        type = InputEvent::Type::DblClick;
    sys.post({type, code, shiftStateOf(SDL_GetModState()), mouseX_, mouseY_});
}

void SdlBackend::toWindows(System& sys, const SDL_Event& e) {
    using T = InputEvent::Type;
    switch (e.type) {
        case SDL_KEYDOWN: {
            int vk = virtualKeyOf(e.key.keysym);
            if (vk == 0) return;
            sys.post({T::KeyDown, vk, shiftStateOf(e.key.keysym.mod), 0, 0});
            if (int c = characterOfKey(vk); c >= 0) sys.post({T::Char, c, 0, 0, 0});
            return;
        }
        case SDL_TEXTINPUT:
            for (char c : charactersOfText(e.text.text)) sys.post({T::Char, static_cast<unsigned char>(c), 0, 0, 0});
            return;
        case SDL_MOUSEMOTION:
            postMouse(sys, T::MouseMove, heldButtonsOf(e.motion.state), e.motion.x, e.motion.y);
            return;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            int button = mouseButtonOf(e.button.button);
            if (button == 0) return;
            T type = e.type == SDL_MOUSEBUTTONUP ? T::MouseUp : T::MouseDown;
            postMouse(sys, type, button, e.button.x, e.button.y, e.button.clicks);
            return;
        }
        default: return;
    }
}

void SdlBackend::toBox(System& sys, const SDL_Event& e) {
    auto buttonAt = [&](int wx, int wy) {
        video_.toScreen(wx, wy, mouseX_, mouseY_);
        return layOutMessageBox(*box_, sys.screenWidthPx(), sys.screenHeightPx()).buttonAt(mouseX_, mouseY_);
    };
    if (e.type == SDL_KEYDOWN) {
        boxKey_ = {e.key.keysym.scancode, true};
        box_->key(virtualKeyOf(e.key.keysym));
        sys.invalidate();
    } else if (e.type == SDL_MOUSEBUTTONDOWN && e.button.button == SDL_BUTTON_LEFT) {
        pressedButton_ = buttonAt(e.button.x, e.button.y);
        if (pressedButton_ >= 0) box_->focus = pressedButton_;
        sys.invalidate();
    } else if (e.type == SDL_MOUSEBUTTONUP && e.button.button == SDL_BUTTON_LEFT) {
        if (pressedButton_ >= 0 && buttonAt(e.button.x, e.button.y) == pressedButton_) box_->choose(pressedButton_);
        pressedButton_ = -1;
    } else if (e.type == SDL_MOUSEMOTION) {
        video_.toScreen(e.motion.x, e.motion.y, mouseX_, mouseY_);
    }
}

int SdlBackend::runMessageBox(System& sys, MessageBox& box) {
    struct Nesting {
        SdlBackend& b;
        System& sys;
        MessageBox* outer;
        int pressed;
        ~Nesting() {
            b.box_ = outer;
            b.pressedButton_ = pressed;
            b.doubleClicks_ = {};
            b.pointerChanged(sys);
        }
    } nesting{*this, sys, box_, pressedButton_};
    box_ = &box;
    pressedButton_ = -1;
    doubleClicks_ = {};  // a click on the box and one on a window make no pair
    pointerChanged(sys);
    // The windows' timers keep running while the box is open. A request to
    // end the program answers it, so that the loop can act on the request.
    while (box.answer == 0) {
        if (sys.closeRequested()) box.answer = box.answerOnClose();
        if (box.answer != 0) break;
        sys.DoEvents();
        if (box.answer == 0 && !sys.closeRequested()) waitUntil(sys, sys.nextDue());
    }
    return box.answer;
}

void SdlBackend::waitUntil(System& sys, int64_t until) {
    if (sys.version() != shownVersion_ || exposed_) until = std::min(until, lastPresent_ + kPresentEveryMs);
    sound_.closeIfQuiet(SDL_GetTicks64());
    if (uint64_t due = sound_.closeDue(); due != SdlSound::kNever) until = std::min(until, int64_t(due - start_));
    if (until == INT64_MAX) {
        SDL_WaitEvent(nullptr);
        return;
    }
    int64_t ms = until - now();
    if (ms > 0) SDL_WaitEventTimeout(nullptr, int(std::min<int64_t>(ms, INT_MAX)));
}

void SdlBackend::present(System& sys) {
    bool changed = sys.version() != shownVersion_;
    if (!changed && !exposed_) return;
    int64_t t = now();
    if (t - lastPresent_ < kPresentEveryMs) return;
    Rect area{};
    if (changed) {
        shownVersion_ = sys.version();
        area = sys.takeDamage();
    }
    video_.present(sys, area, exposed_);
    if (exposed_) pointerChanged(sys);  // a window of a new size may show the pointer at a new scale
    lastPresent_ = t;
    exposed_ = false;
}

void SdlBackend::pointerChanged(System& sys) {
    if (box_) {
        pointer_.show({}, 1);
        return;
    }
    pointer_.show(sys.pointerAt(mouseX_, mouseY_), video_.scale());
}

}  // namespace plat::sdl
