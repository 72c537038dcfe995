#include "runner.h"

#include "platform/compositor.h"
#include "platform/media/bmp_file.h"

namespace script {

using Kind = Command::Kind;
using plat::InputEvent;

Runner::Runner(std::string programFolder, std::string pictureFolder, std::ostream& out)
    : folder_(std::move(programFolder)), pictures_(std::move(pictureFolder)), out_(out) {}

Runner::~Runner() {
    // The game's windows go before the system they live on.
    startup_.reset();
}

void Runner::run(const std::vector<Command>& commands) {
    for (const Command& c : commands) {
        try {
            exec(c);
        } catch (const plat::ProgramEnded&) {
            // The program has ended; the script goes on with what is left.
        }
    }
}

void Runner::exec(const Command& c) {
    switch (c.kind) {
        case Kind::Screen: screenW_ = int(c.a), screenH_ = int(c.b); return;
        case Kind::Twips: twipsX_ = int(c.a), twipsY_ = int(c.b); return;
        case Kind::Start: start(); return;
        case Kind::Wait: wait(c.a); return;
        case Kind::Key: press(*keyFromName(c.text)); return;
        case Kind::Type: typeText(c.text); return;
        case Kind::Move:
        case Kind::Down:
        case Kind::Up:
        case Kind::Click:
        case Kind::DblClick: mouse(c); return;
        case Kind::Rnd:
            for (double v : c.values) {
                if (sys_)
                    sys_->giveRandom(v);
                else
                    earlyRandom_.push_back(v);
            }
            return;
        case Kind::Answer: backend_.answers.push_back(answerCode(c.text)); return;
        case Kind::Close: close(); return;
        case Kind::Dump: dump(); return;
        case Kind::Grid: grid(); return;
        case Kind::Shot: shot(c.text); return;
    }
}

int Runner::answerCode(const std::string& answer) {
    if (answer == "yes") return plat::AnswerYes;
    if (answer == "no") return plat::AnswerNo;
    if (answer == "close") return plat::HeadlessBackend::kCloseWhileOpen;
    return plat::AnswerOk;
}

// The window manager's close or a signal, now: the loop takes it at once.
void Runner::close() {
    if (!gameRunning()) return;
    sys_->requestClose();
    sys_->runUntil(backend_.now());
}

void Runner::start() {
    sys_ = std::make_unique<plat::System>(backend_, screenW_, screenH_, twipsX_, twipsY_);
    for (double v : earlyRandom_) sys_->giveRandom(v);
    earlyRandom_.clear();
    startup_ = std::make_unique<StartupModule>(*sys_, folder_, pictures_);
    startup_->Main();
}

void Runner::wait(long long ms) {
    int64_t until = backend_.now() + ms;
    struct Advance {
        plat::HeadlessBackend& b;
        int64_t t;
        ~Advance() { b.advanceTo(t); }
    } advance{backend_, until};
    if (gameRunning()) sys_->runUntil(until);
}

void Runner::post(const InputEvent& e) {
    if (!gameRunning()) return;
    sys_->post(e);
    sys_->DoEvents();
}

void Runner::press(const KeyStroke& k) {
    if (!gameRunning()) return;
    sys_->post(InputEvent{InputEvent::Type::KeyDown, k.keyCode, 0, 0, 0});
    if (k.character >= 0) sys_->post(InputEvent{InputEvent::Type::Char, k.character, 0, 0, 0});
    sys_->DoEvents();
}

void Runner::typeText(const std::string& text) {
    const std::optional<std::vector<int>> chars = textTo1252(text);
    if (!chars) return;
    const std::vector<int> list = *chars;
    for (int ch : list) press(KeyStroke{(ch >= 'a' && ch <= 'z') ? ch - 32 : ch, ch});
}

void Runner::pointerTo(int x, int y) {
    if (sys_->mouseKnown() && sys_->mouseX() == x && sys_->mouseY() == y) return;
    post(InputEvent{InputEvent::Type::MouseMove, 0, 0, x, y});
}

void Runner::mouse(const Command& c) {
    if (!gameRunning() || !startup_->gLogic()) return;  // no windows yet
    int x = int(c.a), y = int(c.b);
    auto ev = [&](InputEvent::Type t) { post(InputEvent{t, c.button, 0, x, y}); };
    if (c.kind == Kind::Move) {
        post(InputEvent{InputEvent::Type::MouseMove, 0, 0, x, y});
        return;
    }
    pointerTo(x, y);
    switch (c.kind) {
        case Kind::Down: ev(InputEvent::Type::MouseDown); break;
        case Kind::Up: ev(InputEvent::Type::MouseUp); break;
        case Kind::Click:
            ev(InputEvent::Type::MouseDown);
            ev(InputEvent::Type::MouseUp);
            break;
        case Kind::DblClick:
            ev(InputEvent::Type::MouseDown);
            ev(InputEvent::Type::MouseUp);
            ev(InputEvent::Type::DblClick);
            ev(InputEvent::Type::MouseUp);
            break;
        default: break;
    }
}

void Runner::shot(const std::string& path) {
    plat::Framebuffer fb;
    if (sys_) {
        plat::compose(*sys_, fb);
    } else {
        fb.w = screenW_;
        fb.h = screenH_;
        fb.px.assign(size_t(fb.w) * fb.h, 0xFF000000u);
    }
    plat::writeScreenshot(fb, path);
}

}  // namespace script
