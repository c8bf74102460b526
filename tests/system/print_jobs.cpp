// Prints through the program's own windows and print service on the system's default
// printer: a worksheet, its solutions, a grid sheet, the teacher's page, the hidden
// numbers' sheet and the counting sheet, each with its solution, as a user would with the
// buttons; it tells which numbers the sheet hides ("hidden: 3 17 ...") and which the count
// colours ("counted: 0 3 6 ...").
// With "--no-printer" it checks instead that, with no print system, the buttons and "Stampa"
// do nothing visible, show no message and change nothing.
// With "--read-back SHEET.pgm SOLUTION.pgm N..." it reads the two printed pages of the hidden
// numbers back: the cells of the numbers N are empty on the sheet, every other cell holds
// ink, and every cell of the solution does. With "--read-back-counted SHEET.pgm SOLUTION.pgm
// N..." it reads the counting sheet back: every cell holds ink, none grey on the sheet and
// those of the numbers N grey on the solution. Driven by print_e2e.sh.
#include "app/application.h"
#include "app/startup.h"
#include "fakes.h"
#include "fakes_ui.h"
#include "ui/design/names.h"
#include "ui/system/printing.h"
#include "ui/windows/boardwindow.h"
#include "ui/windows/gridwindow.h"
#include "ui/windows/menuwindow.h"
#include "ui/windows/resultswindow.h"
#include "ui/windows/startwindow.h"
#include "ui/windows/worksheetwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextStream>
#include <algorithm>
#include <bitset>

