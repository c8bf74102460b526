// What assistive technology reads on the boards and which changes it is told about, seen
// through Qt's accessibility interfaces and its update handler; and "Chi sei?" as a screen
// reader sees and presses it, through the accessibility bus.
#include "core/board/programstate.h"
#include "program.h"
#include "ui/access/boardaccessibility.h"

#include "ui/windows/classwindow.h"
#include "ui/windows/pupilwindow.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

struct Heard {
    QObject* object;
    QAccessible::Event type;
};
QList<Heard> heard;

void record(QAccessibleEvent* event)
{
    heard.append({event->object(), event->type()});
}

QAccessibleInterface* a11y(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QWidget* child(BoardWindow* b, const char* name)
{
    return b->findChild<QWidget*>(QString::fromLatin1(name));
}

int asked(BoardWindow* b)
{
    return b->frame().programState().numeroCercato;
}

/// The number the asked cell stands for, the hundred on show included.
int askedNumber(BoardWindow* b)
{
    return asked(b) + 100 * b->frame().hundreds().value_or(0);
}

void type(BoardWindow* b, const QString& text)
{
    auto* box = b->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
}

/// Answers as the child does: types into Text1 or clicks the cell.
void answer(BoardWindow* b, bool right)
{
    const ProgramState& s = b->frame().programState();
    if (b->findChild<QLineEdit*>(names::of(names::kAnswerBox))) {
        type(b, right ? QString::number(askedNumber(b)) : QStringLiteral("-1"));
        return;
    }
    const bool find = b->objectName().startsWith(QStringLiteral("Form100Trova"));
    if (auto* hundreds = b->findChild<QScrollBar*>(names::of(names::kHundreds)))
        hundreds->setValue(asked(b) / 100);
    const int target = find ? asked(b) % 100 : s.risultato;
    clickCell(b, right ? target : (target + 1) % 100);
}

/// A question to the program about `object`, through the accessibility bus as a screen
/// reader asks it; the program answers on this thread.
QVariant askBus(QObject* object, const QString& interface, const QString& method,
                const QVariantList& arguments)
{
    static const QDBusConnection reader = QDBusConnection::connectToBus(
        QDBusConnection::sessionBus()
            .call(QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                                 "GetAddress"))
            .arguments()
            .value(0)
            .toString(),
        QStringLiteral("reader"));
    QDBusMessage question = QDBusMessage::createMethodCall(
        QDBusConnection(QStringLiteral("a11y")).baseService(),
        QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(a11y(object))),
        interface, method);
    question.setArguments(arguments);
    QDBusPendingCall call = reader.asyncCall(question);
    (void)QTest::qWaitFor([&] { return call.isFinished(); });
    const QVariant answer = call.reply().arguments().value(0);
    return answer.canConvert<QDBusVariant>() ? answer.value<QDBusVariant>().variant() : answer;
}

QString busName(QObject* object)
{
    return askBus(object, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                  {QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("Name")})
        .toString();
}

/// Presses the button through the bus, where its first action must be "Press"; the press is
/// carried out from the event loop.
bool pressOverBus(QObject* button)
{
    const QString action = QStringLiteral("org.a11y.atspi.Action");
    return askBus(button, action, QStringLiteral("GetName"), {0}).toString() ==
               QStringLiteral("Press") &&
           askBus(button, action, QStringLiteral("DoAction"), {0}).toBool();
}

int descriptionsShown(BoardWindow* b)
{
    int n = 0;
    for (int i = 0; i < BoardFrame::kCellCount; ++i)
        n += !a11y(b->cellButton(i))->text(QAccessible::Description).isEmpty();
    return n;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init() { heard.clear(); }
    void cellNames_data();
    void cellNames();
    void tablePositions_data();
    void tablePositions();
    void readings_data();
    void readings();
    void answerBoxPressAnswers_data();
    void answerBoxPressAnswers();
    void eventsPerAnswer_data();
    void eventsPerAnswer();
    void focusEventsFollowTheFocus();
    void whoIsPlayingOverTheBus();
    void gamesThroughTheBus_data();
    void gamesThroughTheBus();
};

void TestAccessibility::initTestCase()
{
    // The handler hears what Qt hands to the bridge, which is active only under a reader.
    QTRY_VERIFY(QAccessible::isActive());
    QAccessible::installUpdateHandler(record);
}

