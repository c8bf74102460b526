#pragma once

#include "core/board/exerciseparts.h"

/// `Form100Trova2`: a number from 0 to 998 is shown; the child picks its hundred with the
/// scroll bar and clicks its cell, which turns red, its caption as it was. While the board
/// waits every cell is locked, and "avanti" repaints the board; a set-up leaves the wait to
/// "avanti". Levels facile and media decide the help captions; no series, no maximum.
class FindAboveExercise {
  public:
    ExerciseTraits traits() const { return {true, false, true}; }
    void fillCaptions(BoardSurface& s) const
    {
        fillHelpCaptions(s, levels_.level(), window_.numberOf(0));
    }
    void drawTask(BoardSurface& s);
    bool judgeClick(const BoardSurface& s, int cell) const;
    int target(const BoardSurface& s) const { return s.state().numeroCercato; }
    /// Any number the board draws may be asked instead of a draw.
    bool canAsk(const BoardSurface&, int number) const { return number >= 0 && number < 999; }
    void askNumber(BoardSurface& s, int number);
    void markRight(BoardSurface& s, bool waits);
    void lock(BoardSurface& s);
    void unlock(BoardSurface& s);

    Level level() const { return levels_.level(); }
    void setLevel(BoardSurface& s, Level level);
    int hundreds() const { return window_.value(); }
    /// The hundred on show: the captions only are filled anew.
    void setHundreds(BoardSurface& s, int hundreds);

  private:
    LevelChoice levels_{Level::Facile, Level::Media};
    HundredsWindow window_;
};
