#include "core/projectfolders.h"

#include "core/globals.h"
#include "core/projectlist.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QStorageInfo>

#include <limits>

#include <quazip/JlCompress.h>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <quazip/quazipnewinfo.h>

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

bool isLinkType(quint32 externalAttr)
{
    // The upper half holds a Unix file mode when the packer had one; only plain files and folders (or no type at
    // all) belong in a project. The lower half holds the MS-DOS attributes, where 0x400 marks a reparse point.
    const quint32 type = (externalAttr >> 16) & 0170000;
    const bool plain = type == 0 || type == 0100000 || type == 0040000;
    return !plain || (externalAttr & 0x400) != 0;
}

// The PKWARE Unix extra field (0x000d) carries the target of a symbolic or hard link after its fixed part.
bool hasLinkExtraField(const QByteArray &extra)
{
    for (int at = 0; at + 4 <= extra.size();) {
        const quint16 id = quint8(extra[at]) | quint16(quint8(extra[at + 1])) << 8;
        const int size = quint8(extra[at + 2]) | int(quint8(extra[at + 3])) << 8;
        if (id == 0x000d && size > 12)
            return true;
        at += 4 + size;
    }
    return false;
}

qint64 s_archiveSizeCap = 0;
const qint64 DefaultArchiveSizeCap = qint64(4) << 30;
const qint64 FreeSpaceReserve = qint64(256) << 20;

// What the archive says about itself, read from its central directory before anything is written.
struct ArchivePlan
{
    bool acceptable = false;
    quint64 totalSize = 0;
};

// Every entry must land inside root, be a plain file or folder (a link could lead anywhere, or back into its
// own folder without end), appear once, and be readable without a password.
ArchivePlan planArchive(QuaZip &zip, const QString &root)
{
    ArchivePlan plan;
    QSet<QString> names;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info) || !isDownwardRelativePath(info.name) ||
            !isInside(QDir::cleanPath(root + '/' + info.name), root))
            return plan;
        if (info.isSymbolicLink() || isLinkType(info.externalAttr) || hasLinkExtraField(info.extra)) {
            qDebug() << "Archive refused: it holds a link or other special file," << info.name;
            return plan;
        }
        if (info.flags & 0x1)
            return plan; // encrypted
        QString name = QDir::cleanPath(info.name);
        if (names.contains(name)) {
            qDebug() << "Archive refused: it names" << name << "twice";
            return plan;
        }
        names.insert(name);
        plan.totalSize += info.uncompressedSize;
        if (plan.totalSize > quint64(std::numeric_limits<qint64>::max()))
            return plan;
    }
    plan.acceptable = zip.getZipError() == UNZ_OK;
    return plan;
}

// Writes the current entry below folder; refuses an entry that yields more (or fewer) bytes than it declared
// or whose checksum does not match.
bool unpackEntry(QuaZip &zip, const QString &folder, qint64 &budget)
{
    QuaZipFileInfo64 info;
    if (!zip.getCurrentFileInfo(&info))
        return false;
    const QString path = folder + '/' + QDir::cleanPath(info.name);
    if (info.name.endsWith('/'))
        return QDir().mkpath(path);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;

    QuaZipFile entry(&zip);
    QFile out(path);
    if (!entry.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const quint64 declared = info.uncompressedSize;
    quint64 written = 0;
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 got = entry.read(buffer.data(), buffer.size());
        if (got < 0)
            return false;
        if (got == 0)
            break;
        written += quint64(got);
        budget -= got;
        if (written > declared || budget < 0) {
            qDebug() << "Archive refused:" << info.name << "yields more than it declared";
            return false;
        }
        if (out.write(buffer.constData(), got) != got)
            return false;
    }
    entry.close();
    return entry.getZipError() == UNZ_OK && written == declared && out.flush();
}

QString freeHiddenName(const QString &parent, const QString &base, const char *purpose)
{
    for (;;) {
        const QString candidate = QString("%1/.%2-%3-%4")
                                      .arg(parent, base, QLatin1String(purpose))
                                      .arg(QRandomGenerator::global()->generate(), 8, 16, QChar('0'));
        const QFileInfo info(candidate);
        if (!info.exists() && !info.isSymLink())
            return candidate;
    }
}

// Puts the finished folder where target was; on any failure target is as it was and finished is gone.
bool putInPlace(const QString &finished, const QString &target)
{
    const QFileInfo targetInfo(target);
    if (!targetInfo.exists() && !targetInfo.isSymLink()) {
        if (QDir().rename(finished, target))
            return true;
        QDir(finished).removeRecursively();
        return false;
    }
    const QString old = freeHiddenName(targetInfo.path(), targetInfo.fileName(), "old");
    if (!QDir().rename(target, old)) {
        QDir(finished).removeRecursively();
        return false;
    }
    if (!QDir().rename(finished, target)) {
        QDir().rename(old, target);
        QDir(finished).removeRecursively();
        return false;
    }
    if (QFileInfo(old).isDir() && !QFileInfo(old).isSymLink())
        QDir(old).removeRecursively();
    else
        QFile::remove(old);
    return true;
}

