#pragma once

#include "core/boardmodel.h"

/// What the recognise and find boards of 0 to 99 share: a level that decides which captions
/// show as help, series of ten right answers (`EsattiGiro`) ended by `Ricomincia`, and the
/// question drawn again until it falls on a cell still free.
class SeriesBoard : public BoardModel {
  public:
    SeriesBoard(ProgramState& state, RandomSource& random, SoundSink& sounds);

    std::optional<Level> level() const override { return level_; }
    /// Only the captions are filled anew: question, red cells and series stay. A level the
    /// board does not offer is ignored.
    void setLevel(Level level) override;
    int rightInSeries() const { return esattiGiro_; }

    /// Start sequence: the frame's set-up with a new series count; red cells stay red.
    void setUp() override;

  protected:
    int target() const override;
    /// Captions for the level: all (facile), first row and column (media), none (difficile).
    void riempiQuadena() override;
    /// The number cell i stands for: i itself on the boards of 0 to 99.
    virtual int numberOf(int cell) const { return cell; }
    /// A new series: count to 0, every cell light green, captions for the level.
    void ricomincia();
    /// A right answer counts towards the series; the tenth starts a new one.
    void countInSeries();
    /// Draws `NumeroCercato` from 0 to the maximum, and again while its cell is not free by
    /// `isFree`. When no cell is free a new series is started first, and should that free
    /// none the first draw is taken, so that the search always ends.
    template <typename Free> void drawQuestion(Free isFree)
    {
        if (!anyFree(isFree))
            ricomincia();
        int n = 0;
        do {
            n = drawUpToMaximum();
        } while (!isFree(cell(n)) && anyFree(isFree));
        ask(n);
    }

  private:
    template <typename Free> bool anyFree(Free isFree) const
    {
        for (int i = 0; i <= maximum(); ++i) {
            if (isFree(cell(i)))
                return true;
        }
        return false;
    }
    int maximum() const;
    /// One uniform draw from 0 to the maximum.
    int drawUpToMaximum();
    void ask(int cellIndex);
    /// The levels the board offers in its menu.
    virtual bool offersLevel(Level level) const
    {
        Q_UNUSED(level);
        return true;
    }

    Level level_ = Level::Media;
    int esattiGiro_ = 0;
};
