// The options dialog as the game rules see it.
#pragma once

#include "platform/form.h"

class logic;

class OptionsInterface {
public:
    virtual ~OptionsInterface() = default;
    virtual void InitControls() = 0;
    virtual void setLogic(logic& oLogic) = 0;
    virtual plat::Form& form() = 0;
};
