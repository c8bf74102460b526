#include "core/settings/configfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>

namespace {

/// Why the file cannot be taken as text, or nothing. A folder, a pipe or a device in its
/// place is never opened, so that nothing can block.
QString unreadable(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("è una cartella, non un file");
    if (!info.isFile())
        return QStringLiteral("non è un file normale");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("non si può leggere");
    const QByteArray bytes = file.read(kMaxConfigFileSize + 1);
    if (bytes.size() > kMaxConfigFileSize)
        return QStringLiteral("è troppo grande (più di 64 KiB)");
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError() || text.contains(QChar(0)))
        return QStringLiteral("non è un file di testo");
    return {};
}

/// A value as it reads in the file: lists (commas) joined again, other types as text.
QString text(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.canConvert<QString>() ? value.toString() : QStringLiteral("?");
}

} // namespace

ConfigFileContent readConfigFile(const QString& path)
{
    if (path.isEmpty() || (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()))
        return {};
    ConfigFileContent content;
    content.problem = unreadable(path);
    if (!content.problem.isEmpty())
        return content;
    const QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        content.problem = QStringLiteral("non è scritto come righe chiave=valore");
        return content;
    }
    const QStringList keys = settings.allKeys();
    for (const QString& key : keys)
        content.entries.emplace_back(key, text(settings.value(key)));
    return content;
}

ConfigFiles configFiles(const QProcessEnvironment& environment)
{
    const QString file = QStringLiteral("/quadena/quadena.conf");
    ConfigFiles files;
    QString home = environment.value(QStringLiteral("XDG_CONFIG_HOME"));
    if (!QDir::isAbsolutePath(home)) {
        const QString userHome = environment.value(QStringLiteral("HOME"));
        home = QDir::isAbsolutePath(userHome) ? userHome + QStringLiteral("/.config") : QString();
    }
    if (!home.isEmpty())
        files.user = QDir::cleanPath(home + file);

    QStringList folders;
    const QString dirs = environment.value(QStringLiteral("XDG_CONFIG_DIRS"));
    for (const QString& folder : dirs.split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder))
            folders << folder;
    }
    if (folders.isEmpty())
        folders << QStringLiteral("/etc/xdg");
    files.machine = QDir::cleanPath(folders.first() + file);
    for (const QString& folder : folders) {
        const QFileInfo info(QDir::cleanPath(folder + file));
        if (info.exists() || info.isSymLink()) {
            files.machine = info.filePath();
            break;
        }
    }
    if (files.user == files.machine)
        files.user.clear();
    return files;
}
