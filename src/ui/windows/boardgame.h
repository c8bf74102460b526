#pragma once

#include "core/board/boardframe.h"

#include <QObject>
#include <span>

class CellButton;
class DieFace;
class QPushButton;
class QWidget;
class TokenWalk;

/// The game's own controls on its board window: "Lancia" rolls the die, which shows the
/// roll, and the tokens walk their moves (`TokenWalk`). "Lancia" takes no roll while one is
/// to be answered or the board waits. After a roll the keyboard focus goes to the cell of the
/// token to move, so that the arrows count on from there; a new turn gives it to "Lancia".
/// Lives as a child of the board's client area `area`, which holds the cells and controls.
class BoardGame final : public QObject {
    Q_OBJECT
  public:
    BoardGame(BoardFrame& frame, std::span<CellButton* const> cells, QWidget* area);

    TokenWalk* walk() const { return walk_; }

  private:
    void changed();

    BoardFrame& frame_;
    std::span<CellButton* const> cells_;
    QPushButton* lancia_;
    DieFace* die_;
    TokenWalk* walk_;
    int rolled_ = 0;
    int tasksSeen_ = 0;
};
