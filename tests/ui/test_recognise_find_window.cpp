#include "core/board/programstate.h"
#include "program.h"
#include "ui/design/names.h"
#include "ui/windows/menuwindow.h"
#include "ui/windows/startwindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

namespace {

int asked(BoardWindow* b)
{
    return b->frame().programState().numeroCercato;
}

bool isRed(BoardWindow* b, int i)
{
    return b->cellButton(i)->faceColour() == QColor(0xFF, 0, 0);
}

QStringList menuNames(const QList<QAction*>& actions)
{
    QStringList names;
    for (QAction* a : actions)
        names << a->objectName() + QLatin1Char('|') + a->text();
    return names;
}

} // namespace

class TestRecogniseFindWindow : public QObject {
    Q_OBJECT
  private slots:
    void recogniseDesign();
    void findDesign();
    void recogniseSeriesInWaitingMode();
    void recogniseKeysOtherThanEnter();
    void findSeriesInAutomaticMode();
    void findWaitingAndLevels();
    void recogniseAboveInWaitingMode();
    void findAboveWithTheScrollBar();
};

void TestRecogniseFindWindow::recogniseDesign()
{
    Program p(31);
    BoardWindow* b = openFromMenu(p, "Command7", true);
    QCOMPARE(b->objectName(), QStringLiteral("Form100Ricon"));
    QCOMPARE(menuNames(b->menuBar()->actions()),
             (QStringList{"MenuAzzera|Azzera conteggio        ", "mnuNum|Numero massimo        ",
                          "mnuQuadena|Quadena          ", "mnuStampa|Stampa scheda        ",
                          "MenuInformazioni|Informazioni          ", "mnuEsci|Esci"}));
    QMenu* levels = b->menuAction(BoardCommand::Quadena)->menu();
    QCOMPARE(menuNames(levels->actions()),
             (QStringList{"mnuMedia|media", "mnuDifficile|difficile"}));
    QVERIFY(b->menuAction(BoardCommand::Media)->isChecked());
    QVERIFY(!b->menuAction(BoardCommand::Difficile)->isChecked());
    QVERIFY(!b->findChild<QLabel*>(names::of(names::kTask)));
    QCOMPARE(labelText(b, "Label3"), QStringLiteral("quale numero è rosso?"));
    auto* text = b->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    QCOMPARE(text->font().pointSizeF(), 36.0);
    QVERIFY(!text->accessibleName().isEmpty());
    QCOMPARE(QApplication::focusWidget(), text);
    const int n = asked(b);
    QVERIFY(isRed(b, n));
    QVERIFY(b->cellButton(n)->text().isEmpty());
    QCOMPARE(QAccessible::queryAccessibleInterface(b->cellButton(n))->text(QAccessible::Name),
             QStringLiteral("casella rossa, riga %1, colonna %2").arg(n / 10 + 1).arg(n % 10 + 1));
    QCOMPARE(b->cellButton(5)->text(), QStringLiteral(" 5"));
    QCOMPARE(QAccessible::queryAccessibleInterface(b->cellButton(5))->text(QAccessible::Name),
             QStringLiteral("5"));

    b->menuAction(BoardCommand::Difficile)->trigger();
    QVERIFY(b->menuAction(BoardCommand::Difficile)->isChecked());
    QVERIFY(!b->menuAction(BoardCommand::Media)->isChecked());
    QVERIFY(b->cellButton(5)->text().isEmpty());
    QCOMPARE(asked(b), n);
}

void TestRecogniseFindWindow::findDesign()
{
    Program p(31);
    BoardWindow* b = openFromMenu(p, "Command14", true);
    QCOMPARE(b->objectName(), QStringLiteral("Form100Trova"));
    QCOMPARE(b->menuAction(BoardCommand::NumeroMassimo)->text(),
             QStringLiteral("Numero Massimo        "));
    QMenu* levels = b->menuAction(BoardCommand::Quadena)->menu();
    QCOMPARE(menuNames(levels->actions()),
             (QStringList{"mnuFacile|facile", "mnuMedia|media", "mnuDifficile|difficile"}));
    QVERIFY(b->menuAction(BoardCommand::Media)->isChecked());
    QCOMPARE(labelText(b, names::kTask), QStringLiteral(" %1").arg(asked(b)));
    QCOMPARE(labelText(b, names::kTask).size() > 0, true);
    QCOMPARE(b->findChild<QLabel*>(names::of(names::kTask))->font().pointSizeF(), 24.0);
    QCOMPARE(avanti(b)->geometry(), QRect(424, 344, 127, 65));
}

