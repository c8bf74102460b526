#pragma once

#include "ui/design/controlrow.h"

#include <QPoint>

class QWidget;

/// Places and styles a control made from a design row at `factor` times the design
/// (factor 1: the design), with the design's top left corner at `origin`; a caption that
/// does not fit its box at that size makes the box grow as the design rows say.
void placeControl(QWidget* control, const ControlPlacement& placement, qreal factor,
                  QPoint origin = {});
