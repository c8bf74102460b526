#include "core/board/catalogue.h"

#include <algorithm>
#include <string_view>

namespace {

using enum BoardKind;
using A = ArithmeticKind;
using W = WorksheetKind;

constexpr BoardSheet kArithmeticSheet(W worksheet)
{
    return {SheetWindow::Arithmetic, worksheet};
}

constexpr BoardEntry kCatalogue[] = {
    {Form100Trova,
     "trova-0-99",
     u"trovare i numeri",
     MenuGroup::Numbers,
     u"trovare i numeri da 0 a 99",
     99,
     false,
     Rules::Find,
     std::nullopt,
     {SheetWindow::FindGrid, std::nullopt, true},
     Spoken::NumberToFind},
    {Form100Ricon,
     "riconosci-0-99",
     u"riconoscere i numeri",
     MenuGroup::Numbers,
     u"riconoscere i numeri da 0 a 99",
     99,
     false,
     Rules::Recognise,
     std::nullopt,
     {SheetWindow::RecogniseGrid},
     Spoken::RedCellAfterRight},
    {Form100a, "addizione-unita", u"Aggiungere solo unità", MenuGroup::Addition,
     u"Aggiungere solo unità", 99, false, Rules::Arithmetic, A::AddUnits,
     kArithmeticSheet(W::AddUnits), Spoken::Addition},
    {Form100b, "addizione-decine", u"Aggiungere solo decine", MenuGroup::Addition,
     u"Aggiungere solo decine", 99, false, Rules::Arithmetic, A::AddTens,
     kArithmeticSheet(W::AddTens), Spoken::Addition},
    {Form100f, "addizione-decine-unita", u"decine e unità", MenuGroup::Addition,
     u"Addizioni: decine e unità", 99, false, Rules::Arithmetic, A::AddTensUnits,
     kArithmeticSheet(W::AddTensUnits), Spoken::Addition},
    {Form100c, "sottrazione-unita", u"Togliere solo unità", MenuGroup::Subtraction,
     u"Togliere solo unità", 99, false, Rules::Arithmetic, A::SubUnits,
     kArithmeticSheet(W::SubUnits), Spoken::Subtraction},
    {Form100d, "sottrazione-decine", u"Togliere solo decine", MenuGroup::Subtraction,
     u"Togliere solo decine", 99, false, Rules::Arithmetic, A::SubTens,
     kArithmeticSheet(W::SubTens), Spoken::Subtraction},
    {Form100e, "sottrazione-decine-unita", u"decine e unità", MenuGroup::Subtraction,
     u"Sottrazioni: decine e unità", 99, false, Rules::Arithmetic, A::SubTensUnits,
     kArithmeticSheet(W::SubTensUnits), Spoken::Subtraction},
    {Form100Trova2,
     "trova-oltre-99",
     u"trovare i numeri",
     MenuGroup::Above99,
     u"trovare i numeri superiori a 99",
     999,
     true,
     Rules::FindAbove,
     std::nullopt,
     {},
     Spoken::NumberToFind},
    {Form100Ricon2,
     "riconosci-oltre-99",
     u"riconoscere i numeri",
     MenuGroup::Above99,
     u"riconoscere i numeri superiori a 99",
     999,
     true,
     Rules::RecogniseAbove,
     std::nullopt,
     {},
     Spoken::RedCellAfterRight},
    {Form100Gioco,
     "gioco-quadena",
     u"Gioco della quadena",
     MenuGroup::Games,
     u"Gioco della quadena",
     99,
     false,
     Rules::CountOn,
     std::nullopt,
     {},
     Spoken::CountOn},
    {Form100Nascosti,
     "numeri-nascosti",
     u"Numeri nascosti",
     MenuGroup::Games,
     u"Numeri nascosti",
     99,
     false,
     Rules::Hidden,
     std::nullopt,
     {SheetWindow::HiddenGrid},
     Spoken::RedCellAfterRight},
    {Form100Salti,
     "contare-a-salti",
     u"Contare a salti",
     MenuGroup::Games,
     u"Contare a salti",
     99,
     false,
     Rules::Steps,
     std::nullopt,
     {SheetWindow::StepsGrid},
     Spoken::RedCellAfterRight},
};

constexpr bool isId(std::string_view id)
{
    return !id.empty() && id.front() != '-' && id.back() != '-' &&
           std::ranges::all_of(id, [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
           });
}

// Every kind has exactly one row, and only the arithmetic boards have arithmetic rules.
static_assert([] {
    for (int k = 0; k < kBoardKinds; ++k) {
        const auto rows =
            std::ranges::count(kCatalogue, static_cast<BoardKind>(k), &BoardEntry::kind);
        if (rows != 1)
            return false;
    }
    return std::size(kCatalogue) == kBoardKinds &&
           std::ranges::all_of(kCatalogue, [](const BoardEntry& e) {
               return e.arithmetic.has_value() == (e.rules == Rules::Arithmetic);
           });
}());

// Every id is lower-case ASCII letters, digits and inner dashes, and no two rows share one.
static_assert(std::ranges::all_of(kCatalogue, [](const BoardEntry& e) {
    return isId(e.id) &&
           std::ranges::count(kCatalogue, std::string_view(e.id),
                              [](const BoardEntry& o) { return std::string_view(o.id); }) == 1;
}));

} // namespace

std::span<const BoardEntry> boardCatalogue()
{
    return kCatalogue;
}

const BoardEntry& boardEntry(BoardKind kind)
{
    return *std::ranges::find(kCatalogue, kind, &BoardEntry::kind);
}

QString boardId(BoardKind kind)
{
    return QLatin1String(boardEntry(kind).id);
}

std::optional<BoardKind> boardById(QStringView id)
{
    for (const BoardEntry& e : kCatalogue) {
        if (id.compare(QLatin1String(e.id), Qt::CaseInsensitive) == 0)
            return e.kind;
    }
    return std::nullopt;
}
