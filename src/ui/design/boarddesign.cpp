#include "ui/design/boarddesign.h"

#include "core/board/texts.h"
#include "ui/design/names.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr FontStyle kArial12{FontFamily::Arial, 12, true};
constexpr FontStyle kArial13{FontFamily::Arial, 13.5, true};
constexpr FontStyle kArial14{FontFamily::Arial, 14.25, true};
constexpr FontStyle kArial18{FontFamily::Arial, 18, true};
constexpr Bgr kLabel = colours::kBoardLabel;

constexpr ControlRow kCommon[] = {
    {names::kEsattiCaption, ControlKind::Label, 6720, 1515, 735, 375, u"Esatti", kArial12, kLabel},
    {names::kEsatti, ControlKind::Display, 7560, 1395, 975, 615, texts::kEsattiUnset, kArial18,
     kLabel},
    {names::kErratiCaption, ControlKind::Label, 6705, 2040, 735, 495, u"Errati", kArial12, kLabel},
    {names::kErrati, ControlKind::Display, 7545, 1920, 855, 615, texts::kErratiUnset, kArial18,
     kLabel},
    {names::kFaceHappy, ControlKind::PictureButton, 7515, 315, 855, 750, nullptr, kArial12,
     kNoBackground, ":/pictures/faccia_si.svg", u"faccina contenta: risposta esatta"},
    {names::kFaceSad, ControlKind::PictureButton, 7515, 315, 855, 750, nullptr, kArial12,
     kNoBackground, ":/pictures/faccia_no.svg", u"faccina triste: risposta sbagliata"},
};

constexpr ControlRow avanti(int left, int top, int height)
{
    return {
        names::kAvanti, ControlKind::CaptionedPicture, left, top, 1905, height, u"avanti", kArial14,
        kNoBackground,  ":/pictures/avanti.svg"};
}

constexpr ControlRow kLabel3{names::kQuestion,     ControlKind::Label, 6300,  3255, 2520, 315,
                             u"clicca sul numero", kArial13,           kLabel};

constexpr ControlRow kForm100a[] = {
    kLabel3,
    {names::kTask, ControlKind::Display, 6300, 3780, 2205, 840, u"Forma il numero", kArial18,
     kLabel},
    avanti(6360, 5040, 1095),
};
constexpr ControlRow kForm100b[] = {
    kLabel3,
    {names::kTask, ControlKind::Display, 6300, 3780, 2625, 630, u"Forma il numero", kArial18,
     kLabel},
    avanti(6360, 5040, 1095),
};
constexpr ControlRow kForm100f[] = {
    kLabel3,
    {names::kTask, ControlKind::Display, 6300, 3780, 2625, 630, u"Forma il numero", kArial18,
     kLabel},
    avanti(6600, 5040, 1095),
};
constexpr ControlRow kSubtractionTask{names::kTask, ControlKind::Display, 6405,     3990,  2520,
                                      735,          u"Forma il numero",   kArial13, kLabel};
constexpr ControlRow kForm100c[] = {kSubtractionTask, avanti(6720, 5040, 1095)};
constexpr ControlRow kForm100de[] = {kSubtractionTask, avanti(6600, 5040, 1095)};

constexpr MenuItemRow kAzzera{"MenuAzzera", u"Azzera conteggio        ", BoardCommand::Azzera};
constexpr MenuItemRow kStampa{"mnuStampa", u"Stampa scheda        ", BoardCommand::Stampa};
constexpr MenuItemRow kInformazioni{"MenuInformazioni", u"Informazioni          ",
                                    BoardCommand::Informazioni};
constexpr MenuItemRow kEsci{"mnuEsci", u"Esci", BoardCommand::Esci};

constexpr MenuItemRow maximum(const char* name, const char16_t* caption)
{
    return {name, caption, BoardCommand::NumeroMassimo};
}

constexpr auto kMax9 = u"Numero massimo         ";
constexpr auto kMax8 = u"Numero massimo        ";

constexpr MenuItemRow kMenuAbd[] = {kAzzera, maximum("mnuNum", kMax9), kStampa, kInformazioni,
                                    kEsci};
constexpr MenuItemRow kMenuC[] = {kAzzera, maximum("mnuNUM", kMax9), kStampa, kInformazioni, kEsci};
constexpr MenuItemRow kMenuE[] = {kAzzera, maximum("mnuNum", kMax8), kStampa, kInformazioni, kEsci};
constexpr MenuItemRow kMenuF[] = {kAzzera, maximum("NumMas", kMax8), kStampa, kInformazioni, kEsci};

