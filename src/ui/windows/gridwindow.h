#pragma once

#include "core/base/level.h"
#include "core/sheets/gridsheets.h"
#include "ui/windows/windowhost.h"

#include <QList>
#include <array>
#include <functional>
#include <optional>

class DesignArea;
class PrintService;
class QPlainTextEdit;
class RandomSource;

/// The grid worksheets, printed as an image of the window: `formStampa1` (find: ten
/// numbers beside a grid shown for the find board's level, rebuilt at each activation),
/// `formStampa2` (recognise: twelve cells marked X and lines for the answers) and
/// `formStampa3` (the hidden numbers: the board with its covered cells grey and empty) and
/// `formStampa4` (counting in steps: the numbers to colour); these two are rebuilt from
/// their board at each activation and printed with their solution on a second sheet. The
/// numbers are drawn once, when the window is loaded.
class GridWindow final : public ProgramWindow {
    Q_OBJECT
  public:
    enum class Kind { Find, Recognise, Hidden, Steps };
    /// A sheet and its solution as their board has them, or nothing once it is closed.
    using SheetPair = std::function<std::optional<std::array<GridSheet, 2>>()>;

    /// `findLevel` gives the current level of the find board (used by the find sheet),
    /// `pair` the sheet and solution of the hidden numbers' or the counting board.
    GridWindow(WindowHost& host, Kind kind, RandomSource& random, PrintService& printer,
               std::function<Level()> findLevel, SheetPair pair = {});

    const QList<int>& numbers() const { return numbers_; }
    void activated() override;

  private:
    void showSheet(const GridSheet& sheet);
    void print(PrintService& printer);

    Kind kind_;
    std::function<Level()> findLevel_;
    SheetPair pair_;
    std::array<GridSheet, 2> sheets_;
    QList<int> numbers_;
    DesignArea* area_;
    QPlainTextEdit* instruction_;
    QPlainTextEdit* side_;
};
