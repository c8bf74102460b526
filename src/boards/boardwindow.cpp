#include "boardwindow.h"

#include "shell/dialogs.h"
#include "shell/programstate.h"
#include "shell/runtime.h"
#include "shell/texts.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

BoardWindow::BoardWindow(WindowHost& host, const BoardDesign& design,
                         std::unique_ptr<BoardModel> model, Dialogs& dialogs)
    : ProgramWindow(host), model_(std::move(model)), dialogs_(dialogs), area_(new QWidget(this))
{
    setObjectName(QString::fromLatin1(design.name));
    setAccessibleName(QStringLiteral("Quadena dei numeri"));
    area_->setFixedSize(runtime::twips(design.width), runtime::twips(design.height));
    setCentralWidget(area_);

    for (int i = 0; i < BoardModel::kCellCount; ++i) {
        auto* cell =
            static_cast<QPushButton*>(createControl(area_, cellSpec(i, design.cellPoints)));
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

    for (const MenuItemSpec& item : design.menu) {
        QAction* action = menuBar()->addAction(QString::fromUtf16(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        actions_.emplace_back(item.command, action);
        connect(action, &QAction::triggered, this,
                [this, command = item.command] { run(command); });
    }
    render();
}

BoardWindow::~BoardWindow() = default;

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
        QPushButton* button = cells_.at(static_cast<std::size_t>(i));
        button->setText(c.caption);
        setBackground(button, c.colour);
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
}
