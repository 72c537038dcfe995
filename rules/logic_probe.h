// Read access to every data member of the game object, and write access to
// the ones a test or the scenario runner sets up: the board, the falling
// block and the game's counters.
#pragma once

#include <string>

#include "rules/logic.h"

struct LogicProbe {
    using Integer = plat::Integer;
    using Long = plat::Long;

    // The board store, (row, column) with row 1..10 and column 1..7.
    static Integer boardUp(const logic& l, int row, int col) { return l.iBoardUp[row][col]; }
    static Integer boardDown(const logic& l, int row, int col) { return l.iBoardDown[row][col]; }
    static Integer boardLeft(const logic& l, int row, int col) { return l.iBoardLeft[row][col]; }
    static Integer boardRight(const logic& l, int row, int col) { return l.iBoardRight[row][col]; }
    // Writes all four tables at one position: up, down, left, right.
    static void setBoard(logic& l, int row, int col, Integer up, Integer down, Integer left, Integer right) {
        l.iBoardUp[row][col] = up;
        l.iBoardDown[row][col] = down;
        l.iBoardLeft[row][col] = left;
        l.iBoardRight[row][col] = right;
    }

    // The falling block.
    static Integer tempX(const logic& l) { return l.iTempX; }
    static Integer tempY(const logic& l) { return l.iTempY; }
    static Integer tempUp(const logic& l) { return l.iTempUp; }
    static Integer tempDown(const logic& l) { return l.iTempDown; }
    static Integer tempLeft(const logic& l) { return l.iTempLeft; }
    static Integer tempRight(const logic& l) { return l.iTempRight; }
    static void setTemp(logic& l, Integer y, Integer x, Integer up, Integer down, Integer left, Integer right) {
        l.iTempY = y;
        l.iTempX = x;
        l.iTempUp = up;
        l.iTempDown = down;
        l.iTempLeft = left;
        l.iTempRight = right;
    }

    // The game's state and counters.
    static Integer state(const logic& l) { return l.iState; }
    static void setState(logic& l, Integer v) { l.iState = v; }
    static Integer paused(const logic& l) { return l.iPaused; }
    static void setPaused(logic& l, Integer v) { l.iPaused = v; }
    static bool falling(const logic& l) { return l.bFalling; }
    static void setFalling(logic& l, bool v) { l.bFalling = v; }
    static Integer level(const logic& l) { return l.iLevel; }
    static void setLevel(logic& l, Integer v) { l.iLevel = v; }
    static Long score(const logic& l) { return l.lScore; }
    static void setScore(logic& l, Long v) { l.lScore = v; }
    static Long hiScore(const logic& l) { return l.lHiScore; }
    static Integer boxCount(const logic& l) { return l.iBoxCount; }
    static void setBoxCount(logic& l, Integer v) { l.iBoxCount = v; }
    static Integer gameStartLevel(const logic& l) { return l.iGameStartLevel; }

    // The top-ten table, rows 0..9, and the row whose name is pending.
    static const std::string& topName(const logic& l, int row) { return l.sTopName[row]; }
    static Integer topStartLevel(const logic& l, int row) { return l.iTopStartLevel[row]; }
    static Integer topEndLevel(const logic& l, int row) { return l.iTopEndLevel[row]; }
    static Long topScore(const logic& l, int row) { return l.lTopScore[row]; }
    static Integer editRow(const logic& l) { return l.iEditRow; }

    // The option values.
    static Integer sound(const logic& l) { return l.iSound; }
    static Integer startLevel(const logic& l) { return l.iStartLevel; }
    static Integer control(const logic& l) { return l.iControl; }
    static Integer blockType(const logic& l) { return l.iBlockType; }
};
