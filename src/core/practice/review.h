#pragma once

#include "core/board/boardkind.h"
#include "core/sessions/sessionfile.h"

#include <QDate>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

/// The boards whose answers share one review: the find and recognise boards 0 to 99, those
/// above 99, the hidden numbers, and each addition and subtraction board on its own (its
/// task comes back by its result, which is what a session file keeps of it).
inline constexpr int kReviewFamilies = 9;
/// The family of a board; nothing for the count-on game, which asks no number.
std::optional<int> reviewFamily(BoardKind board);

/// One return of a number under review: it counts when answered right at least `tasksAfter`
/// tasks of its family after the miss or the return before, and, with `laterDay`, on a later
/// day than that.
struct SpacedReturn {
    int tasksAfter;
    bool laterDay;
};
/// A missed number comes back soon, later, and on another day; right on all three, it leaves.
/// A miss on the way starts it again from the first.
inline constexpr SpacedReturn kReturns[] = {{3, false}, {8, false}, {0, true}};
/// At most one task in this many asks a number under review.
inline constexpr int kReviewEvery = 3;

/// The numbers under review of one child, from the child's answers in time order.
class ReviewSet {
  public:
    /// The set of a child's answers, in time order.
    static ReviewSet of(const std::vector<SessionAnswer>& answers);

    /// Takes the child's next answer. Answers on the same number in a row, until the right
    /// one, are one task.
    void record(const SessionAnswer& answer);

    /// Whether the next task of the family may ask `number` again on `today`.
    bool isDue(int family, int number, QDate today) const;
    /// The numbers of the family under review, from the longest waiting.
    std::vector<int> due(int family, QDate today) const;
    /// The numbers under review, and those that left it, in order.
    std::vector<int> underReview(int family) const;
    std::vector<int> leftReview(int family) const;
    /// The number the last task of the family asked; -1 before any.
    int lastNumber(int family) const { return families_[std::size_t(family)].lastNumber; }

  private:
    struct Item {
        int returns = 0;  // right returns since the last miss
        qint64 since = 0; // the task of the miss or of the last return
        QDate day;        // its day
        bool left = false;
    };
    struct Family {
        qint64 tasks = 0;
        int lastNumber = -1;
        bool lastRight = true;
        std::map<int, Item> items;
    };
    static bool spaced(const Item& item, qint64 task, QDate day);

    std::array<Family, kReviewFamilies> families_{};
};

/// Every answer of the sessions, ordered by time (answers of the same time keep their order).
std::vector<SessionAnswer>
answersInOrder(const std::vector<std::shared_ptr<const Session>>& sessions);

/// The answers of one child of a class in the results folder: every session file of the
/// child's folder, whatever machine wrote it, ordered by time; only that folder is read.
std::vector<SessionAnswer> childAnswers(const QString& resultsDir, const QString& className,
                                        const QString& child);

/// Decides, task by task, whether a board asks a number under review instead of its own draw:
/// only with review on, at most one task in kReviewEvery, only a number due by its spacing,
/// never the number the task before asked, and only one the board may ask now (`askable`,
/// which the caller bounds by the board's range and "Numero massimo"). It never draws from
/// the random source, so a board without review draws exactly as ever.
class ReviewChooser {
  public:
    /// Without review (`on` false, or no child) nothing is ever asked instead.
    ReviewChooser(bool on, ReviewSet set, QDate today);

    /// The number the next task of `board` asks, or nothing: the board then draws its own.
    std::optional<int> next(BoardKind board, const std::function<bool(int)>& askable);
    /// Takes an answer of this sitting.
    void record(const SessionAnswer& answer);
    /// A new day of the same sitting (a program left on overnight).
    void setToday(QDate today) { today_ = today; }

    const ReviewSet& set() const { return set_; }
    bool on() const { return on_; }

  private:
    bool on_;
    ReviewSet set_;
    QDate today_;
    int sinceReview_ = kReviewEvery - 1;
};
