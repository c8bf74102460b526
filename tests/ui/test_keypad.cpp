// The on-screen keypad: beside the answer box of the recognise boards and below the
// "Numero massimo" box, pressed by clicks and taps; with it hidden, every board is its design.
#include "core/base/runtime.h"
#include "program.h"
#include "ui/design/boarddesign.h"
#include "ui/design/designarea.h"
#include "ui/input/keypad.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QPointingDevice>
#include <QTimer>

Q_DECLARE_METATYPE(BoardKind)
Q_DECLARE_METATYPE(Keypad)

namespace {

QPushButton* key(QWidget* window, const char* name)
{
    auto* pad = window->findChild<OnScreenKeypad*>(names::of(names::kKeypad));
    return pad ? pad->findChild<QPushButton*>(QString::fromLatin1(name)) : nullptr;
}

QPointingDevice* touchScreen()
{
    static QPointingDevice* const screen = QTest::createTouchDevice();
    return screen;
}

/// Presses a key with a finger on a touch screen: Qt turns the unhandled touch into a click.
void tap(QPushButton* button)
{
    QPointingDevice* screen = touchScreen();
    const QPoint centre = button->rect().center();
    QTest::touchEvent(button->window(), screen).press(0, button->mapTo(button->window(), centre));
    QTest::touchEvent(button->window(), screen).release(0, button->mapTo(button->window(), centre));
    QCoreApplication::processEvents();
}

} // namespace

class TestKeypad : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { touchScreen(); } // the desktop has a touch screen from now on
    void besideTheAnswerBox_data();
    void besideTheAnswerBox();
    void inTheMaximumBox();
};

void TestKeypad::besideTheAnswerBox_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<BoardKind>("kind");
    QTest::addColumn<Keypad>("keypad");
    QTest::addColumn<bool>("shown");
    QTest::newRow("recognise, asked for")
        << QByteArray("Command7") << BoardKind::Form100Ricon << Keypad::Shown << true;
    QTest::newRow("above 99, asked for")
        << QByteArray("Command8") << BoardKind::Form100Ricon2 << Keypad::Shown << true;
    QTest::newRow("recognise, asked against")
        << QByteArray("Command7") << BoardKind::Form100Ricon << Keypad::Hidden << false;
    QTest::newRow("recognise, on a touch screen")
        << QByteArray("Command7") << BoardKind::Form100Ricon << Keypad::FollowTouchScreen << true;
    QTest::newRow("addition: no answer box")
        << QByteArray("Command3") << BoardKind::Form100a << Keypad::Shown << false;
}

void TestKeypad::besideTheAnswerBox()
{
    QFETCH(QByteArray, button);
    QFETCH(BoardKind, kind);
    QFETCH(Keypad, keypad);
    QFETCH(bool, shown);
    Program p(5, {.keypad = keypad});
    BoardWindow* board = openFromMenu(p, button.constData());
    const BoardDesign& design = boardDesign(kind);
    QCOMPARE(board->findChild<DesignArea*>()->sizeHint(),
             QSize(runtime::twips(design.width + (shown ? kKeypadColumn : 0)),
                   runtime::twips(design.height)));
    if (!shown) {
        QVERIFY(!key(board, "Cifra1"));
        return;
    }
    QVERIFY(key(board, "Cifra7")->width() >= OnScreenKeypad::kKeyPixels);
    QCOMPARE(key(board, "Conferma")->accessibleName(), QStringLiteral("conferma"));
    auto* box = board->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    const int asked =
        board->frame().programState().numeroCercato + 100 * board->frame().hundreds().value_or(0);
    const auto enter = [board](int number) {
        for (const QChar digit : QString::number(number))
            tap(key(board, qPrintable(QStringLiteral("Cifra") + digit)));
    };
    // A wrong digit, deleted; a wrong number, kept on show until the number is tapped; the
    // confirm key answers once each time.
    key(board, "Cifra9")->click();
    key(board, "Cancella")->click();
    enter(asked + 1);
    tap(key(board, "Conferma"));
    QCOMPARE(box->text(), QString::number(asked + 1));
    enter(asked);
    QCOMPARE(box->text(), QString::number(asked));
    QVERIFY(box->hasFocus() || !box->isVisible());
    tap(key(board, "Conferma"));
    QCOMPARE(labelText(board, names::kEsatti).trimmed(), QStringLiteral("1"));
    QCOMPARE(labelText(board, names::kErrati).trimmed(), QStringLiteral("1"));
    QVERIFY(!key(board, "Cifra1")->isEnabled()); // waiting for "avanti", as the box is
}

void TestKeypad::inTheMaximumBox()
{
    QWidget parent;
    QtDialogs dialogs(true);
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        for (const char* name : {"Cifra4", "Cifra5", "Cancella", "Cifra0"})
            key(box, name)->click();
        tap(key(box, "Conferma"));
    });
    QCOMPARE(dialogs.inputBox(&parent, QStringLiteral("Scrivi"), QStringLiteral("99")),
             QStringLiteral("40"));
    QtDialogs plain;
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(!box->findChild<OnScreenKeypad*>());
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QCOMPARE(plain.inputBox(&parent, QStringLiteral("Scrivi"), QStringLiteral("99")), QString());
}

QTEST_MAIN(TestKeypad)
#include "test_keypad.moc"
