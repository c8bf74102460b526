#include "ui/design/resultlists.h"

#include "core/board/catalogue.h"
#include "core/records/results.h"
#include "core/records/runrecord.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>

namespace resultlists {

void fillBoards(QComboBox& list, const RunRecord& record)
{
    const std::optional<BoardKind> before = chosenBoard(list);
    const QSignalBlocker quiet(&list);
    list.clear();
    for (const BoardEntry& b : boardCatalogue()) {
        if (record.hasAnswers(b.kind))
            list.addItem(QString::fromUtf16(b.pageName), static_cast<int>(b.kind));
    }
    if (list.count() == 0)
        list.addItem(QString::fromUtf16(boardCatalogue().front().pageName),
                     static_cast<int>(boardCatalogue().front().kind));
    if (before)
        list.setCurrentIndex(std::max(0, list.findData(static_cast<int>(*before))));
}

std::optional<BoardKind> chosenBoard(const QComboBox& list)
{
    if (list.currentIndex() < 0)
        return std::nullopt;
    return static_cast<BoardKind>(list.currentData().toInt());
}

void fillHundreds(QComboBox& list, const RunRecord& record, std::optional<BoardKind> board)
{
    const QSignalBlocker quiet(&list);
    const QVariant before = list.currentData();
    list.clear();
    const bool above = board && results::above99(*board);
    list.setEnabled(above);
    if (!above) {
        list.addItem(QStringLiteral("da 0 a 99"), 0);
        return;
    }
    // The board shows the hundreds from 100 on; the one below only when it was asked.
    int firstAsked = -1;
    for (int h = 0; h < 10; ++h) {
        bool asked = false;
        for (int n = h * 100; !asked && n < h * 100 + 100; ++n)
            asked = record.counts(*board, n).right + record.counts(*board, n).wrong > 0;
        if (asked && firstAsked < 0)
            firstAsked = list.count();
        if (asked || h > 0)
            list.addItem(QStringLiteral("da %1 a %2").arg(h * 100).arg(h * 100 + 99), h);
    }
    const int kept = before.isValid() ? list.findData(before) : -1;
    list.setCurrentIndex(kept >= 0 ? kept : std::max(0, firstAsked));
}

} // namespace resultlists
