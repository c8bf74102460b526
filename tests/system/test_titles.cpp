// The titles the window system is given, read back from the X server: the program's windows
// have no title text, its boxes "Uso delle quadene dei numeri". Runs on xcb (xvfb_test.sh).
#include "app/startup.h"
#include "program.h"
#include "ui/design/names.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/gridwindow.h"
#include "ui/windows/worksheetwindow.h"
#include "xproperty.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <functional>

namespace {

/// The titles of the modal boxes that `open` shows, each read while open and then closed.
QStringList titlesOfBoxes(const std::function<void()>& open)
{
    QStringList seen;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&seen] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            seen << title(box);
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    closer.start(10);
    open();
    return seen;
}

} // namespace

class TestTitles : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(*qApp); }
    void windowsAndBoxes();
};

void TestTitles::windowsAndBoxes()
{
    const QString boxTitle = QStringLiteral("Uso delle quadene dei numeri");
    RecordingSounds sounds;
    ScriptedRandom random({}, 5);
    QtDialogs dialogs;
    RecordingPrinter printer;
    Application app(random, sounds, dialogs, printer);
    app.main();
    QCOMPARE(title(app.startWindow()), QString());
    // The task bar finds the desktop entry by the window's class.
    QCOMPARE(xProperty(app.startWindow(), "WM_CLASS").split('\0').value(1), QByteArray("quadena"));
    app.startWindow()->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    QWidget* menu = app.menuWindow();
    QCOMPARE(title(menu), QString());
    QCOMPARE(
        titlesOfBoxes([&] { menu->findChild<QAbstractButton*>(names::of(names::kEsci))->click(); }),
        QStringList{boxTitle});

    for (const char* button : {"Command3", "Command7", "Command14"}) {
        app.menuWindow()->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
        BoardWindow* b = app.boardWindow();
        QCOMPARE(title(b), QString());
        // The input box; Escape cancels it and the refusal follows.
        QCOMPARE(titlesOfBoxes([&] { b->menuAction(BoardCommand::NumeroMassimo)->trigger(); }),
                 QStringList(2, boxTitle));
        QCOMPARE(titlesOfBoxes([&] { b->menuAction(BoardCommand::Informazioni)->trigger(); }),
                 QStringList{boxTitle});
        b->menuAction(BoardCommand::Stampa)->trigger();
        const QString sheet =
            qstrcmp(button, "Command3") == 0 ? QStringLiteral("Common Dialogs Example") : QString();
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget* w : windows) {
            if ((qobject_cast<WorksheetWindow*>(w) || qobject_cast<GridWindow*>(w)) &&
                w->isVisible()) {
                QCOMPARE(title(w), sheet);
                w->close();
            }
        }
        QTimer::singleShot(0, [] {
            if (auto* box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Return); // "Sì": back to the menu
        });
        b->menuAction(BoardCommand::Esci)->trigger();
        QTRY_VERIFY(!app.boardWindow());
    }
}

QTEST_MAIN(TestTitles)
#include "test_titles.moc"
