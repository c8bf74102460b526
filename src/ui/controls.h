#pragma once

#include "core/palette.h"
#include "ui/fontstyle.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <span>

/// What kind of control a layout row creates.
enum class ControlKind {
    Label,            // QLabel with a fixed caption and its own background
    Display,          // QLabel whose text the program sets (counters, task)
    Button,           // QPushButton with a caption
    Cell,             // CellButton: a board cell, painted flat in its background
    PictureButton,    // QPushButton showing only a picture
    CaptionedPicture, // QToolButton: caption under a picture
    OptionButton,     // QRadioButton
    TextBox,          // QLineEdit
    TextArea,         // QPlainTextEdit, several lines
    ScrollBar,        // horizontal QScrollBar
};

inline constexpr Bgr kNoBackground = 0xFFFFFFFF;

/// One row of a window design: name, kind, Left, Top, Width, Height in twips, caption,
/// font, background (kNoBackground for the style's own), picture resource and, for controls
/// without a caption, the Italian name read by assistive technology.
struct ControlRow {
    const char* name;
    ControlKind kind;
    int left, top, width, height;
    const char16_t* caption;
    FontStyle font;
    Bgr background = kNoBackground;
    const char* picture = nullptr;
    const char16_t* accessibleName = nullptr;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
};

QFont makeFont(const FontStyle& row);
QColor toColor(Bgr bgr);

/// Paints a widget's own background (window, label, button face) in `bgr`.
void setBackground(QWidget* widget, Bgr bgr);

/// What a control keeps of its design row to be placed again at another size: the kind,
/// the rectangle in pixels at the design size, the font and the picture.
struct ControlPlacement {
    ControlKind kind;
    QRect rect;
    FontStyle font;
    bool picture = false;
};

/// Places and styles a control made from a design row at `factor` times the design
/// (factor 1: the design), with the design's top left corner at `origin`; a caption that
/// does not fit its box at that size makes the box grow as the design rows say.
void placeControl(QWidget* control, const ControlPlacement& placement, qreal factor,
                  QPoint origin = {});

/// Creates the control a design row describes as a child of `parent`, placed and styled.
/// A `DesignArea` parent keeps it at its place in the design whatever the area's size.
QWidget* createControl(QWidget* parent, const ControlRow& row);

/// Creates every row of a design, in order.
void createControls(QWidget* parent, std::span<const ControlRow> rows);

/// The named child created from a design; the name must exist.
template <typename T> T* control(QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    Q_ASSERT(child);
    return child;
}
