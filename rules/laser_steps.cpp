// The steps after a landing: the search for laser runs, the burning of lit
// pipes, and the removal of empty blocks with the falling columns, the score,
// the level and the speed. All three scan rows 10 down to 1, columns 1 to 7.
#include "rules/logic.h"

void logic::SearchStep() {
    bool lit = false;
    for (Integer r = 10; r >= 1; --r)
        for (Integer c = 1; c <= 7; ++c) {
            if (c <= 5) {
                lit |= LightRun(iBoardUp, r, c, 0, 1, 3);
                lit |= LightRun(iBoardDown, r, c, 0, 1, 4);
            }
            if (r >= 3) {
                lit |= LightRun(iBoardLeft, r, c, -1, 0, 1);
                lit |= LightRun(iBoardRight, r, c, -1, 0, 2);
            }
        }
    iState = BurningPipes;
    if (!lit) Timer();
}

// Three plain pipes in line light together; a lit pair followed by a plain
// pipe carries a run lit earlier in this search one position further.
bool logic::LightRun(Integer (&table)[11][8], Integer r, Integer c, int dr, int dc, Integer iNr) {
    Integer& first = table[r][c];
    Integer& second = table[r + dr][c + dc];
    Integer& third = table[r + 2 * dr][c + 2 * dc];
    if (first == PlainPipe && second == PlainPipe && third == PlainPipe) {
        first = LitPipe;
        PlayWave("line.wav");
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

void logic::LightPipe(Integer (&table)[11][8], Integer r, Integer c, Integer iNr) {
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
    for (Integer r = 10; r >= 1; --r)
        for (Integer c = 1; c <= 7; ++c) burnt |= BurnPosition(r, c);
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
    Pipe pipes[4] = {{iBoardUp[r][c], 3, false},
                     {iBoardDown[r][c], 4, false},
                     {iBoardLeft[r][c], 1, true},
                     {iBoardRight[r][c], 2, true}};
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
        lScore += 10;
        ShowScore();
    }
    PaintPosition(r, c);
    visual_->ClearLaserCorr(r, c, iNr);
    if (!scoreFirst) {
        lScore += 10;
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
    for (Integer r = 10; r >= 1; --r)
        for (Integer c = 1; c <= 7; ++c) {
            if (iBoardUp[r][c] != NoPipe || iBoardDown[r][c] != NoPipe || iBoardLeft[r][c] != NoPipe ||
                iBoardRight[r][c] != NoPipe)
                continue;
            Remove(r, c);
            iBoxCount = Integer(iBoxCount + 1);
            if (iBoxCount == 30) LevelStep();
            lScore += 100;
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
    if (iLevel > 10) {
        iLevel = 10;
    } else {
        visual_->level().setCaption(plat::digits(iLevel));
        plat::Timer& tick = visual_->Timer1();
        tick.setInterval(FasterInterval(tick.interval()));
    }
    visual_->ClearBugLasers();
}

// Every gap takes the nearest block above it, so each column closes up
// from the bottom in its former order.
void logic::FallingColumns() {
    for (Integer r = 1; r <= 9; ++r)
        for (Integer c = 1; c <= 7; ++c)
            if (iBoardUp[r][c] == NoBlock) DropInto(r, c);
}

void logic::DropInto(Integer r, Integer c) {
    for (Integer k = Integer(r + 1); k <= 10; ++k) {
        if (iBoardUp[k][c] == NoBlock) continue;
        iBoardUp[r][c] = iBoardUp[k][c];
        iBoardDown[r][c] = iBoardDown[k][c];
        iBoardLeft[r][c] = iBoardLeft[k][c];
        iBoardRight[r][c] = iBoardRight[k][c];
        Remove(k, c);
        PaintPosition(r, c);
        PlayWave("box.wav");
        return;
    }
}
