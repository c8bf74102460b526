#pragma once

#include "core/board/catalogue.h"
#include "core/speech/speech.h"

#include <QObject>
#include <QString>
#include <chrono>

class BoardFrame;

/// What a board says when the voice is on: the number to find whenever a new one appears
/// (the find boards), the number of the red cell after a right answer (the recognise boards),
/// the task when it appears and the result after a right answer (the addition and
/// subtraction boards: "trentaquattro più cinque", "fa trentanove"); on the game, the square
/// of the token to move when its turn starts, and the squares of its move after a right
/// answer ("ventitré, ventiquattro, venticinque"). What follows an answer
/// waits for its feedback sound; a result and the next task that come together are said as
/// one utterance. With a second language, a number said alone (the number to find, the red
/// cell's number, the result after "fa") is said again in that language right after it:
/// "trentasette", "treizeci şi şapte"; the tasks themselves stay Italian. Precondition: the
/// frame outlives the voice.
class BoardVoice final : public QObject {
    Q_OBJECT
  public:
    /// How long the feedback sound of an answer lasts, at the most.
    static constexpr std::chrono::milliseconds kAfterFeedback{600};

    BoardVoice(const BoardFrame& frame, BoardKind kind, SpeechSink& speech, QObject* parent);

    /// The language, a BCP 47 tag, a number said alone is said in after Italian; empty or
    /// Italian for none. A language ICU cannot spell in gives no second saying.
    void setSecondLanguage(const QString& language);

    /// Says again the task on show, or on the recognise boards what was said last.
    void repeat();

    /// The words of the task on show: the number to find, the addition or subtraction;
    /// nothing on the recognise boards.
    QString taskWords() const;

  private:
    /// The Italian words of a number said alone, and the number `n` in the second language.
    Utterance numberAlone(const QString& italian, int n) const;
    Utterance task() const;
    void judged(int target, bool right);
    void changed();
    void flush();

    const BoardFrame& frame_;
    Spoken spoken_;
    SpeechSink& speech_;
    int tasksSeen_;
    QString secondLanguage_;
    Utterance pending_;
    bool afterAnswer_ = false;
    Utterance last_;
};
