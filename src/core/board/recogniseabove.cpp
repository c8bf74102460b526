#include "core/board/recogniseabove.h"

#include "core/base/runtime.h"

void RecogniseAboveExercise::drawTask(BoardSurface& s)
{
    const int cell = s.random().below(99);
    ask(s, cell, s.random().below(10));
}

void RecogniseAboveExercise::ask(BoardSurface& s, int cell, int hundreds)
{
    s.state().numeroCercato = static_cast<qint16>(cell);
    s.setColour(cell, colours::kRed);
    window_.show(hundreds);
    s.note(BoardChange::Hundreds);
    fillCaptions(s);
    s.askInAnswerBox();
}

bool RecogniseAboveExercise::judgeTyped(const BoardSurface& s, const QString& typed) const
{
    return runtime::numericValue(typed) == window_.numberOf(s.state().numeroCercato);
}

void RecogniseAboveExercise::markRight(BoardSurface& s, bool waits)
{
    if (series_.countRight()) {
        s.clearColours();
        fillCaptions(s);
    }
    if (!waits)
        s.setColour(s.state().numeroCercato, colours::kCell);
}

void RecogniseAboveExercise::unlock(BoardSurface& s)
{
    s.setColour(s.state().numeroCercato, colours::kCell);
    s.setAnswerEnabled(true);
}
