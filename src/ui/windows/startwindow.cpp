#include "ui/windows/startwindow.h"

#include "core/base/runtime.h"
#include "core/board/palette.h"
#include "core/board/programstate.h"
#include "ui/design/designarea.h"
#include "ui/design/fonts.h"
#include "ui/design/names.h"
#include "ui/input/keyboard.h"

#include <QToolButton>

namespace {

constexpr FontStyle kComic18{FontFamily::ComicSans, 18, true};
constexpr FontStyle kComic36{FontFamily::ComicSans, 36, true};
constexpr FontStyle kComic24{FontFamily::ComicSans, 24, true};

constexpr ControlRow kDesign[] = {
    {"Label2(1)", ControlKind::Label, 2160, 360, 4935, 855, u"Esercitazioni matematiche", kComic18,
     colours::kBoardLabel},
    {"Label2(0)", ControlKind::Label, 1320, 1680, 6255, 1935, u"    Quadena dei numeri ", kComic36,
     colours::kBoardLabel, nullptr, nullptr, Qt::AlignCenter},
    {"Command1", ControlKind::CaptionedPicture, 2160, 4200, 4425, 1305, u"Avvio", kComic24,
     kNoBackground, ":/pictures/avvio.svg"},
};

} // namespace

StartWindow::StartWindow(WindowHost& host, ProgramState& state, RandomSource& random)
    : ProgramWindow(host)
{
    setObjectName(QStringLiteral("FormAvvio"));
    setAccessibleName(QStringLiteral("Quadena dei numeri"));
    auto* area = new DesignArea({runtime::twips(8760), runtime::twips(6615)}, this);
    setCentralWidget(area);
    area->addAll(kDesign);

    state.numeroMassimo = 99;
    setBackground(area, caricaColori(random, PaletteVariant::Menu));

    auto* start = control<QToolButton>(area, "Command1");
    connect(start, &QToolButton::clicked, this, &StartWindow::avvio);
    start->setFocus();
    addEnterKeys(area);
}
