#pragma once

#include "core/board/boardkind.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <array>

class RunRecord;

/// A 10 x 10 map of one hundred of a board in a run record: each cell shows its number and,
/// once asked, its count of wrong answers, filled by the share of wrong answers on a
/// single-hue ramp from light to dark, so that the share reads in greyscale and without
/// colour vision. Cells never asked stay white. Each cell is a child that assistive
/// technology reads ("57: 2 errate su 5"). The map grows with its rectangle.
class ResultMap final : public QWidget {
    Q_OBJECT
  public:
    struct Cell {
        quint32 right = 0;
        quint32 wrong = 0;
    };

    explicit ResultMap(QWidget* parent = nullptr);

    /// Shows the hundred starting at `100 * hundred` of `board`.
    void show(const RunRecord& record, BoardKind board, int hundred);
    int firstNumber() const { return first_; }
    const Cell& cell(int i) const { return cells_.at(i); }

    /// The fill of a cell: white when never asked, else the ramp at its share of wrong.
    static QColor fill(const Cell& c);
    /// The map drawn on a white square picture of `side` pixels, for paper and files.
    QImage picture(int side) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void paintCells(QPainter& painter, QSizeF size) const;
    void placeCells();

    std::array<Cell, 100> cells_{};
    std::array<QWidget*, 100> readers_{};
    int first_ = 0;
};
