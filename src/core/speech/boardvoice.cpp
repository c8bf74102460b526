#include "core/speech/boardvoice.h"

#include "core/board/boardframe.h"
#include "core/speech/numberwords.h"

namespace {

bool isAddition(BoardKind kind)
{
    return kind == BoardKind::Form100a || kind == BoardKind::Form100b ||
           kind == BoardKind::Form100f;
}

bool isSubtraction(BoardKind kind)
{
    return kind == BoardKind::Form100c || kind == BoardKind::Form100d ||
           kind == BoardKind::Form100e;
}

bool isRecognise(BoardKind kind)
{
    return kind == BoardKind::Form100Ricon || kind == BoardKind::Form100Ricon2;
}

} // namespace

BoardVoice::BoardVoice(const BoardFrame& frame, BoardKind kind, SpeechSink& speech, QObject* parent)
    : QObject(parent), frame_(frame), kind_(kind), speech_(speech), tasksSeen_(frame.tasksDrawn())
{
    connect(&frame, &BoardFrame::judged, this, &BoardVoice::judged);
    connect(&frame, &BoardFrame::changed, this, &BoardVoice::changed);
}

QString BoardVoice::taskWords() const
{
    const ProgramState& state = frame_.programState();
    if (kind_ == BoardKind::Form100Trova || kind_ == BoardKind::Form100Trova2)
        return numberWords(state.numeroCercato);
    if (isAddition(kind_) || isSubtraction(kind_)) {
        const TaskWord op = isAddition(kind_) ? TaskWord::Piu : TaskWord::Meno;
        return numberWords(state.primoNumero) + u' ' + taskWord(op) + u' ' +
               numberWords(state.secondoNumero);
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
    if (isRecognise(kind_))
        pending_ = numberWords(target);
    else if (isAddition(kind_) || isSubtraction(kind_))
        pending_ = taskWord(TaskWord::Fa) + u' ' + numberWords(target);
}

void BoardVoice::changed()
{
    if (frame_.tasksDrawn() != tasksSeen_) {
        tasksSeen_ = frame_.tasksDrawn();
        const QString task = taskWords();
        if (!task.isEmpty())
            pending_ = pending_.isEmpty() ? task : pending_ + QStringLiteral(", ") + task;
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
