#pragma once

#include "ui/design/controlrow.h"

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <span>
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

    /// Creates the control a design row describes and keeps it at its place in the design.
    QWidget* add(const ControlRow& row);
    /// Creates every row of a design, in order.
    void addAll(std::span<const ControlRow> rows);

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

/// The control named `name` that the design `rows` lists, or null when the design lists
/// none. A listed control that is missing, or of another type than `T`, is a fault of the
/// design tables: it stops a debug build at once and is warned of otherwise.
template <typename T>
T* optionalControl(QWidget* area, std::span<const ControlRow> rows, const char* name)
{
    if (!listsControl(rows, name))
        return nullptr;
    T* child = area->findChild<T*>(QString::fromLatin1(name));
    if (!child) {
        qWarning("the design lists %s, but no control of the expected type has that name", name);
        Q_ASSERT_X(false, "optionalControl", name);
    }
    return child;
}
