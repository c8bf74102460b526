#include "core/sessions/sessionstore.h"

#include "core/records/results.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace sessionstore {

bool saveWhole(const QString& folder, const QString& relativePath, const QByteArray& bytes)
{
    const QStringList parts = relativePath.split(u'/');
    const bool plain = parts.size() == 3 && std::ranges::none_of(parts, [](const QString& p) {
                           return p.isEmpty() || p.startsWith(u'.');
                       });
    if (!plain || !QFileInfo(folder).isDir())
        return false;
    const QDir root(folder);
    if (!root.mkpath(parts[0] + u'/' + parts[1]))
        return false;
    return results::saveWhole(root.filePath(relativePath), bytes);
}

} // namespace sessionstore
