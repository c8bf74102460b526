// The session file as the keeper saves it, read back: when it is saved, what it holds, a
// failed save tried again, a new child in a file of its own, junk lines ignored; two sessions
// that start at one local minute or on two machines of one name in files of their own; files of
// the first kind; a class name kept alike in the file, its folder and the class lists.
#include "core/classes/classfolder.h"
#include "core/classes/classlist.h"
#include "core/sessions/sessionkeeper.h"
#include "core/sessions/sessionstore.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimeZone>
#include <mutex>

namespace {

/// Remembers every file saved; fails the first `failures` tries.
class RecordingStore final : public SessionStore {
  public:
    struct Saved {
        QString path;
        QByteArray bytes;
    };
    explicit RecordingStore(int failures) : failures_(failures) {}
    bool save(const QString& path, const QByteArray& bytes) override
    {
        const std::lock_guard hold(lock);
        if (failures_-- > 0)
            return false;
        saved.push_back({path, bytes});
        return true;
    }
    std::mutex lock;
    std::vector<Saved> saved;

  private:
    int failures_;
};

} // namespace

class TestSessionKeeper : public QObject {
    Q_OBJECT
  private slots:
    void savedAndReadBack_data()
    {
        QTest::addColumn<QString>("steps"); // r, w: an answer; L: board left; C: a new child
        QTest::addColumn<int>("failures");
        QTest::addColumn<QByteArray>("junk");
        QTest::addColumn<QList<int>>("saves"); // the answers of each file saved, in order
        QTest::addColumn<int>("ignored");
        QTest::newRow("a board left") << "rwrL" << 0 << QByteArray() << QList<int>{3} << 0;
        QTest::newRow("nothing to save") << "LL" << 0 << QByteArray() << QList<int>{} << 0;
        QTest::newRow("every 20 answers, and at the end")
            << QString(20, u'r') + QString(25, u'w') << 0 << QByteArray() << QList<int>{20, 40, 45}
            << 0;
        QTest::newRow("failed, tried again") << "rwL" << 2 << QByteArray() << QList<int>{2} << 0;
        QTest::newRow("a new child, a file of its own")
            << "rrCwL" << 0 << QByteArray() << QList<int>{2, 1} << 0;
        QTest::newRow("junk lines")
            << "rrwL" << 0
            << QByteArray("rubbish\naddizione-unita;xx;1;0;ora\n\xff\xfe;\n"
                          "addizione-unita;5;1;1;2026-12-09T10:15:07+01:00\nnome;Eve\n")
            << QList<int>{3} << 5;
    }

    void savedAndReadBack()
    {
        QFETCH(QString, steps);
        QFETCH(int, failures);
        QFETCH(QByteArray, junk);
        QFETCH(QList<int>, saves);
        QFETCH(int, ignored);
        auto owned = std::make_unique<RecordingStore>(failures);
        RecordingStore& store = *owned;
        QDateTime clock(QDate(2026, 12, 9), QTime(10, 15), Qt::OffsetFromUTC, 3600);
        SessionKeeper keeper(
            std::move(owned), QStringLiteral("/srv/risultati"), QStringLiteral("lab/03"), 4321,
            [&clock] {
                clock = clock.addSecs(1);
                return clock;
            },
            std::chrono::milliseconds(5));
        keeper.begin(QStringLiteral("3A"), QStringLiteral("Luca"));
        std::vector<std::vector<SessionAnswer>> fed(1);
        for (const QChar step : steps) {
            if (step == u'L') {
                keeper.boardLeft();
            } else if (step == u'C') {
                keeper.begin(QStringLiteral("3A"), QStringLiteral("Zoë"));
                fed.emplace_back();
            } else {
                const int number = int(fed.back().size() * 7 % 100);
                keeper.answer(BoardKind::Form100a, number, step == u'r');
                fed.back().push_back({BoardKind::Form100a, number, step == u'r', clock});
            }
            // Each save is written before the next step, so that none replaces another.
            while (keeper.unsaved() > 0)
                QThread::msleep(1);
        }
        QVERIFY(keeper.finish(std::chrono::minutes(1)));

        QList<int> counts;
        std::size_t child = 0;
        for (const RecordingStore::Saved& s : store.saved) {
            const sessionfile::Reading r = sessionfile::read(s.bytes + junk);
            QVERIFY(r.session);
            QCOMPARE(r.ignoredLines, ignored);
            const Session& got = *r.session;
            if (got.child != (child == 0 ? u"Luca" : u"Zoë"))
                ++child;
            QCOMPARE(got.className, QStringLiteral("3A"));
            QCOMPARE(got.host, QStringLiteral("lab/03"));
            const QString name = sessionfile::fileName(Session{.className = got.className,
                                                               .child = got.child,
                                                               .host = got.host,
                                                               .pid = 4321,
                                                               .started = got.started,
                                                               .answers = {}},
                                                       0);
            // The last 8 hexadecimal digits before `.csv` are the session's random token.
            QCOMPARE(s.path.chopped(12),
                     QStringLiteral("3A/%1/%2")
                         .arg(sessionfile::folderName(got.child), name.chopped(12)));
            const std::vector<SessionAnswer>& answers = fed.at(child);
            QVERIFY(std::equal(got.answers.begin(), got.answers.end(), answers.begin()));
            counts << int(got.answers.size());
        }
        QCOMPARE(counts, saves);
        QCOMPARE(keeper.unsaved(), 0);
    }

