#pragma once

#include "core/board/boardframe.h"
#include "ui/design/boarddesign.h"
#include "ui/design/cellbutton.h"
#include "ui/windows/windowhost.h"

#include <array>
#include <memory>
#include <utility>
#include <vector>

class BoardKeys;
class Dialogs;
class QLabel;
class AnswerBox;
class DesignArea;
class QScrollBar;
class QPushButton;
class QToolButton;

/// What a board shows beyond its design, in a column of its own to the right of it.
struct BoardExtras {
    bool keypad = false;  // the on-screen keypad, on a board with an answer box
    bool speaker = false; // the "ascolta" button, and F5 for it
};

/// The one board frame window for every exercise board: it builds the design, forwards
/// clicks, typed answers and menu commands to the board's rules and shows what they report
/// as changed. What is typed in the answer box and where the focus is are its own business.
class BoardWindow final : public ProgramWindow {
    Q_OBJECT
  public:
    BoardWindow(WindowHost& host, const BoardDesign& design, std::unique_ptr<BoardFrame> frame,
                Dialogs& dialogs, BoardExtras extras = {});
    ~BoardWindow() override;

    BoardFrame& frame() { return *frame_; }
    CellButton* cellButton(int i) const { return cells_.at(static_cast<std::size_t>(i)); }
    QAction* menuAction(BoardCommand command) const;

    /// The board's set-up: at every activation, or only the first, as the board wants.
    void activated() override;

  signals:
    /// "Esci" answered with Yes.
    void esciConfirmed();
    /// "Stampa scheda": the board's worksheet window should show.
    void stampaRequested();
    /// "ascolta" or F5: the task is to be said again.
    void listenRequested();

  private:
    void addMenuItems(QWidget* menu, std::span<const MenuItemRow> items);
    void run(BoardCommand command);
    void askMaximum();
    /// Shows what `what` names of the board's state.
    void showChanges(BoardChanges what);
    void showCell(int i);
    void showAvanti();

    std::unique_ptr<BoardFrame> frame_;
    Dialogs& dialogs_;
    DesignArea* area_;
    std::array<CellButton*, BoardFrame::kCellCount> cells_{};
    QLabel* esatti_;
    QLabel* errati_;
    QLabel* task_ = nullptr;
    QWidget* faceHappy_;
    QWidget* faceSad_;
    QToolButton* avanti_ = nullptr;
    AnswerBox* answer_ = nullptr;
    QScrollBar* hundreds_ = nullptr;
    std::vector<std::pair<BoardCommand, QAction*>> actions_;
    bool setUpDone_ = false;
    /// The keyboard beyond Tab and Space (arrows on the grid, Enter, F10, hundreds keys).
    BoardKeys* keys_ = nullptr;
};
