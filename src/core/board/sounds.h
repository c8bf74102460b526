#pragma once

#include <QString>

class RandomSource;

/// The five feedback sounds: four for a right answer, one for a wrong answer.
enum class Sound { Si1, Si2, Si3, Si4, No };

/// The file of a sound inside the folder "suoni" ("si1.wav" ... "no.wav").
QString soundFileName(Sound sound);

/// Starts sounds. Implementations return at once and never report a failure; a new sound
/// takes the place of one still playing.
class SoundSink {
  public:
    virtual ~SoundSink() = default;
    virtual void play(Sound sound) = 0;
};

/// Plays nothing: the feedback sounds turned off.
class SilentSounds final : public SoundSink {
  public:
    void play(Sound) override {}
};

/// Right answer: draws n = floor(r * 4) + 1 and starts sound si<n>, whether or not it can play.
void suonoEsatto(RandomSource& random, SoundSink& sink);

/// Wrong answer: starts no.wav; draws nothing.
void suonoErrato(SoundSink& sink);
