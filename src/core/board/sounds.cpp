#include "core/board/sounds.h"

#include "core/base/random.h"

QString soundFileName(Sound sound)
{
    switch (sound) {
    case Sound::Si1:
        return QStringLiteral("si1.wav");
    case Sound::Si2:
        return QStringLiteral("si2.wav");
    case Sound::Si3:
        return QStringLiteral("si3.wav");
    case Sound::Si4:
        return QStringLiteral("si4.wav");
    case Sound::No:
        break;
    }
    return QStringLiteral("no.wav");
}

void suonoEsatto(RandomSource& random, SoundSink& sink)
{
    const int n = random.below(4) + 1;
    sink.play(static_cast<Sound>(n - 1));
}

void suonoErrato(SoundSink& sink)
{
    sink.play(Sound::No);
}