    void twoSessionsTwoFiles_data()
    {
        QTest::addColumn<QDateTime>("first");  // when each session starts, on its machine's
        QTest::addColumn<QDateTime>("second"); // clock, as the keeper takes it
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("secondName");
        const QTimeZone rome("Europe/Rome");
        const auto inRome = [&rome](int day, int month, int hour, int minute) {
            const QDateTime t =
                QDateTime(QDate(2026, month, day), QTime(hour, minute), Qt::UTC).toTimeZone(rome);
            return t.toOffsetFromUtc(t.offsetFromUtc());
        };
        // 02:30 comes twice on 25 October 2026 in Rome: at 00:30 and at 01:30 UTC.
        QTest::newRow("the same minute at the October change")
            << inRome(25, 10, 0, 30) << inRome(25, 10, 1, 30) << "20261025T003000Z-lab-03-4321"
            << "20261025T013000Z-lab-03-4321";
        QTest::newRow("two machines cloned from one image")
            << inRome(9, 12, 9, 15) << inRome(9, 12, 9, 15) << "20261209T091500Z-lab-03-4321"
            << "20261209T091500Z-lab-03-4321";
    }

    void twoSessionsTwoFiles()
    {
        QFETCH(QDateTime, first);
        QFETCH(QDateTime, second);
        QFETCH(QString, firstName);
        QFETCH(QString, secondName);
        QStringList paths;
        for (const QDateTime& start : {first, second}) {
            auto owned = std::make_unique<RecordingStore>(0);
            RecordingStore& store = *owned;
            SessionKeeper keeper(std::move(owned), QStringLiteral("/srv/risultati"),
                                 QStringLiteral("lab-03"), 4321, [start] { return start; });
            keeper.begin(QStringLiteral("3A"), QStringLiteral("Luca"));
            keeper.answer(BoardKind::Form100a, 17, true);
            QVERIFY(keeper.finish(std::chrono::minutes(1)));
            QCOMPARE(store.saved.size(), std::size_t(1));
            paths << store.saved.front().path;
        }
        const QRegularExpression token(QStringLiteral("^3A/Luca/(.*)-[0-9a-f]{8}\\.csv$"));
        QCOMPARE(token.match(paths[0]).captured(1), firstName);
        QCOMPARE(token.match(paths[1]).captured(1), secondName);
        QVERIFY(paths[0] != paths[1]);
    }

    void boardByCaptionOrId_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray header(
            "classe;3A\nnome;Luca\nmacchina;lab-03\n"
            "inizio;2026-12-09T10:15:00+01:00\nesercizio;numero;esatte;errate;ora\n");
        QTest::newRow("written before ids: by caption")
            << "quadena-sessione;1\n" + header +
                   "Aggiungere solo unità;17;0;1;2026-12-09T10:15:07+01:00\n"
                   "trovare i numeri superiori a 99;250;1;0;2026-12-09T10:15:17+01:00\n";
        QTest::newRow("written now: by id")
            << "quadena-sessione;2\n" + header +
                   "addizione-unita;17;0;1;2026-12-09T10:15:07+01:00\n"
                   "trova-oltre-99;250;1;0;2026-12-09T10:15:17+01:00\n";
    }

    void boardByCaptionOrId()
    {
        QFETCH(QByteArray, bytes);
        const QDateTime start(QDate(2026, 12, 9), QTime(10, 15), Qt::OffsetFromUTC, 3600);
        const Session expected{"3A",
                               "Luca",
                               "lab-03",
                               0,
                               start,
                               {{BoardKind::Form100a, 17, false, start.addSecs(7)},
                                {BoardKind::Form100Trova2, 250, true, start.addSecs(17)}}};
        const sessionfile::Reading r = sessionfile::read(bytes);
        QVERIFY(r.session);
        QCOMPARE(r.ignoredLines, 0);
        QCOMPARE(r.session->answers, expected.answers);
        QCOMPARE(sessionfile::read(sessionfile::write(expected)).session->answers,
                 expected.answers);
    }

    void classNameInFileAndFolder_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("kept"); // as the file and the folder keep it; none: refused
        QTest::newRow("plain") << "3A"
                               << "3A";
        QTest::newRow("with a ;") << "3;A" << QString();
        QTest::newRow("blanks and a decomposed letter") << " 3  e\u0300 "
                                                        << "3 \u00e8";
    }

    void classNameInFileAndFolder()
    {
        QFETCH(QString, className);
        QFETCH(QString, kept);
        QTemporaryDir lists;
        QFile list(lists.filePath(className + QStringLiteral(".txt")));
        QVERIFY(list.open(QIODevice::WriteOnly) && list.write("Luca\n") > 0);
        list.close();
        const ClassLists read = classlist::read(lists.path());
        QCOMPARE(read.classes.size(), kept.isEmpty() ? 0u : 1u);
        QCOMPARE(read.warnings.size(), kept.isEmpty() ? 1 : 0);

        auto owned = std::make_unique<RecordingStore>(0);
        RecordingStore& store = *owned;
        SessionKeeper keeper(std::move(owned), QStringLiteral("/srv/risultati"),
                             QStringLiteral("lab-03"), 4321);
        keeper.begin(className, QStringLiteral("Luca"));
        keeper.answer(BoardKind::Form100a, 17, true);
        QVERIFY(keeper.finish(std::chrono::minutes(1)));
        QCOMPARE(store.saved.size(), kept.isEmpty() ? 0u : 1u);
        if (kept.isEmpty())
            return;
        const QString folder = store.saved[0].path.section(u'/', 0, 0);
        QCOMPARE(folder, sessionfile::folderName(kept));
        QCOMPARE(classfolder::nameOfFolder(folder), std::optional<QString>(kept));
        QCOMPARE(sessionfile::read(store.saved[0].bytes).session->className, kept);
        QCOMPARE(read.classes[0].name, kept);
    }
};

QTEST_GUILESS_MAIN(TestSessionKeeper)
#include "test_sessionkeeper.moc"
