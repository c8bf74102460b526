// A worksheet or grid window opened from a board leaves the board in reach: under a real
// window manager (xvfb_test.sh --openbox), a real pointer click on a cell the window leaves
// in sight makes the board the active window again, and it runs its set-up.
#include "pointer.h"
#include "program.h"
#include "ui/windows/windowplacement.h"

#include <QApplication>
#include <QScreen>
#include <tuple>

namespace {

/// Where `window` and its frame are on screen. A frame the window system has not settled
/// yet is taken as openbox draws it: a title bar above, a thin border around.
QRect frameOf(const QWidget* window)
{
    const QRect settled = settledFrame(window->frameGeometry(), window->geometry());
    return settled != window->geometry() ? settled : settled.adjusted(-2, -24, 2, 2);
}

/// The centre of the first shown cell of `board` that `cover` leaves in sight, or nothing.
std::optional<QPoint> cellInSight(const BoardWindow* board, const QWidget* cover)
{
    for (int i = 0; i < BoardFrame::kCellCount; ++i) {
        const QWidget* cell = board->cellButton(i);
        const QPoint centre = cell->mapToGlobal(cell->rect().center());
        if (cell->isVisible() && !frameOf(cover).contains(centre) &&
            board->screen()->geometry().contains(centre))
            return centre;
    }
    return std::nullopt;
}

} // namespace

class TestBoardInReach : public QObject {
    Q_OBJECT
  private slots:
    void clickBackToBoard_data();
    void clickBackToBoard();
};

void TestBoardInReach::clickBackToBoard_data()
{
    // The board that prints, and the board above 99 opened next while its sheet is open. The
    // two grid windows are one window of one size, opened beside boards of one size, as the
    // two boards above 99 are: one of each is enough here; where a window goes on any screen
    // is test_window_placement's.
    QTest::addColumn<QString>("printing");
    QTest::addColumn<QString>("above");
    for (const auto& [row, printing, above] :
         {std::tuple{"worksheet", "Command3", ""},
          {"find grid", "Command14", ""},
          {"above 99, the recognise grid open", "Command7", "Command8"}})
        QTest::newRow(row) << QString::fromLatin1(printing) << QString::fromLatin1(above);
}

void TestBoardInReach::clickBackToBoard()
{
    QFETCH(QString, printing);
    QFETCH(QString, above);
    Program p;
    BoardWindow* board = openFromMenu(p, printing.toLatin1().constData());
    QVERIFY(board);
    board->menuAction(BoardCommand::Stampa)->trigger();
    QTRY_VERIFY(QApplication::activeWindow() && QApplication::activeWindow() != board);
    QWidget* sheet = QApplication::activeWindow();
    if (!above.isEmpty()) {
        p.app.showMenu();
        flushUnloads();
        p.app.menuWindow()->findChild<QAbstractButton*>(above)->click();
        flushUnloads();
        board = p.app.boardWindow();
        QVERIFY(QTest::qWaitForWindowActive(board));
        // Back to the sheet by its title bar, where the new board leaves it in sight.
        const QRect title = sheet->geometry();
        const int left = std::max(frameOf(board).right(), title.left());
        QVERIFY(pointerClick({(left + title.right()) / 2, title.top() - 6}));
    }
    QVERIFY(QTest::qWaitForWindowActive(sheet));
    p.app.state().quantiEsatti = 5;
    p.app.state().quantiErrati = 5;
    const std::optional<QPoint> cell = cellInSight(board, sheet);
    QVERIFY2(cell, "the sheet window covers every cell of the board");
    QVERIFY(pointerClick(*cell));
    QTRY_COMPARE(QApplication::activeWindow(), board);
    QCOMPARE(p.app.host().current(), board);
    // The set-up set both counters to 0; the click itself may have answered once.
    QVERIFY(p.app.state().quantiEsatti + p.app.state().quantiErrati <= 1);
}

QTEST_MAIN(TestBoardInReach)
#include "test_board_in_reach.moc"
