#pragma once

#include "ui/windows/windowhost.h"

struct ProgramState;
class RandomSource;

/// `FormAvvio`: the start window with its "Avvio" button. Loading it sets the highest
/// number in play to 99 and draws its colour from the menu palette.
class StartWindow final : public ProgramWindow {
    Q_OBJECT
  public:
    StartWindow(WindowHost& host, ProgramState& state, RandomSource& random);

  signals:
    void avvio();
};
