#pragma once

#include "core/board/boardkind.h"
#include "core/board/exerciseparts.h"

#include <QString>
#include <map>

/// First and second operand and the result, which is the index of the target cell.
struct ArithmeticTask {
    int primo = 0;
    int secondo = 0;
    int risultato = 0;
};

bool isAddition(ArithmeticKind kind);

/// Two draws in the board's order. Additions give sums 1 to `maximum` (10 to `maximum` on
/// AddUnits, whose second addend is drawn below `maximum` - first + 1 so the sum never
/// passes the maximum); subtractions give minuends, subtrahends and differences within
/// 0 to `maximum`. Precondition: 19 <= maximum <= 99.
ArithmeticTask drawArithmeticTask(ArithmeticKind kind, int maximum, RandomSource& random);

/// Whether a board of `kind` draws tasks with this result under `maximum`.
bool drawsResult(ArithmeticKind kind, int result, int maximum);
/// A task of the board with the given result, its operands drawn as the board draws them.
/// Precondition: `drawsResult(kind, result, maximum)`.
ArithmeticTask arithmeticTaskWithResult(ArithmeticKind kind, int result, int maximum,
                                        RandomSource& random);

/// " 34 +  5 = ", " 57 -  3 = ".
QString arithmeticTaskText(ArithmeticKind kind, const ArithmeticTask& task);

/// The rules of an addition or subtraction board: the task is drawn and shown as text, the
/// result's cell is the answer; while the board waits the text shows the result and that
/// cell is locked. Additions set themselves up at each activation, subtractions once.
class ArithmeticExercise {
  public:
    explicit ArithmeticExercise(ArithmeticKind kind) : kind_(kind) {}

    ArithmeticKind kind() const { return kind_; }
    ExerciseTraits traits() const { return {isAddition(kind_), true, false}; }
    /// Captions " 0" to " 99".
    void fillCaptions(BoardSurface& s) const;
    void drawTask(BoardSurface& s);
    bool judgeClick(const BoardSurface& s, int cell) const;
    /// The number the open task asks for: its result.
    int target(const BoardSurface& s) const { return s.state().risultato; }
    /// A result the board draws under the maximum may be asked instead of a draw: as the task
    /// was when this board asked it before, else with operands drawn as the board draws them.
    bool canAsk(const BoardSurface& s, int result) const
    {
        return drawsResult(kind_, result, s.state().numeroMassimo);
    }
    void askNumber(BoardSurface& s, int result);
    void markRight(BoardSurface&, bool) {}
    void lock(BoardSurface& s);
    void unlock(BoardSurface& s);

  private:
    void show(BoardSurface& s, const ArithmeticTask& t);

    ArithmeticKind kind_;
    std::map<int, ArithmeticTask> asked_; // the last task of each result, by result
};
