#include "core/sessions/sessionkeeper.h"

#include "core/board/boardframe.h"
#include "core/sessions/personname.h"
#include "core/sessions/sessionstore.h"

#include <QRandomGenerator>
#include <algorithm>

namespace {

/// How many of `answers`, from the first, fit in a file of at most the largest size with
/// the session's header: at least one.
std::size_t answersThatFit(const Session& session)
{
    Session header = session;
    header.answers.clear();
    const qint64 headerSize = sessionfile::write(header).size();
    qint64 size = headerSize;
    std::size_t n = 0;
    for (const SessionAnswer& a : session.answers) {
        header.answers = {a};
        size += sessionfile::write(header).size() - headerSize;
        if (size > sessionfile::kLargestFile)
            break;
        ++n;
    }
    return std::max<std::size_t>(n, 1);
}

} // namespace

SessionKeeper::SessionKeeper(std::unique_ptr<SessionStore> store, QString where, QString host,
                             qint64 pid, Now now, std::chrono::milliseconds retry)
    : where_(std::move(where)), host_(std::move(host)), pid_(pid), now_(std::move(now)),
      writer_(new SessionWriter(std::move(store), retry))
{
    connect(writer_, &SessionWriter::progress, this, &SessionKeeper::tellUnsaved);
    connect(writer_, &SessionWriter::written, this, &SessionKeeper::saved, Qt::DirectConnection);
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
            u'/' + sessionfile::fileName(*session_, QRandomGenerator::system()->generate());
    part_ = 1;
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

std::vector<SessionWriter::Unwritten> SessionKeeper::unsavedFiles() const
{
    return writer_->unwrittenFiles();
}

void SessionKeeper::resave(const QString& relativePath, QByteArray bytes, int answers)
{
    if (writerLeft_)
        return;
    writer_->put(relativePath, std::move(bytes), answers);
    tellUnsaved();
}

void SessionKeeper::save()
{
    // What was handed over stays with the writer until it is written.
    if (!session_ || sinceSave_ == 0 || writerLeft_)
        return;
    QByteArray bytes = sessionfile::write(*session_);
    while (bytes.size() > sessionfile::kLargestFile) {
        // This file is closed with the answers that fit; the rest start the next one.
        Session full = *session_;
        const auto fit = std::ptrdiff_t(answersThatFit(full));
        full.answers.resize(std::size_t(fit));
        writer_->put(filePath(), sessionfile::write(full), int(full.answers.size()));
        session_->answers.erase(session_->answers.begin(), session_->answers.begin() + fit);
        ++part_;
        bytes = sessionfile::write(*session_);
    }
    writer_->put(filePath(), std::move(bytes), int(session_->answers.size()));
    sinceSave_ = 0;
    tellUnsaved();
}

QString SessionKeeper::filePath() const
{
    if (part_ == 1)
        return path_;
    const qsizetype end =
        path_.endsWith(QLatin1StringView(".csv")) ? path_.size() - 4 : path_.size();
    return path_.left(end) + QStringLiteral("-parte%1").arg(part_) + path_.mid(end);
}

void SessionKeeper::tellUnsaved()
{
    const int n = unsaved();
    if (n == toldUnsaved_)
        return;
    toldUnsaved_ = n;
    emit unsavedChanged(n);
}
