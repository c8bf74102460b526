#include "core/records/runrecord.h"

#include "core/board/boardframe.h"

#include <QElapsedTimer>
#include <algorithm>
#include <limits>

namespace {

void add(quint32& count)
{
    if (count < std::numeric_limits<quint32>::max())
        ++count;
}

} // namespace

RunRecord::RunRecord(Clock clock) : clock_(std::move(clock)) {}

RunRecord::Clock RunRecord::steadyClock()
{
    return [] {
        static const QElapsedTimer start = [] {
            QElapsedTimer t;
            t.start();
            return t;
        }();
        return start.elapsed();
    };
}

void RunRecord::answer(BoardKind board, int target, bool right)
{
    const int b = indexOf(board);
    if (b < 0 || b >= kBoards || target < 0 || target >= kNumbers)
        return;
    Counts& c = counts_[b][target];
    Totals& t = totals_[b];
    if (right) {
        add(c.right);
        ++t.right;
    } else {
        add(c.wrong);
        ++t.wrong;
    }
}

void RunRecord::enter(BoardKind board)
{
    leave();
    if (indexOf(board) < 0 || indexOf(board) >= kBoards)
        return;
    open_ = board;
    openedAt_ = clock_();
}

void RunRecord::leave()
{
    if (!open_)
        return;
    totals_[indexOf(*open_)].milliseconds += std::max<qint64>(0, clock_() - openedAt_);
    open_.reset();
}

void RunRecord::follow(const BoardFrame& frame, BoardKind board)
{
    enter(board);
    QObject::connect(&frame, &BoardFrame::judged, &frame,
                     [this, board](int target, bool right) { answer(board, target, right); });
}

void RunRecord::clear()
{
    counts_ = {};
    totals_ = {};
    if (open_)
        openedAt_ = clock_();
}

const RunRecord::Counts& RunRecord::counts(BoardKind board, int number) const
{
    static constexpr Counts kNone;
    const int b = indexOf(board);
    if (b < 0 || b >= kBoards || number < 0 || number >= kNumbers)
        return kNone;
    return counts_[b][number];
}

RunRecord::Totals RunRecord::totals(BoardKind board) const
{
    const int b = indexOf(board);
    if (b < 0 || b >= kBoards)
        return {};
    Totals t = totals_[b];
    if (open_ == board)
        t.milliseconds += std::max<qint64>(0, clock_() - openedAt_);
    return t;
}

bool RunRecord::hasAnswers(BoardKind board) const
{
    const Totals t = totals(board);
    return t.right + t.wrong > 0;
}

std::vector<int> RunRecord::mostWrong(BoardKind board, int n) const
{
    std::vector<int> numbers;
    for (int i = 0; i < kNumbers; ++i) {
        if (counts(board, i).wrong > 0)
            numbers.push_back(i);
    }
    const auto more = [this, board](int a, int b) {
        const quint32 wa = counts(board, a).wrong, wb = counts(board, b).wrong;
        return wa != wb ? wa > wb : a < b;
    };
    const auto last = numbers.begin() + std::min<std::ptrdiff_t>(std::max(n, 0), numbers.size());
    std::partial_sort(numbers.begin(), last, numbers.end(), more);
    numbers.erase(last, numbers.end());
    return numbers;
}
