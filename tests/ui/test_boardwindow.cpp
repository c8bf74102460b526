#include "core/board/exercise.h"
#include "core/board/programstate.h"
#include "core/board/texts.h"
#include "program.h"
#include "ui/design/designarea.h"
#include "ui/design/fonts.h"
#include "ui/design/names.h"
#include "ui/windows/startwindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

Q_DECLARE_METATYPE(BoardKind)

namespace {

int target(BoardWindow* b)
{
    return b->frame().programState().risultato;
}

QColor cellColour(BoardWindow* b, int i)
{
    return b->cellButton(i)->faceColour();
}

/// A second window of the program, such as the worksheet window the boards open.
class OtherWindow final : public ProgramWindow {
  public:
    using ProgramWindow::ProgramWindow;
};

} // namespace

class TestBoardWindow : public QObject {
    Q_OBJECT
  private slots:
    void designOfEveryBoard_data();
    void designOfEveryBoard();
    void additionInWaitingMode();
    void subtractionInAutomaticMode();
    void returningToTheBoard_data();
    void returningToTheBoard();
    void maximumRefusedAndAccepted();
    void esciAnsweredNo();
    void stampaScheda();
    void everyListedControlIsFound_data();
    void everyListedControlIsFound();
    void aControlOfAnotherTypeIsAFault();
};

void TestBoardWindow::designOfEveryBoard_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QString>("maximumItem");
    QTest::addColumn<QString>("maximumCaption");
    QTest::addColumn<QRect>("avanti");
    QTest::addColumn<bool>("label3");
    const QString nine = QStringLiteral("Numero massimo         ");
    const QString eight = QStringLiteral("Numero massimo        ");
    QTest::newRow("Form100a") << QByteArray("Command3") << "Form100a" << QSize(634, 435) << "mnuNum"
                              << nine << QRect(424, 336, 127, 73) << true;
    QTest::newRow("Form100b") << QByteArray("Command4") << "Form100b" << QSize(679, 440) << "mnuNum"
                              << nine << QRect(424, 336, 127, 73) << true;
    QTest::newRow("Form100f") << QByteArray("Command5") << "Form100f" << QSize(679, 440) << "NumMas"
                              << eight << QRect(440, 336, 127, 73) << true;
    QTest::newRow("Form100c") << QByteArray("Command6") << "Form100c" << QSize(634, 435) << "mnuNUM"
                              << nine << QRect(448, 336, 127, 73) << false;
    QTest::newRow("Form100d") << QByteArray("Command2") << "Form100d" << QSize(634, 435) << "mnuNum"
                              << nine << QRect(440, 336, 127, 73) << false;
    QTest::newRow("Form100e") << QByteArray("Command1") << "Form100e" << QSize(634, 435) << "mnuNum"
                              << eight << QRect(440, 336, 127, 73) << false;
}

void TestBoardWindow::designOfEveryBoard()
{
    QFETCH(QByteArray, button);
    QFETCH(QString, name);
    QFETCH(QSize, area);
    QFETCH(QString, maximumItem);
    QFETCH(QString, maximumCaption);
    QFETCH(QRect, avanti);
    QFETCH(bool, label3);
    Program p;
    BoardWindow* b = openFromMenu(p, button.constData());
    QVERIFY(b && b->isVisible());
    QCOMPARE(b->objectName(), name);
    QCOMPARE(b->centralWidget()->size(), area);
    QVERIFY(!p.app.menuWindow());

    QStringList names, captions;
    for (QAction* a : b->menuBar()->actions()) {
        names << a->objectName();
        captions << a->text();
    }
    QCOMPARE(names,
             (QStringList{"MenuAzzera", maximumItem, "mnuStampa", "MenuInformazioni", "mnuEsci"}));
    QCOMPARE(captions, (QStringList{"Azzera conteggio        ", maximumCaption,
                                    "Stampa scheda        ", "Informazioni          ", "Esci"}));

    for (int i : {0, 9, 45, 90, 99}) {
        QPushButton* cell = b->cellButton(i);
        QCOMPARE(cell->objectName(), QStringLiteral("Numero(%1)").arg(i));
        QCOMPARE(cell->geometry(), QRect(8 + 40 * (i % 10), 8 + 40 * (i / 10), 41, 41));
        QCOMPARE(cell->text(), QStringLiteral(" %1").arg(i));
        QCOMPARE(cellColour(b, i), QColor(0xC0, 0xFF, 0xC0));
    }
    QCOMPARE(b->findChild<QToolButton*>(names::of(names::kAvanti))->geometry(), avanti);
    QCOMPARE(b->findChild<QLabel*>(QStringLiteral("Label3")) != nullptr, label3);
    QCOMPARE(labelText(b, names::kEsatti), QStringLiteral("0"));
    QCOMPARE(labelText(b, names::kErrati), QStringLiteral("0"));
    QVERIFY(b->findChild<QWidget*>(names::of(names::kFaceSad))->isVisible());
    QVERIFY(!b->findChild<QWidget*>(names::of(names::kFaceHappy))->isVisible());
    QVERIFY(!b->findChild<QWidget*>(names::of(names::kFaceHappy))->accessibleName().isEmpty());
    QCOMPARE(b->centralWidget()->palette().color(QPalette::Window),
             toColor(b->frame().windowColour()));
}

