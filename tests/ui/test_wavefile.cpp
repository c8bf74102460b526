#include "core/board/sounds.h"
#include "ui/system/wavefile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <sys/stat.h>

// Names in failure messages.
char* toString(WaveProblem problem)
{
    static const char* const names[] = {"None",       "Unreadable",   "TooLarge", "NotRiffWave",
                                        "NoFormat",   "NotPcm",       "Channels", "BitsPerSample",
                                        "SampleRate", "Inconsistent", "NoData"};
    return qstrdup(names[static_cast<int>(problem)]);
}

namespace {

QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

/// A chunk with the given size field; the body is padded to an even length unless told not.
QByteArray chunk(const char* id, const QByteArray& body, bool pad = true)
{
    QByteArray out = QByteArray(id) + le32(static_cast<quint32>(body.size())) + body;
    if (pad && body.size() % 2 != 0)
        out.append('\0');
    return out;
}

/// A "data" chunk header that claims `claimed` bytes, then the bytes actually present.
QByteArray dataClaiming(quint32 claimed, const QByteArray& present)
{
    return QByteArray("data") + le32(claimed) + present;
}

/// The body of a "fmt " chunk; align and byte rate follow from the format unless given.
QByteArray fmt(quint16 tag, quint16 channels, quint32 rate, quint16 bits, int align = -1,
               qint64 byteRate = -1)
{
    const quint16 a = align >= 0 ? quint16(align) : quint16(channels * bits / 8);
    const quint32 r = byteRate >= 0 ? quint32(byteRate) : rate * a;
    return le16(tag) + le16(channels) + le32(rate) + le32(r) + le16(a) + le16(bits);
}

QByteArray pcm(quint16 channels, quint32 rate, quint16 bits)
{
    return chunk("fmt ", fmt(1, channels, rate, bits));
}

/// A RIFF/WAVE file around the given chunks, with a correct RIFF size.
QByteArray riff(const QByteArray& chunks)
{
    return QByteArray("RIFF") + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

/// Bytes that differ from one position to the next, so that a shifted copy shows.
QByteArray samples(int count)
{
    QByteArray out(count, '\0');
    for (int i = 0; i < count; ++i)
        out[i] = char((i * 7 + 3) & 0xFF);
    return out;
}

QByteArray noise(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray out(count, '\0');
    for (char& byte : out)
        byte = char(random.bounded(256));
    return out;
}

const QByteArray kMono16 = riff(pcm(1, 22050, 16) + chunk("data", samples(1000)));

} // namespace

class TestWaveFile : public QObject {
    Q_OBJECT
  private slots:
    void check_data();
    void check();
    void everyPrefixOfAFileIsSafe_data();
    void everyPrefixOfAFileIsSafe();
    void noiseIsRefused_data();
    void noiseIsRefused();
    void canonicalForm_data();
    void canonicalForm();
    void readFromDisk_data();
    void readFromDisk();
    void shippedSoundsNeedNoRewriting_data();
    void shippedSoundsNeedNoRewriting();
};

void TestWaveFile::check_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<WaveProblem>("problem");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bits");
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<qint64>("length");
    const auto ok = WaveProblem::None;
    const QByteArray data1000 = chunk("data", samples(1000));

