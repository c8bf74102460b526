// One child of a class at one machine, through the whole program on the offscreen platform,
// for share_e2e.sh:
//   class_child play CLASSES RESULTS CLASS CHILD N [--slow MS] [--stay] [--find]
//       starts the program with those classes and results folders, chooses the child in "Chi sei?",
//       prints "offered" and the names of the menu's boards that are enabled once the child's
//       plan is read, gives N answers on the first addition board (one in four wrong; with
//       --find all right on the find board), one every MS ms, and prints "maximum M" and then
//       "answer K NUMBER right" or "answer K NUMBER wrong" for each answer the board judged;
//       then "answered N" and the program ends as at "Esci", or with --stay waits for a signal.
//   class_child count RESULTS CLASS
//       reads the class as the teacher's view does and prints "sessions S right R wrong W
//       ignored I", I being the files and lines it left out.
//   class_child teacher CLASSES RESULTS CLASS
//       runs the teacher's view as `quadena --insegnante` does; from its event loop it clicks
//       "Aggiorna" every 20 ms and prints "answered K" after each click, and after each
//       reading the view shows "shown K removable: TEXT" (or "kept:" when "Cancella" is off
//       for the first child), TEXT its line about the reading; a signal ends it as it ends
//       the program.
//   class_child plan CLASSES RESULTS CLASS MAX
//       in the teacher's view of CLASS, plans for the whole class the find and recognise
//       boards 0 to 99 only, the highest number MAX and review, a change at a time through
//       the plan window, and prints "saved: TEXT" with the window's last word on it.
#include "app/application.h"
#include "app/whoisplaying.h"
#include "app/startup.h"
#include "app/teacher.h"
#include "core/base/random.h"
#include "core/board/catalogue.h"
#include "core/board/boardframe.h"
#include "core/classes/classlist.h"
#include "core/classes/classloader.h"
#include "core/classes/classresults.h"
#include "core/sessions/sessionfile.h"
#include "fakes.h"
#include "fakes_ui.h"
#include "ui/design/names.h"
#include "ui/system/signalexit.h"
#include "ui/windows/boardwindow.h"
#include "ui/windows/menuwindow.h"
#include "ui/windows/planwindow.h"
#include "ui/windows/pupilwindow.h"
#include "ui/windows/startwindow.h"
#include "ui/windows/teacherwindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <numeric>

