#include "app/application.h"
#include "app/startup.h"
#include "core/random.h"
#include "ui/system/printing.h"
#include "ui/system/soundservice.h"
#include "ui/windows/dialogs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    prepareApplication(qtApp);

    SeededRandom random(SeededRandom::clockSeed());
    SoundService sounds(SoundService::defaultFolder());
    QtDialogs dialogs;
    PrinterService printer;
    Application app(random, sounds, dialogs, printer);
    QObject::connect(&app, &Application::ended, &qtApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    app.main();
    return QApplication::exec();
}
