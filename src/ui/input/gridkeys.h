#pragma once

#include <QObject>
#include <vector>

class QAbstractButton;

/// The keyboard on a board's grid of ten by ten cells. The arrows move the focus one cell in
/// their direction, Home and End to the first and last cell of the row; every move skips the
/// cells that cannot take the focus (hidden or disabled) and stops at the edge of the grid,
/// never wrapping to the next row. It remembers the last cell answered with, so that the
/// focus can go back there once a wait is over.
class GridKeys final : public QObject {
    Q_OBJECT
  public:
    static constexpr int kColumns = 10;

    /// `cells` in reading order, ten to a row; they live as long as `parent` does.
    GridKeys(std::vector<QAbstractButton*> cells, QObject* parent);

    /// Gives the focus to the cell last answered with while it can still take it, else to
    /// the first cell that can; nothing when no cell can.
    void focusGrid();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool takesFocus(int i) const;
    /// The cell `key` moves the focus to from cell `from`; `from` when it does not move.
    int target(int from, int key) const;

    std::vector<QAbstractButton*> cells_;
    int answered_ = 0;
};
