#pragma once

#include "core/classes/classresults.h"

#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <memory>

/// Reads a class of the results folder on threads of its own, many files at once, and keeps
/// what it read by path, size and modification time, so that the class read again opens only
/// the files that are new or changed. It reports on the thread it lives in.
class ClassLoader final : public QObject {
    Q_OBJECT
  public:
    /// Files read at once: over a network share a file's time is mostly waiting for it.
    static constexpr int kReaders = 32;

    explicit ClassLoader(int readers = kReaders, QObject* parent = nullptr);
    ~ClassLoader() override;

    /// Starts reading the class of `pupils` (the class list's names, if any); a reading still
    /// running is dropped, and only the last one started reports.
    void load(const QString& resultsDir, const QString& className, const QStringList& pupils);

  signals:
    /// `done` of the `total` files found in the child folders are read or found unchanged.
    void progress(int done, int total);
    void loaded(std::shared_ptr<const ClassResults> results);

  private:
    struct Cache;
    struct Run;
    void run(const std::shared_ptr<Run>& run);

    int readers_;
    std::shared_ptr<Cache> cache_;
    std::shared_ptr<Run> current_;
    QThreadPool pool_; // last: its threads end before the rest goes
};
