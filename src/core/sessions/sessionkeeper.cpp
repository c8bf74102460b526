#include "core/sessions/sessionkeeper.h"

#include "core/board/boardframe.h"
#include "core/sessions/personname.h"
#include "core/sessions/sessionstore.h"
#include "core/sessions/sessionwriter.h"

SessionKeeper::SessionKeeper(std::unique_ptr<SessionStore> store, QString where, QString host,
                             qint64 pid, Now now, std::chrono::milliseconds retry)
    : where_(std::move(where)), host_(std::move(host)), pid_(pid), now_(std::move(now)),
      writer_(new SessionWriter(std::move(store), retry))
{
    connect(writer_, &SessionWriter::progress, this, &SessionKeeper::tellUnsaved);
}

SessionKeeper::~SessionKeeper()
{
    // A thread still inside a hung share cannot be joined; it ends with the process.
    if (!writerLeft_)
        delete writer_;
}

QDateTime SessionKeeper::localTimeWithOffset()
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.toOffsetFromUtc(now.offsetFromUtc());
}

void SessionKeeper::begin(const QString& className, const QString& child)
{
    end();
    const std::optional<QString> classKept = personname::accepted(className);
    const std::optional<QString> childKept = personname::accepted(child);
    if (!classKept || !childKept)
        return; // a name no file could keep: nothing is kept
    QDateTime started = now_();
    // Two sessions of one process never share a file name, which counts whole seconds.
    if (lastStart_.isValid() && started.toSecsSinceEpoch() <= lastStart_.toSecsSinceEpoch())
        started = lastStart_.addSecs(1);
    lastStart_ = started;
    session_ = Session{*classKept, *childKept, host_, pid_, started, {}};
    path_ = sessionfile::folderName(*classKept) + u'/' + sessionfile::folderName(*childKept) +
            u'/' + sessionfile::fileName(*session_);
    sinceSave_ = 0;
}

void SessionKeeper::end()
{
    if (!session_)
        return;
    save();
    session_.reset();
}

void SessionKeeper::follow(const BoardFrame& frame, BoardKind board)
{
    connect(&frame, &BoardFrame::judged, this,
            [this, board](int target, bool right) { answer(board, target, right); });
}

void SessionKeeper::answer(BoardKind board, int target, bool right)
{
    if (!session_ || target < 0 || target > 999)
        return;
    session_->answers.push_back({board, target, right, now_()});
    if (++sinceSave_ >= kAnswersPerSave)
        save();
}

void SessionKeeper::boardLeft()
{
    save();
}

bool SessionKeeper::finish(std::chrono::milliseconds wait)
{
    end();
    if (writerLeft_)
        return false;
    const SessionWriter::Finish f = writer_->finish(wait);
    writerLeft_ = f == SessionWriter::Finish::StillWriting;
    return f == SessionWriter::Finish::AllWritten;
}

int SessionKeeper::unsaved() const
{
    return writer_->unwritten();
}

void SessionKeeper::save()
{
    // What was handed over stays with the writer until it is written.
    if (!session_ || sinceSave_ == 0 || writerLeft_)
        return;
    writer_->put(path_, sessionfile::write(*session_), int(session_->answers.size()));
    sinceSave_ = 0;
    tellUnsaved();
}

void SessionKeeper::tellUnsaved()
{
    const int n = unsaved();
    if (n == toldUnsaved_)
        return;
    toldUnsaved_ = n;
    emit unsavedChanged(n);
}
