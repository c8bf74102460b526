// Practice benchmark: a simulated class on the find board, 20 sessions of 60 tasks a child,
// the review of each child's misses against the board's own draw, with the same children and
// the same seeds. It reports figures; it asserts nothing.
#include "core/base/random.h"
#include "core/board/boardsurface.h"
#include "core/board/find.h"
#include "core/board/programstate.h"
#include "core/practice/review.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <random>
#include <set>
#include <vector>

namespace {

constexpr int kChildren = 200;
constexpr int kSessions = 20;
constexpr int kTasks = 60;
constexpr int kAllTasks = kSessions * kTasks;
/// What one answer with its feedback teaches, wrong and right, and how much of it a night
/// takes away.
constexpr double kLearnWrong = 0.25;
constexpr double kLearnRight = 0.10;
constexpr double kFade = 0.35;

enum class Profile { ConfusedPairs, SureTo49, Scattered };
constexpr Profile kProfiles[] = {Profile::ConfusedPairs, Profile::SureTo49, Profile::Scattered};

const char* nameOf(Profile p)
{
    switch (p) {
    case Profile::ConfusedPairs:
        return "coppie confuse (16/61, 17/71)";
    case Profile::SureTo49:
        return "sicuro fino a 49, incerto sopra";
    case Profile::Scattered:
        return "errori sparsi";
    }
    return "";
}

/// A child's chance of a right answer per number: its own, and what practice has added.
struct Child {
    std::array<double, 100> base{};
    std::array<double, 100> now{};
    std::mt19937 answers;

    Child(Profile profile, std::uint32_t seed) : answers(seed)
    {
        std::mt19937 shape(seed ^ 0x9e3779b9u);
        base.fill(0.97);
        switch (profile) {
        case Profile::ConfusedPairs:
            for (int n : {16, 61, 17, 71})
                base[std::size_t(n)] = 0.35;
            break;
        case Profile::SureTo49:
            for (std::size_t n = 50; n < 100; ++n)
                base[n] = 0.65;
            break;
        case Profile::Scattered:
            for (int k = 0; k < 10; ++k)
                base[shape() % 100] = 0.5;
            break;
        }
        now = base;
    }
    bool tries(int n)
    {
        double& p = now[std::size_t(n)];
        const bool right = std::uniform_real_distribution<double>(0, 1)(answers) < p;
        p += (right ? kLearnRight : kLearnWrong) * (1 - p);
        return right;
    }
    void sleep()
    {
        for (std::size_t n = 0; n < 100; ++n)
            now[n] = base[n] + (now[n] - base[n]) * (1 - kFade);
    }
};

struct Outcome {
    int tasksToSure = -1;                  // -1: nothing missed in the first session
    bool reached = false;                  // within the 20 sessions
    std::array<double, kSessions> share{}; // right answers of all answers, per session
    int reviewTasks = 0;
};

Outcome play(Profile profile, std::uint32_t seed, bool review)
{
    Child child(profile, seed);
    ProgramState state;
    SeededRandom random(seed);
    BoardSurface surface(state, random);
    FindExercise find;
    find.fillCaptions(surface);
    ReviewChooser chooser(review, ReviewSet{}, QDate(2026, 9, 14));

    Outcome out;
    std::set<int> missedFirst;
    std::array<int, 100> rightInARow{};
    std::array<bool, 100> sure{};
    int task = 0;
    for (int session = 0; session < kSessions; ++session) {
        const QDate day = QDate(2026, 9, 14).addDays(session);
        const QDateTime start(day, QTime(9, 0), Qt::UTC);
        chooser.setToday(day);
        if (session > 0)
            child.sleep();
        int right = 0;
        int answers = 0;
        for (int t = 0; t < kTasks; ++t, ++task) {
            const std::optional<int> again = chooser.next(
                BoardKind::Form100Trova, [&](int n) { return find.canAsk(surface, n); });
            if (again) {
                find.askNumber(surface, *again);
                ++out.reviewTasks;
            } else {
                find.drawTask(surface);
            }
            // A task is right when its first answer is; a retry after a miss is not a second.
            const int n = state.numeroCercato;
            bool firstTry = true;
            for (bool done = false; !done;) {
                const bool ok = child.tries(n);
                chooser.record({BoardKind::Form100Trova, n, ok, start.addSecs(10 * task)});
                ++answers;
                right += ok;
                if (!ok && session == 0)
                    missedFirst.insert(n);
                if (firstTry) {
                    const std::size_t i = std::size_t(n);
                    rightInARow[i] = ok ? rightInARow[i] + 1 : 0;
                    sure[i] = rightInARow[i] >= 2;
                }
                firstTry = false;
                done = ok;
            }
            find.markRight(surface, false);
            if (session > 0 || t == kTasks - 1) {
                if (out.tasksToSure < 0 && !missedFirst.empty() &&
                    std::ranges::all_of(missedFirst, [&](int m) { return sure[std::size_t(m)]; })) {
                    out.tasksToSure = task + 1;
                    out.reached = true;
                }
            }
        }
        out.share[std::size_t(session)] = double(right) / answers;
    }
    if (!missedFirst.empty() && !out.reached)
        out.tasksToSure = kAllTasks;
    return out;
}

double percentile(std::vector<int> values, double q)
{
    if (values.empty())
        return 0;
    std::ranges::sort(values);
    return values[std::size_t(q * double(values.size() - 1) + 0.5)];
}

struct Figures {
    double median = 0;
    double p90 = 0;
    int unreached = 0;
    int children = 0;
    double minShare = 1;
    double worstChildMinShare = 1;
    double reviewShare = 0;
};

Figures run(Profile profile, bool review)
{
    std::vector<int> tasks;
    std::array<double, kSessions> shares{};
    Figures f;
    int reviewTasks = 0;
    std::vector<double> childMins;
    for (int c = 0; c < kChildren; ++c) {
        const Outcome o = play(profile, std::uint32_t(1000 * (int(profile) + 1) + c), review);
        if (o.tasksToSure >= 0) {
            tasks.push_back(o.tasksToSure);
            f.unreached += !o.reached;
        }
        for (std::size_t s = 0; s < kSessions; ++s)
            shares[s] += o.share[s] / kChildren;
        childMins.push_back(*std::ranges::min_element(o.share));
        reviewTasks += o.reviewTasks;
    }
    f.children = int(tasks.size());
    f.median = percentile(tasks, 0.5);
    f.p90 = percentile(tasks, 0.9);
    f.minShare = *std::ranges::min_element(shares);
    std::ranges::sort(childMins);
    f.worstChildMinShare = childMins[childMins.size() / 10];
    f.reviewShare = double(reviewTasks) / (kChildren * kAllTasks);
    return f;
}

} // namespace

