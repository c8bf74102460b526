#include "core/recogniseabove.h"

#include "core/programstate.h"
#include "core/random.h"

void RecogniseAboveBoard::nuovaDomanda()
{
    caricaColori();
    const int n = random().below(99);
    state().numeroCercato = static_cast<qint16>(n);
    mutableCell(n).colour = colours::kRed;
    centinaia_ = random().below(10);
    riempiQuadena();
    ++answerBox_.questions;
    if (answerBox_.enabled)
        ++answerBox_.focusRequests;
}

void RecogniseAboveBoard::answeredRight(int cellIndex)
{
    judgeRight();
    countInSeries();
    if (!avantiVisible())
        mutableCell(cellIndex).colour = colours::kCell;
    continueAfterRight();
}

int RecogniseAboveBoard::expectedAnswer() const
{
    return numberOf(programState().numeroCercato);
}

void RecogniseAboveBoard::unlockAfterWait()
{
    mutableCell(programState().numeroCercato).colour = colours::kCell;
    RecogniseBoard::unlockAfterWait();
}
