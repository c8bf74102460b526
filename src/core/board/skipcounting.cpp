#include "core/board/skipcounting.h"

#include "core/base/runtime.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <span>

namespace {

constexpr std::array kEasySteps{10, 5, 2};
constexpr std::array kMiddleSteps{3, 4};
constexpr std::array kHardSteps{6, 7, 8, 9};

int highestCell(const BoardSurface& s)
{
    return std::min<int>(s.state().numeroMassimo, BoardSurface::kCellCount - 1);
}

int drawnFrom(RandomSource& random, std::span<const int> steps)
{
    return steps[static_cast<std::size_t>(random.below(static_cast<int>(steps.size())))];
}

} // namespace

QString SkipCounting::taskText(int step, int start)
{
    const int by = std::abs(step);
    const QString count = step < 0 ? QStringLiteral("Conta all'indietro di %1 in %1 partendo da %2")
                                   : QStringLiteral("Conta di %1 in %1 partendo da %2");
    return count.arg(QString::number(by), QString::number(start));
}

void SkipCounting::fillCaptions(BoardSurface& s) const
{
    for (int i = 0; i < BoardSurface::kCellCount; ++i) {
        s.setCaption(i, runtime::numberText(i));
        s.setColour(i, colours::kCell);
    }
}

void SkipCounting::drawTask(BoardSurface& s)
{
    RandomSource& random = s.random();
    const int highest = highestCell(s);
    start_ = 0;
    switch (levels_.level()) {
    case Level::Facile:
        step_ = drawnFrom(random, kEasySteps);
        break;
    case Level::Media: {
        // Two draws in three a step of 3 or 4, one in three tens from a start of 0 to 9.
        const int choice = random.below(3);
        step_ = choice < 2 ? kMiddleSteps.at(static_cast<std::size_t>(choice)) : 10;
        if (step_ == 10)
            start_ = random.below(10);
        break;
    }
    case Level::Difficile:
        step_ = drawnFrom(random, kHardSteps);
        if (random.below(2) == 1) {
            step_ = -step_;
            start_ = highest;
        }
        break;
    }
    s.clearColours();
    s.setColour(start_, colours::kCounted);
    s.state().numeroCercato = static_cast<qint16>(start_ + step_);
    s.setTaskText(taskText(step_, start_));
    over_ = false;
}

bool SkipCounting::judgeClick(const BoardSurface& s, int cell) const
{
    return !over_ && cell == s.state().numeroCercato;
}

void SkipCounting::markRight(BoardSurface& s, bool)
{
    const int counted = s.state().numeroCercato;
    s.setColour(counted, colours::kCounted);
    const int next = counted + step_;
    over_ = next < 0 || next > highestCell(s);
    if (!over_)
        s.state().numeroCercato = static_cast<qint16>(next);
}

void SkipCounting::setLevel(BoardSurface& s, Level level)
{
    if (levels_.choose(level))
        drawTask(s);
}
