#include "app/startup.h"

#include "ui/design/fonts.h"
#include "ui/input/safepaste.h"
#include "ui/system/atspiextents.h"
#include "ui/system/steadystyle.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <algorithm>
#include <array>

void prepareApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("quadena"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.quadena"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/quadena.svg")));
    QApplication::setStyle(new SteadyStyle);
    QApplication::setFont(makeFont({FontFamily::MsSansSerif, 10, false}));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    installSafePaste(app);
    installScaledAtSpiExtents(app);

    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

QStringList withoutQtOptions(const QStringList& arguments)
{
    // Qt reads "-name" and "--name" alike, and "-name=value" for the first group.
    static constexpr std::array<const char*, 15> withValue = {
        "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
        "style",       "stylesheet",         "name",          "title",   "visual"};
    static constexpr std::array<const char*, 6> alone = {"reverse", "widgetcount", "nograb",
                                                         "dograb",  "sync",        "qmljsdebugger"};
    const auto named = [](const QString& argument, const char* name) {
        QStringView rest(argument);
        if (rest.startsWith(u"--"))
            rest = rest.mid(2);
        else if (rest.startsWith(u'-'))
            rest = rest.mid(1);
        else
            return false;
        return rest == QLatin1String(name) || rest.startsWith(QLatin1String(name) + u'=');
    };
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (i > 0 && std::ranges::any_of(alone, [&](const char* n) { return named(a, n); }))
            continue;
        if (i > 0 && std::ranges::any_of(withValue, [&](const char* n) { return named(a, n); })) {
            if (!a.contains(u'='))
                ++i;
            continue;
        }
        kept << a;
    }
    return kept;
}
