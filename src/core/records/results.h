#pragma once

#include "core/board/boardkind.h"

#include <QByteArray>
#include <QString>

class RunRecord;

/// What the teacher's page writes of a run record: the boards' names, the totals as text,
/// the CSV file.
namespace results {

/// The board's name on the page, as the main menu shows it.
QString boardName(BoardKind board);
/// Whether the board's numbers go above 99, so that its map shows one hundred at a time.
bool above99(BoardKind board);
/// "4 min 05 s", or "45 s" under a minute.
QString durationText(qint64 milliseconds);
/// The share of right answers in whole percent, rounded half up; 0 without answers.
int percentRight(quint64 right, quint64 wrong);
/// One line per board with answers: name, right, wrong, share right, time.
QString boardLine(const RunRecord& record, BoardKind board);
/// The page's totals: a heading (with the first name, when given) and a line per board with
/// answers, or "Nessuna risposta in questa esecuzione." without any. Lines end with LF.
QString summary(const RunRecord& record, const QString& firstName);
/// "I numeri più sbagliati:" and up to ten of the board's numbers most often wrong, each with
/// its count ("17 (3), 71 (2)"), or "Nessun numero sbagliato."
QString mostWrongText(const RunRecord& record, BoardKind board);
/// "57: 2 errate su 5": what a map cell says to assistive technology and on paper.
QString cellText(int number, quint32 right, quint32 wrong);
/// The name as it may stand in a file: line breaks, semicolons and quotes become spaces,
/// trimmed, at most 40 characters.
QString cleanName(const QString& firstName);
/// The CSV file, UTF-8: an optional first line `nome;<first name>`, the header
/// `esercizio;numero;esatte;errate`, then one line per board and number with answers, in
/// the order of the main menu and of the numbers.
QByteArray csv(const RunRecord& record, const QString& firstName);
/// Writes the bytes to `path` whole or not at all: an existing file is replaced only once
/// the new one is complete, and stays as it was when writing fails. False when it failed.
bool saveWhole(const QString& path, const QByteArray& bytes);

} // namespace results
