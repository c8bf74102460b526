#include "app/startup.h"
#include "program.h"

#include <QAction>
#include <QRadioButton>

Q_DECLARE_METATYPE(LaunchOptions)

class TestLaunch : public QObject {
    Q_OBJECT
  private slots:
    void startsAsLaunched_data();
    void startsAsLaunched();
    void voiceAsLaunched_data();
    void voiceAsLaunched();
    void qtOptionsLeftToQt_data();
    void qtOptionsLeftToQt();
};

void TestLaunch::startsAsLaunched_data()
{
    QTest::addColumn<LaunchOptions>("options");
    QTest::newRow("plain") << LaunchOptions{};
    QTest::newRow("full screen") << LaunchOptions{.fullScreen = true};
    QTest::newRow("auto, 40, mute")
        << LaunchOptions{.attendiBottone = false, .numeroMassimo = 40, .mute = true};
    QTest::newRow("locked") << LaunchOptions{
        .attendiBottone = false, .numeroMassimo = 30, .locked = true};
}

void TestLaunch::startsAsLaunched()
{
    QFETCH(LaunchOptions, options);
    const auto fullScreen = [](QWidget* w) {
        return w->windowState().testFlag(Qt::WindowFullScreen);
    };
    Program p(3, options);
    p.app.main();
    QCOMPARE(p.app.state().attendiBottone, options.attendiBottone);
    QCOMPARE(p.app.state().numeroMassimo, options.numeroMassimo);
    QCOMPARE(fullScreen(p.app.startWindow()), options.fullScreen);

    p.app.showMenu();
    flushUnloads();
    QWidget* menu = p.app.menuWindow();
    QCOMPARE(fullScreen(menu), options.fullScreen);
    auto* other =
        menu->findChild<QRadioButton*>(options.attendiBottone ? "Option1(0)" : "Option1(1)");
    QVERIFY(!other->isChecked());
    QCOMPARE(other->isEnabled(), !options.locked);
    QTest::mouseClick(other, Qt::LeftButton);
    QCOMPARE(p.app.state().attendiBottone, options.attendiBottone == options.locked);

    p.app.openBoard(BoardKind::Form100a);
    flushUnloads();
    BoardWindow* board = p.app.boardWindow();
    QCOMPARE(fullScreen(board), options.fullScreen);
    QCOMPARE(board->menuAction(BoardCommand::NumeroMassimo)->isEnabled(), !options.locked);
    clickCell(board, p.app.state().risultato);
    QCOMPARE(p.sounds.played.size(), options.mute ? 0 : 1);
    board->findChild<QAction*>(QStringLiteral("SchermoIntero"))->trigger(); // F11
    QCOMPARE(fullScreen(board), !options.fullScreen);
}

void TestLaunch::voiceAsLaunched_data()
{
    QTest::addColumn<LaunchOptions>("options");
    QTest::addColumn<bool>("speaks");
    QTest::newRow("plain") << LaunchOptions{} << false;
    QTest::newRow("voice") << LaunchOptions{.voice = true} << true;
    QTest::newRow("voice, mute") << LaunchOptions{.mute = true, .voice = true} << false;
}

/// The voice speaks only when asked for and not muted; "ascolta" and F5 say the task again.
void TestLaunch::voiceAsLaunched()
{
    QFETCH(LaunchOptions, options);
    QFETCH(bool, speaks);
    Program p(3, options);
    BoardWindow* board = openFromMenu(p, "Command14"); // find 0-99
    auto* listen = board->findChild<QPushButton*>(names::of(names::kListen));
    QCOMPARE(listen != nullptr, speaks);
    QCOMPARE(p.speech.said.size(), speaks ? 1 : 0);
    if (!speaks)
        return;
    QCOMPARE(listen->accessibleName(), QStringLiteral("ascolta"));
    QTest::mouseClick(listen, Qt::LeftButton);
    QTest::keyClick(board, Qt::Key_F5);
    QCOMPARE(p.speech.said, QStringList(3, p.speech.said.first()));
}

void TestLaunch::qtOptionsLeftToQt_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("ours");
    QTest::newRow("none") << "quadena --max=50"
                          << "quadena --max=50";
    QTest::newRow("platform and its value") << "quadena -platform xcb --mute"
                                            << "quadena --mute";
    QTest::newRow("session manager") << "quadena --session=1a2b -style fusion"
                                     << "quadena";
    QTest::newRow("alone") << "quadena -reverse --mode=auto -nograb"
                           << "quadena --mode=auto";
    QTest::newRow("not Qt's") << "quadena -platformx --stylish"
                              << "quadena -platformx --stylish";
    QTest::newRow("the program's name") << "-style"
                                        << "-style";
}

void TestLaunch::qtOptionsLeftToQt()
{
    QFETCH(QString, line);
    QFETCH(QString, ours);
    QCOMPARE(withoutQtOptions(line.split(u' ')).join(u' '), ours);
}

QTEST_MAIN(TestLaunch)
#include "test_launch.moc"
