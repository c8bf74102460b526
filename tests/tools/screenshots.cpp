// Walks through the program with a fixed seed and saves pictures of its windows as the
// user sees them, for the README: start window, main menu, every kind of board mid-exercise,
// the sheets, the keypad, the teacher's windows; the printed pages become PDF files named by
// what they hold (printed-worksheet.pdf, printed-steps-2.pdf for a sheet's second page).
// Run under a real X server (scripts/screenshots.sh uses Xvfb); with --maximised, under a
// window manager that maximises.
#include "app/application.h"
#include "app/whoisplaying.h"
#include "app/startup.h"
#include "core/base/random.h"
#include "core/board/programstate.h"
#include "core/board/sounds.h"
#include "sessions.h"
#include "ui/design/names.h"
#include "ui/system/printing.h"
#include "ui/windows/boardwindow.h"
#include "ui/windows/classwindow.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/gridwindow.h"
#include "ui/windows/menuwindow.h"
#include "ui/windows/planwindow.h"
#include "ui/windows/pupilwindow.h"
#include "ui/windows/resultswindow.h"
#include "ui/windows/startwindow.h"
#include "ui/windows/teacherwindow.h"
#include "ui/windows/worksheetwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

class Silence final : public SoundSink {
  public:
    void play(Sound) override {}
};

/// With --maximised every window is maximised before its picture is taken.
bool maximised = false;

/// The name of the next print job's file, without ".pdf"; a second job of the same name
/// takes "-2".
QString printing = QStringLiteral("printed");

