// A school day in one process: the ten boards opened in turn from the menu, answered, their
// maximum and level changed, their worksheets opened and closed, then "Esci" back to the
// menu, over and over. Prints the resident memory after a warm-up and at the end, and the
// growth per 100 openings. Run on xcb under a private X server (xvfb_test.sh), as the
// program runs on a desktop. Arguments: [openings] [warm-up openings] [--leave-allocated]
// [--plain-style]; with --plain-style the windows are drawn by Qt's own Fusion style instead of
// the program's steady one, to show whether Fusion's cache still grows on this Qt.
#include "app/startup.h"
#include "program.h"
#include "ui/design/names.h"
#include "ui/windows/gridwindow.h"
#include "ui/windows/worksheetwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextStream>
#include <array>
#include <unistd.h>

namespace {

constexpr std::array kBoards{"Command3", "Command4", "Command5",  "Command6", "Command2",
                             "Command1", "Command7", "Command14", "Command8", "Command9"};

double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

/// What a child does on one board: right and wrong answers, "avanti" when it waits.
void answer(BoardWindow* board, int opening)
{
    auto* text = board->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    auto* scroll = board->findChild<QScrollBar*>(names::of(names::kHundreds));
    const BoardFrame& model = board->frame();
    for (int k = 0; k < 20; ++k) {
        if (model.avantiVisible() && model.avantiEnabled()) {
            avanti(board)->click();
            continue;
        }
        const bool right = (k + opening) % 3 != 0;
        const ProgramState& s = model.programState();
        if (text && text->isVisible()) {
            const int n = model.hundreds().value_or(0) * 100 + s.numeroCercato;
            QTest::keyClicks(text, QString::number(right ? n : n + 1));
            QTest::keyClick(text, Qt::Key_Return);
            text->clear();
        } else {
            int n = model.level() ? s.numeroCercato : s.risultato;
            if (scroll)
                scroll->setValue(n / 100);
            n %= 100;
            if (board->cellButton(n)->isVisible())
                clickCell(board, right ? n : (n + 1) % 20);
        }
        settle();
    }
}

/// The menu items of the board, and its worksheet opened and closed again.
void useMenus(Program& p, BoardWindow* board, int opening)
{
    if (QAction* maximum = board->menuAction(BoardCommand::NumeroMassimo);
        maximum && maximum->isVisible()) {
        p.dialogs.inputs.push_back(QString::number(20 + opening % 80));
        maximum->trigger();
    }
    for (BoardCommand level : {BoardCommand::Facile, BoardCommand::Media}) {
        if (QAction* a = board->menuAction(level))
            a->trigger();
    }
    if (QAction* stampa = board->menuAction(BoardCommand::Stampa))
        stampa->trigger();
    settle();
    if (WorksheetWindow* sheet = p.app.worksheetWindow(); sheet && sheet->isVisible()) {
        sheet->findChild<QAbstractButton*>(QStringLiteral("btnCD"))->click();
        sheet->findChild<QAbstractButton*>(names::of(names::kEsci))->click();
    }
    for (GridWindow* grid : {p.app.findGridWindow(), p.app.recogniseGridWindow()}) {
        if (grid && grid->isVisible())
            grid->close();
    }
    settle();
}

void openAndUse(Program& p, int opening)
{
    const char* button = kBoards.at(static_cast<std::size_t>(opening) % kBoards.size());
    p.app.menuWindow()->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
    settle();
    BoardWindow* board = p.app.boardWindow();
    answer(board, opening);
    useMenus(p, board, opening);
    p.dialogs.answers.push_back(Answer::Yes);
    board->menuAction(BoardCommand::Esci)->trigger();
    settle();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    prepareApplication(qtApp);
    const QStringList args = QCoreApplication::arguments();
    if (args.contains(QStringLiteral("--plain-style")))
        QApplication::setStyle(QStringLiteral("Fusion"));
    const int openings = args.size() > 1 ? args.at(1).toInt() : 1000;
    const int warmUp = args.size() > 2 ? args.at(2).toInt() : 100;
    Program p(20261208);
    p.app.main();
    p.app.startWindow()->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    settle();

    QTextStream out(stdout);
    double atWarmUp = 0;
    for (int i = 1; i <= openings; ++i) {
        openAndUse(p, i);
        p.sounds.played.clear();
        p.printer.texts.clear();
        p.printer.fonts.clear();
        p.printer.widgets.clear();
        p.dialogs.messages.clear();
        p.dialogs.styles.clear();
        p.dialogs.prompts.clear();
        p.dialogs.defaults.clear();
        if (i == warmUp)
            atWarmUp = residentMegabytes();
        if (i % 100 == 0)
            out << "soak: " << i << " openings, RSS "
                << QString::number(residentMegabytes(), 'f', 1) << " MB" << Qt::endl;
    }
    const double atEnd = residentMegabytes();
    out << "soak: RSS " << QString::number(atWarmUp, 'f', 1) << " MB after " << warmUp
        << " openings, " << QString::number(atEnd, 'f', 1) << " MB after " << openings
        << "; growth " << QString::number((atEnd - atWarmUp) * 100 / (openings - warmUp), 'f', 2)
        << " MB per 100 openings" << Qt::endl;
    if (args.contains(QStringLiteral("--leave-allocated")))
        _exit(0); // for a heap profiler: what is still allocated at the end is what grew
    return 0;
}
