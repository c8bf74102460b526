#pragma once

#include "core/base/level.h"
#include "ui/windows/windowhost.h"

#include <QList>
#include <functional>

class DesignArea;
class PrintService;
class QPlainTextEdit;
class RandomSource;

/// The two grid worksheets, printed as an image of the window: `formStampa1` (find: ten
/// numbers beside a grid shown for the find board's level, rebuilt at each activation) and
/// `formStampa2` (recognise: twelve cells marked X and lines for the answers). The numbers
/// are drawn once, when the window is loaded.
class GridWindow final : public ProgramWindow {
    Q_OBJECT
  public:
    enum class Kind { Find, Recognise };

    /// `findLevel` gives the current level of the find board (used by the find sheet).
    GridWindow(WindowHost& host, Kind kind, RandomSource& random, PrintService& printer,
               std::function<Level()> findLevel);

    const QList<int>& numbers() const { return numbers_; }
    void activated() override;

  private:
    void showSheet(const struct GridSheet& sheet);

    Kind kind_;
    std::function<Level()> findLevel_;
    QList<int> numbers_;
    DesignArea* area_;
    QPlainTextEdit* instruction_;
    QPlainTextEdit* side_;
};
