// Runs a checked script against the whole game on the headless backend.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/headless/headless_backend.h"
#include "platform/system.h"
#include "script.h"
#include "startup/startup_module.h"

namespace script {

class Runner {
public:
    Runner(std::string programFolder, std::string pictureFolder, std::ostream& out);
    ~Runner();
    void run(const std::vector<Command>& commands);

private:
    void exec(const Command& c);
    void start();
    void wait(long long ms);
    void close();
    static int answerCode(const std::string& answer);
    void press(const KeyStroke& k);
    void typeText(const std::string& text);
    void mouse(const Command& c);
    void pointerTo(int x, int y);
    void post(const plat::InputEvent& e);
    void dump();
    void grid();
    void shot(const std::string& path);
    bool gameRunning() const { return sys_ && !sys_->ended(); }

    std::string folder_, pictures_;
    std::ostream& out_;
    plat::HeadlessBackend backend_;
    int screenW_ = 800, screenH_ = 600, twipsX_ = 15, twipsY_ = 15;
    std::vector<double> earlyRandom_;
    std::unique_ptr<plat::System> sys_;
    std::unique_ptr<StartupModule> startup_;
    size_t soundsSeen_ = 0, boxesSeen_ = 0;
};

}  // namespace script
