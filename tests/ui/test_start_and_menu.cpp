#include "board_fixture.h"
#include "core/board/catalogue.h"
#include "core/board/exercise.h"
#include "core/board/texts.h"
#include "core/records/results.h"
#include "core/speech/boardvoice.h"
#include "program.h"
#include "ui/design/boarddesign.h"
#include "ui/design/fonts.h"
#include "ui/design/names.h"
#include "ui/windows/menuwindow.h"
#include "ui/windows/startwindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

void click(QWidget* window, const char* name)
{
    auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    button->click();
    flushUnloads();
}

QColor background(QWidget* w)
{
    return w->palette().color(w->backgroundRole());
}

/// A window of the program that does nothing but count its activations.
class CountingWindow final : public ProgramWindow {
  public:
    using ProgramWindow::ProgramWindow;
    void activated() override { ++count; }
    int count = 0;
    int systemActivations = 0;

  protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::WindowActivate)
            ++systemActivations;
        return ProgramWindow::event(e);
    }
};

} // namespace

class TestStartAndMenu : public QObject {
    Q_OBJECT
  private slots:
    void startUpState();
    void startWindowDesign();
    void avvioOpensTheMenu();
    void menuDesign();
    void menuColourDrawnAtEachOpening();
    void modeKeptAcrossReopening();
    void maximumHoldsAcrossBoards();
    void informationBox();
    void exitQuestion();
    void activationRunsOncePerReturn();
    void messageBoxClosingIsNoActivation();
    void everyButtonReachableByTab();
    void everyBoardOfTheCatalogueIsUsed();
};

void TestStartAndMenu::startUpState()
{
    Program p(1);
    p.app.state().attendiBottone = false;
    p.app.state().numeroMassimo = 40;
    p.app.main();
    QVERIFY(p.app.startWindow()->isVisible());
    QVERIFY(p.app.state().attendiBottone);
    QCOMPARE(p.app.state().numeroMassimo, qint16(99));
    QCOMPARE(p.random.draws, 1); // the start window's colour
    QVERIFY(!p.app.menuWindow());
}

void TestStartAndMenu::startWindowDesign()
{
    Program p(1);
    p.random.push(2.5f / 18); // menu entry 3: pure red, which only the menu variant has
    p.app.main();
    QWidget* w = p.app.startWindow()->centralWidget();
    QCOMPARE(background(w), toColor(0x000000FF));
    QCOMPARE(control<QLabel>(w, "Label2(0)")->text(), QStringLiteral("    Quadena dei numeri "));
    QCOMPARE(control<QLabel>(w, "Label2(1)")->text(), QStringLiteral("Esercitazioni matematiche"));
    QCOMPARE(background(control<QLabel>(w, "Label2(0)")), toColor(colours::kBoardLabel));
    auto* avvio = control<QAbstractButton>(w, "Command1");
    QCOMPARE(avvio->text(), QStringLiteral("Avvio"));
    QVERIFY(!avvio->icon().isNull());
    QCOMPARE(w->size(), QSize(584, 441));
}

void TestStartAndMenu::avvioOpensTheMenu()
{
    Program p(1);
    p.app.main();
    click(p.app.startWindow(), "Command1");
    QVERIFY(!p.app.startWindow());
    QVERIFY(p.app.menuWindow()->isVisible());
}

void TestStartAndMenu::menuDesign()
{
    Program p(1);
    p.app.main();
    p.random.push(8.5f / 18); // menu entry 9: light green 0x0080FF80
    click(p.app.startWindow(), "Command1");
    QWidget* w = p.app.menuWindow()->centralWidget();
    const QColor colour = toColor(0x0080FF80);
    QCOMPARE(background(w), colour);
    QCOMPARE(background(control<QRadioButton>(w, "Option1(0)")), colour);
    QCOMPARE(background(control<QRadioButton>(w, "Option1(1)")), colour);
    for (const char* label : {"Label1", "Label2", "Label3", "Label4"})
        QCOMPARE(background(control<QLabel>(w, label)), toColor(colours::kMenuLabel));
    QCOMPARE(control<QLabel>(w, "Label4")->text(), QStringLiteral("Numeri superiori  a  99"));
    QCOMPARE(control<QAbstractButton>(w, "Option1(0)")->text(),
             QStringLiteral("prosegue automaticamente  negli esercizi"));
    QCOMPARE(control<QAbstractButton>(w, "Command3")->text(),
             QStringLiteral("Aggiungere solo unità"));
    QCOMPARE(control<QAbstractButton>(w, names::kEsci)->font().pointSizeF(), 27.75);
    QVERIFY(control<QRadioButton>(w, "Option1(1)")->isChecked());
    QVERIFY(!control<QRadioButton>(w, "Option1(0)")->isChecked());
}

