#include "recogniseboard.h"

#include "shell/programstate.h"
#include "shell/runtime.h"

void RecogniseBoard::typedAnswer(const QString& typed)
{
    answerBox_.text = typed;
    if (typed.isEmpty() || !answerBox_.enabled)
        return;
    const int asked = programState().numeroCercato;
    if (runtime::numericValue(typed) != asked) {
        judgeWrong();
        return;
    }
    answeredRight(asked);
}

void RecogniseBoard::answeredRight(int cellIndex)
{
    judgeRight();
    mutableCell(cellIndex).caption = runtime::numberText(cellIndex);
    countInSeries();
    continueAfterRight();
}

void RecogniseBoard::setLevel(Level level)
{
    if (level != Level::Facile)
        SeriesBoard::setLevel(level);
}

void RecogniseBoard::nuovaDomanda()
{
    caricaColori();
    drawQuestion([](const Cell& c) { return c.caption.isEmpty(); });
    mutableCell(programState().numeroCercato).colour = colours::kRed;
    answerBox_.text.clear();
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
