// The teacher's view on a hostile class folder: junk, a 2 GB sparse file, links out of the
// folder (symbolic and hard), names that climb or hide, a FIFO. The view opens, counts each,
// reads only the sessions, opens nothing outside, and removes a child without following links.
#include "core/classes/classresults.h"
#include "fakes_ui.h"
#include "sessions.h"
#include "ui/design/names.h"
#include "ui/windows/teacherwindow.h"

#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(classfolder::Ignored)

namespace {

const QDateTime kMonday(QDate(2026, 12, 7), QTime(9, 0), Qt::OffsetFromUTC, 3600);

Session session(const QString& child, std::vector<std::pair<int, bool>> answers,
                BoardKind board = BoardKind::Form100a, qint64 pid = 1)
{
    Session s{QStringLiteral("3A"), child, QStringLiteral("lab-01"), pid, kMonday, {}};
    for (const auto& [n, right] : answers)
        s.answers.push_back({board, n, right, kMonday.addSecs(qint64(s.answers.size() + 1))});
    return s;
}

void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestTeacherView : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void countsWhatIsNotASession_data();
    void countsWhatIsNotASession();
    void readsTheSessionsOnly();
    void opensNothingOutside();
    void removesAChildFollowingNoLink();

  private:
    QString at(const QString& relative) const { return dir_.filePath(relative); }
    /// "folder: name" of each opening or reading under the watched places (the name empty for
    /// the folder itself) since the last call.
    QStringList watchedOpenings();

    QTemporaryDir dir_;
    int notify_ = -1;
    QMap<int, QString> watched_;
    ScriptedDialogs dialogs_;
    RecordingPrinter printer_;
    WindowHost host_;
    std::unique_ptr<TeacherWindow> view_;
};

void TestTeacherView::initTestCase()
{
    const QString results = at(QStringLiteral("results"));
    const QString luca = at(QStringLiteral("results/3A/Luca"));
    // Outside: a session of Luca's with 50 wrong answers on 77, that must never count.
    const QByteArray outsider = sessionfile::write(session(
        QStringLiteral("Luca"), std::vector<std::pair<int, bool>>(50, {77, false}), {}, 99));
    put(at(QStringLiteral("outside/outside.csv")), outsider);
    put(at(QStringLiteral("outside/Luca/outside.csv")), outsider);

    QVERIFY(sessions::write(results, session(QStringLiteral("Luca"), {{17, true}, {17, false}})));
    QVERIFY(sessions::write(results, session(QStringLiteral("Luca"), {{40, false}, {40, true}},
                                             BoardKind::Form100b, 2)));
    QVERIFY(sessions::write(results, session(QStringLiteral("Marco"), {{5, true}})));
    const QByteArray good = sessionfile::write(session(QStringLiteral("Luca"), {{3, true}}));
    put(luca + QStringLiteral("/junk.csv"), "quadena-sessione;2\n\x01\xff garbage\n");
    put(luca + QStringLiteral("/notes.txt"), good);
    put(luca + QStringLiteral("/marco.csv"),
        sessionfile::write(session(QStringLiteral("Marco"), {{6, true}})));
    put(at(QStringLiteral("results/3A/stray.csv")), good);
    put(luca + QStringLiteral("/.hidden.csv"), good);
    for (const char* climbing : {".nascosta", "a.b", "%2e%2e", "Luca%2"})
        put(at(QStringLiteral("results/3A/%1/x.csv").arg(QLatin1String(climbing))), good);
    QFile big(luca + QStringLiteral("/big.csv"));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(2) << 30)); // sparse
    big.close();
    QVERIFY(
        QFile::link(at(QStringLiteral("outside/outside.csv")), luca + QStringLiteral("/link.csv")));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), luca + QStringLiteral("/zero.csv")));
    QVERIFY(QFile::link(at(QStringLiteral("outside")), at(QStringLiteral("results/3A/Fuori"))));
    QCOMPARE(link(QFile::encodeName(at(QStringLiteral("outside/outside.csv"))).constData(),
                  QFile::encodeName(luca + QStringLiteral("/hard.csv")).constData()),
             0);
    QCOMPARE(mkfifo(QFile::encodeName(luca + QStringLiteral("/fifo.csv")).constData(), 0600), 0);
    put(at(QStringLiteral("classi/3A.txt")), "Luca\nGiulia\n");

    notify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(notify_ >= 0);
    for (const char* place :
         {"outside", "outside/Luca", "outside/outside.csv", "results/3A/Luca"}) {
        const int wd = inotify_add_watch(
            notify_, QFile::encodeName(at(QLatin1String(place))).constData(), IN_OPEN | IN_ACCESS);
        QVERIFY(wd >= 0);
        watched_[wd] = QLatin1String(place);
    }

    LaunchOptions options;
    options.resultsDir = results;
    options.classesDir = at(QStringLiteral("classi"));
    view_ = std::make_unique<TeacherWindow>(host_, options, dialogs_, printer_);
    QSignalSpy shown(view_.get(), &TeacherWindow::classShown);
    host_.show(view_.get());
    QVERIFY(shown.wait(60000)); // only a hang fails here
}

