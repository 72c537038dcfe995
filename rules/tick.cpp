// The game tick: the guard, the dispatch on the game state, the new block,
// the fall and landing, game over and the high-score work.
#include <cmath>

#include "rules/logic.h"

void logic::Timer() {
    if (TickGuardHolds()) return;
    sys_.Randomize();
    RunStep();
    HighScoreWork();
}

// A visible dialog, panel or pause picture stops the tick; the game-over
// picture does not.
bool logic::TickGuardHolds() {
    return options_->form().visible() || visual_->message().visible() || visual_->message3().visible() ||
           visual_->topTen().visible() || visual_->pause().visible();
}

void logic::RunStep() {
    switch (iState) {
        case NewBlockDue: NewBlockStep(); break;
        case BlockFalling: FallStep(); break;
        case SearchingRuns: SearchStep(); break;
        case BurningPipes: BurnStep(); break;
        case RemovingBlocks: RemoveStep(); break;
        default: break;  // no game, or a name pending
    }
}

void logic::NewBlockStep() {
    iTempY = EntryRow;
    iTempX = EntryColumn;
    if (iBoardUp[EntryRow][EntryColumn] != NoBlock || iBoardDown[EntryRow][EntryColumn] != NoBlock ||
        iBoardLeft[EntryRow][EntryColumn] != NoBlock || iBoardRight[EntryRow][EntryColumn] != NoBlock) {
        GameOver();
        return;
    }
    DrawNewBlock();
    if (iBoardUp[EntryRow - 1][EntryColumn] != NoBlock) {
        FixAtStart();
        return;
    }
    iState = BlockFalling;
    bFalling = true;
    visual_->PaintTemp(iTempY, iTempX, iTempUp, iTempDown, iTempLeft, iTempRight);
}

// Four draws per attempt, up, down, left, right; at least two pipes.
void logic::DrawNewBlock() {
    int present = 0;
    do {
        Integer* pipes[4] = {&iTempUp, &iTempDown, &iTempLeft, &iTempRight};
        present = 0;
        for (Integer* pipe : pipes) {
            bool on = sys_.Rnd() * 2 >= 1;
            *pipe = on ? PlainPipe : NoPipe;
            present += on ? 1 : 0;
        }
    } while (present < 2);
}

// The square below the entry is taken: the block lands where it enters.
void logic::FixAtStart() {
    iState = SearchingRuns;
    PlayWave(catalogue::BoxSound);
    sys_.DoEvents();
    visual_->PaintTemp(iTempY, iTempX, iTempUp, iTempDown, iTempLeft, iTempRight);
    SaveTemp();
    visual_->RemoveTemp();
}

void logic::GameOver() {
    iState = NoGame;
    ClearBoxes();
    SaveScore();
    visual_->Timer1().setEnabled(false);
    visual_->ClearBugLasers();
    sys_.DoEvents();
    visual_->EnableGameOver();
    visual_->center().setEnabled(false);
}

void logic::FallStep() {
    if (Rests()) {
        iState = SearchingRuns;
        SaveTemp();
        visual_->RemoveTemp();
        Timer();
        return;
    }
    iTempY = Integer(iTempY - 1);
    visual_->MoveTemp(iTempY, iTempX);
    if (Rests()) {
        bFalling = false;
        PlayWave(catalogue::BoxSound);
    }
}

bool logic::Rests() const { return iTempY <= 1 || iBoardUp[iTempY - 1][iTempX] != NoBlock; }

void logic::HighScoreWork() {
    if (lScore > lHiScore) {
        lHiScore = lScore;
        visual_->hiscore().setCaption(plat::digits(lHiScore));
    }
}

void logic::ShowScore() { visual_->score().setCaption(plat::digits(lScore)); }

void logic::PlayWave(catalogue::Sound sound) {
    if (iSound == SoundOn) program_.sndPlaySound(sound, SoundOnce);
}

int logic::FasterInterval(int ms) { return int(plat::roundHalfEven(double(ms) * 0.9)); }
