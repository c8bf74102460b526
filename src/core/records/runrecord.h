#pragma once

#include "core/board/boardkind.h"

#include <QtGlobal>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class BoardFrame;

/// What a child got right and wrong in this run: for each board and each number that was a
/// target (0 to 999) the right and wrong answers, and the time spent on each board. Its
/// size is fixed, whatever the number of answers; counts stop at their largest value. It
/// lives in memory only and is never written anywhere by itself.
class RunRecord {
  public:
    static constexpr int kBoards = kBoardKinds;
    static constexpr int kNumbers = 1000;
    /// Milliseconds from any fixed start; never goes back.
    using Clock = std::function<qint64()>;

    struct Counts {
        quint32 right = 0;
        quint32 wrong = 0;
    };
    struct Totals {
        quint64 right = 0;
        quint64 wrong = 0;
        qint64 milliseconds = 0;
    };

    explicit RunRecord(Clock clock = steadyClock());

    /// One judged answer; a board or a number outside the record changes nothing.
    void answer(BoardKind board, int target, bool right);
    /// The board is open from now on: its time runs until `leave`. A board still open is left
    /// first.
    void enter(BoardKind board);
    /// The open board, if any, is left; its time is added.
    void leave();
    /// Enters `board` and records every answer the frame judges as one of `board`'s, for as
    /// long as the frame lives.
    void follow(const BoardFrame& frame, BoardKind board);
    /// Forgets every answer and time; an open board stays open, its time counted from now.
    void clear();

    const Counts& counts(BoardKind board, int number) const;
    /// Right, wrong and time of a board; the time includes the board open now.
    Totals totals(BoardKind board) const;
    bool hasAnswers(BoardKind board) const;
    /// Up to `n` numbers of the board with wrong answers, the most often wrong first (ties:
    /// the smaller number first).
    std::vector<int> mostWrong(BoardKind board, int n) const;

    static Clock steadyClock();

  private:
    static int indexOf(BoardKind board) { return static_cast<int>(board); }

    Clock clock_;
    std::array<std::array<Counts, kNumbers>, kBoards> counts_{};
    std::array<Totals, kBoards> totals_{};
    std::optional<BoardKind> open_;
    qint64 openedAt_ = 0;
};
