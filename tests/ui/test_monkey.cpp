// A monkey on the whole program: from fixed seeds it clicks, types, presses keys, runs menu
// commands, moves the scroll bar, activates and closes windows on whatever is on screen, and
// after every event checks the rules that hold whatever the child has done.
#include "core/base/runtime.h"
#include "core/board/catalogue.h"
#include "core/board/programstate.h"
#include "core/records/results.h"
#include "core/sheets/gridsheets.h"
#include "monkey_hands.h"
#include "program.h"
#include "ui/design/fonts.h"
#include "ui/design/names.h"
#include "ui/windows/worksheetwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <algorithm>
#include <set>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

QString counterBroken(BoardWindow* b, const char* label, qint16 count)
{
    const QString text = labelText(b, label);
    if (count < 0 || (text != runtime::numberText(count) && (count != 0 || text != u"0")))
        return QStringLiteral("%1 shows \"%2\", counted %3").arg(label, text).arg(count);
    return {};
}

QString sheetBroken(WorksheetWindow* w)
{
    auto* box = w->findChild<QPlainTextEdit*>(QStringLiteral("txtCD"));
    if (box->document()->isModified())
        return {}; // the child has edited the sheet
    static const QRegularExpression exercise(QStringLiteral("\\d+ [+-] +\\d+ = ______"));
    int rows = 0;
    for (const QString& line : box->toPlainText().split(u'\n')) {
        int n = 0;
        for (auto it = exercise.globalMatch(line); it.hasNext(); it.next())
            ++n;
        if (n != 0 && n != 3)
            return QStringLiteral("a worksheet row of %1 exercises: %2").arg(n).arg(line);
        rows += n == 3;
    }
    return rows == 20 ? QString() : QStringLiteral("a worksheet of %1 rows").arg(rows);
}

/// The program with the monkey's generator behind its dialogs, and the monkey's hands.
class Monkey {
  public:
    /// Odd seeds show the on-screen keypad.
    explicit Monkey(std::uint32_t seed)
        : rng_(seed), random_({}, seed), dialogs_(rng_, log_),
          app_(random_, sounds_, dialogs_, printer_,
               {.keypad = seed % 2 ? Keypad::Shown : Keypad::Hidden})
    {
        liveLog = &log_;
    }
    ~Monkey() { liveLog = nullptr; }
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    void start()
    {
        log_.add(QStringLiteral("program started"));
        app_.main();
        settle();
    }
    /// One user event, then the events it posted; the program starts again once it has ended.
    void step();
    /// The first rule broken, or nothing.
    QString broken();
    const EventLog& log() const { return log_; }
    const RunRecord& record() const { return app_.record(); }

  private:
    template <typename List> auto any(const List& list) { return list.at(pick(list.size())); }
    qsizetype pick(qsizetype n) { return n <= 0 ? 0 : static_cast<qsizetype>(rng_() % n); }
    Action drawAction();
    /// The program's windows on screen, in an order that does not change from run to run.
    QList<ProgramWindow*> shownWindows() const;
    QList<QWidget*> targets(bool withCells) const;
    /// The focused control, or else any control, as keys reach it.
    QWidget* keyTarget();
    void click(QWidget* w);
    void type(QWidget* w, const QString& text);
    void key(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    void answerRight(BoardWindow* board);
    void runMenu();
    void scroll(QScrollBar* bar);
    void noteActivations(ProgramWindow* before, BoardWindow* boardBefore);
    QString boardBroken(BoardWindow* b);
    QString recogniseBroken(BoardWindow* b);
    QString gameBroken(BoardWindow* b);
    QString recordBroken() const;

    EventLog log_;
    std::mt19937 rng_;
    ScriptedRandom random_;
    RecordingSounds sounds_;
    RandomDialogs dialogs_;
    RecordingPrinter printer_;
    Application app_;
    QPointer<BoardWindow> tracked_;
    bool setUpAgain_ = false;
    bool unseenQuestion_ = false;
    std::set<int> askedOnBoard_;
    qsizetype soundsAtClear_ = 0;
};

Action Monkey::drawAction()
{
    int total = 0;
    for (int weight : kWeights)
        total += weight;
    auto r = static_cast<int>(pick(total));
    for (std::size_t i = 0; i < kWeights.size(); ++i) {
        if ((r -= kWeights.at(i)) < 0)
            return static_cast<Action>(i);
    }
    return Action::Click;
}

QList<ProgramWindow*> Monkey::shownWindows() const
{
    QList<ProgramWindow*> shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<ProgramWindow*>(w);
        if (window && window->isVisible() && window->isEnabled())
            shown.append(window);
    }
    std::sort(shown.begin(), shown.end(),
              [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
    return shown;
}

QList<QWidget*> Monkey::targets(bool withCells) const
{
    QList<QWidget*> found;
    for (ProgramWindow* window : shownWindows()) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->isVisible() && w->isEnabled() && !w->isWindow() && !inMenuBar(w) &&
                (withCells || !qobject_cast<CellButton*>(w)))
                found.append(w);
        }
    }
    return found;
}

