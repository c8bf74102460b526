#pragma once

#include <QString>
#include <optional>

class RandomSource;

/// A worksheet of 60 exercises and the solutions of the same exercises, in the same cells.
/// Lines end with CR LF.
struct Worksheet {
    QString sheet;
    QString solutions;
};

/// Builds the worksheet of kind `tipoScheda` (15, 17, 19, 20, 21 or 22; `FaiScheda15` ...
/// `FaiScheda22`) with 120 draws, two per exercise, row by row and cell by cell. Nothing for
/// any other kind, and then nothing is drawn.
std::optional<Worksheet> faiScheda(int tipoScheda, RandomSource& random);

/// "           ESEGUI LE ADDIZIONI" or "           ESEGUI LE SOTTRAZIONI".
QString worksheetTitle(int tipoScheda);
