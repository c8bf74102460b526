// What the child sees and does on a board between answers: cell faces in pixels, the text
// typed in Text1, Enter keys that belong to a box, and windows unloaded under a dialog.
#include "core/board/programstate.h"
#include "program.h"
#include "ui/design/names.h"
#include "ui/windows/dialogs.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>

namespace {

struct FaceReading {
    QColor median;
    QColor darkest;
    double meanLuma = 0;  // the whole cell in grey, 0 to 255
    double darkShare = 0; // share of near-black pixels in the top and bottom bands
    int stripes = 0;      // dark runs met along the middle of the band at the top
};

double luma(const QColor& c)
{
    return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
}

/// Renders a cell at `scale` device pixels per pixel and reads its face: the median colour of
/// the inner part (inside the edge) and its darkest pixel, which is the caption's ink; and,
/// in grey, its mean luma, how much of the bands along its top and bottom edges (a sixth of the
/// side each, inside the outline and the raised edge) is near black, and how many dark runs a line
/// along the middle of the top band crosses.
FaceReading readFace(QWidget* cell, qreal scale)
{
    QImage image(cell->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta);
    cell->render(&image);
    const QRect all(QPoint(0, 0), image.size());
    const QRect inner = all.adjusted(image.width() / 6, image.height() / 6, -image.width() / 6,
                                     -image.height() / 6);
    std::vector<int> r, g, b;
    FaceReading reading{{}, Qt::white};
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            r.push_back(c.red());
            g.push_back(c.green());
            b.push_back(c.blue());
            if (c.lightnessF() < reading.darkest.lightnessF())
                reading.darkest = c;
        }
    }
    const auto median = [](std::vector<int>& v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return v[v.size() / 2];
    };
    reading.median = QColor(median(r), median(g), median(b));

    constexpr double kNearBlack = 48;
    const int edge = qRound(2 * scale);
    const int band = image.width() / 6;
    const QRect bandOuter = all.adjusted(edge, edge, -edge, -edge);
    const QRect bandInner = all.adjusted(0, band, 0, -band);
    double lumaSum = 0;
    int bandPixels = 0, dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double l = luma(image.pixelColor(x, y));
            lumaSum += l;
            if (bandOuter.contains(x, y) && !bandInner.contains(x, y)) {
                ++bandPixels;
                dark += l < kNearBlack;
            }
        }
    }
    reading.meanLuma = lumaSum / (image.width() * image.height());
    reading.darkShare = double(dark) / bandPixels;
    const int row = (edge + band) / 2;
    bool inDark = false;
    for (int x = bandOuter.left(); x <= bandOuter.right(); ++x) {
        const bool d = luma(image.pixelColor(x, row)) < kNearBlack;
        reading.stripes += d && !inDark;
        inDark = d;
    }
    return reading;
}

double luminance(const QColor& c)
{
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QLineEdit* text1(BoardWindow* b)
{
    return b->findChild<QLineEdit*>(names::of(names::kAnswerBox));
}

/// Closes the next modal box with the given button once it is open.
void answerNextBox(QMessageBox::ButtonRole role)
{
    QTimer::singleShot(0, [role] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            answerNextBox(role);
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            if (box->buttonRole(button) == role) {
                button->click();
                return;
            }
        }
    });
}

} // namespace

class TestBoardView : public QObject {
    Q_OBJECT
  private slots:
    void cellFaces_data();
    void cellFaces();
    void enterFromABoxIsNoAnswer_data();
    void enterFromABoxIsNoAnswer();
    void typedTextStays_data();
    void typedTextStays();
    void menuUnloadedWhileItsQuestionIsOpen();
};

void TestBoardView::cellFaces_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
}

void TestBoardView::cellFaces()
{
    QFETCH(qreal, scale);
    Program p(41);
    BoardWindow* b = openFromMenu(p, "Command7", true); // the recognise board, waiting mode
    const int asked = p.app.boardWindow()->frame().programState().numeroCercato;
    const int plain = asked == 0 ? 1 : 0;
    const int other = plain == 0 ? 2 : 0;
    // The asked cell, red; answered in waiting mode it stays red and is disabled.
    const FaceReading red = readFace(b->cellButton(asked), scale);
    text1(b)->setText(QString::number(asked));
    QTest::keyClick(text1(b), Qt::Key_Return);
    QVERIFY(!b->cellButton(asked)->isEnabled() || !text1(b)->isEnabled());
    b->cellButton(plain)->setEnabled(false); // as on a board locked while waiting
    const FaceReading unfocused = readFace(b->cellButton(other), scale);
    b->cellButton(other)->setFocus();
    QVERIFY(b->cellButton(other)->hasFocus());
    struct Row {
        const char* what;
        FaceReading reading;
        QColor expected;
    };
    const Row rows[] = {
        {"plain", unfocused, QColor(192, 255, 192)},
        {"red", red, QColor(255, 0, 0)},
        {"disabled", readFace(b->cellButton(plain), scale), QColor(192, 255, 192)},
        {"disabled red", readFace(b->cellButton(asked), scale), QColor(255, 0, 0)},
        {"focused", readFace(b->cellButton(other), scale), QColor(192, 255, 192)},
    };
    for (const Row& row : rows) {
        const QColor m = row.reading.median;
        const int off = std::max({std::abs(m.red() - row.expected.red()),
                                  std::abs(m.green() - row.expected.green()),
                                  std::abs(m.blue() - row.expected.blue())});
        QVERIFY2(off <= 2, qPrintable(QStringLiteral("%1 face %2").arg(row.what, m.name())));
        qInfo("%s: mean luma %.0f, dark share of the top and bottom bands %.2f, stripes %d",
              row.what, row.reading.meanLuma, row.reading.darkShare, row.reading.stripes);
    }
    // Captions: the answered red cell shows its number; plain cells their numbers.
    for (const Row& row : {rows[0], rows[2], rows[3], rows[4]}) {
        QVERIFY2(contrast(row.reading.darkest, row.reading.median) >= 4.5, row.what);
    }
    // Without colour, a red cell, enabled or not, is darker than a green one and carries a
    // striped band; the focus frame is a solid line.
    for (const Row& redRow : {rows[1], rows[3]}) {
        for (const Row& green : {rows[0], rows[2]}) {
            const QString pair = QStringLiteral("%1 / %2").arg(redRow.what, green.what);
            QVERIFY2(green.reading.meanLuma - redRow.reading.meanLuma >= 100, qPrintable(pair));
            QVERIFY2(redRow.reading.darkShare - green.reading.darkShare >= 0.25, qPrintable(pair));
        }
        QVERIFY2(redRow.reading.stripes >= 4, redRow.what);
    }
    QVERIFY(rows[0].reading.stripes == 0 && rows[2].reading.stripes == 0);
    QVERIFY(rows[4].reading.stripes <= 2);
}

