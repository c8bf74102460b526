#include "core/practice/plantext.h"

#include "core/board/catalogue.h"

#include <vector>

namespace {

/// The families of two boards; the others are named by their one board.
constexpr const char16_t* kSharedFamilyNames[] = {
    u"Trovare e riconoscere i numeri da 0 a 99",
    u"Trovare e riconoscere i numeri superiori a 99",
};

QString numbers(const std::vector<int>& list)
{
    QStringList texts;
    for (int n : list)
        texts << QString::number(n);
    return texts.join(QStringLiteral(", "));
}

QString boardsText(const std::bitset<kBoardKinds>& boards)
{
    QStringList captions;
    for (const BoardEntry& entry : boardCatalogue()) {
        if (boards.test(static_cast<std::size_t>(entry.kind)))
            captions << QString::fromUtf16(entry.pageName);
    }
    return captions.isEmpty() ? QStringLiteral("nessuno") : captions.join(QStringLiteral(", "));
}

} // namespace

namespace plantext {

QString unset(bool forChild)
{
    return forChild ? QStringLiteral("come la classe") : QStringLiteral("come la macchina");
}

QString mode(bool waits)
{
    return waits ? QStringLiteral("attende il bottone")
                 : QStringLiteral("prosegue automaticamente");
}

QString level(Level level)
{
    switch (level) {
    case Level::Facile:
        return QStringLiteral("facile");
    case Level::Media:
        return QStringLiteral("media");
    case Level::Difficile:
        return QStringLiteral("difficile");
    }
    return {};
}

QString yesNo(bool yes)
{
    return yes ? QStringLiteral("sì") : QStringLiteral("no");
}

QStringList inForce(const Plan& plan)
{
    const QString machine = unset(false);
    return {
        QStringLiteral("Esercizi: %1")
            .arg(plan.boards ? boardsText(*plan.boards) : QStringLiteral("tutti")),
        QStringLiteral("Numero massimo: %1")
            .arg(plan.maximum ? QString::number(*plan.maximum) : machine),
        QStringLiteral("Modo: %1").arg(plan.waits ? mode(*plan.waits) : machine),
        QStringLiteral("Livello: %1").arg(plan.level ? level(*plan.level) : machine),
        QStringLiteral("Ripasso degli errori: %1").arg(plan.review ? yesNo(*plan.review) : machine),
    };
}

QString familyName(int family)
{
    if (family >= 0 && family < int(std::size(kSharedFamilyNames)))
        return QString::fromUtf16(kSharedFamilyNames[family]);
    for (const BoardEntry& entry : boardCatalogue()) {
        if (reviewFamily(entry.kind) == family)
            return QString::fromUtf16(entry.pageName);
    }
    return {};
}

QString reviewMeaning()
{
    return QStringLiteral("Il ripasso degli errori chiede di nuovo, ogni tanto, i numeri che il "
                          "bambino ha sbagliato, finché li sa; non dà mai un voto al bambino.");
}

QString reviewLists(const ReviewSet& set)
{
    QStringList parts;
    for (int family = 0; family < kReviewFamilies; ++family) {
        const std::vector<int> under = set.underReview(family);
        const std::vector<int> left = set.leftReview(family);
        if (under.empty() && left.empty())
            continue;
        QString part = familyName(family);
        if (!under.empty())
            part += QStringLiteral("\n  In ripasso: %1").arg(numbers(under));
        if (!left.empty())
            part += QStringLiteral("\n  Usciti dal ripasso: %1").arg(numbers(left));
        parts << part;
    }
    return parts.isEmpty() ? QStringLiteral("Nessun numero in ripasso.")
                           : parts.join(QStringLiteral("\n"));
}

} // namespace plantext
