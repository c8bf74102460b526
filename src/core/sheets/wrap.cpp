#include "core/sheets/wrap.h"

namespace {

/// Index of the first `c` at or after `from`, or -1. `cache` remembers the last answer so
/// that scanning only ever moves forward: the whole wrap stays linear.
qsizetype nextOf(QStringView s, QChar c, qsizetype from, qsizetype& cache)
{
    if (cache == -2 || (cache >= 0 && cache < from))
        cache = s.indexOf(c, from);
    return cache;
}

} // namespace

QString dividiRighe(const QString& text, int width)
{
    const qsizetype m = qsizetype(width) + 1;
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    const QStringView s = QStringView(text).mid(begin, end - begin);

    QString result;
    result.reserve(s.size() + s.size() / width * 2 + 2);
    const QLatin1StringView crlf("\r\n");
    qsizetype rest = 0;      // the rest of the text starts here
    qsizetype lineStart = 0; // the current line is s[lineStart, rest)
    qsizetype spaceCache = -2;
    qsizetype crCache = -2;
    // The current line is always a run of the text just before the rest, so it is kept as
    // a range and copied once.
    auto lineLength = [&] { return rest - lineStart; };
    auto flushLine = [&](bool withCrLf) {
        result += s.mid(lineStart, rest - lineStart);
        if (withCrLf)
            result += crlf;
        lineStart = rest;
    };

    for (;;) {
        const qsizetype l = lineLength();
        const qsizetype space = nextOf(s, u' ', rest, spaceCache);
        const qsizetype cr = nextOf(s, u'\r', rest, crCache);
        const qsizetype p = space < 0 ? 0 : space - rest + 1;
        const qsizetype c = cr < 0 ? 0 : cr - rest + 1;
        if (c > 0 && c + l <= m) {
            rest += c;
            flushLine(false);
        } else if (p == 0) {
            // No space is left: the last word joins the current line when that line fits.
            // The line feed left at the front of a line by the carriage return before it
            // takes no room on the line.
            const qsizetype lineFeed = lineStart < s.size() && s[lineStart] == u'\n' ? 1 : 0;
            if (s.size() - lineStart - lineFeed <= width) {
                rest = s.size();
                flushLine(true);
                break;
            }
            if (l == 0)
                rest += width; // a last word longer than a line
            flushLine(true);
        } else if (p + l <= m) {
            rest += p;
        } else if (p > m && l == 0) {
            // A word longer than a line, alone on its line: a piece of `width` characters.
            // (A carriage return within reach would have ended the line above.)
            rest += width;
            flushLine(true);
        } else {
            // The word goes on the next line; a word too long for any line is then cut.
            flushLine(true);
        }
    }
    return result;
}

QString withLineFeeds(const QString& crLfText)
{
    return QString(crLfText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString withCrLf(const QString& lineFeedText)
{
    return QString(lineFeedText).replace(u'\n', QStringLiteral("\r\n"));
}
