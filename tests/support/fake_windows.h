// Recording stand-ins for the game window, the options dialog and the title
// window. They hold real controls and timers on a headless system, and log
// every member call with its arguments, in order, into one shared list, for
// example "PaintTemp(10,4,3,1,1,3)".
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "options/options_interface.h"
#include "platform/system.h"
#include "shared/window_factory.h"
#include "startup/black_interface.h"
#include "window/visual_interface.h"

namespace fakes {

using CallLog = std::vector<std::string>;

class FakeVisual : public VisualInterface {
public:
    FakeVisual(plat::System& sys, CallLog& log);

    void ClearBoxes() override { note("ClearBoxes()"); }
    void ClearBugLasers() override { note("ClearBugLasers()"); }
    void ExitClicked() override { note("ExitClicked()"); }
    void HelpClicked() override { note("HelpClicked()"); }
    void InfoClick() override { note("InfoClick()"); }
    void Init() override;
    void MessageOff() override;
    void MoveTemp(Integer iY, Integer iX) override { note("MoveTemp", {iY, iX}); }
    void OptionsMouseDown() override { note("OptionsMouseDown()"); }
    void ReInitSmallLasers() override { note("ReInitSmallLasers()"); }
    void Remove(Integer iY, Integer iX) override { note("Remove", {iY, iX}); }
    void SaveTemp(Integer iY, Integer iX) override { note("SaveTemp", {iY, iX}); }
    void PaintTemp(Integer iY, Integer iX, Integer iUp, Integer iDown, Integer iLeft, Integer iRight) override {
        note("PaintTemp", {iY, iX, iUp, iDown, iLeft, iRight});
    }
    void PaintChange(Integer iY, Integer iX, Integer iUp, Integer iDown, Integer iLeft, Integer iRight) override {
        note("PaintChange", {iY, iX, iUp, iDown, iLeft, iRight});
    }
    void RemoveTemp() override { note("RemoveTemp()"); }
    void PaintLaserCorr(Integer iY, Integer iX, Integer iNr) override { note("PaintLaserCorr", {iY, iX, iNr}); }
    void ClearLaserCorr(Integer iY, Integer iX, Integer iNr) override { note("ClearLaserCorr", {iY, iX, iNr}); }
    void ScoresClicked() override { note("ScoresClicked()"); }
    void StartClick() override { note("StartClick()"); }
    void DisableGameOver() override;
    void EnableGameOver() override;
    void setLogic(logic& oLogic) override;

    plat::Form& form() override { return form_; }
    plat::Timer& Timer1() override { return *timer1_; }
    plat::Timer& CursorTimer() override { return *cursorTimer_; }
    plat::Control& center() override { return control("center"); }
    plat::Control& score() override { return control("score"); }
    plat::Control& level() override { return control("level"); }
    plat::Control& hiscore() override { return control("hiscore"); }
    plat::Control& pause() override { return control("pause"); }
    plat::Control& message() override { return control("message"); }
    plat::Control& message3() override { return control("message3"); }
    plat::Control& topTen() override { return control("topTen"); }
    plat::Control& gameOver() override { return control("gameOver"); }
    plat::Control& EnterYourName() override { return control("EnterYourName"); }
    plat::Control& cursorBig() override { return control("cursorBig"); }
    plat::Control& cursorSmall() override { return control("cursorSmall"); }
    plat::Control& topName(int row) override { return form_.get("topName", row); }
    plat::Control& startLevel(int row) override { return form_.get("startLevel", row); }
    plat::Control& topLevel(int row) override { return form_.get("topLevel", row); }
    plat::Control& topScore(int row) override { return form_.get("topScore", row); }
    plat::Control& backgroundImage(const std::string& name) override { return control(name); }

    logic* game() const { return logic_; }
    // The score label's text at the moment of each logged call.
    std::vector<std::string> scoreAtCall;

private:
    plat::Control& control(const std::string& name) { return form_.get(name); }
    void note(const std::string& call);
    void note(const std::string& name, std::initializer_list<int> args);

    CallLog& log_;
    plat::Form form_;
    plat::Timer* timer1_;
    plat::Timer* cursorTimer_;
    logic* logic_ = nullptr;
};

class FakeOptions : public OptionsInterface {
public:
    FakeOptions(plat::System& sys, CallLog& log) : log_(log), form_(sys, "options") {}
    void InitControls() override { log_.push_back("InitControls()"); }
    void setLogic(logic&) override { log_.push_back("options.setLogic()"); }
    plat::Form& form() override { return form_; }

private:
    CallLog& log_;
    plat::Form form_;
};

class FakeBlack : public BlackInterface {
public:
    FakeBlack(plat::System& sys, CallLog& log);
    void ShowSplash() override;
    void setLogic(logic& oLogic) override;
    plat::Form& form() override { return form_; }
    plat::Timer& Timer1() override { return *timer1_; }
    plat::Control& splash() override { return *splash_; }

private:
    CallLog& log_;
    plat::Form form_;
    plat::Timer* timer1_;
    plat::Control* splash_;
    logic* logic_ = nullptr;
};

// Builds the stand-ins and keeps a pointer to each for the tests.
class FakeWindowFactory : public WindowFactory {
public:
    FakeWindowFactory(plat::System& sys, CallLog& log) : sys_(sys), log_(log) {}
    std::unique_ptr<BlackInterface> createBlack() override;
    std::unique_ptr<OptionsInterface> loadOptions() override;
    std::unique_ptr<VisualInterface> loadVisual() override;

    FakeBlack* black = nullptr;
    FakeOptions* options = nullptr;
    FakeVisual* visual = nullptr;

private:
    plat::System& sys_;
    CallLog& log_;
};

}  // namespace fakes