namespace {

void click(QWidget* window, const char* name)
{
    window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString text(QWidget* window, const char* name)
{
    return window->findChild<QPlainTextEdit*>(QString::fromLatin1(name))->toPlainText();
}

bool dark(const QImage& page, int x, int y)
{
    return qGray(page.pixel(x, y)) < 128;
}

bool grey(const QImage& page, int x, int y)
{
    const int g = qGray(page.pixel(x, y));
    return g >= 150 && g < 240;
}

/// Which of the 100 cells of a printed grid have most pixels `marked` in the square from
/// `from` to `to` of their side (ink: any). The grid is found by its left border, the
/// leftmost long dark line of the page, and is as high as it is wide.
std::optional<std::bitset<100>> cellsWhere(const QImage& page, double from, double to,
                                           bool (*marked)(const QImage&, int, int), bool any)
{
    int left = -1, top = 0, side = 0;
    for (int x = 0; x < page.width() && left < 0; ++x) {
        for (int y = 0, run = 0; y < page.height(); ++y) {
            run = dark(page, x, y) ? run + 1 : 0;
            if (run > page.width() / 5) { // a border, not a letter
                while (y + 1 < page.height() && dark(page, x, y + 1))
                    ++y, ++run;
                left = x, top = y - run + 1, side = run;
                break;
            }
        }
    }
    if (left < 0)
        return std::nullopt;
    std::bitset<100> found;
    const double cell = side / 10.0;
    const int width = std::max(1, int(cell * (to - from)));
    for (int i = 0; i < 100; ++i) {
        const int x0 = left + int(cell * (i % 10 + from)), y0 = top + int(cell * (i / 10 + from));
        int count = 0;
        for (int y = y0; y < y0 + width; ++y) {
            for (int x = x0; x < x0 + width; ++x)
                count += marked(page, x, y);
        }
        found.set(std::size_t(i), any ? count > 0 : 2 * count > width * width);
    }
    return found;
}

std::optional<std::bitset<100>> inkedCells(const QImage& page)
{
    return cellsWhere(page, 0.2, 0.8, dark, true);
}

/// The cells printed grey, read in their top left corner, clear of the number and the lines.
std::optional<std::bitset<100>> greyCells(const QImage& page)
{
    return cellsWhere(page, 0.08, 0.2, grey, false);
}

int readBack(const QStringList& args, QTextStream& out)
{
    const auto sheet = inkedCells(QImage(args.value(0)));
    const auto solution = inkedCells(QImage(args.value(1)));
    std::bitset<100> hidden;
    for (const QString& n : args.mid(2))
        hidden.set(std::size_t(std::clamp(n.toInt(), 0, 99)));
    const bool sheetRight = sheet && hidden.any() && *sheet == ~hidden;
    const bool solutionRight = solution && solution->all();
    out << (sheetRight ? "PASS" : "FAIL") << ": the sheet's empty cells are the " << hidden.count()
        << " hidden numbers"
        << (sheet ? QStringLiteral(" (%1 empty)").arg((~*sheet).count())
                  : QStringLiteral(" (no grid found)"))
        << "\n";
    out << (solutionRight ? "PASS" : "FAIL") << ": the solution has a number in every cell\n";
    return sheetRight && solutionRight ? 0 : 1;
}

int readBackCounted(const QStringList& args, QTextStream& out)
{
    const QImage sheetPage(args.value(0)), solutionPage(args.value(1));
    const auto sheet = inkedCells(sheetPage), sheetGrey = greyCells(sheetPage);
    const auto solution = inkedCells(solutionPage), solutionGrey = greyCells(solutionPage);
    std::bitset<100> counted;
    for (const QString& n : args.mid(2))
        counted.set(std::size_t(std::clamp(n.toInt(), 0, 99)));
    const bool sheetRight = sheet && sheet->all() && sheetGrey && sheetGrey->none();
    const bool solutionRight =
        solution && solution->all() && counted.any() && solutionGrey == counted;
    out << (sheetRight ? "PASS" : "FAIL") << ": the sheet has a number in every cell, none grey\n";
    out << (solutionRight ? "PASS" : "FAIL") << ": the solution's grey cells are the "
        << counted.count() << " counted numbers"
        << (solutionGrey ? QStringLiteral(" (%1 grey)").arg(solutionGrey->count())
                         : QStringLiteral(" (no grid found)"))
        << "\n";
    return sheetRight && solutionRight ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    prepareApplication(qtApp);
    QTextStream out(stdout);
    if (const QStringList args = QCoreApplication::arguments();
        args.size() > 1 && args.at(1) == QStringLiteral("--read-back"))
        return readBack(args.mid(2), out);
    if (const QStringList args = QCoreApplication::arguments();
        args.size() > 1 && args.at(1) == QStringLiteral("--read-back-counted"))
        return readBackCounted(args.mid(2), out);
    const bool noPrinter = QCoreApplication::arguments().contains(QStringLiteral("--no-printer"));

    ScriptedRandom random({}, 2026);
    RecordingSounds sounds;
    ScriptedDialogs dialogs;
    PrinterService printer;
    Application app(random, sounds, dialogs, printer);
    app.main();
    click(app.startWindow(), "Command1");
    click(app.menuWindow(), "Command5");
    app.boardWindow()->menuAction(BoardCommand::Stampa)->trigger();
    WorksheetWindow* sheet = app.worksheetWindow();
    const QString before = text(sheet, "txtCD");
    const QString solutionsBefore = text(sheet, "TextCor");
    click(sheet, "btnCD");
    click(sheet, "Command1");
    const bool unchanged =
        text(sheet, "txtCD") == before && text(sheet, "TextCor") == solutionsBefore;

    dialogs.answers.push_back(Answer::Yes);
    app.boardWindow()->menuAction(BoardCommand::Esci)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    click(app.menuWindow(), "Command14");
    // One answer wrong and one right, for the teacher's page.
    const int asked = app.boardWindow()->frame().programState().numeroCercato;
    app.boardWindow()->frame().clickCell((asked + 1) % 100);
    app.boardWindow()->frame().clickCell(asked);
    app.boardWindow()->menuAction(BoardCommand::Stampa)->trigger();
    GridWindow* grid = app.findGridWindow();
    const QString gridBefore = text(grid, names::kSheetText);
    grid->menuBar()->actions().at(0)->trigger();
    const bool gridUnchanged = text(grid, names::kSheetText) == gridBefore && grid->isVisible();

    grid->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    dialogs.answers.push_back(Answer::Yes);
    app.boardWindow()->menuAction(BoardCommand::Esci)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    click(app.menuWindow(), names::kRisultati);
    click(app.resultsWindow(), names::kResultsPrint);

    // The hidden numbers, one of them found, and their sheet.
    click(app.menuWindow(), "Command11");
    BoardFrame& hidden = app.boardWindow()->frame();
    hidden.typedAnswer(QString::number(hidden.programState().numeroCercato));
    app.boardWindow()->menuAction(BoardCommand::Stampa)->trigger();
    GridWindow* hiddenSheet = app.hiddenGridWindow();
    hiddenSheet->menuBar()->actions().at(0)->trigger();
    out << "hidden:";
    const auto covered = hidden.rules<HiddenNumbersExercise>()->covered(99);
    for (int i = 0; i < 100; ++i) {
        if (covered.test(std::size_t(i)))
            out << ' ' << i;
    }
    out << '\n';
    hiddenSheet->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Counting in steps, its first number counted, and its sheet.
    dialogs.answers.push_back(Answer::Yes);
    app.boardWindow()->menuAction(BoardCommand::Esci)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    click(app.menuWindow(), "Command12");
    BoardFrame& steps = app.boardWindow()->frame();
    steps.clickCell(steps.programState().numeroCercato);
    app.boardWindow()->menuAction(BoardCommand::Stampa)->trigger();
    app.stepsGridWindow()->menuBar()->actions().at(0)->trigger();
    out << "counted:";
    const auto* count = steps.rules<SkipCounting>();
    for (int n = count->start(); n >= 0 && n <= 99; n += count->step())
        out << ' ' << n;
    out << '\n';

    const bool quiet = dialogs.messages.size() == 3; // only the boards' "Esci" questions
    out << (unchanged && gridUnchanged ? "PASS" : "FAIL") << ": the windows kept their texts\n";
    out << (quiet ? "PASS" : "FAIL") << ": no message was shown\n";
    if (noPrinter)
        out << "no print system: six print actions did nothing\n";
    else
        out << "sent: worksheet, solutions, grid sheet, results page, hidden numbers' sheet and "
               "solution, counting sheet and solution\n";
    return unchanged && gridUnchanged && quiet ? 0 : 1;
}
