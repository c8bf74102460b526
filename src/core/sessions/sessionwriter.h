#pragma once

#include <QByteArray>
#include <QString>
#include <QThread>
#include <chrono>
#include <memory>
#include <vector>

class SessionStore;

/// Writes session files on a thread of its own, so that a slow, full, missing or hung share
/// never holds up the thread that hands them over. Of each file only the newest bytes are
/// kept; what could not be written is tried again every `retry` and whenever something new
/// comes. The lock that guards the queue is never held while the store writes.
class SessionWriter final : public QThread {
    Q_OBJECT
  public:
    explicit SessionWriter(std::unique_ptr<SessionStore> store,
                           std::chrono::milliseconds retry = std::chrono::seconds(3));
    /// Joins the thread: never after `finish` said `StillWriting`.
    ~SessionWriter() override;

    /// Hands the whole file over, with how many answers it holds; starts the thread.
    void put(const QString& relativePath, QByteArray bytes, int answers);
    /// Answers handed over that are not written yet.
    int unwritten() const;
    /// A file whose newest bytes are not written yet, and how many of its answers are not.
    struct Unwritten {
        QString relativePath;
        QByteArray bytes;
        int answers = 0;
    };
    std::vector<Unwritten> unwrittenFiles() const;
    enum class Finish { AllWritten, SomeFailed, StillWriting };
    /// Takes nothing more, waits at most `wait` for what was handed over, and says how it
    /// ended; a failed try is repeated after a short pause while the time lasts. On
    /// `StillWriting` the thread is inside the store, maybe for good: the object must then be
    /// left alive.
    Finish finish(std::chrono::milliseconds wait);

  signals:
    /// From the writing thread, after each round of writes.
    void progress();
    /// From the writing thread: the newest bytes handed over for the file are written.
    void written(const QString& relativePath);

  protected:
    void run() override;

  private:
    struct Queue;
    std::unique_ptr<SessionStore> store_;
    std::unique_ptr<Queue> queue_;
};
