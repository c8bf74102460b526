#pragma once

#include "core/board/exerciseparts.h"

#include <QString>

/// `Form100Ricon`: a cell from 0 to the maximum turns red with its number hidden, never one
/// whose number shows; the child types the number into the answer box and presses Enter. A
/// right answer writes the number into the red cell, which stays red; the tenth starts a new
/// series. Cells have no click action; while the board waits the answer box is locked.
/// Levels media and difficile decide the help captions.
class RecogniseExercise : public LevelledSeries {
  public:
    RecogniseExercise() : LevelledSeries(Level::Media, Level::Difficile) {}

    ExerciseTraits traits() const { return {}; }
    void drawTask(BoardSurface& s);
    /// Right when the text's numeric value is the asked number.
    bool judgeTyped(const BoardSurface& s, const QString& typed) const;
    int target(const BoardSurface& s) const { return s.state().numeroCercato; }
    /// A number up to the maximum whose cell shows no number may be asked instead of a draw.
    bool canAsk(const BoardSurface& s, int number) const;
    void askNumber(BoardSurface& s, int number);
    void markRight(BoardSurface& s, bool waits);
    void lock(BoardSurface& s) { s.setAnswerEnabled(false); }
    void unlock(BoardSurface& s) { s.setAnswerEnabled(true); }
};