// Folders and files of a project folder, links and hidden entries left out, packed below prefix. Names are
// written as UTF-8 with the archive's UTF-8 flag set (the QuaZip object is in UTF-8 mode).
bool packFolder(QuaZip &zip, const QString &folder, const QString &prefix)
{
    QuaZipFile dirEntry(&zip);
    if (!dirEntry.open(QIODevice::WriteOnly, QuaZipNewInfo(prefix + '/', folder)))
        return false;
    dirEntry.close();
    if (dirEntry.getZipError() != UNZ_OK)
        return false;

    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        const QString name = prefix + '/' + entry.fileName();
        if (entry.isSymLink()) {
            qDebug() << "Not packed, a link:" << entry.filePath();
            continue;
        }
        if (entry.isDir()) {
            if (!packFolder(zip, entry.filePath(), name))
                return false;
            continue;
        }
        QFile in(entry.filePath());
        QuaZipFile out(&zip);
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly, QuaZipNewInfo(name, entry.filePath())))
            return false;
        QByteArray buffer(64 * 1024, Qt::Uninitialized);
        for (qint64 got; (got = in.read(buffer.data(), buffer.size())) != 0;) {
            if (got < 0 || out.write(buffer.constData(), got) != got)
                return false;
        }
        out.close();
        if (out.getZipError() != UNZ_OK)
            return false;
    }
    return true;
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
        // A project holds no links; following one could copy a folder into itself without end.
        if (entry.isSymLink()) {
            qDebug() << "Not copied, a link:" << entry.filePath();
            continue;
        }
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

qint64 archiveSizeLimit(const QString &folder)
{
    const qint64 cap = s_archiveSizeCap > 0 ? s_archiveSizeCap : DefaultArchiveSizeCap;
    QFileInfo existing(QDir::cleanPath(QDir(folder).absolutePath()));
    while (!existing.exists() && !existing.isRoot())
        existing = QFileInfo(existing.path());
    const QStorageInfo storage(existing.filePath());
    if (!storage.isValid() || storage.bytesAvailable() < 0)
        return cap;
    return qBound(qint64(0), storage.bytesAvailable() - FreeSpaceReserve, cap);
}

void setArchiveSizeCap(qint64 bytes)
{
    s_archiveSizeCap = bytes;
}

bool compressProjects(const QStringList &projectNames, const QString &zipPath)
{
    // Written under a hidden name beside zipPath and put in place whole, so a failure leaves no half archive.
    const QFileInfo zipInfo(QDir::cleanPath(QDir(zipPath).absolutePath()));
    const QString packing = freeHiddenName(zipInfo.path(), zipInfo.fileName(), "packing");
    bool packed = false;
    {
        QuaZip zip(packing);
        zip.setUtf8Enabled(true);
        if (zip.open(QuaZip::mdCreate)) {
            packed = true;
            for (const QString &name : projectNames) {
                if (packed && isValidProjectName(name) && QFileInfo(projectFolderPath(name)).isDir())
                    packed = packFolder(zip, projectFolderPath(name), name);
            }
            zip.close();
            packed = packed && zip.getZipError() == UNZ_OK;
        }
    }
    if (packed && QFileInfo(zipPath).isFile())
        QFile::remove(zipPath);
    if (!packed || !QFile::rename(packing, zipPath)) {
        QFile::remove(packing);
        return false;
    }
    return true;
}

bool extractProjectArchive(const QString &zipPath, const QString &dir)
{
    if (!QFileInfo(zipPath).isFile())
        return false;
    const QString target = QDir::cleanPath(QDir(dir).absolutePath());
    const QFileInfo targetInfo(target);
    QuaZip zip(zipPath);
    if (!zip.open(QuaZip::mdUnzip))
        return false;
    const ArchivePlan plan = planArchive(zip, target);
    if (!plan.acceptable)
        return false;
    qint64 budget = archiveSizeLimit(targetInfo.path());
    if (plan.totalSize > quint64(budget)) {
        qDebug() << "Archive refused: it unpacks to" << plan.totalSize << "bytes, more than the" << budget << "allowed";
        return false;
    }

    // Unpacked beside the target, on the same file system and under a hidden name no project can have, and
    // put in place only when every entry is whole.
    const QString unpacking = freeHiddenName(targetInfo.path(), targetInfo.fileName(), "unpacking");
    if (!QDir().mkdir(unpacking))
        return false;
    bool whole = true;
    for (bool more = zip.goToFirstFile(); whole && more; more = zip.goToNextFile())
        whole = unpackEntry(zip, unpacking, budget);
    whole = whole && zip.getZipError() == UNZ_OK;
    zip.close();
    if (!whole) {
        QDir(unpacking).removeRecursively();
        return false;
    }
    return putInPlace(unpacking, target);
}