void save(QWidget* window, const QString& folder, const QString& name)
{
    if (maximised) {
        window->showMaximized();
        QTest::qWait(500);
    }
    QTest::qWait(300);
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void click(QWidget* window, const char* name)
{
    window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    QTest::qWait(100);
}

/// Opens a board from the menu, answers a few tasks (one of them wrong) and leaves it waiting.
void board(Application& app, const char* button, const QString& folder, const QString& name)
{
    click(app.menuWindow(), button);
    BoardWindow* b = app.boardWindow();
    for (int i = 0; i < 3; ++i) {
        b->cellButton(b->frame().programState().risultato)->click();
        b->findChild<QAbstractButton*>(names::of(names::kAvanti))->click();
    }
    const int target = b->frame().programState().risultato;
    b->cellButton(target == 0 ? 1 : target - 1)->click();
    b->cellButton(target)->click();
    save(b, folder, name);
    if (name == QStringLiteral("board-addition")) {
        b->menuAction(BoardCommand::Stampa)->trigger();
        save(app.worksheetWindow(), folder, QStringLiteral("worksheet-window"));
        printing = QStringLiteral("printed-worksheet");
        click(app.worksheetWindow(), "btnCD");
        click(app.worksheetWindow(), names::kEsci);
    }
    app.showMenu();
    QTest::qWait(100);
}

/// Recognise board: answers five red cells by typing, then one wrong answer.
void recognise(Application& app, const QString& folder)
{
    click(app.menuWindow(), "Command7");
    BoardWindow* b = app.boardWindow();
    auto* text = b->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    for (int i = 0; i < 5; ++i) {
        QTest::keyClicks(text, QString::number(b->frame().programState().numeroCercato));
        QTest::keyClick(text, Qt::Key_Return);
        b->findChild<QAbstractButton*>(names::of(names::kAvanti))->click();
    }
    QTest::keyClicks(text, QStringLiteral("7"));
    save(b, folder, QStringLiteral("board-recognise"));
    b->menuAction(BoardCommand::Stampa)->trigger();
    save(app.recogniseGridWindow(), folder, QStringLiteral("grid-recognise"));
    app.recogniseGridWindow()->close();
    app.showMenu();
    QTest::qWait(100);
}

/// Find board at level difficile: finds six numbers.
void find(Application& app, const QString& folder)
{
    click(app.menuWindow(), "Command14");
    BoardWindow* b = app.boardWindow();
    b->menuAction(BoardCommand::Difficile)->trigger();
    for (int i = 0; i < 6; ++i) {
        b->cellButton(b->frame().programState().numeroCercato)->click();
        b->findChild<QAbstractButton*>(names::of(names::kAvanti))->click();
    }
    save(b, folder, QStringLiteral("board-find"));
    b->menuAction(BoardCommand::Media)->trigger();
    b->menuAction(BoardCommand::Stampa)->trigger();
    save(app.findGridWindow(), folder, QStringLiteral("grid-find"));
    printing = QStringLiteral("printed-grid");
    app.findGridWindow()->menuBar()->actions().at(0)->trigger();
    app.findGridWindow()->close();
    app.showMenu();
    QTest::qWait(100);
}

/// Recognise board above 99: two answers, then a number typed for the red cell.
void recogniseAbove(Application& app, const QString& folder)
{
    click(app.menuWindow(), "Command8");
    BoardWindow* b = app.boardWindow();
    auto* text = b->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    auto expected = [b] {
        return *b->frame().hundreds() * 100 + b->frame().programState().numeroCercato;
    };
    for (int i = 0; i < 2; ++i) {
        QTest::keyClicks(text, QString::number(expected()));
        QTest::keyClick(text, Qt::Key_Return);
        b->findChild<QAbstractButton*>(names::of(names::kAvanti))->click();
    }
    QTest::keyClicks(text, QString::number(expected()));
    save(b, folder, QStringLiteral("board-recognise-above"));
    app.showMenu();
    QTest::qWait(100);
}

/// Find board above 99: finds a number, then moves the scroll bar to the next one's hundred.
void findAbove(Application& app, const QString& folder)
{
    click(app.menuWindow(), "Command9");
    BoardWindow* b = app.boardWindow();
    auto* bar = b->findChild<QScrollBar*>(names::of(names::kHundreds));
    for (int i = 0; i < 3; ++i) {
        const int n = b->frame().programState().numeroCercato;
        bar->setValue(n / 100);
        b->cellButton(n % 100)->click();
        b->findChild<QAbstractButton*>(names::of(names::kAvanti))->click();
    }
    const int n = b->frame().programState().numeroCercato;
    bar->setValue(std::max(1, n / 100));
    save(b, folder, QStringLiteral("board-find-above"));
    app.showMenu();
    QTest::qWait(100);
}

/// The teacher's page after a series on the board that adds tens and units, with wrong
/// answers on some numbers, then printed.
void results(Application& app, const QString& folder)
{
    click(app.menuWindow(), "Command5");
    BoardWindow* b = app.boardWindow();
    for (int i = 0; i < 40; ++i) {
        const int target = b->frame().programState().risultato;
        for (int k = 0; k < (target % 7 == 0 ? 2 : target % 3 == 0 ? 1 : 0); ++k)
            b->cellButton(target == 0 ? 1 : target - 1)->click();
        b->cellButton(target)->click();
        b->findChild<QAbstractButton*>(names::of(names::kAvanti))->click();
    }
    app.showMenu();
    QTest::qWait(100);
    click(app.menuWindow(), names::kRisultati);
    ResultsWindow* page = app.resultsWindow();
    page->findChild<QLineEdit*>(names::of(names::kResultsName))->setText(QStringLiteral("Giulia"));
    auto* list = page->findChild<QComboBox*>(names::of(names::kResultsBoard));
    list->setCurrentIndex(list->findText(QStringLiteral("Addizioni: decine e unità")));
    page->activated();
    save(page, folder, QStringLiteral("results-page"));
    printing = QStringLiteral("printed-results");
    click(page, names::kResultsPrint);
}

/// The teacher's view of a class of twelve with a term of sessions each, one child chosen,
/// then the class's page printed.
void teacher(PrintService& printer, const QString& folder)
{
    QTemporaryDir school;
    const QStringList children = {
        QStringLiteral("Alessandro"), QStringLiteral("Andrei"), QStringLiteral("Beatrice"),
        QStringLiteral("Chiara"),     QStringLiteral("Davide"), QStringLiteral("Fatima"),
        QStringLiteral("Giulia"),     QStringLiteral("Luca"),   QStringLiteral("Martina"),
        QStringLiteral("Matteo"),     QStringLiteral("Sofia"),  QStringLiteral("Tommaso")};
    LaunchOptions options;
    options.classesDir = school.filePath(QStringLiteral("classi"));
    options.resultsDir = school.filePath(QStringLiteral("risultati"));
    QDir().mkpath(options.classesDir);
    QFile list(QDir(options.classesDir).filePath(QStringLiteral("3A.txt")));
    if (!list.open(QIODevice::WriteOnly))
        return;
    list.write((children.join(u'\n') + u'\n').toUtf8());
    list.close();
    QFile plan(QDir(options.classesDir).filePath(QStringLiteral("3A.conf")));
    if (!plan.open(QIODevice::WriteOnly))
        return;
    plan.write("mode=wait\nreview=true\n\n[Luca]\nmax=50\nlevel=facile\n"
               "boards=trova-0-99, riconosci-0-99, addizione-unita, numeri-nascosti\n");
    plan.close();
    sessions::makeClass(options.resultsDir, QStringLiteral("3A"), children.mid(0, 11), 24, 30,
                        20261209);
    WindowHost host;
    QtDialogs dialogs;
    TeacherWindow view(host, options, dialogs, printer);
    QSignalSpy shown(&view, &TeacherWindow::classShown);
    host.show(&view);
    shown.wait(20000);
    // What a Debian 12 machine with espeak-ng answers.
    view.showVoiceLanguages(
        VoiceAnswer::Answered,
        QStringLiteral("af am ar ar-MR az be bg bs ca chr cs cy da de el en en-GB eo es es-419 "
                       "et fa fi fr fr-BE fr-CH ga he hi hr hu hy id is it ja ka kk kl ko ky lb "
                       "lt lv mk ms mt my nb ne nl pl pt qu ro ru sk sl sq sr sv sw ta th tr uk "
                       "vi yue")
            .split(QLatin1Char(' ')));
    view.findChild<QTableWidget*>(names::of(names::kTeacherChildren))->setCurrentCell(7, 0);
    save(&view, folder, QStringLiteral("teacher-view"));
    printing = QStringLiteral("printed-class");
    click(&view, names::kTeacherPrintClass);
    // The plan of the class, with Luca's own, and the numbers Luca has under review.
    click(&view, names::kTeacherPlan);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* planWindow = qobject_cast<PlanWindow*>(top);
        if (!planWindow)
            continue;
        QSignalSpy settled(planWindow, &PlanWindow::settled);
        settled.wait(20000);
        auto* forWhom = planWindow->findChild<QComboBox*>(names::of(names::kPlanFor));
        forWhom->setCurrentIndex(forWhom->findText(QStringLiteral("Luca")));
        settled.wait(20000);
        save(planWindow, folder, QStringLiteral("plan-window"));
        planWindow->hide();
    }
    view.hide();
}

