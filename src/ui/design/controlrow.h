#pragma once

#include "core/board/palette.h"
#include "ui/design/fontstyle.h"

#include <QRect>
#include <Qt>
#include <algorithm>
#include <span>
#include <string_view>

/// What kind of control a layout row creates.
enum class ControlKind {
    Label,            // QLabel with a fixed caption and its own background
    Display,          // QLabel whose text the program sets (counters, task)
    Button,           // QPushButton with a caption
    Cell,             // CellButton: a board cell, painted flat in its background
    PictureButton,    // QPushButton showing only a picture
    CaptionedPicture, // QToolButton: caption under a picture
    OptionButton,     // WrappingRadioButton
    TextBox,          // QLineEdit
    AnswerBox,        // AnswerBox: a text box whose Enter gives the answer
    TextArea,         // QPlainTextEdit, several lines
    ScrollBar,        // KeyScrollBar, horizontal
    Keypad,           // OnScreenKeypad
    ComboBox,         // QComboBox, a list to choose from
    ResultMap,        // ResultMap: the map of right and wrong answers
    Table,            // QTableWidget: rows to read and choose from, not to edit
    ProgressBar,      // QProgressBar
    NameButton,       // NameButton: a large button with a name, and a child's symbol
    Die,              // DieFace: a die drawn with its dots
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

/// What a control keeps of its design row to be placed again at another size: the kind,
/// the rectangle in pixels at the design size, the font and the picture.
struct ControlPlacement {
    ControlKind kind;
    QRect rect;
    FontStyle font;
    bool picture = false;
};

ControlPlacement placementOf(const ControlRow& row);

/// Whether a design lists a control of that name.
inline bool listsControl(std::span<const ControlRow> rows, const char* name)
{
    return std::ranges::any_of(
        rows, [name](const ControlRow& row) { return std::string_view(row.name) == name; });
}
