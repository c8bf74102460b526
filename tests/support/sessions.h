#pragma once

#include "core/base/random.h"
#include "core/board/catalogue.h"
#include "core/sessions/sessionfile.h"

#include <QDir>
#include <QSaveFile>
#include <QStringList>

/// Session files written as the children's machines write them, for tests and benchmarks.
namespace sessions {

/// Where the session is kept in the results folder.
inline QString pathOf(const QString& resultsDir, const Session& s)
{
    return QDir(resultsDir)
        .filePath(sessionfile::folderName(s.className) + u'/' + sessionfile::folderName(s.child) +
                  u'/' + sessionfile::fileName(s, 0));
}

/// Writes the session in its child's folder, which is made when missing.
inline bool write(const QString& resultsDir, const Session& s)
{
    const QString path = pathOf(resultsDir, s);
    QSaveFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(sessionfile::write(s)) >= 0 && file.commit();
}

/// A sitting of `answers` answers, ten seconds apart, on one or two boards of the first eight
/// (within 99), about four in five right; numbers a child finds hard (17 and 71, the tens
/// 40 to 49) are wrong more often.
inline Session sitting(RandomSource& random, const QString& className, const QString& child,
                       const QDateTime& start, int answers)
{
    Session s{className,
              child,
              QStringLiteral("lab-%1").arg(1 + random.below(20), 2, 10, QChar(u'0')),
              1000 + random.below(30000),
              start,
              {}};
    const BoardEntry& first = boardCatalogue()[std::size_t(random.below(8))];
    const BoardEntry& second = boardCatalogue()[std::size_t(random.below(8))];
    for (int i = 0; i < answers; ++i) {
        const BoardEntry& b = i < answers / 2 ? first : second;
        const int n = random.below(100);
        const bool hard = n == 17 || n == 71 || n / 10 == 4;
        s.answers.push_back(
            {b.kind, n, random.below(100) >= (hard ? 45 : 15), start.addSecs(10 * (i + 1))});
    }
    return s;
}

/// Writes `count` sittings for each child, spread over the school year from October, a few
/// each week; returns how many files were written.
inline int makeClass(const QString& resultsDir, const QString& className,
                     const QStringList& children, int count, int answers, std::uint32_t seed)
{
    SeededRandom random(seed);
    const QDateTime october(QDate(2026, 10, 5), QTime(9, 0), Qt::OffsetFromUTC, 3600);
    int written = 0;
    for (const QString& child : children) {
        for (int k = 0; k < count; ++k) {
            QDateTime start = october.addDays(qint64(k) * 245 / std::max(1, count));
            if (const int weekday = start.date().dayOfWeek(); weekday > 5)
                start = start.addDays(8 - weekday);
            start = start.addSecs(random.below(18000));
            written += write(resultsDir, sitting(random, className, child, start, answers));
        }
    }
    return written;
}

} // namespace sessions
