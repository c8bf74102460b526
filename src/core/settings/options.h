#pragma once

#include <QString>
#include <QtGlobal>

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
    QString voiceLanguage;      // a number said alone is said again in it (BCP 47); or none
    Keypad keypad = Keypad::FollowTouchScreen;
    bool locked = false; // the mode and the maximum are the machine's and cannot be changed
    QString classesDir;  // the class lists, one file a class; empty: no classes, nothing kept
    QString resultsDir;  // where each child's sessions are kept; empty: nowhere
    QString className;   // the class this machine serves, chosen without asking

    bool operator==(const LaunchOptions&) const = default;
};

/// What a start does: run, open the teacher's view of the results instead of the children's
/// windows, print the help or the version, or refuse a wrong command line.
enum class LaunchAction { Run, Teacher, Help, Version, UsageError };
