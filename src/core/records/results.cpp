#include "core/records/results.h"

#include "core/board/catalogue.h"
#include "core/records/runrecord.h"

#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>

namespace results {

QString boardName(BoardKind board)
{
    return QString::fromUtf16(boardEntry(board).pageName);
}

bool above99(BoardKind board)
{
    return boardEntry(board).byHundreds;
}

QString durationText(qint64 milliseconds)
{
    const qint64 seconds = std::max<qint64>(0, milliseconds) / 1000;
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    return QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0'));
}

int percentRight(quint64 right, quint64 wrong)
{
    const quint64 all = right + wrong;
    return all == 0 ? 0 : static_cast<int>((right * 200 + all) / (2 * all));
}

QString boardLine(const RunRecord& record, BoardKind board)
{
    const RunRecord::Totals t = record.totals(board);
    return QStringLiteral("%1: %2 esatte, %3 errate, %4% esatte, tempo %5")
        .arg(boardName(board))
        .arg(t.right)
        .arg(t.wrong)
        .arg(percentRight(t.right, t.wrong))
        .arg(durationText(t.milliseconds));
}

QString summary(const RunRecord& record, const QString& firstName)
{
    const QString name = cleanName(firstName);
    QString text = name.isEmpty() ? QStringLiteral("Risultati\n")
                                  : QStringLiteral("Risultati di %1\n").arg(name);
    bool any = false;
    for (const BoardEntry& b : boardCatalogue()) {
        if (!record.hasAnswers(b.kind))
            continue;
        text += boardLine(record, b.kind) + u'\n';
        any = true;
    }
    if (!any)
        text += QStringLiteral("Nessuna risposta in questa esecuzione.\n");
    return text;
}

QString mostWrongText(const RunRecord& record, BoardKind board)
{
    QStringList most;
    for (int n : record.mostWrong(board, 10))
        most << QStringLiteral("%1 (%2)").arg(n).arg(record.counts(board, n).wrong);
    return most.isEmpty() ? QStringLiteral("Nessun numero sbagliato.")
                          : QStringLiteral("I numeri più sbagliati:\n") + most.join(u", ");
}

QString cellText(int number, quint32 right, quint32 wrong)
{
    return QStringLiteral("%1: %2 errate su %3").arg(number).arg(wrong).arg(quint64(right) + wrong);
}

QString cleanName(const QString& firstName)
{
    static const QRegularExpression unsafe(QStringLiteral("[\\r\\n\\t;\"]"));
    QString name = firstName;
    return name.replace(unsafe, QStringLiteral(" ")).simplified().left(40);
}

QByteArray csv(const RunRecord& record, const QString& firstName)
{
    QString text;
    if (const QString name = cleanName(firstName); !name.isEmpty())
        text += QStringLiteral("nome;%1\n").arg(name);
    text += QStringLiteral("esercizio;numero;esatte;errate\n");
    for (const BoardEntry& b : boardCatalogue()) {
        if (!record.hasAnswers(b.kind))
            continue;
        const QString board = QString::fromUtf16(b.pageName);
        for (int n = 0; n < RunRecord::kNumbers; ++n) {
            const RunRecord::Counts& c = record.counts(b.kind, n);
            if (c.right + quint64(c.wrong) > 0)
                text += QStringLiteral("%1;%2;%3;%4\n").arg(board).arg(n).arg(c.right).arg(c.wrong);
        }
    }
    return text.toUtf8();
}

bool saveWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace results
