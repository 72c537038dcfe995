// The SDL2 backend: one window showing the composed screen, the keyboard and
// mouse turned into the game's input, timers waited for on the main thread,
// the pointer, sound, and the message box's own modal loop.
#pragma once

#include <cstdint>
#include <string>

#include "../backend.h"
#include "../display_mode.h"
#include "../double_click.h"
#include "../painter.h"
#include "../system.h"
#include "sdl_pointer.h"
#include "sdl_sound.h"
#include "sdl_video.h"

namespace plat::sdl {

class SdlBackend : public Backend {
public:
    // SDL's video subsystem must be running (audio is optional). The game's
    // wave files are played from waveFolder.
    SdlBackend(const DisplayMode& mode, const std::string& pictureFolder, const std::string& waveFolder);

    int64_t now() override;
    void pollInput(System& sys) override;
    void waitUntil(System& sys, int64_t until) override;
    void present(System& sys) override;
    void playSound(const std::string& waveFile, int flags) override {
        sound_.play(waveFolder_ + "/" + waveFile, flags);
    }
    int runMessageBox(System& sys, MessageBox& box) override;
    void pointerChanged(System& sys) override;
    // The file of the sound playing now ("" when silent).
    std::string soundPlaying() const { return sound_.playing(); }

private:
    void toWindows(System& sys, const SDL_Event& e);
    void toBox(System& sys, const SDL_Event& e);
    void postMouse(System& sys, InputEvent::Type type, int code, int wx, int wy, int clicks = 1);
    static bool closeRequest(const SDL_Event& e);
    bool windowEvent(const SDL_Event& e);
    bool restOfBoxKey(const SDL_Event& e);

    SdlVideo video_;
    SdlPointer pointer_;
    SdlSound sound_;
    std::string waveFolder_;
    uint64_t start_;
    uint64_t shownVersion_ = 0;
    int64_t lastPresent_ = -1000;
    bool exposed_ = false;
    int mouseX_ = 0, mouseY_ = 0;  // screen pixels
    MessageBox* box_ = nullptr;    // the open message box, which takes all input
    int pressedButton_ = -1;       // its button under a held mouse press
    // The last key the box took: its text, repeats and release are the box's
    // too, also when they come after the key closed it.
    struct {
        SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN;
        bool text = false;
    } boxKey_;
    DoubleClicks doubleClicks_;
};

}  // namespace plat::sdl
