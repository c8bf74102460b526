#include "core/boardmodel.h"

#include "core/programstate.h"
#include "core/random.h"
#include "core/runtime.h"
#include "core/sounds.h"

BoardModel::BoardModel(ProgramState& state, RandomSource& random, SoundSink& sounds)
    : state_(state), random_(random), sounds_(sounds)
{
    for (Cell& c : cells_)
        c.caption = QStringLiteral("0");
}

void BoardModel::setUp()
{
    avantiVisible_ = state_.attendiBottone;
    resetCounters();
    if (usesMaximum())
        showCellsUpToMaximum();
    riempiQuadena();
    if (waiting_ && avantiVisible_ && setUpKeepsWait())
        nuovaDomanda(); // "avanti" still ends the wait
    else
        newTask();
}

void BoardModel::clickCell(int i)
{
    if (i < 0 || i >= kCellCount || !cell(i).visible || !cell(i).enabled)
        return;
    if (!isRightCell(i)) {
        judgeWrong();
        return;
    }
    answeredRight(i);
}

void BoardModel::answeredRight(int cellIndex)
{
    Q_UNUSED(cellIndex);
    judgeRight();
    continueAfterRight();
}

void BoardModel::avanti()
{
    if (!avantiVisible_ || !avantiEnabled_)
        return;
    newTask();
}

void BoardModel::azzeraConteggio()
{
    resetCounters();
}

bool BoardModel::numeroMassimo(const QString& answer)
{
    const std::optional<qint16> maximum = acceptedMaximum(answer);
    if (!maximum)
        return false;
    state_.numeroMassimo = *maximum;
    showCellsUpToMaximum();
    newTask();
    return true;
}

std::optional<qint16> BoardModel::acceptedMaximum(const QString& answer)
{
    const double v = runtime::numericValue(answer);
    if (!(v > 19.0 && v < 100.0))
        return std::nullopt;
    const double rounded = runtime::roundHalfEven(v);
    return static_cast<qint16>(rounded > 99.0 ? 99.0 : rounded);
}

void BoardModel::riempiQuadena()
{
    for (int i = 0; i < kCellCount; ++i)
        mutableCell(i).caption = runtime::numberText(i);
}

void BoardModel::enterWait()
{
    avantiEnabled_ = true;
    lockWhileWaiting();
}

void BoardModel::leaveWait()
{
    unlockAfterWait();
    avantiEnabled_ = false;
}

void BoardModel::lockWhileWaiting()
{
    waitCell_ = target();
    mutableCell(waitCell_).enabled = false;
}

void BoardModel::unlockAfterWait()
{
    if (waitCell_ >= 0)
        mutableCell(waitCell_).enabled = true;
    waitCell_ = -1;
}

void BoardModel::newTask()
{
    if (waiting_) {
        leaveWait();
        waiting_ = false;
    }
    nuovaDomanda();
}

void BoardModel::continueAfterRight()
{
    if (avantiVisible_) {
        enterWait();
        waiting_ = true;
    } else {
        newTask();
    }
}

void BoardModel::showCellsUpToMaximum()
{
    for (int i = 0; i < kCellCount; ++i)
        mutableCell(i).visible = i <= state_.numeroMassimo;
}

void BoardModel::caricaColori()
{
    windowColour_ = ::caricaColori(random_, PaletteVariant::Boards);
}

void BoardModel::judgeWrong()
{
    face_ = Face::Sad;
    suonoErrato(sounds_);
    state_.quantiErrati = runtime::incremented(state_.quantiErrati);
    erratiText_ = runtime::numberText(state_.quantiErrati);
}

void BoardModel::judgeRight()
{
    face_ = Face::Happy;
    state_.quantiEsatti = runtime::incremented(state_.quantiEsatti);
    suonoEsatto(random_, sounds_);
    esattiText_ = runtime::numberText(state_.quantiEsatti);
}

void BoardModel::resetCounters()
{
    state_.quantiEsatti = 0;
    state_.quantiErrati = 0;
    esattiText_ = QStringLiteral("0");
    erratiText_ = QStringLiteral("0");
}
