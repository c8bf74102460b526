#pragma once

#include "core/sheets/worksheetkind.h"

#include <optional>

/// The state that lives for the whole run and passes between windows. Every number is a
/// 16-bit signed whole number.
struct ProgramState {
    qint16 quantiEsatti = 0;
    qint16 quantiErrati = 0;
    bool attendiBottone = true; // wait for "avanti" after a right answer
    qint16 numeroMassimo = 99;  // highest number in play
    qint16 primoNumero = 0;
    qint16 secondoNumero = 0;
    qint16 risultato = 0;
    qint16 numeroCercato = 0;
    std::optional<WorksheetKind> tipoScheda; // which worksheet the worksheet window builds
};
