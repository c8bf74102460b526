#include "ui/design/fonts.h"

#include <QPalette>
#include <QWidget>

QFont makeFont(const FontStyle& style)
{
    QFont font;
    switch (style.family) {
    case FontFamily::Arial:
        font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
        break;
    case FontFamily::ComicSans:
        font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                          QStringLiteral("Liberation Sans")});
        break;
    case FontFamily::MsSansSerif:
        font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("DejaVu Sans")});
        break;
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    return font;
}

QColor toColor(Bgr bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

void setBackground(QWidget* widget, Bgr bgr)
{
    const QColor colour = toColor(bgr);
    if (widget->autoFillBackground() &&
        widget->palette().color(QPalette::Active, widget->backgroundRole()) == colour)
        return; // a new palette would reach every child
    QPalette palette = widget->palette();
    // Only the widget's own background role: a window's colour must not reach its buttons.
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