namespace {

int usage()
{
    std::fputs("usage: class_child play CLASSES RESULTS CLASS CHILD N [--slow MS] [--stay]\n"
               "       class_child count RESULTS CLASS\n"
               "       class_child teacher CLASSES RESULTS CLASS\n"
               "       class_child plan CLASSES RESULTS CLASS MAX\n",
               stderr);
    return 2;
}

/// The class as the teacher's view reads it, with the view's own reader.
int count(const QString& resultsDir, const QString& className)
{
    ClassLoader loader;
    std::shared_ptr<const ClassResults> read;
    QObject::connect(&loader, &ClassLoader::loaded, &loader,
                     [&](std::shared_ptr<const ClassResults> results) {
                         read = std::move(results);
                         QCoreApplication::exit(0);
                     });
    loader.load(resultsDir, className, {});
    QCoreApplication::exec();
    quint64 right = 0, wrong = 0;
    for (int board = 0; board < kBoardKinds; ++board) {
        const RunRecord::Totals totals = read->whole->totals(BoardKind(board));
        right += totals.right;
        wrong += totals.wrong;
    }
    const int ignored = std::accumulate(read->ignored.begin(), read->ignored.end(), 0);
    QTextStream(stdout) << "sessions " << read->sessionFiles << " right " << right << " wrong "
                        << wrong << " ignored " << ignored + read->ignoredLines << Qt::endl;
    return read->problem.isEmpty() ? 0 : 1;
}

/// The teacher's view's options: CLASSES RESULTS CLASS after the command.
LaunchOptions teacherOptions(const QStringList& args)
{
    LaunchOptions options;
    options.classesDir = args[2];
    options.resultsDir = args[3];
    options.className = args[4];
    return options;
}

/// The teacher's view, with a probe that asks its window to answer, all the time.
int teacherView(const QStringList& args)
{
    const LaunchOptions options = teacherOptions(args);
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    QTextStream out(stdout);
    QTimer probe;
    int clicks = 0, shown = 0;
    QObject::connect(&probe, &QTimer::timeout, &probe, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* view = qobject_cast<TeacherWindow*>(top);
            if (!view)
                continue;
            if (!view->property("probed").toBool()) {
                view->setProperty("probed", true);
                QObject::connect(view, &TeacherWindow::classShown, &probe, [&, view] {
                    // The first child chosen: whether its results may be removed.
                    view->findChild<QTableWidget*>(names::of(names::kTeacherChildren))
                        ->setCurrentCell(0, 0);
                    const bool removable =
                        view->findChild<QAbstractButton*>(names::of(names::kTeacherRemoveChild))
                            ->isEnabled();
                    const QString reading =
                        view->findChild<QLabel*>(names::of(names::kTeacherReading))->text();
                    out << "shown " << ++shown << (removable ? " removable: " : " kept: ")
                        << reading << Qt::endl;
                });
            }
            view->findChild<QAbstractButton*>(names::of(names::kTeacherReload))->click();
            out << "answered " << ++clicks << Qt::endl;
        }
    });
    probe.start(20);
    return teacher::run(options, dialogs, printer);
}

