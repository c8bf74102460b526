#include "findboard.h"

#include "shell/programstate.h"
#include "shell/runtime.h"

void FindBoard::answeredRight(int i)
{
    judgeRight();
    mutableCell(i).caption = runtime::numberText(i);
    mutableCell(i).colour = colours::kRed;
    countInSeries();
    continueAfterRight();
}

void FindBoard::nuovaDomanda()
{
    caricaColori();
    drawQuestion([](const Cell& c) { return c.colour != colours::kRed; });
    taskText_ = runtime::numberText(programState().numeroCercato);
}
