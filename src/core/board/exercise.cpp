#include "core/board/exercise.h"

Exercise makeExercise(BoardKind kind)
{
    switch (kind) {
    case BoardKind::Form100a:
        return ArithmeticExercise(ArithmeticKind::AddUnits);
    case BoardKind::Form100b:
        return ArithmeticExercise(ArithmeticKind::AddTens);
    case BoardKind::Form100f:
        return ArithmeticExercise(ArithmeticKind::AddTensUnits);
    case BoardKind::Form100c:
        return ArithmeticExercise(ArithmeticKind::SubUnits);
    case BoardKind::Form100d:
        return ArithmeticExercise(ArithmeticKind::SubTens);
    case BoardKind::Form100e:
        return ArithmeticExercise(ArithmeticKind::SubTensUnits);
    case BoardKind::Form100Ricon:
        return RecogniseExercise();
    case BoardKind::Form100Trova:
        return FindExercise();
    case BoardKind::Form100Ricon2:
        return RecogniseAboveExercise();
    case BoardKind::Form100Trova2:
        break;
    }
    return FindAboveExercise();
}
