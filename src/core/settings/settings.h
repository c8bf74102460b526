#pragma once

#include "core/settings/options.h"

#include <QString>
#include <QStringView>
#include <span>

/// Where a setting may be given: anywhere; anywhere, but held by a locked machine; in the
/// machine's file only.
enum class Scope { Anywhere, Lockable, MachineOnly };

/// One setting: its key in the files, the values it takes, where it may be given.
struct Setting {
    const char* key;
    const char16_t* accepted; // the values taken, for messages
    /// Sets the value; false, and nothing changed, when the value is refused.
    bool (*read)(LaunchOptions& options, const QString& value);
    /// The value in force, as a file would write it.
    QString (*shown)(const LaunchOptions& options);
    Scope scope;
};

/// Every setting, in the order the help lists their keys.
std::span<const Setting> settings();
/// The setting of a key, in any case; nothing for an unknown key.
const Setting* findSetting(QStringView key);

/// A value given to a setting: as written ("--no-keypad", "max=50") and in which file
/// (none for the command line).
struct Entry {
    const Setting* setting;
    QString value;
    QString written;
    QString file;

    QString where() const
    {
        return file.isEmpty() ? written : file + QStringLiteral(": ") + written;
    }
};
