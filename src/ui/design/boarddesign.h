#pragma once

#include "core/board/boardkind.h"
#include "ui/design/controlrow.h"

#include <span>

/// What a board's menu item does.
enum class BoardCommand {
    Azzera,
    NumeroMassimo,
    Stampa,
    Informazioni,
    Esci,
    Quadena, // opens its submenu of levels, no action of its own
    Facile,
    Media,
    Difficile,
    Giocatori, // opens its submenu of players, no action of its own
    OnePlayer,
    TwoPlayers,
};

/// A menu item: its name, its caption with the design's trailing blanks, its action and,
/// for an item that opens a submenu, the submenu's items.
struct MenuItemRow {
    const char* name;
    const char16_t* caption;
    BoardCommand command;
    std::span<const MenuItemRow> submenu = {};
};

/// The design of one board window: name, client area in twips, the controls particular to
/// the board (the cells, counters and faces are common to all), its menu bar, and the
/// point size of the cell captions.
struct BoardDesign {
    BoardKind kind;
    const char* name;
    int width;
    int height;
    std::span<const ControlRow> controls;
    std::span<const MenuItemRow> menu;
    double cellPoints;
};

/// Controls every board has besides its cells: counters with their captions and the faces.
std::span<const ControlRow> commonBoardControls();

/// Row and column of a cell in twips: Left = 120 + 600 (i mod 10), Top = 120 + 600 (i div 10).
ControlRow cellRow(int index, double points);

/// The column the on-screen keypad adds to the right of a board's design, in twips, and the
/// keypad's row in it: keys of 46 pixels at the design size, centred in the column.
inline constexpr int kKeypadColumn = 2430;
ControlRow keypadRow(const BoardDesign& design);
/// The "ascolta" button in that column, as large as a key of the keypad: level with the task
/// or the answer box, or above the keypad when the column has one.
ControlRow speakerRow(const BoardDesign& design, bool withKeypad);

/// The design of a board, or nothing for a kind without one.
const BoardDesign* findBoardDesign(BoardKind kind);
/// The design of a board that has one.
const BoardDesign& boardDesign(BoardKind kind);
