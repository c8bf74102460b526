// How soon the voice says a new task: the find board in waiting mode with the real speech
// service and no feedback sounds, 21 tasks, each brought by "avanti" after the child has found
// the number before and heard it said. The child looks at the start window and the menu for a
// while first, as children do, while the engine is made in the background once the start
// window has painted; the line "engine_ready_after_ms" says how long after the start that
// took. Prints the wall-clock time of each task's appearance on screen, its number and the
// words said for it,
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
constexpr int kListenMs = 3000; // at most, the longest pair of number words with the server's delay
constexpr int kPollMs = 20;     // how often the child looks whether the voice has ended

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

    // Each task is answered once its words have been said, or after kListenMs when the
    // server never tells their end.
    int tasks = 1;
    int said = 0;
    QElapsedTimer listening;
    QTimer pace;
    QObject::connect(&pace, &QTimer::timeout, [&] {
        if (speech.utterancesSaid() == said && listening.elapsed() < kListenMs)
            return;
        said = speech.utterancesSaid();
        listening.start();
        BoardWindow* board = app.boardWindow();
        if (!board || tasks == kTasks) {
            pace.stop(); // the last task has been heard out
            QTextStream(stdout) << "speakable_languages "
                                << speech.speakableLanguages().join(u' ') << Qt::endl;
            QCoreApplication::quit();
            return;
        }
        board->cellButton(board->frame().programState().numeroCercato)->click();
        pace.stop();
        QTimer::singleShot(300, board, [board, &options, &pace, &listening, &speech, &said] {
            said = speech.utterancesSaid();
            board->findChild<QAbstractButton*>(names::of(names::kAvanti))->click();
            reportTask(board, options.voiceLanguage);
            listening.start();
            pace.start(kPollMs);
        });
        ++tasks;
    });
    QTimer::singleShot(cold ? 0 : kLookMs, [&] {
        app.startWindow()->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
        app.menuWindow()->findChild<QAbstractButton*>(QStringLiteral("Command14"))->click();
        said = speech.utterancesSaid();
        reportTask(app.boardWindow(), options.voiceLanguage);
        listening.start();
        pace.start(kPollMs);
    });
    return QApplication::exec();
}
