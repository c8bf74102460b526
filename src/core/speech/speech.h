#pragma once

#include <QString>
#include <chrono>

/// Where the program's words are spoken. `say` returns at once: a new utterance replaces one
/// still running, and `after` lets the feedback sound of an answer be heard first.
class SpeechSink {
  public:
    virtual ~SpeechSink() = default;
    virtual void say(const QString& words, std::chrono::milliseconds after) = 0;
};
