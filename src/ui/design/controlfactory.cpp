#include "ui/design/controlfactory.h"

#include "ui/design/cellbutton.h"
#include "ui/design/dieface.h"
#include "ui/design/fonts.h"
#include "ui/design/iconcache.h"
#include "ui/design/namebutton.h"
#include "ui/design/optionbutton.h"
#include "ui/design/resultmap.h"
#include "ui/input/answerbox.h"
#include "ui/input/keypad.h"
#include "ui/input/keyscrollbar.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace {

QWidget* makeWidget(QWidget* parent, const ControlRow& row, const QString& caption)
{
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::Display: {
        auto* label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(row.alignment);
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::Button:
        return new QPushButton(caption, parent);
    case ControlKind::Cell: {
        auto* cell = new CellButton(parent);
        cell->setText(caption);
        return cell;
    }
    case ControlKind::PictureButton: {
        auto* button = new QPushButton(parent);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    }
    case ControlKind::CaptionedPicture: {
        auto* button = new QToolButton(parent);
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    }
    case ControlKind::OptionButton:
        return new WrappingRadioButton(caption, parent);
    case ControlKind::TextBox:
        return new QLineEdit(caption, parent);
    case ControlKind::AnswerBox:
        return new AnswerBox(caption, parent);
    case ControlKind::TextArea: {
        auto* box = new QPlainTextEdit(caption, parent);
        box->setTabChangesFocus(true);
        return box;
    }
    case ControlKind::ScrollBar:
        return new KeyScrollBar(parent);
    case ControlKind::Keypad:
        return new OnScreenKeypad(parent);
    case ControlKind::ComboBox:
        return new QComboBox(parent);
    case ControlKind::ResultMap:
        return new ResultMap(parent);
    case ControlKind::Table: {
        auto* table = new QTableWidget(parent);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setTabKeyNavigation(false);
        table->setWordWrap(false);
        table->verticalHeader()->hide();
        table->horizontalHeader()->setStretchLastSection(true);
        return table;
    }
    case ControlKind::ProgressBar:
        return new QProgressBar(parent);
    case ControlKind::NameButton: {
        auto* button = new NameButton(parent);
        button->setText(caption);
        return button;
    }
    case ControlKind::Die:
        return new DieFace(parent);
    }
    return nullptr;
}

} // namespace

QWidget* makeControl(const ControlRow& row, QWidget* parent)
{
    const QString caption = row.caption ? QString::fromUtf16(row.caption) : QString();
    QWidget* widget = makeWidget(parent, row, caption);
    widget->setObjectName(QString::fromLatin1(row.name));
    if (auto* cell = qobject_cast<CellButton*>(widget)) {
        cell->setFaceColour(toColor(row.background));
    } else if (row.background != kNoBackground) {
        setBackground(widget, row.background);
    }
    if (row.picture) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setIcon(sharedIcon(row.picture));
    }
    if (row.accessibleName)
        widget->setAccessibleName(QString::fromUtf16(row.accessibleName));
    return widget;
}
