#include "core/board/programstate.h"
#include "core/sheets/wrap.h"
#include "program.h"
#include "ui/design/names.h"
#include "ui/windows/gridwindow.h"
#include "ui/windows/worksheetwindow.h"

#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace {

QPlainTextEdit* box(QWidget* window, const char* name)
{
    return window->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
}

QString crlf(const QString& text)
{
    return QString(text).replace(u'\n', QStringLiteral("\r\n"));
}

void clickButton(QWidget* window, const char* name)
{
    QTest::mouseClick(window->findChild<QAbstractButton*>(QString::fromLatin1(name)),
                      Qt::LeftButton);
}

/// Another window of the program takes the focus, then the given one again.
void leaveAndComeBack(Program& p, QWidget* away, ProgramWindow* back)
{
    away->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(away));
    p.app.host().show(back);
    QVERIFY(QTest::qWaitForWindowActive(back));
}

} // namespace

class TestWorksheetWindows : public QObject {
    Q_OBJECT
  private slots:
    void worksheetFromEachBoard_data();
    void worksheetFromEachBoard();
    void printButtonsPrintWhatIsShown();
    void activationReplacesTheSheet();
    void esciHidesAndBoardStays();
    void findGridFollowsTheLevel();
    void recogniseGrid();
};

void TestWorksheetWindows::worksheetFromEachBoard_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    const QString add = QStringLiteral("           ESEGUI LE ADDIZIONI");
    const QString sub = QStringLiteral("           ESEGUI LE SOTTRAZIONI");
    QTest::newRow("Form100a") << QByteArray("Command3") << 19 << add;
    QTest::newRow("Form100b") << QByteArray("Command4") << 20 << add;
    QTest::newRow("Form100f") << QByteArray("Command5") << 15 << add;
    QTest::newRow("Form100c") << QByteArray("Command6") << 21 << sub;
    QTest::newRow("Form100d") << QByteArray("Command2") << 22 << sub;
    QTest::newRow("Form100e") << QByteArray("Command1") << 17 << sub;
}

void TestWorksheetWindows::worksheetFromEachBoard()
{
    QFETCH(QByteArray, button);
    QFETCH(int, kind);
    QFETCH(QString, title);
    Program p;
    BoardWindow* board = openFromMenu(p, button.constData());
    board->menuAction(BoardCommand::Stampa)->trigger();
    WorksheetWindow* w = p.app.worksheetWindow();
    QVERIFY(w && w->isVisible());
    QVERIFY(board->isVisible());
    QCOMPARE(int(p.app.state().tipoScheda.value_or(WorksheetKind{})), kind);
    QCOMPARE(w->windowTitle(), QStringLiteral("Common Dialogs Example"));
    const QStringList lines = box(w, "txtCD")->toPlainText().split(u'\n');
    QCOMPARE(lines.at(1), title);
    QCOMPARE(lines.at(3).size(), 84);
    QVERIFY(!box(w, "TextCor")->isVisible());
    QCOMPARE(box(w, "TextCor")->toPlainText().split(u'\n').at(3).size(), 80);
}

void TestWorksheetWindows::printButtonsPrintWhatIsShown()
{
    Program p;
    BoardWindow* board = openFromMenu(p, "Command5");
    board->menuAction(BoardCommand::Stampa)->trigger();
    WorksheetWindow* w = p.app.worksheetWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    const QString sheet = crlf(box(w, "txtCD")->toPlainText());
    const QString solutions = crlf(box(w, "TextCor")->toPlainText());
    clickButton(w, "btnCD");
    clickButton(w, "Command1");
    QCOMPARE(p.printer.texts, (QStringList{dividiRighe(sheet, 100), dividiRighe(solutions, 90)}));
    QCOMPARE(p.printer.fonts.at(0).family, FontFamily::MsSansSerif);
    QCOMPARE(p.printer.fonts.at(0).points, 12.0);
    QCOMPARE(crlf(box(w, "txtCD")->toPlainText()), sheet); // printing changes nothing

    // What the user typed is printed as typed, a long line broken at spaces.
    const QString typed = QString(QStringLiteral("parola ")).repeated(30).trimmed();
    box(w, "txtCD")->setPlainText(QStringLiteral("Nome: Luca\n") + typed);
    clickButton(w, "btnCD");
    const QStringList printed = p.printer.texts.last().split(QStringLiteral("\r\n"));
    QCOMPARE(printed.at(0), QStringLiteral("Nome: Luca"));
    QVERIFY(printed.size() >= 4);
    for (const QString& line : printed)
        QVERIFY(line.trimmed().size() <= 100);
    QCOMPARE(printed.mid(1).join(QString()).remove(u' '), QString(typed).remove(u' '));
    box(w, "txtCD")->clear();
    clickButton(w, "btnCD");
    QCOMPARE(p.printer.texts.last(), QStringLiteral("\r\n"));
    QVERIFY(p.dialogs.messages.isEmpty());
}

