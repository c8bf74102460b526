#include "core/practice/review.h"

#include "core/classes/classfolder.h"

#include <algorithm>

namespace {

using enum BoardKind;

} // namespace

std::optional<int> reviewFamily(BoardKind board)
{
    switch (board) {
    case Form100Ricon:
    case Form100Trova:
        return 0;
    case Form100Ricon2:
    case Form100Trova2:
        return 1;
    case Form100Nascosti:
        return 2;
    case Form100Gioco:
    case Form100Salti:
        return std::nullopt;
    case Form100a:
        return 3;
    case Form100b:
        return 4;
    case Form100f:
        return 5;
    case Form100c:
        return 6;
    case Form100d:
        return 7;
    case Form100e:
        return 8;
    }
    return std::nullopt;
}

bool ReviewSet::spaced(const Item& item, qint64 task, QDate day)
{
    const SpacedReturn& next = kReturns[std::size_t(item.returns)];
    return !item.left && task - item.since >= next.tasksAfter && (!next.laterDay || day > item.day);
}

void ReviewSet::record(const SessionAnswer& answer)
{
    const std::optional<int> f = reviewFamily(answer.board);
    if (!f)
        return;
    Family& family = families_[std::size_t(*f)];
    if (answer.number != family.lastNumber || family.lastRight)
        ++family.tasks;
    family.lastNumber = answer.number;
    family.lastRight = answer.right;
    const QDate day = answer.at.date();
    if (!answer.right) {
        family.items[answer.number] = {0, family.tasks, day, false};
        return;
    }
    const auto found = family.items.find(answer.number);
    if (found == family.items.end() || !spaced(found->second, family.tasks, day))
        return;
    Item& item = found->second;
    item = {item.returns + 1, family.tasks, day, false};
    item.left = item.returns == int(std::size(kReturns));
}

bool ReviewSet::isDue(int family, int number, QDate today) const
{
    const Family& f = families_[std::size_t(family)];
    const auto found = f.items.find(number);
    return found != f.items.end() && spaced(found->second, f.tasks + 1, today);
}

std::vector<int> ReviewSet::due(int family, QDate today) const
{
    const Family& f = families_[std::size_t(family)];
    std::vector<std::pair<qint64, int>> waiting;
    for (const auto& [number, item] : f.items) {
        if (spaced(item, f.tasks + 1, today))
            waiting.emplace_back(item.since, number);
    }
    std::ranges::sort(waiting);
    std::vector<int> numbers;
    for (const auto& w : waiting)
        numbers.push_back(w.second);
    return numbers;
}

std::vector<int> ReviewSet::underReview(int family) const
{
    std::vector<int> numbers;
    for (const auto& [number, item] : families_[std::size_t(family)].items) {
        if (!item.left)
            numbers.push_back(number);
    }
    return numbers;
}

std::vector<int> ReviewSet::leftReview(int family) const
{
    std::vector<int> numbers;
    for (const auto& [number, item] : families_[std::size_t(family)].items) {
        if (item.left)
            numbers.push_back(number);
    }
    return numbers;
}

std::vector<SessionAnswer>
answersInOrder(const std::vector<std::shared_ptr<const Session>>& sessions)
{
    std::vector<SessionAnswer> answers;
    for (const auto& session : sessions)
        answers.insert(answers.end(), session->answers.begin(), session->answers.end());
    std::ranges::stable_sort(answers, {},
                             [](const SessionAnswer& a) { return a.at.toMSecsSinceEpoch(); });
    return answers;
}

ReviewSet ReviewSet::of(const std::vector<SessionAnswer>& answers)
{
    ReviewSet set;
    for (const SessionAnswer& answer : answers)
        set.record(answer);
    return set;
}

std::vector<SessionAnswer> childAnswers(const QString& resultsDir, const QString& className,
                                        const QString& child)
{
    const classfolder::ClassListing listing = classfolder::listClass(resultsDir, className);
    if (!listing.folder)
        return {};
    const classfolder::ChildListing files =
        classfolder::listChild(listing.folder, sessionfile::folderName(child));
    std::vector<std::shared_ptr<const Session>> sessions;
    for (const classfolder::Candidate& file : files.files) {
        const classfolder::FileReading reading = classfolder::readCandidate(file, className);
        if (reading.session)
            sessions.push_back(reading.session);
    }
    return answersInOrder(sessions);
}

ReviewChooser::ReviewChooser(bool on, ReviewSet set, QDate today)
    : on_(on), set_(std::move(set)), today_(today)
{}

std::optional<int> ReviewChooser::next(BoardKind board, const std::function<bool(int)>& askable)
{
    const std::optional<int> family = reviewFamily(board);
    if (!on_ || !family)
        return std::nullopt;
    if (++sinceReview_ < kReviewEvery)
        return std::nullopt;
    const int last = set_.lastNumber(*family);
    for (int number : set_.due(*family, today_)) {
        if (number != last && askable(number)) {
            sinceReview_ = 0;
            return number;
        }
    }
    return std::nullopt;
}

void ReviewChooser::record(const SessionAnswer& answer)
{
    set_.record(answer);
}
