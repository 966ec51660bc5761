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
    // A name is cut at a NUL byte when it reaches the file system, so the checks here would have seen another
    // name than the one written; no other control character belongs in a project's file names either.
    for (const QChar c : path) {
        if (c.category() == QChar::Other_Control)
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
qint64 s_roomForTests = -1;
qint64 s_writesFailAfter = -1;

// Inside a project folder while adoptProjectFolder puts it in place and lists it; hidden, so never packed,
// copied or taken for a project.
const char importMark[] = ".import-pending";

std::function<void(const char *)> &transferStepHook()
{
    static std::function<void(const char *)> hook;
    return hook;
}

void transferStep(const char *step)
{
    if (transferStepHook())
        transferStepHook()(step);
}

bool pathTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Hidden names in the database folder that only transfers give their temporary files and folders: imports
// (".import-", and "..import-" for the unpacking beside them), transfer archives (".transfer-", "..transfer-"
// while packed) and the probe of the letter case.
// Plain prefix tests: the start-up looks at every name of the folder, and needs no pattern matcher for it.
bool isTransferLeftover(const QString &name)
{
    static const char *const prefixes[] = {".import-", "..import-", ".transfer-", "..transfer-", ".case-probe-"};
    if (name == QLatin1String(importMark))
        return false;
    for (const char *prefix : prefixes) {
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}
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
            qWarning() << "Archive refused: it holds a link or other special file," << info.name;
            return plan;
        }
        if (info.flags & 0x1)
            return plan; // encrypted
        QString name = QDir::cleanPath(info.name);
        if (names.contains(name)) {
            qWarning() << "Archive refused: it names" << name << "twice";
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
ArchiveFailure unpackEntry(QuaZip &zip, const QString &folder, qint64 &budget)
{
    QuaZipFileInfo64 info;
    if (!zip.getCurrentFileInfo(&info))
        return ArchiveFailure::Refused;
    const QString path = folder + '/' + QDir::cleanPath(info.name);
    if (info.name.endsWith('/'))
        return QDir().mkpath(path) ? ArchiveFailure::None : ArchiveFailure::WriteFailed;
    if (!QDir().mkpath(QFileInfo(path).path()))
        return ArchiveFailure::WriteFailed;

    QuaZipFile entry(&zip);
    if (!entry.open(QIODevice::ReadOnly))
        return ArchiveFailure::Refused;
    QFile out(path);
    // Opening fails on a name the archive gives twice, as a file and as a folder.
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return pathTaken(path) ? ArchiveFailure::Refused : ArchiveFailure::WriteFailed;
    const quint64 declared = info.uncompressedSize;
    quint64 written = 0;
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 got = entry.read(buffer.data(), buffer.size());
        if (got < 0)
            return ArchiveFailure::Refused;
        if (got == 0)
            break;
        written += quint64(got);
        budget -= got;
        if (written > declared || budget < 0) {
            qWarning() << "Archive refused:" << info.name << "yields more than it declared";
            return ArchiveFailure::Refused;
        }
        switch (writeToFile(out, QByteArray::fromRawData(buffer.constData(), int(got)))) {
        case WriteResult::Written:
            break;
        case WriteResult::DiskFull:
            qWarning() << "The disk is full; could not unpack" << info.name;
            return ArchiveFailure::NoRoom;
        case WriteResult::Failed:
            return ArchiveFailure::WriteFailed;
        }
    }
    entry.close();
    return entry.getZipError() == UNZ_OK && written == declared ? ArchiveFailure::None : ArchiveFailure::Refused;
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
            qWarning() << "Not packed, a link:" << entry.filePath();
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
            qWarning() << "Not copied, a link:" << entry.filePath();
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
    if (s_roomForTests >= 0)
        return qMin(s_roomForTests, cap);
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

bool noRoomForArchives(const QString &folder)
{
    return archiveSizeLimit(folder) <= 0;
}

WriteResult writeToFile(QFileDevice &file, const QByteArray &data)
{
    QByteArray fitting = data;
    bool full = false;
    if (s_writesFailAfter >= 0 && data.size() > s_writesFailAfter) {
        fitting = data.left(int(s_writesFailAfter));
        full = true;
    }
    const bool written = file.write(fitting) == fitting.size() && file.flush();
    if (s_writesFailAfter >= 0)
        s_writesFailAfter -= fitting.size();
    if (written && !full)
        return WriteResult::Written;
    // Qt reports ENOSPC, and only that, as a resource error of the file.
    return full || file.error() == QFileDevice::ResourceError ? WriteResult::DiskFull : WriteResult::Failed;
}

void setRoomForTests(qint64 bytes)
{
    s_roomForTests = bytes;
}

void setWritesFailAfterForTests(qint64 bytes)
{
    s_writesFailAfter = bytes;
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

bool extractProjectArchive(const QString &zipPath, const QString &dir, ArchiveFailure *failure)
{
    ArchiveFailure dummy;
    ArchiveFailure &why = failure ? *failure : dummy;
    why = ArchiveFailure::Refused;
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
        qWarning() << "Archive refused: it unpacks to" << plan.totalSize << "bytes, more than the" << budget
                   << "allowed";
        // Within the cap, only the free space stands in the way.
        const qint64 cap = s_archiveSizeCap > 0 ? s_archiveSizeCap : DefaultArchiveSizeCap;
        if (plan.totalSize <= quint64(cap))
            why = ArchiveFailure::NoRoom;
        return false;
    }

    // Unpacked beside the target, on the same file system and under a hidden name no project can have, and
    // put in place only when every entry is whole.
    const QString unpacking = freeHiddenName(targetInfo.path(), targetInfo.fileName(), "unpacking");
    if (!QDir().mkdir(unpacking)) {
        why = noRoomForArchives(targetInfo.path()) ? ArchiveFailure::NoRoom : ArchiveFailure::WriteFailed;
        return false;
    }
    transferStep("unpacking");
    ArchiveFailure entryFailure = ArchiveFailure::None;
    for (bool more = zip.goToFirstFile(); entryFailure == ArchiveFailure::None && more; more = zip.goToNextFile()) {
        entryFailure = unpackEntry(zip, unpacking, budget);
        transferStep("unpacked entry");
    }
    if (entryFailure == ArchiveFailure::None && zip.getZipError() != UNZ_OK)
        entryFailure = ArchiveFailure::Refused;
    zip.close();
    if (entryFailure != ArchiveFailure::None) {
        QDir(unpacking).removeRecursively();
        why = entryFailure;
        return false;
    }
    if (!putInPlace(unpacking, target)) {
        why = ArchiveFailure::WriteFailed;
        return false;
    }
    why = ArchiveFailure::None;
    return true;
}

QString unusedProjectName(const QString &name)
{
    QStringList listed;
    getProjectNames(listed);
    const auto taken = [&](const QString &candidate) {
        return listed.contains(candidate) || pathTaken(projectFolderPath(candidate));
    };
    QString candidate = name;
    for (int n = 1; taken(candidate); ++n)
        candidate = QString::asprintf("%s_%d", qUtf8Printable(name), n);
    return candidate;
}

bool adoptProjectFolder(const QString &folder, const QString &name)
{
    const QString target = projectFolderPath(name);
    const QString mark = folder + '/' + QLatin1String(importMark);
    {
        QFile file(mark);
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    transferStep("marked");
    // rename() would also take the place of an empty folder of that name.
    if (pathTaken(target) || !QDir().rename(folder, target)) {
        QFile::remove(mark);
        return false;
    }
    transferStep("placed");
    if (!addProject(name)) {
        if (QDir().rename(target, folder))
            QFile::remove(mark);
        else
            qWarning() << "The project folder" << target << "stays unlisted until the next start";
        return false;
    }
    transferStep("listed");
    QFile::remove(target + '/' + QLatin1String(importMark));
    return true;
}

void finishInterruptedImports()
{
    const QDir folder(databaseFolderPath());
    if (!folder.exists())
        return;
    QStringList listed;
    getProjectNames(listed);
    const QFileInfoList entries =
        folder.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (isTransferLeftover(name)) {
            qDebug() << "Removing what an interrupted transfer left:" << name;
            if (entry.isDir() && !entry.isSymLink())
                QDir(entry.filePath()).removeRecursively();
            else
                QFile::remove(entry.filePath());
            continue;
        }
        const QString mark = entry.filePath() + '/' + QLatin1String(importMark);
        if (!entry.isDir() || entry.isSymLink() || !QFileInfo(mark).isFile() || !isValidProjectName(name))
            continue;
        // It only ever arrives here whole, by one rename: what is missing is at most its line in the list.
        if (!listed.contains(name)) {
            if (!addProject(name))
                continue;
            qDebug() << "Listing the imported project" << name << "whose import was interrupted";
            listed.append(name);
        }
        QFile::remove(mark);
    }
}

void setTransferStepHook(const std::function<void(const char *step)> &hook)
{
    transferStepHook() = hook;
}
