#include "ui/design/symbolpainter.h"

#include "ui/design/fonts.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

namespace {

constexpr QColor kOutline{40, 40, 40};

/// A regular polygon or a star of `points` tips in the unit square, the first tip on top.
QPainterPath polygon(int points, qreal inner)
{
    QPolygonF corners;
    const int steps = inner > 0 ? 2 * points : points;
    for (int i = 0; i < steps; ++i) {
        const qreal radius = inner > 0 && i % 2 ? inner : 0.5;
        const qreal angle = -M_PI / 2 + 2 * M_PI * i / steps;
        corners << QPointF(0.5 + radius * qCos(angle), 0.5 + radius * qSin(angle));
    }
    QPainterPath path;
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
}

/// The shape in the unit square.
QPainterPath shapePath(SymbolShape shape)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill); // the parts of a cross or a flower overlap
    switch (shape) {
    case SymbolShape::Cerchio:
        path.addEllipse(QRectF(0.04, 0.04, 0.92, 0.92));
        break;
    case SymbolShape::Triangolo:
        path.addPolygon(QPolygonF{{0.5, 0.04}, {0.97, 0.9}, {0.03, 0.9}});
        path.closeSubpath();
        break;
    case SymbolShape::Quadrato:
        path.addRect(QRectF(0.1, 0.1, 0.8, 0.8));
        break;
    case SymbolShape::Stella:
        path = polygon(5, 0.21);
        break;
    case SymbolShape::Cuore:
        path.moveTo(0.5, 0.93);
        path.cubicTo(0.2, 0.7, -0.05, 0.45, 0.1, 0.22);
        path.cubicTo(0.22, 0.05, 0.45, 0.08, 0.5, 0.28);
        path.cubicTo(0.55, 0.08, 0.78, 0.05, 0.9, 0.22);
        path.cubicTo(1.05, 0.45, 0.8, 0.7, 0.5, 0.93);
        break;
    case SymbolShape::Luna: {
        QPainterPath bite;
        path.addEllipse(QRectF(0.04, 0.04, 0.92, 0.92));
        bite.addEllipse(QRectF(0.36, -0.04, 0.8, 0.8));
        path = path.subtracted(bite);
        break;
    }
    case SymbolShape::Croce:
        path.addRect(QRectF(0.32, 0.04, 0.36, 0.92));
        path.addRect(QRectF(0.04, 0.32, 0.92, 0.36));
        path = path.simplified();
        break;
    case SymbolShape::Rombo:
        path.addPolygon(QPolygonF{{0.5, 0.02}, {0.86, 0.5}, {0.5, 0.98}, {0.14, 0.5}});
        path.closeSubpath();
        break;
    case SymbolShape::Fiore:
        for (int i = 0; i < 5; ++i) {
            const qreal angle = -M_PI / 2 + 2 * M_PI * i / 5;
            path.addEllipse(QPointF(0.5 + 0.31 * qCos(angle), 0.52 + 0.31 * qSin(angle)), 0.17,
                            0.17);
        }
        path.addEllipse(QPointF(0.5, 0.52), 0.18, 0.18);
        path = path.simplified();
        break;
    case SymbolShape::Esagono:
        path = polygon(6, 0);
        break;
    }
    return path;
}

/// Diagonal bands of `colour` across `area`, as wide as the gaps between them.
void paintStripes(QPainter& p, const QRectF& area, const QColor& colour)
{
    const qreal side = area.width();
    p.setPen(QPen(colour, side * 0.11, Qt::SolidLine, Qt::FlatCap));
    for (qreal x = -side; x < side; x += side * 0.22)
        p.drawLine(QPointF(area.left() + x, area.bottom()),
                   QPointF(area.left() + x + side, area.top()));
}

/// Round dots of `colour` in rows across `area`.
void paintDots(QPainter& p, const QRectF& area, const QColor& colour)
{
    const qreal step = area.width() / 5;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 6; ++column) {
            const QPointF centre(area.left() + step * (column + (row % 2 ? 0.5 : 0.0)),
                                 area.top() + step * row);
            p.drawEllipse(centre, step * 0.3, step * 0.3);
        }
    }
}

} // namespace

void paintSymbol(QPainter& p, const QRectF& box, const PupilSymbol& symbol)
{
    const qreal side = std::min(box.width(), box.height());
    const QRectF square(box.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    QTransform toBox;
    toBox.translate(square.left(), square.top());
    toBox.scale(side, side);
    const QPainterPath path = toBox.map(shapePath(symbol.shape));
    const QColor colour = toColor(symbol.colour);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path, symbol.fill == SymbolFill::Pieno ? colour : QColor(Qt::white));
    p.setClipPath(path);
    if (symbol.fill == SymbolFill::Righe)
        paintStripes(p, square, colour);
    else if (symbol.fill == SymbolFill::Puntini)
        paintDots(p, square, colour);
    else if (symbol.fill == SymbolFill::Vuoto)
        p.strokePath(path, QPen(colour, side * 0.2)); // half of it inside the clip
    p.setClipping(false);
    p.strokePath(path, QPen(kOutline, std::max<qreal>(1.5, side * 0.04)));
    p.restore();
}
