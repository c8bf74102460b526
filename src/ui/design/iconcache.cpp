#include "ui/design/iconcache.h"

#include <QHash>
#include <QString>

QIcon sharedIcon(const char* picture)
{
    static QHash<QString, QIcon> icons;
    const QString path = QString::fromLatin1(picture);
    auto it = icons.find(path);
    if (it == icons.end())
        it = icons.insert(path, QIcon(path));
    return *it;
}
