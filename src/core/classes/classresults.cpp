#include "core/classes/classresults.h"

#include "core/board/catalogue.h"
#include "core/records/results.h"

#include <QLocale>
#include <map>
#include <set>

namespace classresults {
namespace {

const QLocale& italian()
{
    static const QLocale locale(QLocale::Italian, QLocale::Italy);
    return locale;
}

QString dayText(QDate day)
{
    return day.toString(QStringLiteral("dd/MM/yyyy"));
}

/// "1 collegamento", "3 collegamenti".
QString counted(int n, const char16_t* one, const char16_t* many)
{
    return QStringLiteral("%1 %2").arg(italian().toString(n),
                                       QString::fromUtf16(n == 1 ? one : many));
}

struct IgnoredWords {
    classfolder::Ignored why;
    const char16_t* one;
    const char16_t* many;
};
constexpr IgnoredWords kIgnoredWords[] = {
    {classfolder::Ignored::NotSession, u"file che non è una sessione",
     u"file che non sono sessioni"},
    {classfolder::Ignored::TooLarge, u"file oltre 1 MB", u"file oltre 1 MB"},
    {classfolder::Ignored::Link, u"collegamento", u"collegamenti"},
    {classfolder::Ignored::BadName, u"nome non valido", u"nomi non validi"},
    {classfolder::Ignored::Special, u"file speciale (FIFO o dispositivo)",
     u"file speciali (FIFO o dispositivi)"},
    {classfolder::Ignored::Unreadable, u"file illeggibile", u"file illeggibili"},
};
static_assert(std::size(kIgnoredWords) == classfolder::kIgnoredKinds);

QString childLine(const ChildResults& child, BoardKind board)
{
    const Tally t = boardTally(*child.record, board);
    QString line = QStringLiteral("%1: %2").arg(child.name, tallyText(t));
    if (const QDate last = child.lastDay[static_cast<int>(board)]; last.isValid())
        line += QStringLiteral(", ultimo giorno %1").arg(dayText(last));
    return line;
}

} // namespace

ClassResults gather(const QString& className, const QStringList& pupils, const QStringList& folders,
                    const std::vector<Found>& sessions)
{
    ClassResults out;
    out.className = className;
    out.whole = std::make_shared<RunRecord>();
    std::map<QString, std::size_t> byFolder;
    const auto add = [&](const QString& name, const QString& folder) {
        if (byFolder.contains(folder))
            return;
        byFolder[folder] = out.children.size();
        out.children.push_back({name, folder, 0, std::make_shared<RunRecord>(), {}, {}});
    };
    for (const QString& pupil : pupils)
        add(pupil, sessionfile::folderName(pupil));
    // A folder without a session is nobody: anyone who may write in the class folder can
    // make folders.
    std::set<QString> withSessions;
    for (const Found& found : sessions)
        withSessions.insert(found.child);
    for (const QString& folder : folders) {
        if (withSessions.contains(folder))
            add(classfolder::nameOfFolder(folder).value_or(folder), folder);
    }

    std::vector<std::map<QDate, ChildResults::Week>> weeks(out.children.size());
    for (const Found& found : sessions) {
        add(classfolder::nameOfFolder(found.child).value_or(found.child), found.child);
        const std::size_t i = byFolder[found.child];
        weeks.resize(out.children.size());
        ChildResults& child = out.children[i];
        const Session& s = *found.session;
        ++child.sessions;
        ++out.sessionFiles;
        if (s.answers.empty())
            continue;
        // A sitting belongs to the day of its last answer, as the child's machine tells it.
        const QDate day = s.answers.back().at.date();
        const QDate monday = day.addDays(1 - day.dayOfWeek());
        ChildResults::Week& week = weeks[i][monday];
        week.monday = monday;
        for (const SessionAnswer& a : s.answers) {
            child.record->answer(a.board, a.number, a.right);
            out.whole->answer(a.board, a.number, a.right);
            Tally& t = week.boards[static_cast<int>(a.board)];
            (a.right ? t.right : t.wrong) += 1;
            QDate& last = child.lastDay[static_cast<int>(a.board)];
            if (!last.isValid() || day > last)
                last = day;
        }
    }
    for (std::size_t i = 0; i < out.children.size(); ++i) {
        for (auto& [monday, week] : weeks[i])
            out.children[i].weeks.push_back(week);
    }
    return out;
}

QString readingText(const ClassResults& results)
{
    if (results.sessionFiles == 0 && !results.problem.isEmpty())
        return results.problem; // nothing was read: the one thing to say
    QString text = QStringLiteral("%1, %2.").arg(
        counted(int(results.children.size()), u"bambino", u"bambini"),
        counted(results.sessionFiles, u"sessione letta", u"sessioni lette"));
    QStringList ignored;
    for (const IgnoredWords& w : kIgnoredWords) {
        if (const int n = results.ignored[static_cast<int>(w.why)]; n > 0)
            ignored << counted(n, w.one, w.many);
    }
    if (!ignored.isEmpty())
        text += QStringLiteral(" Ignorati: %1.").arg(ignored.join(QStringLiteral(", ")));
    if (results.ignoredLines > 0)
        text += u' ' + counted(results.ignoredLines, u"riga ignorata nelle sessioni.",
                               u"righe ignorate nelle sessioni.");
    if (!results.problem.isEmpty())
        text += u' ' + results.problem;
    return text;
}

QString weekText(QDate monday)
{
    return QStringLiteral("settimana dal %1").arg(dayText(monday));
}

QString tallyText(const Tally& tally)
{
    if (tally.answers() == 0)
        return QStringLiteral("nessuna risposta");
    return QStringLiteral("%1, %2% esatte")
        .arg(counted(int(tally.answers()), u"risposta", u"risposte"))
        .arg(results::percentRight(tally.right, tally.wrong));
}

Tally boardTally(const RunRecord& record, BoardKind board)
{
    const RunRecord::Totals t = record.totals(board);
    return {t.right, t.wrong};
}

QString classPage(const ClassResults& results, BoardKind board, const QString& map)
{
    QString text =
        QStringLiteral("Classe %1: %2\n\n").arg(results.className, results::boardName(board));
    for (const ChildResults& child : results.children)
        text += childLine(child, board) + u'\n';
    text += QStringLiteral("\nLa classe: %1\n").arg(tallyText(boardTally(*results.whole, board)));
    text += results::mostWrongText(*results.whole, board) + u'\n';
    text += QStringLiteral("Mappa della classe, %1\n").arg(map);
    return text;
}

QString childPage(const ChildResults& child, const QString& className, BoardKind board,
                  const QString& map)
{
    QString text =
        QStringLiteral("%1, classe %2: %3\n").arg(child.name, className, results::boardName(board));
    text += childLine(child, board) + QStringLiteral("\n\n");
    for (const ChildResults::Week& week : child.weeks) {
        const Tally& t = week.boards[static_cast<int>(board)];
        if (t.answers() > 0)
            text += QStringLiteral("%1: %2\n").arg(weekText(week.monday), tallyText(t));
    }
    text += u'\n' + results::mostWrongText(*child.record, board) + u'\n';
    text += QStringLiteral("Mappa di %1, %2\n").arg(child.name, map);
    return text;
}

QByteArray csv(const ClassResults& results)
{
    QString text = QStringLiteral("classe;%1\nnome;esercizio;numero;esatte;errate\n")
                       .arg(results::cleanName(results.className));
    for (const ChildResults& child : results.children) {
        const QString name = results::cleanName(child.name);
        for (const BoardEntry& b : boardCatalogue()) {
            if (!child.record->hasAnswers(b.kind))
                continue;
            const QString board = QString::fromUtf16(b.pageName);
            for (int n = 0; n < RunRecord::kNumbers; ++n) {
                const RunRecord::Counts& c = child.record->counts(b.kind, n);
                if (c.right + quint64(c.wrong) > 0)
                    text += QStringLiteral("%1;%2;%3;%4;%5\n")
                                .arg(name, board)
                                .arg(n)
                                .arg(c.right)
                                .arg(c.wrong);
            }
        }
    }
    return text.toUtf8();
}

} // namespace classresults
