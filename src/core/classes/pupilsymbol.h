#pragma once

#include "core/board/palette.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

/// The shapes a child's symbol is drawn in, in the order the symbols of a class are numbered.
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

/// The symbol numbered `index` (from 0): the shapes come round first, then the fills; the
/// colour changes from one number to the next as well.
PupilSymbol of(int index);

/// When each child of a class first played: the child's folder name in the results folder
/// (`sessionfile::folderName`) and the start of the earliest session there.
using FirstPlayed = std::map<QString, QDateTime>;

/// The number of the symbol a name would have alone: a hash of the name, the same on every
/// machine and in every run.
int preferred(const QString& name);

/// The symbols of the class list's `names`, in their order. The children take their symbols in
/// the order in which they first played, then those who never played in the order of their
/// names; each takes its preferred symbol or, when it is taken, the next free one. A child of
/// `firstPlayed` who is no longer in the list keeps a place too. So adding, removing or
/// moving other names never changes the symbol of a child who has played, and a new child
/// gets a symbol nobody of the class has while the class has fewer than `kDistinct`.
std::vector<PupilSymbol> ofClass(const QStringList& names, const FirstPlayed& firstPlayed);

/// The symbol in words, as assistive technology reads it: "triangolo rosso",
/// "stella blu a righe", "croce nera vuota".
QString words(const PupilSymbol& symbol);

} // namespace pupilsymbol
