// The game object: all game state and every rule. One exists for the whole
// run. Its members are spread over the folders that own them: the board
// store, tick and moves in rules/, the game states, commands and top-ten
// table in flow/, the option values in options/, start-up in startup/.
#pragma once

#include <memory>
#include <string>

#include "options/options_interface.h"
#include "platform/basic.h"
#include "platform/data_files.h"
#include "shared/game_codes.h"
#include "shared/program.h"
#include "shared/window_factory.h"
#include "startup/black_interface.h"
#include "window/visual_interface.h"

struct TopTenRow;  // flow/topten_format.h

class logic {
public:
    using Integer = plat::Integer;
    using Long = plat::Long;
    // One pipe state for each board position, indexed (row, column).
    using BoardTable = Integer[BoardRows + 1][BoardColumns + 1];

    // Construction: the title screen, the options file, the hidden windows
    // and the board grid, in start-up order.
    logic(Program& program, WindowFactory& windows);
    ~logic();
    logic(const logic&) = delete;
    logic& operator=(const logic&) = delete;

    // Public members: what the windows and start-up call, and the option
    // properties read and written by the options dialog.
    void ChangeBackgroundPicture();
    void ClearBoxes();
    Integer Sound() const;
    Integer Control();  // also sets the board's mouse pointer
    Integer BlockType() const;
    Integer StartLevels() const;
    void SetSound(Integer v);
    void SetBlockType(Integer v);
    void SetControl(Integer v);
    void SetStartLevels(Integer v);
    void CursorTimer();
    void EndGame();
    void GotoEditMode(Integer iRow);
    void InputName();
    void KeyPressed(Integer KeyAscii);
    void DownKeyPressed();
    void ExitPressed();
    void LeaveEditMode();
    void OptionsPressed();
    void LeftKeyPressed();
    void MouseToCol(Integer iX);
    void Remove(Integer iY, Integer iX);
    void ReturnPressedInOptions();
    void RightKeyPressed();
    void RotateKeyPressed();
    void DownMousePressed();
    void RotateTemp();
    void SaveScore();
    void SaveTemp();
    void splashDone();
    void ShowTopTen();
    void StartNewGame();
    void VisualInitDone();
    void ReturnPressed();
    void Timer();
    void SetPaused(bool value);
    Integer StartLevel() const;
    void SetStartLevel(Integer v);
    void EndPendingName();  // a pending name is done with what was typed so far
    void CloseRequested();  // the desktop ends the program: the window closed, a signal

    // The windows this object created.
    VisualInterface& visual() { return *visual_; }
    OptionsInterface& options() { return *options_; }
    BlackInterface& black() { return *black_; }

private:
    friend struct LogicProbe;  // read and set state in tests and the scenario runner

    // ---- rules/ ----
    bool TickGuardHolds();
    void RunStep();
    void NewBlockStep();
    void DrawNewBlock();
    void FixAtStart();
    void GameOver();
    void FallStep();
    bool Rests() const;
    void SearchStep();
    bool LightRun(BoardTable& table, Integer r, Integer c, int dr, int dc, Integer iNr);
    void LightPipe(BoardTable& table, Integer r, Integer c, Integer iNr);
    void BurnStep();
    bool BurnPosition(Integer r, Integer c);
    void BurnPipe(Integer& state, Integer r, Integer c, Integer iNr, bool scoreFirst);
    void RemoveStep();
    bool RemoveEmptyBlocks();
    void LevelStep();
    void FallingColumns();
    void DropInto(Integer r, Integer c);
    void HighScoreWork();
    void ShowScore();
    void EndPause();
    void RestartTick();
    void PlayWave(catalogue::Sound sound);
    void PaintPosition(Integer r, Integer c);
    // The tick interval one level faster: times 0.9, to the nearest whole
    // millisecond, a half going to the even neighbour.
    static int FasterInterval(int ms);

    // ---- flow/ ----
    void NameEntry(Integer KeyAscii);
    static bool NameCharacterAllowed(Integer KeyAscii);
    void MoveNameCursor();
    void ShowTopTenRow(int i);
    void SetDefaultTopTen();
    TopTenRow TopTenRowAt(int i) const;
    void SetTopTenRow(int i, const TopTenRow& row);
    bool WriteTopTen();
    void ReadTopTen();
    void RejectTopTen(const plat::DataFile& file);

    // ---- options/ ----
    void ReadOptions();
    bool WriteOptions();

    Program& program_;
    plat::System& sys_;

    // Data members: the board, the falling block, the state, level and
    // score, the top-ten table, the pause flag and the option values.
    BoardTable iBoardUp = {};
    BoardTable iBoardDown = {};
    BoardTable iBoardLeft = {};
    BoardTable iBoardRight = {};
    Integer iTempX = 0;
    Integer iTempY = 0;
    Integer iState = NoGame;
    Integer iTempUp = 0;
    Integer iTempDown = 0;
    Integer iTempLeft = 0;
    Integer iTempRight = 0;
    Integer iLevel = 0;
    Long lScore = 0;
    Integer iBoxCount = 0;
    Long lHiScore = 0;
    // The top-ten rows 0..9; the row past the last is never used.
    std::string sTopName[TopTenRows + 1];
    Integer iTopStartLevel[TopTenRows + 1] = {};
    Integer iTopEndLevel[TopTenRows + 1] = {};
    Long lTopScore[TopTenRows + 1] = {};
    // The rows this run's games entered, moving with them; another copy of
    // the game that wrote "HI.SCO" meanwhile keeps its rows, and these join them.
    bool bTopOwnRow[TopTenRows + 1] = {};
    // "HI.SCO" as this run left it at start-up: read, or the marker written.
    plat::DataFile oTopTenSeen;
    Integer iEditRow = 0;
    bool bFalling = true;
    Integer iPaused = PauseOff;
    Integer iSound = SoundOn;
    Integer iStartLevel = LowestLevel;
    Integer iControl = KeyboardControl;
    Integer iBlockType = PipesSet;
    Integer iGameStartLevel = 0;
    bool bTopTenRead = false;  // the top-ten file has been read: the table is this run's

    std::unique_ptr<BlackInterface> black_;
    std::unique_ptr<OptionsInterface> options_;
    std::unique_ptr<VisualInterface> visual_;
};
