// quadena-salva FOLDER CLASS/CHILD/FILE SIZE: writes its standard input, which must be SIZE
// bytes, as that session file of the results folder, whole or not at all (see safesave.h). The
// program runs it for every save, so that a share that hangs holds up this small process, not
// the program.
//
// The input is read to its end before the share is touched. The results folder must hold the
// technician's marker `.quadena-risultati`; the class and child folders are made below it
// (mode 1773, the folder's group and setgid inherited), the file is 0640, whatever the umask.
// A save is the first of its session when FILE is not there yet: it is then made with O_EXCL
// and never over another session's file. A later save of the same session replaces the file,
// and only with bytes that begin with the file's own, since a session only grows.
//
// Exit status 0 when written; 1 when not, with one line "non salvato: <why>" on standard
// error; 2 on a wrong command line.
#include "core/sessions/safesave.h"
#include "core/sessions/sessionfile.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

/// All of standard input, keeping at most `keep` bytes; the count of all, -1 on a read error.
qint64 readAll(QByteArray& kept, qint64 keep)
{
    char buffer[65536];
    qint64 total = 0;
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            return total;
        kept.append(buffer, qsizetype(std::min<qint64>(n, std::max<qint64>(keep - total, 0))));
        total += n;
    }
}

int notSaved(const QString& why)
{
    std::fprintf(stderr, "non salvato: %s\n", why.toLocal8Bit().constData());
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    bool okSize = false;
    const qint64 size = argc == 4 ? QByteArray(argv[3]).toLongLong(&okSize) : -1;
    if (!okSize || size < 0) {
        std::fputs("uso: quadena-salva CARTELLA CLASSE/NOME/FILE BYTE < dati\n", stderr);
        return 2;
    }
    QByteArray bytes;
    const qint64 read = readAll(bytes, std::min(size, sessionfile::kLargestFile) + 1);
    if (read < 0)
        return notSaved(QStringLiteral("lettura dei dati non riuscita"));
    if (read != size)
        return notSaved(QStringLiteral("ricevuti %1 byte invece di %2").arg(read).arg(size));
    if (size > sessionfile::kLargestFile)
        return notSaved(
            QStringLiteral("%1 byte, più di %2").arg(size).arg(sessionfile::kLargestFile));
    const std::optional<QString> failure =
        safesave::save(QByteArray(argv[1]), QString::fromLocal8Bit(argv[2]), bytes);
    return failure ? notSaved(*failure) : 0;
}