void TestWorksheetWindows::activationReplacesTheSheet()
{
    Program p;
    BoardWindow* board = openFromMenu(p, "Command6"); // a subtraction board: set up once
    QTest::mouseClick(board->cellButton(board->frame().programState().risultato), Qt::LeftButton);
    board->menuAction(BoardCommand::Stampa)->trigger();
    WorksheetWindow* w = p.app.worksheetWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    box(w, "txtCD")->setPlainText(QStringLiteral("modificato"));
    const int draws = p.random.draws;
    leaveAndComeBack(p, board, w);
    QCOMPARE(p.random.draws, draws + 120);
    QVERIFY(box(w, "txtCD")->toPlainText().contains(QStringLiteral("ESEGUI LE SOTTRAZIONI")));
    QCOMPARE(labelText(board, names::kEsatti), QStringLiteral(" 1")); // the board kept its state

    // Back on an addition board from the worksheet window: it starts over.
    p.dialogs.answers.push_back(Answer::Yes);
    board->menuAction(BoardCommand::Esci)->trigger();
    flushUnloads();
    QTest::mouseClick(p.app.menuWindow()->findChild<QPushButton*>(QStringLiteral("Command4")),
                      Qt::LeftButton);
    flushUnloads();
    BoardWindow* addition = p.app.boardWindow();
    QTest::mouseClick(addition->cellButton(addition->frame().programState().risultato),
                      Qt::LeftButton);
    addition->menuAction(BoardCommand::Stampa)->trigger();
    QVERIFY(box(w, "txtCD")->toPlainText().contains(QStringLiteral("ESEGUI LE ADDIZIONI")));
    QCOMPARE(p.app.worksheetWindow(), w); // one window, shared
    leaveAndComeBack(p, w, addition);
    QCOMPARE(labelText(addition, names::kEsatti), QStringLiteral("0"));
}

void TestWorksheetWindows::esciHidesAndBoardStays()
{
    Program p;
    BoardWindow* board = openFromMenu(p, "Command2");
    board->menuAction(BoardCommand::Stampa)->trigger();
    WorksheetWindow* w = p.app.worksheetWindow();
    const QString task = labelText(board, names::kTask);
    clickButton(w, names::kEsci);
    QVERIFY(!w->isVisible());
    QCOMPARE(p.app.worksheetWindow(), w);
    QVERIFY(board->isVisible());
    QCOMPARE(labelText(board, names::kTask), task);
    QVERIFY(p.dialogs.messages.isEmpty());
    // The next "Stampa scheda" shows it again with a new sheet.
    const int draws = p.random.draws;
    board->menuAction(BoardCommand::Stampa)->trigger();
    QVERIFY(w->isVisible());
    QCOMPARE(p.random.draws, draws + 120);
}

void TestWorksheetWindows::findGridFollowsTheLevel()
{
    Program p;
    BoardWindow* board = openFromMenu(p, "Command14");
    board->menuAction(BoardCommand::Stampa)->trigger();
    GridWindow* grid = p.app.findGridWindow();
    QVERIFY(grid && grid->isVisible());
    QCOMPARE(grid->objectName(), QStringLiteral("formStampa1"));
    const QList<int> numbers = grid->numbers();
    QCOMPARE(numbers.size(), 10);
    auto caption = [grid](int i) {
        return grid->findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(i))->text();
    };
    QCOMPARE(caption(30), QStringLiteral(" 30"));
    QVERIFY(caption(31).isEmpty());
    QCOMPARE(box(grid, "Text2")->toPlainText(),
             QStringLiteral(" Scrivi i numeri in cifre nella casella esatta"));
    QCOMPARE(box(grid, names::kSheetText)->toPlainText().split(u'\n').at(0),
             QStringLiteral(" %1").arg(numbers.at(0)));

    board->menuAction(BoardCommand::Facile)->trigger();
    leaveAndComeBack(p, board, grid);
    QCOMPARE(caption(31), QStringLiteral(" 31"));
    QCOMPARE(box(grid, "Text2")->toPlainText(),
             QStringLiteral("Colora le caselle dei seguenti numeri"));
    QCOMPARE(grid->numbers(), numbers);

    grid->menuBar()->actions().at(0)->trigger(); // "Stampa   "
    QCOMPARE(p.printer.widgets, QList<QWidget*>{grid->centralWidget()});
    QCOMPARE(grid->menuBar()->actions().at(0)->text(), QStringLiteral("Stampa   "));

    grid->menuBar()->actions().at(1)->trigger(); // "Esci": closed, back on the board
    flushUnloads();
    QVERIFY(!p.app.findGridWindow());
    QCOMPARE(labelText(board, names::kEsatti), QStringLiteral("0"));
    const int draws = p.random.draws;
    board->menuAction(BoardCommand::Stampa)->trigger();
    QVERIFY(p.app.findGridWindow());
    QVERIFY(p.random.draws >= draws + 10); // loaded afresh with new numbers
}

void TestWorksheetWindows::recogniseGrid()
{
    Program p;
    BoardWindow* board = openFromMenu(p, "Command7");
    board->menuAction(BoardCommand::Stampa)->trigger();
    GridWindow* grid = p.app.recogniseGridWindow();
    QCOMPARE(grid->objectName(), QStringLiteral("formStampa2"));
    QCOMPARE(grid->numbers().size(), 12);
    int marked = 0;
    for (int i = 0; i < 100; ++i) {
        const QString c = grid->findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(i))->text();
        QCOMPARE(c == QStringLiteral("X"), grid->numbers().contains(i));
        marked += c == QStringLiteral("X");
    }
    QVERIFY(marked >= 8 && marked <= 12);
    QCOMPARE(box(grid, names::kSheetText)->toPlainText().count(QStringLiteral("________")), 12);
    QVERIFY(box(grid, "Text2")->toPlainText().endsWith(QStringLiteral("segnate con la X")));
    QVERIFY(board->isVisible());
}

QTEST_MAIN(TestWorksheetWindows)
#include "test_worksheet_windows.moc"
