#include "core/classes/classfolder.h"

#include "core/base/fd.h"
#include "core/sessions/personname.h"

#include <QCollator>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace classfolder {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
/// How deep a child's folder may nest folders for `removeChild` to go down.
constexpr int kDeepest = 16;

/// An entry of a folder as `lstat` sees it: a link is a link, never what it points to.
struct Entry {
    QByteArray name;
    struct stat status {};
    bool stated = false;
};

/// Every entry of the open folder but `.` and `..`; nothing when it cannot be listed.
std::optional<std::vector<Entry>> entriesOf(int folder)
{
    const int copy = fcntl(folder, F_DUPFD_CLOEXEC, 0);
    DIR* dir = copy < 0 ? nullptr : fdopendir(copy);
    if (!dir) {
        if (copy >= 0)
            close(copy);
        return std::nullopt;
    }
    rewinddir(dir); // the copy shares its position with `folder`
    std::vector<Entry> entries;
    while (const dirent* e = readdir(dir)) {
        const QByteArray name(e->d_name);
        if (name == "." || name == "..")
            continue;
        Entry entry{name};
        entry.stated = fstatat(folder, e->d_name, &entry.status, AT_SYMLINK_NOFOLLOW) == 0;
        entries.push_back(std::move(entry));
    }
    closedir(dir);
    return entries;
}

