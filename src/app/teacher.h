#pragma once

#include "core/settings/options.h"

#include <QString>

class Dialogs;
class PrintService;

/// `quadena --insegnante`: the teacher's view alone, under a desktop entry of its own. It
/// opens none of the children's windows and none of them leads to it.
namespace teacher {

/// The desktop entry the view's windows belong to.
inline constexpr char kDesktopFileName[] = "org.example.quadena.insegnante";

/// Why the view cannot open with these options (it needs the results folder), or an empty
/// text when it can.
QString refusal(const LaunchOptions& options);

/// Shows the view and runs until its window closes; returns the exit status.
int run(const LaunchOptions& options, Dialogs& dialogs, PrintService& printer);

} // namespace teacher
