#pragma once

#include "core/board/exerciseparts.h"

#include <QString>
#include <array>
#include <vector>

/// A ladder or a slide: a token that lands on `from` is taken on to `to`.
struct Jump {
    int from;
    int to;
};

/// The ladders (ten on) and the slides (ten back) of the game board. No jump ends where
/// another starts.
inline constexpr std::array<Jump, 10> kJumps{{{4, 14},
                                              {27, 37},
                                              {42, 52},
                                              {66, 76},
                                              {81, 91},
                                              {19, 9},
                                              {35, 25},
                                              {58, 48},
                                              {73, 63},
                                              {93, 83}}};

/// Where a token that lands on `square` ends: the end of a ladder or slide that starts there
/// and lies wholly within the maximum, or the square itself.
int jumpFrom(int square, int maximum);

/// The name of a player's token, by its shape: "cerchio", "triangolo".
QString tokenName(int player);

/// `Form100Gioco`, the count-on game: tokens start on 0; "Lancia" rolls a die (1 to 6) and
/// the child clicks the square the token of the player to move lands on, counting on from its
/// square (never past the maximum). Right, the token goes there, and on along a ladder or a
/// slide that starts there; the other player moves next. Wrong, the token stays and the same
/// roll is tried again. A click before the roll is no answer. The token that reaches the
/// maximum ends the game, and the next task starts a new one. Levels facile, media and
/// difficile decide the help captions; one or two players.
class CountOnGame {
  public:
    static constexpr int kMaxPlayers = 2;

    ExerciseTraits traits() const { return {false, true, false}; }
    /// The level's help captions and the ladders and slides.
    void fillCaptions(BoardSurface& s) const;
    /// The next turn: the other player's after a move, a new game after the end.
    void drawTask(BoardSurface& s);
    /// Only a rolled die makes a click an answer.
    bool takesClick(BoardSurface&, int) const { return roll_ > 0; }
    bool judgeClick(const BoardSurface& s, int cell) const;
    /// The square the token lands on, before any ladder or slide.
    int target(const BoardSurface& s) const { return s.state().numeroCercato; }
    void markRight(BoardSurface& s, bool waits);
    void lock(BoardSurface&) {}
    void unlock(BoardSurface&) {}

    Level level() const { return levels_.level(); }
    void setLevel(BoardSurface& s, Level level);

    /// "Lancia": rolls the die once a turn; false when it is rolled already.
    bool roll(BoardSurface& s);
    /// One or two players; another number changes nothing. A change starts a new game.
    void setPlayers(BoardSurface& s, int players);

    int players() const { return players_; }
    int mover() const { return mover_; }
    int square(int player) const { return squares_.at(static_cast<std::size_t>(player)); }
    /// The die as it shows: 1 to 6 once rolled, 0 before.
    int rolled() const { return roll_; }
    /// Whether the last move reached the maximum.
    bool over() const { return over_; }
    /// The squares the last move went through, one after the other, the last one where the
    /// token stopped; empty before the first move. A new game keeps it.
    const std::vector<int>& lastMove() const { return lastMove_; }
    int lastMover() const { return lastMover_; }
    /// The squares a move to `landing` goes through from the mover's square (see `lastMove`).
    std::vector<int> moveTo(int landing, int maximum) const;

  private:
    void newGame();
    void showBoard(BoardSurface& s) const;
    QString turnText() const;

    LevelChoice levels_{Level::Facile, Level::Difficile};
    int players_ = 1;
    int mover_ = 0;
    std::array<int, kMaxPlayers> squares_{};
    int roll_ = 0;
    bool moved_ = false;
    bool over_ = false;
    std::vector<int> lastMove_;
    int lastMover_ = 0;
};
