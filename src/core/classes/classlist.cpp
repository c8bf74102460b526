#include "core/classes/classlist.h"

#include "core/sessions/personname.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace classlist {
namespace {

constexpr qint64 kLargestList = 64 * 1024;

bool hasControl(const QString& text)
{
    return std::any_of(text.begin(), text.end(), personname::isControl);
}

} // namespace

bool isLanguageTag(const QString& tag)
{
    static const QRegularExpression shape(
        QStringLiteral("^[A-Za-z]{2,3}(-[A-Za-z]{4})?(-([A-Za-z]{2}|[0-9]{3}))?$"));
    return shape.match(tag).hasMatch();
}

ClassList parse(const QString& className, const QByteArray& bytes, const QString& fileName,
                QStringList& warnings)
{
    ClassList list{className, {}};
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    const auto warn = [&](qsizetype index, const QString& why) {
        warnings << lineWarning(fileName, index, why);
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype semicolon = line.indexOf(u';');
        const personname::Checked name = personname::check(line.left(semicolon));
        const QString tag = semicolon < 0 ? QString() : line.mid(semicolon + 1).trimmed();
        if (int(list.pupils.size()) >= kMostPupils) {
            warn(i, QStringLiteral("più di %1 nomi, riga ignorata").arg(kMostPupils));
        } else if (hasControl(line)) {
            warn(i, QStringLiteral("caratteri di controllo, riga ignorata"));
        } else if (name.fault) {
            warn(i, QStringLiteral("nome vuoto o più lungo di %1 caratteri, riga ignorata")
                        .arg(personname::kLongest));
        } else if (semicolon >= 0 && !isLanguageTag(tag)) {
            warn(i, QStringLiteral("lingua \"%1\" non valida, riga ignorata").arg(tag));
        } else if (std::any_of(list.pupils.begin(), list.pupils.end(), [&](const Pupil& p) {
                       return p.name.compare(name.name, Qt::CaseInsensitive) == 0;
                   })) {
            warn(i, QStringLiteral("\"%1\" ripetuto, riga ignorata").arg(name.name));
        } else {
            list.pupils.push_back({name.name, tag});
        }
    }
    return list;
}

QString lineWarning(const QString& fileName, qsizetype line, const QString& why)
{
    return QStringLiteral("%1, riga %2: %3").arg(fileName).arg(line + 1).arg(why);
}

ClassLists read(const QString& folder)
{
    ClassLists lists;
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable()) {
        lists.warnings << QStringLiteral("%1: cartella delle classi non leggibile").arg(folder);
        return lists;
    }
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& info : files) {
        const std::optional<QString> className = personname::accepted(info.completeBaseName());
        if (info.fileName().startsWith(u'.') || !className) {
            lists.warnings << QStringLiteral("%1: nome di classe non valido, file ignorato")
                                  .arg(info.fileName());
            continue;
        }
        QFile file(info.filePath());
        if (info.isSymLink() || !info.isFile() || info.size() > kLargestList ||
            !file.open(QIODevice::ReadOnly)) {
            lists.warnings << QStringLiteral("%1: file non leggibile o troppo grande, ignorato")
                                  .arg(info.fileName());
            continue;
        }
        lists.classes.push_back(
            parse(*className, file.read(kLargestList), info.fileName(), lists.warnings));
    }
    return lists;
}

} // namespace classlist