QWidget* Monkey::keyTarget()
{
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->isVisible() && shownWindows().contains(focus->window()))
        return focus;
    const QList<QWidget*> all = targets(true);
    return all.isEmpty() ? nullptr : any(all);
}

void Monkey::click(QWidget* w)
{
    const QPoint at(static_cast<int>(pick(w->width())), static_cast<int>(pick(w->height())));
    log_.add(QStringLiteral("click %1 at %2,%3").arg(nameOf(w)).arg(at.x()).arg(at.y()));
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

void Monkey::type(QWidget* w, const QString& text)
{
    log_.add(QStringLiteral("type %1 into %2").arg(quoted(text), nameOf(w)));
    if (text.size() <= 20 &&
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; }))
        QTest::keyClicks(w, text);
    else // a long or non-ASCII text arrives in one event, as from an input method
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, text, Qt::NoModifier);
}

void Monkey::key(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    log_.add(
        QStringLiteral("key %1 on %2").arg(QKeySequence(key | modifiers).toString(), nameOf(w)));
    QTest::keyClick(w, key, modifiers);
}

/// What a child who knows the answer does: "avanti" while waiting, else the right answer.
void Monkey::answerRight(BoardWindow* board)
{
    const BoardFrame& m = board->frame();
    if (m.waiting()) {
        click(avanti(board));
        return;
    }
    const ProgramState& s = m.programState();
    if (const auto* game = m.rules<CountOnGame>(); game && game->rolled() == 0) {
        click(board->findChild<QPushButton*>(names::of(names::kLancia)));
        return;
    }
    if (auto* text = board->findChild<QLineEdit*>(names::of(names::kAnswerBox))) {
        key(text, Qt::Key_A, Qt::ControlModifier);
        type(text, QString::number(m.hundreds().value_or(0) * 100 + s.numeroCercato));
        key(text, Qt::Key_Return);
        return;
    }
    int cell = m.level() ? s.numeroCercato : s.risultato;
    if (auto* bar = board->findChild<QScrollBar*>(names::of(names::kHundreds))) {
        log_.add(QStringLiteral("scroll bar set to %1").arg(cell / 100));
        bar->setValue(cell / 100);
        cell %= 100;
    }
    click(board->cellButton(cell));
}

void Monkey::runMenu()
{
    QList<QAction*> actions;
    for (ProgramWindow* window : shownWindows()) {
        if (auto* bar = window->findChild<QMenuBar*>()) {
            for (QAction* a : bar->actions()) {
                actions.append(a);
                if (a->menu())
                    actions.append(a->menu()->actions());
            }
        }
    }
    if (actions.isEmpty())
        return;
    QAction* a = any(actions);
    log_.add(QStringLiteral("menu %1").arg(a->objectName()));
    if (a->isEnabled())
        a->trigger();
}

