#include "wrap.h"

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
            break;
        } else if (p + l <= m) {
            rest += p;
        } else if (p > m) {
            // A word longer than a line: the words gathered so far end their line, then the
            // word is cut into pieces of `width` characters while it does not fit.
            if (l > 0)
                flushLine(true);
            rest += width;
            flushLine(true);
        } else {
            flushLine(true);
        }
    }

    // No space is left in the rest: the last word, which may still be longer than a line.
    qsizetype last = s.size() - rest;
    if (lineLength() > 0 && lineLength() + last > width)
        flushLine(true);
    while (lineLength() + last > width) {
        rest += width;
        flushLine(true);
        last = s.size() - rest;
    }
    rest = s.size();
    flushLine(true);
    return result;
}
