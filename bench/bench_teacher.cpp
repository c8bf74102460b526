// The teacher's view reading a class of 30 children with 200 sessions each (6 000 files of
// about 2 kB) from the results folder in FOLDER/results: the first reading (nothing kept
// yet), the second one in the same window, the process's peak memory then (VmHWM), and
// first readings with 8 readers and with one reader at a time, for comparison. Made once;
// remade with --remake. With --padded, the same class beside whatever empty child folders
// the class folder holds (anyone who may write there can make them): the first reading,
// again, and the peak memory. With --child, what a pupil's machine reads at "Chi sei?" instead:
// one child's 200 session files made into the review set, first (on a fresh mount) and again.
// Prints figures only.
//
//     bench_teacher FOLDER [--remake | --padded | --child]     (offscreen, or under xvfb_test.sh)
#include "app/startup.h"
#include "core/classes/classresults.h"
#include "core/practice/review.h"
#include "fakes_ui.h"
#include "sessions.h"
#include "ui/windows/teacherwindow.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int kChildren = 30;
constexpr int kSessions = 200;
constexpr int kAnswers = 35;
const QString kClass = QStringLiteral("3A");

QStringList childNames()
{
    QStringList names;
    for (int i = 1; i <= kChildren; ++i)
        names << QStringLiteral("Bambino %1").arg(i, 2, 10, QChar(u'0'));
    return names;
}

/// Waits for the window to show a reading; a reading that never ends stops the benchmark.
bool waitShown(TeacherWindow& window)
{
    QEventLoop loop;
    QObject::connect(&window, &TeacherWindow::classShown, &loop, &QEventLoop::quit);
    QTimer::singleShot(300'000, &loop, [&loop] { loop.exit(1); });
    return loop.exec() == 0;
}

/// The process's peak resident memory so far, from /proc/self/status, as "123 MB".
QString peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("unknown");
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return QStringLiteral("%1 MB").arg(
                double(line.mid(6).trimmed().split(' ').value(0).toLongLong()) / 1024, 0, 'f', 1);
    }
    return QStringLiteral("unknown");
}

struct Reading {
    double ms;
    int sessions;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    prepareApplication(qtApp);
    QTextStream out(stdout);
    QStringList args = qtApp.arguments();
    const bool remake = args.removeAll(QStringLiteral("--remake")) > 0;
    const bool padded = args.removeAll(QStringLiteral("--padded")) > 0;
    const bool child = args.removeAll(QStringLiteral("--child")) > 0;
    if (args.size() != 2 || int(remake) + int(padded) + int(child) > 1) {
        std::fputs("bench_teacher: usage: bench_teacher FOLDER [--remake | --padded | --child]\n",
                   stderr);
        return 2;
    }
    LaunchOptions options;
    options.resultsDir = QDir(args[1]).absoluteFilePath(QStringLiteral("results"));
    options.className = kClass;

    const QString classDir = QDir(options.resultsDir).filePath(kClass);
    if (remake)
        QDir(classDir).removeRecursively();
    QElapsedTimer timer;
    const bool make = !QDir(classDir).exists();
    if (make) {
        timer.start();
        const int written = sessions::makeClass(options.resultsDir, kClass, childNames(), kSessions,
                                                kAnswers, 20261209);
        out << QStringLiteral("made %1 session files in %2 s\n")
                   .arg(written)
                   .arg(double(timer.elapsed()) / 1e3, 0, 'f', 1);
    }
    if (child) {
        const QString name = childNames().first();
        for (const char* when : {"first", "again"}) {
            timer.start();
            const std::vector<SessionAnswer> answers =
                childAnswers(options.resultsDir, kClass, name);
            const ReviewSet set = ReviewSet::of(answers);
            out << QStringLiteral("one child's %1 session files at \"Chi sei?\", %2: %3 ms for "
                                  "%4 answers, %5 numbers under review on the find board\n")
                       .arg(kSessions)
                       .arg(QLatin1String(when))
                       .arg(double(timer.nsecsElapsed()) / 1e6, 0, 'f', 1)
                       .arg(answers.size())
                       .arg(set.underReview(0).size());
        }
        return 0;
    }

    WindowHost host;
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    const auto firstReading = [&](int readers, std::unique_ptr<TeacherWindow>& window) {
        timer.start();
        window = std::make_unique<TeacherWindow>(host, options, dialogs, printer, readers);
        if (!waitShown(*window)) {
            out << "the reading did not end within 300 s\n";
            return Reading{-1, 0};
        }
        return Reading{double(timer.nsecsElapsed()) / 1e6, window->classResults()->sessionFiles};
    };
    const auto report = [&](const QString& what, const Reading& r) {
        out << QStringLiteral("%1: %2 ms (%3 sessions)\n")
                   .arg(what)
                   .arg(r.ms, 0, 'f', 0)
                   .arg(r.sessions);
        out.flush();
    };

    // Counted after the readings, so that the first one finds the share's caches cold.
    const auto describe = [&] {
        qint64 bytes = 0, files = 0, folders = 0;
        for (QDirIterator it(classDir, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            it.next();
            if (it.fileInfo().isDir()) {
                ++folders;
                continue;
            }
            bytes += it.fileInfo().size();
            ++files;
        }
        out << QStringLiteral("class %1 in %2: %3 child folders, %4 files, %5 MB\n")
                   .arg(kClass, options.resultsDir)
                   .arg(folders)
                   .arg(files)
                   .arg(double(bytes) / 1e6, 0, 'f', 1);
        out.flush();
    };

    if (make) { // read from a share's caches cold, in a run of its own
        describe();
        return 0;
    }
    std::unique_ptr<TeacherWindow> window;
    const Reading cold = firstReading(ClassLoader::kReaders, window);
    report(QStringLiteral("first reading, %1 readers").arg(ClassLoader::kReaders), cold);
    if (cold.ms < 0)
        return 1;
    for (int again = 1; again <= 2; ++again) {
        timer.start();
        window->reload();
        if (!waitShown(*window))
            return 1;
        report(QStringLiteral("reading again (%1), nothing changed").arg(again),
               {double(timer.nsecsElapsed()) / 1e6, window->classResults()->sessionFiles});
    }
    out << QStringLiteral("peak memory (VmHWM): %1 (%2 children shown)\n")
               .arg(peakMemory())
               .arg(window->classResults()->children.size());
    out.flush();
    if (padded) {
        describe();
        return 0;
    }
    for (int readers : {8, 1}) {
        const Reading r = firstReading(readers, window);
        report(
            QStringLiteral("first reading, %1 reader%2").arg(readers).arg(readers == 1 ? "" : "s"),
            r);
        if (r.ms < 0)
            return 1;
    }
    describe();
    return 0;
}