void TestAccessibility::cellNames_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QString>("name"); // %1: the cell's number; %r, %c: its row and column
    QTest::addColumn<bool>("isAsked");
    QTest::addColumn<bool>("disabled");
    QTest::addColumn<int>("askedCells");
    QTest::newRow("plain") << "plain"
                           << "casella, riga %r, colonna %c" << false << false << 1;
    QTest::newRow("captioned") << "captioned"
                               << "5" << false << false << 1;
    QTest::newRow("asked") << "asked"
                           << "casella rossa, riga %r, colonna %c" << true << false << 1;
    QTest::newRow("red with caption, answered") << "answered"
                                                << "%1 rossa" << false << false << 0;
    QTest::newRow("red, caption hidden by difficile")
        << "difficile"
        << "casella rossa, riga %r, colonna %c" << false << false << 1;
    QTest::newRow("find, hidden at media") << "hidden"
                                           << "casella, riga 6, colonna 8" << false << false << 0;
    QTest::newRow("found, disabled while waiting") << "found"
                                                   << "%1 rossa" << false << true << 0;
    QTest::newRow("above 99, asked help cell") << "above"
                                               << "%1 rossa" << true << false << 1;
}

void TestAccessibility::cellNames()
{
    QFETCH(QString, scene);
    QFETCH(QString, name);
    QFETCH(bool, isAsked);
    QFETCH(bool, disabled);
    QFETCH(int, askedCells);
    Program p(61);
    BoardWindow* b = nullptr;
    int cell = 0;
    int number = 0;
    if (scene == QStringLiteral("found") || scene == QStringLiteral("hidden")) {
        b = openFromMenu(p, "Command14", true);
        cell = number = scene == QStringLiteral("hidden") ? 57 : asked(b);
        if (scene == QStringLiteral("found"))
            answer(b, true);
    } else if (scene == QStringLiteral("above")) {
        b = openFromMenu(p, "Command8", false);
        for (int k = 0; k < 200 && asked(b) >= 10 && asked(b) % 10 != 0; ++k)
            answer(b, true);
        cell = asked(b);
        number = askedNumber(b);
    } else {
        b = openFromMenu(p, "Command7", true);
        const int first = asked(b);
        cell = number = first;
        if (scene == QStringLiteral("plain"))
            cell = first == 55 ? 56 : 55;
        else if (scene == QStringLiteral("captioned"))
            cell = 5;
        if (scene == QStringLiteral("answered") || scene == QStringLiteral("difficile"))
            answer(b, true);
        if (scene == QStringLiteral("difficile")) {
            avanti(b)->click();
            b->menuAction(BoardCommand::Difficile)->trigger();
        }
    }
    QAccessibleInterface* iface = a11y(b->cellButton(cell));
    QCOMPARE(iface->role(), QAccessible::Cell);
    name.replace(QStringLiteral("%r"), QString::number(cell / 10 + 1));
    name.replace(QStringLiteral("%c"), QString::number(cell % 10 + 1));
    QCOMPARE(iface->text(QAccessible::Name), name.arg(number));
    QCOMPARE(iface->text(QAccessible::Description),
             isAsked ? QStringLiteral("da riconoscere") : QString());
    QCOMPARE(bool(iface->state().disabled), disabled);
    QCOMPARE(descriptionsShown(b), askedCells);
}

void TestAccessibility::tablePositions_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("0") << 0 << 0 << 0;
    QTest::newRow("9") << 9 << 0 << 9;
    QTest::newRow("57") << 57 << 5 << 7;
    QTest::newRow("90") << 90 << 9 << 0;
    QTest::newRow("99") << 99 << 9 << 9;
}

void TestAccessibility::tablePositions()
{
    QFETCH(int, cell);
    QFETCH(int, row);
    QFETCH(int, column);
    Program p(67);
    BoardWindow* b = openFromMenu(p, "Command14", false);
    QAccessibleInterface* iface = a11y(b->cellButton(cell));
    QAccessibleInterface* grid = iface->parent();
    QVERIFY(grid && grid->isValid());
    QCOMPARE(grid->role(), QAccessible::Table);
    QAccessibleTableInterface* table = grid->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(table->columnCount(), 10);
    QCOMPARE(table->cellAt(row, column), iface);
    QVERIFY(!table->cellAt(10, column));
    QAccessibleTableCellInterface* position = iface->tableCellInterface();
    QVERIFY(position);
    QCOMPARE(position->rowIndex(), row);
    QCOMPARE(position->columnIndex(), column);
    QCOMPARE(position->table(), grid);
    QCOMPARE(grid->child(grid->indexOfChild(iface)), iface);
    // The grid stands among the other controls of the board, in place of its cells.
    QAccessibleInterface* area = grid->parent();
    QCOMPARE(area->object(), b->centralWidget());
    QCOMPARE(area->child(area->indexOfChild(grid)), grid);
    QCOMPARE(area->indexOfChild(iface), -1);
    // Pressed through its action, the asked cell is a right answer.
    QAccessibleInterface* askedCell = table->cellAt(asked(b) / 10, asked(b) % 10);
    QVERIFY(askedCell->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    askedCell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" 1"));
}

