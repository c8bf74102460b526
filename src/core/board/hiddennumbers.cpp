#include "core/board/hiddennumbers.h"

#include "core/base/runtime.h"

#include <algorithm>

namespace {

constexpr std::size_t at(int i)
{
    return static_cast<std::size_t>(i);
}

int highestCell(const BoardSurface& s)
{
    return std::min<int>(s.state().numeroMassimo, BoardSurface::kCellCount - 1);
}

} // namespace

std::bitset<BoardSurface::kCellCount> HiddenNumbersExercise::covered(int maximum) const
{
    std::bitset<BoardSurface::kCellCount> shown = covered_;
    for (int i = std::max(maximum + 1, 0); i < BoardSurface::kCellCount; ++i)
        shown.reset(at(i));
    return shown;
}

void HiddenNumbersExercise::fillCaptions(BoardSurface& s) const
{
    for (int i = 0; i < BoardSurface::kCellCount; ++i) {
        const bool hidden = covered_.test(at(i));
        s.setCaption(i, hidden ? QString() : runtime::numberText(i));
        s.setColour(i, hidden ? colours::kCovered : colours::kCell);
    }
}

void HiddenNumbersExercise::coverNewBoard(BoardSurface& s)
{
    const int highest = highestCell(s);
    covered_.reset();
    switch (levels_.level()) {
    case Level::Facile:
        for (int k = 0; k < kFewCells && k <= highest; ++k) {
            int cell = s.random().below(highest + 1);
            while (covered_.test(at(cell)))
                cell = s.random().below(highest + 1);
            covered_.set(at(cell));
        }
        break;
    case Level::Media: {
        const int row = s.random().below(highest / 10 + 1);
        const int column = s.random().below(10);
        for (int i = 0; i <= highest; ++i) {
            if (i / 10 == row || i % 10 == column)
                covered_.set(at(i));
        }
        break;
    }
    case Level::Difficile:
        for (int i = 0; i <= highest; ++i)
            covered_.set(at(i), i % 10 != 0);
        break;
    }
    fillCaptions(s);
}

void HiddenNumbersExercise::ask(BoardSurface& s, int cell)
{
    const int before = s.state().numeroCercato;
    if (before != cell && before >= 0 && before < BoardSurface::kCellCount &&
        covered_.test(at(before)))
        s.setColour(before, colours::kCovered);
    s.state().numeroCercato = static_cast<qint16>(cell);
    s.setColour(cell, colours::kRed);
    s.askInAnswerBox();
}

void HiddenNumbersExercise::drawTask(BoardSurface& s)
{
    if (covered(highestCell(s)).none())
        coverNewBoard(s);
    const auto left = covered(highestCell(s));
    int slot = s.random().below(static_cast<int>(left.count()));
    for (int i = 0; i < BoardSurface::kCellCount; ++i) {
        if (left.test(at(i)) && slot-- == 0) {
            ask(s, i);
            return;
        }
    }
}

bool HiddenNumbersExercise::canAsk(const BoardSurface& s, int number) const
{
    return number >= 0 && number <= highestCell(s) && covered_.test(at(number));
}

bool HiddenNumbersExercise::takesClick(BoardSurface& s, int cell)
{
    if (!locked_ && covered_.test(at(cell)))
        ask(s, cell);
    return false;
}

bool HiddenNumbersExercise::judgeTyped(const BoardSurface& s, const QString& typed) const
{
    const int asked = s.state().numeroCercato;
    return covered_.test(at(asked)) && runtime::numericValue(typed) == asked;
}

void HiddenNumbersExercise::markRight(BoardSurface& s, bool)
{
    const int asked = s.state().numeroCercato;
    covered_.reset(at(asked));
    s.setCaption(asked, runtime::numberText(asked));
    s.setColour(asked, colours::kCell);
}

void HiddenNumbersExercise::lock(BoardSurface& s)
{
    locked_ = true;
    s.setAnswerEnabled(false);
}

void HiddenNumbersExercise::unlock(BoardSurface& s)
{
    locked_ = false;
    s.setAnswerEnabled(true);
}

void HiddenNumbersExercise::setLevel(BoardSurface& s, Level level)
{
    if (!levels_.choose(level))
        return;
    coverNewBoard(s);
    drawTask(s);
}