    QTest::newRow("16-bit mono") << kMono16 << ok << 1 << 22050 << 16 << 44LL << 1000LL;
    QTest::newRow("16-bit stereo")
        << riff(pcm(2, 44100, 16) + data1000) << ok << 2 << 44100 << 16 << 44LL << 1000LL;
    QTest::newRow("8-bit mono, odd length and its pad byte")
        << riff(pcm(1, 11025, 8) + chunk("data", samples(999))) << ok << 1 << 11025 << 8 << 44LL
        << 999LL;
    QTest::newRow("8-bit stereo") << riff(pcm(2, 8000, 8) + data1000) << ok << 2 << 8000 << 8
                                  << 44LL << 1000LL;
    QTest::newRow("highest rate") << riff(pcm(1, 96000, 16) + data1000) << ok << 1 << 96000 << 16
                                  << 44LL << 1000LL;
    QTest::newRow("LIST chunk before data")
        << riff(pcm(1, 22050, 16) + chunk("LIST", samples(26)) + data1000) << ok << 1 << 22050 << 16
        << 78LL << 1000LL;
    QTest::newRow("odd chunk padded before data")
        << riff(chunk("junk", samples(5)) + pcm(1, 22050, 16) + data1000) << ok << 1 << 22050 << 16
        << 58LL << 1000LL;
    QTest::newRow("fmt chunk with an extension")
        << riff(chunk("fmt ", fmt(1, 1, 22050, 16) + le16(0)) + data1000) << ok << 1 << 22050 << 16
        << 46LL << 1000LL;
    QTest::newRow("chunks after data")
        << riff(pcm(1, 22050, 16) + data1000 + chunk("LIST", samples(40))) << ok << 1 << 22050 << 16
        << 44LL << 1000LL;
    QTest::newRow("data cut short")
        << kMono16.left(44 + 500) << ok << 1 << 22050 << 16 << 44LL << 500LL;
    QTest::newRow("data cut inside a frame") << riff(pcm(2, 22050, 16) + data1000).left(44 + 503)
                                             << ok << 2 << 22050 << 16 << 44LL << 500LL;
    QTest::newRow("forged data length 0x7FFFFFFF, 16-bit stereo")
        << riff(pcm(2, 22050, 16) + dataClaiming(0x7FFFFFFF, samples(4000))) << ok << 2 << 22050
        << 16 << 44LL << 4000LL;
    QTest::newRow("forged data length 0xFFFFFFFF")
        << riff(pcm(1, 22050, 16) + dataClaiming(0xFFFFFFFF, samples(10))) << ok << 1 << 22050 << 16
        << 44LL << 10LL;

    const auto refused = [](const char* name, const QByteArray& file, WaveProblem problem) {
        QTest::newRow(name) << file << problem << 0 << 0 << 0 << 0LL << 0LL;
    };
    refused("empty file", {}, WaveProblem::NotRiffWave);
    refused("RIFF only", "RIFF", WaveProblem::NotRiffWave);
    refused("big-endian RIFX", "RIFX" + kMono16.mid(4), WaveProblem::NotRiffWave);
    refused("RIFF AVI", kMono16.left(8) + "AVI " + kMono16.mid(12), WaveProblem::NotRiffWave);
    refused("nothing after WAVE", kMono16.left(12), WaveProblem::NoFormat);
    refused("cut inside fmt", kMono16.left(30), WaveProblem::NoFormat);
    refused("cut before the data chunk", kMono16.left(36), WaveProblem::NoData);
    refused("data chunk header only", kMono16.left(44), WaveProblem::NoData);
    refused("less than a frame of data", riff(pcm(2, 22050, 16) + data1000).left(47),
            WaveProblem::NoData);
    refused("empty data chunk", riff(pcm(1, 22050, 16) + chunk("data", {})), WaveProblem::NoData);
    refused("no data chunk", riff(pcm(1, 22050, 16) + chunk("LIST", samples(8))),
            WaveProblem::NoData);
    refused("odd chunk without its pad byte",
            riff(pcm(1, 22050, 16) + chunk("junk", samples(5), false) + data1000),
            WaveProblem::NoData);
    refused("a chunk claims 4 GiB before data",
            riff(pcm(1, 22050, 16) + "LIST" + le32(~0U) + samples(8) + data1000),
            WaveProblem::NoData);
    refused("data before fmt", riff(data1000 + pcm(1, 22050, 16)), WaveProblem::NoFormat);
    refused("fmt chunk too short", riff(chunk("fmt ", fmt(1, 1, 22050, 16).left(14)) + data1000),
            WaveProblem::NoFormat);
    refused("fmt chunk longer than the file", riff(chunk("fmt ", fmt(1, 1, 22050, 16))).left(30),
            WaveProblem::NoFormat);
    refused("forged 24-bit header",
            riff(pcm(2, 22050, 24) + dataClaiming(0x7FFFFFFF, samples(4800))),
            WaveProblem::BitsPerSample);
    refused("32-bit integers", riff(pcm(1, 22050, 32) + data1000), WaveProblem::BitsPerSample);
    refused("4-bit", riff(chunk("fmt ", fmt(1, 1, 22050, 4, 1)) + data1000),
            WaveProblem::BitsPerSample);
    refused("32-bit float", riff(chunk("fmt ", fmt(3, 1, 22050, 32)) + data1000),
            WaveProblem::NotPcm);
    refused("extensible", riff(chunk("fmt ", fmt(0xFFFE, 2, 22050, 16) + samples(24)) + data1000),
            WaveProblem::NotPcm);
    refused("A-law", riff(chunk("fmt ", fmt(6, 1, 8000, 8)) + data1000), WaveProblem::NotPcm);
    refused("no channels", riff(chunk("fmt ", fmt(1, 0, 22050, 16, 2)) + data1000),
            WaveProblem::Channels);
    refused("three channels", riff(pcm(3, 22050, 16) + data1000), WaveProblem::Channels);
    refused("zero rate", riff(pcm(1, 0, 16) + data1000), WaveProblem::SampleRate);
    refused("rate just below", riff(pcm(1, 7999, 16) + data1000), WaveProblem::SampleRate);
    refused("rate just above", riff(pcm(1, 96001, 16) + data1000), WaveProblem::SampleRate);
    refused("rate 4 GHz", riff(pcm(1, 0xFFFFFFFF, 16) + data1000), WaveProblem::SampleRate);
    refused("block align disagrees", riff(chunk("fmt ", fmt(1, 2, 22050, 16, 2)) + data1000),
            WaveProblem::Inconsistent);
    refused("byte rate disagrees", riff(chunk("fmt ", fmt(1, 1, 22050, 16, -1, 22050)) + data1000),
            WaveProblem::Inconsistent);
    refused("two fmt chunks", riff(pcm(1, 22050, 16) + pcm(2, 22050, 16) + data1000),
            WaveProblem::Inconsistent);
}

