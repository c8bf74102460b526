// How soon the voice says a new task: the find board in waiting mode with the real speech
// service and no feedback sounds, 21 tasks, each brought by "avanti" after the child has found
// the number before. Prints the wall-clock time of each task's appearance on screen,
//     task_epoch_ms T
// for hostile_desktop.sh, which finds the first sound after each in its recording of the
// speech server's sink.
#include "app/application.h"
#include "app/startup.h"
#include "core/base/random.h"
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
#include <QTextStream>
#include <QTimer>

namespace {

constexpr int kTasks = 21;
constexpr int kListenMs = 3000; // the longest number word said, with the speech server's delay

void reportTask(BoardWindow* board)
{
    QTextStream(stdout) << "task_epoch_ms " << QDateTime::currentMSecsSinceEpoch() << ' '
                        << board->frame().programState().numeroCercato << Qt::endl;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    prepareApplication(qtApp);
    SeededRandom random(2026);
    RecordingSounds sounds;
    SpeechService speech;
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    LaunchOptions options;
    options.voice = true;
    Application app(random, sounds, dialogs, printer, options, &speech);
    app.main();
    app.startWindow()->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    app.menuWindow()->findChild<QAbstractButton*>(QStringLiteral("Command14"))->click();
    reportTask(app.boardWindow());

    int tasks = 1;
    QTimer pace;
    QObject::connect(&pace, &QTimer::timeout, [&] {
        BoardWindow* board = app.boardWindow();
        if (!board || tasks == kTasks) {
            pace.stop(); // the last task is heard out before the engine goes
            QTimer::singleShot(kListenMs, &QCoreApplication::quit);
            return;
        }
        board->cellButton(board->frame().programState().numeroCercato)->click();
        QTimer::singleShot(300, board, [board] {
            board->findChild<QAbstractButton*>(names::of(names::kAvanti))->click();
            reportTask(board);
        });
        ++tasks;
    });
    pace.start(kListenMs);
    return QApplication::exec();
}
