#include "core/arithmetic.h"

#include "core/programstate.h"
#include "core/random.h"
#include "core/runtime.h"

#include <algorithm>

bool isAddition(ArithmeticKind kind)
{
    return kind == ArithmeticKind::AddUnits || kind == ArithmeticKind::AddTens ||
           kind == ArithmeticKind::AddTensUnits;
}

qint16 worksheetKind(ArithmeticKind kind)
{
    switch (kind) {
    case ArithmeticKind::AddUnits:
        return 19;
    case ArithmeticKind::AddTens:
        return 20;
    case ArithmeticKind::AddTensUnits:
        return 15;
    case ArithmeticKind::SubUnits:
        return 21;
    case ArithmeticKind::SubTens:
        return 22;
    case ArithmeticKind::SubTensUnits:
        break;
    }
    return 17;
}

ArithmeticTask drawArithmeticTask(ArithmeticKind kind, int maximum, RandomSource& random)
{
    const int m = maximum;
    ArithmeticTask t;
    switch (kind) {
    case ArithmeticKind::AddUnits:
        t.primo = random.below(m - 10) + 10;
        t.secondo = random.below(std::min(9, m - t.primo + 1));
        t.risultato = t.primo + t.secondo;
        break;
    case ArithmeticKind::AddTens:
        t.risultato = random.below(m) + 1;
        t.secondo = random.below(t.risultato) / 10 * 10;
        t.primo = t.risultato - t.secondo;
        break;
    case ArithmeticKind::AddTensUnits:
        t.risultato = random.below(m) + 1;
        t.primo = random.below(t.risultato);
        t.secondo = t.risultato - t.primo;
        break;
    case ArithmeticKind::SubUnits:
        t.primo = random.below(m - 19) + 10;
        t.secondo = random.below(9);
        t.risultato = t.primo - t.secondo;
        break;
    case ArithmeticKind::SubTens:
        t.primo = random.below(m) + 1;
        t.secondo = random.below(t.primo) / 10 * 10;
        t.risultato = t.primo - t.secondo;
        break;
    case ArithmeticKind::SubTensUnits:
        t.primo = random.below(m) + 1;
        t.risultato = random.below(t.primo);
        t.secondo = t.primo - t.risultato;
        break;
    }
    return t;
}

QString arithmeticTaskText(ArithmeticKind kind, const ArithmeticTask& task)
{
    const QString op = isAddition(kind) ? QStringLiteral(" + ") : QStringLiteral(" - ");
    return runtime::numberText(task.primo) + op + runtime::numberText(task.secondo) +
           QStringLiteral(" = ");
}

ArithmeticBoard::ArithmeticBoard(ArithmeticKind kind, ProgramState& state, RandomSource& random,
                                 SoundSink& sounds)
    : BoardModel(state, random, sounds), kind_(kind)
{}

void ArithmeticBoard::stampaScheda()
{
    state().tipoScheda = worksheetKind(kind_);
}

void ArithmeticBoard::nuovaDomanda()
{
    caricaColori();
    const ArithmeticTask t = drawArithmeticTask(kind_, state().numeroMassimo, random());
    state().primoNumero = static_cast<qint16>(t.primo);
    state().secondoNumero = static_cast<qint16>(t.secondo);
    state().risultato = static_cast<qint16>(t.risultato);
    taskText_ = arithmeticTaskText(kind_, t);
}

int ArithmeticBoard::target() const
{
    return programState().risultato;
}

void ArithmeticBoard::lockWhileWaiting()
{
    taskText_ += cell(target()).caption;
    BoardModel::lockWhileWaiting();
}
