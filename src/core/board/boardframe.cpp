#include "core/board/boardframe.h"

#include "core/board/texts.h"

#include "core/base/maximum.h"
#include "core/base/random.h"
#include "core/base/runtime.h"
#include "core/board/programstate.h"
#include "core/board/sounds.h"

/// Reports what one event changed when the event is over.
class BoardFrame::Report {
  public:
    explicit Report(BoardFrame& frame) : frame_(frame) {}
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;
    ~Report()
    {
        const BoardChanges what = frame_.surface_.changes();
        if (what)
            emit frame_.changed(what);
        frame_.surface_.forgetChanges();
    }

  private:
    BoardFrame& frame_;
};

namespace {

template <typename E>
concept Typed = requires(const E& e, const BoardSurface& s, const QString& t)
{
    e.judgeTyped(s, t);
};
template <typename E>
concept Clicked = requires(const E& e, const BoardSurface& s)
{
    e.judgeClick(s, 0);
};
template <typename E>
concept HasLevels = requires(const E& e)
{
    e.level();
};
template <typename E>
concept HasHundreds = requires(const E& e)
{
    e.hundreds();
};
template <typename E>
concept HasSeries = requires(const E& e)
{
    e.series();
};
template <typename E>
concept AsksNumbers = requires(E& e, BoardSurface& s)
{
    e.canAsk(s, 0);
    e.askNumber(s, 0);
};
template <typename E>
concept Scrolled = requires(E& e, BoardSurface& s)
{
    e.setHundreds(s, 0);
};
template <typename E>
concept Gated = requires(E& e, BoardSurface& s)
{
    e.takesClick(s, 0);
};
template <typename E>
concept ManyAnswers = requires(const E& e)
{
    e.taskOver();
};
template <typename E>
concept Game = requires(E& e, BoardSurface& s)
{
    e.roll(s);
    e.setPlayers(s, 1);
};

} // namespace

BoardFrame::BoardFrame(Exercise exercise, ProgramState& state, RandomSource& random,
                       SoundSink& sounds)
    : exercise_(std::move(exercise)), surface_(state, random), sounds_(sounds)
{}

ExerciseTraits BoardFrame::traits() const
{
    return std::visit([](const auto& e) { return e.traits(); }, exercise_);
}

namespace {

/// A counter as the set-up writes it ("0") or as an answer writes it (" 12").
QString counterText(bool shown, qint16 count, const QString& caption)
{
    if (!shown)
        return caption;
    return count == 0 ? QStringLiteral("0") : runtime::numberText(count);
}

} // namespace

QString BoardFrame::esattiText() const
{
    return counterText(esattiShown_, programState().quantiEsatti,
                       QString::fromUtf16(texts::kEsattiUnset));
}

QString BoardFrame::erratiText() const
{
    return counterText(erratiShown_, programState().quantiErrati,
                       QString::fromUtf16(texts::kErratiUnset));
}

std::optional<Level> BoardFrame::level() const
{
    return std::visit(
        []<typename E>(const E& e) -> std::optional<Level> {
            if constexpr (HasLevels<E>)
                return e.level();
            return std::nullopt;
        },
        exercise_);
}

std::optional<int> BoardFrame::hundreds() const
{
    return std::visit(
        []<typename E>(const E& e) -> std::optional<int> {
            if constexpr (HasHundreds<E>)
                return e.hundreds();
            return std::nullopt;
        },
        exercise_);
}

std::optional<int> BoardFrame::askedCell() const
{
    const bool typedBoard = std::visit([]<typename E>(const E&) { return Typed<E>; }, exercise_);
    const int n = programState().numeroCercato;
    if (!typedBoard || !answerEnabled() || n < 0 || n >= kCellCount ||
        cell(n).colour != colours::kRed)
        return std::nullopt;
    return n;
}

int BoardFrame::rightInSeries() const
{
    return std::visit(
        []<typename E>(const E& e) {
            if constexpr (HasSeries<E>)
                return e.series().count();
            return 0;
        },
        exercise_);
}

bool BoardFrame::setUpOnEveryActivation() const
{
    return traits().setUpOnEveryActivation;
}

void BoardFrame::setUp()
{
    const Report report(*this);
    std::visit(
        []<typename E>(E& e) {
            if constexpr (HasSeries<E>)
                e.series().restart();
        },
        exercise_);
    avantiVisible_ = surface_.state().attendiBottone;
    surface_.note(BoardChange::Avanti);
    resetCounters();
    if (traits().usesMaximum)
        showCellsUpToMaximum();
    std::visit([this](const auto& e) { e.fillCaptions(surface_); }, exercise_);
    if (waiting_ && avantiVisible_ && traits().keepsWaitOnSetUp)
        drawTask(); // "avanti" still ends the wait
    else
        newTask();
}

