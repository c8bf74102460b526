#pragma once

#include "ui/windows/windowhost.h"

struct ClassList;

/// `FormChiSei`, "Chi sei?": the children of a class as large buttons, each name with its
/// child's symbol, so that a child who cannot read yet finds their own. A class without
/// names says so and offers "Gioca", to play without a name.
class PupilWindow final : public ProgramWindow {
    Q_OBJECT
  public:
    /// `otherClasses`: the window offers a way back to the choice of the class.
    PupilWindow(WindowHost& host, const ClassList& list, bool otherClasses);

  signals:
    /// The child at that position of the list was chosen.
    void chosen(int position);
    void gioca();
    void otherClasses();
};
