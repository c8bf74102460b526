#pragma once

#include "core/settings/configfile.h"

#include <QString>
#include <QStringList>

/// Whether the on-screen keypad shows: as asked, or else as the machine's touch screen
/// suggests.
enum class Keypad { FollowTouchScreen, Shown, Hidden };

/// How the program starts. The defaults are the program's plain start.
struct LaunchOptions {
    bool fullScreen = false;    // every window starts full screen
    bool attendiBottone = true; // the starting mode: wait for "avanti"
    qint16 numeroMassimo = 99;  // the starting highest number in play
    bool mute = false;          // no feedback sounds, and no voice
    bool voice = false;         // the numbers and tasks spoken in Italian
    Keypad keypad = Keypad::FollowTouchScreen;
    bool locked = false; // the mode and the maximum are the machine's and cannot be changed

    bool operator==(const LaunchOptions&) const = default;
};

enum class LaunchAction { Run, Help, Version, UsageError };

/// What the command line and the files ask for.
struct Launch {
    LaunchAction action = LaunchAction::Run;
    LaunchOptions options;
    QString error;        // UsageError: one line naming the fault
    QStringList warnings; // what was ignored in the files or because of the lock, a line each
};

/// Reads the command line (the first argument is the program) and, for a run, the files.
/// Precedence: a locked machine value, the command line, the user's file, the machine's
/// file, the defaults. Never writes a file.
Launch readLaunch(const QStringList& arguments, const ConfigFiles& files);

/// The help text: how to call the program, each option, where the files are (defined with
/// the command line).
QString launchUsage();
