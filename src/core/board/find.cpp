#include "core/board/find.h"

#include "core/base/runtime.h"

#include <algorithm>

void FindExercise::drawTask(BoardSurface& s)
{
    drawFreeCell(
        s, [](const Cell& c) { return c.colour != colours::kRed; }, [&] { startAgain(s); });
    s.setTaskText(runtime::numberText(s.state().numeroCercato));
}

bool FindExercise::canAsk(const BoardSurface& s, int number) const
{
    return number >= 0 && number <= std::min<int>(s.state().numeroMassimo, 99) &&
           s.cell(number).colour != colours::kRed;
}

void FindExercise::askNumber(BoardSurface& s, int number)
{
    s.state().numeroCercato = static_cast<qint16>(number);
    s.setTaskText(runtime::numberText(number));
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
