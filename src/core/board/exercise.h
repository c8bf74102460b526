#pragma once

#include "core/board/arithmetic.h"
#include "core/board/boardkind.h"
#include "core/board/countongame.h"
#include "core/board/find.h"
#include "core/board/findabove.h"
#include "core/board/hiddennumbers.h"
#include "core/board/recognise.h"
#include "core/board/recogniseabove.h"
#include "core/board/skipcounting.h"

#include <variant>

/// The rules of one board kind, composed into the board frame. Every exercise has
/// `traits`, `fillCaptions`, `drawTask`, `target` (the number the open task
/// asks for), `markRight`, `lock` and `unlock`; it answers
/// clicks with `judgeClick` or typed text with `judgeTyped`, and has a level, a hundred on
/// show or a series when its board has them (`level`/`setLevel`, `hundreds`/`setHundreds`,
/// `series`). `takesClick` decides first whether a click is an answer at all; a game has
/// its die and players (`roll`, `setPlayers`). A task of many answers says with `taskOver`
/// whether a right answer has ended it.
using Exercise =
    std::variant<ArithmeticExercise, RecogniseExercise, FindExercise, RecogniseAboveExercise,
                 FindAboveExercise, CountOnGame, HiddenNumbersExercise, SkipCounting>;

/// The exercise of a board.
Exercise makeExercise(BoardKind kind);
