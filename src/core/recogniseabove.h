#pragma once

#include "core/recogniseboard.h"

/// `Form100Ricon2`: the recognise board for a window of a hundred numbers above 99. Each
/// question draws the red cell (0 to 98) and the hundred (0 to 9); the first row and column
/// carry their numbers. A right answer is not written into the cell, and the red cell turns
/// light green again before the next question. No maximum and no levels.
class RecogniseAboveBoard final : public RecogniseBoard {
  public:
    using RecogniseBoard::RecogniseBoard;

    std::optional<Level> level() const override { return std::nullopt; }
    std::optional<int> hundreds() const override { return centinaia_; }

  protected:
    void nuovaDomanda() override;
    void answeredRight(int cellIndex) override;
    int expectedAnswer() const override;
    void unlockAfterWait() override;
    int numberOf(int cell) const override { return centinaia_ * 100 + cell; }
    bool usesMaximum() const override { return false; }
    bool setUpKeepsWait() const override { return true; }

  private:
    bool offersLevel(Level) const override { return false; }

    int centinaia_ = 0;
};
