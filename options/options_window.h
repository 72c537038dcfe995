// The options dialog: sound, start level, control mode and picture set. Every
// click sets its value in the game object at once; the dialog keeps no values
// of its own. The Return button is the default button: the Return key
// presses it while the dialog is the active window.
#pragma once

#include "options/options_interface.h"
#include "platform/control.h"
#include "platform/form.h"
#include "shared/program.h"

class OptionsWindow : public OptionsInterface {
public:
    explicit OptionsWindow(Program& program);

    void InitControls() override;
    void setLogic(logic& oLogic) override { oLogic_ = &oLogic; }
    plat::Form& form() override { return form_; }

    plat::Control& control(const char* name) { return form_.get(name); }

private:
    struct Bounds {
        double left, top, width, height;
    };
    plat::Control& addText(plat::ControlKind kind, const char* name, plat::Control* parent, const char* caption,
                           Bounds b, bool heading);
    plat::Control& addFrame(const char* name, const char* caption, Bounds b);
    plat::Control& addOption(const char* name, plat::Control& frame, const char* caption, Bounds b);
    void addControls(Program& program);
    void addStartLevel(plat::Control& frame2);
    void addPictureSet(Program& program, plat::Control& frame4);
    void connectHandlers();
    void Form_Load(const Program& program);
    void SelectPair(plat::Control& first, plat::Control& second, bool firstSelected);
    void ChooseBlockType(plat::Integer iType);
    void StartLevel_Change();
    void IronPict_Click();
    void WoodPict_Click();

    plat::Form form_;
    logic* oLogic_ = nullptr;
};
