#include "ui/system/wavefile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>

namespace {

constexpr qint64 kChunkHeader = 8;
constexpr qint64 kFormatSize = 16;
constexpr qint64 kCanonicalHeader = 44;
constexpr quint16 kPcmTag = 1;

quint16 le16(QByteArrayView bytes, qint64 at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

quint32 le32(QByteArrayView bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

WaveSound refused(WaveProblem problem)
{
    WaveSound sound;
    sound.problem = problem;
    return sound;
}

/// Reads the body of a "fmt " chunk of at least kFormatSize bytes at `at` into `sound`.
WaveProblem readFormat(QByteArrayView file, qint64 at, WaveSound& sound)
{
    const quint16 tag = le16(file, at);
    const quint16 channels = le16(file, at + 2);
    const quint32 rate = le32(file, at + 4);
    const quint32 byteRate = le32(file, at + 8);
    const quint16 align = le16(file, at + 12);
    const quint16 bits = le16(file, at + 14);
    if (tag != kPcmTag)
        return WaveProblem::NotPcm;
    if (channels != 1 && channels != 2)
        return WaveProblem::Channels;
    if (bits != 8 && bits != 16)
        return WaveProblem::BitsPerSample;
    if (rate < kMinSampleRate || rate > kMaxSampleRate)
        return WaveProblem::SampleRate;
    sound.channels = channels;
    sound.bitsPerSample = bits;
    sound.sampleRate = static_cast<int>(rate);
    const auto blockAlign = static_cast<quint32>(sound.blockAlign());
    if (align != blockAlign || byteRate != rate * blockAlign)
        return WaveProblem::Inconsistent;
    return WaveProblem::None;
}

void appendLe16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void appendLe32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

WaveSound checkWave(QByteArrayView file)
{
    if (file.size() < 12 || file.first(4) != "RIFF" || file.sliced(8, 4) != "WAVE")
        return refused(WaveProblem::NotRiffWave);
    WaveSound sound;
    bool haveFormat = false;
    qint64 at = 12;
    // Sizes are 32-bit and the file at most a few MiB, so no sum below overflows a qint64.
    while (file.size() - at >= kChunkHeader) {
        const QByteArrayView id = file.sliced(at, 4);
        const qint64 size = le32(file, at + 4);
        const qint64 body = at + kChunkHeader;
        const qint64 present = file.size() - body;
        if (id == "fmt ") {
            if (haveFormat)
                return refused(WaveProblem::Inconsistent);
            if (size < kFormatSize || present < size)
                return refused(WaveProblem::NoFormat);
            const WaveProblem problem = readFormat(file, body, sound);
            if (problem != WaveProblem::None)
                return refused(problem);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return refused(WaveProblem::NoFormat);
            const qint64 whole = std::min(size, present);
            sound.dataOffset = body;
            sound.dataLength = whole - whole % sound.blockAlign();
            if (sound.dataLength == 0)
                return refused(WaveProblem::NoData);
            return sound;
        }
        at = body + size + (size & 1);
    }
    return refused(haveFormat ? WaveProblem::NoData : WaveProblem::NoFormat);
}

QByteArray canonicalWave(QByteArrayView file, const WaveSound& sound)
{
    Q_ASSERT(sound.accepted());
    Q_ASSERT(sound.dataOffset + sound.dataLength <= file.size());
    const auto length = static_cast<quint32>(sound.dataLength);
    const quint32 pad = length & 1U;
    QByteArray out;
    out.reserve(kCanonicalHeader + length + pad);
    out.append("RIFF");
    appendLe32(out, static_cast<quint32>(kCanonicalHeader) - 8 + length + pad);
    out.append("WAVEfmt ");
    appendLe32(out, static_cast<quint32>(kFormatSize));
    appendLe16(out, kPcmTag);
    appendLe16(out, static_cast<quint16>(sound.channels));
    appendLe32(out, static_cast<quint32>(sound.sampleRate));
    appendLe32(out, static_cast<quint32>(sound.sampleRate * sound.blockAlign()));
    appendLe16(out, static_cast<quint16>(sound.blockAlign()));
    appendLe16(out, static_cast<quint16>(sound.bitsPerSample));
    out.append("data");
    appendLe32(out, length);
    out.append(file.sliced(sound.dataOffset, sound.dataLength));
    if (pad != 0)
        out.append('\0');
    return out;
}

CheckedWave readWaveFile(const QString& path)
{
    CheckedWave checked;
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        checked.sound = refused(WaveProblem::Unreadable);
        return checked;
    }
    if (file.size() > kMaxWaveFileSize) {
        checked.sound = refused(WaveProblem::TooLarge);
        return checked;
    }
    // The file may grow between size() and read(): read one byte more than allowed to see it.
    const QByteArray bytes = file.read(kMaxWaveFileSize + 1);
    if (bytes.size() > kMaxWaveFileSize) {
        checked.sound = refused(WaveProblem::TooLarge);
        return checked;
    }
    checked.sound = checkWave(bytes);
    if (checked.sound.accepted()) {
        checked.canonical = canonicalWave(bytes, checked.sound);
        checked.sameAsFile = checked.canonical == bytes;
    }
    return checked;
}
