#include "core/board/boardsurface.h"

BoardSurface::BoardSurface(ProgramState& state, RandomSource& random)
    : state_(state), random_(random)
{
    for (Cell& c : cells_)
        c.caption = QStringLiteral("0");
}

Cell& BoardSurface::changing(int i)
{
    changes_ |= BoardChange::Cells;
    changedCells_.set(static_cast<std::size_t>(i));
    return cells_.at(static_cast<std::size_t>(i));
}

void BoardSurface::setCaption(int i, const QString& caption)
{
    if (cell(i).caption != caption)
        changing(i).caption = caption;
}

void BoardSurface::setColour(int i, Bgr colour)
{
    if (cell(i).colour != colour)
        changing(i).colour = colour;
}

void BoardSurface::setEnabled(int i, bool enabled)
{
    if (cell(i).enabled != enabled)
        changing(i).enabled = enabled;
}

void BoardSurface::setVisible(int i, bool visible)
{
    if (cell(i).visible != visible)
        changing(i).visible = visible;
}

void BoardSurface::setTrack(int i, Track track)
{
    if (cell(i).track != track)
        changing(i).track = track;
}

void BoardSurface::setTokens(int i, quint8 tokens)
{
    if (cell(i).tokens != tokens)
        changing(i).tokens = tokens;
}

void BoardSurface::clearColours()
{
    for (int i = 0; i < kCellCount; ++i)
        setColour(i, colours::kCell);
}

void BoardSurface::setTaskText(const QString& text)
{
    if (taskText_ == text)
        return;
    taskText_ = text;
    note(BoardChange::Task);
}

void BoardSurface::setAnswerEnabled(bool enabled)
{
    if (answerEnabled_ == enabled)
        return;
    answerEnabled_ = enabled;
    note(BoardChange::AnswerBox);
}

void BoardSurface::forgetChanges()
{
    changes_ = {};
    changedCells_.reset();
}
