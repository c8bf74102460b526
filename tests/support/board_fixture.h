#pragma once

#include "core/board/boardframe.h"
#include "core/board/palette.h"
#include "core/board/programstate.h"
#include "fakes.h"

/// A board frame with its exercise, its own program state, scripted generator and recorded
/// sounds; keeps what the frame reported after each event.
struct BoardFixture {
    explicit BoardFixture(Exercise exercise, bool waiting = true, std::uint32_t seed = 5)
        : random({}, seed), board(exercise, state, random, sounds)
    {
        state.attendiBottone = waiting;
        QObject::connect(&board, &BoardFrame::changed, [this](BoardChanges what) {
            reports.append(what);
            cellsReported = board.changedCells();
        });
    }
    int asked() const { return state.numeroCercato; }
    /// Scripts the next question to fall on slot `slot` of `free` free cells.
    void nextQuestion(int slot, int free)
    {
        random.push(0.0f); // colour
        random.push((slot + 0.5f) / static_cast<float>(free));
    }
    int redCells() const
    {
        int n = 0;
        for (int i = 0; i < 100; ++i)
            n += board.cell(i).colour == colours::kRed;
        return n;
    }
    /// How many new questions were put in the answer box.
    int questions() const
    {
        int n = 0;
        for (BoardChanges what : reports)
            n += what.testFlag(BoardChange::Question);
        return n;
    }

    ProgramState state;
    ScriptedRandom random;
    RecordingSounds sounds;
    BoardFrame board;
    QList<BoardChanges> reports;
    std::bitset<BoardFrame::kCellCount> cellsReported;
};

/// The fixture of one exercise kind.
template <typename E> struct ExerciseFixture : BoardFixture {
    explicit ExerciseFixture(bool waiting = true, std::uint32_t seed = 5)
        : BoardFixture(E(), waiting, seed)
    {}
};
