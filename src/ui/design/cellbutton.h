#pragma once

#include "core/board/boardsurface.h"

#include <QColor>
#include <QPushButton>

/// A board cell: a button whose face is painted flat in exactly its colour, inside a thin
/// raised edge, with a black caption that stays black when the cell is disabled, so that it
/// reads on light green and on red alike. A red cell also carries bands of dark stripes
/// along its top and bottom edges, so it stands out without colour vision. The keyboard focus shows
/// as a thick dark frame. On a game board a cell also draws its half of a ladder (rails and
/// rungs) or of a slide (one wavy band), with an arrow where it ends, and the tokens it shows,
/// each of its own shape and colour, behind the caption.
class CellButton final : public QPushButton {
    Q_OBJECT
  public:
    explicit CellButton(QWidget* parent = nullptr);

    QColor faceColour() const { return face_; }
    /// Repaints only when the colour really changes.
    void setFaceColour(const QColor& colour);
    Track track() const { return track_; }
    void setTrack(Track track);
    /// The tokens that stand on the cell by the rules (bit p: player p's), which assistive
    /// technology reads; `showTokens` gives the ones drawn, which lag behind while a token walks.
    quint8 tokens() const { return tokens_; }
    void setTokens(quint8 tokens) { tokens_ = tokens; }
    void showTokens(quint8 tokens);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor face_{192, 255, 192};
    Track track_ = Track::None;
    quint8 tokens_ = 0;
    quint8 shownTokens_ = 0;
};
