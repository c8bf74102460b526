// Drives the program's sound service outside the program, for the end-to-end sound checks.
//   play_sounds N [folder]        plays sound N (0..4 = si1..si4, no), then lets it play out,
//                                 so that sound_playback.sh can record it;
//   play_sounds --burst [folder]  asks for many sounds at once, to show that asking never blocks;
//   play_sounds --session [folder] answers ten tasks the way a child does, one sound every
//                                 150 ms, lets the last one play out and quits
//                                 (hostile_desktop.sh).
// The session prints one line of figures: the longest play() call, the longest stall of the
// event loop while the sounds were asked for, and the wall-clock time of the quit, which the
// script compares with the moment the process has ended.
#include "ui/soundservice.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <array>

namespace {

/// Ten answers, every sound at least twice, as in a series of ten tasks; the last one, a wrong
/// answer, is left to play out before the quit.
constexpr std::array<int, 10> kSession{0, 1, 4, 2, 3, 0, 2, 1, 3, 4};
constexpr std::size_t kPauseAnswers = 4;

/// Plays the session on `sounds`, then quits the application; reports its figures on `out`.
class Session final : public QObject {
  public:
    Session(SoundService& sounds, QTextStream& out) : sounds_(sounds), out_(out)
    {
        connect(&answers_, &QTimer::timeout, this, &Session::answer);
        connect(&ticks_, &QTimer::timeout, this, &Session::tick);
        answers_.start(150);
        ticks_.start(10);
        sinceTick_.start();
    }

  private:
    void answer()
    {
        if (next_ == kSession.size() + kPauseAnswers) {
            answers_.stop();
            ticks_.stop();
            out_ << "plays " << kSession.size() << " max_play_us " << maxPlayNs_ / 1000
                 << " max_stall_ms " << maxStallMs_ << " quit_epoch_ms "
                 << QDateTime::currentMSecsSinceEpoch() << Qt::endl;
            QCoreApplication::quit();
            return;
        }
        if (next_ >= kSession.size()) {
            ++next_;
            return;
        }
        QElapsedTimer call;
        call.start();
        sounds_.play(static_cast<Sound>(kSession.at(next_++)));
        maxPlayNs_ = std::max(maxPlayNs_, call.nsecsElapsed());
    }

    /// A 10 ms timer that fires late shows an event loop held up.
    void tick() { maxStallMs_ = std::max(maxStallMs_, sinceTick_.restart() - 10); }

    SoundService& sounds_;
    QTextStream& out_;
    QTimer answers_;
    QTimer ticks_;
    QElapsedTimer sinceTick_;
    std::size_t next_ = 0;
    qint64 maxPlayNs_ = 0;
    qint64 maxStallMs_ = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    SoundService sounds(args.size() > 2 ? args.at(2) : SoundService::defaultFolder());
    QTextStream out(stdout);

    if (args.value(1) == QStringLiteral("--session")) {
        const Session session(sounds, out);
        return QCoreApplication::exec();
    }

    if (args.value(1) == QStringLiteral("--burst")) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 50; ++i)
            sounds.play(static_cast<Sound>(i % 5));
        out << "50 requests returned after " << timer.elapsed() << " ms" << Qt::endl;
        QTimer::singleShot(1000, &app, &QCoreApplication::quit);
        return QCoreApplication::exec();
    }

    // One sound (0..4 = si1..si4, no), then time for it to play to its end.
    const int which = args.value(1).toInt();
    sounds.play(static_cast<Sound>(which));
    QTimer::singleShot(2000, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
