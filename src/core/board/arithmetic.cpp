#include "core/board/arithmetic.h"

#include "core/base/runtime.h"

#include <algorithm>

namespace {

/// How a board draws its task: two draws, in the board's order, within 0 to `m`.
using Draw = ArithmeticTask (*)(int m, RandomSource& random);

struct ArithmeticRules {
    ArithmeticKind kind;
    bool addition;
    Draw draw;
};

constexpr ArithmeticRules kRules[] = {
    {ArithmeticKind::AddUnits, true,
     [](int m, RandomSource& r) {
         ArithmeticTask t;
         t.primo = r.below(m - 10) + 10;
         t.secondo = r.below(std::min(9, m - t.primo + 1));
         t.risultato = t.primo + t.secondo;
         return t;
     }},
    {ArithmeticKind::AddTens, true,
     [](int m, RandomSource& r) {
         ArithmeticTask t;
         t.risultato = r.below(m) + 1;
         t.secondo = r.below(t.risultato) / 10 * 10;
         t.primo = t.risultato - t.secondo;
         return t;
     }},
    {ArithmeticKind::AddTensUnits, true,
     [](int m, RandomSource& r) {
         ArithmeticTask t;
         t.risultato = r.below(m) + 1;
         t.primo = r.below(t.risultato);
         t.secondo = t.risultato - t.primo;
         return t;
     }},
    {ArithmeticKind::SubUnits, false,
     [](int m, RandomSource& r) {
         ArithmeticTask t;
         t.primo = r.below(m - 19) + 10;
         t.secondo = r.below(9);
         t.risultato = t.primo - t.secondo;
         return t;
     }},
    {ArithmeticKind::SubTens, false,
     [](int m, RandomSource& r) {
         ArithmeticTask t;
         t.primo = r.below(m) + 1;
         t.secondo = r.below(t.primo) / 10 * 10;
         t.risultato = t.primo - t.secondo;
         return t;
     }},
    {ArithmeticKind::SubTensUnits, false,
     [](int m, RandomSource& r) {
         ArithmeticTask t;
         t.primo = r.below(m) + 1;
         t.risultato = r.below(t.primo);
         t.secondo = t.primo - t.risultato;
         return t;
     }},
};

constexpr const ArithmeticRules& rulesOf(ArithmeticKind kind)
{
    return kRules[static_cast<std::size_t>(kind)];
}

static_assert([] {
    for (std::size_t i = 0; i < std::size(kRules); ++i) {
        if (static_cast<std::size_t>(kRules[i].kind) != i)
            return false;
    }
    return true;
}());

} // namespace

bool isAddition(ArithmeticKind kind)
{
    return rulesOf(kind).addition;
}

ArithmeticTask drawArithmeticTask(ArithmeticKind kind, int maximum, RandomSource& random)
{
    return rulesOf(kind).draw(maximum, random);
}

bool drawsResult(ArithmeticKind kind, int result, int maximum)
{
    switch (kind) {
    case ArithmeticKind::AddUnits:
        return result >= 10 && result <= maximum;
    case ArithmeticKind::SubUnits:
        return result >= 2 && result <= maximum - 10;
    case ArithmeticKind::SubTensUnits:
        return result >= 0 && result < maximum;
    default:
        return result >= 1 && result <= maximum;
    }
}

ArithmeticTask arithmeticTaskWithResult(ArithmeticKind kind, int result, int maximum,
                                        RandomSource& random)
{
    ArithmeticTask t;
    t.risultato = result;
    switch (kind) {
    case ArithmeticKind::AddUnits:
        t.secondo = random.below(std::min(9, result - 9));
        break;
    case ArithmeticKind::AddTens:
        t.secondo = random.below(result) / 10 * 10;
        break;
    case ArithmeticKind::AddTensUnits:
        t.secondo = result - random.below(result);
        break;
    case ArithmeticKind::SubUnits:
        t.secondo = random.below(std::min(9, maximum - 9 - result));
        break;
    case ArithmeticKind::SubTens:
        t.secondo = random.below((maximum - result) / 10 + 1) * 10;
        break;
    case ArithmeticKind::SubTensUnits:
        t.secondo = random.below(maximum - result) + 1;
        break;
    }
    t.primo = isAddition(kind) ? result - t.secondo : result + t.secondo;
    return t;
}

QString arithmeticTaskText(ArithmeticKind kind, const ArithmeticTask& task)
{
    const QString op = isAddition(kind) ? QStringLiteral(" + ") : QStringLiteral(" - ");
    return runtime::numberText(task.primo) + op + runtime::numberText(task.secondo) +
           QStringLiteral(" = ");
}

void ArithmeticExercise::fillCaptions(BoardSurface& s) const
{
    for (int i = 0; i < BoardSurface::kCellCount; ++i)
        s.setCaption(i, runtime::numberText(i));
}

void ArithmeticExercise::drawTask(BoardSurface& s)
{
    show(s, drawArithmeticTask(kind_, s.state().numeroMassimo, s.random()));
}

void ArithmeticExercise::askNumber(BoardSurface& s, int result)
{
    const int maximum = s.state().numeroMassimo;
    const auto before = asked_.find(result);
    if (before != asked_.end() && std::max(before->second.primo, result) <= maximum)
        show(s, before->second);
    else
        show(s, arithmeticTaskWithResult(kind_, result, maximum, s.random()));
}

void ArithmeticExercise::show(BoardSurface& s, const ArithmeticTask& t)
{
    asked_[t.risultato] = t;
    s.state().primoNumero = static_cast<qint16>(t.primo);
    s.state().secondoNumero = static_cast<qint16>(t.secondo);
    s.state().risultato = static_cast<qint16>(t.risultato);
    s.setTaskText(arithmeticTaskText(kind_, t));
}

bool ArithmeticExercise::judgeClick(const BoardSurface& s, int cell) const
{
    return cell == s.state().risultato;
}

void ArithmeticExercise::lock(BoardSurface& s)
{
    const int target = s.state().risultato;
    s.setTaskText(s.taskText() + s.cell(target).caption);
    s.setEnabled(target, false);
}

void ArithmeticExercise::unlock(BoardSurface& s)
{
    s.setEnabled(s.state().risultato, true);
}
