// The whole program with the pointer alone, as on a whiteboard: under a real window manager
// (xvfb_test.sh --openbox), real pointer clicks open every board from the main menu, answer
// it right (the two recognise boards and the hidden numbers through the on-screen keypad, the
// game after "Lancia", a whole count in steps number by number) and go back to the menu
// through "Esci" and its question; at the design size and full screen. What it alone shows is
// that each board's controls take the pointer where they are drawn; what the keys and boxes
// do is checked offscreen (the "Numero massimo" box's keypad in test_keypad). With classes
// set, the children say who they are on "Chi sei?" and take turns through "Cambia bambino".
#include "pointer.h"
#include "program.h"
#include "ui/input/keypad.h"
#include "ui/windows/classwindow.h"
#include "ui/windows/pupilwindow.h"

#include <QApplication>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTimer>

namespace {

/// A click on the key `name` of the keypad in `window`.
bool tapKey(QWidget* window, const QString& name)
{
    auto* pad = window->findChild<OnScreenKeypad*>(names::of(names::kKeypad));
    auto* key = pad ? pad->findChild<QPushButton*>(name) : nullptr;
    return key && pointerClick(key);
}

bool tapNumber(QWidget* window, int n)
{
    for (const QChar digit : QString::number(n)) {
        if (!tapKey(window, QStringLiteral("Cifra") + digit))
            return false;
    }
    return tapKey(window, QStringLiteral("Conferma"));
}

/// A click on the menu bar's item for `command`.
bool clickMenu(BoardWindow* board, BoardCommand command)
{
    QMenuBar* bar = board->menuBar();
    return pointerClick(bar, bar->actionGeometry(board->menuAction(command)));
}

/// Runs `inBox` on the modal box that `open` shows, from inside the box's own loop.
void withBox(const std::function<void()>& open, const std::function<void(QWidget*)>& inBox)
{
    QTimer poll;
    bool seen = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget(); box && box->isVisible()) {
            poll.stop();
            seen = true;
            QTest::qWait(100); // the window manager maps the box
            // Should the pointer miss, the box is closed, so that the test fails and ends.
            QTimer::singleShot(10000, box, &QWidget::close);
            inBox(box);
        }
    });
    poll.start(20);
    open();
    QTRY_VERIFY(seen);
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

/// Steps the hundreds scroll bar up to `hundred` with its right arrow.
void showHundred(QScrollBar* bar, int hundred)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->value();
    const QRect right = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarAddLine, bar);
    while (bar->value() < hundred) {
        const int before = bar->value();
        QVERIFY(pointerClick(bar, right));
        QTRY_VERIFY(bar->value() != before);
    }
}

} // namespace

class TestPointerOnly : public QObject {
    Q_OBJECT
  private slots:
    void everyBoard_data();
    void everyBoard();
    void childrenTakeTurns();
};

void TestPointerOnly::everyBoard_data()
{
    QTest::addColumn<bool>("fullScreen");
    QTest::newRow("design size") << false;
    QTest::newRow("full screen") << true;
}

