// The game window: artwork, board area with its picture grid, the falling
// block, score labels, menu hot spots, the panels laid over the board, the
// timers, and the handlers that pass every user action on to the game object.
#pragma once

#include <array>
#include <string>

#include "platform/basic.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "shared/program.h"
#include "window/visual_interface.h"

class VisualWindow : public VisualInterface {
public:
    // Loads the window: designs every control, sizes and centres it. The
    // window stays hidden until start-up shows it.
    explicit VisualWindow(Program& program);

    // Board display.
    void ClearBoxes() override;
    void ClearBugLasers() override;
    void Init() override;
    void MoveTemp(Integer iY, Integer iX) override;
    void ReInitSmallLasers() override;
    void Remove(Integer iY, Integer iX) override;
    void SaveTemp(Integer iY, Integer iX) override;
    void PaintTemp(Integer iY, Integer iX, Integer iUp, Integer iDown, Integer iLeft, Integer iRight) override;
    void PaintChange(Integer iY, Integer iX, Integer iUp, Integer iDown, Integer iLeft, Integer iRight) override;
    void RemoveTemp() override;
    void PaintLaserCorr(Integer iY, Integer iX, Integer iNr) override;
    void ClearLaserCorr(Integer iY, Integer iX, Integer iNr) override;

    // Menu actions.
    void ExitClicked() override;
    void HelpClicked() override;
    void InfoClick() override;
    void OptionsMouseDown() override;
    void ScoresClicked() override;
    void StartClick() override;

    // Panels.
    void MessageOff() override;
    void DisableGameOver() override;
    void EnableGameOver() override;
    void setLogic(logic& oLogic) override;

    plat::Form& form() override { return form_; }
    plat::Timer& Timer1() override { return *Timer1_; }
    plat::Timer& CursorTimer() override { return *CursorTimer_; }
    plat::Timer& gameOverTimer() { return *gameOverTimer_; }
    plat::Control& center() override { return *center_; }
    plat::Control& score() override { return form_.get("score"); }
    plat::Control& level() override { return form_.get("level"); }
    plat::Control& hiscore() override { return form_.get("hiscore"); }
    plat::Control& pause() override { return *pause_; }
    plat::Control& message() override { return *message_; }
    plat::Control& message3() override { return *message3_; }
    plat::Control& topTen() override { return *topTen_; }
    plat::Control& gameOver() override { return *gameOver_; }
    plat::Control& EnterYourName() override { return form_.get("EnterYourName"); }
    plat::Control& cursorBig() override { return form_.get("cursorBig"); }
    plat::Control& cursorSmall() override { return form_.get("cursorSmall"); }
    plat::Control& topName(int row) override { return form_.get("topName", row); }
    plat::Control& startLevel(int row) override { return form_.get("startLevel", row); }
    plat::Control& topLevel(int row) override { return form_.get("topLevel", row); }
    plat::Control& topScore(int row) override { return form_.get("topScore", row); }
    plat::Control& backgroundImage(const std::string& name) override { return form_.get(name); }

private:
    // Design (window/visual_design.cpp and the files beside it).
    void Form_Load();
    void designWindow();
    void designTemplates();
    void designCenter();
    void designScoreLabels();
    void designMenu();
    void designMessage();
    void designMessage3();
    void designTopTen();
    void designTopTenRows();
    void designTimers();
    void placeOnScreen();
    plat::Control& addControl(plat::ControlKind kind, const std::string& name, plat::Control* parent, double left,
                              double top, double width, double height, int index = -1);
    plat::Control& addPanelTitle(plat::Control& panel, const std::string& name, double left, double top, double width,
                                 const std::string& text);
    plat::Control& addPanelLine(plat::Control& panel, const std::string& name, double left, double top, double width,
                                double height, const std::string& text);
    plat::PictureRef picture(const std::string& name) { return program_.pictures.get(name); }

    // Panels (window/visual_panels.cpp).
    void wirePanelClicks();
    void closeTextPanels();  // MessageOff, then DisableGameOver; a pending name ends with the picture
    void hideTopTen();
    void gameOverTimer_Timer();
    void pause_Click();
    void message3_Click();

    // Menu (window/visual_menu.cpp).
    void hover(size_t spot);
    void endPause();
    void toggleTextPanel(plat::Control& panel);
    void exit_Click();
    void playSound(catalogue::Sound sound, int flags);

    // Input routing (window/visual_input.cpp).
    void wireInput();
    void wireCellEvents(plat::Control& cell);
    void Form_KeyDown(int keyCode, int shift);
    void Form_KeyPress(int keyAscii);
    void Form_MouseDown(int button);
    void Form_DblClick();
    void center_MouseDown(int button);
    void center_MouseMove(double x);
    void boxtemp1_MouseDown(int button);
    void box1_MouseDown(int button);
    void box1_MouseMove(int index);
    void Timer1_Timer();
    void CursorTimer_Timer();

    // Board display helpers (display/).
    plat::Control& box1(int k) { return form_.get("box1", k); }
    plat::Control& laser(int k) { return form_.get("laser", k); }
    plat::Control& templ(const std::string& name) { return form_.get(name); }
    void createPosition(Integer iY, Integer iX);
    void placePosition(Integer iY, Integer iX);
    void setLaserPictures(Integer iY, Integer iX);
    void setLaserVisible(Integer iY, Integer iX, Integer iNr, bool shown);
    void setBoxesVisible(Integer iY, Integer iX, bool shown);
    bool branches() const;

    // The menu's hot spots, top to bottom, HELP last.
    enum Hotspot : size_t { StartSpot, OptionsSpot, InfoSpot, ScoresSpot, ExitSpot, HelpSpot, Hotspots };

    Program& program_;
    plat::System& sys_;
    plat::Form form_;
    logic* oLogic = nullptr;

    plat::Timer* Timer1_ = nullptr;
    plat::Timer* CursorTimer_ = nullptr;
    plat::Timer* gameOverTimer_ = nullptr;
    plat::Control* center_ = nullptr;
    plat::Control* boxtemp1_ = nullptr;
    plat::Control* pause_ = nullptr;
    plat::Control* gameOver_ = nullptr;
    plat::Control* message_ = nullptr;
    plat::Control* message3_ = nullptr;
    plat::Control* topTen_ = nullptr;
    std::array<plat::Control*, Hotspots> highlights_{};  // indexed by Hotspot
};