void TestBoardView::enterFromABoxIsNoAnswer_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("input");
    QTest::newRow("Informazioni") << int(BoardCommand::Informazioni) << QString();
    QTest::newRow("Esci answered No") << int(BoardCommand::Esci) << QString();
    QTest::newRow("Numero massimo") << int(BoardCommand::NumeroMassimo) << QStringLiteral("50");
    QTest::newRow("Numero massimo refused")
        << int(BoardCommand::NumeroMassimo) << QStringLiteral("5");
}

void TestBoardView::enterFromABoxIsNoAnswer()
{
    QFETCH(int, command);
    QFETCH(QString, input);
    for (const char* board : {"Command7", "Command8"}) {
        Program p(43);
        BoardWindow* b = openFromMenu(p, board, true);
        QAction* action = b->menuAction(static_cast<BoardCommand>(command));
        if (!action)
            continue; // the board above 99 has no "Numero massimo"
        p.dialogs.inputs.push_back(input);
        QTest::keyClicks(text1(b), QStringLiteral("x"));
        // The box took the press of Enter; its release reaches Text1 once the box is gone.
        action->trigger();
        QTest::keyRelease(text1(b), Qt::Key_Return);
        QCOMPARE(labelText(b, names::kErrati), QStringLiteral("0"));
        // Pressed and released in Text1, the same key is an answer.
        text1(b)->setText(QStringLiteral("x"));
        QTest::keyClick(text1(b), Qt::Key_Return);
        QCOMPARE(labelText(b, names::kErrati), QStringLiteral(" 1"));
    }
}

void TestBoardView::typedTextStays_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("newQuestion");
    QTest::newRow("Azzera conteggio") << int(BoardCommand::Azzera) << QString() << false;
    QTest::newRow("difficile") << int(BoardCommand::Difficile) << QString() << false;
    QTest::newRow("Informazioni") << int(BoardCommand::Informazioni) << QString() << false;
    QTest::newRow("Esci answered No") << int(BoardCommand::Esci) << QString() << false;
    QTest::newRow("Numero massimo refused")
        << int(BoardCommand::NumeroMassimo) << QStringLiteral("abc") << false;
    QTest::newRow("Numero massimo: new question")
        << int(BoardCommand::NumeroMassimo) << QStringLiteral("40") << true;
}

void TestBoardView::typedTextStays()
{
    QFETCH(int, command);
    QFETCH(QString, input);
    QFETCH(bool, newQuestion);
    Program p(47);
    BoardWindow* b = openFromMenu(p, "Command7", true);
    p.dialogs.inputs.push_back(input);
    QTest::keyClicks(text1(b), QStringLiteral("12"));
    b->menuAction(static_cast<BoardCommand>(command))->trigger();
    QCOMPARE(text1(b)->text(), newQuestion ? QString() : QStringLiteral("12"));
}

void TestBoardView::menuUnloadedWhileItsQuestionIsOpen()
{
    // A board button pressed through the accessibility interface while the menu's exit
    // question is open: the menu is unloaded, but destroyed only after its question ends.
    RecordingSounds sounds;
    ScriptedRandom random({}, 53);
    QtDialogs dialogs;
    RecordingPrinter printer;
    Application app(random, sounds, dialogs, printer);
    app.main();
    app.startWindow()->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    flushUnloads();
    QPointer<QWidget> menu = app.menuWindow();
    bool boardOpened = false;
    QTimer::singleShot(0, [&] {
        QVERIFY(QApplication::activeModalWidget());
        menu->findChild<QAbstractButton*>(QStringLiteral("Command3"))->click();
        QCoreApplication::sendPostedEvents(); // what the dialog's own event loop does
        boardOpened = app.boardWindow() != nullptr;
        // The unloaded menu takes no more input: no second question.
        menu->findChild<QAbstractButton*>(names::of(names::kEsci))->click();
        answerNextBox(QMessageBox::NoRole);
    });
    menu->findChild<QAbstractButton*>(names::of(names::kEsci))->click();
    QVERIFY(boardOpened);
    QVERIFY(menu); // still alive: its handler has just returned
    QTRY_VERIFY(!menu);
    QVERIFY(app.boardWindow()->isVisible());
}

QTEST_MAIN(TestBoardView)
#include "test_board_view.moc"