void TestPointerOnly::everyBoard()
{
    QFETCH(bool, fullScreen);
    ScriptedRandom random({}, 11);
    RecordingSounds sounds;
    QtDialogs dialogs(true);
    RecordingPrinter printer;
    Application app(random, sounds, dialogs, printer,
                    {.fullScreen = fullScreen, .keypad = Keypad::Shown});
    app.main();
    QVERIFY(QTest::qWaitForWindowActive(app.startWindow()));
    QVERIFY(pointerClick(app.startWindow()->findChild<QWidget*>(QStringLiteral("Command1"))));
    QTRY_VERIFY(app.menuWindow() && app.menuWindow()->isActiveWindow());

    int answered = 0;
    for (const char* button :
         {"Command14", "Command7", "Command3", "Command4", "Command5", "Command6", "Command2",
          "Command1", "Command9", "Command8", "Command10", "Command11", "Command12"}) {
        QVERIFY(pointerClick(app.menuWindow()->findChild<QWidget*>(QString::fromLatin1(button))));
        QTRY_VERIFY(app.boardWindow() && app.boardWindow()->isActiveWindow());
        BoardWindow* board = app.boardWindow();
        QTest::qWait(100);
        const BoardFrame& frame = board->frame();
        if (const auto* hidden = frame.rules<HiddenNumbersExercise>()) {
            // Another covered cell is picked, and its number tapped.
            const auto covered = hidden->covered(frame.programState().numeroMassimo);
            int other = 0;
            while (!covered.test(std::size_t(other)) || other == frame.programState().numeroCercato)
                ++other;
            QVERIFY(pointerClick(board->cellButton(other)));
            QTRY_COMPARE(frame.askedCell(), std::optional<int>(other));
        }
        int right = 1;
        if (const auto* steps = frame.rules<SkipCounting>()) {
            // Each next number of the count, up to its end, which waits for "avanti".
            for (right = 0; !steps->taskOver();) {
                QVERIFY(pointerClick(board->cellButton(frame.programState().numeroCercato)));
                ++right;
                QTRY_COMPARE(app.state().quantiEsatti, right);
            }
            QVERIFY(right >= 9 && frame.waiting());
        } else if (const auto* game = frame.rules<CountOnGame>()) {
            QVERIFY(pointerClick(board->findChild<QPushButton*>(names::of(names::kLancia))));
            QTRY_VERIFY(game->rolled() > 0);
            QVERIFY(pointerClick(board->cellButton(frame.programState().numeroCercato)));
        } else if (board->findChild<OnScreenKeypad*>()) {
            const int asked =
                frame.programState().numeroCercato + 100 * frame.hundreds().value_or(0);
            QVERIFY(tapNumber(board, asked));
        } else if (auto* bar = board->findChild<QScrollBar*>(names::of(names::kHundreds))) {
            const int asked = frame.programState().numeroCercato;
            showHundred(bar, asked / 100);
            QVERIFY(pointerClick(board->cellButton(asked % 100)));
        } else {
            // The find board has levels; the arithmetic boards have none.
            const int cell =
                frame.level() ? frame.programState().numeroCercato : frame.programState().risultato;
            QVERIFY(pointerClick(board->cellButton(cell)));
        }
        QTRY_COMPARE(app.state().quantiEsatti, right); // the set-up counted from 0
        ++answered;
        withBox([&] { QVERIFY(clickMenu(board, BoardCommand::Esci)); },
                [](QWidget* box) {
                    const auto buttons = box->findChildren<QPushButton*>();
                    const auto yes = std::find_if(buttons.begin(), buttons.end(), [](auto* b) {
                        return b->text() == QStringLiteral("Sì");
                    });
                    QVERIFY(yes != buttons.end());
                    QVERIFY(pointerClick(*yes));
                });
        QTRY_VERIFY(app.menuWindow() && app.menuWindow()->isActiveWindow());
    }
    QCOMPARE(answered, 13);
}

void TestPointerOnly::childrenTakeTurns()
{
    QTemporaryDir classes;
    for (const auto& [name, lines] :
         {std::pair("3A.txt", "Luca\nGiulia\nAndrei;ro\n"), std::pair("3B.txt", "Sara\n")}) {
        QFile file(classes.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(lines) > 0);
    }
    ScriptedRandom random({}, 13);
    RecordingSounds sounds;
    QtDialogs dialogs(true);
    RecordingPrinter printer;
    Application app(random, sounds, dialogs, printer,
                    {.keypad = Keypad::Shown, .classesDir = classes.path()});
    app.main();
    QVERIFY(QTest::qWaitForWindowActive(app.startWindow()));
    const auto tap = [](QWidget* window, const QString& name) {
        return pointerClick(window->findChild<QWidget*>(name));
    };
    QVERIFY(tap(app.startWindow(), QStringLiteral("Command1")));
    QTRY_VERIFY(app.whoIsPlaying().classWindow() && app.whoIsPlaying().classWindow()->isActiveWindow());
    QVERIFY(tap(app.whoIsPlaying().classWindow(), names::of(names::kClassButton, 0)));
    for (const int child : {2, 0}) {
        QTRY_VERIFY(app.whoIsPlaying().pupilWindow() && app.whoIsPlaying().pupilWindow()->isActiveWindow());
        QVERIFY(tap(app.whoIsPlaying().pupilWindow(), names::of(names::kPupilButton, child)));
        QTRY_VERIFY(app.menuWindow() && app.menuWindow()->isActiveWindow());
        QCOMPARE(app.whoIsPlaying().pupil()->name, child == 2 ? QStringLiteral("Andrei") : QStringLiteral("Luca"));
        QVERIFY(tap(app.menuWindow(), names::of(names::kCambiaBambino)));
    }
    QTRY_VERIFY(app.whoIsPlaying().pupilWindow() && app.whoIsPlaying().pupilWindow()->isActiveWindow());
    QVERIFY(!app.whoIsPlaying().pupil());
}

QTEST_MAIN(TestPointerOnly)
#include "test_pointer_only.moc"
