#include "ui/windows/tokenwalk.h"

#include "ui/design/cellbutton.h"

#include <QEvent>
#include <QWidget>

TokenWalk::TokenWalk(const BoardFrame& frame, std::span<CellButton* const> cells, QWidget* area)
    : QObject(area), frame_(frame), cells_(cells.begin(), cells.end())
{
    setObjectName(QStringLiteral("CamminoPedine"));
    timer_.setInterval(kStep);
    connect(&timer_, &QTimer::timeout, this, &TokenWalk::step);
    connect(&frame_, &BoardFrame::judged, this, [this](int, bool right) { moveComing_ |= right; });
    connect(&frame_, &BoardFrame::changed, this, &TokenWalk::changed);
    area->installEventFilter(this);
    for (QWidget* w : area->findChildren<QWidget*>())
        w->installEventFilter(this);
    finish();
}

void TokenWalk::finish()
{
    timer_.stop();
    if (const auto* game = frame_.rules<CountOnGame>()) {
        for (int p = 0; p < CountOnGame::kMaxPlayers; ++p)
            shown_.at(static_cast<std::size_t>(p)) = game->square(p);
    }
    show();
}

void TokenWalk::changed()
{
    const auto* game = frame_.rules<CountOnGame>();
    if (!game)
        return;
    if (std::exchange(moveComing_, false) && !game->lastMove().empty()) {
        if (walking()) // the walk before is cut short
            shown_.at(static_cast<std::size_t>(walker_)) = path_.back();
        walker_ = game->lastMover();
        path_ = game->lastMove();
        next_ = 0;
        timer_.start();
    }
    if (walking())
        show();
    else
        finish();
}

void TokenWalk::step()
{
    if (next_ >= path_.size()) {
        finish();
        return;
    }
    shown_.at(static_cast<std::size_t>(walker_)) = path_.at(next_++);
    show();
}

void TokenWalk::show()
{
    const auto* game = frame_.rules<CountOnGame>();
    const int players = game ? game->players() : 0;
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        quint8 tokens = 0;
        for (int p = 0; p < players; ++p) {
            if (shown_.at(static_cast<std::size_t>(p)) == static_cast<int>(i))
                tokens |= quint8(1U << p);
        }
        cells_.at(i)->showTokens(tokens);
    }
}

bool TokenWalk::eventFilter(QObject*, QEvent* event)
{
    const auto type = event->type();
    if (walking() && (type == QEvent::MouseButtonPress || type == QEvent::TouchBegin))
        finish();
    return false;
}
