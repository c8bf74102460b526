// Prints through the program's own windows and print service on the system's default
// printer: a worksheet, its solutions, a grid sheet and the teacher's page, as a user would
// with the buttons.
// With "--no-printer" it checks instead that, with no print system, the buttons and "Stampa"
// do nothing visible, show no message and change nothing. Driven by print_e2e.sh.
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
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextStream>

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

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    prepareApplication(qtApp);
    const bool noPrinter = QCoreApplication::arguments().contains(QStringLiteral("--no-printer"));
    QTextStream out(stdout);

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

    const bool quiet = dialogs.messages.size() == 2; // only the boards' "Esci" questions
    out << (unchanged && gridUnchanged ? "PASS" : "FAIL") << ": the windows kept their texts\n";
    out << (quiet ? "PASS" : "FAIL") << ": no message was shown\n";
    if (noPrinter)
        out << "no print system: four print actions did nothing\n";
    else
        out << "sent: worksheet, solutions, grid sheet, results page\n";
    return unchanged && gridUnchanged && quiet ? 0 : 1;
}
