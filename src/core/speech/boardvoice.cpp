#include "core/speech/boardvoice.h"

#include "core/board/boardframe.h"
#include "core/speech/numberwords.h"

namespace {

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

void BoardVoice::repeat()
{
    const QString task = taskWords();
    const QString words = task.isEmpty() ? last_ : task;
    if (!words.isEmpty())
        speech_.say(words, std::chrono::milliseconds(0));
}

void BoardVoice::judged(int target, bool right)
{
    if (!right)
        return;
    afterAnswer_ = true;
    if (spoken_ == Spoken::RedCellAfterRight)
        pending_ = numberWords(target);
    else if (spoken_ == Spoken::Addition || spoken_ == Spoken::Subtraction)
        pending_ = taskWord(TaskWord::Fa) + u' ' + numberWords(target);
    else if (const auto* game = frame_.rules<CountOnGame>())
        pending_ = countOnWords(game->moveTo(target, frame_.programState().numeroMassimo));
}

void BoardVoice::changed()
{
    if (frame_.tasksDrawn() != tasksSeen_) {
        tasksSeen_ = frame_.tasksDrawn();
        const QString task = taskWords();
        // A count that ends on the square of the next turn says it once.
        const QString joint = QStringLiteral(", ");
        if (!task.isEmpty() && pending_ != task && !pending_.endsWith(joint + task))
            pending_ = pending_.isEmpty() ? task : pending_ + joint + task;
    }
    flush();
}

void BoardVoice::flush()
{
    const bool afterAnswer = std::exchange(afterAnswer_, false);
    if (pending_.isEmpty())
        return;
    last_ = std::exchange(pending_, QString());
    speech_.say(last_, afterAnswer ? kAfterFeedback : std::chrono::milliseconds(0));
}
