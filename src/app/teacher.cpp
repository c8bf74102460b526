#include "app/teacher.h"

#include "ui/windows/teacherwindow.h"
#include "ui/windows/windowhost.h"

#include <QApplication>

namespace teacher {

QString refusal(const LaunchOptions& options)
{
    if (!options.resultsDir.isEmpty())
        return {};
    return QStringLiteral("La vista dell'insegnante legge i risultati dalla cartella della "
                          "scuola, ma questa macchina non ne ha una: serve la chiave "
                          "results=CARTELLA in /etc/xdg/quadena/quadena.conf.");
}

int run(const LaunchOptions& options, Dialogs& dialogs, PrintService& printer)
{
    WindowHost host;
    host.startFullScreen(options.fullScreen);
    TeacherWindow window(host, options, dialogs, printer);
    QObject::connect(&window, &ProgramWindow::closedByUser, &window,
                     [&host, &window] { host.hide(&window); });
    host.show(&window);
    return QApplication::exec();
}

} // namespace teacher
