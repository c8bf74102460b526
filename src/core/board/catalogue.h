#pragma once

#include "core/board/boardkind.h"
#include "core/sheets/worksheetkind.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <span>

/// The groups of the main menu, each under its label.
enum class MenuGroup { Numbers, Addition, Subtraction, Above99, Games };

/// Which exercise a board plays.
enum class Rules { Arithmetic, Recognise, Find, RecogniseAbove, FindAbove, CountOn, Hidden, Steps };

/// What the voice says on a board: the number to find whenever a new one appears; the
/// addition or the subtraction when it appears and its result after a right answer; the
/// number of the red cell after a right answer; the square of the token to move whenever a
/// turn starts, and the count on from it after a right answer.
enum class Spoken { NumberToFind, Addition, Subtraction, RedCellAfterRight, CountOn };

/// What "Stampa scheda" of a board opens: no sheet, the arithmetic worksheet, a grid sheet.
enum class SheetWindow { None, Arithmetic, FindGrid, RecogniseGrid, HiddenGrid, StepsGrid };

/// What "Stampa scheda" prints: the window, the arithmetic worksheet it builds, and whether
/// the sheet follows the level of the board that opened it while that board is open.
struct BoardSheet {
    SheetWindow window = SheetWindow::None;
    std::optional<WorksheetKind> worksheet = std::nullopt;
    bool followsLevel = false;
};

/// Everything the program knows of one board besides its window design.
struct BoardEntry {
    BoardKind kind;
    /// The board's name in the files the program keeps: set once, never changed nor reused.
    const char* id;
    const char16_t* caption; // on its button in the main menu
    MenuGroup group;
    /// On the teacher's page: the menu's caption, with the group where two buttons share it.
    const char16_t* pageName;
    int highest;     // the largest number a task asks for
    bool byHundreds; // shows one hundred at a time, chosen or drawn
    Rules rules;
    std::optional<ArithmeticKind> arithmetic;
    BoardSheet sheet;
    Spoken spoken;
};

/// Every board, in the order of the main menu (its two columns, which is also its Tab order)
/// and of the teacher's page.
std::span<const BoardEntry> boardCatalogue();

/// The entry of a board kind; every kind has exactly one.
const BoardEntry& boardEntry(BoardKind kind);

/// A board's stable id, as "trova-0-99": the catalogue's `id`.
QString boardId(BoardKind kind);
/// The board a stable name names, in any case; nothing for another name.
std::optional<BoardKind> boardById(QStringView id);
