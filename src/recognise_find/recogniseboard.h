#pragma once

#include "seriesboard.h"

/// `Form100Ricon`: a cell turns red with its number hidden; the child types the number into
/// the answer box and presses Enter. Levels media and difficile.
class RecogniseBoard final : public SeriesBoard {
  public:
    using SeriesBoard::SeriesBoard;

    /// Cells have no click action on this board.
    void clickCell(int) override {}
    /// Answer check: nothing for an empty text; right when its numeric value is the asked
    /// number, which is then written into the red cell; a wrong text stays in the box.
    void typedAnswer(const QString& typed) override;
    /// Only media and difficile exist here; facile is ignored.
    void setLevel(Level level) override;

  protected:
    void nuovaDomanda() override;
    /// The number is written into the red cell, which stays red.
    void answeredRight(int cellIndex) override;
    /// While waiting the answer box is disabled, not a cell.
    void lockWhileWaiting() override;
    void unlockAfterWait() override;
};
