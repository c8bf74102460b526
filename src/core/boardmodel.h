#pragma once

#include "core/palette.h"

#include <QString>
#include <array>
#include <optional>

struct ProgramState;
class RandomSource;
class SoundSink;

/// One of the 100 board cells `Numero(i)`: row i / 10, column i % 10.
struct Cell {
    QString caption;
    Bgr colour = colours::kCell;
    bool visible = true;
    bool enabled = true;
};

/// Which of the two feedback pictures shows: the sad face at creation, then the last answer's.
enum class Face { Sad, Happy };

/// How many numbers the recognise and find boards show as help.
enum class Level { Facile, Media, Difficile };

/// The text box `Text1` of the boards where the answer is typed. What is typed belongs to
/// the box; the rules only say when it is emptied and when it takes the focus.
struct AnswerBox {
    bool enabled = true;
    /// Grows with each new question: the box is emptied then.
    int questions = 0;
    /// Grows each time the box is to receive the keyboard focus.
    int focusRequests = 0;
};

/// The exercise board frame shared by all ten boards: cells, counters, faces, the "avanti"
/// button, the task text and the waiting state, with the frame's rules (set-up, answer
/// check, "avanti", "Azzera conteggio", "Numero massimo"). A board supplies its target
/// cell and its `NuovaDomanda`; the window only shows this state and forwards events.
class BoardModel {
  public:
    static constexpr int kCellCount = 100;

    BoardModel(ProgramState& state, RandomSource& random, SoundSink& sounds);
    virtual ~BoardModel() = default;
    BoardModel(const BoardModel&) = delete;
    BoardModel& operator=(const BoardModel&) = delete;

    const Cell& cell(int i) const { return cells_.at(static_cast<std::size_t>(i)); }
    Face face() const { return face_; }
    Bgr windowColour() const { return windowColour_; }
    const QString& taskText() const { return taskText_; }
    const QString& esattiText() const { return esattiText_; }
    const QString& erratiText() const { return erratiText_; }
    bool avantiVisible() const { return avantiVisible_; }
    bool avantiEnabled() const { return avantiEnabled_; }
    /// After a right answer in waiting mode, until "avanti".
    bool waiting() const { return waiting_; }
    const ProgramState& programState() const { return state_; }
    const AnswerBox& answerBox() const { return answerBox_; }
    /// The level of the boards that have levels.
    virtual std::optional<Level> level() const { return std::nullopt; }
    /// The hundreds digit of the window on show, on the boards above 99.
    virtual std::optional<int> hundreds() const { return std::nullopt; }

    /// The set-up sequence: "avanti" shown by the mode, counters to "0", cells shown up to
    /// the maximum, captions, a first task. A task drawn while waiting ends the wait first,
    /// unless the board keeps its wait (`setUpKeepsWait`) and "avanti" is still shown.
    virtual void setUp();
    /// True when the set-up runs every time the window becomes active, false when only once.
    virtual bool setUpOnEveryActivation() const { return true; }

    /// Answer check for a click on cell i. A hidden or disabled cell does not react.
    virtual void clickCell(int i);
    /// "avanti": only while the button is shown and enabled.
    void avanti();
    /// "Azzera conteggio": both counters to 0; task, faces and waiting state untouched.
    void azzeraConteggio();
    /// "Stampa scheda": what the board records for its worksheet window.
    virtual void stampaScheda() {}
    /// A level chosen in the menu; boards without levels ignore it.
    virtual void setLevel(Level) {}
    /// The hundred chosen with the scroll bar; boards without it ignore it.
    virtual void setHundreds(int) {}
    /// Enter released in the answer box holding `typed`; boards without the box ignore it.
    virtual void typedAnswer(const QString& typed) { Q_UNUSED(typed); }
    /// "Numero massimo" with the text of the input box (empty on Cancel). Returns false when
    /// the entry is refused; nothing has changed then.
    bool numeroMassimo(const QString& answer);

    /// The maximum an entry sets: its numeric value when above 19 and below 100, rounded half
    /// to even; an entry that rounds to 100 is taken as 99. Nothing when refused.
    static std::optional<qint16> acceptedMaximum(const QString& answer);

  protected:
    /// Draws and shows a new task: colour first, then the board's draws.
    virtual void nuovaDomanda() = 0;
    /// Index of the cell that is the right answer to the current task.
    virtual int target() const = 0;
    /// Whether a click on cell i answers the task rightly.
    virtual bool isRightCell(int i) const { return i == target(); }
    /// True on the boards whose set-up leaves a wait, its locks and colours to "avanti".
    virtual bool setUpKeepsWait() const { return false; }
    /// False on the boards that always show all their cells, whatever the maximum.
    virtual bool usesMaximum() const { return true; }
    /// Captions " 0" to " 99".
    virtual void riempiQuadena();
    /// A click on the target cell, or the right typed answer: faces, counter and sound,
    /// then the wait or the next task.
    virtual void answeredRight(int cellIndex);
    /// What a right answer locks in waiting mode until "avanti": the target cell.
    virtual void lockWhileWaiting();
    virtual void unlockAfterWait();

    /// Ends a wait as "avanti" does, then `nuovaDomanda`.
    void newTask();
    /// Waiting mode: "avanti" enabled, the board locked by `lockWhileWaiting`.
    void enterWait();
    void leaveWait();
    /// Right answer, in waiting mode or automatic mode.
    void continueAfterRight();
    void showCellsUpToMaximum();
    void caricaColori();
    /// Wrong answer: sad face, sound, wrong counter.
    void judgeWrong();
    /// Right answer: happy face, right counter, sound.
    void judgeRight();
    void resetCounters();

    Cell& mutableCell(int i) { return cells_.at(static_cast<std::size_t>(i)); }
    ProgramState& state() { return state_; }
    RandomSource& random() { return random_; }

    QString taskText_ = QStringLiteral("Forma il numero");
    AnswerBox answerBox_;
    bool avantiEnabled_ = false;
    int waitCell_ = -1;

  private:
    ProgramState& state_;
    RandomSource& random_;
    SoundSink& sounds_;
    std::array<Cell, kCellCount> cells_{};
    Face face_ = Face::Sad;
    Bgr windowColour_ = colours::kBoardLabel;
    QString esattiText_ = QStringLiteral("quantiesatti");
    QString erratiText_ = QStringLiteral("quantierrati");
    bool avantiVisible_ = false;
    bool waiting_ = false;
};
