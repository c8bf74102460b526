#include "core/practice/practicereader.h"

void PracticeReader::read(const QString& classesDir, const QString& resultsDir,
                          const QString& className, const QString& child, PlanRead planRead,
                          ReviewRead reviewRead)
{
    thread_.post([out = thread_.outbox(), classesDir, resultsDir, className, child,
                  planRead = std::move(planRead),
                  reviewRead = std::move(reviewRead)](const std::atomic_bool& cancelled) {
        QStringList warnings;
        ClassPlan plan = classplan::read(classesDir, className, warnings);
        out.deliver([planRead, plan = std::move(plan), warnings] { planRead(plan, warnings); });
        if (child.isEmpty() || resultsDir.isEmpty() || cancelled)
            return;
        ReviewSet set = ReviewSet::of(childAnswers(resultsDir, className, child));
        out.deliver([reviewRead, set = std::move(set)] { reviewRead(set); });
    });
}
