#pragma once

#include "core/board/exerciseparts.h"

#include <QString>

/// `Form100Salti`, counting in steps: the task names the step and the start ("Conta di 3 in 3
/// partendo da 0"); the start is counted at once and the child clicks the next number of the
/// count each time. Right, that cell is counted; wrong, the count waits. The count ends at
/// the last number within the maximum (or at 0 counting back), its cells showing the step's
/// pattern, and the next task starts another count. Levels: facile steps 10, 5, 2 from 0;
/// media steps 3, 4 from 0 and 10 from a start 0 to 9; difficile steps 6 to 9 from 0, or
/// counting back from the maximum. Every cell shows its number. While the board waits, a
/// level chosen shows a new count that "avanti" replaces.
class SkipCounting {
  public:
    ExerciseTraits traits() const { return {false, true, false}; }
    /// Every number on a light green cell.
    void fillCaptions(BoardSurface& s) const;
    /// A new count: a step and a start drawn for the level, the board cleared, the start
    /// counted.
    void drawTask(BoardSurface& s);
    /// Once the count is over, and while the board waits, a click is no answer.
    bool takesClick(BoardSurface&, int) const { return !over_ && !locked_; }
    /// Right when the cell is the next number of the count.
    bool judgeClick(const BoardSurface& s, int cell) const;
    int target(const BoardSurface& s) const { return s.state().numeroCercato; }
    /// Counts the next number; the count is over when the one after it lies outside the board.
    void markRight(BoardSurface& s, bool waits);
    /// Whether the count has reached its end: only then is a right answer the task's end.
    bool taskOver() const { return over_; }
    void lock(BoardSurface&) { locked_ = true; }
    void unlock(BoardSurface&) { locked_ = false; }

    Level level() const { return levels_.level(); }
    /// A level chosen starts a new count.
    void setLevel(BoardSurface& s, Level level);

    /// The step: positive counting on, negative counting back.
    int step() const { return step_; }
    int start() const { return start_; }
    /// The task's words: "Conta di 3 in 3 partendo da 0", "Conta all'indietro di 7 in 7
    /// partendo da 99".
    static QString taskText(int step, int start);

  private:
    LevelChoice levels_{Level::Facile, Level::Difficile};
    int step_ = 10;
    int start_ = 0;
    bool over_ = true;
    bool locked_ = false;
};
