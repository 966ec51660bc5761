#include "tests/support/testarchive.h"

#include "core/globals.h"
#include "core/projectfolders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace testarchive {

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

QString makeProjectArchive(const QString &workDir, const QString &projectName, int payloadBytes)
{
    gAppDirPath = workDir;
    const QString projectDir = projectFolderPath(projectName);
    if (!QDir().mkpath(projectDir))
        return QString();

    // Random bytes do not shrink in the zip, so the archive is about as large as asked; a fixed seed keeps
    // every run alike.
    QByteArray payload(payloadBytes, Qt::Uninitialized);
    QRandomGenerator generator(20261210);
    for (int i = 0; i < payload.size(); ++i)
        payload[i] = static_cast<char>(generator.bounded(256));
    if (!writeFile(QDir(projectDir).filePath(projectName + QStringLiteral(".db3")), payload))
        return QString();
    if (!writeFile(QDir(projectDir).filePath(QStringLiteral("photo_Room_1.png")), QByteArray("\x89PNG\r\n\x1a\n", 8)))
        return QString();

    const QString zipPath = QDir(workDir).filePath(projectName + QStringLiteral(".zip"));
    if (!compressProjects({projectName}, zipPath))
        return QString();
    return zipPath;
}

QByteArray sha1Of(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result();
}

} // namespace testarchive
