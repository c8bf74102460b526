#include "core/records/results.h"
#include "program.h"
#include "ui/design/resultmap.h"
#include "ui/windows/resultswindow.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Answer)

namespace {

/// The teacher's page, opened from the main menu.
ResultsWindow* openResults(Program& p)
{
    control<QPushButton>(p.app.menuWindow(), names::kRisultati)->click();
    return p.app.resultsWindow();
}

/// A board opened from the menu and answered: `wrong` wrong cells, then the right one; back
/// to the menu. Returns the number asked.
int answerOnBoard(Program& p, const char* button, int wrong)
{
    BoardWindow* board = nullptr;
    if (!p.app.menuWindow()) {
        board = openFromMenu(p, button, false);
    } else {
        control<QPushButton>(p.app.menuWindow(), button)->click();
        flushUnloads();
        board = p.app.boardWindow();
    }
    const int target = board->frame().programState().risultato;
    for (int i = 0; i < wrong; ++i)
        clickCell(board, (target + 1) % 100);
    clickCell(board, target);
    p.dialogs.answers.push_back(Answer::Yes);
    board->menuAction(BoardCommand::Esci)->trigger(); // back to the menu
    flushUnloads();
    return target;
}

} // namespace

class TestResults : public QObject {
    Q_OBJECT
  private slots:
    void risultatiStaysOutOfTheWay();
    void pageShowsWhatTheBoardsRecorded();
    void mapShowsTheHundredAsked();
    void mapCellsInPixels_data();
    void mapCellsInPixels();
    void save_data();
    void save();
    void azzeraRisultatiAsksFirst();
};

void TestResults::risultatiStaysOutOfTheWay()
{
    Program p;
    answerOnBoard(p, "Command3", 0);
    MenuWindow* menu = p.app.menuWindow();
    auto* risultati = control<QPushButton>(menu, names::kRisultati);
    for (QWidget* w : menu->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w != risultati)
            QVERIFY2(!w->geometry().intersects(risultati->geometry()), qPrintable(w->objectName()));
    }
    QCOMPARE(control<QPushButton>(menu, names::kEsci)->nextInFocusChain(), risultati);
}

void TestResults::pageShowsWhatTheBoardsRecorded()
{
    Program p;
    const int target = answerOnBoard(p, "Command3", 2); // add units
    ResultsWindow* page = openResults(p);
    QVERIFY(page && page->isVisible());
    const QString totals = control<QLabel>(page, names::kResultsTotals)->text();
    QVERIFY2(totals.contains(u"Aggiungere solo unità: 1 esatte, 2 errate, 33% esatte"),
             qPrintable(totals));
    auto* map = control<ResultMap>(page, names::kResultsMap);
    // Wrong answers count on the number asked, not on the cell clicked.
    QCOMPARE(QAccessible::queryAccessibleInterface(map)->childCount(), 100);
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(map)->child(target);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("%1: 2 errate su 3").arg(target));
    QVERIFY(control<QLabel>(page, names::kResultsMostWrong)
                ->text()
                .contains(QStringLiteral("%1 (2)").arg(target)));
    control<QPushButton>(page, names::kResultsPrint)->click();
    QVERIFY(p.printer.pages.value(0).startsWith(totals) && !p.printer.pictures[0].isNull());
    // A board hides the page; a second board joins its list.
    answerOnBoard(p, "Command4", 0);
    QVERIFY(!page->isVisible()); // a board hid the page
    page->activated();
    QCOMPARE(control<QComboBox>(page, names::kResultsBoard)->count(), 2);
}

void TestResults::mapShowsTheHundredAsked()
{
    RunRecord record([] { return qint64(0); });
    record.answer(BoardKind::Form100Trova2, 512, false);
    WindowHost host;
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    ResultsWindow page(host, record, dialogs, printer);
    auto* hundreds = control<QComboBox>(&page, names::kResultsHundred);
    QCOMPARE(hundreds->count(), 9); // from 100 to 999: nothing was asked below
    QCOMPARE(hundreds->currentText(), QStringLiteral("da 500 a 599"));
    QCOMPARE(control<ResultMap>(&page, names::kResultsMap)->cell(12).wrong, 1u);
}

void TestResults::mapCellsInPixels_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
}

