#pragma once

#include "core/seriesboard.h"

/// `Form100Ricon`: a cell turns red with its number hidden; the child types the number into
/// the answer box and presses Enter. Levels media and difficile.
class RecogniseBoard : public SeriesBoard {
  public:
    using SeriesBoard::SeriesBoard;

    /// Cells have no click action on this board.
    void clickCell(int) override {}
    /// Answer check: nothing for an empty text; right when its numeric value is the asked
    /// number, which is then written into the red cell; a wrong text stays in the box.
    void typedAnswer(const QString& typed) override;

  protected:
    void nuovaDomanda() override;
    /// The number is written into the red cell, which stays red.
    void answeredRight(int cellIndex) override;
    /// The number the child has to type.
    virtual int expectedAnswer() const;

    /// While waiting the answer box is disabled, not a cell.
    void lockWhileWaiting() override;
    void unlockAfterWait() override;

  private:
    /// Only media and difficile are on this board's menu.
    bool offersLevel(Level level) const override { return level != Level::Facile; }
};
