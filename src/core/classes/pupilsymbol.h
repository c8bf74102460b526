#pragma once

#include "core/board/palette.h"

#include <QString>

/// The shapes a child's symbol is drawn in, in the order the positions of a class list take them.
enum class SymbolShape {
    Cerchio,
    Triangolo,
    Quadrato,
    Stella,
    Cuore,
    Luna,
    Croce,
    Rombo,
    Fiore,
    Esagono
};

/// How a symbol's shape is filled; with the shape, it tells every symbol of a class apart
/// without colour.
enum class SymbolFill { Pieno, Righe, Puntini, Vuoto };

/// The picture beside a child's name, for the children who cannot read it yet.
struct PupilSymbol {
    SymbolShape shape;
    SymbolFill fill;
    Bgr colour;

    friend bool operator==(const PupilSymbol&, const PupilSymbol&) = default;
};

namespace pupilsymbol {

inline constexpr int kShapes = 10;
inline constexpr int kFills = 4;
/// As many symbols as a class has children at most, each a shape and a fill of its own.
inline constexpr int kDistinct = kShapes * kFills;

/// The symbol of the child at `position` in the class list (from 0): the same child keeps
/// the same symbol as long as the list keeps its order. The shapes come round first, then the
/// fills; the colour changes from one position to the next as well.
PupilSymbol of(int position);

/// The symbol in words, as assistive technology reads it: "triangolo rosso",
/// "stella blu a righe", "croce nera vuota".
QString words(const PupilSymbol& symbol);

} // namespace pupilsymbol
