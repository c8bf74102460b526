#pragma once

#include "core/board/exerciseparts.h"

#include <QString>

/// `Form100Ricon2`: a window of a hundred numbers above 99. Each question draws the red cell
/// (0 to 98) and the hundred (0 to 9); the first row and column carry their numbers. The
/// child types the number of the red cell. A right answer is not written into the cell, and
/// the red cell turns light green again before the next question; the tenth starts a new
/// series. While the board waits the answer box is locked, and a set-up leaves the wait to
/// "avanti". No maximum and no levels.
class RecogniseAboveExercise {
  public:
    ExerciseTraits traits() const { return {true, false, true}; }
    void fillCaptions(BoardSurface& s) const
    {
        fillHelpCaptions(s, Level::Media, window_.numberOf(0));
    }
    void drawTask(BoardSurface& s);
    bool judgeTyped(const BoardSurface& s, const QString& typed) const;
    /// The number of the red cell, in the hundred on show.
    int target(const BoardSurface& s) const { return window_.numberOf(s.state().numeroCercato); }
    /// A number of a red cell the board draws (not one ending in 99) may be asked instead.
    bool canAsk(const BoardSurface&, int number) const
    {
        return number >= 0 && number < 999 && number % 100 != 99;
    }
    void askNumber(BoardSurface& s, int number) { ask(s, number % 100, number / 100); }
    void markRight(BoardSurface& s, bool waits);
    void lock(BoardSurface& s) { s.setAnswerEnabled(false); }
    void unlock(BoardSurface& s);

    int hundreds() const { return window_.value(); }
    Series& series() { return series_; }
    const Series& series() const { return series_; }

  private:
    void ask(BoardSurface& s, int cell, int hundreds);

    HundredsWindow window_;
    Series series_;
};
