#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <chrono>

/// A stretch of an utterance and the language it is said in: a BCP 47 tag ("ro"), or empty
/// for Italian.
struct SpeechPart {
    QString words;
    QString language;

    friend bool operator==(const SpeechPart&, const SpeechPart&) = default;
};

/// What is said at one time, part after part.
using Utterance = QList<SpeechPart>;

/// Where the program's words are spoken. `say` returns at once: a new utterance replaces one
/// still running, and `after` lets the feedback sound of an answer be heard first. The parts
/// are said one after the other, each in its language; a part in a language the sink has no
/// voice for is left out.
class SpeechSink {
  public:
    virtual ~SpeechSink() = default;
    virtual void say(const Utterance& parts, std::chrono::milliseconds after) = 0;
    /// Gets ready for the first utterance without waiting for it, so that it is said as soon
    /// as the later ones.
    virtual void warmUp() {}
    /// The languages this sink can speak, as BCP 47 tags, sorted; empty while it does not know
    /// yet (until it has warmed up) or has no voice at all.
    virtual QStringList speakableLanguages() const { return {}; }
};
