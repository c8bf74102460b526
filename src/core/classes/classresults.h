#pragma once

#include "core/board/boardkind.h"
#include "core/classes/classfolder.h"
#include "core/records/runrecord.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

/// Right and wrong answers counted together.
struct Tally {
    quint64 right = 0;
    quint64 wrong = 0;
    quint64 answers() const { return right + wrong; }
};

/// One child of a class over every session file of the child's folder.
struct ChildResults {
    struct Week {
        QDate monday;
        std::array<Tally, kBoardKinds> boards{};
    };
    QString name;
    QString folder; // the child's folder name in the class folder
    int sessions = 0;
    std::shared_ptr<RunRecord> record;        // right and wrong per board and number
    std::array<QDate, kBoardKinds> lastDay{}; // the last day with answers on each board
    std::vector<Week> weeks;                  // the weeks with answers, the oldest first
};

/// A class as the teacher's view shows it: each child, the class as a whole, and what was
/// read and ignored in its folder.
struct ClassResults {
    QString className;
    std::vector<ChildResults> children; // the class list's order, then the other folders read
    std::shared_ptr<RunRecord> whole;   // every child's answers together
    int sessionFiles = 0;
    int ignoredLines = 0;
    classfolder::IgnoredCounts ignored{};
    QString problem; // why the class folder could not be read
};

namespace classresults {

/// A session read in a child's folder.
struct Found {
    QString child; // the folder name
    std::shared_ptr<const Session> session;
};

/// Gathers a class: a child for each name of `pupils`, sessions or not, in their order, then
/// one for each other folder with a session, in the order of `folders`, named after its
/// folder.
ClassResults gather(const QString& className, const QStringList& pupils, const QStringList& folders,
                    const std::vector<Found>& sessions);

/// What was read: "30 bambini, 6.000 sessioni lette." and, when anything was left out,
/// "Ignorati: 2 file che non sono sessioni, 1 collegamento." and the problem, if any; the
/// problem alone when nothing could be read.
QString readingText(const ClassResults& results);
/// "settimana dal 07/12/2026"
QString weekText(QDate monday);
/// "120 risposte, 85% esatte", or "nessuna risposta".
QString tallyText(const Tally& tally);
Tally boardTally(const RunRecord& record, BoardKind board);

/// The printed page of a class for one board: a line for each child, the class's totals and
/// the numbers the class gets wrong most often; `map` names the hundred its map shows.
QString classPage(const ClassResults& results, BoardKind board, const QString& map);
/// The printed page of one child for one board: totals, a line for each week, the numbers
/// most often wrong.
QString childPage(const ChildResults& child, const QString& className, BoardKind board,
                  const QString& map);

/// One file for the whole class, UTF-8: `classe;<class>`, the header
/// `nome;esercizio;numero;esatte;errate`, then a line per child, board and number with
/// answers, in the children's order, the main menu's and the numbers'.
QByteArray csv(const ClassResults& results);

} // namespace classresults
