#include "app/application.h"
#include "app/startup.h"
#include "app/teacher.h"
#include "app/whoisplaying.h"
#include "core/base/random.h"
#include "core/settings/commandline.h"
#include "core/settings/launchoptions.h"
#include "ui/input/keypad.h"
#include "ui/system/printing.h"
#include "ui/system/signalexit.h"
#include "ui/system/soundservice.h"
#include "ui/system/speechservice.h"
#include "ui/windows/dialogs.h"

#include <QApplication>
#include <QProcessEnvironment>
#include <cstdio>
#include <optional>

namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char* argv[])
{
    // The options and files are read before Qt needs a display, so that --help and a usage
    // error answer from any terminal.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Launch launch = readLaunch(withoutQtOptions(arguments),
                                     configFiles(QProcessEnvironment::systemEnvironment()));
    switch (launch.action) {
    case LaunchAction::Help:
        print(stdout, launchUsage());
        return 0;
    case LaunchAction::Version:
        print(stdout, QStringLiteral("quadena %1\n").arg(QStringLiteral(QUADENA_VERSION)));
        return 0;
    case LaunchAction::UsageError:
        print(stderr, QStringLiteral("quadena: %1 (--help elenca le opzioni)\n").arg(launch.error));
        return 2;
    case LaunchAction::Run:
    case LaunchAction::Teacher:
        break;
    }
    for (const QString& warning : launch.warnings)
        print(stderr, QStringLiteral("quadena: %1\n").arg(warning));

    QApplication qtApp(argc, argv);
    prepareApplication(qtApp);
    if (launch.action == LaunchAction::Teacher) {
        QApplication::setDesktopFileName(QString::fromLatin1(teacher::kDesktopFileName));
        QtDialogs dialogs(keypadShown(launch.options.keypad));
        PrinterService printer;
        if (const QString refusal = teacher::refusal(launch.options); !refusal.isEmpty()) {
            print(stderr, QStringLiteral("quadena: %1\n").arg(refusal));
            dialogs.messageBox(nullptr, refusal, MessageStyle::Critical);
            return 1;
        }
        return teacher::run(launch.options, dialogs, printer);
    }
    // Before the sound service, so that a logout or a shutdown ends the program through
    // its destructors, which take the service's temporary folder away.
    const SignalExit signalExit;

    SeededRandom random(SeededRandom::clockSeed());
    SoundService sounds(SoundService::defaultFolder());
    // Without the voice no engine is ever made; with it, in the background once the start window
    // has painted.
    std::optional<SpeechService> speech;
    if (launch.options.voice)
        speech.emplace();
    QtDialogs dialogs(keypadShown(launch.options.keypad));
    PrinterService printer;
    Application app(random, sounds, dialogs, printer, launch.options, speech ? &*speech : nullptr);
    QObject::connect(&app, &Application::ended, &qtApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    const auto warn = [](const QStringList& warnings) {
        for (const QString& warning : warnings)
            print(stderr, QStringLiteral("quadena: %1\n").arg(warning));
    };
    WhoIsPlaying& players = app.whoIsPlaying();
    QObject::connect(&players, &WhoIsPlaying::classListsChanged, &app,
                     [&players, warn] { warn(players.classListWarnings()); });
    QObject::connect(&players, &WhoIsPlaying::planWarnings, &app, warn);
    app.main();
    return QApplication::exec();
}
