#include "ui/design/placement.h"

#include "core/base/runtime.h"
#include "ui/design/fonts.h"
#include "ui/design/optionbutton.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStyle>
#include <QWidget>

namespace {

constexpr int kIconSize = 32;

/// A scroll bar a child sees at once: a white track, a large blue handle and big arrow buttons;
/// red border when it has the keyboard focus. Its measures grow with the design's `factor`.
QString scrollBarStyle(qreal factor)
{
    const auto px = [factor](int v) { return QString::number(qRound(v * factor)); };
    return QStringLiteral(R"(
QScrollBar:horizontal { background: #ffffff; border: %1px solid #0b2f73; border-radius: %2px;
                        margin: 0 %3px 0 %3px; }
QScrollBar:horizontal:focus { border-color: #d81f26; }
QScrollBar::handle:horizontal { background: #1f5fd6; min-width: %4px; border-radius: %5px;
                                margin: %1px; }
QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal {
    background: #1f5fd6; width: %6px; border: %1px solid #0b2f73; border-radius: %2px;
    subcontrol-origin: margin; }
QScrollBar::add-line:horizontal { subcontrol-position: right; }
QScrollBar::sub-line:horizontal { subcontrol-position: left; }
QScrollBar::left-arrow:horizontal { image: url(:/pictures/freccia_sinistra.svg); width: %7px; height: %7px; }
QScrollBar::right-arrow:horizontal { image: url(:/pictures/freccia_destra.svg); width: %7px; height: %7px; }
QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal { background: none; }
)")
        .arg(px(2), px(4), px(28), px(36), px(3), px(26), px(14));
}

/// An option button whose wrapped caption would fill its box to the edges grows to the
/// right (by half its width at most), so the caption keeps clear of the controls below.
void fitOption(WrappingRadioButton* option, qreal factor)
{
    option->setFactor(factor);
    const int indicator =
        qRound((option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) + 8) * factor);
    const QFontMetrics metrics(option->font());
    const auto textHeight = [&](int width) {
        return metrics
            .boundingRect(QRect(0, 0, width - indicator, 10000), Qt::TextWordWrap, option->text())
            .height();
    };
    const int room = option->height() - metrics.height() / 2;
    int width = option->width();
    while (textHeight(width) > room && width < option->width() * 3 / 2)
        width += 4;
    option->resize(width, option->height());
}

/// A button whose caption is wider than the button grows around its centre, so the caption
/// is read whole rather than cut short.
void fitButton(QAbstractButton* button)
{
    const int needed = QFontMetrics(button->font()).horizontalAdvance(button->text()) + 12;
    if (needed <= button->width())
        return;
    const QRect r = button->geometry();
    button->setGeometry(r.center().x() - needed / 2, r.top(), needed, r.height());
}

/// A label wraps when its box holds two lines or more; a one-line label that its caption
/// does not fit grows to the right rather than cut the caption off.
void fitLabel(QLabel* label)
{
    const QFontMetrics metrics(label->font());
    if (label->height() >= 2 * metrics.lineSpacing())
        return;
    label->setWordWrap(false);
    const int needed = metrics.horizontalAdvance(label->text()) + 2 * label->margin() + 2;
    if (needed > label->width())
        label->resize(needed, label->height());
}

} // namespace

ControlPlacement placementOf(const ControlRow& row)
{
    return {row.kind, runtime::twipsRect(row.left, row.top, row.width, row.height), row.font,
            row.picture != nullptr};
}

void placeControl(QWidget* control, const ControlPlacement& placement, qreal factor, QPoint origin)
{
    const QRect& r = placement.rect;
    // Edges rounded, not sizes: neighbours that touch in the design touch at every size.
    const auto at = [factor](int v) { return qRound(v * factor); };
    control->setGeometry(QRect(QPoint(origin.x() + at(r.left()), origin.y() + at(r.top())),
                               QPoint(origin.x() + at(r.left() + r.width()) - 1,
                                      origin.y() + at(r.top() + r.height()) - 1)));
    QFont font = makeFont(placement.font);
    font.setPointSizeF(placement.font.points * factor);
    control->setFont(font);
    if (placement.picture) {
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setIconSize(QSize(at(kIconSize), at(kIconSize)));
    }
    switch (placement.kind) {
    case ControlKind::Label:
        fitLabel(static_cast<QLabel*>(control));
        break;
    case ControlKind::CaptionedPicture:
        fitButton(static_cast<QAbstractButton*>(control));
        break;
    case ControlKind::OptionButton:
        fitOption(static_cast<WrappingRadioButton*>(control), factor);
        break;
    case ControlKind::ScrollBar: {
        const QString style = scrollBarStyle(factor);
        if (control->styleSheet() != style)
            control->setStyleSheet(style);
        break;
    }
    default:
        break;
    }
}
