#pragma once

#include "core/classes/pupilsymbol.h"

#include <QString>
#include <optional>
#include <vector>

class QButtonGroup;
class QWidget;

/// One large button of a page of names: a class, or a child with the child's symbol.
struct Choice {
    QString caption;
    std::optional<PupilSymbol> symbol;
};

/// What a page of names shows: its title, a notice when something is not as expected, the
/// names to choose from, and the ways out that it offers.
struct ChoicePage {
    const char16_t* title;
    QString notice;
    std::vector<Choice> choices;
    const char* choiceName;    // the choices are named choiceName(0), choiceName(1), …
    double points = 16;        // the size of the names: short names can be larger
    bool gioca = false;        // "Gioca": play without a name
    bool otherClasses = false; // "Altre classi": back to the classes
};

namespace choicedesign {

/// The client area of a page of names, built on `window` and set as its central widget.
/// The choices go in a group whose ids are their positions; the arrows move between them
/// as they stand on the page, Enter presses them as Space does. The first choice, or else
/// "Gioca", has the focus.
QButtonGroup* build(QWidget* window, const ChoicePage& page);

/// Gives the choices of the group built by `build` their symbols, in the order of the
/// choices, and says them in their names for assistive technology.
void setSymbols(QButtonGroup& group, const std::vector<PupilSymbol>& symbols);

} // namespace choicedesign