/// With classes set: the choice of the class, "Chi sei?" for a class of 25, and the main
/// menu with "Cambia bambino".
void whoIsPlaying(RandomSource& random, SoundSink& sounds, Dialogs& dialogs, PrintService& printer,
                  const QString& folder)
{
    QTemporaryDir classes;
    const auto write = [&](const char* name, const QByteArray& lines) {
        QFile file(classes.filePath(QString::fromLatin1(name)));
        (void)file.open(QIODevice::WriteOnly);
        file.write(lines);
    };
    write("3A.txt", "# 3A, maestra Rossi\nLuca\nGiulia\nAndrei;ro\nSofia\nMatteo\nAurora\n"
                    "Leonardo\nGinevra\nAlessandro\nBeatrice\nFrancesco\nMaria Vittoria\n"
                    "Tommaso\nAlice\nRiccardo\nEmma\nLorenzo\nFatima;ar\nEdoardo\nMartina\n"
                    "Gabriele\nChiara\nMassimiliano\nNoemi\nXu;zh\n");
    write("3B.txt", "Sara\nDavide\n");
    write("3A.conf", "[Luca]\nboards=trova-0-99, riconosci-0-99, addizione-unita, numeri-nascosti\n");
    write("4A.txt", "Elena\n");
    LaunchOptions options;
    options.classesDir = classes.path();
    Application app(random, sounds, dialogs, printer, options);
    app.main();
    while (!app.whoIsPlaying().classListsRead()) // read off the window's thread
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    click(app.startWindow(), "Command1");
    save(app.whoIsPlaying().classWindow(), folder, QStringLiteral("class-choice"));
    click(app.whoIsPlaying().classWindow(), names::of(names::kClassButton, 0).toLatin1().constData());
    save(app.whoIsPlaying().pupilWindow(), folder, QStringLiteral("chi-sei"));
    click(app.whoIsPlaying().pupilWindow(), names::of(names::kPupilButton, 1).toLatin1().constData());
    save(app.menuWindow(), folder, QStringLiteral("main-menu-classes"));
    // Luca, whose teacher's plan offers four boards.
    click(app.menuWindow(), names::kCambiaBambino);
    click(app.whoIsPlaying().pupilWindow(), names::of(names::kPupilButton, 0).toLatin1().constData());
    while (app.whoIsPlaying().plan() == Plan{}) // read off the window's thread
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    save(app.menuWindow(), folder, QStringLiteral("main-menu-plan"));
}

