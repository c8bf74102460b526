#pragma once

#include "core/board/palette.h"

#include <QFlags>
#include <QString>
#include <array>
#include <bitset>

struct ProgramState;
class RandomSource;

/// What a game draws across a cell: a ladder leads ten on (a row down), a slide ten back (a
/// row up); the start is where a token lands, the end where it is taken.
enum class Track : quint8 { None, LadderStart, LadderEnd, SlideStart, SlideEnd };

/// One of the 100 board cells `Numero(i)`: row i / 10, column i % 10.
struct Cell {
    QString caption;
    Bgr colour = colours::kCell;
    bool visible = true;
    bool enabled = true;
    Track track = Track::None;
    quint8 tokens = 0; // bit p: the token of player p stands here
};

/// Which of the two feedback pictures shows: the sad face at creation, then the last answer's.
enum class Face { Sad, Happy };

/// What one event changed on a board; its window updates just that.
enum class BoardChange {
    Cells = 0x1,       // the cells in `changedCells`
    Counters = 0x2,    // "Esatti" and "Errati"
    Face = 0x4,        // the picture on show
    Task = 0x8,        // the task text
    Question = 0x10,   // a new question: the answer box is emptied and takes the focus
    Avanti = 0x20,     // the button shown or enabled
    Colour = 0x40,     // the window colour
    Level = 0x80,      // the level ticked in the menu
    Hundreds = 0x100,  // the hundred on show
    AnswerBox = 0x200, // the answer box locked or free
    Game = 0x400,      // a game's die, turn or tokens
};
Q_DECLARE_FLAGS(BoardChanges, BoardChange)
Q_DECLARE_OPERATORS_FOR_FLAGS(BoardChanges)

/// What a board shows and its exercise marks: the 100 cells, the task text and the lock of
/// the answer box, beside the program state and the generator. Every change is recorded
/// until the frame hands the record to its window.
class BoardSurface {
  public:
    static constexpr int kCellCount = 100;

    BoardSurface(ProgramState& state, RandomSource& random);

    ProgramState& state() { return state_; }
    const ProgramState& state() const { return state_; }
    RandomSource& random() { return random_; }

    /// Precondition for the cell functions: 0 <= i < kCellCount.
    const Cell& cell(int i) const { return cells_.at(static_cast<std::size_t>(i)); }
    void setCaption(int i, const QString& caption);
    void setColour(int i, Bgr colour);
    void setEnabled(int i, bool enabled);
    void setVisible(int i, bool visible);
    void setTrack(int i, Track track);
    void setTokens(int i, quint8 tokens);
    /// Every cell light green again.
    void clearColours();

    const QString& taskText() const { return taskText_; }
    void setTaskText(const QString& text);

    bool answerEnabled() const { return answerEnabled_; }
    void setAnswerEnabled(bool enabled);
    /// A new question is asked in the answer box.
    void askInAnswerBox() { note(BoardChange::Question); }

    void note(BoardChanges changes) { changes_ |= changes; }
    BoardChanges changes() const { return changes_; }
    const std::bitset<kCellCount>& changedCells() const { return changedCells_; }
    void forgetChanges();

  private:
    Cell& changing(int i);

    ProgramState& state_;
    RandomSource& random_;
    std::array<Cell, kCellCount> cells_{};
    QString taskText_ = QStringLiteral("Forma il numero");
    bool answerEnabled_ = true;
    BoardChanges changes_;
    std::bitset<kCellCount> changedCells_;
};
