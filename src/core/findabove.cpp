#include "core/findabove.h"

#include "core/programstate.h"
#include "core/random.h"
#include "core/runtime.h"

#include <algorithm>

void FindAboveBoard::setHundreds(int hundreds)
{
    centinaia_ = std::clamp(hundreds, 0, 9);
    riempiQuadena();
}

void FindAboveBoard::nuovaDomanda()
{
    caricaColori();
    state().numeroCercato = static_cast<qint16>(random().below(999));
    taskText_ = runtime::numberText(programState().numeroCercato);
}

bool FindAboveBoard::isRightCell(int i) const
{
    return numberOf(i) == programState().numeroCercato;
}

void FindAboveBoard::answeredRight(int cellIndex)
{
    judgeRight();
    mutableCell(cellIndex).colour = colours::kRed;
    continueAfterRight();
}

void FindAboveBoard::lockWhileWaiting()
{
    for (int i = 0; i < kCellCount; ++i)
        mutableCell(i).enabled = false;
}

void FindAboveBoard::unlockAfterWait()
{
    for (int i = 0; i < kCellCount; ++i) {
        mutableCell(i).enabled = true;
        mutableCell(i).colour = colours::kCell;
    }
}
