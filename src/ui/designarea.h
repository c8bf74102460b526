#pragma once

#include "ui/controls.h"

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <vector>

/// The client area of a program window built from a design. At the design size, which is
/// also the size it asks for and its smallest size, every control stands where the design
/// puts it. A larger area shows the whole design magnified by one factor, the same for
/// positions, sizes, fonts and pictures, centred, with the rest in the area's own colour.
class DesignArea final : public QWidget {
    Q_OBJECT
  public:
    /// `designSize` in pixels at the design size; it must not be empty.
    DesignArea(QSize designSize, QWidget* parent);

    QSize sizeHint() const override { return design_; }
    QSize minimumSizeHint() const override { return design_; }

    /// How many times the design size the design is shown now (1 at the design size).
    qreal factor() const { return factor_; }
    /// Where the design stands in the area now.
    QRect designRect() const;

    /// Keeps a control created from a design row at its place in the design from now on.
    void adopt(QWidget* control, const ControlPlacement& placement);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Adopted {
        QPointer<QWidget> control;
        ControlPlacement placement;
    };

    QSize design_;
    qreal factor_ = 1;
    QPoint origin_;
    std::vector<Adopted> controls_;
};
