#include "app/teacher.h"

#include "ui/system/firstpaint.h"
#include "ui/system/signalexit.h"
#include "ui/system/speechservice.h"
#include "ui/windows/teacherwindow.h"
#include "ui/windows/windowhost.h"

#include <QApplication>
#include <QTimer>
#include <chrono>

namespace teacher {

namespace {

using namespace std::chrono_literals;
constexpr auto kAskEvery = 250ms;
constexpr auto kGiveUpAfter = 10s;

/// Asks the speech server for its voices once the window has painted, and shows the answer
/// there; a server that does not answer within kGiveUpAfter is said to be silent.
void tellVoiceLanguages(TeacherWindow& window, SpeechService& speech)
{
    window.showVoiceLanguages(VoiceAnswer::Asking);
    afterFirstPaint(window, [&window, &speech] {
        speech.warmUp();
        auto* poll = new QTimer(&window);
        const auto asked = std::chrono::steady_clock::now();
        QObject::connect(poll, &QTimer::timeout, &window, [&window, &speech, poll, asked] {
            if (speech.warmedUp()) {
                window.showVoiceLanguages(VoiceAnswer::Answered, speech.speakableLanguages());
            } else if (std::chrono::steady_clock::now() - asked > kGiveUpAfter) {
                window.showVoiceLanguages(VoiceAnswer::NoAnswer);
            } else {
                return;
            }
            poll->deleteLater();
        });
        poll->start(kAskEvery);
    });
}

} // namespace

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
    const SignalExit signalExit; // a logout ends the view through its destructors, as Esci does
    SpeechService speech;        // outlives the window, which polls it
    WindowHost host;
    host.startFullScreen(options.fullScreen);
    TeacherWindow window(host, options, dialogs, printer);
    QObject::connect(&window, &ProgramWindow::closedByUser, &window,
                     [&host, &window] { host.hide(&window); });
    tellVoiceLanguages(window, speech);
    host.show(&window);
    return QApplication::exec();
}

} // namespace teacher
