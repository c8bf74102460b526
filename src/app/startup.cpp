#include "app/startup.h"

#include "ui/design/fonts.h"
#include "ui/input/safepaste.h"
#include "ui/system/steadystyle.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void prepareApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("quadena"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.quadena"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/quadena.svg")));
    QApplication::setStyle(new SteadyStyle);
    QApplication::setFont(makeFont({FontFamily::MsSansSerif, 10, false}));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    installSafePaste(app);

    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}