qint64 nanoseconds(const timespec& t)
{
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

/// Why a file of a child's folder is not a candidate, or nothing when it is one.
std::optional<Ignored> refusal(const Entry& e)
{
    if (!e.stated)
        return Ignored::Unreadable;
    const mode_t mode = e.status.st_mode;
    if (S_ISLNK(mode))
        return Ignored::Link;
    if (!S_ISREG(mode) && !S_ISDIR(mode))
        return Ignored::Special;
    if (e.name.startsWith('.'))
        return Ignored::BadName;
    if (S_ISDIR(mode) || !e.name.endsWith(".csv"))
        return Ignored::NotSession;
    if (e.status.st_size > sessionfile::kLargestFile)
        return Ignored::TooLarge;
    if (e.status.st_nlink > 1)
        return Ignored::Link;
    return std::nullopt;
}

/// Removes `name` in the open folder `parent`, on the file system `device`: a folder with
/// what it holds, anything else (a link too) by its name alone.
bool removeEntry(int parent, const QByteArray& name, dev_t device, int depth)
{
    struct stat status {};
    if (fstatat(parent, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(status.st_mode))
        return unlinkat(parent, name.constData(), 0) == 0;
    if (status.st_dev != device || depth > kDeepest)
        return false;
    const int fd = openat(parent, name.constData(), kFolderFlags);
    if (fd < 0)
        return false;
    const Descriptor folder(fd);
    const std::optional<std::vector<Entry>> entries = entriesOf(fd);
    if (!entries)
        return false;
    bool all = true;
    for (const Entry& e : *entries)
        all = removeEntry(fd, e.name, device, depth + 1) && all;
    return all && unlinkat(parent, name.constData(), AT_REMOVEDIR) == 0;
}

void sortNames(QStringList& names)
{
    QCollator collator;
    collator.setNumericMode(true);
    std::ranges::sort(names, collator);
}

} // namespace

Descriptor::~Descriptor()
{
    if (fd_ >= 0)
        close(fd_);
}

std::optional<QString> nameOfFolder(const QString& folder)
{
    QString name = QString::fromUtf8(QByteArray::fromPercentEncoding(folder.toUtf8()));
    if (sessionfile::folderName(name) != folder || personname::accepted(name) != name)
        return std::nullopt;
    return name;
}

ClassListing listClass(const QString& resultsDir, const QString& className)
{
    ClassListing listing;
    const int results =
        open(QFile::encodeName(resultsDir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (results < 0) {
        listing.problem =
            QStringLiteral("La cartella dei risultati %1 non si può leggere.").arg(resultsDir);
        return listing;
    }
    const Descriptor resultsFolder(results);
    const QByteArray name = QFile::encodeName(sessionfile::folderName(className));
    const int fd = openat(results, name.constData(), kFolderFlags);
    if (fd < 0) {
        if (errno == ENOENT)
            return listing; // nobody of the class has played yet
        struct stat status {};
        const bool link = fstatat(results, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
                          S_ISLNK(status.st_mode);
        if (link)
            count(listing.ignored, Ignored::Link) = 1;
        listing.problem =
            link ? QStringLiteral("La cartella della classe %1 è un collegamento: "
                                  "non viene letta.")
                       .arg(className)
                 : QStringLiteral("La cartella della classe %1 non si può leggere.").arg(className);
        return listing;
    }
    listing.folder = std::make_shared<const Descriptor>(fd);
    const std::optional<std::vector<Entry>> entries = entriesOf(fd);
    if (!entries) {
        listing.problem =
            QStringLiteral("La cartella della classe %1 non si può leggere.").arg(className);
        return listing;
    }
    for (const Entry& e : *entries) {
        const mode_t mode = e.status.st_mode;
        const QString folder = QFile::decodeName(e.name);
        if (!e.stated)
            ++count(listing.ignored, Ignored::Unreadable);
        else if (S_ISLNK(mode))
            ++count(listing.ignored, Ignored::Link);
        else if (!S_ISDIR(mode) && !S_ISREG(mode))
            ++count(listing.ignored, Ignored::Special);
        else if (e.name.startsWith('.') || (S_ISDIR(mode) && !nameOfFolder(folder)))
            ++count(listing.ignored, Ignored::BadName);
        else if (!S_ISDIR(mode))
            ++count(listing.ignored, Ignored::NotSession);
        else
            listing.children << folder;
    }
    sortNames(listing.children);
    return listing;
}

ChildListing listChild(const std::shared_ptr<const Descriptor>& classFolder, const QString& child)
{
    ChildListing listing;
    const int fd = openat(classFolder->fd(), QFile::encodeName(child).constData(), kFolderFlags);
    const int openError = fd < 0 ? errno : 0;
    const auto folder = std::make_shared<const Descriptor>(fd);
    const std::optional<std::vector<Entry>> entries =
        fd < 0 ? std::nullopt : entriesOf(folder->fd());
    if (!entries) {
        ++count(listing.ignored, openError == ELOOP ? Ignored::Link : Ignored::Unreadable);
        return listing;
    }
    for (const Entry& e : *entries) {
        if (const std::optional<Ignored> why = refusal(e))
            ++count(listing.ignored, *why);
        else
            listing.files.push_back(
                {folder, child, e.name, qint64(e.status.st_size), nanoseconds(e.status.st_mtim)});
    }
    return listing;
}

FileReading readCandidate(const Candidate& candidate, const QString& className)
{
    FileReading reading;
    const int fd = openat(candidate.folder->fd(), candidate.fileName.constData(),
                          O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        reading.ignored = errno == ELOOP ? Ignored::Link : Ignored::Unreadable;
        return reading;
    }
    const Descriptor file(fd);
    // The entry may have been replaced since it was listed: what is open is checked again.
    struct stat status {};
    if (fstat(fd, &status) != 0) {
        reading.ignored = Ignored::Unreadable;
        return reading;
    }
    if (!S_ISREG(status.st_mode))
        reading.ignored = Ignored::Special;
    else if (status.st_size > sessionfile::kLargestFile)
        reading.ignored = Ignored::TooLarge;
    else if (status.st_nlink > 1)
        reading.ignored = Ignored::Link;
    if (reading.ignored)
        return reading;
    const std::optional<QByteArray> bytes =
        readAtMost(fd, status.st_size, sessionfile::kLargestFile + 1);
    if (!bytes) {
        reading.ignored = Ignored::Unreadable;
        return reading;
    }
    if (bytes->size() > sessionfile::kLargestFile) {
        reading.ignored = Ignored::TooLarge;
        return reading;
    }
    sessionfile::Reading read = sessionfile::read(*bytes);
    if (!read.session ||
        sessionfile::folderName(read.session->className) != sessionfile::folderName(className) ||
        sessionfile::folderName(read.session->child) != candidate.child) {
        reading.ignored = Ignored::NotSession;
        return reading;
    }
    reading.session = std::make_shared<const Session>(std::move(*read.session));
    reading.ignoredLines = read.ignoredLines;
    return reading;
}

std::optional<QStringList> classesIn(const QString& resultsDir)
{
    QStringList names;
    const int fd =
        open(QFile::encodeName(resultsDir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const Descriptor results(fd);
    const std::optional<std::vector<Entry>> entries = entriesOf(fd);
    if (!entries)
        return std::nullopt;
    for (const Entry& e : *entries) {
        if (!e.stated || !S_ISDIR(e.status.st_mode))
            continue;
        if (const std::optional<QString> name = nameOfFolder(QFile::decodeName(e.name)))
            names << *name;
    }
    sortNames(names);
    return names;
}

bool removeChild(const QString& resultsDir, const QString& className, const QString& child)
{
    if (!nameOfFolder(child))
        return false;
    const int results =
        open(QFile::encodeName(resultsDir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (results < 0)
        return false;
    const Descriptor resultsFolder(results);
    const int fd = openat(
        results, QFile::encodeName(sessionfile::folderName(className)).constData(), kFolderFlags);
    if (fd < 0)
        return errno == ENOENT;
    const Descriptor classFolder(fd);
    struct stat status {};
    if (fstat(fd, &status) != 0)
        return false;
    return removeEntry(fd, QFile::encodeName(child), status.st_dev, 0);
}

} // namespace classfolder
