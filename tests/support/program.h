#pragma once

#include "app/application.h"
#include "app/whoisplaying.h"
#include "fakes.h"
#include "fakes_ui.h"
#include "ui/design/names.h"
#include "ui/windows/boardwindow.h"
#include "ui/windows/menuwindow.h"
#include "ui/windows/startwindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

/// The whole program with a scripted generator, recorded sounds and scripted dialogs.
struct Program {
    explicit Program(std::uint32_t seed = 77, const LaunchOptions& options = {})
        : random({}, seed), app(random, sounds, dialogs, printer, options, &speech)
    {}
    ScriptedRandom random;
    RecordingSounds sounds;
    RecordingSpeech speech;
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    Application app;
};

/// Runs the deferred deletions of unloaded windows.
inline void flushUnloads()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

/// Starts the program, passes the start window, chooses the mode and clicks a board button
/// of the main menu; returns the board that opened (or nothing).
inline BoardWindow* openFromMenu(Program& p, const char* button, bool waiting = true)
{
    p.app.main();
    p.app.startWindow()->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    flushUnloads();
    QWidget* menu = p.app.menuWindow();
    menu->findChild<QAbstractButton*>(waiting ? QStringLiteral("Option1(1)")
                                              : QStringLiteral("Option1(0)"))
        ->click();
    QTest::mouseClick(menu->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    flushUnloads();
    BoardWindow* board = p.app.boardWindow();
    if (board)
        (void)QTest::qWaitForWindowActive(board);
    return board;
}

inline QString labelText(QWidget* window, const char* name)
{
    return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

inline QToolButton* avanti(QWidget* board)
{
    return board->findChild<QToolButton*>(names::of(names::kAvanti));
}

inline void clickCell(BoardWindow* board, int i)
{
    QTest::mouseClick(board->cellButton(i), Qt::LeftButton);
}
