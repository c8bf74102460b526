#include "ui/windows/boardwindow.h"

#include "core/base/runtime.h"
#include "core/board/programstate.h"
#include "core/board/texts.h"
#include "ui/access/boardaccessibility.h"
#include "ui/design/designarea.h"
#include "ui/design/fonts.h"
#include "ui/design/names.h"
#include "ui/input/answerbox.h"
#include "ui/input/keyboard.h"
#include "ui/input/keypad.h"
#include "ui/windows/boardgame.h"
#include "ui/windows/dialogs.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>

namespace {

std::optional<Level> levelOf(BoardCommand command)
{
    switch (command) {
    case BoardCommand::Facile:
        return Level::Facile;
    case BoardCommand::Media:
        return Level::Media;
    case BoardCommand::Difficile:
        return Level::Difficile;
    default:
        return std::nullopt;
    }
}

std::optional<int> playersOf(BoardCommand command)
{
    if (command == BoardCommand::OnePlayer)
        return 1;
    if (command == BoardCommand::TwoPlayers)
        return 2;
    return std::nullopt;
}

/// Whether a menu item that chooses among others is ticked now.
std::optional<bool> tickOf(const BoardFrame& frame, BoardCommand command)
{
    if (const auto level = levelOf(command))
        return frame.level() == level;
    if (const auto players = playersOf(command)) {
        const auto* game = frame.rules<CountOnGame>();
        return game && game->players() == players;
    }
    return std::nullopt;
}

} // namespace

