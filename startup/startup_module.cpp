#include "startup/startup_module.h"

#include "platform/picture.h"
#include "rules/logic.h"

StartupModule::StartupModule(plat::System& sys, std::string programFolder, std::string pictureFolder)
    : sys_(sys),
      programFolder_(std::move(programFolder)),
      program_(sys, "", std::move(pictureFolder)),
      windows_(program_) {}

StartupModule::~StartupModule() = default;

void StartupModule::Main() {
    program_.iTwipsX = plat::Integer(sys_.twipsX());
    program_.iTwipsY = plat::Integer(sys_.twipsY());
    if (program_.iTwipsX != DesignTwipsPerPixel || program_.iTwipsY != DesignTwipsPerPixel) RefuseDisplay();
    sys_.setScreenPointer(plat::PointerHourglass);
    program_.gPath = programFolder_.ends_with('/') ? programFolder_ : programFolder_ + "/";
    CreateLogic();
    sys_.DoEvents();
    sys_.setScreenPointer(plat::PointerDefault);
}

void StartupModule::RefuseDisplay() {
    Refuse("Please change font size to small in CONTROL PANEL - DISPLAY !", plat::MbOk, "Corvane 95");
}

void StartupModule::Refuse(const std::string& prompt, int flags, const std::string& title) {
    startFailed_ = true;
    if (onRefusal) onRefusal(prompt);
    sys_.msgBox(prompt, flags, title);
    sys_.end();
}

// The game must never run with blank pictures: a picture that cannot be
// loaded while the windows are built ends the program with a message that
// names the file.
void StartupModule::CreateLogic() {
    try {
        gLogic_ = std::make_unique<logic>(program_, windows_);
    } catch (const plat::PictureMissing& e) {
        sys_.setScreenPointer(plat::PointerDefault);
        Refuse("Corvane cannot start: the picture file \"" + e.path() + "\" is missing or unreadable.",
               plat::MbCritical, "Corvane");
    }
}
