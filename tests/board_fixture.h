#pragma once

#include "fakes.h"
#include "core/palette.h"
#include "core/programstate.h"

/// A board's rules with their own program state, scripted generator and recorded sounds.
template <typename Board> struct BoardFixture {
    explicit BoardFixture(bool waiting = true, std::uint32_t seed = 5)
        : random({}, seed), board(state, random, sounds)
    {
        state.attendiBottone = waiting;
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

    ProgramState state;
    ScriptedRandom random;
    RecordingSounds sounds;
    Board board;
};
