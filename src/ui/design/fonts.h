#pragma once

#include "core/board/palette.h"
#include "ui/design/fontstyle.h"

#include <QColor>
#include <QFont>

class QWidget;

/// The font a design asks for, with the fallbacks found on Linux.
QFont makeFont(const FontStyle& style);
QColor toColor(Bgr bgr);

/// Paints a widget's own background (window, label, button face) in `bgr`.
void setBackground(QWidget* widget, Bgr bgr);
