#pragma once

#include "core/base/level.h"

#include <QList>
#include <QString>
#include <array>
#include <bitset>

class RandomSource;

/// `GeneraNumeri`: `count` numbers from 0 to 99, one draw each; the first eight are drawn
/// again while they repeat an earlier one, the others may repeat. Precondition: count >= 8.
QList<int> generaNumeri(int count, RandomSource& random);

/// What a grid worksheet window shows: the captions of its 100 cells, the instruction
/// (`Text2`), the text box beside the grid (`Text1`), lines ending in CR LF, and the cells
/// shaded grey.
struct GridSheet {
    std::array<QString, 100> captions;
    QString instruction;
    QString sideText;
    std::bitset<100> shaded;
};

/// `formStampa1`: the ten numbers to colour or write, for the level of the find board.
GridSheet findGridSheet(const QList<int>& numbers, Level level);

/// `formStampa2`: an X in the cells of the twelve numbers and six lines of two answer fields.
GridSheet recogniseGridSheet(const QList<int>& numbers);

/// The hidden numbers' sheet and its solution: every number, the `covered` cells grey and
/// empty on the sheet, grey with their numbers on the solution.
std::array<GridSheet, 2> hiddenGridSheets(const std::bitset<100>& covered);

/// The cells of a count in steps of `step` (negative: counting back) from `start`, up to
/// `highest` or down to 0.
std::bitset<100> countedCells(int step, int start, int highest);

/// The counting sheet and its solution: the numbers up to `highest` to colour counting in
/// steps ("Colora i numeri contando di 3 in 3"), the counted cells grey on the solution.
std::array<GridSheet, 2> stepGridSheets(int step, int start, int highest);
