#include "ui/design/designarea.h"

#include "ui/design/controlfactory.h"
#include "ui/design/placement.h"

#include <QResizeEvent>
#include <algorithm>

DesignArea::DesignArea(QSize designSize, QWidget* parent) : QWidget(parent), design_(designSize)
{
    Q_ASSERT(!designSize.isEmpty());
    setMinimumSize(designSize);
    resize(designSize);
}

QRect DesignArea::designRect() const
{
    return {origin_, QSize(qRound(design_.width() * factor_), qRound(design_.height() * factor_))};
}

QWidget* DesignArea::add(const ControlRow& row)
{
    QWidget* control = makeControl(row, this);
    const ControlPlacement placement = placementOf(row);
    placeControl(control, placement, factor_, origin_);
    controls_.push_back({control, placement});
    return control;
}

void DesignArea::addAll(std::span<const ControlRow> rows)
{
    for (const ControlRow& row : rows)
        add(row);
}

void DesignArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize size = event->size();
    const qreal factor =
        std::min(size.width() / qreal(design_.width()), size.height() / qreal(design_.height()));
    const qreal before = factor_;
    const QPoint beforeOrigin = origin_;
    factor_ = std::max<qreal>(factor, 1);
    const QSize shown = designRect().size();
    origin_ = QPoint(std::max(0, (size.width() - shown.width()) / 2),
                     std::max(0, (size.height() - shown.height()) / 2));
    if (factor_ == before && origin_ == beforeOrigin)
        return;
    std::erase_if(controls_, [](const Adopted& a) { return a.control.isNull(); });
    for (const Adopted& a : controls_)
        placeControl(a.control, a.placement, factor_, origin_);
}
