#pragma once

#include "ui/access/pressableaccessible.h"
#include "ui/input/answerbox.h"

/// The answer box `Text1`: editable text whose press action answers with what it holds, as
/// Enter does.
class AnswerBoxAccessible final : public PressableAccessible,
                                  public QAccessibleTextInterface,
                                  public QAccessibleEditableTextInterface {
  public:
    explicit AnswerBoxAccessible(AnswerBox* box)
        : PressableAccessible(box, QAccessible::EditableText)
    {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !box()->isReadOnly();
        s.readOnly = box()->isReadOnly();
        s.selectableText = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString localizedActionDescription(const QString& name) const override
    {
        return name == pressAction() ? QStringLiteral("Conferma la risposta")
                                     : QAccessibleWidget::localizedActionDescription(name);
    }

    void selection(int index, int* start, int* end) const override
    {
        const bool any = index == 0 && box()->hasSelectedText();
        *start = any ? box()->selectionStart() : 0;
        *end = any ? box()->selectionEnd() : 0;
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override
    {
        return box()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint& point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int end) override { box()->setCursorPosition(end); }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        if (box()->isReadOnly() || !box()->isEnabled())
            return;
        QString all = box()->text();
        box()->setText(all.replace(start, end - start, text));
    }

  protected:
    void press() override { box()->submit(); }

  private:
    AnswerBox* box() const { return static_cast<AnswerBox*>(widget()); }
};
