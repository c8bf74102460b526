#pragma once

#include "core/sheets/worksheetkind.h"

#include <QString>

class RandomSource;

/// A worksheet of 60 exercises and the solutions of the same exercises, in the same cells.
/// Lines end with CR LF.
struct Worksheet {
    QString sheet;
    QString solutions;
};

/// Builds the worksheet of kind `tipoScheda` with 120 draws, two per exercise, row by row and
/// cell by cell.
Worksheet faiScheda(WorksheetKind tipoScheda, RandomSource& random);

/// "           ESEGUI LE ADDIZIONI" or "           ESEGUI LE SOTTRAZIONI".
QString worksheetTitle(WorksheetKind tipoScheda);