void TestBoardWindow::additionInWaitingMode()
{
    Program p;
    BoardWindow* b = openFromMenu(p, "Command3");
    QVERIFY(avanti(b)->isVisible());
    QVERIFY(!avanti(b)->isEnabled());
    const int t = target(b);
    const QString task = labelText(b, names::kTask);
    clickCell(b, t == 10 ? 11 : 10);
    QCOMPARE(labelText(b, names::kErrati), QStringLiteral(" 1"));
    QCOMPARE(p.sounds.played.last(), Sound::No);
    clickCell(b, t);
    QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" 1"));
    QCOMPARE(labelText(b, names::kTask), task + QStringLiteral(" %1").arg(t));
    QVERIFY(b->findChild<QWidget*>(names::of(names::kFaceHappy))->isVisible());
    QVERIFY(!b->findChild<QWidget*>(names::of(names::kFaceSad))->isVisible());
    QVERIFY(!b->cellButton(t)->isEnabled());
    QVERIFY(avanti(b)->isEnabled());
    clickCell(b, t); // disabled: no reaction
    QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" 1"));
    QTest::mouseClick(avanti(b), Qt::LeftButton);
    QVERIFY(b->cellButton(t)->isEnabled());
    QVERIFY(!avanti(b)->isEnabled());
    QVERIFY(labelText(b, names::kTask).endsWith(QStringLiteral(" = ")));

    p.dialogs.answers.push_back(Answer::Yes);
    b->menuAction(BoardCommand::Esci)->trigger();
    QCOMPARE(p.dialogs.messages.last(), QString::fromUtf16(texts::kBackToMenu));
    flushUnloads();
    QVERIFY(!p.app.boardWindow());
    QVERIFY(p.app.menuWindow()->isVisible());
}

void TestBoardWindow::subtractionInAutomaticMode()
{
    Program p;
    BoardWindow* b = openFromMenu(p, "Command2", false);
    QVERIFY(!avanti(b)->isVisible());
    for (int n = 1; n <= 10; ++n) {
        const int t = target(b);
        clickCell(b, t);
        QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" %1").arg(n));
        QVERIFY(b->cellButton(t)->isEnabled());
        QVERIFY(labelText(b, names::kTask).endsWith(QStringLiteral(" = ")));
        QVERIFY(labelText(b, names::kTask).contains(QStringLiteral(" - ")));
    }
    QCOMPARE(b->centralWidget()->palette().color(QPalette::Window),
             toColor(b->frame().windowColour()));
    p.dialogs.answers.push_back(Answer::Yes);
    b->menuAction(BoardCommand::Esci)->trigger();
    flushUnloads();
    QVERIFY(p.app.menuWindow()->isVisible());
}

void TestBoardWindow::returningToTheBoard_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<bool>("startsOver");
    QTest::newRow("addition Form100b") << QByteArray("Command4") << true;
    QTest::newRow("subtraction Form100e") << QByteArray("Command1") << false;
}

void TestBoardWindow::returningToTheBoard()
{
    QFETCH(QByteArray, button);
    QFETCH(bool, startsOver);
    Program p;
    BoardWindow* b = openFromMenu(p, button.constData());
    QVERIFY(QTest::qWaitForWindowActive(b));
    const int t = target(b);
    clickCell(b, t);
    const QString task = labelText(b, names::kTask);
    OtherWindow other(p.app.host());
    p.app.host().show(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    b->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(b));
    if (startsOver) {
        QCOMPARE(labelText(b, names::kEsatti), QStringLiteral("0"));
        QVERIFY(b->cellButton(t)->isEnabled()); // the wait ended with the new task
        QVERIFY(!avanti(b)->isEnabled());
    } else {
        QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" 1"));
        QCOMPARE(labelText(b, names::kTask), task);
        QVERIFY(avanti(b)->isEnabled());
    }
}

