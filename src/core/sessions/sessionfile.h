#pragma once

#include "core/board/boardkind.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

/// One judged answer of a child, with the time it was given.
struct SessionAnswer {
    BoardKind board;
    int number; // the task's target, 0 to 999
    bool right;
    QDateTime at;

    friend bool operator==(const SessionAnswer&, const SessionAnswer&) = default;
};

/// One sitting of one child at one machine: who, where, since when, and every answer.
struct Session {
    QString className;
    QString child;
    QString host;
    qint64 pid = 0;
    QDateTime started;
    std::vector<SessionAnswer> answers;
};

/// The file a session is kept in, in the results folder: `<class>/<child>/<file name>`. The
/// file is UTF-8 text, one record a line:
///
///     quadena-sessione;2
///     classe;3A
///     nome;Luca
///     macchina;lab-03
///     inizio;2026-12-09T10:15:00+01:00
///     esercizio;numero;esatte;errate;ora
///     addizione-unita;17;0;1;2026-12-09T10:15:07+01:00
///
/// The answer lines have the columns of the teacher's CSV and the time of the answer; each
/// counts one answer, right or wrong. A board is named by its id in the catalogue; files that
/// start `quadena-sessione;1` name it as the teacher's page did when they were written. The
/// class and the child are names as `personname` allows them. A session is saved whole each
/// time and only grows: each save begins with the bytes of the one before, which is how the
/// saver tells a later save of a session from another session's file of the same name.
namespace sessionfile {

/// A file larger than this is not a session file.
inline constexpr qint64 kLargestFile = 1 << 20;
QByteArray write(const Session& session);

struct Reading {
    std::optional<Session> session; // none when the bytes are not a session file
    int ignoredLines = 0;           // lines of a session file that are not answers
};
/// Reads what `write` wrote, and files of the first kind. A file that does not start with one
/// of the first lines, or has no class or child, is not a session file; any other line that is not
/// a header or an answer is ignored and counted.
Reading read(const QByteArray& bytes);

/// The one folder name of a class, child or machine name: letters and digits of any script,
/// `-` and `_` stand as they are, every other character (`/`, `.`, `%`, blanks) as `%XX` of its
/// UTF-8 bytes, after the name is put in one Unicode form. So no folder name is empty, starts
/// with a dot, climbs with `..` or holds a `/`, the same name is always the same folder and
/// two names are never the same folder.
QString folderName(const QString& name);

/// `20261209T091500Z-lab-03-4321-0a1b2c3d.csv`: the start in UTC (a local time comes twice
/// at the October change), the machine's folder name, the process and `token`, a number drawn
/// once a session (machines cloned from one image share a name), so that two sessions never
/// meet in one file. Files of earlier versions, `2026-12-09-101500-lab-03-4321.csv` in local
/// time, are read as well: the name is never read back.
QString fileName(const Session& session, quint32 token);

} // namespace sessionfile
