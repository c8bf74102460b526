#include "core/board/countongame.h"

#include <algorithm>

namespace {

/// The token's shape as a sign, for the turn written on the board.
QString tokenSign(int player)
{
    return player == 0 ? QStringLiteral("\u25CF") : QStringLiteral("\u25B2");
}

QString signedName(int player)
{
    return tokenSign(player) + u' ' + tokenName(player);
}

bool within(const Jump& jump, int maximum)
{
    return jump.from <= maximum && jump.to <= maximum;
}

} // namespace

int jumpFrom(int square, int maximum)
{
    for (const Jump& jump : kJumps) {
        if (jump.from == square && within(jump, maximum))
            return jump.to;
    }
    return square;
}

QString tokenName(int player)
{
    return player == 0 ? QStringLiteral("cerchio") : QStringLiteral("triangolo");
}

void CountOnGame::fillCaptions(BoardSurface& s) const
{
    fillHelpCaptions(s, levels_.level());
    showBoard(s);
}

void CountOnGame::setLevel(BoardSurface& s, Level level)
{
    if (levels_.choose(level))
        fillCaptions(s);
}

void CountOnGame::newGame()
{
    squares_.fill(0);
    mover_ = 0;
    roll_ = 0;
    moved_ = false;
    over_ = false;
}

void CountOnGame::drawTask(BoardSurface& s)
{
    const int maximum = s.state().numeroMassimo;
    const bool beyond = std::ranges::any_of(squares_, [&](int q) { return q >= maximum; });
    if (over_ || beyond)
        newGame();
    else if (moved_)
        mover_ = (mover_ + 1) % players_;
    moved_ = false;
    roll_ = 0;
    showBoard(s);
    s.setTaskText(turnText());
    s.note(BoardChange::Game);
}

bool CountOnGame::roll(BoardSurface& s)
{
    if (roll_ > 0)
        return false;
    roll_ = s.random().below(6) + 1;
    const int landing = std::min<int>(square(mover_) + roll_, s.state().numeroMassimo);
    s.state().numeroCercato = static_cast<qint16>(landing);
    s.setTaskText(turnText());
    s.note(BoardChange::Game);
    return true;
}

bool CountOnGame::judgeClick(const BoardSurface& s, int cell) const
{
    return roll_ > 0 && cell == s.state().numeroCercato;
}

std::vector<int> CountOnGame::moveTo(int landing, int maximum) const
{
    std::vector<int> path;
    for (int q = square(mover_) + 1; q <= landing; ++q)
        path.push_back(q);
    if (const int end = jumpFrom(landing, maximum); end != landing)
        path.push_back(end);
    return path;
}

void CountOnGame::markRight(BoardSurface& s, bool)
{
    const int maximum = s.state().numeroMassimo;
    lastMove_ = moveTo(s.state().numeroCercato, maximum);
    lastMover_ = mover_;
    if (!lastMove_.empty())
        squares_.at(static_cast<std::size_t>(mover_)) = lastMove_.back();
    over_ = square(mover_) >= maximum;
    moved_ = true;
    roll_ = 0;
    showBoard(s);
    const QString who = players_ > 1 ? signedName(mover_) : QStringLiteral("Pedina");
    if (over_ && players_ > 1)
        s.setTaskText(QStringLiteral("Vince il %1!").arg(who));
    else if (over_)
        s.setTaskText(QStringLiteral("Arrivata a %1!").arg(maximum));
    else
        s.setTaskText(QStringLiteral("%1 su %2").arg(who).arg(square(mover_)));
    s.note(BoardChange::Game);
}

void CountOnGame::setPlayers(BoardSurface& s, int players)
{
    if (players < 1 || players > kMaxPlayers || players == players_)
        return;
    players_ = players;
    newGame();
    showBoard(s);
    s.setTaskText(turnText());
    s.note(BoardChange::Game | BoardChange::Level);
}

void CountOnGame::showBoard(BoardSurface& s) const
{
    const int maximum = s.state().numeroMassimo;
    std::array<Track, BoardSurface::kCellCount> tracks{};
    for (const Jump& jump : kJumps) {
        if (!within(jump, maximum))
            continue;
        const bool ladder = jump.to > jump.from;
        tracks.at(static_cast<std::size_t>(jump.from)) =
            ladder ? Track::LadderStart : Track::SlideStart;
        tracks.at(static_cast<std::size_t>(jump.to)) = ladder ? Track::LadderEnd : Track::SlideEnd;
    }
    for (int i = 0; i < BoardSurface::kCellCount; ++i) {
        quint8 tokens = 0;
        for (int p = 0; p < players_; ++p)
            tokens |= square(p) == i ? quint8(1U << p) : quint8(0);
        s.setTrack(i, tracks.at(static_cast<std::size_t>(i)));
        s.setTokens(i, tokens);
    }
}

QString CountOnGame::turnText() const
{
    if (players_ == 1)
        return roll_ == 0 ? QStringLiteral("Lancia il dado") : QStringLiteral("Dove arriva?");
    return roll_ == 0 ? QStringLiteral("Tocca al %1").arg(signedName(mover_))
                      : QStringLiteral("%1: dove arriva?").arg(signedName(mover_));
}
