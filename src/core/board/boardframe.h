#pragma once

#include "core/board/boardsurface.h"
#include "core/board/exercise.h"

#include <QObject>
#include <functional>
#include <optional>

struct ProgramState;
class RandomSource;
class SoundSink;

/// The exercise board frame shared by all boards: cells, counters, faces, the "avanti"
/// button and the wait, the task text, with the frame's rules (set-up, answer check,
/// "avanti", "Azzera conteggio", "Numero massimo"). Its exercise draws the tasks and judges
/// the answers. After each event it tells its window what changed (`changed`).
class BoardFrame final : public QObject {
    Q_OBJECT
  public:
    static constexpr int kCellCount = BoardSurface::kCellCount;

    BoardFrame(Exercise exercise, ProgramState& state, RandomSource& random, SoundSink& sounds);

    const Cell& cell(int i) const { return surface_.cell(i); }
    /// The cells the event being reported by `changed` has changed.
    const std::bitset<kCellCount>& changedCells() const { return surface_.changedCells(); }
    Face face() const { return face_; }
    Bgr windowColour() const { return windowColour_; }
    const QString& taskText() const { return surface_.taskText(); }
    /// The counters as shown: their design captions until the first set-up, then "0" or the
    /// number.
    QString esattiText() const;
    QString erratiText() const;
    bool avantiVisible() const { return avantiVisible_; }
    bool avantiEnabled() const { return waiting_; }
    /// After a right answer in waiting mode, until "avanti".
    bool waiting() const { return waiting_; }
    /// Whether the answer box `Text1`, on the boards that have it, takes answers.
    bool answerEnabled() const { return surface_.answerEnabled(); }
    const ProgramState& programState() const { return surface_.state(); }
    /// The level of the boards that have levels.
    std::optional<Level> level() const;
    /// The hundred on show, on the boards above 99.
    std::optional<int> hundreds() const;
    /// The cell whose number a recognise board asks for while its question is open (red,
    /// answer box free); nothing on the other boards, before the first question and while
    /// the board waits. Other red cells are earlier answers, not questions.
    std::optional<int> askedCell() const;
    /// Right answers in the current series of ten; 0 on the boards without series.
    int rightInSeries() const;
    /// How many tasks the board has drawn since it opened: it grows with each new one.
    int tasksDrawn() const { return tasksDrawn_; }
    /// True when the set-up runs every time the window becomes active, false when only once.
    bool setUpOnEveryActivation() const;
    /// The board's rules when they are of kind `E`, for what only they show (a game's die
    /// and tokens, the covered cells); null otherwise.
    template <typename E> const E* rules() const { return std::get_if<E>(&exercise_); }

    /// The set-up sequence: a new series, "avanti" shown by the mode, counters to "0", cells
    /// shown up to the maximum, captions, a first task. A task drawn while waiting ends the
    /// wait first, unless the exercise keeps its wait and "avanti" is still shown.
    void setUp();
    /// Answer check for a click on cell i. A hidden or disabled cell, or a board whose
    /// answers are typed, does not react; a board may take the click as no answer.
    void clickCell(int i);
    /// Enter in the answer box holding `typed`: nothing for an empty text, a locked box or a
    /// board without the box; a wrong text stays in the box.
    void typedAnswer(const QString& typed);
    /// "avanti": only while the button is shown and enabled.
    void avanti();
    /// "Azzera conteggio": both counters to 0; task, faces and waiting state untouched.
    void azzeraConteggio();
    /// A level chosen in the menu; a level the board does not offer is ignored.
    void setLevel(Level level);
    /// The hundred chosen with the scroll bar; boards without it ignore it.
    void setHundreds(int hundreds);
    /// "Lancia" on a game: the die is rolled, unless the board waits; other boards ignore it.
    void roll();
    /// The players of a game (1 or 2); other boards ignore it.
    void setPlayers(int players);
    /// Decides, before each draw, whether the task asks a given number instead: it is told
    /// which numbers the board may ask now and answers one of them, or nothing for the
    /// board's own draw. Boards that ask no single number (the game, the count) never ask it.
    using TaskChooser = std::function<std::optional<int>(const std::function<bool(int)>& askable)>;
    void setTaskChooser(TaskChooser chooser) { chooser_ = std::move(chooser); }

    /// "Numero massimo" with the text of the input box (empty on Cancel). Returns false when
    /// the entry is refused; nothing has changed then.
    bool numeroMassimo(const QString& answer);

  signals:
    /// After each event that changed something; `changedCells` tells which cells.
    void changed(BoardChanges what);
    /// After each judged answer, before its effects: the number the task asked for (0 to
    /// 999) and whether the answer was right.
    void judged(int target, bool right);

  private:
    class Report;

    ExerciseTraits traits() const;
    void answered(bool right);
    /// Ends a wait as "avanti" does, then draws a task.
    void newTask();
    /// Colour first, then the exercise's draws.
    void drawTask();
    void showCellsUpToMaximum();
    void resetCounters();

    Exercise exercise_;
    TaskChooser chooser_;
    int tasksDrawn_ = 0;
    BoardSurface surface_;
    SoundSink& sounds_;
    Face face_ = Face::Sad;
    Bgr windowColour_ = colours::kBoardLabel;
    bool esattiShown_ = false;
    bool erratiShown_ = false;
    bool avantiVisible_ = false;
    bool waiting_ = false;
};
