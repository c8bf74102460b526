// How soon the voice says a new task: the find board in waiting mode with the real speech
// service and no feedback sounds, 21 tasks, each brought by "avanti" after the child has found
// the number before. The child looks at the start window and the menu for a while first, as
// children do, while the engine is made in the background once the start window has painted;
// the line "engine_ready_after_ms" says how long after the start that took. Prints the
// wall-clock time of each task's
// appearance on screen, its number and the words said for it,
//     task_epoch_ms T N<TAB>ITALIAN<TAB>SECOND
// for hostile_desktop.sh, which finds the sounds after each in its recording of the speech
// server's sink, and last the languages the speech server speaks,
//     speakable_languages TAG...
//   bench_voice [LANGUAGE]   with a second language (a BCP 47 tag), each number twice
//   bench_voice --cold       the first task at once, before the engine has been made
#include "app/application.h"
#include "app/startup.h"
#include "core/base/random.h"
#include "core/speech/numberwords.h"
#include "fakes.h"
#include "fakes_ui.h"
#include "ui/design/names.h"
#include "ui/system/speechservice.h"
#include "ui/windows/boardwindow.h"
#include "ui/windows/menuwindow.h"
#include "ui/windows/startwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

namespace {

constexpr int kTasks = 21;
constexpr int kLookMs = 3000;   // the child at the start window and the menu
constexpr int kListenMs = 3000; // the longest pair of number words, with the server's delay

void reportTask(BoardWindow* board, const QString& language)
{
    const int n = board->frame().programState().numeroCercato;
    QTextStream(stdout) << "task_epoch_ms " << QDateTime::currentMSecsSinceEpoch() << ' ' << n
                        << '\t' << numberWords(n) << '\t'
                        << (language.isEmpty() ? QString() : numberWords(n, language)) << Qt::endl;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    prepareApplication(qtApp);
    const QString argument = QCoreApplication::arguments().value(1);
    const bool cold = argument == u"--cold";
    SeededRandom random(2026);
    RecordingSounds sounds;
    SpeechService speech;
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    LaunchOptions options;
    options.voice = true;
    options.voiceLanguage = cold ? QString() : argument;
    Application app(random, sounds, dialogs, printer, options, &speech);
    QElapsedTimer sinceStart;
    sinceStart.start();
    app.main();
    QTimer engine; // the engine is ready once it has told its languages
    QObject::connect(&engine, &QTimer::timeout, [&] {
        if (speech.speakableLanguages().isEmpty() && sinceStart.elapsed() < 20000)
            return;
        engine.stop();
        QTextStream(stdout) << "engine_ready_after_ms " << sinceStart.elapsed() << Qt::endl;
    });
    engine.start(20);

    int tasks = 1;
    QTimer pace;
    QObject::connect(&pace, &QTimer::timeout, [&] {
        BoardWindow* board = app.boardWindow();
        if (!board || tasks == kTasks) {
            pace.stop(); // the last task is heard out before the engine goes
            QTimer::singleShot(kListenMs, [&] {
                QTextStream(stdout)
                    << "speakable_languages " << speech.speakableLanguages().join(u' ') << Qt::endl;
                QCoreApplication::quit();
            });
            return;
        }
        board->cellButton(board->frame().programState().numeroCercato)->click();
        QTimer::singleShot(300, board, [board, &options] {
            board->findChild<QAbstractButton*>(names::of(names::kAvanti))->click();
            reportTask(board, options.voiceLanguage);
        });
        ++tasks;
    });
    QTimer::singleShot(cold ? 0 : kLookMs, [&] {
        app.startWindow()->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
        app.menuWindow()->findChild<QAbstractButton*>(QStringLiteral("Command14"))->click();
        reportTask(app.boardWindow(), options.voiceLanguage);
        pace.start(kListenMs);
    });
    return QApplication::exec();
}
