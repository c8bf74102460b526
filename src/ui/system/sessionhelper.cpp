#include "ui/system/sessionhelper.h"

#include <QCoreApplication>
#include <QProcess>

HelperStore::HelperStore(QString helper, QString folder)
    : helper_(std::move(helper)), folder_(std::move(folder))
{}

QString HelperStore::besideProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/quadena-salva");
}

bool HelperStore::save(const QString& relativePath, const QByteArray& bytes)
{
    QProcess helper;
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.setStandardOutputFile(QProcess::nullDevice());
    helper.start(helper_, {folder_, relativePath}, QIODevice::WriteOnly);
    if (!helper.waitForStarted(-1))
        return false;
    helper.write(bytes);
    helper.closeWriteChannel();
    // No time limit: only this thread waits, and a hung share answers some day or never.
    helper.waitForFinished(-1);
    return helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0;
}
