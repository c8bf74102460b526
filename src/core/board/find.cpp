#include "core/board/find.h"

#include "core/base/runtime.h"

void FindExercise::drawTask(BoardSurface& s)
{
    drawFreeCell(
        s, [](const Cell& c) { return c.colour != colours::kRed; }, [&] { startAgain(s); });
    s.setTaskText(runtime::numberText(s.state().numeroCercato));
}

bool FindExercise::judgeClick(const BoardSurface& s, int cell) const
{
    return cell == s.state().numeroCercato;
}

void FindExercise::markRight(BoardSurface& s, bool)
{
    const int found = s.state().numeroCercato;
    s.setCaption(found, runtime::numberText(found));
    s.setColour(found, colours::kRed);
    countRight(s);
}
