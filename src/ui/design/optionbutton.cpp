#include "ui/design/optionbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WrappingRadioButton::setFactor(qreal factor)
{
    factor_ = factor;
    update();
}

void WrappingRadioButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect design = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    const QSize size = design.size() * factor_;
    const QRect indicator(design.left(), (height() - size.height()) / 2, size.width(),
                          size.height());
    option.rect = indicator;
    p.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
    const QRect text = rect().adjusted(indicator.right() + qRound(5 * factor_), 0, 0, 0);
    p.drawItemText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, palette(),
                   isEnabled(), this->text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = text;
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
