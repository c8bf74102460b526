#include "core/classes/firstplayed.h"

#include "core/classes/classfolder.h"

#include <QFile>
#include <QTimeZone>

namespace firstplayed {

std::optional<QDateTime> startInName(const QString& fileName)
{
    // Year, month, day, hours, minutes and seconds, whatever stands between them.
    QString digits;
    for (const QChar c : fileName) {
        if (digits.size() == 14)
            break;
        if (c.isDigit() && c.unicode() < 128)
            digits += c;
        else if (c != u'-' && c != u'T' && c != u'_')
            break;
    }
    // Only the order of the starts matters: they are taken as UTC, whichever clock wrote them.
    const QDate date = QDate::fromString(digits.left(8), QStringLiteral("yyyyMMdd"));
    const QTime time = QTime::fromString(digits.mid(8), QStringLiteral("HHmmss"));
    if (digits.size() != 14 || !date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, QTimeZone::utc());
}

pupilsymbol::FirstPlayed read(const QString& resultsDir, const QString& className)
{
    pupilsymbol::FirstPlayed first;
    const classfolder::ClassListing listing = classfolder::listClass(resultsDir, className);
    if (!listing.folder)
        return first;
    for (const QString& child : listing.children) {
        for (const classfolder::Candidate& c :
             classfolder::listChild(listing.folder, child).files) {
            const std::optional<QDateTime> start = startInName(QFile::decodeName(c.fileName));
            if (!start)
                continue;
            const auto [at, added] = first.try_emplace(child, *start);
            if (!added && *start < at->second)
                at->second = *start;
        }
    }
    return first;
}

} // namespace firstplayed
