// Plays feedback sounds through the program's sound service, so that sound_playback.sh can
// record them.
//   play_sounds DIGITS [folder]   plays the sounds named by the digits (0..4 = si1..si4, no),
//                                 one every 150 ms as a quick child answers, then lets the
//                                 last one play to its end;
//   play_sounds --burst [folder]  asks for many sounds at once and exits at once, to show that
//                                 asking never blocks.
#include "ui/system/soundservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
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
