#pragma once

#include "core/board/sounds.h"

#include <QString>
#include <chrono>
#include <memory>

class QTemporaryDir;
class QThread;
class SoundWorker;
struct SoundState;

/// Plays the feedback sounds from wave files in a folder ("suoni" beside the executable).
/// All multimedia work runs on a thread of its own: `play` only records the wish and returns,
/// so a slow or hanging sound server never holds up the user interface. A sound asked for
/// while another plays replaces it; a missing or refused file, or no server, gives silence.
///
/// The multimedia library is only ever given files this service has checked (see
/// wavefile.h) and written itself, in canonical form, into a temporary folder of its own; when
/// no such folder can be made, an original file is used only if it already is in that form.
///
/// Works around two faults of the PulseAudio engine of Qt Multimedia 6.4.2 (Debian 12,
/// Ubuntu 24.04): an effect stopped and started again quickly a few times stays silent for
/// good (gone in Qt 6.8.2, Debian 13), so every sound starts on an effect made anew (kept in check
/// by tests/system/sound_playback.sh, "no.wav asked for ten times", which also probes the fault
/// without this on each Qt the project builds with); and the library's static
/// destructors race its own threads at exit, so the process ends without them (below).
class SoundService final : public SoundSink {
  public:
    /// How long the destructor waits for the sound thread to end.
    static constexpr std::chrono::milliseconds kShutdownBound{300};

    explicit SoundService(const QString& folder);
    /// Destroys the sounds on their own thread and ends it, waiting at most kShutdownBound
    /// (a thread stuck on a sound server that does not answer is left behind). Once the
    /// multimedia library has been used, or the thread is left behind, the process ends at the
    /// start of exit(), with the status main returns, without the static destructors of the
    /// library's global objects, which would race that thread or wait on it, and which abort
    /// now and then with Qt 6.4's PulseAudio engine. Precondition: the windows have closed,
    /// main returns soon after and nothing after this relies on a static destructor.
    ~SoundService() override;
    SoundService(const SoundService&) = delete;
    SoundService& operator=(const SoundService&) = delete;

    void play(Sound sound) override;

    /// The folder "suoni" beside the program's executable.
    static QString defaultFolder();

  private:
    std::unique_ptr<QTemporaryDir> copies_;
    QThread* thread_;
    SoundWorker* worker_ = nullptr;
    std::shared_ptr<SoundState> state_;
};