void TestAccessibility::readings_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name"); // empty: the label's text as shown
    QTest::newRow("Esatti") << "Command7" << names::kEsatti << "Esatti 2";
    QTest::newRow("Errati") << "Command7" << names::kErrati << "Errati 1";
    QTest::newRow("happy face") << "Command7" << names::kFaceHappy
                                << "faccina contenta: risposta esatta";
    QTest::newRow("sad face") << "Command7" << names::kFaceSad
                              << "faccina triste: risposta sbagliata";
    QTest::newRow("number to find") << "Command14" << names::kTask << "";
    QTest::newRow("task") << "Command5" << names::kTask << "";
}

void TestAccessibility::readings()
{
    QFETCH(QString, board);
    QFETCH(QString, control);
    QFETCH(QString, name);
    Program p(71);
    BoardWindow* b = openFromMenu(p, board.toLatin1().constData(), false);
    answer(b, true);
    answer(b, false);
    answer(b, true);
    auto* widget = child(b, control.toLatin1().constData());
    QAccessibleInterface* iface = a11y(widget);
    const auto* label = qobject_cast<QLabel*>(widget);
    QCOMPARE(iface->text(QAccessible::Name), name.isEmpty() ? label->text() : name);
    if (control.startsWith(QStringLiteral("Etichetta")) && name.contains(u' ')) {
        const auto labels = iface->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), name.section(u' ', 0, 0));
    }
}

void TestAccessibility::answerBoxPressAnswers_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("typed"); // empty: the right answer
    QTest::addColumn<QString>("esatti");
    QTest::addColumn<QString>("errati");
    QTest::newRow("right") << true << ""
                           << " 1"
                           << "0";
    QTest::newRow("wrong") << false << "abc1"
                           << "0"
                           << " 1";
    QTest::newRow("empty") << false << ""
                           << "0"
                           << "0";
}

void TestAccessibility::answerBoxPressAnswers()
{
    QFETCH(bool, right);
    QFETCH(QString, typed);
    QFETCH(QString, esatti);
    QFETCH(QString, errati);
    for (const char* board : {"Command7", "Command8"}) {
        Program p(73);
        BoardWindow* b = openFromMenu(p, board, true);
        QAccessibleInterface* box = a11y(child(b, names::kAnswerBox));
        QCOMPARE(box->role(), QAccessible::EditableText);
        QVERIFY(box->state().editable);
        const QString text = right ? QString::number(askedNumber(b)) : typed;
        box->editableTextInterface()->insertText(0, text);
        QCOMPARE(box->text(QAccessible::Value), text);
        QCOMPARE(box->textInterface()->text(0, box->textInterface()->characterCount()), text);
        QVERIFY(box->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        box->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(labelText(b, names::kEsatti), esatti);
        QCOMPARE(labelText(b, names::kErrati), errati);
    }
}

void TestAccessibility::eventsPerAnswer_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<bool>("waiting");
    QTest::addColumn<bool>("right");
    QTest::newRow("recognise, right, automatic") << "Command7" << false << true;
    QTest::newRow("recognise, right, waiting") << "Command7" << true << true;
    QTest::newRow("recognise, wrong") << "Command7" << true << false;
    QTest::newRow("recognise above 99, right, automatic") << "Command8" << false << true;
    QTest::newRow("find, right, automatic") << "Command14" << false << true;
    QTest::newRow("find above 99, right, waiting") << "Command9" << true << true;
    QTest::newRow("addition, right, automatic") << "Command3" << false << true;
    QTest::newRow("subtraction, wrong") << "Command6" << true << false;
}

