#pragma once

#include <QtGlobal>

/// The arithmetic worksheets (`FaiScheda15` ... `FaiScheda22`), numbered as the program has
/// always numbered them.
enum class WorksheetKind : qint16 {
    AddTensUnits = 15,
    SubTensUnits = 17,
    AddUnits = 19,
    AddTens = 20,
    SubUnits = 21,
    SubTens = 22,
};
