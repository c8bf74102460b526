#include "core/sheets/gridsheets.h"

#include "core/base/random.h"
#include "core/base/runtime.h"

#include <algorithm>
#include <cstdlib>

QList<int> generaNumeri(int count, RandomSource& random)
{
    QList<int> numbers;
    numbers.reserve(count);
    for (int i = 0; i < count; ++i) {
        int n = random.below(100);
        while (i < 8 && numbers.contains(n))
            n = random.below(100);
        numbers.append(n);
    }
    return numbers;
}

GridSheet findGridSheet(const QList<int>& numbers, Level level)
{
    GridSheet sheet;
    sheet.instruction = level == Level::Facile
                            ? QStringLiteral("Colora le caselle dei seguenti numeri")
                            : QStringLiteral(" Scrivi i numeri in cifre nella casella esatta");
    for (int i = 0; i < 100; ++i) {
        const bool shown =
            level == Level::Facile || (level == Level::Media && (i < 10 || i % 10 == 0));
        sheet.captions.at(static_cast<std::size_t>(i)) = shown ? runtime::numberText(i) : QString();
    }
    for (int n : numbers)
        sheet.sideText += runtime::numberText(n) + QStringLiteral("\r\n");
    return sheet;
}

GridSheet recogniseGridSheet(const QList<int>& numbers)
{
    GridSheet sheet;
    sheet.instruction =
        QStringLiteral(" Scrivi in cifre i numeri che corrispondono alle caselle segnate con la X");
    for (int n : numbers)
        sheet.captions.at(static_cast<std::size_t>(n)) = QStringLiteral("X");
    for (int line = 0; line < 6; ++line)
        sheet.sideText += QStringLiteral("  ________     ________\r\n\r\n");
    return sheet;
}

std::array<GridSheet, 2> hiddenGridSheets(const std::bitset<100>& covered)
{
    std::array<GridSheet, 2> sheets;
    auto& [sheet, solution] = sheets;
    sheet.instruction = QStringLiteral(" Scrivi i numeri che mancano nelle caselle grigie");
    solution.instruction = QStringLiteral(" Soluzione: i numeri delle caselle grigie");
    for (int i = 0; i < 100; ++i) {
        const auto at = static_cast<std::size_t>(i);
        solution.captions.at(at) = runtime::numberText(i);
        sheet.captions.at(at) = covered.test(at) ? QString() : solution.captions.at(at);
    }
    sheet.shaded = solution.shaded = covered;
    sheet.sideText = solution.sideText =
        QStringLiteral("Numeri nascosti: %1\r\n").arg(covered.count());
    return sheets;
}

std::bitset<100> countedCells(int step, int start, int highest)
{
    std::bitset<100> counted;
    highest = std::min(highest, 99);
    if (step == 0)
        return counted;
    for (int n = start; n >= 0 && n <= highest; n += step)
        counted.set(static_cast<std::size_t>(n));
    return counted;
}

std::array<GridSheet, 2> stepGridSheets(int step, int start, int highest)
{
    std::array<GridSheet, 2> sheets;
    auto& [sheet, solution] = sheets;
    const int by = std::abs(step);
    QString count = step < 0 ? QStringLiteral("contando all'indietro di %1 in %1").arg(by)
                             : QStringLiteral("contando di %1 in %1").arg(by);
    if (step < 0 || start != 0)
        count += QStringLiteral(" partendo da %1").arg(start);
    sheet.instruction = QStringLiteral(" Colora i numeri ") + count;
    solution.instruction = QStringLiteral(" Soluzione: i numeri ") + count;
    for (int i = 0; i <= std::min(highest, 99); ++i)
        sheet.captions.at(static_cast<std::size_t>(i)) = runtime::numberText(i);
    solution.captions = sheet.captions;
    solution.shaded = countedCells(step, start, highest);
    sheet.sideText = solution.sideText =
        QStringLiteral("Numeri da colorare: %1\r\n").arg(solution.shaded.count());
    return sheets;
}
