#pragma once

#include "core/board/exerciseparts.h"

/// `Form100Trova`: a number from 0 to the maximum is shown, never one of the cells found in
/// the series; the child clicks its cell, which shows its number and turns red. The tenth
/// right answer starts a new series. While the board waits the found cell is locked. Levels
/// facile, media and difficile decide the help captions.
class FindExercise : public LevelledSeries {
  public:
    FindExercise() : LevelledSeries(Level::Facile, Level::Difficile) {}

    ExerciseTraits traits() const { return {}; }
    void drawTask(BoardSurface& s);
    bool judgeClick(const BoardSurface& s, int cell) const;
    int target(const BoardSurface& s) const { return s.state().numeroCercato; }
    /// A number up to the maximum not found in the series may be asked instead of a draw.
    bool canAsk(const BoardSurface& s, int number) const;
    void askNumber(BoardSurface& s, int number);
    void markRight(BoardSurface& s, bool waits);
    void lock(BoardSurface& s) { s.setEnabled(s.state().numeroCercato, false); }
    void unlock(BoardSurface& s) { s.setEnabled(s.state().numeroCercato, true); }
};