void Monkey::scroll(QScrollBar* bar)
{
    if (pick(2) == 0) {
        const int value = static_cast<int>(pick(12)) - 1;
        log_.add(QStringLiteral("scroll bar set to %1").arg(value));
        bar->setValue(value);
        return;
    }
    static constexpr std::array keys{Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                                     Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    key(bar, any(keys));
}

void Monkey::step()
{
    // Either may be destroyed by the event.
    const QPointer<ProgramWindow> before = app_.host().current();
    const QPointer<BoardWindow> boardBefore = app_.boardWindow();
    BoardWindow* board = boardBefore && boardBefore->isVisible() ? boardBefore : nullptr;
    const QList<ProgramWindow*> shown = shownWindows();
    const Action action = drawAction();
    if (action == Action::Click || action == Action::ClickControl) {
        const QList<QWidget*> all = targets(action == Action::Click);
        if (!all.isEmpty())
            click(any(all));
    } else if (action == Action::AnswerRight && board) {
        answerRight(board);
    } else if (action == Action::Menu) {
        runMenu();
    } else if (action == Action::Type || action == Action::Key) {
        if (QWidget* w = keyTarget(); w && action == Action::Type)
            type(w, randomText(rng_));
        else if (w && pick(5) == 0)
            key(w, any(kControlKeys), Qt::ControlModifier);
        else if (w)
            key(w, any(kKeys));
    } else if (action == Action::Scroll && board) {
        if (auto* bar = board->findChild<QScrollBar*>(names::of(names::kHundreds)))
            scroll(bar);
    } else if (action == Action::Activate && !shown.isEmpty()) {
        ProgramWindow* w = any(shown); // the child clicks on another window
        log_.add(QStringLiteral("activate %1").arg(w->objectName()));
        w->activateWindow();
    } else if (action == Action::Close && !shown.isEmpty()) {
        ProgramWindow* w = any(shown);
        log_.add(QStringLiteral("close %1").arg(w->objectName()));
        if (pick(2) == 0) {
            w->close();
        } else {
            QCloseEvent event;
            QApplication::sendEvent(w, &event);
        }
    }
    settle();
    if (dialogs_.lastYes == u"Vuoi cancellare tutti i risultati?")
        soundsAtClear_ = sounds_.played.size();
    dialogs_.lastYes.clear();
    if (shownWindows().isEmpty())
        start();
    noteActivations(before, boardBefore);
}

/// Every answer sounds once, the wrong ones with "no": the record holds as many of each
/// since it was last cleared.
QString Monkey::recordBroken() const
{
    quint64 right = 0, wrong = 0;
    for (const BoardEntry& b : boardCatalogue()) {
        right += app_.record().totals(b.kind).right;
        wrong += app_.record().totals(b.kind).wrong;
    }
    const auto since = sounds_.played.mid(soundsAtClear_);
    const auto no = static_cast<quint64>(since.count(Sound::No));
    if (right == quint64(since.size()) - no && wrong == no)
        return {};
    return QStringLiteral("the record holds %1 right and %2 wrong, the board sounded %3 and %4")
        .arg(right)
        .arg(wrong)
        .arg(quint64(since.size()) - no)
        .arg(no);
}

/// A board whose set-up ran again since it opened may keep the red cells of the questions
/// that set-up skipped.
void Monkey::noteActivations(ProgramWindow* before, BoardWindow* boardBefore)
{
    BoardWindow* board = app_.boardWindow();
    if (tracked_ != board) {
        tracked_ = board;
        setUpAgain_ = false;
        // Opened above the teacher's page, a board is activated again as the page hides: the
        // question of its first set-up was never seen.
        unseenQuestion_ = board && board->frame().tasksDrawn() > 1;
        askedOnBoard_.clear();
    } else if (board && board == boardBefore && before != board && app_.host().current() == board) {
        setUpAgain_ = true;
    }
    if (board)
        askedOnBoard_.insert(board->frame().programState().numeroCercato);
}

QString Monkey::broken()
{
    int open = 0;
    for (ProgramWindow* w : shownWindows()) {
        open += qobject_cast<StartWindow*>(w) || qobject_cast<MenuWindow*>(w) ||
                qobject_cast<BoardWindow*>(w);
        if (auto* sheet = qobject_cast<WorksheetWindow*>(w)) {
            if (QString e = sheetBroken(sheet); !e.isEmpty())
                return e;
        }
    }
    if (open > 1)
        return QStringLiteral("%1 of start window, main menu and board open").arg(open);
    if (QString e = recordBroken(); !e.isEmpty())
        return e;
    BoardWindow* b = app_.boardWindow();
    return b && b->isVisible() ? boardBroken(b) : QString();
}

QString Monkey::boardBroken(BoardWindow* b)
{
    const BoardFrame& m = b->frame();
    const ProgramState& s = m.programState();
    QString e = counterBroken(b, names::kEsatti, s.quantiEsatti);
    if (e.isEmpty())
        e = counterBroken(b, names::kErrati, s.quantiErrati);
    if (!e.isEmpty())
        return e;
    const QString wait = QStringLiteral("waiting %1 but %2 enabled").arg(m.waiting());
    if (QToolButton* next = avanti(b); next && m.waiting() != next->isEnabled())
        return wait.arg(QStringLiteral("avanti %1").arg(next->isEnabled()));
    auto* text = b->findChild<QLineEdit*>(names::of(names::kAnswerBox));
    if (text && text->isEnabled() == m.waiting())
        return wait.arg(QStringLiteral("Text1 %1").arg(text->isEnabled()));
    for (int i = 0; i < BoardFrame::kCellCount && !m.waiting(); ++i) {
        if (b->cellButton(i)->isVisible() && !b->cellButton(i)->isEnabled())
            return QStringLiteral("cell %1 disabled outside a wait").arg(i);
    }
    if (b->objectName() == u"Form100Trova" && !m.waiting()) {
        const int n = s.numeroCercato;
        if (n > s.numeroMassimo || isRed(b->cellButton(n)) ||
            labelText(b, names::kTask) != runtime::numberText(n))
            return QStringLiteral("number to find %1 above the maximum, red or not shown").arg(n);
    }
    if (QString e = gameBroken(b); !e.isEmpty())
        return e;
    return recogniseBroken(b);
}

/// The game's tokens stand within the maximum on the cells that tell them, and "Lancia" takes
/// a roll exactly when none is to be answered; the hidden numbers always ask a covered cell;
/// the counted cells are the count in steps so far, all of it once it is over.
QString Monkey::gameBroken(BoardWindow* b)
{
    const BoardFrame& m = b->frame();
    const int maximum = m.programState().numeroMassimo;
    if (const auto* game = m.rules<CountOnGame>()) {
        for (int i = 0; i < BoardFrame::kCellCount; ++i) {
            quint8 tokens = 0;
            for (int p = 0; p < game->players(); ++p)
                tokens |= game->square(p) == i ? quint8(1U << p) : quint8(0);
            if (b->cellButton(i)->tokens() != tokens || (tokens && i > maximum))
                return QStringLiteral("cell %1 tells tokens %2 of %3").arg(i).arg(tokens);
        }
        const bool canRoll = game->rolled() == 0 && !m.waiting();
        if (b->findChild<QPushButton*>(names::of(names::kLancia))->isEnabled() != canRoll)
            return QStringLiteral("Lancia enabled %1, rolled %2").arg(!canRoll).arg(game->rolled());
    }
    if (m.rules<HiddenNumbersExercise>() && !m.waiting()) {
        const int n = m.programState().numeroCercato;
        if (n > maximum || !isRed(b->cellButton(n)) || !b->cellButton(n)->text().isEmpty())
            return QStringLiteral("asked hidden cell %1 not red, shown or above the maximum")
                .arg(n);
    }
    if (const auto* steps = m.rules<SkipCounting>()) {
        const int next = m.programState().numeroCercato;
        std::bitset<100> expected = countedCells(steps->step(), steps->start(), maximum);
        if (!steps->taskOver()) {
            if (!expected.test(std::size_t(next)) || next == steps->start())
                return QStringLiteral("next number %1 outside the count").arg(next);
            for (int i = next; i >= 0 && i <= maximum; i += steps->step())
                expected.reset(std::size_t(i));
        }
        for (int i = 0; i < BoardFrame::kCellCount; ++i) {
            const bool counted = b->cellButton(i)->faceColour() == toColor(colours::kCounted);
            if (counted != expected.test(std::size_t(i)))
                return QStringLiteral("cell %1 counted %2, next %3").arg(i).arg(counted).arg(next);
        }
    }
    return {};
}

QString Monkey::recogniseBroken(BoardWindow* b)
{
    const bool above = b->objectName() == u"Form100Ricon2";
    if (!above && b->objectName() != u"Form100Ricon")
        return {};
    const BoardFrame& m = b->frame();
    const int n = m.programState().numeroCercato;
    const CellButton* asked = b->cellButton(n);
    if (m.waiting()) {
        // The tenth right answer of a series has turned the board green.
        if (!isRed(asked) && m.rightInSeries() != 0)
            return QStringLiteral("answered cell %1 not red while waiting").arg(n);
    } else {
        // A level change may write the number of a help cell into the asked cell.
        const bool help = m.level() == Level::Media && (n < 10 || n % 10 == 0);
        if (!isRed(asked) || !asked->isVisible() || (!above && !help && !asked->text().isEmpty()))
            return QStringLiteral("asked cell %1 not red, hidden or with its number").arg(n);
        if (n > (above ? 98 : m.programState().numeroMassimo))
            return QStringLiteral("asked cell %1 above the highest").arg(n);
    }
    for (int i = 0; i < BoardFrame::kCellCount; ++i) {
        if (!isRed(b->cellButton(i)) || i == n)
            continue;
        // Cells answered in the series stay red; above 99 only the asked one is red, unless
        // a set-up run again skipped a question.
        if ((!askedOnBoard_.count(i) && !unseenQuestion_) || (above && !setUpAgain_))
            return QStringLiteral("cell %1 red besides the asked cell %2").arg(i).arg(n);
    }
    return {};
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void randomEvents_data();
    void randomEvents();
};

void TestMonkey::initTestCase()
{
    qtHandler = qInstallMessageHandler(quietHandler);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(printLogOnDeath);
#endif
}

void TestMonkey::randomEvents_data()
{
    QTest::addColumn<uint>("seed");
    QTest::addColumn<int>("events");
    for (const uint seed : {1u, 77u, 118u, 2024u})
        QTest::addRow("seed %u", seed) << seed << 5000;
}

void TestMonkey::randomEvents()
{
    QFETCH(uint, seed);
    QFETCH(int, events);
    {
        Monkey monkey(seed);
        monkey.start();
        for (int i = 0; i < events; ++i) {
            monkey.step();
            if (const QString e = monkey.broken(); !e.isEmpty()) {
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2, log entry %3: %4\n"
                                                "last events:\n%5")
                                     .arg(seed)
                                     .arg(i + 1)
                                     .arg(monkey.log().count())
                                     .arg(e, monkey.log().tail())));
            }
        }
        qInfo("right answers on the game %llu, on the hidden numbers %llu, counting in steps %llu",
              monkey.record().totals(BoardKind::Form100Gioco).right,
              monkey.record().totals(BoardKind::Form100Nascosti).right,
              monkey.record().totals(BoardKind::Form100Salti).right);
    }
    settle();
}

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
