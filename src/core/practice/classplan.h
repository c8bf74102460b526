#pragma once

#include "core/base/level.h"
#include "core/board/boardkind.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <bitset>
#include <optional>
#include <utility>
#include <vector>

/// What the teacher plans for a class or one child; a key not given leaves what the machine
/// or the class says.
struct Plan {
    std::optional<qint16> maximum;                  // `max`, as the machine's file takes it
    std::optional<bool> waits;                      // `mode`: wait or auto
    std::optional<std::bitset<kBoardKinds>> boards; // `boards`: those the main menu offers
    std::optional<Level> level;                     // `level` of the find, recognise, hidden boards
    std::optional<bool> review;                     // `review`: the child's misses come back

    friend bool operator==(const Plan&, const Plan&) = default;
};

/// The plan file of one class: the class's keys, and each child's under the child's name.
struct ClassPlan {
    Plan whole;
    std::vector<std::pair<QString, Plan>> children; // in the file's order

    friend bool operator==(const ClassPlan&, const ClassPlan&) = default;
};

/// The teacher's plan file, `3A.conf` beside the class list `3A.txt` in the classes folder:
/// UTF-8 text, one `key=value` a line; the class's keys first, then a section for each child
/// that has its own, under `[Luca]`:
///
///     max=50
///     mode=wait
///     boards=Form100Trova, Form100Ricon, Form100a
///     level=media
///     review=true
///
///     [Luca]
///     max=30
///
/// Blank lines and lines starting with `#` or `;` are skipped. `boards` lists the boards by
/// `boardId`; `level` is facile, media or difficile; `review` true or false.
namespace classplan {

/// "3A.conf" for the class "3A".
QString fileName(const QString& className);

/// Reads a plan file; a line that is no section, no known key or no value that key takes is
/// skipped with a warning naming `fileName` and the line.
ClassPlan parse(const QByteArray& bytes, const QString& fileName, QStringList& warnings);
/// The file of a plan: every key given, the class's first, then the children's sections.
QByteArray write(const ClassPlan& plan);

/// The plan of a class in `classesDir`; no file is an empty plan and no warning. A file that is
/// no regular file or is over 64 KiB is ignored with a warning.
ClassPlan read(const QString& classesDir, const QString& className, QStringList& warnings);
/// Writes the plan file at once, whole or not at all, never through a link. Returns nothing
/// when written, else why not, one line; then the file is as it was.
std::optional<QString> save(const QString& classesDir, const QString& className,
                            const ClassPlan& plan);

/// The plan in force for `child` (empty: the class's): each key the child's, else the class's.
Plan planFor(const ClassPlan& plan, const QString& child);

} // namespace classplan