void TestRecogniseFindWindow::recogniseSeriesInWaitingMode()
{
    Program p(31);
    BoardWindow* b = openFromMenu(p, "Command7", true);
    auto* text = b->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    std::vector<int> answered;
    for (int i = 1; i <= 10; ++i) {
        const int n = asked(b);
        QVERIFY(isRed(b, n));
        QTest::keyClicks(text, QStringLiteral("%1x").arg(n + 1));
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(labelText(b, names::kErrati), QStringLiteral(" %1").arg(i));
        QCOMPARE(text->text(), QStringLiteral("%1x").arg(n + 1)); // a wrong text stays
        text->clear();
        QTest::keyClicks(text, QStringLiteral(" %1 ").arg(n));
        QTest::keyClick(text, Qt::Key_Enter); // the keypad's Enter
        QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" %1").arg(i));
        QVERIFY(!text->isEnabled());
        QVERIFY(avanti(b)->isEnabled());
        if (i < 10) {
            QCOMPARE(b->cellButton(n)->text(), QStringLiteral(" %1").arg(n));
            QVERIFY(isRed(b, n));
        }
        answered.push_back(n);
        QTest::mouseClick(avanti(b), Qt::LeftButton);
        QVERIFY(text->isEnabled());
        QVERIFY(text->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), text);
    }
    // The tenth answer started a new series: only the new question is red.
    int red = 0;
    for (int i = 0; i < 100; ++i)
        red += isRed(b, i);
    QCOMPARE(red, 1);
    for (int n : answered) {
        if (n != asked(b))
            QVERIFY(b->cellButton(n)->text().isEmpty());
    }
}

void TestRecogniseFindWindow::recogniseKeysOtherThanEnter()
{
    Program p(31);
    BoardWindow* b = openFromMenu(p, "Command7", false);
    auto* text = b->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    QTest::keyClick(text, Qt::Key_Return); // empty: nothing
    QTest::keyClicks(text, QString::number(asked(b)));
    QTest::keyClick(text, Qt::Key_Tab);
    QTest::keyClick(text, Qt::Key_Space);
    QCOMPARE(labelText(b, names::kEsatti), QStringLiteral("0"));
    QCOMPARE(labelText(b, names::kErrati), QStringLiteral("0"));
    QVERIFY(p.sounds.played.isEmpty());
    const int n = asked(b);
    text->setText(QString::number(n));
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" 1"));
    QVERIFY(asked(b) != n); // automatic mode: the next question at once
    QVERIFY(text->isEnabled());
    QVERIFY(text->text().isEmpty());
}

void TestRecogniseFindWindow::findSeriesInAutomaticMode()
{
    Program p(31);
    BoardWindow* b = openFromMenu(p, "Command14", false);
    QVERIFY(!avanti(b)->isVisible());
    for (int i = 1; i <= 10; ++i) {
        const int n = asked(b);
        QVERIFY(!isRed(b, n));
        QTest::mouseClick(b->cellButton(n), Qt::LeftButton);
        QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" %1").arg(i));
        if (i < 10) {
            QVERIFY(isRed(b, n));
            QCOMPARE(b->cellButton(n)->text(), QStringLiteral(" %1").arg(n));
        }
        QVERIFY(b->cellButton(n)->isEnabled());
    }
    for (int i = 0; i < 100; ++i)
        QVERIFY(!isRed(b, i));
}

void TestRecogniseFindWindow::findWaitingAndLevels()
{
    Program p(31);
    BoardWindow* b = openFromMenu(p, "Command14", true);
    b->menuAction(BoardCommand::Facile)->trigger();
    QCOMPARE(b->cellButton(57)->text(), QStringLiteral(" 57"));
    const int n = asked(b);
    QTest::mouseClick(b->cellButton(n), Qt::LeftButton);
    QVERIFY(!b->cellButton(n)->isEnabled());
    QVERIFY(isRed(b, n));
    QCOMPARE(labelText(b, names::kTask), QStringLiteral(" %1").arg(n));
    b->menuAction(BoardCommand::Difficile)->trigger(); // captions only, still waiting
    QVERIFY(b->cellButton(n)->text().isEmpty());
    QVERIFY(isRed(b, n));
    QVERIFY(avanti(b)->isEnabled());
    const int other = n == 3 ? 4 : 3;
    QTest::mouseClick(b->cellButton(other), Qt::LeftButton);
    QCOMPARE(labelText(b, names::kErrati), QStringLiteral(" 1"));
    QTest::mouseClick(avanti(b), Qt::LeftButton);
    QVERIFY(b->cellButton(n)->isEnabled());
    QVERIFY(!avanti(b)->isEnabled());
    QVERIFY(asked(b) != n);
}

