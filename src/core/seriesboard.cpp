#include "core/seriesboard.h"

#include "core/programstate.h"
#include "core/random.h"
#include "core/runtime.h"

SeriesBoard::SeriesBoard(ProgramState& state, RandomSource& random, SoundSink& sounds)
    : BoardModel(state, random, sounds)
{}

void SeriesBoard::setLevel(Level level)
{
    if (!offersLevel(level))
        return;
    level_ = level;
    riempiQuadena();
}

void SeriesBoard::setUp()
{
    esattiGiro_ = 0;
    BoardModel::setUp();
}

int SeriesBoard::target() const
{
    return programState().numeroCercato;
}

void SeriesBoard::riempiQuadena()
{
    for (int i = 0; i < kCellCount; ++i) {
        const bool shown =
            level_ == Level::Facile || (level_ == Level::Media && (i < 10 || i % 10 == 0));
        mutableCell(i).caption = shown ? runtime::numberText(numberOf(i)) : QString();
    }
}

void SeriesBoard::ricomincia()
{
    esattiGiro_ = 0;
    for (int i = 0; i < kCellCount; ++i)
        mutableCell(i).colour = colours::kCell;
    riempiQuadena();
}

void SeriesBoard::countInSeries()
{
    if (++esattiGiro_ >= 10)
        ricomincia();
}

int SeriesBoard::maximum() const
{
    return std::min<int>(programState().numeroMassimo, kCellCount - 1);
}

int SeriesBoard::drawUpToMaximum()
{
    return random().below(maximum() + 1);
}

void SeriesBoard::ask(int cellIndex)
{
    state().numeroCercato = static_cast<qint16>(cellIndex);
}
