#pragma once

#include "core/board/boardkind.h"
#include "ui/windows/windowhost.h"

#include <functional>

struct ProgramState;
class RandomSource;

/// `FormMenu`: one button per exercise board, the choice between waiting for "avanti" and
/// going on automatically, and "Esci". Loading it sets the options from the program's
/// mode and draws its colour from the menu palette. A small "Risultati" in the free corner
/// opens the teacher's page. With classes set, "Cambia bambino" under the left column goes
/// back to the choice of the child.
class MenuWindow final : public ProgramWindow {
    Q_OBJECT
  public:
    MenuWindow(WindowHost& host, ProgramState& state, RandomSource& random,
               bool cambiaBambino = false);

    /// The boards `offered` refuses stay in place, disabled; the others are enabled.
    void offerOnly(const std::function<bool(BoardKind)>& offered);
    /// The mode's choice shows `waits`.
    void showMode(bool waits);
    /// The mode is the machine's: its choice is disabled.
    void lockMode();

  signals:
    void boardChosen(BoardKind board);
    void esci();
    /// The teacher's page was asked for.
    void risultati();
    /// The next child at the whiteboard.
    void cambiaBambino();
};