void TestWaveFile::check()
{
    QFETCH(QByteArray, file);
    QFETCH(WaveProblem, problem);
    const WaveSound sound = checkWave(file);
    QCOMPARE(sound.problem, problem);
    QCOMPARE(sound.accepted(), problem == WaveProblem::None);
    if (!sound.accepted())
        return;
    QTEST(sound.channels, "channels");
    QTEST(sound.sampleRate, "rate");
    QTEST(sound.bitsPerSample, "bits");
    QTEST(sound.dataOffset, "offset");
    QTEST(sound.dataLength, "length");
}

void TestWaveFile::everyPrefixOfAFileIsSafe_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("16-bit mono") << kMono16.left(200);
    QTest::newRow("LIST chunk before data")
        << riff(pcm(2, 22050, 16) + chunk("LIST", samples(27)) + chunk("data", samples(64)));
    QTest::newRow("forged length")
        << riff(pcm(2, 22050, 16) + dataClaiming(0x7FFFFFFF, samples(64)));
}

// Every cut of a file either is refused or points at whole frames inside what is there; run
// under AddressSanitizer this also shows that no cut makes the check read past the end.
void TestWaveFile::everyPrefixOfAFileIsSafe()
{
    QFETCH(QByteArray, file);
    for (qsizetype size = 0; size <= file.size(); ++size) {
        const QByteArray cut(file.constData(), size); // a copy, so the end is the real end
        const WaveSound sound = checkWave(cut);
        if (!sound.accepted())
            continue;
        QVERIFY2(sound.dataLength > 0, qPrintable(QString::number(size)));
        QVERIFY(sound.dataOffset + sound.dataLength <= size);
        QCOMPARE(sound.dataLength % sound.blockAlign(), 0);
    }
}

void TestWaveFile::noiseIsRefused_data()
{
    QTest::addColumn<QByteArray>("file");
    for (quint32 seed = 1; seed <= 6; ++seed) {
        const QByteArray bytes = noise(4096, seed);
        QTest::addRow("noise %u", seed) << bytes;
        QTest::addRow("RIFF WAVE, then noise %u", seed)
            << QByteArray("RIFF") + le32(4096) + "WAVE" + bytes;
    }
}

void TestWaveFile::noiseIsRefused()
{
    QFETCH(QByteArray, file);
    QVERIFY(!checkWave(file).accepted());
}

void TestWaveFile::canonicalForm_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("already canonical") << kMono16;
    QTest::newRow("odd 8-bit length") << riff(pcm(1, 11025, 8) + chunk("data", samples(999)));
    QTest::newRow("LIST chunk and fmt extension")
        << riff(chunk("LIST", samples(26)) + chunk("fmt ", fmt(1, 2, 48000, 16) + le16(0)) +
                chunk("data", samples(400)));
    QTest::newRow("forged length")
        << riff(pcm(2, 22050, 16) + dataClaiming(0x7FFFFFFF, samples(4003)));
}

