#pragma once

#include "core/board/boardkind.h"
#include "core/sheets/worksheetkind.h"

#include <optional>

/// The window "Stampa scheda" shows.
enum class SheetWindow { Arithmetic, FindGrid, RecogniseGrid };

/// What "Stampa scheda" of a board prints: the sheet window, the arithmetic worksheet it
/// builds, and the board whose level the sheet follows while that board is open.
struct BoardSheet {
    BoardKind board;
    SheetWindow window;
    std::optional<WorksheetKind> kind = std::nullopt;
    std::optional<BoardKind> levelSource = std::nullopt;
};

/// The boards with "Stampa scheda" on their menu.
inline constexpr BoardSheet kBoardSheets[] = {
    {BoardKind::Form100a, SheetWindow::Arithmetic, WorksheetKind::AddUnits},
    {BoardKind::Form100b, SheetWindow::Arithmetic, WorksheetKind::AddTens},
    {BoardKind::Form100f, SheetWindow::Arithmetic, WorksheetKind::AddTensUnits},
    {BoardKind::Form100c, SheetWindow::Arithmetic, WorksheetKind::SubUnits},
    {BoardKind::Form100d, SheetWindow::Arithmetic, WorksheetKind::SubTens},
    {BoardKind::Form100e, SheetWindow::Arithmetic, WorksheetKind::SubTensUnits},
    {BoardKind::Form100Ricon, SheetWindow::RecogniseGrid},
    {BoardKind::Form100Trova, SheetWindow::FindGrid, std::nullopt, BoardKind::Form100Trova},
};

/// The sheet of a board, or nothing for a board that prints none.
constexpr const BoardSheet* boardSheet(BoardKind kind)
{
    for (const BoardSheet& sheet : kBoardSheets) {
        if (sheet.board == kind)
            return &sheet;
    }
    return nullptr;
}