/// Runs the event loop until `done`, for at most 60 s (a hang).
bool until(const std::function<bool()>& done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

/// The teacher's plan written through the plan window, one change at a time.
int planView(const QStringList& args)
{
    const LaunchOptions options = teacherOptions(args);
    WindowHost host;
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    TeacherWindow view(host, options, dialogs, printer);
    bool shown = false;
    QObject::connect(&view, &TeacherWindow::classShown, &view, [&shown] { shown = true; });
    host.show(&view);
    if (!until([&] { return shown; }))
        return 1;
    view.findChild<QAbstractButton*>(names::of(names::kTeacherPlan))->click();
    PlanWindow* plan = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        plan = plan ? plan : qobject_cast<PlanWindow*>(top);
    bool settled = false;
    QObject::connect(plan, &PlanWindow::settled, plan, [&settled] { settled = true; });
    const auto status = [plan] {
        return plan->findChild<QLabel*>(names::of(names::kPlanStatus))->text();
    };
    const auto change = [&](const std::function<void()>& edit) {
        if (!until([&] { return settled; }))
            return false;
        settled = false;
        edit();
        return true;
    };
    const auto box = [plan](const char* name) {
        return plan->findChild<QComboBox*>(names::of(name));
    };
    bool ok = change([&] {
        plan->findChild<QAbstractButton*>(names::of(names::kPlanAllBoards))->click();
    });
    for (int board = 0; board < kBoardKinds && ok; ++board) {
        const QString id = boardId(BoardKind(board));
        auto* check = plan->findChild<QAbstractButton*>(names::of(names::kPlanBoard, id));
        const bool wanted = id == u"trova-0-99" || id == u"riconosci-0-99";
        if (check && check->isChecked() != wanted)
            ok = change([check] { check->click(); });
    }
    ok = ok && change([&] {
        QComboBox* maximum = box(names::kPlanMaximum);
        maximum->setCurrentIndex(maximum->findText(args[5]));
    });
    ok = ok && change([&] { box(names::kPlanReview)->setCurrentIndex(1); });
    ok = ok && until([&] { return settled; });
    QTextStream(stdout) << "saved: " << status() << Qt::endl;
    return ok && status().startsWith(u"Piano salvato") ? 0 : 1;
}

void click(QWidget* window, const char* name)
{
    window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    prepareApplication(qtApp);
    const QStringList args = QCoreApplication::arguments();
    if (args.value(1) == u"count" && args.size() == 4)
        return count(args[2], args[3]);
    if (args.value(1) == u"teacher" && args.size() == 5)
        return teacherView(args);
    if (args.value(1) == u"plan" && args.size() == 6)
        return planView(args);
    if (args.value(1) != u"play" || args.size() < 7)
        return usage();
    bool okAnswers = false;
    const int answers = args[6].toInt(&okAnswers);
    const qsizetype slowAt = args.indexOf(QStringLiteral("--slow"));
    const int slow = slowAt > 0 ? args.value(slowAt + 1).toInt() : 0;
    if (!okAnswers || answers < 0 || slow < 0)
        return usage();

    const ClassLists lists = classlist::read(args[2]);
    const auto list = std::ranges::find(lists.classes, args[4], &ClassList::name);
    if (list == lists.classes.end())
        return usage();
    const auto pupil = std::ranges::find(list->pupils, args[5], &Pupil::name);
    if (pupil == list->pupils.end())
        return usage();

    const SignalExit signalExit;
    SeededRandom random(SeededRandom::clockSeed());
    RecordingSounds sounds;
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    LaunchOptions options;
    options.classesDir = args[2];
    options.resultsDir = args[3];
    options.className = list->name;
    Application app(random, sounds, dialogs, printer, options);
    app.main();
    QEventLoop read; // the class lists are read off the window's thread
    QObject::connect(&app.whoIsPlaying(), &WhoIsPlaying::classListsChanged, &read, &QEventLoop::quit);
    if (!app.whoIsPlaying().classListsRead())
        read.exec();
    click(app.startWindow(), "Command1"); // "Chi sei?": the child's own name
    const auto named = app.whoIsPlaying().pupilWindow()->findChildren<QAbstractButton*>();
    const auto own = std::ranges::find(named, pupil->name, &QAbstractButton::text);
    if (own == named.end())
        return usage();
    (*own)->click();
    // The plan and the review set are read off the window's thread: a child's plan with
    // review waits for the review of their misses.
    const WhoIsPlaying& players = app.whoIsPlaying();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000 &&
           (players.plan() == Plan{} ||
            (players.plan().review.value_or(false) && players.review().set().underReview(0).empty())))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QTextStream out(stdout);
    out << "offered";
    for (const QAbstractButton* button : app.menuWindow()->findChildren<QAbstractButton*>()) {
        if (button->objectName().startsWith(u"Command") && button->isEnabled())
            out << ' ' << button->objectName();
    }
    out << Qt::endl;
    const bool find = args.contains(QLatin1String("--find"));
    click(app.menuWindow(), "Option1(0)"); // no "avanti": every click is an answer
    click(app.menuWindow(), find ? "Command14" : "Command3");
    BoardWindow* board = app.boardWindow();
    out << "maximum " << board->frame().programState().numeroMassimo << Qt::endl;

    int judged = 0;
    QObject::connect(&board->frame(), &BoardFrame::judged, &qtApp, [&](int number, bool right) {
        out << "answer " << ++judged << ' ' << number << (right ? " right" : " wrong") << Qt::endl;
    });
    QTimer pace;
    int clicks = 0;
    QObject::connect(&pace, &QTimer::timeout, &qtApp, [&] {
        if (clicks == answers) {
            pace.stop();
            out << "answered " << judged << Qt::endl;
            if (!args.contains(QLatin1String("--stay")))
                QCoreApplication::exit(0);
            return;
        }
        const ProgramState& state = board->frame().programState();
        if (find) {
            ++clicks;
            board->cellButton(state.numeroCercato)->click();
            return;
        }
        const int target = state.risultato;
        board->cellButton(clicks++ % 4 == 3 ? (target + 1) % 100 : target)->click();
    });
    pace.start(slow);
    return QApplication::exec();
}
