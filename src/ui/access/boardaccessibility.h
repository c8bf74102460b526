#pragma once

#include "core/board/boardframe.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <optional>
#include <span>

class CellButton;
class QWidget;

/// The description of the cell a recognise board asks about.
inline constexpr char16_t kAskedDescription[] = u"da riconoscere";

/// Makes the boards readable through Qt's accessibility layer: installs, once, the factory
/// of the board's own interfaces (the grid as a table of cells named by what they show, the
/// counters named with their captions, the answer box with an action that answers). Call it
/// before a board creates its controls, so that no default interface is cached for them.
void installBoardAccessibility();

/// The cell grid of one board as assistive technology sees it: a 10 x 10 table whose cells
/// are the board's cell buttons. It knows which cell is asked now and announces, after each
/// change the frame reports, only what changed on the cells that the frame names (a red
/// cell that changes colour, the asked cell that moves); captions, enabled state, shown
/// pictures and texts are announced by the widgets themselves. Lives as a child object of
/// the board's client area `area`, which holds the `cells` and the counters; precondition:
/// the window has shown the frame's state already.
class BoardGrid final : public QObject {
    Q_OBJECT
  public:
    static constexpr int kColumns = 10;
    static constexpr int kRows = BoardFrame::kCellCount / kColumns;

    BoardGrid(const BoardFrame& frame, std::span<CellButton* const> cells, QWidget* area);

    /// The cell button at `i`, null outside the grid or once it is gone.
    CellButton* cell(int i) const;
    /// The index of `button` in the grid, or -1.
    int indexOf(const QObject* button) const;
    std::optional<int> askedCell() const { return asked_; }
    /// The name a cell is read by: its caption, or "casella", " coperta" when its number is
    /// covered, " rossa" when it is red and ", contato" when a count has coloured it
    /// ("12, contato"); a cell without a caption also tells the row and
    /// column of its index `i`, counted from 1 (none at -1); then the tokens on it and the
    /// ladder or slide it holds ("23, pedina cerchio", "4, scala fino a 14").
    static QString cellName(const CellButton& button, int i);

  private:
    void frameChanged(BoardChanges what);

    const BoardFrame& frame_;
    std::array<QPointer<CellButton>, BoardFrame::kCellCount> cells_{};
    /// What each cell showed when last announced: its caption, and its name.
    std::array<std::pair<QString, QString>, BoardFrame::kCellCount> shown_{};
    std::optional<int> asked_;
};
