// A child's symbol as the class list changes around them: the children who stay keep theirs,
// a new child gets one nobody else has.
#include "core/classes/pupilsymbol.h"
#include "core/sessions/sessionfile.h"

#include <QTest>
#include <QTimeZone>

class TestClasses : public QObject {
    Q_OBJECT
  private slots:
    void symbolKept_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("played"); // in the order of their first sessions
        // Luca and Mia would both have the same symbol, and so would Giulia, Elena and Ahmed.
        const QStringList four{"Luca", "Mia", "Giulia", "Elena"};
        QTest::newRow("Zoe added at the top")
            << four << QStringList{"Zoe", "Luca", "Mia", "Giulia", "Elena"} << QStringList{};
        QTest::newRow("Ahmed added at the top, Mia played first")
            << four << QStringList{"Ahmed", "Luca", "Mia", "Giulia", "Elena"}
            << QStringList{"Mia", "Giulia", "Elena", "Luca"};
        QTest::newRow("Elena removed, her results kept")
            << four << QStringList{"Luca", "Mia", "Giulia"}
            << QStringList{"Elena", "Luca", "Giulia", "Mia"};
    }

    void symbolKept()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QStringList, played);
        pupilsymbol::FirstPlayed first;
        const QDateTime october(QDate(2026, 10, 1), QTime(9, 0), QTimeZone::utc());
        for (qsizetype i = 0; i < played.size(); ++i)
            first[sessionfile::folderName(played[i])] = october.addDays(i);
        const std::vector<PupilSymbol> was = pupilsymbol::ofClass(before, first);
        const std::vector<PupilSymbol> is = pupilsymbol::ofClass(after, first);
        for (qsizetype i = 0; i < after.size(); ++i) {
            const qsizetype old = before.indexOf(after[i]);
            if (old >= 0)
                QVERIFY2(is[std::size_t(i)] == was[std::size_t(old)], qPrintable(after[i]));
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY2(is[std::size_t(i)] != is[std::size_t(j)],
                         qPrintable(after[i] + u'/' + after[j]));
        }
    }
};

QTEST_GUILESS_MAIN(TestClasses)
#include "test_classes.moc"
