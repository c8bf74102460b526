#include "core/classes/pupilsymbol.h"

#include <array>

namespace pupilsymbol {
namespace {

struct ShapeWord {
    const char16_t* noun;
    bool feminine;
};

constexpr std::array<ShapeWord, kShapes> kShapeWords = {{
    {u"cerchio", false},
    {u"triangolo", false},
    {u"quadrato", false},
    {u"stella", true},
    {u"cuore", false},
    {u"luna", true},
    {u"croce", true},
    {u"rombo", false},
    {u"fiore", false},
    {u"esagono", false},
}};

struct Colour {
    Bgr bgr;
    const char16_t* masculine;
    const char16_t* feminine;
};

// Strong colours, each far from the others; a dark outline keeps the light ones visible.
constexpr std::array<Colour, 10> kColours = {{
    {0x00281EDC, u"rosso", u"rossa"},
    {0x00C8501E, u"blu", u"blu"},
    {0x00329620, u"verde", u"verde"},
    {0x0000CCF5, u"giallo", u"gialla"},
    {0x00AA3282, u"viola", u"viola"},
    {0x001482F5, u"arancione", u"arancione"},
    {0x00E6AA3C, u"azzurro", u"azzurra"},
    {0x00285082, u"marrone", u"marrone"},
    {0x00B478F0, u"rosa", u"rosa"},
    {0x00282828, u"nero", u"nera"},
}};

/// The colour of each fill's round steps three colours on, so that one shape never has the
/// same colour twice in a class.
constexpr int kColourStep = 3;

} // namespace

PupilSymbol of(int position)
{
    const int p = ((position % kDistinct) + kDistinct) % kDistinct;
    const int shape = p % kShapes;
    const int fill = p / kShapes;
    const int colour = (shape + kColourStep * fill) % int(kColours.size());
    return {static_cast<SymbolShape>(shape), static_cast<SymbolFill>(fill),
            kColours.at(colour).bgr};
}

QString words(const PupilSymbol& symbol)
{
    const ShapeWord& shape = kShapeWords.at(static_cast<std::size_t>(symbol.shape));
    QString text = QString::fromUtf16(shape.noun);
    for (const Colour& c : kColours) {
        if (c.bgr == symbol.colour)
            text += u' ' + QString::fromUtf16(shape.feminine ? c.feminine : c.masculine);
    }
    switch (symbol.fill) {
    case SymbolFill::Pieno:
        break;
    case SymbolFill::Righe:
        text += QStringLiteral(" a righe");
        break;
    case SymbolFill::Puntini:
        text += QStringLiteral(" a puntini");
        break;
    case SymbolFill::Vuoto:
        text += shape.feminine ? QStringLiteral(" vuota") : QStringLiteral(" vuoto");
        break;
    }
    return text;
}

} // namespace pupilsymbol
