// Plays every feedback sound through the program's sound service, one after the other, so
// that sound_playback.sh can record them. With "--burst" it asks for many sounds at once
// and exits at once, to show that asking never blocks.
#include "shell/soundservice.h"

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
        out << "50 requests returned after " << timer.elapsed() << " ms\n";
        QTimer::singleShot(1000, &app, &QCoreApplication::quit);
        return QCoreApplication::exec();
    }

    // One sound (0..4 = si1..si4, no), then time for it to play to its end.
    const int which = args.value(1).toInt();
    sounds.play(static_cast<Sound>(which));
    QTimer::singleShot(2000, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
