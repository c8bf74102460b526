#include "core/sheets/layouts.h"

#include "core/base/random.h"
#include "core/base/runtime.h"

namespace {

constexpr auto kCrLf = "\r\n";
constexpr int kCellWidth = 25;

struct Exercise {
    int left;
    int right;
    int result;
};

bool isAdditionSheet(WorksheetKind kind)
{
    return kind == WorksheetKind::AddTensUnits || kind == WorksheetKind::AddUnits ||
           kind == WorksheetKind::AddTens;
}

/// The two draws of one exercise and how its operands are arranged.
Exercise drawExercise(WorksheetKind kind, RandomSource& random)
{
    switch (kind) {
    case WorksheetKind::AddTensUnits: {
        const int a = random.below(80) + 1;
        const int b = random.below(100 - a);
        return {b, a, a + b};
    }
    case WorksheetKind::SubTensUnits: {
        const int a = random.below(80) + 1;
        const int b = random.below(100 - a);
        return {a + b, b, a};
    }
    case WorksheetKind::AddUnits: {
        const int x = random.below(90);
        const int u = random.below(9) + 1;
        return {x, u, x + u};
    }
    case WorksheetKind::AddTens: {
        const int t = (random.below(9) + 1) * 10;
        const int b = random.below(100 - t);
        return {b, t, t + b};
    }
    case WorksheetKind::SubUnits: {
        const int x = random.below(90);
        const int u = random.below(9) + 1;
        return {x + u, u, x};
    }
    case WorksheetKind::SubTens:
        break;
    }
    const int t = (random.below(9) + 1) * 10;
    const int b = random.below(100 - t);
    return {t + b, t, b};
}

void padTo(QString& line, int length)
{
    while (line.size() < length)
        line.append(u' ');
}

} // namespace

QString worksheetTitle(WorksheetKind tipoScheda)
{
    return isAdditionSheet(tipoScheda) ? QStringLiteral("           ESEGUI LE ADDIZIONI")
                                       : QStringLiteral("           ESEGUI LE SOTTRAZIONI");
}

Worksheet faiScheda(WorksheetKind tipoScheda, RandomSource& random)
{
    using runtime::numberText;
    const QString op = isAdditionSheet(tipoScheda) ? QStringLiteral(" + ") : QStringLiteral(" - ");
    const QString head = kCrLf + worksheetTitle(tipoScheda) + kCrLf + kCrLf;
    Worksheet w{head, head};
    for (int row = 1; row <= 20; ++row) {
        QString exercises, solutions;
        for (int k = 1; k <= 3; ++k) {
            const Exercise e = drawExercise(tipoScheda, random);
            const QString operands =
                QStringLiteral("   ") + numberText(e.left) + op + numberText(e.right);
            exercises += operands + QStringLiteral(" = ______ ");
            padTo(exercises, kCellWidth * k);
            solutions += operands + QStringLiteral(" = ") + numberText(e.result);
            padTo(solutions, kCellWidth * k);
        }
        w.sheet += QStringLiteral("    ") + exercises + QStringLiteral("     ") + kCrLf + kCrLf;
        w.solutions += solutions + QStringLiteral("     ") + kCrLf + kCrLf;
    }
    return w;
}
