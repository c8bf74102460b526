#pragma once

#include "core/classes/pupilsymbol.h"

#include <QDateTime>
#include <QString>
#include <optional>

/// When the children of a class first played, as the names of their session files tell it:
/// no file is opened. It lists folders of the share: call it off the window's thread.
namespace firstplayed {

/// The start a session file's name begins with ("2026-12-09-101500-…"), to the second;
/// nothing when the name does not begin with one.
std::optional<QDateTime> startInName(const QString& fileName);

/// Every child folder of the class in the results folder that holds a session file, with the
/// earliest start of its files' names; nothing for a class without a folder.
pupilsymbol::FirstPlayed read(const QString& resultsDir, const QString& className);

} // namespace firstplayed
