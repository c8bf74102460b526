#include "ui/system/speechservice.h"

#include "core/speech/numberwords.h"
#include "ui/system/quickexit.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <map>
#include <mutex>
#include <optional>

/// What the service and its worker share; a stuck speech thread may keep it after the
/// service is gone.
struct SpeechState {
    std::mutex lock;
    Utterance parts;                    ///< the utterance asked for and not yet started
    std::chrono::milliseconds after{0}; ///< how long after the asking it starts
    QStringList languages;              ///< what the engine speaks, once it is made
    bool warmedUp = false;              ///< the engine has been made, or found missing
    int said = 0;                       ///< utterances said to their last part's end
};

namespace {

/// The voice's locale of the engine's `locales` for `tag`: the one written so, else one of the
/// same language and country, else the first of the same language; nothing without one.
std::optional<QLocale> localeFor(const QList<QLocale>& locales, const QString& tag)
{
    const QLocale wanted(tag);
    if (wanted.language() == QLocale::C)
        return std::nullopt;
    const auto find = [&](auto same) -> std::optional<QLocale> {
        const auto found = std::find_if(locales.begin(), locales.end(), same);
        return found == locales.end() ? std::nullopt : std::optional(*found);
    };
    const auto language = [&](const QLocale& l) { return l.language() == wanted.language(); };
    if (auto exact = find([&](const QLocale& l) {
            return language(l) && l.bcp47Name().compare(tag, Qt::CaseInsensitive) == 0;
        }))
        return exact;
    if (auto country = find(
            [&](const QLocale& l) { return language(l) && l.territory() == wanted.territory(); }))
        return country;
    return find(language);
}

} // namespace

/// Lives on the speech thread, where it makes, uses and destroys the engine. The parts of an
/// utterance are said one after the other: the next starts when the engine, having begun the
/// one before, is ready again.
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
        queue_.clear();
        if (engine_)
            engine_->stop();
        delay_.start(after);
    }

    void warmUp()
    {
        ready();
        const std::lock_guard held(state_->lock);
        state_->warmedUp = true;
    }

    void stop()
    {
        delay_.stop();
        queue_.clear();
        engine_.reset();
        QThread::currentThread()->quit();
    }

  private:
    void speak()
    {
        Utterance parts;
        {
            const std::lock_guard held(state_->lock);
            parts = std::exchange(state_->parts, Utterance());
        }
        if (parts.isEmpty() || !ready())
            return;
        queue_.clear();
        for (const SpeechPart& part : parts) {
            if (!part.words.isEmpty() && voiceFor(part.language))
                queue_.append(part);
        }
        sayNext();
    }

    /// Says the first part still to say; one whose voice cannot be chosen is left out.
    void sayNext()
    {
        while (!queue_.isEmpty()) {
            const SpeechPart part = queue_.takeFirst();
            if (part.language != language_) {
                const QLocale locale = *voiceFor(part.language);
                engine_->setLocale(locale);
                if (engine_->locale() != locale)
                    continue;
                language_ = part.language;
            }
            begun_ = false;
            engine_->say(part.words);
            return;
        }
    }

    void stateChanged(QTextToSpeech::State state)
    {
        if (state == QTextToSpeech::Speaking)
            begun_ = true;
        else if (state == QTextToSpeech::Ready && std::exchange(begun_, false)) {
            if (queue_.isEmpty()) {
                const std::lock_guard held(state_->lock);
                ++state_->said;
            }
            sayNext();
        }
    }

    /// The locale of the engine's voice for `language` (empty: Italian); nothing, and a
    /// warning the first time, when the engine has none.
    std::optional<QLocale> voiceFor(const QString& language)
    {
        const auto known = voices_.find(language);
        if (known != voices_.end())
            return known->second;
        std::optional<QLocale> locale = localeFor(engine_->availableLocales(), language);
        if (!locale)
            qWarning("quadena: nessuna voce per la lingua \"%s\": i numeri si dicono solo in "
                     "italiano",
                     qUtf8Printable(language));
        voices_.emplace(language, locale);
        return locale;
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
        voices_.emplace(QString(), *italian);
        connect(engine.get(), &QTextToSpeech::stateChanged, this, &SpeechWorker::stateChanged);
        engine_ = std::move(engine);

        QStringList languages; // those ICU also spells numbers in
        for (const QLocale& l : locales) {
            if (l.language() != QLocale::C && !numberWords(1, l.bcp47Name()).isEmpty())
                languages << l.bcp47Name();
        }
        languages.sort();
        languages.removeDuplicates();
        const std::lock_guard held(state_->lock);
        state_->languages = languages;
        return true;
    }

    std::shared_ptr<SpeechState> state_;
    std::unique_ptr<QTextToSpeech> engine_;
    QTimer delay_{this}; // a child, so that it moves to the speech thread with the worker
    bool tried_ = false;
    std::map<QString, std::optional<QLocale>> voices_; // by language, as found
    QString language_;                                 // the voice's language now
    Utterance queue_;                                  // the parts still to say
    bool begun_ = false;                               // the part said last has begun
};

SpeechService::SpeechService() : state_(std::make_shared<SpeechState>()) {}

void SpeechService::start()
{
    if (thread_)
        return;
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("speech"));
    worker_ = new SpeechWorker(state_);
    worker_->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_->start();
}

void SpeechService::warmUp()
{
    start();
    QMetaObject::invokeMethod(worker_, &SpeechWorker::warmUp, Qt::QueuedConnection);
}

QStringList SpeechService::speakableLanguages() const
{
    const std::lock_guard held(state_->lock);
    return state_->languages;
}

bool SpeechService::warmedUp() const
{
    const std::lock_guard held(state_->lock);
    return state_->warmedUp;
}

int SpeechService::utterancesSaid() const
{
    const std::lock_guard held(state_->lock);
    return state_->said;
}

void SpeechService::say(const Utterance& parts, std::chrono::milliseconds after)
{
    start();
    {
        const std::lock_guard held(state_->lock);
        state_->parts = parts;
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
