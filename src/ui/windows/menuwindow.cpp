#include "ui/windows/menuwindow.h"

#include "core/base/runtime.h"
#include "core/board/catalogue.h"
#include "core/board/palette.h"
#include "core/board/programstate.h"
#include "ui/design/designarea.h"
#include "ui/design/fonts.h"
#include "ui/design/names.h"
#include "ui/input/keyboard.h"

#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {

constexpr FontStyle kLabelFont{FontFamily::Arial, 12, true};
constexpr FontStyle kButtonFont{FontFamily::Arial, 12, true};
constexpr FontStyle kOptionFont{FontFamily::Arial, 9.75, true};
constexpr FontStyle kEsciFont{FontFamily::Arial, 27.75, false};

/// The label over each group of board buttons.
struct GroupLabel {
    MenuGroup group;
    ControlRow row;
};

constexpr GroupLabel kGroupLabels[] = {
    {MenuGroup::Numbers,
     {"Label3", ControlKind::Label, 240, 240, 3615, 375, u"Conoscere la quadena da 0 a 99",
      kLabelFont, colours::kMenuLabel}},
    {MenuGroup::Addition,
     {"Label1", ControlKind::Label, 480, 2160, 2055, 375, u"Addizioni", kLabelFont,
      colours::kMenuLabel}},
    {MenuGroup::Subtraction,
     {"Label2", ControlKind::Label, 480, 4680, 2055, 375, u"Sottrazioni", kLabelFont,
      colours::kMenuLabel}},
    {MenuGroup::Above99,
     {"Label4", ControlKind::Label, 4500, 1680, 3615, 375, u"Numeri superiori  a  99", kLabelFont,
      colours::kMenuLabel}},
    // Below both columns, where the menu had nothing.
    {MenuGroup::Games,
     {"LabelGiochi", ControlKind::Label, 480, 5880, 2055, 375, u"Giochi", kLabelFont,
      colours::kMenuLabel}},
};

constexpr char kWaiting[] = "Option1(1)";
constexpr char kAutomatic[] = "Option1(0)";

constexpr ControlRow kOptions[] = {
    {kWaiting, ControlKind::OptionButton, 4500, 3600, 2895, 735,
     u"attende la pressione del bottone per proseguire", kOptionFont},
    {kAutomatic, ControlKind::OptionButton, 4500, 4320, 2775, 735,
     u"prosegue automaticamente  negli esercizi", kOptionFont},
    {names::kEsci, ControlKind::Button, 4500, 5040, 2760, 675, u"Esci", kEsciFont},
};

// The way to the teacher's page: small, in the free corner, after every other control.
constexpr ControlRow kRisultati{names::kRisultati,
                                ControlKind::Button,
                                7920,
                                6600,
                                1440,
                                420,
                                u"Risultati",
                                {FontFamily::Arial, 8.25, false}};

// With classes set, the way back to "Chi sei?": in the free top corner right of both columns,
// clear of the games' group below them.
constexpr ControlRow kCambiaBambino{
    names::kCambiaBambino, ControlKind::Button, 7560, 240, 1920, 735,
    u"Cambia bambino",     kButtonFont};

/// Where a board's button stands in the menu's two columns; its caption is the catalogue's.
struct BoardButton {
    BoardKind board;
    const char* name;
    int left;
    int top;
    int width = 2775;
};

using enum BoardKind;

// "Contare a salti" stands right of the games, narrower, between "Esci" and "Risultati".
constexpr BoardButton kBoardButtons[] = {
    {Form100Trova, "Command14", 480, 720},
    {Form100Ricon, "Command7", 480, 1440},
    {Form100a, "Command3", 480, 2520},
    {Form100b, "Command4", 480, 3240},
    {Form100f, "Command5", 480, 3960},
    {Form100c, "Command6", 480, 5040},
    {Form100d, "Command2", 4500, 240},
    {Form100e, "Command1", 4500, 960},
    {Form100Trova2, "Command9", 4500, 2160},
    {Form100Ricon2, "Command8", 4500, 2880},
    {Form100Gioco, "Command10", 480, 6300},
    {Form100Nascosti, "Command11", 4500, 6300},
    {Form100Salti, "Command12", 7440, 5700, 2040},
};

const BoardButton* buttonOf(BoardKind kind)
{
    const auto* found = std::ranges::find(kBoardButtons, kind, &BoardButton::board);
    return found == std::end(kBoardButtons) ? nullptr : found;
}

} // namespace

MenuWindow::MenuWindow(WindowHost& host, ProgramState& state, RandomSource& random,
                       bool cambiaBambino)
    : ProgramWindow(host)
{
    setObjectName(QStringLiteral("FormMenu"));
    setAccessibleName(QStringLiteral("Quadena dei numeri"));
    auto* area = new DesignArea({runtime::twips(9600), runtime::twips(7200)}, this);
    setCentralWidget(area);

    // Created in the catalogue's order, which is also the Tab order.
    for (const BoardEntry& entry : boardCatalogue()) {
        const BoardButton* b = buttonOf(entry.kind);
        if (!b)
            continue;
        const ControlRow row{b->name, ControlKind::Button, b->left,    b->top, b->width,
                             615,     entry.caption,       kButtonFont};
        auto* button = static_cast<QPushButton*>(area->add(row));
        connect(button, &QPushButton::clicked, this,
                [this, board = entry.kind] { emit boardChosen(board); });
    }
    for (const GroupLabel& label : kGroupLabels) {
        if (std::ranges::find(boardCatalogue(), label.group, &BoardEntry::group) !=
            boardCatalogue().end())
            area->add(label.row);
    }
    area->addAll(kOptions);
    if (cambiaBambino) {
        connect(static_cast<QPushButton*>(area->add(kCambiaBambino)), &QPushButton::clicked, this,
                &MenuWindow::cambiaBambino);
    }
    connect(static_cast<QPushButton*>(area->add(kRisultati)), &QPushButton::clicked, this,
            &MenuWindow::risultati);
    auto* automatic = control<QRadioButton>(area, kAutomatic);
    auto* waiting = control<QRadioButton>(area, kWaiting);

    (state.attendiBottone ? waiting : automatic)->setChecked(true);
    const Bgr colour = caricaColori(random, PaletteVariant::Menu);
    setBackground(area, colour);
    setBackground(automatic, colour);
    setBackground(waiting, colour);

    connect(automatic, &QRadioButton::clicked, this, [&state] { state.attendiBottone = false; });
    connect(waiting, &QRadioButton::clicked, this, [&state] { state.attendiBottone = true; });
    connect(control<QPushButton>(area, names::kEsci), &QPushButton::clicked, this,
            &MenuWindow::esci);
    addEnterKeys(area);
}

void MenuWindow::offerOnly(const std::function<bool(BoardKind)>& offered)
{
    for (const BoardButton& b : kBoardButtons) {
        if (auto* button = findChild<QPushButton*>(QString::fromLatin1(b.name)))
            button->setEnabled(offered(b.board));
    }
}

void MenuWindow::showMode(bool waits)
{
    findChild<QRadioButton*>(QString::fromLatin1(kWaiting))->setChecked(waits);
    findChild<QRadioButton*>(QString::fromLatin1(kAutomatic))->setChecked(!waits);
}

void MenuWindow::lockMode()
{
    for (const char* option : {kWaiting, kAutomatic})
        findChild<QRadioButton*>(QString::fromLatin1(option))->setEnabled(false);
}
