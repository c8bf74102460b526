#pragma once

#include "core/base/random.h"
#include "core/board/sounds.h"
#include "core/speech/speech.h"

#include <QList>
#include <deque>

/// Hands out the given fractions in order, then falls back to a generator seeded with `seed`.
/// Beware brace initialisation: ScriptedRandom{{}, 7} is the list {0, 7}; write ({}, 7).
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::initializer_list<float> fractions = {}, std::uint32_t seed = 1)
        : queue_(fractions), fallback_(seed)
    {}
    void push(float f) { queue_.push_back(f); }
    float fraction() override
    {
        ++draws;
        if (queue_.empty())
            return fallback_.fraction();
        const float f = queue_.front();
        queue_.pop_front();
        Q_ASSERT(f >= 0.0f && f < 1.0f);
        return f;
    }
    int draws = 0;

  private:
    std::deque<float> queue_;
    SeededRandom fallback_;
};

/// Remembers every utterance it was asked to say, with how long after the asking.
class RecordingSpeech final : public SpeechSink {
  public:
    /// Each utterance as one line: its parts joined by " / ", those in another language than
    /// Italian after their tag ("trentasette / ro: treizeci şi şapte").
    void say(const Utterance& parts, std::chrono::milliseconds after) override
    {
        QStringList line;
        for (const SpeechPart& part : parts)
            line << (part.language.isEmpty() ? part.words
                                             : part.language + QStringLiteral(": ") + part.words);
        said.append(line.join(QStringLiteral(" / ")));
        delays.append(static_cast<int>(after.count()));
    }
    QStringList said;
    QList<int> delays;
};

/// Remembers every sound it was asked to play.
class RecordingSounds final : public SoundSink {
  public:
    void play(Sound sound) override { played.append(sound); }
    QList<Sound> played;
};
