#include "ui/windows/boardgame.h"

#include "ui/design/cellbutton.h"
#include "ui/design/dieface.h"
#include "ui/design/names.h"
#include "ui/input/keyboard.h"
#include "ui/windows/tokenwalk.h"

#include <QPushButton>

BoardGame::BoardGame(BoardFrame& frame, std::span<CellButton* const> cells, QWidget* area)
    : QObject(area), frame_(frame), cells_(cells),
      lancia_(control<QPushButton>(area, names::kLancia)),
      die_(control<DieFace>(area, names::kDie)), walk_(new TokenWalk(frame, cells, area)),
      tasksSeen_(frame.tasksDrawn())
{
    setObjectName(QStringLiteral("Gioco"));
    connect(lancia_, &QPushButton::clicked, &frame_, &BoardFrame::roll);
    auto* enter = new EnterKey(this);
    enter->watch(lancia_);
    connect(&frame_, &BoardFrame::changed, this, &BoardGame::changed);
    changed();
}

void BoardGame::changed()
{
    const auto* game = frame_.rules<CountOnGame>();
    if (!game)
        return;
    const int rolled = std::exchange(rolled_, game->rolled());
    const bool newTurn = std::exchange(tasksSeen_, frame_.tasksDrawn()) != frame_.tasksDrawn();
    die_->setFace(game->rolled() > 0 ? game->rolled() : die_->value(), game->rolled() > 0);
    // A window not yet active gives the focus to its control when it becomes active.
    if (rolled == 0 && game->rolled() > 0)
        cells_[static_cast<std::size_t>(game->square(game->mover()))]->setFocus(
            Qt::OtherFocusReason);
    lancia_->setEnabled(game->rolled() == 0 && !frame_.waiting());
    if (newTurn && lancia_->isEnabled())
        lancia_->setFocus(Qt::OtherFocusReason);
}
