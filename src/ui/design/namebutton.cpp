#include "ui/design/namebutton.h"

#include "ui/design/symbolpainter.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr QColor kFocusFrame{11, 47, 115};
/// The smallest a name is drawn, as a share of the button's own font size.
constexpr qreal kSmallestShare = 0.7;

struct FittedText {
    QFont font;
    int flags;
    QString text;
};

/// The largest font from `font` down to its smallest share in which `text` fits `box` on one
/// line or on two; at the smallest size, the text cut short on one line.
FittedText fitted(const QString& text, QFont font, const QRect& box)
{
    const qreal full = font.pointSizeF();
    for (qreal points = full; points >= full * kSmallestShare - 0.01; points -= full * 0.05) {
        font.setPointSizeF(points);
        const QFontMetrics metrics(font);
        for (const int lines : {1, 2}) {
            const int flags =
                Qt::AlignCenter | (lines == 1 ? Qt::TextSingleLine : Qt::TextWordWrap);
            const QRect needed = metrics.boundingRect(box, flags, text);
            if (needed.width() <= box.width() && needed.height() <= box.height() &&
                needed.height() <= lines * metrics.lineSpacing())
                return {font, flags, text};
        }
    }
    const QFontMetrics metrics(font);
    return {font, Qt::AlignCenter | Qt::TextSingleLine,
            metrics.elidedText(text, Qt::ElideRight, box.width())};
}

} // namespace

NameButton::NameButton(QWidget* parent) : QPushButton(parent) {}

void NameButton::setSymbol(const PupilSymbol& symbol)
{
    symbol_ = symbol;
    update();
}

void NameButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.state &= ~QStyle::State_HasFocus; // drawn below, thicker
    p.drawControl(QStyle::CE_PushButtonBevel, option);

    const int margin = std::max(4, height() / 8);
    QRect inside = rect().adjusted(margin, margin, -margin, -margin);
    if (isDown())
        inside.translate(1, 1);
    if (symbol_) {
        const int side = std::min(inside.height(), inside.width() / 3);
        paintSymbol(
            p, QRectF(inside.left(), inside.top() + (inside.height() - side) / 2.0, side, side),
            *symbol_);
        inside.setLeft(inside.left() + side + margin / 2);
    }
    const FittedText name = fitted(text(), font(), inside);
    p.setFont(name.font);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(inside, name.flags, name.text);

    if (hasFocus()) {
        const int width = std::max(3, height() / 16);
        p.setPen(QPen(kFocusFrame, width));
        p.setBrush(Qt::NoBrush);
        const int inset = width / 2 + 2;
        p.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}