/// The recognise boards' question and answer box, and the find boards' number to find:
/// the same rows at the places of each board.
constexpr ControlRow recogniseLabel(int top, int height)
{
    return {names::kQuestion, ControlKind::Label,       6300,     top,   2625,
            height,           u"quale numero è rosso?", kArial13, kLabel};
}

constexpr ControlRow answerBox(int left, int top)
{
    return {names::kAnswerBox,
            ControlKind::AnswerBox,
            left,
            top,
            1665,
            1335,
            u"",
            {FontFamily::Arial, 36, true},
            kNoBackground,
            nullptr,
            u"numero della casella rossa"};
}

constexpr ControlRow numberToFind(int top)
{
    return {names::kTask,       ControlKind::Display,          6825,  top, 1155, 840,
            u"Forma il numero", {FontFamily::Arial, 24, true}, kLabel};
}

constexpr ControlRow kForm100Ricon[] = {
    recogniseLabel(2655, 735),
    answerBox(6600, 3360),
    avanti(6600, 5160, 855),
};
constexpr ControlRow kForm100Trova[] = {
    kLabel3,
    numberToFind(3780),
    avanti(6360, 5160, 975),
};
constexpr ControlRow kForm100Ricon2[] = {
    recogniseLabel(3015, 630),
    answerBox(6615, 3750),
    avanti(6480, 5280, 855),
};
constexpr ControlRow kForm100Trova2[] = {
    {names::kQuestion, ControlKind::Label, 6300, 2535, 2520, 315, u"clicca sul numero", kArial13,
     kLabel},
    numberToFind(3060),
    {names::kHundreds, ControlKind::ScrollBar, 6405, 4530, 2535, 435, nullptr, kArial12,
     kNoBackground, nullptr, u"centinaia"},
    avanti(6600, 5160, 855),
};

constexpr MenuItemRow kFacile{"mnuFacile", u"facile", BoardCommand::Facile};
constexpr MenuItemRow kMedia{"mnuMedia", u"media", BoardCommand::Media};
constexpr MenuItemRow kDifficile{"mnuDifficile", u"difficile", BoardCommand::Difficile};
constexpr MenuItemRow kTwoLevels[] = {kMedia, kDifficile};
constexpr MenuItemRow kThreeLevels[] = {kFacile, kMedia, kDifficile};
constexpr MenuItemRow kEasyLevels[] = {kFacile, kMedia};
constexpr auto kQuadena = u"Quadena          ";

constexpr MenuItemRow kMenuRicon[] = {kAzzera,
                                      maximum("mnuNum", kMax8),
                                      {"mnuQuadena", kQuadena, BoardCommand::Quadena, kTwoLevels},
                                      kStampa,
                                      kInformazioni,
                                      kEsci};
constexpr MenuItemRow kMenuTrova[] = {kAzzera,
                                      maximum("mnuNum", u"Numero Massimo        "),
                                      {"mnuQuadena", kQuadena, BoardCommand::Quadena, kThreeLevels},
                                      kStampa,
                                      kInformazioni,
                                      kEsci};

/// The game: the turn, the die and "Lancia"; the hidden numbers: the question and the box.
constexpr ControlRow kForm100Gioco[] = {
    {names::kTask, ControlKind::Display, 6300, 2700, 3000, 600, u"Lancia il dado", kArial13,
     kLabel},
    // The die names itself by what it shows.
    {names::kDie, ControlKind::Die, 6420, 3450, 900, 900, nullptr, kArial12},
    {names::kLancia, ControlKind::Button, 7560, 3570, 1500, 660, u"Lancia", kArial14},
    avanti(6600, 5160, 975),
};
constexpr ControlRow kForm100Nascosti[] = {
    {names::kQuestion, ControlKind::Label, 6300, 2655, 2625, 735,
     u"scrivi il numero della casella rossa", kArial13, kLabel},
    answerBox(6600, 3360),
    avanti(6600, 5160, 855),
};

/// Counting in steps: the task on up to three lines, no answer box.
constexpr ControlRow kForm100Salti[] = {
    {names::kTask, ControlKind::Display, 6300, 2655, 3000, 1035, u"Conta", kArial13, kLabel},
    avanti(6600, 5160, 855),
};

constexpr MenuItemRow kPlayers[] = {
    {"mnuUnGiocatore", u"un giocatore", BoardCommand::OnePlayer},
    {"mnuDueGiocatori", u"due giocatori", BoardCommand::TwoPlayers},
};
constexpr MenuItemRow kQuadenaThree{"mnuQuadena", kQuadena, BoardCommand::Quadena, kThreeLevels};
constexpr MenuItemRow kMenuGioco[] = {
    kAzzera,       maximum("mnuNum", kMax8),
    kQuadenaThree, {"mnuGiocatori", u"Giocatori    ", BoardCommand::Giocatori, kPlayers},
    kInformazioni, kEsci};
