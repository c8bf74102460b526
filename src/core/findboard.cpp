#include "core/findboard.h"

#include "core/programstate.h"
#include "core/runtime.h"

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
