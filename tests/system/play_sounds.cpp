// Plays feedback sounds through the program's sound service, so that sound_playback.sh can
// record them.
//   play_sounds DIGITS [folder]   plays the sounds named by the digits (0..4 = si1..si4, no),
//                                 one every 150 ms as a quick child answers, then lets the
//                                 last one play to its end;
//   play_sounds --burst [folder]  asks for many sounds at once and exits at once, to show that
//                                 asking never blocks;
//   play_sounds --one-effect FILE stops and starts one QSoundEffect ten times in 1.5 s, as
//                                 the service did before it made an effect for every sound,
//                                 prints "final" with Qt's version, and 0.7 s later plays it
//                                 once more: silent when Qt's fault is still there.
#include "ui/system/soundservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSoundEffect>
#include <QTextStream>
#include <QTimer>
#include <QUrl>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.value(1) == QStringLiteral("--one-effect")) {
        QSoundEffect effect;
        effect.setSource(QUrl::fromLocalFile(args.value(2)));
        for (int i = 0; i < 10; ++i) {
            QTimer::singleShot(500 + i * 150, &effect, [&effect] {
                effect.stop();
                effect.play();
            });
        }
        QTimer::singleShot(4000, &effect, [&effect] {
            QTextStream(stdout) << "final " << qVersion() << Qt::endl;
            QTimer::singleShot(700, &effect, [&effect] {
                effect.stop();
                effect.play();
            });
        });
        QTimer::singleShot(6500, &app, &QCoreApplication::quit);
        return QCoreApplication::exec();
    }
    SoundService sounds(args.size() > 2 ? args.at(2) : SoundService::defaultFolder());
    QTextStream out(stdout);

    if (args.value(1) == QStringLiteral("--burst")) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 50; ++i)
            sounds.play(static_cast<Sound>(i % 5));
        out << "50 requests returned after " << timer.elapsed() << " ms" << Qt::endl;
        QTimer::singleShot(1000, &app, &QCoreApplication::quit);
        return QCoreApplication::exec();
    }

    int delay = 0;
    for (const QChar digit : args.value(1)) {
        const int which = digit.digitValue();
        if (which < 0 || which > 4)
            return 2;
        QTimer::singleShot(delay, &app,
                           [&sounds, which] { sounds.play(static_cast<Sound>(which)); });
        delay += 150;
    }
    QTimer::singleShot(delay + 2000, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
