#include "boardwindow.h"

#include "shell/designarea.h"
#include "shell/dialogs.h"
#include "shell/programstate.h"
#include "shell/runtime.h"
#include "shell/texts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
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

} // namespace

BoardWindow::BoardWindow(WindowHost& host, const BoardDesign& design,
                         std::unique_ptr<BoardModel> model, Dialogs& dialogs)
    : ProgramWindow(host), model_(std::move(model)), dialogs_(dialogs),
      area_(new DesignArea({runtime::twips(design.width), runtime::twips(design.height)}, this))
{
    setObjectName(QString::fromLatin1(design.name));
    setAccessibleName(QStringLiteral("Quadena dei numeri"));
    setCentralWidget(area_);

    for (int i = 0; i < BoardModel::kCellCount; ++i) {
        auto* cell = static_cast<CellButton*>(createControl(area_, cellSpec(i, design.cellPoints)));
        cells_.at(static_cast<std::size_t>(i)) = cell;
        connect(cell, &QPushButton::clicked, this, [this, i] {
            model_->clickCell(i);
            render();
        });
    }
    createControls(area_, commonBoardControls());
    createControls(area_, design.controls);
    esatti_ = control<QLabel>(area_, "EtichettaEsatti");
    errati_ = control<QLabel>(area_, "EtichettaErrati");
    faceHappy_ = control<QWidget>(area_, "ComandoIconaSi");
    faceSad_ = control<QWidget>(area_, "ComandoIconaNo");
    task_ = area_->findChild<QLabel*>(QStringLiteral("EtichettaNumero"));
    avanti_ = area_->findChild<QToolButton*>(QStringLiteral("BottoneAvanti"));
    if (avanti_) {
        connect(avanti_, &QToolButton::clicked, this, [this] {
            model_->avanti();
            render();
        });
    }

    hundreds_ = area_->findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    if (hundreds_) {
        hundreds_->setRange(0, 9);
        hundreds_->setSingleStep(1);
        hundreds_->setPageStep(1);
        connect(hundreds_, &QScrollBar::valueChanged, this, [this](int value) {
            model_->setHundreds(value);
            render();
        });
    }
    answer_ = area_->findChild<QLineEdit*>(QStringLiteral("Text1"));
    if (answer_)
        answer_->installEventFilter(this);

    // The designs space the items with trailing blanks; at the menu font of the designs all
    // items stay on the bar, with none pushed behind the extension arrow.
    menuBar()->setFont(makeFont({FontFamily::MsSansSerif, 8.25, false}));
    addMenuItems(menuBar(), design.menu);
    render();
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::addMenuItems(QWidget* menu, std::span<const MenuItemSpec> items)
{
    for (const MenuItemSpec& item : items) {
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
        action->setCheckable(levelOf(item.command).has_value());
        actions_.emplace_back(item.command, action);
    }
}

bool BoardWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != answer_)
        return ProgramWindow::eventFilter(watched, event);
    const auto isEnter = [event] {
        const auto* key = static_cast<QKeyEvent*>(event);
        return !key->isAutoRepeat() &&
               (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
    };
    switch (event->type()) {
    case QEvent::KeyPress:
        if (isEnter())
            enterPressedInAnswer_ = true;
        break;
    case QEvent::FocusOut:
        enterPressedInAnswer_ = false;
        break;
    case QEvent::KeyRelease:
        // The release of an Enter pressed elsewhere (closing a box) is not an answer.
        if (isEnter()) {
            if (std::exchange(enterPressedInAnswer_, false)) {
                model_->typedAnswer(answer_->text());
                render();
            }
            return true;
        }
        break;
    default:
        break;
    }
    return ProgramWindow::eventFilter(watched, event);
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
    if (!setUpDone_ || model_->setUpOnEveryActivation()) {
        model_->setUp();
        setUpDone_ = true;
    }
    render();
}

void BoardWindow::run(BoardCommand command)
{
    switch (command) {
    case BoardCommand::Azzera:
        model_->azzeraConteggio();
        break;
    case BoardCommand::NumeroMassimo:
        askMaximum();
        break;
    case BoardCommand::Stampa:
        model_->stampaScheda();
        emit stampaRequested();
        break;
    case BoardCommand::Informazioni:
        mostraInformazioni(dialogs_, this);
        break;
    case BoardCommand::Facile:
    case BoardCommand::Media:
    case BoardCommand::Difficile:
        model_->setLevel(*levelOf(command));
        break;
    case BoardCommand::Quadena:
        break;
    case BoardCommand::Esci:
        if (dialogs_.messageBox(this, QString::fromUtf16(texts::kBackToMenu),
                                MessageStyle::Question) == Answer::Yes) {
            emit esciConfirmed();
            return;
        }
        break;
    }
    render();
}

void BoardWindow::askMaximum()
{
    const QString answer = dialogs_.inputBox(this, QString::fromUtf16(texts::kMaximumPrompt),
                                             QString::number(model_->programState().numeroMassimo));
    if (!model_->numeroMassimo(answer))
        dialogs_.messageBox(this, QString::fromUtf16(texts::kRefused), MessageStyle::Critical);
}

void BoardWindow::render()
{
    const BoardModel& m = *model_;
    setBackground(area_, m.windowColour());
    for (int i = 0; i < BoardModel::kCellCount; ++i) {
        const Cell& c = m.cell(i);
        CellButton* button = cells_.at(static_cast<std::size_t>(i));
        button->setText(c.caption);
        // A cell without caption is named for assistive technology; one with a caption is
        // read by its caption.
        button->setAccessibleName(c.caption.isEmpty()
                                      ? (c.colour == colours::kRed ? QStringLiteral("casella rossa")
                                                                   : QStringLiteral("casella"))
                                      : QString());
        button->setFaceColour(toColor(c.colour));
        button->setEnabled(c.enabled);
        button->setVisible(c.visible);
    }
    esatti_->setText(m.esattiText());
    errati_->setText(m.erratiText());
    faceHappy_->setVisible(m.face() == Face::Happy);
    faceSad_->setVisible(m.face() == Face::Sad);
    if (task_)
        task_->setText(m.taskText());
    if (avanti_) {
        avanti_->setVisible(m.avantiVisible());
        avanti_->setEnabled(m.avantiEnabled());
    }
    for (const auto& [command, action] : actions_) {
        if (const auto level = levelOf(command))
            action->setChecked(m.level() == level);
    }
    if (hundreds_ && m.hundreds()) {
        const QSignalBlocker quiet(hundreds_);
        hundreds_->setValue(*m.hundreds());
    }
    if (answer_) {
        const AnswerBox& box = m.answerBox();
        if (box.questions != questionsSeen_)
            answer_->clear();
        questionsSeen_ = box.questions;
        answer_->setEnabled(box.enabled);
        if (box.focusRequests != focusRequestsSeen_ && box.enabled)
            answer_->setFocus();
        focusRequestsSeen_ = box.focusRequests;
    }
}
