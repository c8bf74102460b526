#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

/// Why a wave file is refused; `None` when it is accepted.
enum class WaveProblem {
    None,
    Unreadable,    ///< missing, not a plain file, or not readable
    TooLarge,      ///< more than kMaxWaveFileSize bytes
    NotRiffWave,   ///< does not begin with "RIFF", a size and "WAVE"
    NoFormat,      ///< no complete "fmt " chunk before the "data" chunk
    NotPcm,        ///< compressed, floating point or "extensible" samples
    Channels,      ///< neither mono nor stereo
    BitsPerSample, ///< neither 8 nor 16 bits
    SampleRate,    ///< outside kMinSampleRate..kMaxSampleRate
    Inconsistent,  ///< block align or byte rate disagree with the format, or two "fmt " chunks
    NoData,        ///< no "data" chunk, or no whole sample frame in it
};

/// The sounds the program accepts are short: its own are a few tens of KiB.
inline constexpr qint64 kMaxWaveFileSize = qint64{8} * 1024 * 1024;
inline constexpr int kMinSampleRate = 8000;
inline constexpr int kMaxSampleRate = 96000;

/// What the header of a wave file says, once checked.
struct WaveSound {
    WaveProblem problem = WaveProblem::None;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qint64 dataOffset = 0; ///< the first byte of the samples in the file
    qint64 dataLength = 0; ///< bytes of whole sample frames actually present in the file

    bool accepted() const { return problem == WaveProblem::None; }
    int blockAlign() const { return channels * bitsPerSample / 8; }
};

/// Checks the bytes of a whole RIFF/WAVE file. Accepts plain PCM (format tag 1), mono or
/// stereo, 8 or 16 bits, kMinSampleRate..kMaxSampleRate, with the block align and byte rate
/// the format implies. Chunks other than "fmt " and "data" are skipped, each padded to an even
/// length; "fmt " must come before "data". The RIFF size field is not trusted (writers that
/// stream leave it wrong): only the file's real length counts. A data chunk that claims more
/// bytes than the file holds is cut to the bytes present, rounded down to whole frames, so a
/// file cut short by a failed copy still plays what it has; no whole frame at all is refused.
WaveSound checkWave(QByteArrayView file);

/// The canonical file for an accepted sound: a 44-byte header that states exactly the checked
/// format and length, then the samples (and a pad byte after an odd number of them).
/// Precondition: `sound` is checkWave(file) and accepted.
QByteArray canonicalWave(QByteArrayView file, const WaveSound& sound);

/// A wave file read from disk and checked.
struct CheckedWave {
    WaveSound sound;
    QByteArray canonical;    ///< canonicalWave() of the file; empty when refused
    bool sameAsFile = false; ///< the file on disk already is its canonical form
};

/// Reads and checks the file at `path`. Only a plain file (after following links) of at most
/// kMaxWaveFileSize bytes is read, so a FIFO, a device or a huge file never blocks the caller.
CheckedWave readWaveFile(const QString& path);
