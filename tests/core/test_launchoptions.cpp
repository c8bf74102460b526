#include "core/settings/launchoptions.h"

#include <QDirIterator>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

Q_DECLARE_METATYPE(LaunchOptions)

namespace {

/// Puts the file's bytes at the path, or "<dir>" or "<fifo>" in its place; "<none>" is none.
bool place(const QString& path, const QByteArray& content)
{
    if (content == "<none>")
        return true;
    QDir().mkpath(path.section(u'/', 0, -2));
    if (content == "<dir>" || content == "<fifo>")
        return content == "<dir>" ? QDir().mkpath(path)
                                  : mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QStringList snapshot(const QString& folder)
{
    QStringList all;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        all << it.next() + u' ' + QString::number(it.fileInfo().size());
    return all;
}

} // namespace

class TestLaunchOptions : public QObject {
    Q_OBJECT
  private slots:
    void launch_data();
    void launch();
    void searchPath();
};

void TestLaunchOptions::launch_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("machine"); // the files' contents
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<LaunchAction>("action");
    QTest::addColumn<LaunchOptions>("options");
    QTest::addColumn<QStringList>("messages"); // the error, or the warnings; %M, %U: the files
    const QByteArray none = "<none>";
    const auto row = [](const char* name, QStringList args, QByteArray machine, QByteArray user,
                        LaunchOptions o, QStringList warnings = {},
                        LaunchAction action = LaunchAction::Run) {
        QTest::newRow(name) << args << machine << user << action << o << warnings;
    };
    const auto run = [&](const char* name, QStringList args, LaunchOptions o,
                         LaunchAction action = LaunchAction::Run) {
        row(name, args, none, none, o, {}, action);
    };
    const auto bad = [&](const char* name, QStringList args, const char* error) {
        row(name, args, "max=30\n", none, {}, {QString::fromUtf8(error)}, LaunchAction::UsageError);
    };
    const auto ignored = [&](const char* name, QByteArray machine, const char* why) {
        row(name, {}, machine, none, {},
            {"%M: " + QString::fromUtf8(why) + "; il file è ignorato"});
    };
    run("none", {}, {});
    run("switches", {"--fullscreen", "--mute", "-keypad"},
        {.fullScreen = true, .mute = true, .keypad = Keypad::Shown});
    run("max as Numero massimo takes it", {"--max", "19.6", "--mode=AUTO", "--no-keypad"},
        {.attendiBottone = false, .numeroMassimo = 20, .keypad = Keypad::Hidden});
    run("help first", {"--max=150", "--help"}, {}, LaunchAction::Help);
    run("version", {"--version"}, {}, LaunchAction::Version);
    bad("max", {"--max=150"}, "valore non valido per --max: \"150\" (da 20 a 99)");
    bad("max missing", {"--mute", "--max"}, "manca il valore di --max (da 20 a 99)");
    bad("mode", {"--mode=x"}, "valore non valido per --mode: \"x\" (wait o auto)");
    bad("unknown", {"-platform", "xcb"}, "opzione sconosciuta: -platform");
    bad("value to a switch", {"--mute=1"}, "l'opzione --mute non vuole un valore: --mute=1");
    bad("both keypads", {"--no-keypad", "--keypad"},
        "le opzioni --keypad e --no-keypad si escludono");
    bad("word", {"--mute", "extra"}, "argomento inatteso: extra");
    row("machine", {}, "fullscreen=true\nmute=1\nkeypad=false\n", none,
        {.fullScreen = true, .mute = true, .keypad = Keypad::Hidden});
    row("user over machine", {}, "max=50\nmode=auto\n", "max = 60 \n",
        {.attendiBottone = false, .numeroMassimo = 60});
    row("command line over user", {"--max=70", "--mode=wait"}, "max=50\n", "max=60\nmode=auto\n",
        {.numeroMassimo = 70});
    row("lock", {"--max=70", "--fullscreen"}, "locked=TRUE\nmode=auto\n",
        "max=60\nmode=wait\nmute=true\n",
        {.fullScreen = true, .attendiBottone = false, .mute = true, .locked = true},
        {"%U: max=60 ignorato: max è bloccato da %M",
         "%U: mode=wait ignorato: mode è bloccato da %M",
         "--max=70 ignorato: max è bloccato da %M"});
    row("voice locked off", {"--voice"}, "locked=true\nvoice=false\n", "voice=true\n",
        {.locked = true},
        {"%U: voice=true ignorato: voice è bloccato da %M",
         "--voice ignorato: voice è bloccato da %M"});
    row("voice from the user", {}, none, "voice=true\n", {.voice = true});
    row("lock only the machine's", {"--max=50"}, none, "locked=true\n", {.numeroMassimo = 50},
        {"%U: locked vale solo nel file della macchina, ignorato"});
    row("bad values", {}, "max=150\nmode=x\n", "max=40\nmute=maybe\ncolour=red\n",
        {.numeroMassimo = 40},
        {"%U: chiave sconosciuta \"colour\", ignorata",
         "%M: max=150 non valido (da 20 a 99), si usa 40",
         "%M: mode=x non valido (wait o auto), si usa wait",
         "%U: mute=maybe non valido (true o false), si usa false"});
    ignored("folder", "<dir>", "è una cartella, non un file");
    ignored("pipe", "<fifo>", "non è un file normale");
    ignored("binary", QByteArray("max=50\n\0\x7f\x01", 10), "non è un file di testo");
    ignored("not UTF-8", "max=50\nmode=\xff\n", "non è un file di testo");
    ignored("not key=value", "[[[\nmax\n=5\n", "non è scritto come righe chiave=valore");
    ignored("too big", "max=50\n" + QByteArray(64 * 1024, '#'), "è troppo grande (più di 64 KiB)");
}

void TestLaunchOptions::launch()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, machine);
    QFETCH(QByteArray, user);
    QFETCH(QStringList, messages);
    QTemporaryDir dir;
    const ConfigFiles files{dir.filePath(QStringLiteral("u/quadena.conf")),
                            dir.filePath(QStringLiteral("m/quadena.conf"))};
    QVERIFY(place(files.machine, machine) && place(files.user, user));
    const QStringList before = snapshot(dir.path());
    const Launch launch = readLaunch(QStringList{"quadena"} + arguments, files);
    QTEST(launch.action, "action");
    QTEST(launch.options, "options");
    for (QString& m : messages)
        m.replace(QStringLiteral("%M"), files.machine).replace(QStringLiteral("%U"), files.user);
    QCOMPARE(launch.error.isEmpty() ? launch.warnings : QStringList{launch.error}, messages);
    QCOMPARE(snapshot(dir.path()), before); // nothing written
}

void TestLaunchOptions::searchPath()
{
    QTemporaryDir dir;
    const auto in = [&dir](const char* folder) {
        return dir.filePath(QLatin1String(folder) + QStringLiteral("/quadena/quadena.conf"));
    };
    QVERIFY(place(in("b"), "max=50\n"));
    QProcessEnvironment env;
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("h")));
    env.insert(QStringLiteral("XDG_CONFIG_DIRS"), QStringLiteral("c:%1/a:%1/b").arg(dir.path()));
    const ConfigFiles files = configFiles(env); // the machine's: the first folder that has one
    QCOMPARE(files.user, in("h"));
    QCOMPARE(files.machine, in("b"));
}

QTEST_GUILESS_MAIN(TestLaunchOptions)
#include "test_launchoptions.moc"