void TestAccessibility::eventsPerAnswer()
{
    QFETCH(QString, board);
    QFETCH(bool, waiting);
    QFETCH(bool, right);
    Program p(79);
    BoardWindow* b = openFromMenu(p, board.toLatin1().constData(), waiting);
    answer(b, false); // the counters have been shown once
    std::bitset<BoardFrame::kCellCount> changed;
    connect(&b->frame(), &BoardFrame::changed, b, [&] { changed |= b->frame().changedCells(); });
    heard.clear();
    answer(b, right);
    // On the cells: at most one name, one description and one state event per changed cell,
    // none on the others (focus moves aside).
    QMap<std::pair<QObject*, int>, int> onCells;
    int elsewhere = 0;
    int focusMoves = 0;
    bool counter = false;
    for (const Heard& h : heard) {
        focusMoves += h.type == QAccessible::Focus;
        auto* cell = qobject_cast<CellButton*>(h.object);
        if (cell && h.type != QAccessible::Focus) {
            const int i = b->centralWidget()->findChild<BoardGrid*>()->indexOf(cell);
            QVERIFY2(i >= 0 && changed.test(static_cast<std::size_t>(i)), "unchanged cell");
            QVERIFY2(++onCells[std::pair(h.object, int(h.type))] == 1, "repeated event");
        }
        elsewhere += !cell;
        counter |= h.type == QAccessible::NameChanged &&
                   h.object == child(b, right ? names::kEsatti : names::kErrati);
    }
    qInfo("%s: %lld events, %lld on %zu changed cells", QTest::currentDataTag(),
          qlonglong(heard.size()), qlonglong(heard.size() - elsewhere), changed.count());
    QVERIFY(counter);
    QVERIFY(elsewhere <= 10);
    // A magnifier follows the focus: to the clicked cell, then at most to "avanti", never
    // from cell to cell while they lock.
    QVERIFY2(focusMoves <= 2, qPrintable(QString::number(focusMoves)));
    // A new question on a recognise board is announced on its cell.
    if (board != QStringLiteral("Command14") && b->frame().askedCell() && right) {
        QVERIFY(std::ranges::any_of(heard, [&](const Heard& h) {
            return h.type == QAccessible::DescriptionChanged &&
                   h.object == b->cellButton(*b->frame().askedCell());
        }));
    }
}

void TestAccessibility::focusEventsFollowTheFocus()
{
    Program p(83);
    BoardWindow* b = openFromMenu(p, "Command14", false);
    QVERIFY(QTest::qWaitForWindowActive(b));
    for (QWidget* w :
         {static_cast<QWidget*>(b->cellButton(57)), static_cast<QWidget*>(b->cellButton(58)),
          static_cast<QWidget*>(b->cellButton(0))}) {
        heard.clear();
        w->setFocus(Qt::TabFocusReason);
        const auto focus = std::ranges::find_if(
            heard, [](const Heard& h) { return h.type == QAccessible::Focus; });
        QVERIFY(focus != heard.end());
        QCOMPARE(focus->object, w);
        QAccessibleInterface* iface = a11y(w);
        QVERIFY(iface->isValid());
        QVERIFY(iface->state().focused);
        QCOMPARE(iface->parent()->focusChild(), iface);
        QVERIFY(iface->rect().contains(w->mapToGlobal(w->rect().center())));
    }
}

void TestAccessibility::whoIsPlayingOverTheBus()
{
    QTemporaryDir classes;
    for (const auto& [name, lines] :
         {std::pair("3A.txt", "Luca\nGiulia\n"), std::pair("3B.txt", "Sara\n")}) {
        QFile file(classes.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(lines) > 0);
    }
    LaunchOptions options;
    options.classesDir = classes.path();
    Program p(89, options);
    p.app.main();
    QTRY_VERIFY_WITH_TIMEOUT(p.app.whoIsPlaying().classListsRead(), 10000); // read off the window's thread
    p.app.startWindow()->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    const auto button = [](QWidget* window, const char* name, int position) {
        return window->findChild<QAbstractButton*>(names::of(name, position));
    };
    ClassWindow* chooser = p.app.whoIsPlaying().classWindow();
    QCOMPARE(busName(chooser), QStringLiteral("Quale classe?"));
    QCOMPARE(busName(button(chooser, names::kClassButton, 1)), QStringLiteral("3B"));
    QVERIFY(pressOverBus(button(chooser, names::kClassButton, 0)));
    QTRY_VERIFY(p.app.whoIsPlaying().pupilWindow());
    QCOMPARE(busName(p.app.whoIsPlaying().pupilWindow()), QStringLiteral("Chi sei? – classe 3A"));
    QCOMPARE(busName(button(p.app.whoIsPlaying().pupilWindow(), names::kPupilButton, 0)),
             QStringLiteral("Luca, croce azzurra"));
    QCOMPARE(busName(button(p.app.whoIsPlaying().pupilWindow(), names::kPupilButton, 1)),
             QStringLiteral("Giulia, quadrato verde"));
    QVERIFY(pressOverBus(button(p.app.whoIsPlaying().pupilWindow(), names::kPupilButton, 1)));
    QTRY_VERIFY(p.app.whoIsPlaying().pupil());
    QCOMPARE(p.app.whoIsPlaying().pupil()->name, QStringLiteral("Giulia"));
    auto* cambia =
        p.app.menuWindow()->findChild<QAbstractButton*>(names::of(names::kCambiaBambino));
    QCOMPARE(busName(cambia), QStringLiteral("Cambia bambino"));
    QVERIFY(pressOverBus(cambia));
    QTRY_VERIFY(!p.app.whoIsPlaying().pupil());
    QVERIFY(p.app.whoIsPlaying().pupilWindow());
}

