#pragma once

#include "core/classes/pupilsymbol.h"
#include "ui/windows/windowhost.h"

#include <vector>

class QButtonGroup;
struct ClassList;

/// `FormChiSei`, "Chi sei?": the children of a class as large buttons, each name with its
/// child's symbol, so that a child who cannot read yet finds their own. A class without
/// names says so and offers "Gioca", to play without a name. The symbols come with
/// `setSymbols`, once the class's past sessions tell them.
class PupilWindow final : public ProgramWindow {
    Q_OBJECT
  public:
    /// `otherClasses`: the window offers a way back to the choice of the class.
    PupilWindow(WindowHost& host, const ClassList& list, bool otherClasses);
    /// One symbol for each child, in the order of the list.
    void setSymbols(const std::vector<PupilSymbol>& symbols);

  signals:
    /// The child at that position of the list was chosen.
    void chosen(int position);
    void gioca();
    void otherClasses();

  private:
    QButtonGroup* group_;
};
