#pragma once

#include "core/practice/classplan.h"
#include "core/settings/options.h"

#include <QStringList>

/// The options a child plays with: the machine's, with the teacher's plan over them, except
/// where the machine's lock holds (the highest number and the mode of a locked machine stay).
/// Each planned key the lock holds adds a line to `held`.
LaunchOptions withPlan(const LaunchOptions& options, const Plan& plan, QStringList& held);
