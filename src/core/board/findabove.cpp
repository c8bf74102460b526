#include "core/board/findabove.h"

#include "core/base/runtime.h"

void FindAboveExercise::drawTask(BoardSurface& s)
{
    askNumber(s, s.random().below(999));
}

void FindAboveExercise::askNumber(BoardSurface& s, int number)
{
    s.state().numeroCercato = static_cast<qint16>(number);
    s.setTaskText(runtime::numberText(number));
}

bool FindAboveExercise::judgeClick(const BoardSurface& s, int cell) const
{
    return window_.numberOf(cell) == s.state().numeroCercato;
}

void FindAboveExercise::markRight(BoardSurface& s, bool)
{
    s.setColour(s.state().numeroCercato - window_.numberOf(0), colours::kRed);
}

void FindAboveExercise::lock(BoardSurface& s)
{
    for (int i = 0; i < BoardSurface::kCellCount; ++i)
        s.setEnabled(i, false);
}

void FindAboveExercise::unlock(BoardSurface& s)
{
    for (int i = 0; i < BoardSurface::kCellCount; ++i) {
        s.setEnabled(i, true);
        s.setColour(i, colours::kCell);
    }
}

void FindAboveExercise::setLevel(BoardSurface& s, Level level)
{
    if (levels_.choose(level))
        fillCaptions(s);
}

void FindAboveExercise::setHundreds(BoardSurface& s, int hundreds)
{
    window_.show(hundreds);
    s.note(BoardChange::Hundreds);
    fillCaptions(s);
}
