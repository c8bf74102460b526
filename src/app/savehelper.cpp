// quadena-salva FOLDER CLASS/CHILD/FILE SIZE: writes its standard input, which must be SIZE
// bytes, as that session file of the results folder, whole or not at all. The program runs it for
// every save, so that a share that hangs holds up this small process, not the program. Exit status
// 0 when written, 1 when not, 2 on a wrong command line.
#include "core/sessions/sessionfile.h"
#include "core/sessions/sessionstore.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdio>

int main(int argc, char* argv[])
{
    bool okSize = false;
    const qint64 size = argc == 4 ? QByteArray(argv[3]).toLongLong(&okSize) : -1;
    if (!okSize || size < 0 || size > sessionfile::kLargestFile) {
        std::fputs("uso: quadena-salva CARTELLA CLASSE/NOME/FILE BYTE < dati\n", stderr);
        return 2;
    }
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    // Everything is read before the share is touched, so the program is never held up.
    const QByteArray bytes = input.read(size + 1);
    if (bytes.size() != size)
        return 1;
    return sessionstore::saveWhole(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                                   bytes)
               ? 0
               : 1;
}
