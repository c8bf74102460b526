#pragma once

#include "core/base/level.h"
#include "ui/windows/windowhost.h"

#include <QList>
#include <bitset>
#include <functional>
#include <optional>

class DesignArea;
class PrintService;
class QPlainTextEdit;
class RandomSource;

/// The grid worksheets, printed as an image of the window: `formStampa1` (find: ten
/// numbers beside a grid shown for the find board's level, rebuilt at each activation),
/// `formStampa2` (recognise: twelve cells marked X and lines for the answers) and
/// `formStampa3` (the hidden numbers: the board with its covered cells grey and empty,
/// rebuilt at each activation, printed with its solution on a second sheet). The numbers
/// are drawn once, when the window is loaded.
class GridWindow final : public ProgramWindow {
    Q_OBJECT
  public:
    enum class Kind { Find, Recognise, Hidden };
    /// The covered cells of the hidden numbers' board, or nothing once it is closed.
    using CoveredCells = std::function<std::optional<std::bitset<100>>()>;

    /// `findLevel` gives the current level of the find board (used by the find sheet),
    /// `covered` the hidden numbers' board's covered cells (used by their sheet).
    GridWindow(WindowHost& host, Kind kind, RandomSource& random, PrintService& printer,
               std::function<Level()> findLevel, CoveredCells covered = {});

    const QList<int>& numbers() const { return numbers_; }
    void activated() override;

  private:
    void showSheet(const struct GridSheet& sheet);
    void print(PrintService& printer);

    Kind kind_;
    std::function<Level()> findLevel_;
    CoveredCells coveredCells_;
    std::bitset<100> covered_;
    QList<int> numbers_;
    DesignArea* area_;
    QPlainTextEdit* instruction_;
    QPlainTextEdit* side_;
};
