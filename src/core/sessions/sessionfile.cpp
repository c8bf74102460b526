#include "core/sessions/sessionfile.h"

#include "core/board/catalogue.h"
#include "core/sessions/personname.h"

#include <QList>
#include <QStringList>

namespace sessionfile {
namespace {

constexpr QLatin1StringView kFirstLine{"quadena-sessione;2"};
/// Files of the first kind name each board as the teacher's page captioned it then.
constexpr QLatin1StringView kFirstLineByCaption{"quadena-sessione;1"};
constexpr QLatin1StringView kColumns{"esercizio;numero;esatte;errate;ora"};

/// A machine's name as it may stand in a field: no line break, no separator, trimmed and
/// bounded.
QString field(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        out += (c == u';' || c.category() == QChar::Other_Control) ? u' ' : c;
    return out.simplified().left(personname::kLongest);
}

using enum BoardKind;

/// The boards as files of the first kind name them, the boards there were then: these names
/// stay as they are whatever the teacher's page comes to call the boards.
struct NameByCaption {
    const char16_t* caption;
    BoardKind kind;
};
constexpr NameByCaption kBoardsByCaption[] = {
    {u"trovare i numeri da 0 a 99", Form100Trova},
    {u"riconoscere i numeri da 0 a 99", Form100Ricon},
    {u"Aggiungere solo unità", Form100a},
    {u"Aggiungere solo decine", Form100b},
    {u"Addizioni: decine e unità", Form100f},
    {u"Togliere solo unità", Form100c},
    {u"Togliere solo decine", Form100d},
    {u"Sottrazioni: decine e unità", Form100e},
    {u"trovare i numeri superiori a 99", Form100Trova2},
    {u"riconoscere i numeri superiori a 99", Form100Ricon2},
    {u"Gioco della quadena", Form100Gioco},
    {u"Numeri nascosti", Form100Nascosti},
};

std::optional<BoardKind> boardNamed(QStringView name, bool byCaption)
{
    if (byCaption) {
        for (const NameByCaption& b : kBoardsByCaption)
            if (name == QStringView(b.caption))
                return b.kind;
        return std::nullopt;
    }
    for (const BoardEntry& b : boardCatalogue())
        if (name == QLatin1StringView(b.id))
            return b.kind;
    return std::nullopt;
}

std::optional<SessionAnswer> answerLine(const QStringList& f, bool byCaption)
{
    if (f.size() != 5)
        return std::nullopt;
    const std::optional<BoardKind> board = boardNamed(f[0], byCaption);
    bool okNumber = false;
    const int number = f[1].toInt(&okNumber);
    const QDateTime at = QDateTime::fromString(f[4], Qt::ISODate);
    const bool right = f[2] == u"1" && f[3] == u"0";
    const bool wrong = f[2] == u"0" && f[3] == u"1";
    if (!board || !okNumber || number < 0 || number > 999 || !(right || wrong) || !at.isValid())
        return std::nullopt;
    return SessionAnswer{*board, number, right, at};
}

} // namespace

QByteArray write(const Session& s)
{
    QString text = kFirstLine + u'\n';
    text += QStringLiteral("classe;%1\nnome;%2\nmacchina;%3\ninizio;%4\n")
                .arg(personname::check(s.className).name, personname::check(s.child).name,
                     field(s.host), s.started.toString(Qt::ISODate));
    text += kColumns + u'\n';
    for (const SessionAnswer& a : s.answers)
        text += QStringLiteral("%1;%2;%3;%4;%5\n")
                    .arg(QLatin1StringView(boardEntry(a.board).id))
                    .arg(a.number)
                    .arg(a.right ? 1 : 0)
                    .arg(a.right ? 0 : 1)
                    .arg(a.at.toString(Qt::ISODate));
    return text.toUtf8();
}

Reading read(const QByteArray& bytes)
{
    Reading r;
    if (bytes.size() > kLargestFile)
        return r;
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    const QString first = lines.isEmpty() ? QString() : lines.front().trimmed();
    const bool byCaption = first == kFirstLineByCaption;
    if (first != kFirstLine && !byCaption)
        return r;
    Session s;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line == kColumns)
            continue;
        const QStringList f = line.split(u';');
        if (auto a = answerLine(f, byCaption)) {
            s.answers.push_back(*a);
        } else if (f.size() == 2 && f[0] == u"classe" && s.className.isEmpty() &&
                   personname::accepted(f[1])) {
            s.className = *personname::accepted(f[1]);
        } else if (f.size() == 2 && f[0] == u"nome" && s.child.isEmpty() &&
                   personname::accepted(f[1])) {
            s.child = *personname::accepted(f[1]);
        } else if (f.size() == 2 && f[0] == u"macchina" && s.host.isEmpty()) {
            s.host = field(f[1]);
        } else if (f.size() == 2 && f[0] == u"inizio" && !s.started.isValid()) {
            s.started = QDateTime::fromString(f[1], Qt::ISODate);
        } else {
            ++r.ignoredLines;
        }
    }
    if (s.className.isEmpty() || s.child.isEmpty())
        return r;
    r.session = std::move(s);
    return r;
}

QString folderName(const QString& name)
{
    const QString form = name.normalized(QString::NormalizationForm_C);
    if (form.isEmpty())
        return QStringLiteral("%");
    QString out;
    for (qsizetype i = 0; i < form.size(); ++i) {
        const QChar c = form[i];
        if (c.isHighSurrogate() && i + 1 < form.size()) {
            const char32_t code = QChar::surrogateToUcs4(c, form[i + 1]);
            if (QChar::isLetterOrNumber(code)) {
                out += c;
                out += form[++i];
                continue;
            }
        } else if (c.isLetterOrNumber() || c == u'-' || c == u'_') {
            out += c;
            continue;
        }
        const qsizetype width = c.isHighSurrogate() && i + 1 < form.size() ? 2 : 1;
        for (const char byte : form.mid(i, width).toUtf8())
            out += QStringLiteral("%%1").arg(quint8(byte), 2, 16, QChar(u'0')).toUpper();
        i += width - 1;
    }
    return out;
}

QString fileName(const Session& s, quint32 token)
{
    // One `arg` for all: a folder name holds `%` and a digit, which a later `arg` would fill.
    return QStringLiteral("%1-%2-%3-%4.csv")
        .arg(s.started.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")), folderName(s.host),
             QString::number(s.pid), QStringLiteral("%1").arg(token, 8, 16, QChar(u'0')));
}

} // namespace sessionfile