int main()
{
    QTextStream out(stdout);
    QElapsedTimer clock;
    clock.start();
    out << "Simulated class on the find board: " << kChildren << " children per profile, "
        << kSessions << " sessions of " << kTasks << " tasks; spacing";
    for (const SpacedReturn& r : kReturns)
        out << (r.laterDay ? " [a later day]" : QStringLiteral(" [>= %1 tasks]").arg(r.tasksAfter));
    out << ", at most 1 task in " << kReviewEvery << " asks again\n";
    out << "tasks: counted from the first task until every number missed in the first session "
           "has been answered right at the first try on two tasks in a row ("
        << kAllTasks << " = not within the sessions, so a ratio to " << kAllTasks
        << " is an upper bound)\n\n";
    for (Profile p : kProfiles) {
        const Figures review = run(p, true);
        const Figures plain = run(p, false);
        out << nameOf(p) << "  (" << review.children << " children missed in session 1)\n";
        out << QStringLiteral("  tasks, median        review %1  board's draw %2  ratio %3\n")
                   .arg(review.median, 6, 'f', 0)
                   .arg(plain.median, 6, 'f', 0)
                   .arg(review.median / plain.median, 0, 'f', 2);
        out << QStringLiteral("  tasks, 90th pct      review %1  board's draw %2  ratio %3\n")
                   .arg(review.p90, 6, 'f', 0)
                   .arg(plain.p90, 6, 'f', 0)
                   .arg(review.p90 / plain.p90, 0, 'f', 2);
        out << QStringLiteral("  the same after session 1: median review %1, board's draw %2; "
                              "90th pct review %3, board's draw %4\n")
                   .arg(review.median - kTasks)
                   .arg(plain.median - kTasks)
                   .arg(review.p90 - kTasks)
                   .arg(plain.p90 - kTasks);
        out << QStringLiteral("  not within sessions  review %1  board's draw %2\n")
                   .arg(review.unreached, 6)
                   .arg(plain.unreached, 6);
        out << QStringLiteral("  right answers, lowest session (class mean)  review %1 %  "
                              "board's draw %2 %\n")
                   .arg(100 * review.minShare, 0, 'f', 1)
                   .arg(100 * plain.minShare, 0, 'f', 1);
        out << QStringLiteral("  right answers, lowest session (10th pct child)  review %1 %  "
                              "board's draw %2 %\n")
                   .arg(100 * review.worstChildMinShare, 0, 'f', 1)
                   .arg(100 * plain.worstChildMinShare, 0, 'f', 1);
        out << QStringLiteral("  tasks that asked again: %1 %\n\n")
                   .arg(100 * review.reviewShare, 0, 'f', 1);
    }
    out << "run time " << clock.elapsed() << " ms\n";
    return 0;
}