void TestStartAndMenu::menuColourDrawnAtEachOpening()
{
    Program p(1);
    p.app.main();
    click(p.app.startWindow(), "Command1");
    click(p.app.menuWindow(), "Command3");
    const int draws = p.random.draws;
    p.app.showMenu();
    flushUnloads();
    QCOMPARE(p.random.draws, draws + 1);
    QVERIFY(!p.app.boardWindow());
}

void TestStartAndMenu::modeKeptAcrossReopening()
{
    Program p(1);
    p.app.main();
    click(p.app.startWindow(), "Command1");
    click(p.app.menuWindow(), "Option1(0)");
    QVERIFY(!p.app.state().attendiBottone);
    click(p.app.menuWindow(), "Command6"); // "Togliere solo unità"
    QVERIFY(!p.app.menuWindow());
    BoardWindow* board = p.app.boardWindow();
    QCOMPARE(board->objectName(), QStringLiteral("Form100c"));
    QVERIFY(!board->frame().avantiVisible());
    p.dialogs.answers.push_back(Answer::Yes);
    board->menuAction(BoardCommand::Esci)->trigger();
    flushUnloads();
    QVERIFY(!p.app.boardWindow());
    QWidget* menu = p.app.menuWindow()->centralWidget();
    QVERIFY(control<QRadioButton>(menu, "Option1(0)")->isChecked());
    click(p.app.menuWindow(), "Option1(1)");
    QVERIFY(p.app.state().attendiBottone);
}

void TestStartAndMenu::maximumHoldsAcrossBoards()
{
    Program p(1);
    p.app.main();
    click(p.app.startWindow(), "Command1");
    click(p.app.menuWindow(), "Command4");
    p.dialogs.inputs.push_back(QStringLiteral("30"));
    p.app.boardWindow()->menuAction(BoardCommand::NumeroMassimo)->trigger();
    QCOMPARE(p.dialogs.defaults, QStringList{QStringLiteral("99")});
    p.app.showMenu();
    flushUnloads();
    click(p.app.menuWindow(), "Command2");
    BoardWindow* other = p.app.boardWindow();
    QVERIFY(other->cellButton(30)->isVisibleTo(other));
    QVERIFY(!other->cellButton(31)->isVisibleTo(other));
    p.dialogs.inputs.push_back(QString());
    other->menuAction(BoardCommand::NumeroMassimo)->trigger();
    QCOMPARE(p.dialogs.defaults.last(), QStringLiteral("30"));
}

void TestStartAndMenu::informationBox()
{
    Program p(1);
    p.app.main();
    click(p.app.startWindow(), "Command1");
    click(p.app.menuWindow(), "Command5");
    BoardWindow* board = p.app.boardWindow();
    const QString task = board->frame().taskText();
    board->menuAction(BoardCommand::Informazioni)->trigger();
    QCOMPARE(p.dialogs.styles, QList<MessageStyle>{MessageStyle::Information});
    const QStringList lines = p.dialogs.messages.value(0).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].endsWith(QStringLiteral("  ")));
    QCOMPARE(lines[1], QStringLiteral(" ") + QString(23, u'-') + QStringLiteral(" "));
    QVERIFY(lines[2].contains(QStringLiteral("example.org")));
    QVERIFY(lines[3].startsWith(QStringLiteral("mail: ")));
    QVERIFY(lines[3].endsWith(QStringLiteral("@example.org")));
    QCOMPARE(board->frame().taskText(), task);
}

void TestStartAndMenu::exitQuestion()
{
    Program p(1);
    QSignalSpy ended(&p.app, &Application::ended);
    p.app.main();
    click(p.app.startWindow(), "Command1");
    p.dialogs.answers.push_back(Answer::No);
    click(p.app.menuWindow(), names::kEsci);
    QCOMPARE(p.dialogs.messages, QStringList{QString::fromUtf16(texts::kExitProgram)});
    QCOMPARE(p.dialogs.styles, QList<MessageStyle>{MessageStyle::Question});
    QCOMPARE(ended.count(), 0);
    QVERIFY(p.app.menuWindow()->isVisible());
    p.dialogs.answers.push_back(Answer::Yes);
    click(p.app.menuWindow(), names::kEsci);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!p.app.menuWindow());
}

