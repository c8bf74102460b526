#pragma once

#include "ui/boarddesign.h"
#include "core/boardmodel.h"
#include "ui/cellbutton.h"
#include "ui/windowhost.h"

#include <array>
#include <memory>
#include <utility>
#include <vector>

class Dialogs;
class QLabel;
class QLineEdit;
class QScrollBar;
class QPushButton;
class QToolButton;

/// The one board frame window for every exercise board: it builds the design, shows the
/// board's state and forwards clicks and menu commands to the board's rules.
class BoardWindow final : public ProgramWindow {
    Q_OBJECT
  public:
    BoardWindow(WindowHost& host, const BoardDesign& design, std::unique_ptr<BoardModel> model,
                Dialogs& dialogs);
    ~BoardWindow() override;

    BoardModel& model() { return *model_; }
    CellButton* cellButton(int i) const { return cells_.at(static_cast<std::size_t>(i)); }
    QAction* menuAction(BoardCommand command) const;

    /// The board's set-up: at every activation, or only the first, as the board wants.
    void activated() override;

  signals:
    /// "Esci" answered with Yes.
    void esciConfirmed();
    /// "Stampa scheda": the board has recorded its worksheet; its window should show.
    void stampaRequested();

  protected:
    /// Enter pressed and released in the answer box (not a repeat of a held key) is the
    /// answer.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void addMenuItems(QWidget* menu, std::span<const MenuItemSpec> items);
    void run(BoardCommand command);
    void askMaximum();
    void render();

    std::unique_ptr<BoardModel> model_;
    Dialogs& dialogs_;
    QWidget* area_;
    std::array<CellButton*, BoardModel::kCellCount> cells_{};
    QLabel* esatti_;
    QLabel* errati_;
    QLabel* task_ = nullptr;
    QWidget* faceHappy_;
    QWidget* faceSad_;
    QToolButton* avanti_ = nullptr;
    QLineEdit* answer_ = nullptr;
    QScrollBar* hundreds_ = nullptr;
    int questionsSeen_ = 0;
    bool enterPressedInAnswer_ = false;
    int focusRequestsSeen_ = 0;
    std::vector<std::pair<BoardCommand, QAction*>> actions_;
    bool setUpDone_ = false;
};
