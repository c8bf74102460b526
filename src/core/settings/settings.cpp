#include "core/settings/settings.h"

#include "core/base/maximum.h"
#include "core/base/values.h"
#include "core/classes/classlist.h"

#include <QDir>
#include <algorithm>
#include <optional>

namespace {

using values::boolean;

QString booleanText(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

template <bool LaunchOptions::*member>
bool readBoolean(LaunchOptions& options, const QString& value)
{
    const std::optional<bool> b = boolean(value);
    if (b)
        options.*member = *b;
    return b.has_value();
}

template <bool LaunchOptions::*member> QString showBoolean(const LaunchOptions& options)
{
    return booleanText(options.*member);
}

bool readMode(LaunchOptions& options, const QString& value)
{
    const std::optional<bool> wait = values::waits(value);
    if (wait)
        options.attendiBottone = *wait;
    return wait.has_value();
}

QString showMode(const LaunchOptions& options)
{
    return options.attendiBottone ? QStringLiteral("wait") : QStringLiteral("auto");
}

bool readMaximum(LaunchOptions& options, const QString& value)
{
    // Taken as "Numero massimo" takes it.
    const std::optional<qint16> maximum = acceptedMaximum(value);
    if (maximum)
        options.numeroMassimo = *maximum;
    return maximum.has_value();
}

QString showMaximum(const LaunchOptions& options)
{
    return QString::number(options.numeroMassimo);
}

bool readKeypad(LaunchOptions& options, const QString& value)
{
    const std::optional<bool> b = boolean(value);
    if (b)
        options.keypad = *b ? Keypad::Shown : Keypad::Hidden;
    return b.has_value();
}

QString showKeypad(const LaunchOptions& options)
{
    if (options.keypad == Keypad::FollowTouchScreen)
        return QStringLiteral("come lo schermo tattile");
    return booleanText(options.keypad == Keypad::Shown);
}

/// A folder on this machine or a share: an absolute path.
template <QString LaunchOptions::*member>
bool readFolder(LaunchOptions& options, const QString& value)
{
    const QString path = QDir::cleanPath(value.trimmed());
    if (value.trimmed().isEmpty() || !QDir::isAbsolutePath(path))
        return false;
    options.*member = path;
    return true;
}

template <QString LaunchOptions::*member> QString showText(const LaunchOptions& options)
{
    return options.*member;
}

/// A class as its list's file names it: "3A" for 3A.txt.
bool readClass(LaunchOptions& options, const QString& value)
{
    const QString name = value.simplified();
    const bool control = std::any_of(name.begin(), name.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == u'/';
    });
    if (name.isEmpty() || name.size() > 40 || control)
        return false;
    options.className = name;
    return true;
}

bool readLanguage(LaunchOptions& options, const QString& value)
{
    if (!value.isEmpty() && !classlist::isLanguageTag(value))
        return false;
    options.voiceLanguage = value;
    return true;
}

QString showLanguage(const LaunchOptions& options)
{
    return options.voiceLanguage.isEmpty() ? QStringLiteral("nessuna") : options.voiceLanguage;
}

constexpr auto kTrueFalse = u"true o false";

constexpr Setting kSettings[] = {
    {"fullscreen", kTrueFalse, readBoolean<&LaunchOptions::fullScreen>,
     showBoolean<&LaunchOptions::fullScreen>, Scope::Anywhere},
    {"mode", u"wait o auto", readMode, showMode, Scope::Lockable},
    {"max", u"da 20 a 99", readMaximum, showMaximum, Scope::Lockable},
    {"mute", kTrueFalse, readBoolean<&LaunchOptions::mute>, showBoolean<&LaunchOptions::mute>,
     Scope::Anywhere},
    {"keypad", kTrueFalse, readKeypad, showKeypad, Scope::Anywhere},
    {"voice", kTrueFalse, readBoolean<&LaunchOptions::voice>, showBoolean<&LaunchOptions::voice>,
     Scope::Lockable},
    {"classes", u"una cartella, percorso assoluto", readFolder<&LaunchOptions::classesDir>,
     showText<&LaunchOptions::classesDir>, Scope::Lockable},
    {"results", u"una cartella, percorso assoluto", readFolder<&LaunchOptions::resultsDir>,
     showText<&LaunchOptions::resultsDir>, Scope::Lockable},
    {"class", u"il nome di una classe, come 3A", readClass, showText<&LaunchOptions::className>,
     Scope::Lockable},
    {"voice-language", u"un codice di lingua come ro, sq, uk, es-419", readLanguage, showLanguage,
     Scope::Anywhere},
    {"locked", kTrueFalse, readBoolean<&LaunchOptions::locked>, showBoolean<&LaunchOptions::locked>,
     Scope::MachineOnly},
};

} // namespace

std::span<const Setting> settings()
{
    return kSettings;
}

const Setting* findSetting(QStringView key)
{
    for (const Setting& s : kSettings) {
        if (key.compare(QLatin1String(s.key), Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}
