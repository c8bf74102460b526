#pragma once

#include <QString>
#include <optional>

/// What a class or a child may be called, wherever the name is kept: a class list (its file
/// name and its lines), the header of a session file and the folders of the results folder.
/// A `;` is refused, as it divides the fields of every file the program reads and writes.
namespace personname {

/// The longest name kept, in UTF-16 units after blanks are simplified.
inline constexpr int kLongest = 40;

/// Why a text cannot be a name.
enum class Fault {
    Empty,
    TooLong,
    Control,   // a control or format character, a line or paragraph separator
    Separator, // a `;`
};

/// A text as a name: blanks simplified and in Unicode's composed form, or why it is none.
struct Checked {
    QString name;
    std::optional<Fault> fault;
};
Checked check(const QString& text);

/// Whether `c` is a control or format character, or a line or paragraph separator.
bool isControl(QChar c);

/// The name `text` stands for, when it can be one.
std::optional<QString> accepted(const QString& text);

} // namespace personname
