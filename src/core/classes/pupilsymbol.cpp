#include "core/classes/pupilsymbol.h"

#include "core/classes/classfolder.h"
#include "core/sessions/sessionfile.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <optional>

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

PupilSymbol of(int index)
{
    const int p = ((index % kDistinct) + kDistinct) % kDistinct;
    const int shape = p % kShapes;
    const int fill = p / kShapes;
    const int colour = (shape + kColourStep * fill) % int(kColours.size());
    return {static_cast<SymbolShape>(shape), static_cast<SymbolFill>(fill),
            kColours.at(colour).bgr};
}

int preferred(const QString& name)
{
    // 32-bit FNV-1a over the UTF-8 of the name in one case and one Unicode form.
    quint32 hash = 2166136261u;
    const QByteArray bytes = name.normalized(QString::NormalizationForm_C).toCaseFolded().toUtf8();
    for (const char byte : bytes) {
        hash ^= quint8(byte);
        hash *= 16777619u;
    }
    return int(hash % quint32(kDistinct));
}

std::vector<PupilSymbol> ofClass(const QStringList& names, const FirstPlayed& firstPlayed)
{
    struct Child {
        QString name;
        QString folder;
        std::optional<QDateTime> first;
        int listed = -1; // the position in the list, or none
    };
    std::vector<Child> children;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString folder = sessionfile::folderName(names[i]);
        const auto played = firstPlayed.find(folder);
        children.push_back(
            {names[i], folder,
             played == firstPlayed.end() ? std::nullopt : std::optional(played->second), int(i)});
    }
    for (const auto& [folder, first] : firstPlayed) {
        const bool listed =
            std::ranges::any_of(children, [&](const Child& c) { return c.folder == folder; });
        const std::optional<QString> name = classfolder::nameOfFolder(folder);
        if (!listed && name)
            children.push_back({*name, folder, first, -1});
    }
    std::ranges::stable_sort(children, [](const Child& a, const Child& b) {
        if (a.first.has_value() != b.first.has_value())
            return a.first.has_value();
        if (a.first && *a.first != *b.first)
            return *a.first < *b.first;
        const int byName = a.name.compare(b.name, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a.folder < b.folder;
    });
    std::vector<PupilSymbol> symbols(std::size_t(names.size()), of(0));
    std::bitset<kDistinct> taken;
    for (const Child& c : children) {
        const int wanted = preferred(c.name);
        int index = wanted;
        for (int step = 0; step < kDistinct && taken.test(std::size_t(index)); ++step)
            index = (wanted + step + 1) % kDistinct;
        if (taken.test(std::size_t(index)))
            index = wanted; // every symbol is taken: some must be shared
        taken.set(std::size_t(index));
        if (c.listed >= 0)
            symbols[std::size_t(c.listed)] = of(index);
    }
    return symbols;
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
