#pragma once

#include "core/board/exerciseparts.h"

#include <QString>
#include <bitset>

/// `Form100Nascosti`: some cells up to the maximum are covered, grey and without their
/// number: a few at level facile, a whole row and a whole column at media, all but the tens
/// at difficile. One covered cell is asked (red); a click on another covered cell asks that
/// one instead. The child types its number: right uncovers it, wrong leaves it covered. With
/// none left up to the maximum, the next task covers a new board. A level chosen covers a new
/// board too. While the board waits the answer box is locked and clicks ask nothing.
class HiddenNumbersExercise {
  public:
    /// How many cells level facile covers.
    static constexpr int kFewCells = 6;

    ExerciseTraits traits() const { return {false, true, false}; }
    /// Every number, but none on the covered cells.
    void fillCaptions(BoardSurface& s) const;
    /// Asks a covered cell, drawn among those up to the maximum, after covering a new board
    /// when none is left.
    void drawTask(BoardSurface& s);
    /// A click on a covered cell asks it; no click is an answer.
    bool takesClick(BoardSurface& s, int cell);
    /// Right when the text's numeric value is the asked number.
    bool judgeTyped(const BoardSurface& s, const QString& typed) const;
    int target(const BoardSurface& s) const { return s.state().numeroCercato; }
    /// A covered number up to the maximum may be asked instead of a draw.
    bool canAsk(const BoardSurface& s, int number) const;
    void askNumber(BoardSurface& s, int number) { ask(s, number); }
    void markRight(BoardSurface& s, bool waits);
    void lock(BoardSurface& s);
    void unlock(BoardSurface& s);

    Level level() const { return levels_.level(); }
    void setLevel(BoardSurface& s, Level level);

    /// The covered cells up to the maximum.
    std::bitset<BoardSurface::kCellCount> covered(int maximum) const;

  private:
    void coverNewBoard(BoardSurface& s);
    void ask(BoardSurface& s, int cell);

    LevelChoice levels_{Level::Facile, Level::Difficile};
    std::bitset<BoardSurface::kCellCount> covered_;
    bool locked_ = false;
};
