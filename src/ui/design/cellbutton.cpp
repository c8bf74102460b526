#include "ui/design/cellbutton.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

constexpr QColor kLightEdge{255, 255, 255};
constexpr QColor kDarkEdge{96, 96, 96};
constexpr QColor kOutline{64, 64, 64};
constexpr QColor kFocusFrame{11, 47, 115};
constexpr int kFocusWidth = 3;
constexpr QColor kMarked{255, 0, 0};
constexpr QColor kStripe{0, 0, 0};

/// The mark of a red cell that needs no colour vision: bands of dark diagonal stripes along
/// the top and bottom edges (a sixth of the side each), on the red face, enabled or not.
/// They are striped where the focus frame is a solid line, and leave the caption's rows
/// plain red.
void paintMark(QPainter& p, const QRect& r)
{
    const qreal side = std::min(r.width(), r.height());
    const qreal band = side / 6 - 1;
    const QRectF outer = QRectF(r).adjusted(1, 1, -1, -1);
    QPainterPath bands;
    bands.addRect(QRectF(outer.topLeft(), QSizeF(outer.width(), band)));
    bands.addRect(QRectF(outer.left(), outer.bottom() - band, outer.width(), band));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(bands);
    p.setPen(QPen(kStripe, side * 0.08, Qt::SolidLine, Qt::FlatCap));
    const qreal step = side * 0.2;
    for (qreal x = r.left() - side; x < r.right() + side; x += step)
        p.drawLine(QPointF(x + side, r.top()), QPointF(x, r.bottom() + 1));
    p.restore();
}

} // namespace

CellButton::CellButton(QWidget* parent) : QPushButton(parent) {}

void CellButton::setFaceColour(const QColor& colour)
{
    if (colour == face_)
        return;
    face_ = colour;
    update();
}

void CellButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, face_);
    if (face_ == kMarked)
        paintMark(p, r);

    // A raised edge, sunken while pressed; the face inside it keeps its exact colour.
    const bool down = isDown();
    p.setPen(down ? kDarkEdge : kLightEdge);
    p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    p.setPen(down ? kLightEdge : kDarkEdge);
    p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    p.setPen(kOutline);
    p.drawRect(r.adjusted(0, 0, -1, -1));

    if (hasFocus()) {
        const int inset = 2 + kFocusWidth / 2;
        p.setPen(QPen(kFocusFrame, kFocusWidth));
        p.drawRect(r.adjusted(inset, inset, -inset - 1, -inset - 1));
    }

    p.setFont(font());
    p.setPen(Qt::black);
    const QRect captionArea = down ? r.translated(1, 1) : r;
    p.drawText(captionArea, Qt::AlignCenter | Qt::TextSingleLine, text());
}
