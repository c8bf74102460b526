#include "ui/input/safepaste.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace {

/// The editable box that receives events through the given object: the box or its viewport.
QPlainTextEdit* editableBox(QObject* watched)
{
    auto* box = qobject_cast<QPlainTextEdit*>(watched);
    if (!box && watched->isWidgetType()) {
        box = qobject_cast<QPlainTextEdit*>(watched->parent());
        if (box && box->viewport() != watched)
            box = nullptr;
    }
    if (box && !(box->textInteractionFlags() & Qt::TextEditable))
        return nullptr;
    return box;
}

/// Inserts the text of the clipboard or of the selection at the cursor; nothing when it has none.
void insertClipboardText(QPlainTextEdit* box, QClipboard::Mode mode)
{
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (text.isEmpty())
        return;
    box->insertPlainText(text);
    box->ensureCursorVisible();
}

/// Qt's own menu for the box, with "Incolla" pasting the clipboard's text.
void showContextMenu(QPlainTextEdit* box, const QPoint& globalPos)
{
    QMenu* menu = box->createStandardContextMenu();
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        QObject::disconnect(paste, &QAction::triggered, nullptr, nullptr);
        QObject::connect(paste, &QAction::triggered, box,
                         [box] { insertClipboardText(box, QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

/// Takes the paste gestures of the program's editable QPlainTextEdit boxes.
class SafePasteFilter final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::MouseButtonRelease &&
            type != QEvent::ContextMenu)
            return false;
        QPlainTextEdit* box = editableBox(watched);
        if (!box || !takeOver(box, watched, event))
            return false;
        event->accept();
        return true;
    }

  private:
    static bool takeOver(QPlainTextEdit* box, QObject* watched, QEvent* event)
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
                return false;
            insertClipboardText(box, QClipboard::Clipboard);
            return true;
        case QEvent::ContextMenu:
            if (box->contextMenuPolicy() != Qt::DefaultContextMenu)
                return false;
            showContextMenu(box, static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        default: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (watched != box->viewport() || mouse->button() != Qt::MiddleButton ||
                !QGuiApplication::clipboard()->supportsSelection())
                return false;
            box->setTextCursor(box->cursorForPosition(mouse->position().toPoint()));
            insertClipboardText(box, QClipboard::Selection);
            return true;
        }
        }
    }
};

} // namespace

void installSafePaste(QApplication& app)
{
    app.installEventFilter(new SafePasteFilter(&app));
}
