#pragma once

#include "core/board/boardkind.h"

#include <optional>

class QComboBox;
class RunRecord;

/// The lists of the teacher's pages that choose what a map shows: the board and, above 99,
/// the hundred. Filling a list sends no change signal.
namespace resultlists {

/// The boards with answers in `record`, in the order of the main menu (the first board when
/// none has any); the board chosen before stays chosen while it is listed.
void fillBoards(QComboBox& list, const RunRecord& record);
/// The board chosen in a list that `fillBoards` filled.
std::optional<BoardKind> chosenBoard(const QComboBox& list);
/// The hundreds of the board: "da 0 a 99" alone, disabled, for a board within 99; above 99
/// every hundred from 100 on, and the one below it only when it was asked. The hundred chosen
/// before stays chosen, or else the first one asked.
void fillHundreds(QComboBox& list, const RunRecord& record, std::optional<BoardKind> board);

} // namespace resultlists
