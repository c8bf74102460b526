#pragma once

#include "core/base/jobthread.h"
#include "core/classes/classresults.h"

#include <QObject>
#include <QStringList>
#include <chrono>
#include <memory>

/// Reads a class of the results folder, and removes a child's results, on a thread of its own,
/// one job at a time: a reading asked for while another waits takes its place. A reading
/// lists the child folders and reads their files with several threads at once; a child
/// folder stays open only while its files are read. What was read is kept by path, size and
/// modification time, so that the class read again opens only the files that are new or
/// changed. It reports on the thread it lives in.
class ClassLoader final : public QObject {
    Q_OBJECT
  public:
    /// Files read at once: over a network share a file's time is mostly waiting for it.
    static constexpr int kReaders = 32;
    /// What was read of each class: files and what they turned out to be.
    struct Cache;

    explicit ClassLoader(int readers = kReaders, QObject* parent = nullptr);
    /// `finish` without waiting, unless it was called.
    ~ClassLoader() override;

    /// Reads the class of `pupils` (the class list's names, if any) once the job running now
    /// ends; a reading of another class that is running is given up.
    void load(const QString& resultsDir, const QString& className, const QStringList& pupils);
    /// Removes the child's folder (`classfolder::removeChild`) after the job running now.
    void remove(const QString& resultsDir, const QString& className, const QString& child);
    /// Reports no more and waits at most `wait` for the job running now; false when its
    /// thread is left behind, stuck on the share.
    bool finish(std::chrono::milliseconds wait);

  signals:
    /// `done` of the `total` files found so far are read or found unchanged.
    void progress(int done, int total);
    void loaded(std::shared_ptr<const ClassResults> results);
    /// The child's folder is gone, or not all of it could be removed.
    void removed(const QString& child, bool whole);

  private:
    int readers_;
    std::shared_ptr<Cache> cache_; // used by the jobs only
    QString lastClass_;
    JobThread thread_; // last: made once the rest is there
};
