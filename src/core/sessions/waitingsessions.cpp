#include "core/sessions/waitingsessions.h"

#include "core/base/fd.h"
#include "core/sessions/safesave.h"
#include "core/sessions/sessionfile.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr mode_t kFolderMode = 0700;
constexpr mode_t kFileMode = 0600;
constexpr const char* kOwnFolders[] = {"quadena", "attesa"};

/// The class, child and file names of a relative path that is three plain names.
std::optional<std::vector<QByteArray>> plainParts(const QString& relativePath)
{
    const QStringList parts = relativePath.split(u'/');
    if (parts.size() != 3 || std::ranges::any_of(parts, [](const QString& p) {
            return p.isEmpty() || p.startsWith(u'.') || p.contains(QChar(0));
        }))
        return std::nullopt;
    std::vector<QByteArray> names;
    for (const QString& p : parts)
        names.push_back(QFile::encodeName(p));
    return names;
}

/// The user's state folder; with `make`, made as the XDG rules ask (0700) where missing. A
/// link on the way to it is followed: home folders often are one.
int openStateFolder(const QString& path, bool make)
{
    const QByteArray encoded = QFile::encodeName(QDir::cleanPath(path));
    if (!make || !encoded.startsWith('/'))
        return open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int fd = open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (const QByteArray& name : encoded.split('/')) {
        if (fd < 0 || name.isEmpty())
            continue;
        int next = openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (next < 0 && errno == ENOENT &&
            (mkdirat(fd, name.constData(), kFolderMode) == 0 || errno == EEXIST))
            next = openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        close(fd);
        fd = next;
    }
    return fd;
}

/// A folder of this program's own below the state folder, made when `make` and missing: never
/// a link, this account's, and 0700.
int openOwn(int parent, const QByteArray& name, bool make)
{
    if (parent < 0)
        return -1;
    if (make && mkdirat(parent, name.constData(), kFolderMode) != 0 && errno != EEXIST)
        return -1;
    const int fd = openat(parent, name.constData(), kFolderFlags);
    if (fd < 0)
        return -1;
    struct stat status {};
    if (fstat(fd, &status) != 0 || status.st_uid != geteuid() ||
        ((status.st_mode & 07777) != kFolderMode && fchmod(fd, kFolderMode) != 0)) {
        close(fd);
        return -1;
    }
    return fd;
}

/// `quadena/attesa` in the state folder.
int openWaitingFolder(const QString& stateFolder, bool make)
{
    int fd = openStateFolder(stateFolder, make);
    for (const char* name : kOwnFolders) {
        const Fd parent(fd);
        fd = openOwn(parent.get(), name, make);
    }
    return fd;
}

/// The names in the open folder but `.`, `..` and hidden ones, with what `lstat` says of them.
std::vector<std::pair<QByteArray, struct stat>> entriesOf(int folder)
{
    std::vector<std::pair<QByteArray, struct stat>> entries;
    const int copy = fcntl(folder, F_DUPFD_CLOEXEC, 0);
    DIR* dir = copy < 0 ? nullptr : fdopendir(copy);
    if (!dir) {
        if (copy >= 0)
            close(copy);
        return entries;
    }
    rewinddir(dir);
    while (const dirent* e = readdir(dir)) {
        struct stat status {};
        if (e->d_name[0] != '.' && fstatat(folder, e->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0)
            entries.emplace_back(QByteArray(e->d_name), status);
    }
    closedir(dir);
    return entries;
}

/// The whole regular file `name` of the open folder, when it may be a session file.
std::optional<QByteArray> readSmall(int folder, const QByteArray& name)
{
    const Fd fd(openat(folder, name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    struct stat status {};
    if (!fd.ok() || fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > sessionfile::kLargestFile)
        return std::nullopt;
    std::optional<QByteArray> bytes =
        readAtMost(fd.get(), status.st_size, sessionfile::kLargestFile + 1);
    if (bytes && bytes->size() > sessionfile::kLargestFile)
        return std::nullopt;
    return bytes;
}

} // namespace

WaitingSessions::WaitingSessions(QString stateFolder) : stateFolder_(std::move(stateFolder)) {}

QString WaitingSessions::stateFolderOf(const QString& xdgStateHome, const QString& home)
{
    if (QDir::isAbsolutePath(xdgStateHome))
        return QDir::cleanPath(xdgStateHome);
    return QDir::cleanPath(home + QStringLiteral("/.local/state"));
}

QString WaitingSessions::stateFolder()
{
    return stateFolderOf(qEnvironmentVariable("XDG_STATE_HOME"), QDir::homePath());
}

QString WaitingSessions::folder() const
{
    return stateFolder_ + QStringLiteral("/quadena/attesa");
}

bool WaitingSessions::keep(const QString& relativePath, const QByteArray& bytes) const
{
    const std::optional<std::vector<QByteArray>> parts = plainParts(relativePath);
    if (!parts)
        return false;
    const Fd waiting(openWaitingFolder(stateFolder_, true));
    const Fd classFolder(openOwn(waiting.get(), (*parts)[0], true));
    const Fd child(openOwn(classFolder.get(), (*parts)[1], true));
    return child.ok() && !safesave::replaceWhole(child.get(), (*parts)[2], bytes, kFileMode, false);
}

std::vector<WaitingSessions::Waiting> WaitingSessions::all() const
{
    std::vector<Waiting> found;
    const Fd waiting(openWaitingFolder(stateFolder_, false));
    if (!waiting.ok())
        return found;
    for (const auto& [className, classStatus] : entriesOf(waiting.get())) {
        const Fd classFolder(S_ISDIR(classStatus.st_mode) ? openOwn(waiting.get(), className, false)
                                                          : -1);
        if (!classFolder.ok())
            continue;
        for (const auto& [child, childStatus] : entriesOf(classFolder.get())) {
            const Fd childFolder(
                S_ISDIR(childStatus.st_mode) ? openOwn(classFolder.get(), child, false) : -1);
            if (!childFolder.ok())
                continue;
            for (const auto& [name, status] : entriesOf(childFolder.get())) {
                if (!S_ISREG(status.st_mode) || status.st_nlink != 1 || !name.endsWith(".csv"))
                    continue;
                std::optional<QByteArray> bytes = readSmall(childFolder.get(), name);
                const sessionfile::Reading r =
                    bytes ? sessionfile::read(*bytes) : sessionfile::Reading{};
                const QString classPart = QFile::decodeName(className);
                const QString childPart = QFile::decodeName(child);
                if (!r.session || sessionfile::folderName(r.session->className) != classPart ||
                    sessionfile::folderName(r.session->child) != childPart)
                    continue;
                found.push_back({classPart + u'/' + childPart + u'/' + QFile::decodeName(name),
                                 std::move(*bytes), int(r.session->answers.size())});
            }
        }
    }
    return found;
}

bool WaitingSessions::remove(const QString& relativePath) const
{
    const std::optional<std::vector<QByteArray>> parts = plainParts(relativePath);
    if (!parts)
        return false;
    const Fd waiting(openWaitingFolder(stateFolder_, false));
    const Fd classFolder(openOwn(waiting.get(), (*parts)[0], false));
    const Fd child(openOwn(classFolder.get(), (*parts)[1], false));
    if (!child.ok() || (unlinkat(child.get(), (*parts)[2].constData(), 0) != 0 && errno != ENOENT))
        return false;
    // Folders that still hold something stay.
    if (unlinkat(classFolder.get(), (*parts)[1].constData(), AT_REMOVEDIR) == 0)
        unlinkat(waiting.get(), (*parts)[0].constData(), AT_REMOVEDIR);
    return true;
}
