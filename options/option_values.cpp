// The option values and the two commands that open and close the options
// dialog.
#include "rules/logic.h"

logic::Integer logic::Sound() const { return iSound; }
logic::Integer logic::BlockType() const { return iBlockType; }
logic::Integer logic::StartLevels() const { return iStartLevel; }
logic::Integer logic::StartLevel() const { return iStartLevel; }
void logic::SetSound(Integer v) { iSound = v; }
void logic::SetBlockType(Integer v) { iBlockType = v; }
void logic::SetControl(Integer v) { iControl = v; }
void logic::SetStartLevels(Integer v) { iStartLevel = v; }
void logic::SetStartLevel(Integer v) { iStartLevel = v; }

// Reading the control mode also gives the board the pointer that goes with it.
logic::Integer logic::Control() {
    visual_->center().setMousePointer(iControl == KeyboardControl ? plat::PointerDefault : plat::PointerCustom);
    return iControl;
}

void logic::OptionsPressed() {
    plat::Form& dialog = options_->form();
    if (!dialog.visible()) {
        options_->InitControls();
        dialog.show();
    } else {
        dialog.hide();
        sys_.DoEvents();
    }
}

// A failed write keeps the values in effect for the run.
void logic::ReturnPressedInOptions() {
    options_->form().hide();
    sys_.DoEvents();
    WriteOptions();
}
