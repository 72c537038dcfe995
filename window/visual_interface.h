// The game window as the game rules see it: its public members and the
// controls that the rules read and set directly.
#pragma once

#include <string>

#include "platform/basic.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/timer.h"

class logic;

class VisualInterface {
public:
    using Integer = plat::Integer;
    virtual ~VisualInterface() = default;

    // The window's public members: board painting, menu actions, panels.
    // Those marked "yields" hand the event loop a turn before they return, so
    // a key, a click or a tick may run inside the caller's step: the caller
    // sets the game state before it calls them.
    virtual void ClearBoxes() = 0;
    virtual void ClearBugLasers() = 0;
    virtual void ExitClicked() = 0;                     // yields
    virtual void HelpClicked() = 0;                     // yields
    virtual void InfoClick() = 0;                       // yields
    virtual void Init() = 0;                            // yields
    virtual void MessageOff() = 0;                      // yields
    virtual void MoveTemp(Integer iY, Integer iX) = 0;  // yields
    virtual void OptionsMouseDown() = 0;                // yields
    virtual void ReInitSmallLasers() = 0;
    virtual void Remove(Integer iY, Integer iX) = 0;    // yields
    virtual void SaveTemp(Integer iY, Integer iX) = 0;  // yields
    virtual void PaintTemp(Integer iY, Integer iX, Integer iUp, Integer iDown, Integer iLeft,
                           Integer iRight) = 0;  // yields
    virtual void PaintChange(Integer iY, Integer iX, Integer iUp, Integer iDown, Integer iLeft,
                             Integer iRight) = 0;                          // yields
    virtual void RemoveTemp() = 0;                                         // yields
    virtual void PaintLaserCorr(Integer iY, Integer iX, Integer iNr) = 0;  // yields
    virtual void ClearLaserCorr(Integer iY, Integer iX, Integer iNr) = 0;  // yields
    virtual void ScoresClicked() = 0;                                      // yields
    virtual void StartClick() = 0;                                         // yields
    virtual void DisableGameOver() = 0;
    virtual void EnableGameOver() = 0;
    virtual void setLogic(logic& oLogic) = 0;

    // The window itself and the controls the rules touch directly.
    virtual plat::Form& form() = 0;
    virtual plat::Timer& Timer1() = 0;
    virtual plat::Timer& CursorTimer() = 0;
    virtual plat::Control& center() = 0;
    virtual plat::Control& score() = 0;
    virtual plat::Control& level() = 0;
    virtual plat::Control& hiscore() = 0;
    virtual plat::Control& pause() = 0;
    virtual plat::Control& message() = 0;
    virtual plat::Control& message3() = 0;
    virtual plat::Control& topTen() = 0;
    virtual plat::Control& gameOver() = 0;
    virtual plat::Control& EnterYourName() = 0;
    virtual plat::Control& cursorBig() = 0;
    virtual plat::Control& cursorSmall() = 0;
    virtual plat::Control& topName(int row) = 0;
    virtual plat::Control& startLevel(int row) = 0;
    virtual plat::Control& topLevel(int row) = 0;
    virtual plat::Control& topScore(int row) = 0;
    // The hidden level backgrounds: "geysir0", "geysir1", "eldfell", "sheep", "waterf".
    virtual plat::Control& backgroundImage(const std::string& name) = 0;
};
