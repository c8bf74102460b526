// Pasting into the program's text boxes on a real X server. Qt's offscreen platform keeps
// the clipboard inside the program and never shows the fault, so this test runs on the xcb
// platform against an X server of its own (xvfb_test.sh), where nothing has been copied.
#include "app/startup.h"
#include "program.h"
#include "ui/design/names.h"
#include "ui/windows/gridwindow.h"
#include "ui/windows/worksheetwindow.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>

#include <memory>

namespace {

enum Box { Worksheet, GridSide, GridInstruction, BoardAnswer, InputDialog };
enum Gesture { CtrlV, ShiftInsert, MiddleClick };
enum Content { Nothing, Text, Image };

const QString kTyped = QStringLiteral("12");
const QString kCopied = QStringLiteral("39");

/// Opens the window that holds the box and returns the box.
QWidget* openBox(Program& p, QInputDialog& dialog, Box which)
{
    if (which == InputDialog) {
        dialog.show();
        return dialog.findChild<QLineEdit*>();
    }
    if (which == BoardAnswer)
        return openFromMenu(p, "Command7")->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    BoardWindow* board = openFromMenu(p, which == Worksheet ? "Command5" : "Command7");
    board->menuAction(BoardCommand::Stampa)->trigger();
    if (which == Worksheet)
        return p.app.worksheetWindow()->findChild<QPlainTextEdit*>(QStringLiteral("txtCD"));
    return p.app.recogniseGridWindow()->findChild<QPlainTextEdit*>(
        which == GridSide ? names::of(names::kAnswerBox) : QStringLiteral("Text2"));
}

/// Puts the same content in the clipboard and in the selection; Nothing leaves them ownerless.
void fillClipboard(Content content)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        if (content == Nothing) {
            clipboard->clear(mode);
        } else if (content == Text) {
            clipboard->setText(kCopied, mode);
        } else {
            auto* data = new QMimeData;
            data->setImageData(QImage(8, 8, QImage::Format_RGB32));
            clipboard->setMimeData(data, mode);
        }
    }
}

QString textOf(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    return static_cast<QPlainTextEdit*>(box)->toPlainText();
}

/// Replaces the box's text with kTyped, the cursor at its end.
void type(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(kTyped);
        return;
    }
    auto* edit = static_cast<QPlainTextEdit*>(box);
    edit->setPlainText(kTyped);
    edit->moveCursor(QTextCursor::End);
}

/// Middle-clicks before the first character of the box's text.
void middleClickAtStart(QWidget* box)
{
    if (auto* edit = qobject_cast<QPlainTextEdit*>(box)) {
        const QPoint start = edit->cursorRect(QTextCursor(edit->document())).center();
        QTest::mouseClick(edit->viewport(), Qt::MiddleButton, {}, start);
    } else {
        QTest::mouseClick(box, Qt::MiddleButton, {}, QPoint(1, box->height() / 2));
    }
}

} // namespace

class TestPaste : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void pasteGestures_data();
    void pasteGestures();
    void contextMenuPaste_data();
    void contextMenuPaste();
};

void TestPaste::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(QGuiApplication::clipboard()->supportsSelection());
}

void TestPaste::pasteGestures_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("gesture");
    QTest::addColumn<int>("content");
    const char* boxes[] = {"txtCD", "griglia Text1", "griglia Text2", "tabella Text1", "richiesta"};
    const char* gestures[] = {"Ctrl+V", "Maiusc+Ins", "clic centrale"};
    const char* contents[] = {"appunti vuoti", "testo", "immagine"};
    for (int b = Worksheet; b <= InputDialog; ++b) {
        for (int g = CtrlV; g <= MiddleClick; ++g) {
            for (int c = Nothing; c <= Image; ++c)
                QTest::addRow("%s, %s, %s", boxes[b], gestures[g], contents[c]) << b << g << c;
        }
    }
}

// The copied text goes where the cursor is, or where the middle click points; a clipboard
// without text inserts nothing. Without an owner, Qt's own paste crashes the program.
void TestPaste::pasteGestures()
{
    QFETCH(int, box);
    QFETCH(int, gesture);
    QFETCH(int, content);
    Program p;
    QInputDialog dialog;
    QWidget* target = openBox(p, dialog, Box(box));
    QVERIFY(target && target->isVisible());
    type(target);
    fillClipboard(Content(content));

    if (gesture == CtrlV)
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    else if (gesture == ShiftInsert)
        QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
    else
        middleClickAtStart(target);

    const QString copied = content == Text ? kCopied : QString();
    QCOMPARE(textOf(target), gesture == MiddleClick ? copied + kTyped : kTyped + copied);
}

void TestPaste::contextMenuPaste_data()
{
    QTest::addColumn<int>("content");
    QTest::newRow("appunti svuotati col menu aperto") << int(Nothing);
    QTest::newRow("testo") << int(Text);
}

// "Incolla" is enabled when the menu opens on a clipboard with text; the clipboard may have
// lost its owner by the time it is chosen.
void TestPaste::contextMenuPaste()
{
    QFETCH(int, content);
    Program p;
    QInputDialog dialog;
    auto* sheet = static_cast<QPlainTextEdit*>(openBox(p, dialog, Worksheet));
    type(sheet);
    fillClipboard(Text);
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              sheet->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(sheet->viewport(), &request);
    const std::unique_ptr<QMenu> menu(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    QVERIFY(menu);
    auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
    QVERIFY(paste && paste->isEnabled());
    fillClipboard(Content(content));

    paste->trigger();
    QCOMPARE(sheet->toPlainText(), content == Text ? kTyped + kCopied : kTyped);
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    TestPaste test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_paste.moc"
