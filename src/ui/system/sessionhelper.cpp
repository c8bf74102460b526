#include "ui/system/sessionhelper.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>

HelperStore::HelperStore(QString helper, QString folder)
    : helper_(std::move(helper)), folder_(std::move(folder))
{}

QString HelperStore::besideProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/quadena-salva");
}

bool HelperStore::runnable(const QString& helper)
{
    const QFileInfo file(helper);
    return file.isFile() && file.isExecutable();
}

bool HelperStore::save(const QString& relativePath, const QByteArray& bytes)
{
    QProcess helper;
    // Its one line of why a save failed goes to standard error when it differs from the last
    // one, not at every try while the share stays away.
    helper.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    // The size first: a helper whose input was cut short, as when this process is ended while
    // handing it over, writes nothing.
    helper.start(helper_, {folder_, relativePath, QString::number(bytes.size())});
    if (!helper.waitForStarted(-1))
        return false;
    helper.write(bytes);
    while (helper.bytesToWrite() > 0 && helper.waitForBytesWritten(-1)) {
    }
    helper.closeWriteChannel();
    // No time limit: only this thread waits, and a hung share answers some day or never.
    helper.waitForFinished(-1);
    const QByteArray why = helper.readAllStandardError();
    if (!why.isEmpty() && why != lastWhy_)
        std::fputs(why.constData(), stderr);
    lastWhy_ = why;
    return helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0;
}
