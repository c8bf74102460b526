#include "core/sessions/safesave.h"

#include "core/base/fd.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace safesave {
namespace {

// A folder is only passed through: an account may make files where it may not list them.
constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr int kNewFileFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;

using Failure = std::optional<QString>;

/// The process's umask is 0 for as long as it lives, so that what is made has exactly the mode
/// asked for. A chmod afterwards would not do: by an account outside the folder's group it
/// drops the setgid bit the folder inherited.
class NoUmask {
  public:
    NoUmask() : before_(::umask(0)) {}
    ~NoUmask() { ::umask(before_); }
    NoUmask(const NoUmask&) = delete;
    NoUmask& operator=(const NoUmask&) = delete;

  private:
    mode_t before_;
};

QString failure(const QString& what, const QByteArray& name, int error)
{
    return QStringLiteral("%1 %2: %3")
        .arg(what, QFile::decodeName(name), QString::fromLocal8Bit(std::strerror(error)));
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

/// The folder `name` below `parent`, made when missing, never one a link leads to.
Failure folderBelow(int parent, const QByteArray& name, Fd& out)
{
    if (::mkdirat(parent, name.constData(), kFolderMode) != 0 && errno != EEXIST)
        return failure(QStringLiteral("cartella non creata"), name, errno);
    out = Fd(::openat(parent, name.constData(), kFolderFlags));
    if (out.get() < 0 && (errno == ELOOP || errno == ENOTDIR))
        return QStringLiteral("%1: non è una cartella (un collegamento?)")
            .arg(QFile::decodeName(name));
    if (out.get() < 0)
        return failure(QStringLiteral("cartella"), name, errno);
    return std::nullopt;
}

/// Whether `name` in `folder` is missing (`first`), or a regular file that `bytes` continue.
Failure mayReplace(int folder, const QByteArray& name, const QByteArray& bytes, bool& first)
{
    struct stat status {};
    if (::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        first = errno == ENOENT;
        return first ? Failure() : failure(QStringLiteral("file"), name, errno);
    }
    first = false;
    const QString another =
        QStringLiteral("il file che c'è non è l'inizio di questi dati (un'altra sessione?)");
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("%1: non è un file (un collegamento?)").arg(QFile::decodeName(name));
    if (status.st_size > bytes.size())
        return QStringLiteral("%1: %2").arg(QFile::decodeName(name), another);
    const Fd fd(::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0)
        return failure(QStringLiteral("file"), name, errno);
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("%1: non è un file").arg(QFile::decodeName(name));
    QByteArray old(bytes.size() + 1, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < old.size()) {
        const ssize_t n = ::read(fd.get(), old.data() + got, size_t(old.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failure(QStringLiteral("file"), name, errno);
        if (n == 0)
            break;
        got += n;
    }
    if (got > bytes.size() ||
        !std::equal(old.constData(), old.constData() + got, bytes.constData()))
        return QStringLiteral("%1: %2").arg(QFile::decodeName(name), another);
    return std::nullopt;
}

/// `bytes` in a new hidden file of `folder`, synced and closed.
Failure writeTemporary(int folder, const QByteArray& temporary, const QByteArray& bytes,
                       mode_t mode)
{
    Fd fd(::openat(folder, temporary.constData(), kNewFileFlags, mode));
    if (fd.get() < 0)
        return failure(QStringLiteral("file temporaneo non creato"), temporary, errno);
    if (!writeAll(fd.get(), bytes))
        return failure(QStringLiteral("scrittura non riuscita"), temporary, errno);
    if (::fsync(fd.get()) != 0)
        return failure(QStringLiteral("sincronizzazione non riuscita"), temporary, errno);
    if (!fd.closeChecked())
        return failure(QStringLiteral("chiusura non riuscita"), temporary, errno);
    return std::nullopt;
}

/// The name of a session never used before, made empty with O_EXCL, so that a session of
/// another machine that meets it is never written over.
Failure claim(int folder, const QByteArray& name, mode_t mode)
{
    Fd fd(::openat(folder, name.constData(), kNewFileFlags, mode));
    if (fd.get() < 0)
        return failure(errno == EEXIST ? QStringLiteral("nome già di un'altra sessione")
                                       : QStringLiteral("file non creato"),
                       name, errno);
    if (!fd.closeChecked())
        return failure(QStringLiteral("chiusura non riuscita"), name, errno);
    return std::nullopt;
}

Failure saveIn(int child, const QByteArray& name, const QByteArray& bytes)
{
    bool first = false;
    if (Failure f = mayReplace(child, name, bytes, first))
        return f;
    return replaceWhole(child, name, bytes, kFileMode, first);
}

} // namespace

std::optional<QString> replaceWhole(int folder, const QByteArray& name, const QByteArray& bytes,
                                    mode_t mode, bool claimFirst)
{
    const QByteArray temporary =
        '.' + name + ".tmp-" + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
    Failure f = writeTemporary(folder, temporary, bytes, mode);
    bool claimed = false;
    if (!f && claimFirst) {
        f = claim(folder, name, mode);
        claimed = !f;
    }
    if (!f && ::renameat(folder, temporary.constData(), folder, name.constData()) != 0)
        f = failure(QStringLiteral("rinomina non riuscita"), name, errno);
    if (f) {
        ::unlinkat(folder, temporary.constData(), 0);
        if (claimed)
            ::unlinkat(folder, name.constData(), 0);
        return f;
    }
    // The rename is the folder's to keep. An account that may not list the folder cannot sync
    // it, and a share that cannot sync a folder keeps its renames anyway.
    const Fd listed(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (listed.get() >= 0 && ::fsync(listed.get()) != 0 && errno != EINVAL && errno != ENOTSUP &&
        errno != ENOSYS)
        return failure(QStringLiteral("sincronizzazione della cartella non riuscita"), name, errno);
    return std::nullopt;
}

std::optional<QString> save(const QByteArray& folder, const QString& relativePath,
                            const QByteArray& bytes)
{
    const QStringList parts = relativePath.split(u'/');
    const bool plain = parts.size() == 3 && std::ranges::none_of(parts, [](const QString& p) {
                           return p.isEmpty() || p.startsWith(u'.') || p.contains(QChar(0));
                       });
    if (!plain)
        return QStringLiteral("%1: non è CLASSE/NOME/FILE").arg(relativePath);
    const NoUmask noUmask;
    const Fd results(::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (results.get() < 0)
        return failure(QStringLiteral("cartella dei risultati"), folder, errno);
    struct stat marker {};
    if (::fstatat(results.get(), kMarker, &marker, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(marker.st_mode))
        return QStringLiteral("%1: manca il contrassegno %2 (la cartella della scuola non c'è?)")
            .arg(QFile::decodeName(folder), QLatin1StringView(kMarker));
    Fd classFolder;
    Fd childFolder;
    if (Failure f = folderBelow(results.get(), QFile::encodeName(parts[0]), classFolder))
        return f;
    if (Failure f = folderBelow(classFolder.get(), QFile::encodeName(parts[1]), childFolder))
        return f;
    return saveIn(childFolder.get(), QFile::encodeName(parts[2]), bytes);
}

} // namespace safesave
