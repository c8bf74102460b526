#pragma once

#include "core/seriesboard.h"

/// `Form100Trova2`: the find board for the numbers 0 to 998. The child picks the hundred
/// with the scroll bar and clicks the cell; a right click paints it red, its caption as it
/// was. In waiting mode every cell is locked until "avanti", which repaints the board.
/// Levels facile and media; no series, no maximum.
class FindAboveBoard final : public SeriesBoard {
  public:
    using SeriesBoard::SeriesBoard;

    std::optional<int> hundreds() const override { return centinaia_; }
    /// The hundred on show: the captions only are filled anew.
    void setHundreds(int hundreds) override;

  protected:
    void nuovaDomanda() override;
    bool isRightCell(int i) const override;
    void answeredRight(int cellIndex) override;
    void lockWhileWaiting() override;
    void unlockAfterWait() override;
    int numberOf(int cell) const override { return centinaia_ * 100 + cell; }
    bool usesMaximum() const override { return false; }
    bool setUpKeepsWait() const override { return true; }

  private:
    bool offersLevel(Level level) const override { return level != Level::Difficile; }

    int centinaia_ = 0;
};
