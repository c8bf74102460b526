#pragma once

#include "core/base/level.h"
#include "core/practice/classplan.h"
#include "core/practice/review.h"

#include <QString>
#include <QStringList>

/// The Italian words that describe a teacher's plan and a child's review, for the teacher's
/// view: the captions of each key's choices and the lines that tell what is in force.
namespace plantext {

/// What a key not given means: the class's value for a child, the machine's for the class.
QString unset(bool forChild);
/// "attende il bottone" or "prosegue automaticamente".
QString mode(bool waits);
/// "facile", "media" or "difficile".
QString level(Level level);
/// "sì" or "no".
QString yesNo(bool yes);

/// One short line a key of the plan in force: a key not given is the machine's.
QStringList inForce(const Plan& plan);

/// The Italian name of a review family.
QString familyName(int family);
/// What review does, in one fixed sentence.
QString reviewMeaning();
/// For each family with any, its name, the numbers under review and those that left it;
/// a sentence saying there are none when no family has any.
QString reviewLists(const ReviewSet& set);

} // namespace plantext
