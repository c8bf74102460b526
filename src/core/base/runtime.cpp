#include "core/base/runtime.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace runtime {

QString numberText(int n)
{
    return n >= 0 ? QStringLiteral(" %1").arg(n) : QString::number(n);
}

namespace {

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

/// The text without the characters that are skipped wherever they stand.
QString withoutBlanks(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (!isSkipped(c))
            out.append(c);
    }
    return out;
}

} // namespace

double numericValue(const QString& text)
{
    const QString s = withoutBlanks(text);
    qsizetype pos = 0;
    QString number;
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-'))
        number.append(s[pos++]);
    qsizetype digits = 0;
    while (pos < s.size() && isDigit(s[pos])) {
        number.append(s[pos++]);
        ++digits;
    }
    if (pos < s.size() && s[pos] == u'.') {
        ++pos;
        QString fraction;
        while (pos < s.size() && isDigit(s[pos]))
            fraction.append(s[pos++]);
        if (!fraction.isEmpty()) {
            number.append(u'.').append(fraction);
            digits += fraction.size();
        }
    }
    if (digits == 0)
        return 0.0;
    if (pos < s.size() && (s[pos] == u'e' || s[pos] == u'E')) {
        qsizetype e = pos + 1;
        QString exponent = QStringLiteral("e");
        if (e < s.size() && (s[e] == u'+' || s[e] == u'-'))
            exponent.append(s[e++]);
        const qsizetype firstDigit = e;
        while (e < s.size() && isDigit(s[e]))
            exponent.append(s[e++]);
        if (e > firstDigit)
            number.append(exponent);
    }
    // QLocale::c() never depends on the user's locale; on overflow it yields +/- infinity
    // and on underflow 0, which is the value we want in both cases.
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (std::isnan(value))
        return 0.0;
    return value;
}

double roundHalfEven(double x)
{
    if (!std::isfinite(x))
        return x;
    const double lower = std::floor(x);
    const double diff = x - lower;
    if (diff < 0.5)
        return lower;
    if (diff > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

double integerPart(double x)
{
    return std::floor(x);
}

int twips(int t)
{
    return static_cast<int>(std::lround(t / 15.0));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

qint16 incremented(qint16 counter)
{
    return counter == std::numeric_limits<qint16>::max() ? counter
                                                         : static_cast<qint16>(counter + 1);
}

} // namespace runtime