/// The count-on game for two players: a few moves, then a roll to be answered.
void game(Application& app, const QString& folder)
{
    click(app.menuWindow(), "Command10");
    BoardWindow* b = app.boardWindow();
    b->menuAction(BoardCommand::TwoPlayers)->trigger();
    auto* lancia = b->findChild<QAbstractButton*>(names::of(names::kLancia));
    for (int i = 0; i < 7; ++i) {
        lancia->click();
        b->cellButton(b->frame().programState().numeroCercato)->click();
        b->findChild<QAbstractButton*>(names::of(names::kAvanti))->click();
    }
    lancia->click();
    QTest::qWait(1500); // the last token's walk
    save(b, folder, QStringLiteral("board-game"));
    app.showMenu();
    QTest::qWait(100);
}

/// The hidden numbers at level media: a few uncovered, a number being typed; its sheet.
void hidden(Application& app, const QString& folder)
{
    click(app.menuWindow(), "Command11");
    BoardWindow* b = app.boardWindow();
    b->menuAction(BoardCommand::Media)->trigger();
    auto* text = b->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    for (int i = 0; i < 6; ++i) {
        QTest::keyClicks(text, QString::number(b->frame().programState().numeroCercato));
        QTest::keyClick(text, Qt::Key_Return);
        b->findChild<QAbstractButton*>(names::of(names::kAvanti))->click();
    }
    QTest::keyClicks(text, QString::number(b->frame().programState().numeroCercato).left(1));
    save(b, folder, QStringLiteral("board-hidden"));
    b->menuAction(BoardCommand::Stampa)->trigger();
    save(app.hiddenGridWindow(), folder, QStringLiteral("grid-hidden"));
    printing = QStringLiteral("printed-hidden");
    app.hiddenGridWindow()->menuBar()->actions().at(0)->trigger();
    app.hiddenGridWindow()->close();
    app.showMenu();
    QTest::qWait(100);
}

