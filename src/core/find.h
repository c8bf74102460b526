#pragma once

#include "core/exerciseparts.h"

/// `Form100Trova`: a number from 0 to the maximum is shown, never one of the cells found in
/// the series; the child clicks its cell, which shows its number and turns red. The tenth
/// right answer starts a new series. While the board waits the found cell is locked. Levels
/// facile, media and difficile decide the help captions.
class FindExercise {
  public:
    ExerciseTraits traits() const { return {}; }
    void fillCaptions(BoardSurface& s) const { fillHelpCaptions(s, levels_.level()); }
    void drawTask(BoardSurface& s);
    bool judgeClick(const BoardSurface& s, int cell) const;
    void markRight(BoardSurface& s, bool waits);
    void lock(BoardSurface& s) { s.setEnabled(s.state().numeroCercato, false); }
    void unlock(BoardSurface& s) { s.setEnabled(s.state().numeroCercato, true); }

    Level level() const { return levels_.level(); }
    /// Only the captions are filled anew: question, red cells and series stay.
    void setLevel(BoardSurface& s, Level level);
    Series& series() { return series_; }
    const Series& series() const { return series_; }

  private:
    /// A new series: every cell light green, captions for the level.
    void startAgain(BoardSurface& s);

    LevelChoice levels_{Level::Facile, Level::Difficile};
    Series series_;
};
