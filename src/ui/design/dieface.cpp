#include "ui/design/dieface.h"

#include <QPainter>
#include <array>

namespace {

/// Where the dots of each face stand, in thirds of the face: columns and rows 0 to 2.
struct Dot {
    int column;
    int row;
};
constexpr std::array<std::array<Dot, 6>, 6> kDots{{
    {{{1, 1}}},
    {{{0, 0}, {2, 2}}},
    {{{0, 0}, {1, 1}, {2, 2}}},
    {{{0, 0}, {2, 0}, {0, 2}, {2, 2}}},
    {{{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}}},
    {{{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}}},
}};

} // namespace

DieFace::DieFace(QWidget* parent) : QWidget(parent)
{
    setFace(0, false);
}

void DieFace::setFace(int value, bool fresh)
{
    if (value == value_ && fresh == fresh_)
        return;
    value_ = value;
    fresh_ = fresh;
    QString name = QStringLiteral("dado");
    if (value_ > 0)
        name += QStringLiteral(": %1").arg(value_);
    if (!fresh_)
        name += QStringLiteral(", da lanciare");
    setAccessibleName(name);
    update();
}

void DieFace::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height()) - 2;
    const QRectF face((width() - side) / 2, (height() - side) / 2, side, side);
    p.setPen(QPen(QColor(40, 40, 40), std::max(1.5, side * 0.04)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(face, side * 0.16, side * 0.16);
    if (value_ < 1 || value_ > 6) {
        QFont f = font();
        f.setPixelSize(static_cast<int>(side * 0.6));
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(90, 90, 90));
        p.drawText(face, Qt::AlignCenter, QStringLiteral("?"));
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fresh_ ? QColor(20, 20, 20) : QColor(160, 160, 160));
    const qreal third = side / 3.6;
    const qreal radius = side * 0.09;
    const auto& dots = kDots.at(static_cast<std::size_t>(value_ - 1));
    for (int k = 0; k < value_; ++k) { // a face of n dots lists n
        const Dot& d = dots.at(static_cast<std::size_t>(k));
        const QPointF centre(face.center().x() + (d.column - 1) * third,
                             face.center().y() + (d.row - 1) * third);
        p.drawEllipse(centre, radius, radius);
    }
}