/// Counting in steps of 3 at level media, the whole count done and waiting for "avanti";
/// its sheet, printed with its solution.
void steps(Application& app, const QString& folder)
{
    click(app.menuWindow(), "Command12");
    BoardWindow* b = app.boardWindow();
    const auto* count = b->frame().rules<SkipCounting>();
    do
        b->menuAction(BoardCommand::Media)->trigger();
    while (count->step() != 3 || count->start() != 0);
    b->cellButton(count->step() + 1)->click(); // one wrong
    while (!count->taskOver())
        b->cellButton(b->frame().programState().numeroCercato)->click();
    save(b, folder, QStringLiteral("board-steps"));
    b->menuAction(BoardCommand::Stampa)->trigger();
    save(app.stepsGridWindow(), folder, QStringLiteral("grid-steps"));
    printing = QStringLiteral("printed-steps");
    app.stepsGridWindow()->menuBar()->actions().at(0)->trigger();
    app.stepsGridWindow()->close();
    app.showMenu();
    QTest::qWait(100);
}

/// The recognise board with the on-screen keypad, a number being tapped: at the window's
/// size, and full screen as on a whiteboard.
void keypad(RandomSource& random, SoundSink& sounds, Dialogs& dialogs, PrintService& printer,
            const QString& folder, bool fullScreen)
{
    Application app(random, sounds, dialogs, printer,
                    {.fullScreen = fullScreen, .keypad = Keypad::Shown});
    app.main();
    click(app.startWindow(), "Command1");
    click(app.menuWindow(), "Command7");
    BoardWindow* b = app.boardWindow();
    auto* text = b->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    for (int i = 0; i < 3; ++i) {
        QTest::keyClicks(text, QString::number(b->frame().programState().numeroCercato));
        QTest::keyClick(text, Qt::Key_Return);
        b->findChild<QAbstractButton*>(names::of(names::kAvanti))->click();
    }
    QTest::keyClicks(text, QString::number(b->frame().programState().numeroCercato).left(1));
    if (fullScreen) {
        // What a window manager does with a full screen window; Xvfb alone has none.
        b->setGeometry(b->screen()->geometry());
        QTest::qWait(700);
    }
    save(b, folder,
         fullScreen ? QStringLiteral("board-recognise-keypad-fullscreen")
                    : QStringLiteral("board-recognise-keypad"));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    prepareApplication(qtApp);
    QStringList args = qtApp.arguments();
    maximised = args.removeAll(QStringLiteral("--maximised")) > 0;
    const QString folder = args.size() > 1 ? args.at(1) : QStringLiteral("docs");
    QDir().mkpath(folder);

    SeededRandom random(20261208);
    Silence sounds;
    QtDialogs dialogs;
    // Print jobs become PDF files beside the pictures, named by `printing`.
    QStringList jobs;
    PrinterService printer([&] {
        auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdf->setOutputFormat(QPrinter::PdfFormat);
        pdf->setPageSize(QPageSize(QPageSize::A4));
        const qsizetype earlier = jobs.count(printing);
        jobs.append(printing);
        const QString name = earlier ? printing + QStringLiteral("-%1").arg(earlier + 1) : printing;
        pdf->setOutputFileName(QDir(folder).filePath(name + QStringLiteral(".pdf")));
        return pdf;
    });
    Application app(random, sounds, dialogs, printer);
    app.main();
    save(app.startWindow(), folder, QStringLiteral("start-window"));
    click(app.startWindow(), "Command1");
    save(app.menuWindow(), folder, QStringLiteral("main-menu"));
    board(app, "Command3", folder, QStringLiteral("board-addition"));
    board(app, "Command1", folder, QStringLiteral("board-subtraction"));
    recognise(app, folder);
    find(app, folder);
    recogniseAbove(app, folder);
    findAbove(app, folder);
    results(app, folder);
    app.showMenu();
    QTest::qWait(100);
    game(app, folder);
    hidden(app, folder);
    steps(app, folder);
    teacher(printer, folder);
    whoIsPlaying(random, sounds, dialogs, printer, folder);
    keypad(random, sounds, dialogs, printer, folder, false);
    keypad(random, sounds, dialogs, printer, folder, true);
    return 0;
}
