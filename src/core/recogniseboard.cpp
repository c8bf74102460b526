#include "core/recogniseboard.h"

#include "core/programstate.h"
#include "core/runtime.h"

void RecogniseBoard::typedAnswer(const QString& typed)
{
    if (typed.isEmpty() || !answerBox_.enabled)
        return;
    if (runtime::numericValue(typed) != expectedAnswer()) {
        judgeWrong();
        return;
    }
    answeredRight(programState().numeroCercato);
}

int RecogniseBoard::expectedAnswer() const
{
    return programState().numeroCercato;
}

void RecogniseBoard::answeredRight(int cellIndex)
{
    judgeRight();
    mutableCell(cellIndex).caption = runtime::numberText(cellIndex);
    countInSeries();
    continueAfterRight();
}

void RecogniseBoard::nuovaDomanda()
{
    caricaColori();
    drawQuestion([](const Cell& c) { return c.caption.isEmpty(); });
    mutableCell(programState().numeroCercato).colour = colours::kRed;
    ++answerBox_.questions;
    if (answerBox_.enabled)
        ++answerBox_.focusRequests;
}

void RecogniseBoard::lockWhileWaiting()
{
    answerBox_.enabled = false;
}

void RecogniseBoard::unlockAfterWait()
{
    answerBox_.enabled = true;
}
