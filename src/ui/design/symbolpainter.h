#pragma once

#include "core/classes/pupilsymbol.h"

#include <QRectF>

class QPainter;

/// Draws a child's symbol centred in the square of `box`: its shape in its fill and colour,
/// always inside a dark outline, so that a light colour shows on a light face and the
/// fill reads in grey as well.
void paintSymbol(QPainter& painter, const QRectF& box, const PupilSymbol& symbol);
