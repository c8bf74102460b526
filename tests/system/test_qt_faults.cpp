// The faults of Qt that the program works around, probed without the workaround on the Qt
// this runs with: each is compared with what was seen on the Qt versions the project builds
// with, so that a Qt that fixes or changes a fault is noticed and its workaround reviewed.
// Runs on xcb against a private X server (xvfb_test.sh), where nothing was ever copied.
#include "xproperty.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <functional>
#include <map>

namespace {

/// Pastes into a text box from an ownerless clipboard; run in a process of its own, since
/// the fault is a crash (see ui/input/safepaste.h).
int pasteFromNobody()
{
    QPlainTextEdit box;
    box.show();
    QCoreApplication::processEvents();
    box.paste();
    return 0;
}

bool pasteCrashes()
{
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--paste-from-nobody")});
    if (!probe.waitForFinished(30000))
        qFatal("the paste probe did not end");
    return probe.exitStatus() == QProcess::CrashExit || probe.exitCode() != 0;
}

/// A window without a title text gets a name from Qt (see ui/system/platformtitle.h).
bool emptyTitleNamed()
{
    QWidget window;
    window.show();
    QTest::qWait(50);
    return !title(&window).isEmpty();
}

/// Whether each fault was there, by the Qt minor version it was seen with.
struct Fault {
    const char* name;
    std::function<bool()> probe;
    std::map<int, bool> seen; // (major << 8 | minor) -> fault there
};

int minorVersion()
{
    return QT_VERSION >> 8;
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestQtFaults : public QObject {
    Q_OBJECT
  private slots:
    void stillThere_data();
    void stillThere();
};

void TestQtFaults::stillThere_data()
{
    QTest::addColumn<Fault>("fault");
    const Fault faults[] = {
        {"paste from a clipboard without owner crashes a QPlainTextEdit",
         pasteCrashes,
         {{0x0604, true}, {0x0608, false}}},
        {"a window without a title is given the program's name",
         emptyTitleNamed,
         {{0x0604, true}, {0x0608, true}}},
    };
    for (const Fault& f : faults)
        QTest::newRow(f.name) << f;
}

void TestQtFaults::stillThere()
{
    QFETCH(Fault, fault);
    const bool there = fault.probe();
    qInfo("Qt %s: %s: %s", qVersion(), fault.name, there ? "still there" : "gone");
    const auto seen = fault.seen.find(minorVersion());
    if (seen == fault.seen.end())
        QSKIP("not yet probed on this Qt: record what it shows in the table and the workaround");
    QVERIFY2(there == seen->second,
             there ? "the fault came back: review the workaround"
                   : "the fault is gone on this Qt: the workaround may no longer be needed");
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("quadena"));
    if (argc > 1 && qstrcmp(argv[1], "--paste-from-nobody") == 0)
        return pasteFromNobody();
    TestQtFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_qt_faults.moc"
