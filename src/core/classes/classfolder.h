#pragma once

#include "core/sessions/sessionfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <vector>

/// The class folders of the results folder as the teacher's view reads them:
/// `<results>/<class>/<child>/<session file>`, each folder named by `sessionfile::folderName`.
/// Nothing is read through a link, nothing but a regular file is ever opened, and no name
/// leads out of the class folder; whatever is not a session file of the class is counted.
namespace classfolder {

/// Why an entry of a class folder was not read as a session.
enum class Ignored {
    NotSession, // a file of another name, or whose lines are not a session of this child
    TooLarge,   // over sessionfile::kLargestFile
    Link,       // a symbolic link, or a file with a second name elsewhere
    BadName,    // a hidden name, or a child folder not named as the program names them
    Special,    // a FIFO, a device or a socket: never opened
    Unreadable, // could not be opened or read
};
inline constexpr int kIgnoredKinds = 6;
using IgnoredCounts = std::array<int, kIgnoredKinds>;

inline int& count(IgnoredCounts& counts, Ignored why)
{
    return counts[static_cast<int>(why)];
}

/// The name a folder stands for, when `folder` is exactly what `sessionfile::folderName` makes
/// of a name that `personname` allows; nothing for any other folder name.
std::optional<QString> nameOfFolder(const QString& folder);

/// An open file or folder of the system, closed with its holder; a folder is held for
/// opening its entries relative to it.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

/// A file of a child's folder that may be a session: its folder, name, size and time.
struct Candidate {
    std::shared_ptr<const Descriptor> folder;
    QString child;       // the child's folder name
    QByteArray fileName; // as the folder lists it
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch
};

/// The child folders of a class folder, and what else it holds.
struct ClassListing {
    std::shared_ptr<const Descriptor> folder; // none when the class has no folder to read
    QStringList children;                     // folder names, sorted
    IgnoredCounts ignored{};
    QString problem; // why the class folder could not be read; empty when it was, or is absent
};
ClassListing listClass(const QString& resultsDir, const QString& className);

/// The files of one child folder that may be sessions, and what else it holds.
struct ChildListing {
    std::vector<Candidate> files;
    IgnoredCounts ignored{};
};
ChildListing listChild(const std::shared_ptr<const Descriptor>& classFolder, const QString& child);

/// What one candidate turned out to be: a session of this class and child, or why not.
struct FileReading {
    std::shared_ptr<const Session> session;
    std::optional<Ignored> ignored;
    int ignoredLines = 0;
};
/// Opens the candidate without following a link and without waiting on it, checks again that
/// it is a regular file of at most `sessionfile::kLargestFile`, and reads it.
FileReading readCandidate(const Candidate& candidate, const QString& className);

/// The class names that have a folder of their own in the results folder, sorted; nothing
/// when the results folder cannot be read.
std::optional<QStringList> classesIn(const QString& resultsDir);

/// Removes the child's folder and everything in it without following a link or entering
/// another file system; a link is removed itself, never what it points to. False when
/// something could not be removed or the names do not name a child's folder.
bool removeChild(const QString& resultsDir, const QString& className, const QString& child);

} // namespace classfolder