// The copy handed to the multimedia library says exactly what was checked, holds the same
// samples, and is its own canonical form.
void TestWaveFile::canonicalForm()
{
    QFETCH(QByteArray, file);
    const WaveSound sound = checkWave(file);
    QVERIFY(sound.accepted());
    const QByteArray canonical = canonicalWave(file, sound);
    QCOMPARE(canonical.size(), 44 + sound.dataLength + sound.dataLength % 2);
    QCOMPARE(qFromLittleEndian<quint32>(canonical.constData() + 4), quint32(canonical.size() - 8));
    const WaveSound again = checkWave(canonical);
    QVERIFY(again.accepted());
    QCOMPARE(again.channels, sound.channels);
    QCOMPARE(again.sampleRate, sound.sampleRate);
    QCOMPARE(again.bitsPerSample, sound.bitsPerSample);
    QCOMPARE(again.dataOffset, 44);
    QCOMPARE(again.dataLength, sound.dataLength);
    QCOMPARE(canonical.mid(44, sound.dataLength), file.mid(sound.dataOffset, sound.dataLength));
    QCOMPARE(canonicalWave(canonical, again), canonical);
}

void TestWaveFile::readFromDisk_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<WaveProblem>("problem");
    QTest::addColumn<bool>("sameAsFile");
    QTest::newRow("canonical file") << "file" << kMono16 << WaveProblem::None << true;
    QTest::newRow("file with a LIST chunk")
        << "file" << riff(pcm(1, 22050, 16) + chunk("LIST", samples(6)) + chunk("data", samples(8)))
        << WaveProblem::None << false;
    QTest::newRow("refused file") << "file" << QByteArray("RIFF") << WaveProblem::NotRiffWave
                                  << false;
    QTest::newRow("empty file") << "file" << QByteArray() << WaveProblem::NotRiffWave << false;
    QTest::newRow("missing") << "missing" << QByteArray() << WaveProblem::Unreadable << false;
    QTest::newRow("folder") << "folder" << QByteArray() << WaveProblem::Unreadable << false;
    QTest::newRow("FIFO nobody writes to")
        << "fifo" << QByteArray() << WaveProblem::Unreadable << false;
    QTest::newRow("link to a device")
        << "device" << QByteArray() << WaveProblem::Unreadable << false;
    QTest::newRow("link to a good file") << "link" << kMono16 << WaveProblem::None << true;
    QTest::newRow("larger than allowed") << "huge" << kMono16 << WaveProblem::TooLarge << false;
}

void TestWaveFile::readFromDisk()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, contents);
    QFETCH(WaveProblem, problem);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("si1.wav"));
    const QString target = dir.filePath(QStringLiteral("target.wav"));
    const auto write = [&contents](const QString& name, qint64 size) {
        QFile file(name);
        return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() &&
               file.resize(size);
    };
    if (kind == QLatin1String("file"))
        QVERIFY(write(path, contents.size()));
    else if (kind == QLatin1String("huge")) // sparse: a valid header, then zeros
        QVERIFY(write(path, kMaxWaveFileSize + 1));
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("si1.wav")));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("device"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else if (kind == QLatin1String("link"))
        QVERIFY(write(target, contents.size()) && QFile::link(target, path));

    const CheckedWave checked = readWaveFile(path);
    QCOMPARE(checked.sound.problem, problem);
    QTEST(checked.sameAsFile, "sameAsFile");
    if (problem == WaveProblem::None)
        QCOMPARE(checked.canonical, canonicalWave(contents, checked.sound));
    else
        QVERIFY(checked.canonical.isEmpty());
}

void TestWaveFile::shippedSoundsNeedNoRewriting_data()
{
    QTest::addColumn<Sound>("sound");
    QTest::newRow("si1") << Sound::Si1;
    QTest::newRow("si2") << Sound::Si2;
    QTest::newRow("si3") << Sound::Si3;
    QTest::newRow("si4") << Sound::Si4;
    QTest::newRow("no") << Sound::No;
}

// Where no temporary folder can be made, the sound service plays an original only when it is
// already canonical: the program's own sounds must be, or that desktop stays silent.
void TestWaveFile::shippedSoundsNeedNoRewriting()
{
    QFETCH(Sound, sound);
    const QString path = QFINDTESTDATA(QStringLiteral("../assets/suoni/") + soundFileName(sound));
    QVERIFY(!path.isEmpty());
    const CheckedWave checked = readWaveFile(path);
    QCOMPARE(checked.sound.problem, WaveProblem::None);
    QVERIFY(checked.sameAsFile);
}

QTEST_GUILESS_MAIN(TestWaveFile)
#include "test_wavefile.moc"
