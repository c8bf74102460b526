#pragma once

#include "core/boardmodel.h"

/// The six addition and subtraction boards.
enum class ArithmeticKind {
    AddUnits,     // Form100a, "Aggiungere solo unità"
    AddTens,      // Form100b, "Aggiungere solo decine"
    AddTensUnits, // Form100f, "decine e unità"
    SubUnits,     // Form100c, "Togliere solo unità"
    SubTens,      // Form100d, "Togliere solo decine"
    SubTensUnits, // Form100e, "decine e unità"
};

/// First and second operand and the result, which is the index of the target cell.
struct ArithmeticTask {
    int primo = 0;
    int secondo = 0;
    int risultato = 0;
};

bool isAddition(ArithmeticKind kind);

/// The worksheet "Stampa scheda" asks for: 19, 20, 15, 21, 22, 17.
qint16 worksheetKind(ArithmeticKind kind);

/// Two draws in the board's order. Additions give sums 1 to `maximum` (10 to `maximum` on
/// AddUnits, whose second addend is drawn below `maximum` - first + 1 so the sum never
/// passes the maximum); subtractions give minuends, subtrahends and differences within
/// 0 to `maximum`. Precondition: 19 <= maximum <= 99.
ArithmeticTask drawArithmeticTask(ArithmeticKind kind, int maximum, RandomSource& random);

/// " 34 +  5 = ", " 57 -  3 = ".
QString arithmeticTaskText(ArithmeticKind kind, const ArithmeticTask& task);

/// An addition or subtraction board: the target cell is the result; additions set
/// themselves up at each activation, subtractions once.
class ArithmeticBoard final : public BoardModel {
  public:
    ArithmeticBoard(ArithmeticKind kind, ProgramState& state, RandomSource& random,
                    SoundSink& sounds);

    ArithmeticKind kind() const { return kind_; }
    bool setUpOnEveryActivation() const override { return isAddition(kind_); }
    /// "Stampa scheda": sets the program's worksheet kind.
    void stampaScheda() override;

  protected:
    void nuovaDomanda() override;
    int target() const override;
    /// The task text is completed with the answer while the board waits.
    void lockWhileWaiting() override;

  private:
    ArithmeticKind kind_;
};