BoardWindow::BoardWindow(WindowHost& host, const BoardDesign& design,
                         std::unique_ptr<BoardFrame> frame, Dialogs& dialogs, BoardExtras extras)
    : ProgramWindow(host), frame_(std::move(frame)), dialogs_(dialogs)
{
    const bool keypad = extras.keypad && listsControl(design.controls, names::kAnswerBox);
    const bool column = keypad || extras.speaker;
    area_ = new DesignArea({runtime::twips(design.width + (column ? kKeypadColumn : 0)),
                            runtime::twips(design.height)},
                           this);
    installBoardAccessibility();
    setObjectName(QString::fromLatin1(design.name));
    setAccessibleName(QStringLiteral("Quadena dei numeri"));
    setCentralWidget(area_);

    for (int i = 0; i < BoardFrame::kCellCount; ++i) {
        auto* cell = static_cast<CellButton*>(area_->add(cellRow(i, design.cellPoints)));
        cells_.at(static_cast<std::size_t>(i)) = cell;
        connect(cell, &QPushButton::clicked, this, [this, i] { frame_->clickCell(i); });
    }
    area_->addAll(commonBoardControls());
    area_->addAll(design.controls);
    esatti_ = control<QLabel>(area_, names::kEsatti);
    errati_ = control<QLabel>(area_, names::kErrati);
    faceHappy_ = control<QWidget>(area_, names::kFaceHappy);
    faceSad_ = control<QWidget>(area_, names::kFaceSad);
    task_ = optionalControl<QLabel>(area_, design.controls, names::kTask);
    avanti_ = optionalControl<QToolButton>(area_, design.controls, names::kAvanti);
    if (avanti_)
        connect(avanti_, &QToolButton::clicked, frame_.get(), &BoardFrame::avanti);

    hundreds_ = optionalControl<QScrollBar>(area_, design.controls, names::kHundreds);
    if (hundreds_) {
        hundreds_->setRange(0, 9);
        hundreds_->setSingleStep(1);
        hundreds_->setPageStep(1);
        connect(hundreds_, &QScrollBar::valueChanged, frame_.get(), &BoardFrame::setHundreds);
    }
    answer_ = optionalControl<AnswerBox>(area_, design.controls, names::kAnswerBox);
    if (answer_)
        connect(answer_, &AnswerBox::submitted, frame_.get(), &BoardFrame::typedAnswer);
    if (keypad) {
        auto* keys = static_cast<OnScreenKeypad*>(area_->add(keypadRow(design)));
        keys->setBox(answer_);
        connect(keys, &OnScreenKeypad::confirmed, answer_, &AnswerBox::submit);
        connect(frame_.get(), &BoardFrame::judged, keys, [keys](int, bool right) {
            if (!right)
                keys->keepUntilNextDigit();
        });
    }
    if (extras.speaker) {
        auto* listen = static_cast<QPushButton*>(area_->add(speakerRow(design, keypad)));
        connect(listen, &QPushButton::clicked, this, &BoardWindow::listenRequested);
        auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
        connect(f5, &QShortcut::activated, this, &BoardWindow::listenRequested);
    }
    keys_ =
        new BoardKeys(this, {cells_.begin(), cells_.end()}, avanti_, answer_ != nullptr, hundreds_);

    // The designs space the items with trailing blanks; at the menu font of the designs all
    // items stay on the bar, with none pushed behind the extension arrow.
    menuBar()->setFont(makeFont({FontFamily::MsSansSerif, 8.25, false}));
    addMenuItems(menuBar(), design.menu);
    for (int i = 0; i < BoardFrame::kCellCount; ++i)
        showCell(i);
    showChanges(BoardChange::Colour | BoardChange::Counters | BoardChange::Face |
                BoardChange::Task | BoardChange::Avanti | BoardChange::Level |
                BoardChange::Hundreds | BoardChange::AnswerBox);
    connect(frame_.get(), &BoardFrame::changed, this, &BoardWindow::showChanges);
    if (frame_->rules<CountOnGame>())
        new BoardGame(*frame_, cells_, area_);
    // Assistive technology: after the window has shown each change.
    new BoardGrid(*frame_, cells_, area_);
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::addMenuItems(QWidget* menu, std::span<const MenuItemRow> items)
{
    for (const MenuItemRow& item : items) {
        const QString caption = QString::fromUtf16(item.caption);
        QAction* action = nullptr;
        if (!item.submenu.empty()) {
            auto* submenu = new QMenu(caption, menu);
            submenu->setObjectName(QString::fromLatin1(item.name) + QStringLiteral("Menu"));
            addMenuItems(submenu, item.submenu);
            action = submenu->menuAction();
            menu->addAction(action);
        } else {
            action = new QAction(caption, menu);
            menu->addAction(action);
            connect(action, &QAction::triggered, this,
                    [this, command = item.command] { run(command); });
        }
        action->setObjectName(QString::fromLatin1(item.name));
        action->setCheckable(levelOf(item.command) || playersOf(item.command));
        actions_.emplace_back(item.command, action);
    }
}

QAction* BoardWindow::menuAction(BoardCommand command) const
{
    for (const auto& [itemCommand, action] : actions_) {
        if (itemCommand == command)
            return action;
    }
    return nullptr;
}

void BoardWindow::activated()
{
    if (!setUpDone_ || frame_->setUpOnEveryActivation()) {
        frame_->setUp();
        setUpDone_ = true;
    }
}

void BoardWindow::run(BoardCommand command)
{
    switch (command) {
    case BoardCommand::Azzera:
        frame_->azzeraConteggio();
        break;
    case BoardCommand::NumeroMassimo:
        askMaximum();
        break;
    case BoardCommand::Stampa:
        emit stampaRequested();
        break;
    case BoardCommand::Informazioni:
        mostraInformazioni(dialogs_, this);
        break;
    case BoardCommand::Facile:
    case BoardCommand::Media:
    case BoardCommand::Difficile:
        frame_->setLevel(*levelOf(command));
        break;
    case BoardCommand::OnePlayer:
    case BoardCommand::TwoPlayers:
        frame_->setPlayers(*playersOf(command));
        break;
    case BoardCommand::Quadena:
    case BoardCommand::Giocatori:
        break;
    case BoardCommand::Esci:
        if (dialogs_.messageBox(this, QString::fromUtf16(texts::kBackToMenu),
                                MessageStyle::Question) == Answer::Yes) {
            emit esciConfirmed();
        }
        break;
    }
}

void BoardWindow::askMaximum()
{
    const QString answer = dialogs_.inputBox(this, QString::fromUtf16(texts::kMaximumPrompt),
                                             QString::number(frame_->programState().numeroMassimo));
    if (!frame_->numeroMassimo(answer))
        dialogs_.messageBox(this, QString::fromUtf16(texts::kRefused), MessageStyle::Critical);
}

void BoardWindow::showCell(int i)
{
    const Cell& c = frame_->cell(i);
    CellButton* button = cells_.at(static_cast<std::size_t>(i));
    button->setText(c.caption);
    button->setFaceColour(toColor(c.colour));
    button->setEnabled(c.enabled);
    button->setVisible(c.visible);
    button->setTrack(c.track);
    button->setTokens(c.tokens);
}

void BoardWindow::showAvanti()
{
    avanti_->setVisible(frame_->avantiVisible());
    avanti_->setEnabled(frame_->avantiEnabled());
    keys_->waitChanged(frame_->waiting());
}

void BoardWindow::showChanges(BoardChanges what)
{
    const BoardFrame& f = *frame_;
    if (what & BoardChange::Colour)
        setBackground(area_, f.windowColour());
    // A wait that starts takes the focus to "avanti" before the cells lock, so that the focus
    // does not hop from one cell being locked to the next; a wait that ends gives it back
    // once the cells are free.
    const bool avantiChanged = avanti_ && (what & BoardChange::Avanti);
    if (avantiChanged && f.waiting())
        showAvanti();
    if (what & BoardChange::Cells) {
        const auto& changed = f.changedCells();
        for (int i = 0; i < BoardFrame::kCellCount; ++i) {
            if (changed.test(static_cast<std::size_t>(i)))
                showCell(i);
        }
    }
    if (what & BoardChange::Counters) {
        esatti_->setText(f.esattiText());
        errati_->setText(f.erratiText());
    }
    if (what & BoardChange::Face) {
        faceHappy_->setVisible(f.face() == Face::Happy);
        faceSad_->setVisible(f.face() == Face::Sad);
    }
    if (task_ && (what & BoardChange::Task))
        task_->setText(f.taskText());
    if (avantiChanged && !f.waiting())
        showAvanti();
    if (what & BoardChange::Level) {
        for (const auto& [command, action] : actions_) {
            if (const auto ticked = tickOf(f, command))
                action->setChecked(*ticked);
        }
    }
    if (hundreds_ && f.hundreds() && (what & BoardChange::Hundreds)) {
        const QSignalBlocker quiet(hundreds_);
        hundreds_->setValue(*f.hundreds());
    }
    if (!answer_)
        return;
    if (what & BoardChange::AnswerBox)
        answer_->setEnabled(f.answerEnabled());
    if (what & BoardChange::Question) {
        answer_->clear();
        if (f.answerEnabled())
            answer_->setFocus();
    }
}
