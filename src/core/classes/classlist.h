#pragma once

#include <QString>
#include <QStringList>
#include <vector>

/// A child of a class list: the first name, and the language the child counts in at home (a
/// BCP 47 tag such as "ro"; empty when none is given).
struct Pupil {
    QString name;
    QString voiceLanguage;

    friend bool operator==(const Pupil&, const Pupil&) = default;
};

/// One class, as the teacher wrote it: the file `3A.txt` names the class "3A".
struct ClassList {
    QString name;
    std::vector<Pupil> pupils;
};

/// Every class of the classes folder, and a warning for each line or file that was ignored.
struct ClassLists {
    std::vector<ClassList> classes; // in the order of their names
    QStringList warnings;           // "3A.txt, riga 4: …"
};

namespace classlist {

/// The most children a class holds; later lines are ignored.
inline constexpr int kMostPupils = 40;

/// Reads one class list: UTF-8, one first name a line, optionally `;` and a language tag
/// ("Andrei;ro"). Blank lines and lines starting with `#` are skipped; a line whose name
/// `personname` refuses, or with a bad tag, or that repeats a name (in any case) is ignored
/// with a warning naming `fileName` and the line.
ClassList parse(const QString& className, const QByteArray& bytes, const QString& fileName,
                QStringList& warnings);

/// The warning for one ignored line of a file a teacher writes: "3A.txt, riga 4: why"; `line`
/// counts from 0.
QString lineWarning(const QString& fileName, qsizetype line, const QString& why);

/// Every `*.txt` file of `folder` that is a regular file of at most 64 KiB and whose name
/// `personname` allows ("3;A.txt" is ignored with a warning); a folder that cannot be read
/// gives no classes and one warning.
ClassLists read(const QString& folder);

/// Whether `tag` has the shape of a BCP 47 language tag: "ro", "sq", "zh-CN", "es-419".
bool isLanguageTag(const QString& tag);

} // namespace classlist
