// The steps after a landing: the search for laser runs, the burning of lit
// pipes, and the removal of empty blocks with the falling columns, the score,
// the level and the speed. All three scan the rows from the top down, each
// row from its first column to its last.
#include "rules/logic.h"

namespace {

// A laser run is three pipes in line.
constexpr int RunLength = 3;
// Points for a burnt pipe and for a removed block.
constexpr plat::Long PipePoints = 10;
constexpr plat::Long BlockPoints = 100;

}  // namespace

void logic::SearchStep() {
    bool lit = false;
    for (Integer row = BoardRows; row >= 1; --row)
        for (Integer col = 1; col <= BoardColumns; ++col) {
            // A row's run goes right from its first position, a column's down.
            if (col <= BoardColumns - (RunLength - 1)) {
                lit |= LightRun(iBoardUp, row, col, 0, 1, LaserUp);
                lit |= LightRun(iBoardDown, row, col, 0, 1, LaserDown);
            }
            if (row >= RunLength) {
                lit |= LightRun(iBoardLeft, row, col, -1, 0, LaserLeft);
                lit |= LightRun(iBoardRight, row, col, -1, 0, LaserRight);
            }
        }
    iState = BurningPipes;
    if (!lit) Timer();
}

// Three plain pipes in line light together; a lit pair followed by a plain
// pipe carries a run lit earlier in this search one position further.
bool logic::LightRun(BoardTable& table, Integer r, Integer c, int dr, int dc, Integer iNr) {
    Integer& first = table[r][c];
    Integer& second = table[r + dr][c + dc];
    Integer& third = table[r + 2 * dr][c + 2 * dc];
    if (first == PlainPipe && second == PlainPipe && third == PlainPipe) {
        first = LitPipe;
        PlayWave(catalogue::LineSound);
        PaintPosition(r, c);
        visual_->PaintLaserCorr(r, c, iNr);
        LightPipe(table, Integer(r + dr), Integer(c + dc), iNr);
        LightPipe(table, Integer(r + 2 * dr), Integer(c + 2 * dc), iNr);
        return true;
    }
    if (first == LitPipe && second == LitPipe && third == PlainPipe) {
        LightPipe(table, Integer(r + 2 * dr), Integer(c + 2 * dc), iNr);
        return true;
    }
    return false;
}

void logic::LightPipe(BoardTable& table, Integer r, Integer c, Integer iNr) {
    table[r][c] = LitPipe;
    PaintPosition(r, c);
    visual_->PaintLaserCorr(r, c, iNr);
}

void logic::PaintPosition(Integer r, Integer c) {
    visual_->PaintChange(r, c, iBoardUp[r][c], iBoardDown[r][c], iBoardLeft[r][c], iBoardRight[r][c]);
}

void logic::BurnStep() {
    bool burnt = false;
    sys_.DoEvents();
    for (Integer row = BoardRows; row >= 1; --row)
        for (Integer col = 1; col <= BoardColumns; ++col) burnt |= BurnPosition(row, col);
    iState = RemovingBlocks;
    if (!burnt) Timer();
}

bool logic::BurnPosition(Integer r, Integer c) {
    bool burnt = false;
    struct Pipe {
        Integer& state;
        Integer iNr;
        bool scoreFirst;
    };
    Pipe pipes[4] = {{iBoardUp[r][c], LaserUp, false},
                     {iBoardDown[r][c], LaserDown, false},
                     {iBoardLeft[r][c], LaserLeft, true},
                     {iBoardRight[r][c], LaserRight, true}};
    for (Pipe& pipe : pipes)
        if (pipe.state == LitPipe) {
            BurnPipe(pipe.state, r, c, pipe.iNr, pipe.scoreFirst);
            burnt = true;
        }
    return burnt;
}

// The horizontal pipes repaint before they score, the vertical ones after.
void logic::BurnPipe(Integer& state, Integer r, Integer c, Integer iNr, bool scoreFirst) {
    state = NoPipe;
    if (scoreFirst) {
        lScore += PipePoints;
        ShowScore();
    }
    PaintPosition(r, c);
    visual_->ClearLaserCorr(r, c, iNr);
    if (!scoreFirst) {
        lScore += PipePoints;
        ShowScore();
    }
}

void logic::RemoveStep() {
    bool removed = RemoveEmptyBlocks();
    FallingColumns();
    iState = removed ? SearchingRuns : NewBlockDue;
    Timer();
}

bool logic::RemoveEmptyBlocks() {
    bool removed = false;
    for (Integer row = BoardRows; row >= 1; --row)
        for (Integer col = 1; col <= BoardColumns; ++col) {
            if (iBoardUp[row][col] != NoPipe || iBoardDown[row][col] != NoPipe || iBoardLeft[row][col] != NoPipe ||
                iBoardRight[row][col] != NoPipe)
                continue;
            Remove(row, col);
            iBoxCount = Integer(iBoxCount + 1);
            if (iBoxCount == BlocksPerLevel) LevelStep();
            lScore += BlockPoints;
            ShowScore();
            removed = true;
        }
    return removed;
}

void logic::LevelStep() {
    iBoxCount = 0;
    iLevel = Integer(iLevel + 1);
    ChangeBackgroundPicture();
    sys_.DoEvents();
    if (iLevel > HighestLevel) {
        iLevel = HighestLevel;
    } else {
        visual_->level().setCaption(plat::digits(iLevel));
        plat::Timer& tick = visual_->Timer1();
        tick.setInterval(FasterInterval(tick.interval()));
    }
    visual_->ClearBugLasers();
}

// Every gap takes the nearest block above it, so each column closes up
// from the bottom in its former order. A gap in the top row has nothing
// above it.
void logic::FallingColumns() {
    for (Integer row = 1; row < BoardRows; ++row)
        for (Integer col = 1; col <= BoardColumns; ++col)
            if (iBoardUp[row][col] == NoBlock) DropInto(row, col);
}

void logic::DropInto(Integer r, Integer c) {
    for (Integer k = Integer(r + 1); k <= BoardRows; ++k) {
        if (iBoardUp[k][c] == NoBlock) continue;
        iBoardUp[r][c] = iBoardUp[k][c];
        iBoardDown[r][c] = iBoardDown[k][c];
        iBoardLeft[r][c] = iBoardLeft[k][c];
        iBoardRight[r][c] = iBoardRight[k][c];
        Remove(k, c);
        PaintPosition(r, c);
        PlayWave(catalogue::BoxSound);
        return;
    }
}