void TestStartAndMenu::activationRunsOncePerReturn()
{
    WindowHost host;
    CountingWindow a(host), b(host);
    host.show(&a);
    QCOMPARE(a.count, 1);
    QVERIFY(QTest::qWaitForWindowActive(&a));
    QCOMPARE(a.count, 1); // the window system's activation of the first showing is not another
    host.show(&b);
    QVERIFY(QTest::qWaitForWindowActive(&b));
    QCOMPARE(b.count, 1);
    a.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&a));
    QCOMPARE(a.count, 2);
    QCOMPARE(b.count, 1);
}

void TestStartAndMenu::messageBoxClosingIsNoActivation()
{
    WindowHost host;
    CountingWindow a(host);
    host.show(&a);
    QVERIFY(QTest::qWaitForWindowActive(&a));
    QTimer::singleShot(50, &a, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    QMessageBox::information(&a, QStringLiteral("t"), QStringLiteral("x"));
    a.activateWindow(); // the window system gives the focus back to the window
    QVERIFY(QTest::qWaitForWindowActive(&a));
    QTest::qWait(50);
    QCOMPARE(a.systemActivations, 2); // the window system did activate it again...
    QCOMPARE(a.count, 1);             // ...but that is no return to the board
}

void TestStartAndMenu::everyButtonReachableByTab()
{
    Program p(1);
    p.app.main();
    for (QAbstractButton* b : p.app.startWindow()->findChildren<QAbstractButton*>())
        QVERIFY(b->focusPolicy() & Qt::TabFocus);
    click(p.app.startWindow(), "Command1");
    const auto buttons = p.app.menuWindow()->findChildren<QAbstractButton*>();
    // A button a board, the two options, "Esci" and "Risultati".
    QCOMPARE(buttons.size(), qsizetype(boardCatalogue().size()) + 4);
    for (QAbstractButton* b : buttons) {
        QVERIFY2(b->focusPolicy() & Qt::TabFocus, qPrintable(b->objectName()));
        QVERIFY(b->accessibleName().isEmpty()); // the caption is what is read
    }
}

void TestStartAndMenu::everyBoardOfTheCatalogueIsUsed()
{
    // The menu: one button a board, captioned as its row, under its group's label.
    WindowHost host;
    ProgramState state;
    ScriptedRandom random({}, 1);
    MenuWindow menu(host, state, random);
    QSignalSpy chosen(&menu, &MenuWindow::boardChosen);
    QMap<BoardKind, QString> captions;
    for (QPushButton* button : menu.findChildren<QPushButton*>()) {
        button->click();
        if (chosen.size() > captions.size())
            captions.insert(chosen.last().at(0).value<BoardKind>(), button->text());
    }
    QSet<QString> pageNames;
    for (const BoardEntry& entry : boardCatalogue()) {
        const QString name = results::boardName(entry.kind);
        QCOMPARE(captions.value(entry.kind), QString::fromUtf16(entry.caption));
        QVERIFY2(findBoardDesign(entry.kind) && findBoardDesign(entry.kind)->kind == entry.kind,
                 qPrintable(name));
        // The teacher's page tells every board apart.
        QVERIFY(!name.isEmpty() && !pageNames.contains(name));
        pageNames.insert(name);

        // The voice says something on every board: its task, or its answer once right.
        BoardFixture f(makeExercise(entry.kind));
        RecordingSpeech speech;
        BoardVoice voice(f.board, entry.kind, speech, nullptr);
        f.board.setUp();
        emit f.board.judged(f.asked(), true);
        emit f.board.changed({});
        QVERIFY2(!speech.said.isEmpty(), qPrintable(name));
    }
    QCOMPARE(captions.size(), qsizetype(boardCatalogue().size()));
    QCOMPARE(menu.findChildren<QLabel*>(QRegularExpression(u"^Label\\d$"_qs)).size(), 4);
}

QTEST_MAIN(TestStartAndMenu)
#include "test_start_and_menu.moc"
