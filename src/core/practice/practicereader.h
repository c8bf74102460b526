#pragma once

#include "core/base/jobthread.h"
#include "core/practice/classplan.h"
#include "core/practice/review.h"

#include <QObject>
#include <chrono>
#include <functional>

/// Reads what a child practises with on a thread of its own, so that a hung share never holds
/// up "Chi sei?": the teacher's plan of the class, then the child's answers so far, from which
/// the review set is made. A reading asked for while another waits takes its place.
class PracticeReader {
  public:
    using PlanRead = std::function<void(const ClassPlan& plan, const QStringList& warnings)>;
    using ReviewRead = std::function<void(const ReviewSet& set)>;

    explicit PracticeReader(QObject* context) : thread_(context) {}

    /// The plan of `className` in `classesDir` to `planRead`; then, when `child` is not empty
    /// and there is a results folder, the child's review set to `reviewRead`. Both are called
    /// on the context's thread.
    void read(const QString& classesDir, const QString& resultsDir, const QString& className,
              const QString& child, PlanRead planRead, ReviewRead reviewRead);
    /// Reports no more and waits at most `wait`; false when a reading is left behind.
    bool finish(std::chrono::milliseconds wait) { return thread_.finish(wait); }

  private:
    JobThread thread_;
};