void TestBoardWindow::maximumRefusedAndAccepted()
{
    Program p;
    BoardWindow* b = openFromMenu(p, "Command5");
    const QString task = labelText(b, names::kTask);
    p.dialogs.inputs.push_back(QStringLiteral("100"));
    b->menuAction(BoardCommand::NumeroMassimo)->trigger();
    QCOMPARE(p.dialogs.prompts.last(), QString::fromUtf16(texts::kMaximumPrompt));
    QCOMPARE(p.dialogs.messages.last(), QString::fromUtf16(texts::kRefused));
    QCOMPARE(p.dialogs.styles.last(), MessageStyle::Critical);
    QCOMPARE(labelText(b, names::kTask), task);
    QVERIFY(b->cellButton(99)->isVisible());

    p.dialogs.inputs.push_back(QStringLiteral("20"));
    b->menuAction(BoardCommand::NumeroMassimo)->trigger();
    QCOMPARE(p.dialogs.messages.size(), 1);
    QVERIFY(b->cellButton(20)->isVisible());
    QVERIFY(!b->cellButton(21)->isVisible());
    QVERIFY(target(b) <= 20);
}

void TestBoardWindow::esciAnsweredNo()
{
    Program p;
    BoardWindow* b = openFromMenu(p, "Command6");
    clickCell(b, target(b));
    const QString task = labelText(b, names::kTask);
    b->menuAction(BoardCommand::Esci)->trigger(); // the scripted box answers No
    flushUnloads();
    QCOMPARE(p.app.boardWindow(), b);
    QVERIFY(b->isVisible());
    QCOMPARE(labelText(b, names::kTask), task);
    QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" 1"));
    QVERIFY(!p.app.menuWindow());
}

void TestBoardWindow::stampaScheda()
{
    Program p;
    BoardWindow* b = openFromMenu(p, "Command5");
    const QString task = labelText(b, names::kTask);
    b->menuAction(BoardCommand::Stampa)->trigger();
    QCOMPARE(p.app.state().tipoScheda, std::optional(WorksheetKind::AddTensUnits));
    QCOMPARE(labelText(b, names::kTask), task);
    QVERIFY(b->isVisible());
}

void TestBoardWindow::everyListedControlIsFound_data()
{
    QTest::addColumn<BoardKind>("kind");
    for (int k = 0; k <= static_cast<int>(BoardKind::Form100Trova2); ++k) {
        const auto kind = static_cast<BoardKind>(k);
        QTest::newRow(boardDesign(kind).name) << kind;
    }
}

/// Every control a board's design lists is found by the window with the type it expects.
void TestBoardWindow::everyListedControlIsFound()
{
    QFETCH(BoardKind, kind);
    QTest::failOnWarning(QRegularExpression(QStringLiteral("the design lists")));
    WindowHost host;
    ProgramState state;
    ScriptedRandom random;
    RecordingSounds sounds;
    ScriptedDialogs dialogs;
    BoardWindow board(host, boardDesign(kind),
                      std::make_unique<BoardFrame>(makeExercise(kind), state, random, sounds),
                      dialogs);
    QVERIFY(board.findChild<QWidget*>(names::of(names::kEsatti)));
}

void TestBoardWindow::aControlOfAnotherTypeIsAFault()
{
#ifndef QT_NO_DEBUG
    QSKIP("a debug build stops at the fault itself");
#endif
    QWidget area;
    const std::span<const ControlRow> rows = boardDesign(BoardKind::Form100Trova2).controls;
    for (const ControlRow& row : rows)
        (new QWidget(&area))->setObjectName(QString::fromLatin1(row.name));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("the design lists HScroll1")));
    QCOMPARE(optionalControl<QScrollBar>(&area, rows, names::kHundreds), nullptr);
    QCOMPARE(optionalControl<QScrollBar>(&area, rows, names::kAnswerBox), nullptr);
}

QTEST_MAIN(TestBoardWindow)
#include "test_boardwindow.moc"