void TestResults::mapCellsInPixels()
{
    QFETCH(qreal, ratio);
    RunRecord record([] { return qint64(0); });
    record.answer(BoardKind::Form100a, 12, false); // all wrong
    record.answer(BoardKind::Form100a, 13, true);  // none wrong
    ResultMap map;
    map.resize(280, 280);
    map.show(record, BoardKind::Form100a, 0);
    QImage image(QSize(280, 280) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    map.render(&image);
    // A corner of each cell, clear of its text: row 1, columns 2, 3 and 4.
    const auto at = [&](int cell) {
        return image.pixel(QPoint(cell % 10 * 28 + 3, cell / 10 * 28 + 3) * ratio);
    };
    QCOMPARE(QColor(at(14)), QColor(Qt::white)); // never asked
    QVERIFY2(qGray(at(13)) - qGray(at(12)) > 120,
             qPrintable(QStringLiteral("%1 %2").arg(qGray(at(13))).arg(qGray(at(12)))));
    QVERIFY(qGray(at(14)) > qGray(at(13)));
    QCOMPARE(map.picture(500).size(), QSize(500, 500));
}

void TestResults::save_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("before"); // 0 nothing, 1 a file holding "old", 2 a folder
    QTest::addColumn<Answer>("replace");
    QTest::addColumn<QByteArray>("starts"); // the file's beginning afterwards, empty for none
    QTest::addColumn<QString>("message");
    QTest::newRow("csv") << "r.csv" << 0 << Answer::No
                         << QStringLiteral("nome;Anna x\nesercizio;numero;esatte;errate\n"
                                           "Aggiungere solo unità;%1;1;1\n")
                                .toUtf8()
                         << "";
    QTest::newRow("pdf") << "r.pdf" << 0 << Answer::No << QByteArray("%PDF-") << "";
    QTest::newRow("no suffix is pdf") << "r" << 0 << Answer::No << QByteArray("%PDF-") << "";
    QTest::newRow("existing kept") << "r.csv" << 1 << Answer::No << QByteArray("old") << "esiste";
    QTest::newRow("existing replaced")
        << "r.csv" << 1 << Answer::Yes << QByteArray("nome;Anna x\nesercizio;") << "esiste";
    QTest::newRow("missing folder")
        << "gone/r.csv" << 0 << Answer::No << QByteArray() << "Non è stato possibile";
    QTest::newRow("a folder by that name")
        << "d.csv" << 2 << Answer::Yes << QByteArray() << "Non è stato possibile";
}

void TestResults::save()
{
    QFETCH(QString, file);
    QFETCH(int, before);
    QFETCH(Answer, replace);
    QFETCH(QByteArray, starts);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    if (before == 1) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    } else if (before == 2) {
        QVERIFY(QDir(dir.path()).mkdir(file));
    }
    Program p;
    const int asked = answerOnBoard(p, "Command3", 1);
    if (starts.contains("%1"))
        starts = QString::fromUtf8(starts).arg(asked).toUtf8();
    ResultsWindow* page = openResults(p);
    control<QLineEdit>(page, names::kResultsName)->setText(QStringLiteral(" Anna;\n\"x\" "));
    p.dialogs.saveNames.push_back(path);
    p.dialogs.answers.push_back(replace);
    control<QPushButton>(page, names::kResultsSave)->click();
    const QString said = p.dialogs.messages.mid(1).join(u'|'); // after the board's "Esci"
    QVERIFY2(message.isEmpty() ? said.isEmpty() : said.contains(message), qPrintable(said));
    const QString written =
        QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".pdf") : path;
    if (starts.isEmpty()) {
        QVERIFY(!QFileInfo(written).isFile());
    } else {
        QFile f(written);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY2(bytes.startsWith(starts), bytes.left(40).constData());
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (starts == "%PDF-" && !pdftotext.isEmpty()) { // its text, read back
            QProcess read;
            read.start(pdftotext, {written, QStringLiteral("-")});
            QVERIFY(read.waitForFinished());
            QVERIFY(
                QString::fromUtf8(read.readAllStandardOutput())
                    .contains(u"Risultati di Anna x\nAggiungere solo unità: 1 esatte, 1 errate"));
        }
    }
    QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size() <= 1); // no leftovers
    QCOMPARE(p.app.record().totals(BoardKind::Form100a).wrong, 1u);              // nothing lost
}

void TestResults::azzeraRisultatiAsksFirst()
{
    Program p;
    answerOnBoard(p, "Command3", 1);
    ResultsWindow* page = openResults(p);
    auto* azzera = control<QPushButton>(page, names::kResultsClear);
    p.dialogs.answers.push_back(Answer::No);
    azzera->click();
    QVERIFY(p.app.record().hasAnswers(BoardKind::Form100a));
    p.dialogs.answers.push_back(Answer::Yes);
    azzera->click();
    QVERIFY(!p.app.record().hasAnswers(BoardKind::Form100a));
    QVERIFY(control<QLabel>(page, names::kResultsTotals)->text().contains(u"Nessuna risposta"));
}

QTEST_MAIN(TestResults)
#include "test_results.moc"
