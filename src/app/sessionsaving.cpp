#include "app/sessionsaving.h"

#include "core/sessions/sessionkeeper.h"
#include "core/sessions/waitingsessions.h"
#include "ui/system/sessionhelper.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <cstdio>
#include <set>

namespace sessionsaving {
namespace {

void warn(const QString& text)
{
    std::fputs(QStringLiteral("quadena: %1\n").arg(text).toLocal8Bit().constData(), stderr);
}

/// Hands the keeper every file that waits on the machine; each is removed there once saved.
void resumeWaiting(SessionKeeper& keeper)
{
    const WaitingSessions waiting(WaitingSessions::stateFolder());
    std::vector<WaitingSessions::Waiting> found = waiting.all();
    if (found.empty())
        return;
    std::set<QString> paths;
    for (const WaitingSessions::Waiting& w : found)
        paths.insert(w.relativePath);
    // On the writing thread, which may outlive the keeper: the lambda holds copies only.
    QObject::connect(
        &keeper, &SessionKeeper::saved, &keeper,
        [waiting, paths = std::move(paths)](const QString& path) {
            if (paths.contains(path))
                waiting.remove(path);
        },
        Qt::DirectConnection);
    for (WaitingSessions::Waiting& w : found)
        keeper.resave(w.relativePath, std::move(w.bytes), w.answers);
}

} // namespace

Started start(const QString& resultsDir)
{
    const QString helper = HelperStore::besideProgram();
    Started started{std::make_unique<SessionKeeper>(
                        std::make_unique<HelperStore>(helper, resultsDir), resultsDir,
                        QSysInfo::machineHostName(), QCoreApplication::applicationPid()),
                    {}};
    if (!HelperStore::runnable(helper)) {
        warn(QStringLiteral("manca %1, o non si può eseguire: le risposte non possono essere "
                            "salvate in %2.")
                 .arg(helper, resultsDir));
        started.problem = QStringLiteral("Su questo computer i risultati non possono essere "
                                         "salvati: manca quadena-salva.");
        return started;
    }
    resumeWaiting(*started.keeper);
    return started;
}

bool finish(SessionKeeper& keeper, std::chrono::milliseconds wait)
{
    if (keeper.finish(wait))
        return true;
    const WaitingSessions waiting(WaitingSessions::stateFolder());
    int kept = 0;
    int lost = 0;
    for (const SessionWriter::Unwritten& file : keeper.unsavedFiles())
        (waiting.keep(file.relativePath, file.bytes) ? kept : lost) += file.answers;
    if (kept > 0)
        warn((kept == 1 ? QStringLiteral("1 risposta non ancora in %2 attende in %3: il programma "
                                         "la salva al prossimo avvio.")
                        : QStringLiteral("%1 risposte non ancora in %2 attendono in %3: il "
                                         "programma le salva al prossimo avvio."))
                 .arg(QString::number(kept), keeper.where(), waiting.folder()));
    if (lost > 0)
        warn((lost == 1
                  ? QStringLiteral("1 risposta non salvata in %2 e non tenuta in %3: è persa.")
                  : QStringLiteral("%1 risposte non salvate in %2 e non tenute in %3: sono "
                                   "perse."))
                 .arg(QString::number(lost), keeper.where(), waiting.folder()));
    return false;
}

} // namespace sessionsaving
