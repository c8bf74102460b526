#include "ui/cellbutton.h"

#include <QPainter>

namespace {

constexpr QColor kLightEdge{255, 255, 255};
constexpr QColor kDarkEdge{96, 96, 96};
constexpr QColor kOutline{64, 64, 64};
constexpr QColor kFocusFrame{11, 47, 115};
constexpr int kFocusWidth = 3;

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
