#include "ui/input/gridkeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <algorithm>
#include <utility>

GridKeys::GridKeys(std::vector<QAbstractButton*> cells, QObject* parent)
    : QObject(parent), cells_(std::move(cells))
{
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        cells_[i]->installEventFilter(this);
        // Pressed comes before the answer is judged, so before a right answer disables the
        // cell and the focus leaves it.
        connect(cells_[i], &QAbstractButton::pressed, this,
                [this, i] { answered_ = static_cast<int>(i); });
    }
}

bool GridKeys::takesFocus(int i) const
{
    const QAbstractButton* cell = cells_.at(static_cast<std::size_t>(i));
    return !cell->isHidden() && cell->isEnabled() && (cell->focusPolicy() & Qt::TabFocus);
}

int GridKeys::target(int from, int key) const
{
    const int count = static_cast<int>(cells_.size());
    const int rowStart = from - from % kColumns;
    const int rowEnd = std::min(rowStart + kColumns, count) - 1;
    // The first cell that takes the focus going from `start` by `step`, inside [low, high].
    const auto seek = [this](int start, int step, int low, int high) {
        for (int i = start; i >= low && i <= high; i += step) {
            if (takesFocus(i))
                return i;
        }
        return -1;
    };
    int found = -1;
    switch (key) {
    case Qt::Key_Left:
        found = seek(from - 1, -1, rowStart, rowEnd);
        break;
    case Qt::Key_Right:
        found = seek(from + 1, 1, rowStart, rowEnd);
        break;
    case Qt::Key_Up:
        found = seek(from - kColumns, -kColumns, 0, count - 1);
        break;
    case Qt::Key_Down:
        found = seek(from + kColumns, kColumns, 0, count - 1);
        break;
    case Qt::Key_Home:
        found = seek(rowStart, 1, rowStart, rowEnd);
        break;
    case Qt::Key_End:
        found = seek(rowEnd, -1, rowStart, rowEnd);
        break;
    default:
        break;
    }
    return found < 0 ? from : found;
}

bool GridKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        break;
    default:
        return false;
    }
    const auto it = std::find(cells_.begin(), cells_.end(), watched);
    if (it == cells_.end())
        return false;
    const int from = static_cast<int>(it - cells_.begin());
    const int to = target(from, key->key());
    if (to != from)
        cells_[static_cast<std::size_t>(to)]->setFocus(Qt::TabFocusReason);
    return true; // at an edge the key does nothing, rather than leave the grid
}

void GridKeys::focusGrid()
{
    int to = answered_;
    if (!takesFocus(to)) {
        const int count = static_cast<int>(cells_.size());
        to = 0;
        while (to < count && !takesFocus(to))
            ++to;
        if (to == count)
            return;
    }
    cells_[static_cast<std::size_t>(to)]->setFocus(Qt::OtherFocusReason);
}
