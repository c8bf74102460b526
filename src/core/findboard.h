#pragma once

#include "core/seriesboard.h"

/// `Form100Trova`: a number is shown; the child clicks its cell, which turns red and shows
/// its number. Levels facile, media and difficile.
class FindBoard final : public SeriesBoard {
  public:
    using SeriesBoard::SeriesBoard;

  protected:
    void nuovaDomanda() override;
    /// The found cell shows its number and turns red.
    void answeredRight(int cellIndex) override;
};
