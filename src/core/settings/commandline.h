#pragma once

#include "core/settings/options.h"
#include "core/settings/settings.h"

#include <QStringList>
#include <vector>

/// What the command line asks for: an action other than a run, a usage fault, or the values
/// it gives to settings, in the order of the options.
struct CommandLine {
    LaunchAction action = LaunchAction::Run;
    QString error;
    std::vector<Entry> entries;
};

/// Reads the command line (the first argument is the program) with QCommandLineParser; a
/// fault is told in one Italian line that names the argument.
CommandLine parseCommandLine(const QStringList& arguments);

/// The help text: how to call the program, each option, where the files are.
QString launchUsage();
