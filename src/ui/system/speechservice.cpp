#include "ui/system/speechservice.h"

#include "ui/system/quickexit.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>
#include <mutex>

/// What the service and its worker share; a stuck speech thread may keep it after the
/// service is gone.
struct SpeechState {
    std::mutex lock;
    QString words;                      ///< the utterance asked for and not yet started
    std::chrono::milliseconds after{0}; ///< how long after the asking it starts
};

/// Lives on the speech thread, where it makes, uses and destroys the engine.
class SpeechWorker final : public QObject {
  public:
    explicit SpeechWorker(std::shared_ptr<SpeechState> state) : state_(std::move(state))
    {
        delay_.setSingleShot(true);
        connect(&delay_, &QTimer::timeout, this, &SpeechWorker::speak);
    }

    /// A new utterance: the one running or waiting is dropped.
    void take()
    {
        std::chrono::milliseconds after{0};
        {
            const std::lock_guard held(state_->lock);
            after = state_->after;
        }
        if (engine_)
            engine_->stop();
        delay_.start(after);
    }

    void stop()
    {
        delay_.stop();
        engine_.reset();
        QThread::currentThread()->quit();
    }

  private:
    void speak()
    {
        QString words;
        {
            const std::lock_guard held(state_->lock);
            words = std::exchange(state_->words, QString());
        }
        if (words.isEmpty() || !ready())
            return;
        engine_->say(words);
    }

    /// Makes the engine on first use and chooses its Italian voice; false without one.
    bool ready()
    {
        if (tried_)
            return engine_ != nullptr;
        tried_ = true;
        const QStringList engines = QTextToSpeech::availableEngines();
        if (engines.isEmpty())
            return false;
        const QString name =
            engines.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd") : QString();
        auto engine = std::make_unique<QTextToSpeech>(name);
        if (engine->state() == QTextToSpeech::Error)
            return false;
        const QList<QLocale> locales = engine->availableLocales();
        const auto italian = std::find_if(locales.begin(), locales.end(), [](const QLocale& l) {
            return l.language() == QLocale::Italian;
        });
        if (italian == locales.end())
            return false;
        engine->setLocale(*italian);
        engine_ = std::move(engine);
        return true;
    }

    std::shared_ptr<SpeechState> state_;
    std::unique_ptr<QTextToSpeech> engine_;
    QTimer delay_{this}; // a child, so that it moves to the speech thread with the worker
    bool tried_ = false;
};

SpeechService::SpeechService() : state_(std::make_shared<SpeechState>()) {}

void SpeechService::start()
{
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("speech"));
    worker_ = new SpeechWorker(state_);
    worker_->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_->start();
}

void SpeechService::say(const QString& words, std::chrono::milliseconds after)
{
    if (!thread_)
        start();
    {
        const std::lock_guard held(state_->lock);
        state_->words = words;
        state_->after = after;
    }
    QMetaObject::invokeMethod(worker_, &SpeechWorker::take, Qt::QueuedConnection);
}

SpeechService::~SpeechService()
{
    if (!thread_)
        return;
    QMetaObject::invokeMethod(worker_, &SpeechWorker::stop, Qt::QueuedConnection);
    if (thread_->wait(kShutdownBound)) {
        delete thread_;
        return;
    }
    // Left behind, stuck on the server: the process ends without static destructors.
    skipStaticDestructorsAtExit();
}
