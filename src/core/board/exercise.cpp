#include "core/board/exercise.h"

#include "core/board/catalogue.h"

Exercise makeExercise(BoardKind kind)
{
    const BoardEntry& entry = boardEntry(kind);
    switch (entry.rules) {
    case Rules::Arithmetic:
        return ArithmeticExercise(*entry.arithmetic);
    case Rules::Recognise:
        return RecogniseExercise();
    case Rules::Find:
        return FindExercise();
    case Rules::RecogniseAbove:
        return RecogniseAboveExercise();
    case Rules::CountOn:
        return CountOnGame();
    case Rules::Hidden:
        return HiddenNumbersExercise();
    case Rules::Steps:
        return SkipCounting();
    case Rules::FindAbove:
        break;
    }
    return FindAboveExercise();
}
