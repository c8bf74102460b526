#pragma once

#include "core/settings/configfile.h"
#include "core/settings/options.h"

#include <QString>
#include <QStringList>

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
