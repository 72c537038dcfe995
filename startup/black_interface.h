// The title window as start-up sees it.
#pragma once

#include "platform/control.h"
#include "platform/form.h"
#include "platform/timer.h"

class logic;

class BlackInterface {
public:
    virtual ~BlackInterface() = default;
    virtual void ShowSplash() = 0;
    virtual void setLogic(logic& oLogic) = 0;
    virtual plat::Form& form() = 0;
    virtual plat::Timer& Timer1() = 0;
    virtual plat::Control& splash() = 0;
};
