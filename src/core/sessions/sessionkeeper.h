#pragma once

#include "core/board/boardkind.h"
#include "core/sessions/sessionfile.h"
#include "core/sessions/sessionwriter.h"

#include <QDateTime>
#include <QObject>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class BoardFrame;
class SessionStore;

/// Keeps the answers of the child at the machine, from `begin` to `end`, in a session of its
/// own, and has it saved in the results folder as `<class>/<child>/<file>` (see sessionfile.h),
/// the whole file each time: when a board is left, every `kAnswersPerSave` answers, at `end`
/// and at `finish`. A session that would grow past `sessionfile::kLargestFile` goes on in a
/// next file of its own (`…-parte2.csv`), with the same header. The saving runs on a writing
/// thread: the caller never waits for the share, and what could not be saved stays in memory
/// and is tried again.
class SessionKeeper final : public QObject {
    Q_OBJECT
  public:
    static constexpr int kAnswersPerSave = 20;
    using Now = std::function<QDateTime()>;

    /// `where` is the results folder as the teacher is told it; `host` and `pid` name the
    /// machine and the process in the files.
    SessionKeeper(std::unique_ptr<SessionStore> store, QString where, QString host, qint64 pid,
                  Now now = localTimeWithOffset,
                  std::chrono::milliseconds retry = std::chrono::seconds(3));
    /// Without a `finish` that returned false, the writing thread is stopped and joined;
    /// after one, it is left to the end of the process.
    ~SessionKeeper() override;

    /// Now, as local time with its offset from UTC, as the files keep it.
    static QDateTime localTimeWithOffset();

    /// A new session of `child` of `className`; a session still open is ended first. Names
    /// that `personname` refuses open no session.
    void begin(const QString& className, const QString& child);
    /// Saves the open session and closes it; its answers are no longer kept.
    void end();
    /// Keeps every answer the frame judges as one of `board`'s, for as long as it lives.
    void follow(const BoardFrame& frame, BoardKind board);
    /// One judged answer, at this moment; nothing without an open session.
    void answer(BoardKind board, int target, bool right);
    /// A board was left: the session is saved.
    void boardLeft();
    /// At exit: saves, waits at most `wait` for the share, and says whether all was saved.
    bool finish(std::chrono::milliseconds wait = std::chrono::seconds(1));

    /// The open session, with the answers of its current file.
    const std::optional<Session>& session() const { return session_; }
    /// Answers due to be saved that are not in the results folder yet.
    int unsaved() const;
    /// The files of those answers, with the newest bytes handed over.
    std::vector<SessionWriter::Unwritten> unsavedFiles() const;
    /// A whole file of an earlier run that the results folder has not taken, with its answers:
    /// saved as the keeper's own.
    void resave(const QString& relativePath, QByteArray bytes, int answers);
    const QString& where() const { return where_; }

  signals:
    void unsavedChanged(int answers);
    /// From the writing thread: the newest bytes of the file are in the results folder.
    void saved(const QString& relativePath);

  private:
    void save();
    void tellUnsaved();
    QString filePath() const;

    QString where_;
    QString host_;
    qint64 pid_;
    Now now_;
    SessionWriter* writer_; // owned, unless `finish` had to leave it running
    bool writerLeft_ = false;
    std::optional<Session> session_;
    QString path_; // of the session's first file
    int part_ = 1; // the file the open session is written in now
    QDateTime lastStart_;
    int sinceSave_ = 0;
    int toldUnsaved_ = 0;
};
