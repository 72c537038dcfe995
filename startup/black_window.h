// The title window: a borderless black window over the whole screen that
// carries the splash picture during start-up and stays behind the game
// window, disabled, as a black backdrop for the rest of the run.
#pragma once

#include "platform/control.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "shared/program.h"
#include "startup/black_interface.h"

class BlackWindow : public BlackInterface {
public:
    explicit BlackWindow(Program& program);

    void ShowSplash() override;
    void setLogic(logic& oLogic) override { oLogic_ = &oLogic; }
    void splashDone();

    plat::Form& form() override { return form_; }
    plat::Timer& Timer1() override { return timer1_; }
    plat::Control& splash() override { return splash_; }

private:
    void Timer1_Timer() { splashDone(); }

    plat::Form form_;
    plat::Timer& timer1_;
    plat::Control& splash_;
    logic* oLogic_ = nullptr;
};
