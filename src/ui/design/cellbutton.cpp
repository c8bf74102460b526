#include "ui/design/cellbutton.h"

#include "ui/design/fonts.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

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
/// plain red. A counted cell carries the same stripes in one band down its left edge
/// (`leftOnly`), clear of its right-aligned caption, so the two marks differ without colour.
void paintMark(QPainter& p, const QRect& r, bool leftOnly = false)
{
    const qreal side = std::min(r.width(), r.height());
    const qreal band = side / 6 - 1;
    const QRectF outer = QRectF(r).adjusted(1, 1, -1, -1);
    QPainterPath bands;
    if (leftOnly) {
        bands.addRect(QRectF(outer.topLeft(), QSizeF(band, outer.height())));
    } else {
        bands.addRect(QRectF(outer.topLeft(), QSizeF(outer.width(), band)));
        bands.addRect(QRectF(outer.left(), outer.bottom() - band, outer.width(), band));
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(bands);
    p.setPen(QPen(kStripe, side * 0.08, Qt::SolidLine, Qt::FlatCap));
    const qreal step = side * 0.2;
    for (qreal x = r.left() - side; x < r.right() + side; x += step)
        p.drawLine(QPointF(x + side, r.top()), QPointF(x, r.bottom() + 1));
    p.restore();
}

constexpr QColor kLadder{139, 90, 43, 190};
constexpr QColor kSlide{40, 110, 200, 170};
/// The tokens' fills and outlines, player 0 first.
constexpr std::array<QColor, 2> kTokenFill{QColor{150, 195, 255}, QColor{255, 196, 138}};
constexpr std::array<QColor, 2> kTokenEdge{QColor{16, 60, 150}, QColor{170, 70, 0}};

/// An arrow head at `tip`, pointing down (`down`) or up.
void paintArrowHead(QPainter& p, QPointF tip, qreal size, bool down, const QColor& colour)
{
    const qreal dy = down ? -size : size;
    const QPointF head[] = {
        tip, {tip.x() - size * 0.7, tip.y() + dy}, {tip.x() + size * 0.7, tip.y() + dy}};
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head, 3);
}

/// A cell's half of a ladder or a slide: from its middle to the edge towards the other end.
void paintTrack(QPainter& p, const QRectF& r, Track track)
{
    const qreal side = std::min(r.width(), r.height());
    const QPointF c = r.center();
    const bool ladder = track == Track::LadderStart || track == Track::LadderEnd;
    // A ladder leads a row down, a slide a row up; its start is where the token lands.
    const bool toBottom = track == Track::LadderStart || track == Track::SlideEnd;
    const qreal edge = toBottom ? r.bottom() : r.top();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (ladder) {
        p.setPen(QPen(kLadder, side * 0.07, Qt::SolidLine, Qt::FlatCap));
        const qreal half = side * 0.17;
        p.drawLine(QPointF(c.x() - half, c.y()), QPointF(c.x() - half, edge));
        p.drawLine(QPointF(c.x() + half, c.y()), QPointF(c.x() + half, edge));
        const qreal step = side * 0.17 * (toBottom ? 1 : -1);
        for (qreal y = c.y() + step / 2; toBottom ? y < edge : y > edge; y += step)
            p.drawLine(QPointF(c.x() - half, y), QPointF(c.x() + half, y));
    } else {
        QPainterPath band(QPointF(c.x(), c.y()));
        const qreal swing = side * 0.16;
        const qreal mid = (c.y() + edge) / 2;
        band.cubicTo(QPointF(c.x() + swing, (c.y() + mid) / 2),
                     QPointF(c.x() - swing, (mid + edge) / 2), QPointF(c.x(), edge));
        p.setPen(QPen(kSlide, side * 0.16, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(band);
    }
    if (track == Track::LadderEnd || track == Track::SlideEnd)
        paintArrowHead(p, QPointF(c.x(), c.y() + (toBottom ? -1 : 1) * side * 0.05), side * 0.22,
                       track == Track::LadderEnd, ladder ? kLadder : kSlide);
    p.restore();
}

/// A token: a circle for player 0, a triangle for player 1, inside `box`.
void paintToken(QPainter& p, const QRectF& box, int player)
{
    const auto at = static_cast<std::size_t>(player);
    p.setPen(QPen(kTokenEdge.at(at), std::max(2.0, box.width() * 0.09)));
    p.setBrush(kTokenFill.at(at));
    const QRectF in = box.adjusted(box.width() * 0.08, box.height() * 0.08, -box.width() * 0.08,
                                   -box.height() * 0.08);
    if (player == 0) {
        p.drawEllipse(in);
        return;
    }
    const QPointF corners[] = {{in.center().x(), in.top()}, in.bottomRight(), in.bottomLeft()};
    p.drawPolygon(corners, 3);
}

void paintTokens(QPainter& p, const QRect& r, quint8 tokens)
{
    const QRectF inner = QRectF(r).adjusted(3, 3, -3, -3);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (tokens == 3) { // both players: side by side, smaller
        const qreal w = inner.width() / 2;
        const qreal top = inner.center().y() - w / 2;
        paintToken(p, QRectF(inner.left(), top, w, w), 0);
        paintToken(p, QRectF(inner.left() + w, top, w, w), 1);
    } else {
        paintToken(p, inner, tokens == 1 ? 0 : 1);
    }
    p.restore();
}

} // namespace

void CellButton::setTrack(Track track)
{
    if (track == track_)
        return;
    track_ = track;
    update();
}

void CellButton::showTokens(quint8 tokens)
{
    if (tokens == shownTokens_)
        return;
    shownTokens_ = tokens;
    update();
}

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
    else if (face_ == toColor(colours::kCounted))
        paintMark(p, r, true);
    if (track_ != Track::None)
        paintTrack(p, r, track_);
    if (shownTokens_ != 0)
        paintTokens(p, r, shownTokens_);

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
