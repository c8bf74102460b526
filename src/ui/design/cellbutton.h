#pragma once

#include <QColor>
#include <QPushButton>

/// A board cell: a button whose face is painted flat in exactly its colour, inside a thin
/// raised edge, with a black caption that stays black when the cell is disabled, so that it
/// reads on light green and on red alike. A red cell also carries bands of dark stripes
/// along its top and bottom edges, so it stands out without colour vision. The keyboard focus shows
/// as a thick dark frame.
class CellButton final : public QPushButton {
    Q_OBJECT
  public:
    explicit CellButton(QWidget* parent = nullptr);

    QColor faceColour() const { return face_; }
    /// Repaints only when the colour really changes.
    void setFaceColour(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor face_{192, 255, 192};
};
