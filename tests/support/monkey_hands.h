#pragma once
// The monkey's hands and memory: the log of its events, the texts it types, the dialogs it
// answers at random, and how it finds and names the controls on screen.
#include "ui/design/cellbutton.h"
#include "ui/windows/dialogs.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QStringList>
#include <array>
#include <cstdio>
#include <random>

enum class Action { Click, ClickControl, AnswerRight, Menu, Type, Key, Scroll, Activate, Close };
/// How often each action is drawn, in the order of `Action`.
inline constexpr std::array kWeights{24, 16, 16, 10, 12, 20, 5, 3, 2};

inline constexpr std::array kKeys{
    Qt::Key_Return,   Qt::Key_Enter,     Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab,
    Qt::Key_Backtab,  Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,
    Qt::Key_Space,    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,   Qt::Key_End,
    Qt::Key_PageDown, Qt::Key_PageUp,    Qt::Key_Plus,   Qt::Key_Minus,  Qt::Key_F10,
    Qt::Key_F11};
/// Select all, copy, cut, paste, undo.
inline constexpr std::array kControlKeys{Qt::Key_A, Qt::Key_C, Qt::Key_X, Qt::Key_V, Qt::Key_Z};

/// The last events, for a failure report; every entry since the start is numbered.
class EventLog {
  public:
    void add(const QString& event)
    {
        last_.append(QStringLiteral("%1: %2").arg(++count_).arg(event));
        if (last_.size() > 20)
            last_.removeFirst();
    }
    QString tail() const { return last_.join(u'\n'); }
    int count() const { return count_; }

  private:
    QStringList last_;
    int count_ = 0;
};

/// The log of the monkey at work, for a crash report.
inline EventLog* liveLog = nullptr;
inline QtMessageHandler qtHandler = nullptr;

/// A crash under the sanitizers still tells which events led to it.
inline void printLogOnDeath()
{
    if (liveLog)
        fprintf(stderr, "last monkey events:\n%s\n", qPrintable(liveLog->tail()));
}

/// The offscreen platform warns at every fixed-size window it shows; nothing of the program.
inline void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(u"propagateSizeHints"))
        qtHandler(type, context, message);
}

inline QString quoted(const QString& s)
{
    return s.size() > 40 ? QStringLiteral("<%1 characters>").arg(s.size()) : u'"' + s + u'"';
}

inline constexpr std::array<const char*, 14> kTexts{
    "",    "1e999", "-1e999",  "19.5", "99.5", "25,5", " 4 0 7",
    "abc", "7abc",  "àèìòù €", "0x1F", "nan",  "-3",   "\U0001F600\u0301\u202E"};

/// What the monkey types, or answers in the input box.
inline QString randomText(std::mt19937& rng)
{
    const unsigned r = rng() % 32;
    if (r < 16)
        return QString::number(rng() % 1200);
    if (r < 18)
        return QString(10000, r == 16 ? u'7' : u'\u00E8');
    return QString::fromUtf8(kTexts.at(r % kTexts.size()));
}

/// Answers every box at random, as a child would close it, without an event loop of its own.
class RandomDialogs final : public Dialogs {
  public:
    RandomDialogs(std::mt19937& rng, EventLog& log) : rng_(rng), log_(log) {}
    Answer messageBox(QWidget*, const QString& text, MessageStyle style) override
    {
        // A question is answered Yes, No, or closed with Escape (No); the others have only OK.
        Answer a = Answer::Ok;
        if (style == MessageStyle::Question)
            a = rng_() % 2 == 0 ? Answer::Yes : Answer::No;
        if (a == Answer::Yes)
            lastYes = text;
        const char* name = a == Answer::Yes ? "Yes" : (a == Answer::No ? "No" : "OK");
        log_.add(QStringLiteral("  box %1 -> %2").arg(quoted(text.left(30)), QLatin1String(name)));
        return a;
    }
    QString inputBox(QWidget*, const QString&, const QString& defaultText) override
    {
        // OK on the offered text, OK on a typed text, or Cancel / Escape (an empty text).
        const unsigned choice = rng_() % 3;
        QString answer = choice == 0 ? defaultText : (choice == 1 ? randomText(rng_) : QString());
        log_.add(QStringLiteral("  input box -> %1").arg(quoted(answer)));
        return answer;
    }
    /// The monkey never saves: a test writes nothing outside its own folder.
    QString saveFileName(QWidget*, const QString&, const QString&) override
    {
        log_.add(QStringLiteral("  save dialog -> Cancel"));
        return {};
    }

    /// The last question answered Yes.
    QString lastYes;

  private:
    std::mt19937& rng_;
    EventLog& log_;
};

inline bool inMenuBar(QWidget* w)
{
    for (QWidget* p = w; p && !p->isWindow(); p = p->parentWidget()) {
        if (qobject_cast<QMenuBar*>(p))
            return true;
    }
    return false;
}

inline QString nameOf(QWidget* w)
{
    return w->window()->objectName() + u'/' +
           (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                      : w->objectName());
}

inline bool isRed(const CellButton* cell)
{
    return cell->faceColour() == QColor(0xFF, 0, 0);
}

inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
