#include "core/board/recognise.h"

#include "core/base/runtime.h"

#include <algorithm>

void RecogniseExercise::drawTask(BoardSurface& s)
{
    drawFreeCell(
        s, [](const Cell& c) { return c.caption.isEmpty(); }, [&] { startAgain(s); });
    s.setColour(s.state().numeroCercato, colours::kRed);
    s.askInAnswerBox();
}

bool RecogniseExercise::canAsk(const BoardSurface& s, int number) const
{
    return number >= 0 && number <= std::min<int>(s.state().numeroMassimo, 99) &&
           s.cell(number).caption.isEmpty();
}

void RecogniseExercise::askNumber(BoardSurface& s, int number)
{
    s.state().numeroCercato = static_cast<qint16>(number);
    s.setColour(number, colours::kRed);
    s.askInAnswerBox();
}

bool RecogniseExercise::judgeTyped(const BoardSurface& s, const QString& typed) const
{
    return runtime::numericValue(typed) == s.state().numeroCercato;
}

void RecogniseExercise::markRight(BoardSurface& s, bool)
{
    const int asked = s.state().numeroCercato;
    s.setCaption(asked, runtime::numberText(asked));
    countRight(s);
}
