#pragma once

#include "boards/boardmodel.h"

#include <vector>

/// What the recognise and find boards of 0 to 99 share: a level that decides which captions
/// show as help, series of ten right answers (`EsattiGiro`) ended by `Ricomincia`, and the
/// question drawn among the cells still free.
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
    /// Draws `NumeroCercato` uniformly among the cells 0 to the maximum for which `isFree`
    /// holds, with one draw. When none is free a new series is started first, so that the
    /// search always ends.
    template <typename Free> void drawQuestion(Free isFree)
    {
        std::vector<int> free = freeCells(isFree);
        if (free.empty()) {
            ricomincia();
            free = freeCells(isFree);
        }
        drawAmong(free);
    }

  private:
    template <typename Free> std::vector<int> freeCells(Free isFree) const
    {
        std::vector<int> free;
        for (int i = 0; i <= maximum(); ++i) {
            if (isFree(cell(i)))
                free.push_back(i);
        }
        return free;
    }
    int maximum() const;
    void drawAmong(const std::vector<int>& free);
    /// The levels the board offers in its menu.
    virtual bool offersLevel(Level level) const
    {
        Q_UNUSED(level);
        return true;
    }

    Level level_ = Level::Media;
    int esattiGiro_ = 0;
};
