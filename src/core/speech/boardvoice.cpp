#include "core/speech/boardvoice.h"

#include "core/board/boardframe.h"
#include "core/speech/numberwords.h"

#include <QLocale>

namespace {

/// Adds `more` to `to`: a part in the language of the one before it runs on after a comma.
void append(Utterance& to, const Utterance& more)
{
    for (const SpeechPart& part : more) {
        if (!to.isEmpty() && to.last().language == part.language)
            to.last().words += QStringLiteral(", ") + part.words;
        else
            to.append(part);
    }
}

/// Whether `said` already ends with the words of `more`, as a count that ends on the square
/// of the next turn does: those are said once.
bool endsWith(const Utterance& said, const Utterance& more)
{
    if (more.size() != 1 || said.isEmpty() || said.last().language != more[0].language)
        return more.isEmpty();
    const QString& last = said.last().words;
    return last == more[0].words || last.endsWith(QStringLiteral(", ") + more[0].words);
}

/// The words of the squares of a move, one after the other, as a count.
QString countOnWords(const std::vector<int>& squares)
{
    QStringList words;
    for (int n : squares)
        words.append(numberWords(n));
    return words.join(QStringLiteral(", "));
}

} // namespace

BoardVoice::BoardVoice(const BoardFrame& frame, BoardKind kind, SpeechSink& speech, QObject* parent)
    : QObject(parent), frame_(frame), spoken_(boardEntry(kind).spoken), speech_(speech),
      tasksSeen_(frame.tasksDrawn())
{
    connect(&frame, &BoardFrame::judged, this, &BoardVoice::judged);
    connect(&frame, &BoardFrame::changed, this, &BoardVoice::changed);
}

void BoardVoice::setSecondLanguage(const QString& language)
{
    const bool italian = QLocale(language).language() == QLocale::Italian;
    secondLanguage_ = italian ? QString() : language;
}

QString BoardVoice::taskWords() const
{
    const ProgramState& state = frame_.programState();
    switch (spoken_) {
    case Spoken::NumberToFind:
        return numberWords(state.numeroCercato);
    case Spoken::Addition:
    case Spoken::Subtraction: {
        const TaskWord op = spoken_ == Spoken::Addition ? TaskWord::Piu : TaskWord::Meno;
        return numberWords(state.primoNumero) + u' ' + taskWord(op) + u' ' +
               numberWords(state.secondoNumero);
    }
    case Spoken::CountOn:
        if (const auto* game = frame_.rules<CountOnGame>())
            return numberWords(game->square(game->mover()));
        break;
    case Spoken::RedCellAfterRight:
        break;
    }
    return {};
}

Utterance BoardVoice::numberAlone(const QString& italian, int n) const
{
    Utterance said{{italian, {}}};
    const QString second = secondLanguage_.isEmpty() ? QString() : numberWords(n, secondLanguage_);
    if (!second.isEmpty())
        said.append({second, secondLanguage_});
    return said;
}

Utterance BoardVoice::task() const
{
    const QString words = taskWords();
    if (words.isEmpty())
        return {};
    if (spoken_ == Spoken::NumberToFind)
        return numberAlone(words, frame_.programState().numeroCercato);
    return {{words, {}}};
}

void BoardVoice::repeat()
{
    const Utterance now = task();
    const Utterance& words = now.isEmpty() ? last_ : now;
    if (!words.isEmpty())
        speech_.say(words, std::chrono::milliseconds(0));
}

void BoardVoice::judged(int target, bool right)
{
    if (!right)
        return;
    afterAnswer_ = true;
    if (spoken_ == Spoken::RedCellAfterRight)
        pending_ = numberAlone(numberWords(target), target);
    else if (spoken_ == Spoken::Addition || spoken_ == Spoken::Subtraction)
        pending_ = numberAlone(taskWord(TaskWord::Fa) + u' ' + numberWords(target), target);
    else if (const auto* game = frame_.rules<CountOnGame>())
        pending_ = {{countOnWords(game->moveTo(target, frame_.programState().numeroMassimo)), {}}};
}

void BoardVoice::changed()
{
    if (frame_.tasksDrawn() != tasksSeen_) {
        tasksSeen_ = frame_.tasksDrawn();
        const Utterance next = task();
        if (!endsWith(pending_, next))
            append(pending_, next);
    }
    flush();
}

void BoardVoice::flush()
{
    const bool afterAnswer = std::exchange(afterAnswer_, false);
    if (pending_.isEmpty())
        return;
    last_ = std::exchange(pending_, Utterance());
    speech_.say(last_, afterAnswer ? kAfterFeedback : std::chrono::milliseconds(0));
}