constexpr MenuItemRow kMenuNascosti[] = {
    kAzzera, maximum("mnuNum", kMax8), kQuadenaThree, kStampa, kInformazioni, kEsci};

constexpr MenuItemRow kMenuSalti[] = {
    kAzzera, maximum("mnuNum", kMax8), kQuadenaThree, kStampa, kInformazioni, kEsci};

constexpr MenuItemRow kMenuRicon2[] = {kAzzera, kInformazioni, kEsci};
constexpr MenuItemRow kMenuTrova2[] = {
    kAzzera, {"mnuQuadena", kQuadena, BoardCommand::Quadena, kEasyLevels}, kInformazioni, kEsci};

} // namespace

ControlRow keypadRow(const BoardDesign& design)
{
    constexpr int width = 2190;  // three keys of 690 twips and two gaps of 60
    constexpr int height = 2940; // four rows
    return {names::kKeypad,
            ControlKind::Keypad,
            design.width + (kKeypadColumn - width) / 2,
            (design.height - height) / 2,
            width,
            height,
            nullptr,
            kArial18};
}

ControlRow speakerRow(const BoardDesign& design, bool withKeypad)
{
    constexpr int side = 690;
    int top = 600;
    for (const ControlRow& row : design.controls) {
        const std::string_view name = row.name;
        if (!withKeypad && (name == names::kTask || name == names::kAnswerBox))
            top = row.top;
    }
    return {names::kListen,
            ControlKind::PictureButton,
            design.width + (kKeypadColumn - side) / 2,
            top,
            side,
            side,
            nullptr,
            kArial12,
            kNoBackground,
            ":/pictures/altoparlante.svg",
            u"ascolta"};
}

namespace {

using enum BoardKind;

constexpr BoardDesign kDesigns[] = {
    {Form100a, "Form100a", 9510, 6525, kForm100a, kMenuAbd, 18},
    {Form100b, "Form100b", 10185, 6600, kForm100b, kMenuAbd, 18},
    {Form100f, "Form100f", 10185, 6600, kForm100f, kMenuF, 18},
    {Form100c, "Form100c", 9510, 6525, kForm100c, kMenuC, 18},
    {Form100d, "Form100d", 9510, 6525, kForm100de, kMenuAbd, 18},
    {Form100e, "Form100e", 9510, 6525, kForm100de, kMenuE, 18},
    {Form100Ricon, "Form100Ricon", 9510, 6525, kForm100Ricon, kMenuRicon, 18},
    {Form100Trova, "Form100Trova", 9510, 6525, kForm100Trova, kMenuTrova, 18},
    {Form100Ricon2, "Form100Ricon2", 9510, 6525, kForm100Ricon2, kMenuRicon2, 12},
    {Form100Trova2, "Form100Trova2", 9510, 6525, kForm100Trova2, kMenuTrova2, 12},
    {Form100Gioco, "Form100Gioco", 9510, 6525, kForm100Gioco, kMenuGioco, 18},
    {Form100Nascosti, "Form100Nascosti", 9510, 6525, kForm100Nascosti, kMenuNascosti, 18},
    {Form100Salti, "Form100Salti", 9510, 6525, kForm100Salti, kMenuSalti, 18},
};

/// Cell names stay alive for the controls' whole life: QObject copies them anyway.
const std::array<QByteArray, 100>& cellNames()
{
    static const std::array<QByteArray, 100> names = [] {
        std::array<QByteArray, 100> n;
        for (int i = 0; i < 100; ++i)
            n[static_cast<std::size_t>(i)] = "Numero(" + QByteArray::number(i) + ")";
        return n;
    }();
    return names;
}

} // namespace

std::span<const ControlRow> commonBoardControls()
{
    return kCommon;
}

ControlRow cellRow(int index, double points)
{
    return {cellNames().at(static_cast<std::size_t>(index)).constData(),
            ControlKind::Cell,
            120 + 600 * (index % 10),
            120 + 600 * (index / 10),
            615,
            615,
            u"0",
            {FontFamily::Arial, points, true},
            colours::kCell};
}

const BoardDesign* findBoardDesign(BoardKind kind)
{
    const auto* found = std::ranges::find(kDesigns, kind, &BoardDesign::kind);
    return found == std::end(kDesigns) ? nullptr : found;
}

const BoardDesign& boardDesign(BoardKind kind)
{
    const BoardDesign* design = findBoardDesign(kind);
    Q_ASSERT(design);
    return *design;
}
