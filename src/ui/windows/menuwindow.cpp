#include "ui/windows/menuwindow.h"

#include "core/board/palette.h"
#include "core/board/programstate.h"
#include "core/base/runtime.h"
#include "ui/design/designarea.h"
#include "ui/design/fonts.h"
#include "ui/design/names.h"
#include "ui/input/keyboard.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr FontStyle kLabelFont{FontFamily::Arial, 12, true};
constexpr FontStyle kButtonFont{FontFamily::Arial, 12, true};
constexpr FontStyle kOptionFont{FontFamily::Arial, 9.75, true};
constexpr FontStyle kEsciFont{FontFamily::Arial, 27.75, false};

constexpr ControlRow kLabels[] = {
    {"Label3", ControlKind::Label, 240, 240, 3615, 375, u"Conoscere la quadena da 0 a 99",
     kLabelFont, colours::kMenuLabel},
    {"Label1", ControlKind::Label, 480, 2160, 2055, 375, u"Addizioni", kLabelFont,
     colours::kMenuLabel},
    {"Label2", ControlKind::Label, 480, 4680, 2055, 375, u"Sottrazioni", kLabelFont,
     colours::kMenuLabel},
    {"Label4", ControlKind::Label, 4500, 1680, 3615, 375, u"Numeri superiori  a  99", kLabelFont,
     colours::kMenuLabel},
    {"Option1(1)", ControlKind::OptionButton, 4500, 3600, 2895, 735,
     u"attende la pressione del bottone per proseguire", kOptionFont},
    {"Option1(0)", ControlKind::OptionButton, 4500, 4320, 2775, 735,
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

struct BoardButton {
    ControlRow row;
    BoardKind board;
};

constexpr BoardButton kBoardButtons[] = {
    {{"Command14", ControlKind::Button, 480, 720, 2775, 615, u"trovare i numeri", kButtonFont},
     BoardKind::Form100Trova},
    {{"Command7", ControlKind::Button, 480, 1440, 2775, 615, u"riconoscere i numeri", kButtonFont},
     BoardKind::Form100Ricon},
    {{"Command3", ControlKind::Button, 480, 2520, 2775, 615, u"Aggiungere solo unità", kButtonFont},
     BoardKind::Form100a},
    {{"Command4", ControlKind::Button, 480, 3240, 2775, 615, u"Aggiungere solo decine",
      kButtonFont},
     BoardKind::Form100b},
    {{"Command5", ControlKind::Button, 480, 3960, 2775, 615, u"decine e unità", kButtonFont},
     BoardKind::Form100f},
    {{"Command6", ControlKind::Button, 480, 5040, 2775, 615, u"Togliere solo unità", kButtonFont},
     BoardKind::Form100c},
    {{"Command2", ControlKind::Button, 4500, 240, 2775, 615, u"Togliere solo decine", kButtonFont},
     BoardKind::Form100d},
    {{"Command1", ControlKind::Button, 4500, 960, 2775, 615, u"decine e unità", kButtonFont},
     BoardKind::Form100e},
    {{"Command9", ControlKind::Button, 4500, 2160, 2775, 615, u"trovare i numeri", kButtonFont},
     BoardKind::Form100Trova2},
    {{"Command8", ControlKind::Button, 4500, 2880, 2775, 615, u"riconoscere i numeri", kButtonFont},
     BoardKind::Form100Ricon2},
};

} // namespace

MenuWindow::MenuWindow(WindowHost& host, ProgramState& state, RandomSource& random)
    : ProgramWindow(host)
{
    setObjectName(QStringLiteral("FormMenu"));
    setAccessibleName(QStringLiteral("Quadena dei numeri"));
    auto* area = new DesignArea({runtime::twips(9600), runtime::twips(7200)}, this);
    setCentralWidget(area);

    // Created in the order of the design's two columns, which is also the Tab order.
    for (const BoardButton& b : kBoardButtons) {
        auto* button = static_cast<QPushButton*>(area->add(b.row));
        connect(button, &QPushButton::clicked, this,
                [this, board = b.board] { emit boardChosen(board); });
    }
    area->addAll(kLabels);
    connect(static_cast<QPushButton*>(area->add(kRisultati)), &QPushButton::clicked, this,
            &MenuWindow::risultati);
    auto* automatic = control<QRadioButton>(area, "Option1(0)");
    auto* waiting = control<QRadioButton>(area, "Option1(1)");

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