void TestRecogniseFindWindow::recogniseAboveInWaitingMode()
{
    Program p(32);
    p.app.state().numeroMassimo = 30; // plays no part above 99
    BoardWindow* b = openFromMenu(p, "Command8", true);
    QCOMPARE(b->objectName(), QStringLiteral("Form100Ricon2"));
    QCOMPARE(menuNames(b->menuBar()->actions()),
             (QStringList{"MenuAzzera|Azzera conteggio        ",
                          "MenuInformazioni|Informazioni          ", "mnuEsci|Esci"}));
    QCOMPARE(b->cellButton(0)->font().pointSizeF(), 12.0);
    QVERIFY(b->cellButton(99)->isVisible());
    auto* text = b->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    QCOMPARE(QApplication::focusWidget(), text);
    for (int i = 0; i < 3; ++i) {
        const int cell = asked(b);
        const int number = *b->frame().hundreds() * 100 + cell;
        QVERIFY(isRed(b, cell));
        QCOMPARE(b->cellButton(0)->text(), QStringLiteral(" %1").arg(number - cell));
        QTest::keyClicks(text, QString::number(number));
        QTest::keyClick(text, Qt::Key_Return);
        QVERIFY(!text->isEnabled());
        QVERIFY(isRed(b, cell));
        QTest::mouseClick(avanti(b), Qt::LeftButton);
        QVERIFY(isRed(b, asked(b)));
        if (asked(b) != cell)
            QVERIFY(!isRed(b, cell));
        QVERIFY(text->isEnabled());
    }
    QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" 3"));
}

void TestRecogniseFindWindow::findAboveWithTheScrollBar()
{
    Program p(33);
    BoardWindow* b = openFromMenu(p, "Command9", true);
    QCOMPARE(b->objectName(), QStringLiteral("Form100Trova2"));
    QMenu* levels = b->menuAction(BoardCommand::Quadena)->menu();
    QCOMPARE(menuNames(levels->actions()), (QStringList{"mnuFacile|facile", "mnuMedia|media"}));
    auto* bar = b->findChild<QScrollBar*>(names::of(names::kHundreds));
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 9);
    QCOMPARE(bar->value(), 0);
    QVERIFY(!bar->accessibleName().isEmpty());
    QVERIFY(bar->focusPolicy() & Qt::TabFocus);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->value(), 1);
    QCOMPARE(b->cellButton(0)->text(), QStringLiteral(" 100"));
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(b->cellButton(0)->text(), QStringLiteral(" 0"));

    const int number = asked(b);
    QCOMPARE(labelText(b, names::kTask), QStringLiteral(" %1").arg(number));
    bar->setValue(number / 100);
    QTest::mouseClick(b->cellButton(number % 100), Qt::LeftButton);
    QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" 1"));
    QVERIFY(isRed(b, number % 100));
    for (int i = 0; i < 100; ++i)
        QVERIFY(!b->cellButton(i)->isEnabled());
    // Moving the scroll bar while waiting changes the captions only.
    bar->setValue((number / 100 + 1) % 10);
    QCOMPARE(b->cellButton(0)->text(), QStringLiteral(" %1").arg((number / 100 + 1) % 10 * 100));
    QVERIFY(!b->cellButton(0)->isEnabled());
    QVERIFY(isRed(b, number % 100));
    QTest::mouseClick(avanti(b), Qt::LeftButton);
    for (int i = 0; i < 100; ++i) {
        QVERIFY(b->cellButton(i)->isEnabled());
        QVERIFY(!isRed(b, i));
    }
    QCOMPARE(bar->value(), (number / 100 + 1) % 10);
}

QTEST_MAIN(TestRecogniseFindWindow)
#include "test_recognise_find_window.moc"