void TestAccessibility::gamesThroughTheBus_data()
{
    QTest::addColumn<QString>("board");
    QTest::newRow("the game") << "Command10";
    QTest::newRow("the hidden numbers") << "Command11";
}

/// One turn of each game as a screen reader's user plays it: what the cells, the die and the
/// answer box tell, and their actions.
void TestAccessibility::gamesThroughTheBus()
{
    QFETCH(QString, board);
    Program p(89);
    BoardWindow* b = openFromMenu(p, board.toLatin1().constData(), false);
    QAccessibleTableInterface* table = a11y(b->cellButton(0))->parent()->tableInterface();
    const auto cellsNamed = [&](const QString& part) {
        QList<int> found;
        for (int i = 0; i < BoardFrame::kCellCount; ++i) {
            QAccessibleInterface* cell = table->cellAt(i / 10, i % 10);
            if (cell->text(QAccessible::Name).contains(part))
                found.append(cell->tableCellInterface()->rowIndex() * 10 +
                             cell->tableCellInterface()->columnIndex());
        }
        return found;
    };
    const auto press = [](QAccessibleInterface* iface) {
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    if (board == QStringLiteral("Command10")) {
        QCOMPARE(cellsNamed(QStringLiteral("pedina cerchio")), QList<int>{0});
        QCOMPARE(a11y(b->cellButton(4))->text(QAccessible::Name), u"4, scala fino a 14"_qs);
        QAccessibleInterface* die = a11y(child(b, names::kDie));
        QCOMPARE(die->text(QAccessible::Name), u"dado, da lanciare"_qs);
        heard.clear();
        press(a11y(child(b, names::kLancia))); // a button is pressed as if by the pointer
        QTRY_VERIFY(die->text(QAccessible::Name).contains(u':'));
        const int pips = die->text(QAccessible::Name).section(u' ', 1).toInt();
        QVERIFY(pips >= 1 && pips <= 6);
        QVERIFY(std::ranges::any_of(heard, [&](const Heard& h) {
            return h.object == child(b, names::kDie) && h.type == QAccessible::NameChanged;
        }));
        heard.clear();
        press(table->cellAt(pips / 10, pips % 10));
        QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" 1"));
        const int square = pips == 4 ? 14 : pips;
        QCOMPARE(cellsNamed(QStringLiteral("pedina cerchio")), QList<int>{square});
        for (int moved : {0, square}) {
            QVERIFY(std::ranges::any_of(heard, [&](const Heard& h) {
                return h.object == b->cellButton(moved) && h.type == QAccessible::NameChanged;
            }));
        }
        return;
    }
    const QList<int> covered = cellsNamed(QStringLiteral("casella coperta"));
    QCOMPARE(covered.size(), 18); // a row and a column, less the one asked
    const int pick = covered.first();
    press(table->cellAt(pick / 10, pick % 10));
    QCOMPARE(a11y(b->cellButton(pick))->text(QAccessible::Description),
             QString::fromUtf16(kAskedDescription));
    QAccessibleInterface* box = a11y(child(b, names::kAnswerBox));
    box->editableTextInterface()->insertText(0, QString::number(pick));
    press(box);
    QCOMPARE(labelText(b, names::kEsatti), QStringLiteral(" 1"));
    QCOMPARE(a11y(b->cellButton(pick))->text(QAccessible::Name), QString::number(pick));
    QCOMPARE(cellsNamed(QStringLiteral("casella coperta")).size(), 17);
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
#include "ui/design/names.h"