void BoardFrame::clickCell(int i)
{
    if (i < 0 || i >= kCellCount || !cell(i).visible || !cell(i).enabled)
        return;
    const Report report(*this);
    std::visit(
        [&]<typename E>(E& e) {
            if constexpr (Gated<E>) {
                if (!e.takesClick(surface_, i))
                    return;
            }
            if constexpr (Clicked<E>)
                answered(e.judgeClick(surface_, i));
        },
        exercise_);
}

void BoardFrame::typedAnswer(const QString& typed)
{
    if (typed.isEmpty() || !surface_.answerEnabled())
        return;
    const Report report(*this);
    std::visit(
        [&]<typename E>(const E& e) {
            if constexpr (Typed<E>)
                answered(e.judgeTyped(surface_, typed));
        },
        exercise_);
}

void BoardFrame::answered(bool right)
{
    emit judged(std::visit([this](const auto& e) { return e.target(surface_); }, exercise_), right);
    ProgramState& state = surface_.state();
    surface_.note(BoardChange::Face | BoardChange::Counters);
    if (!right) {
        face_ = Face::Sad;
        suonoErrato(sounds_);
        state.quantiErrati = runtime::incremented(state.quantiErrati);
        erratiShown_ = true;
        return;
    }
    face_ = Face::Happy;
    state.quantiEsatti = runtime::incremented(state.quantiEsatti);
    suonoEsatto(surface_.random(), sounds_);
    esattiShown_ = true;
    std::visit([this](auto& e) { e.markRight(surface_, avantiVisible_); }, exercise_);
    const bool taskGoesOn = std::visit(
        []<typename E>(const E& e) {
            if constexpr (ManyAnswers<E>)
                return !e.taskOver();
            return false;
        },
        exercise_);
    if (taskGoesOn)
        return;
    if (avantiVisible_) {
        std::visit([this](auto& e) { e.lock(surface_); }, exercise_);
        waiting_ = true;
        surface_.note(BoardChange::Avanti);
    } else {
        newTask();
    }
}

void BoardFrame::avanti()
{
    if (!avantiVisible_ || !waiting_)
        return;
    const Report report(*this);
    newTask();
}

void BoardFrame::azzeraConteggio()
{
    const Report report(*this);
    resetCounters();
}

void BoardFrame::setLevel(Level level)
{
    const Report report(*this);
    // The menu ticks a level itself; the window ticks the board's level again.
    surface_.note(BoardChange::Level);
    std::visit(
        [&]<typename E>(E& e) {
            if constexpr (HasLevels<E>)
                e.setLevel(surface_, level);
        },
        exercise_);
}

void BoardFrame::setHundreds(int hundreds)
{
    const Report report(*this);
    std::visit(
        [&]<typename E>(E& e) {
            if constexpr (Scrolled<E>)
                e.setHundreds(surface_, hundreds);
        },
        exercise_);
}

void BoardFrame::roll()
{
    if (waiting_)
        return;
    const Report report(*this);
    std::visit(
        [&]<typename E>(E& e) {
            if constexpr (Game<E>)
                e.roll(surface_);
        },
        exercise_);
}

void BoardFrame::setPlayers(int players)
{
    const Report report(*this);
    surface_.note(BoardChange::Level);
    std::visit(
        [&]<typename E>(E& e) {
            if constexpr (Game<E>)
                e.setPlayers(surface_, players);
        },
        exercise_);
}

bool BoardFrame::numeroMassimo(const QString& answer)
{
    const std::optional<qint16> maximum = acceptedMaximum(answer);
    if (!maximum)
        return false;
    const Report report(*this);
    surface_.state().numeroMassimo = *maximum;
    showCellsUpToMaximum();
    newTask();
    return true;
}

void BoardFrame::newTask()
{
    if (waiting_) {
        std::visit([this](auto& e) { e.unlock(surface_); }, exercise_);
        waiting_ = false;
        surface_.note(BoardChange::Avanti);
    }
    drawTask();
}

void BoardFrame::drawTask()
{
    windowColour_ = caricaColori(surface_.random(), PaletteVariant::Boards);
    surface_.note(BoardChange::Colour);
    std::visit(
        [this]<typename E>(E& e) {
            if constexpr (AsksNumbers<E>) {
                const auto askable = [&](int n) { return e.canAsk(surface_, n); };
                if (const std::optional<int> asked = chooser_ ? chooser_(askable) : std::nullopt) {
                    e.askNumber(surface_, *asked);
                    return;
                }
            }
            e.drawTask(surface_);
        },
        exercise_);
    ++tasksDrawn_;
}

void BoardFrame::showCellsUpToMaximum()
{
    for (int i = 0; i < kCellCount; ++i)
        surface_.setVisible(i, i <= surface_.state().numeroMassimo);
}

void BoardFrame::resetCounters()
{
    surface_.state().quantiEsatti = 0;
    surface_.state().quantiErrati = 0;
    esattiShown_ = true;
    erratiShown_ = true;
    surface_.note(BoardChange::Counters);
}
