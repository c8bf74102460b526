#pragma once

#include "core/base/level.h"
#include "core/base/random.h"
#include "core/board/boardsurface.h"
#include "core/board/programstate.h"

#include <algorithm>

/// What the frame asks of a board's rules besides its exercise: when the set-up runs, whether
/// the maximum hides cells, and whether a set-up leaves a pending wait to "avanti".
struct ExerciseTraits {
    bool setUpOnEveryActivation = true;
    bool usesMaximum = true;
    bool keepsWaitOnSetUp = false;
};

/// A series of ten right answers (`EsattiGiro`).
class Series {
  public:
    int count() const { return count_; }
    void restart() { count_ = 0; }
    /// Counts a right answer; true for the tenth, after which the count starts again.
    bool countRight()
    {
        if (++count_ < 10)
            return false;
        count_ = 0;
        return true;
    }

  private:
    int count_ = 0;
};

/// The level a board's menu offers between `lowest` and `highest`, media at the start.
class LevelChoice {
  public:
    constexpr LevelChoice(Level lowest, Level highest) : lowest_(lowest), highest_(highest) {}
    Level level() const { return level_; }
    /// Takes a level the menu offers; another changes nothing and gives false.
    bool choose(Level level)
    {
        if (level < lowest_ || level > highest_)
            return false;
        level_ = level;
        return true;
    }

  private:
    Level lowest_;
    Level highest_;
    Level level_ = Level::Media;
};

/// The hundred on show on the boards above 99 (0 to 9): cell i stands for 100 h + i.
class HundredsWindow {
  public:
    int value() const { return value_; }
    /// A hundred outside 0 to 9 is taken as the nearest one.
    void show(int hundreds) { value_ = std::clamp(hundreds, 0, 9); }
    int numberOf(int cell) const { return value_ * 100 + cell; }

  private:
    int value_ = 0;
};

/// The captions a level shows as help: every number (facile), the first row and column
/// (media), none (difficile); cell i shows the number `first` + i.
void fillHelpCaptions(BoardSurface& surface, Level level, int first = 0);

/// The series of ten and the help levels of the boards that find and recognise 0 to 99. A
/// level the menu offers fills the help captions anew (question, red cells and series stay);
/// the tenth right answer starts a new series: every cell light green, captions for the level.
class LevelledSeries {
  public:
    constexpr LevelledSeries(Level lowest, Level highest) : levels_(lowest, highest) {}

    Level level() const { return levels_.level(); }
    void fillCaptions(BoardSurface& s) const { fillHelpCaptions(s, levels_.level()); }
    void setLevel(BoardSurface& s, Level level)
    {
        if (levels_.choose(level))
            fillCaptions(s);
    }
    Series& series() { return series_; }
    const Series& series() const { return series_; }

  protected:
    void countRight(BoardSurface& s)
    {
        if (series_.countRight())
            startAgain(s);
    }
    void startAgain(BoardSurface& s)
    {
        series_.restart();
        s.clearColours();
        fillCaptions(s);
    }

  private:
    LevelChoice levels_;
    Series series_;
};

/// Draws `NumeroCercato` from 0 to the maximum, again while its cell is not `isFree`. With no
/// free cell `startAgain` runs first, and should that free none the first draw is taken, so
/// that the search always ends.
template <typename Free, typename StartAgain>
void drawFreeCell(BoardSurface& s, Free isFree, StartAgain startAgain)
{
    const int maximum = std::min<int>(s.state().numeroMassimo, BoardSurface::kCellCount - 1);
    const auto anyFree = [&] {
        for (int i = 0; i <= maximum; ++i) {
            if (isFree(s.cell(i)))
                return true;
        }
        return false;
    };
    if (!anyFree())
        startAgain();
    int n = 0;
    do {
        n = s.random().below(maximum + 1);
    } while (!isFree(s.cell(n)) && anyFree());
    s.state().numeroCercato = static_cast<qint16>(n);
}
