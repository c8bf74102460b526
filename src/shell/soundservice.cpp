#include "soundservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <array>
#include <memory>

/// Lives on the sound thread; creates the effects there on first use.
class SoundWorker final : public QObject {
  public:
    SoundWorker(QString folder, std::atomic<int>& pending)
        : folder_(std::move(folder)), pending_(pending)
    {}

    void playPending()
    {
        const int wanted = pending_.exchange(-1);
        if (wanted < 0)
            return;
        if (!loaded_)
            load();
        for (auto& effect : effects_)
            effect->stop();
        effects_[static_cast<std::size_t>(wanted)]->play();
    }

  private:
    void load()
    {
        loaded_ = true;
        for (std::size_t i = 0; i < effects_.size(); ++i) {
            effects_[i] = std::make_unique<QSoundEffect>();
            const QString file = QDir(folder_).filePath(soundFileName(static_cast<Sound>(i)));
            effects_[i]->setSource(QUrl::fromLocalFile(file));
        }
    }

    QString folder_;
    std::atomic<int>& pending_;
    bool loaded_ = false;
    std::array<std::unique_ptr<QSoundEffect>, 5> effects_;
};

SoundService::SoundService(const QString& folder)
    : thread_(new QThread), worker_(new SoundWorker(folder, pending_))
{
    thread_->setObjectName(QStringLiteral("suoni"));
    worker_->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_->start();
}

SoundService::~SoundService()
{
    thread_->quit();
    // A sound server that hangs can hold the thread for a long time; the program does not
    // wait for it at exit but leaves the thread to end with the process.
    if (thread_->wait(QDeadlineTimer(2000)))
        delete thread_;
}

void SoundService::play(Sound sound)
{
    if (pending_.exchange(static_cast<int>(sound)) < 0)
        QMetaObject::invokeMethod(worker_, &SoundWorker::playPending, Qt::QueuedConnection);
}

QString SoundService::defaultFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("suoni"));
}
