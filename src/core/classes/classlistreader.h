#pragma once

#include "core/base/jobthread.h"
#include "core/classes/classlist.h"
#include "core/classes/pupilsymbol.h"

#include <QObject>
#include <chrono>

/// Reads the classes on a thread of its own, so that a classes or results folder on a hung
/// share never holds up a window: from the class lists, or from the class folders of the
/// results folder, and the children's symbols of one class. A reading of the classes asked for
/// while another waits takes its place. It reports on the thread it lives in.
class ClassListReader final : public QObject {
    Q_OBJECT
  public:
    explicit ClassListReader(QObject* parent = nullptr);
    /// `finish` without waiting, unless it was called.
    ~ClassListReader() override;

    /// The class lists of `classesDir` (`classlist::read`).
    void readLists(const QString& classesDir);
    /// One class without children for each class folder of `resultsDir`; a folder that cannot
    /// be read gives no classes and one warning.
    void readFolders(const QString& resultsDir);
    /// The symbols of `list`'s children, from when each first played in `resultsDir`: handed
    /// to `then` on this object's thread, after the readings asked for before.
    void readSymbols(const QString& resultsDir, const ClassList& list,
                     std::function<void(std::vector<PupilSymbol>)> then);
    /// Whether a reading of the classes asked for has not reported yet.
    bool reading() const { return answered_ < asked_; }
    /// Reports no more and waits at most `wait` for the reading running now; false when its
    /// thread is left behind, stuck on the share.
    bool finish(std::chrono::milliseconds wait) { return thread_.finish(wait); }

  signals:
    void read(const ClassLists& lists);

  private:
    void post(std::function<ClassLists()> reading);

    quint64 asked_ = 0;
    quint64 answered_ = 0;
    JobThread thread_;
};
