#include "core/projectfolders.h"

#include "core/globals.h"
#include "core/projectlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <quazip/JlCompress.h>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

namespace {

bool isInside(const QString &cleanPath, const QString &cleanRoot)
{
    return cleanPath == cleanRoot || cleanPath.startsWith(cleanRoot + '/');
}

// Relative, slash-separated and without a step upwards: such a path can only lead below the folder it
// starts from. Backslashes are refused rather than guessed at, since some unpackers treat them as separators.
bool isDownwardRelativePath(const QString &path)
{
    static const QRegularExpression drive("^[A-Za-z]:");
    if (path.isEmpty() || path.startsWith('/') || path.contains('\\') || drive.match(path).hasMatch()) {
        return false;
    }
    const QStringList parts = path.split('/');
    return !parts.contains("..");
}

// Every entry of the archive must land inside root, and so must every link it holds. Links are only
// accepted when they point downwards: a link target with ".." could climb out through another link of the
// same archive even when it looks inside on paper.
bool archiveStaysInside(QuaZip &zip, const QString &root)
{
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info) || !isDownwardRelativePath(info.name) ||
            !isInside(QDir::cleanPath(root + '/' + info.name), root)) {
            return false;
        }
        if (info.isSymbolicLink()) {
            QuaZipFile entry(&zip);
            if (!entry.open(QIODevice::ReadOnly)) {
                return false;
            }
            const QString target = QFile::decodeName(entry.readAll());
            entry.close();
            const QString linkFolder = QFileInfo(QDir::cleanPath(root + '/' + info.name)).path();
            if (!isDownwardRelativePath(target) || !isInside(QDir::cleanPath(linkFolder + '/' + target), root)) {
                return false;
            }
        }
    }
    return zip.getZipError() == UNZ_OK;
}

} // namespace

QString databaseFolderPath()
{
    return gAppDirPath + "/database/";
}

QString projectFolderPath(const QString &projectName)
{
    return databaseFolderPath() + projectName;
}

bool copyFileTo(const QString &source, QString target, bool overwrite)
{
    target.replace('\\', '/');
    if (source == target) {
        return true;
    }
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.exists() || sourceInfo.isDir()) {
        return false;
    }
    // The same file under another spelling ("a//b", "./", a link) must not be removed before it is copied.
    if (sourceInfo.canonicalFilePath() == QFileInfo(target).canonicalFilePath()) {
        return true;
    }
    if (overwrite && QFile::exists(target)) {
        QFile::remove(target);
    }
    return QFile::copy(source, target);
}

bool copyDirectory(const QString &source, const QString &target, bool overwrite)
{
    const QDir sourceDir(source);
    if (!sourceDir.exists()) {
        return false;
    }
    // A target inside the source would be listed and copied into itself without end.
    if (isInside(QDir::cleanPath(QDir(target).absolutePath()), QDir::cleanPath(sourceDir.absolutePath()))) {
        return false;
    }
    if (!QDir(target).exists() && !QDir().mkdir(target)) {
        return false;
    }
    const QFileInfoList entries =
        sourceDir.entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        const QString destination = target + '/' + entry.fileName();
        if (entry.isDir()) {
            if (!copyDirectory(entry.filePath(), destination, overwrite)) {
                return false;
            }
            continue;
        }
        if (overwrite && QFile::exists(destination)) {
            QFile::remove(destination);
        }
        if (!QFile::copy(entry.filePath(), destination)) {
            return false;
        }
    }
    return true;
}

void clearDirectory(QString path)
{
    const QFileInfoList entries = QDir(path).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        // A link to a folder goes, not the folder it points to.
        if (entry.isDir() && !entry.isSymLink()) {
            QDir(entry.filePath()).removeRecursively();
        } else {
            QFile::remove(entry.filePath());
        }
    }
}

bool compressProjects(const QStringList &projectNames, const QString &zipPath)
{
    // The staging folder lives outside the database folder, so it can never be (or wipe) a project folder;
    // it is removed when this function returns, whatever happened.
    QTemporaryDir staging(QDir::tempPath() + "/zoduv-pack-XXXXXX");
    if (!staging.isValid()) {
        return false;
    }
    for (const QString &name : projectNames) {
        if (!isValidProjectName(name) || !QFileInfo(projectFolderPath(name)).isDir()) {
            continue;
        }
        if (!copyDirectory(projectFolderPath(name), staging.path() + '/' + name, true)) {
            return false;
        }
    }
    return JlCompress::compressDir(zipPath, staging.path(), true);
}

bool extractProjectArchive(const QString &zipPath, const QString &dir)
{
    if (!QFileInfo(zipPath).isFile()) {
        return false;
    }
    const QString root = QDir::cleanPath(QDir(dir).absolutePath());
    int entryCount = 0;
    {
        QuaZip zip(zipPath);
        if (!zip.open(QuaZip::mdUnzip) || !archiveStaysInside(zip, root)) {
            return false;
        }
        entryCount = zip.getEntriesCount();
    }
    QDir(dir).removeRecursively();
    if (!QDir().mkdir(dir)) {
        return false;
    }
    const QStringList extracted = JlCompress::extractDir(zipPath, dir);
    return entryCount == 0 || !extracted.isEmpty();
}
