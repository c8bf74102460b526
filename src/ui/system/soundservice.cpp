#include "ui/system/soundservice.h"

#include "ui/system/quickexit.h"
#include "ui/system/wavefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <array>
#include <atomic>

namespace {

constexpr std::size_t kSoundCount = 5;

} // namespace

/// What the service and its worker share; a stuck sound thread may keep it after the service
/// is gone.
struct SoundState {
    std::atomic<int> pending{-1};         ///< the sound asked for and not yet started, or -1
    std::atomic<bool> libraryUsed{false}; ///< a sound effect has been made
};

/// Lives on the sound thread, where it creates, plays and destroys every sound effect: no
/// other thread ever touches them. The files are checked and copied on first use, before the
/// first effect is made, since making one may wait on the sound server.
class SoundWorker final : public QObject {
  public:
    SoundWorker(QString folder, QString copies, std::shared_ptr<SoundState> state)
        : folder_(std::move(folder)), copies_(std::move(copies)), state_(std::move(state))
    {}

    void playPending()
    {
        const int wanted = state_->pending.exchange(-1);
        if (wanted < 0)
            return;
        if (!loaded_)
            load();
        // Every sound starts on an effect of its own, made anew: with Qt 6.4's PulseAudio
        // backend an effect stopped and started again quickly a few times stays silent for
        // good. The samples stay in the library's cache, so a new effect does not read the file.
        for (auto& effect : effects_) {
            if (effect && effect->isPlaying())
                effect->stop();
        }
        const QUrl& source = sources_.at(static_cast<std::size_t>(wanted));
        if (source.isEmpty())
            return;
        auto& effect = effects_.at(static_cast<std::size_t>(wanted));
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(source);
        effect->play();
    }

    /// Destroys the effects here and ends the thread; the worker is deleted as it ends.
    void stop()
    {
        for (auto& effect : effects_)
            effect.reset();
        QThread::currentThread()->quit();
    }

  private:
    void load()
    {
        loaded_ = true;
        for (std::size_t i = 0; i < kSoundCount; ++i)
            sources_.at(i) = verifiedSource(static_cast<Sound>(i));
        for (std::size_t i = 0; i < kSoundCount; ++i) {
            if (sources_.at(i).isEmpty())
                continue;
            state_->libraryUsed = true;
            effects_.at(i) = std::make_unique<QSoundEffect>();
            effects_.at(i)->setSource(sources_.at(i));
        }
    }

    /// The file to hand to the multimedia library for `sound`: the canonical copy, or the
    /// original when it needs no rewriting and no copy can be written; empty for silence.
    QUrl verifiedSource(Sound sound) const
    {
        const QString name = soundFileName(sound);
        const QString original = QDir(folder_).filePath(name);
        const CheckedWave checked = readWaveFile(original);
        if (!checked.sound.accepted())
            return {};
        if (!copies_.isEmpty()) {
            QFile copy(QDir(copies_).filePath(name));
            if (copy.open(QIODevice::WriteOnly) &&
                copy.write(checked.canonical) == checked.canonical.size() && copy.flush())
                return QUrl::fromLocalFile(copy.fileName());
            copy.remove();
        }
        if (checked.sameAsFile)
            return QUrl::fromLocalFile(original);
        return {};
    }

    QString folder_;
    QString copies_;
    std::shared_ptr<SoundState> state_;
    bool loaded_ = false;
    std::array<QUrl, kSoundCount> sources_;
    std::array<std::unique_ptr<QSoundEffect>, kSoundCount> effects_;
};

SoundService::SoundService(const QString& folder)
    : copies_(std::make_unique<QTemporaryDir>()), thread_(new QThread),
      state_(std::make_shared<SoundState>())
{
    worker_ = new SoundWorker(folder, copies_->isValid() ? copies_->path() : QString(), state_);
    thread_->setObjectName(QStringLiteral("suoni"));
    worker_->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_->start();
}

SoundService::~SoundService()
{
    QMetaObject::invokeMethod(worker_, &SoundWorker::stop, Qt::QueuedConnection);
    if (thread_->wait(QDeadlineTimer(kShutdownBound.count()))) {
        delete thread_;
        if (state_->libraryUsed)
            skipStaticDestructorsAtExit();
        return;
    }
    // The thread stays inside the multimedia library: its QThread, worker and effects are
    // left to the end of the process. The copies go now; the library holds whatever it has
    // read of them in memory.
    copies_.reset();
    skipStaticDestructorsAtExit();
}

void SoundService::play(Sound sound)
{
    if (state_->pending.exchange(static_cast<int>(sound)) < 0)
        QMetaObject::invokeMethod(worker_, &SoundWorker::playPending, Qt::QueuedConnection);
}

QString SoundService::defaultFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("suoni"));
}
