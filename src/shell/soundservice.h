#pragma once

#include "sounds.h"

#include <QString>
#include <atomic>

class QThread;
class SoundWorker;

/// Plays the feedback sounds from wave files in a folder ("suoni" beside the executable).
/// All multimedia work runs on a thread of its own: `play` only records the wish and returns,
/// so a slow or hanging sound server never holds up the user interface. A sound asked for
/// while another plays replaces it; a missing file or no server gives silence.
class SoundService final : public SoundSink {
  public:
    explicit SoundService(const QString& folder);
    ~SoundService() override;
    SoundService(const SoundService&) = delete;
    SoundService& operator=(const SoundService&) = delete;

    void play(Sound sound) override;

    /// The folder "suoni" beside the program's executable.
    static QString defaultFolder();

  private:
    QThread* thread_;
    SoundWorker* worker_;
    std::atomic<int> pending_{-1};
};
