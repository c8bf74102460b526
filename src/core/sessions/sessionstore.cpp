#include "core/sessions/sessionstore.h"

#include "core/sessions/safesave.h"

#include <QFile>

namespace sessionstore {

bool saveWhole(const QString& folder, const QString& relativePath, const QByteArray& bytes)
{
    return !safesave::save(QFile::encodeName(folder), relativePath, bytes);
}

} // namespace sessionstore
