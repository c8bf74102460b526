#pragma once

#include "core/speech/speech.h"

#include <chrono>
#include <memory>

class QThread;
class SpeechWorker;
struct SpeechState;

/// Speaks with Qt's text-to-speech engine (speech-dispatcher on Debian) in an Italian voice,
/// and each part in another language in a voice of that language, on a thread of its own:
/// `say` only records the wish and returns, so a speech server that is slow, hangs or has gone
/// never holds up the user interface. The engine, which takes a second or two to make, is made
/// by `warmUp` (once the first window has painted) or else at the first utterance. No engine,
/// no Italian voice or an engine that fails: nothing is said, nothing is shown, and the program
/// goes on. No voice for a part's language: that part is left out, with a warning the first
/// time.
class SpeechService final : public SpeechSink {
  public:
    static constexpr std::chrono::milliseconds kShutdownBound{300};

    SpeechService();
    /// Ends the engine on its thread, waiting at most kShutdownBound; a thread stuck on a
    /// server that does not answer is left behind, and the process then ends without static
    /// destructors (see the sound service). Precondition: as for the sound service.
    ~SpeechService() override;
    SpeechService(const SpeechService&) = delete;
    SpeechService& operator=(const SpeechService&) = delete;

    void say(const Utterance& parts, std::chrono::milliseconds after) override;
    void warmUp() override;
    /// The languages of the engine's voices that ICU also spells numbers in, once the engine
    /// is made; safe to call at any time.
    QStringList speakableLanguages() const override;
    /// Whether `warmUp` has ended, so that `speakableLanguages` is the server's answer; a
    /// server that hangs leaves this false.
    bool warmedUp() const;
    /// How many utterances the engine has said to their end, as it told them ended.
    int utterancesSaid() const;

  private:
    void start();

    std::shared_ptr<SpeechState> state_;
    QThread* thread_ = nullptr;
    SpeechWorker* worker_ = nullptr;
};
