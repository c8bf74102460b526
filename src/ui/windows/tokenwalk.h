#pragma once

#include "core/board/boardframe.h"

#include <QObject>
#include <QTimer>
#include <array>
#include <chrono>
#include <span>
#include <vector>

class CellButton;
class QWidget;

/// Shows a game's tokens on the board's cells, and a token that has moved walking its move
/// there, one cell every `kStep`, the end of a ladder or slide as one more step; a press of the
/// pointer anywhere on the board ends the walk at once. The rules have moved the token already:
/// the walk only shows it. Lives as a child of the board's client area `area`, which holds
/// the cells.
class TokenWalk final : public QObject {
    Q_OBJECT
  public:
    static constexpr std::chrono::milliseconds kStep{150};

    TokenWalk(const BoardFrame& frame, std::span<CellButton* const> cells, QWidget* area);

    bool walking() const { return timer_.isActive(); }
    /// Ends a walk: every token where the rules put it.
    void finish();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void changed();
    void step();
    /// Draws each token on the cell it is shown on.
    void show();

    const BoardFrame& frame_;
    std::vector<CellButton*> cells_;
    QTimer timer_;
    std::array<int, CountOnGame::kMaxPlayers> shown_{};
    std::vector<int> path_;
    std::size_t next_ = 0;
    int walker_ = 0;
    bool moveComing_ = false;
};
