#pragma once

#include "ui/design/controlrow.h"

class QWidget;

/// Creates the control a design row describes as a child of `parent`: named, with its
/// caption, colours, picture and accessible name, not yet placed (see `placeControl`).
QWidget* makeControl(const ControlRow& row, QWidget* parent);
