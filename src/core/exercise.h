#pragma once

#include "core/arithmetic.h"
#include "core/boardkind.h"
#include "core/find.h"
#include "core/findabove.h"
#include "core/recognise.h"
#include "core/recogniseabove.h"

#include <variant>

/// The rules of one board kind, composed into the board frame. Every exercise has
/// `traits`, `fillCaptions`, `drawTask`, `target` (the number the open task
/// asks for), `markRight`, `lock` and `unlock`; it answers
/// clicks with `judgeClick` or typed text with `judgeTyped`, and has a level, a hundred on
/// show or a series when its board has them (`level`/`setLevel`, `hundreds`/`setHundreds`,
/// `series`).
using Exercise = std::variant<ArithmeticExercise, RecogniseExercise, FindExercise,
                              RecogniseAboveExercise, FindAboveExercise>;

/// The exercise of a board.
Exercise makeExercise(BoardKind kind);