QStringList TestTeacherView::watchedOpenings()
{
    QStringList names;
    alignas(inotify_event) char buffer[8192];
    for (ssize_t n; (n = read(notify_, buffer, sizeof buffer)) > 0;) {
        for (char* p = buffer; p < buffer + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            names << watched_.value(e->wd) + QStringLiteral(": ") +
                         (e->len ? QString::fromUtf8(e->name) : QString());
            p += sizeof(inotify_event) + e->len;
        }
    }
    return names;
}

void TestTeacherView::countsWhatIsNotASession_data()
{
    QTest::addColumn<classfolder::Ignored>("why");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown");
    using classfolder::Ignored;
    // junk.csv, notes.txt, marco.csv (Marco's session in Luca's folder), stray.csv
    QTest::newRow("junk") << Ignored::NotSession << 4 << "4 file che non sono sessioni";
    QTest::newRow("2 GB sparse") << Ignored::TooLarge << 1 << "1 file oltre 1 MB";
    // link.csv, zero.csv, hard.csv, Fuori
    QTest::newRow("links out") << Ignored::Link << 4 << "4 collegamenti";
    // .hidden.csv, .nascosta, a.b, %2e%2e, Luca%2
    QTest::newRow("climbing names") << Ignored::BadName << 5 << "5 nomi non validi";
    QTest::newRow("fifo") << Ignored::Special << 1 << "1 file speciale";
    QTest::newRow("unreadable") << Ignored::Unreadable << 0 << "illeggibil";
}

void TestTeacherView::countsWhatIsNotASession()
{
    QFETCH(classfolder::Ignored, why);
    QFETCH(int, count);
    QFETCH(QString, shown);
    QCOMPARE(view_->classResults()->ignored[static_cast<int>(why)], count);
    const QString page = view_->findChild<QLabel*>(names::of(names::kTeacherReading))->text();
    QCOMPARE(page.contains(shown), count > 0);
}

void TestTeacherView::readsTheSessionsOnly()
{
    const ClassResults& r = *view_->classResults();
    QCOMPARE(r.sessionFiles, 3);
    QStringList children;
    for (const ChildResults& c : r.children)
        children << QStringLiteral("%1:%2").arg(c.name).arg(c.sessions);
    QCOMPARE(children, QStringList({"Luca:2", "Giulia:0", "Marco:1"}));
    const RunRecord& luca = *r.children[0].record;
    QCOMPARE(luca.counts(BoardKind::Form100a, 17).right, 1u);
    QCOMPARE(luca.counts(BoardKind::Form100a, 17).wrong, 1u);
    QCOMPARE(luca.counts(BoardKind::Form100b, 40).wrong, 1u);
    QCOMPARE(r.whole->totals(BoardKind::Form100a).right +
                 r.whole->totals(BoardKind::Form100a).wrong,
             3u); // 17, 17 and Marco's 5: nothing of 77 from outside
    QCOMPARE(r.whole->counts(BoardKind::Form100a, 77).wrong, 0u);
    QCOMPARE(view_->findChild<QTableWidget*>(names::of(names::kTeacherChildren))->rowCount(), 3);
}

void TestTeacherView::opensNothingOutside()
{
    const QStringList opened = watchedOpenings();
    // Luca's folder was listed and its session files read; nothing else, and nothing outside.
    const QStringList refused = {"fifo.csv", "big.csv",     "hard.csv", "link.csv",
                                 "zero.csv", ".hidden.csv", "notes.txt"};
    bool listed = false;
    for (const QString& event : opened) {
        const QString name = event.section(QStringLiteral(": "), 1);
        QVERIFY2(event.startsWith(QStringLiteral("results/3A/Luca: ")) && !refused.contains(name),
                 qPrintable(opened.join(QStringLiteral(", "))));
        listed = listed || name.isEmpty();
    }
    QVERIFY(listed);
}

void TestTeacherView::removesAChildFollowingNoLink()
{
    view_->findChild<QTableWidget*>(names::of(names::kTeacherChildren))->setCurrentCell(0, 0);
    auto* remove = view_->findChild<QPushButton*>(names::of(names::kTeacherRemoveChild));
    QCOMPARE(remove->text(), QStringLiteral("Cancella i risultati di Luca…"));
    dialogs_.answers = {Answer::Yes};
    QSignalSpy shown(view_.get(), &TeacherWindow::classShown);
    remove->click();
    QVERIFY(shown.wait(60000));
    QVERIFY(dialogs_.messages.last().startsWith(
        QStringLiteral("Vuoi cancellare tutti i risultati di Luca")));
    QVERIFY(!QFileInfo::exists(at(QStringLiteral("results/3A/Luca"))));
    for (const char* kept : {"outside/outside.csv", "outside/Luca/outside.csv", "results/3A/Marco"})
        QVERIFY2(QFileInfo::exists(at(QLatin1String(kept))), kept);
    QVERIFY(QFileInfo(at(QStringLiteral("results/3A/Fuori"))).isSymLink());
    QFile outside(at(QStringLiteral("outside/outside.csv")));
    QVERIFY(outside.open(QIODevice::ReadOnly));
    QVERIFY(outside.readAll().contains("addizione-unita;77;0;1"));
    QCOMPARE(view_->classResults()->sessionFiles, 1);
    QCOMPARE(view_->classResults()->children[0].sessions, 0); // Luca stays on the class list
}

QTEST_MAIN(TestTeacherView)
#include "test_teacher_view.moc"
