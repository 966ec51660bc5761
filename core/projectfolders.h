#pragma once
// File operations on project folders (database/<project>/) and on project archives (a zip holding one
// folder per project at its top level).

#include <QString>
#include <QStringList>

#include <functional>

class QFileDevice;

// Path of the database folder: gAppDirPath + "/database/".
QString databaseFolderPath();

// Path of a project's folder: the database folder followed by the project name.
QString projectFolderPath(const QString &projectName);

// Copies one file; source may be a resource path. Backslashes in target count as slashes. True when target
// holds a copy of source (also when both name the same file); without overwrite an existing target fails.
[[nodiscard]] bool copyFileTo(const QString &source, QString target, bool overwrite);

// Copies the tree below source (hidden entries and links left out) into target, creating target one level deep.
// Stops at the first failure, leaving what was copied so far. False when source doesn't exist.
[[nodiscard]] bool copyDirectory(const QString &source, const QString &target, bool overwrite);

// Removes everything inside path except hidden entries; path itself stays.
void clearDirectory(QString path);

// The most bytes an archive unpacked into folder may amount to (and a transfer of one may bring): 4 GiB, and no
// more than the free space of folder's file system (or of its nearest existing parent) less 256 MiB.
qint64 archiveSizeLimit(const QString &folder);

// Lowers the 4 GiB of archiveSizeLimit, so that tests can show the limit with small archives; 0 restores it.
void setArchiveSizeCap(qint64 bytes);

// True when the file system of folder has no room left for an archive: archiveSizeLimit(folder) is 0.
bool noRoomForArchives(const QString &folder);

// Outcome of writeToFile.
enum class WriteResult {
    Written,
    DiskFull, // the file system had no room left
    Failed
};

// Writes data whole to the open file and flushes it.
WriteResult writeToFile(QFileDevice &file, const QByteArray &data);

// Test seams for a full disk. While bytes is 0 or more, archiveSizeLimit and noRoomForArchives see that many
// bytes of room (after the reserve), resp. writeToFile and the unpacking of archives fail as on a full disk once
// that many more bytes have been written. A negative value ends the seam.
void setRoomForTests(qint64 bytes);
void setWritesFailAfterForTests(qint64 bytes);

// Packs the folders of the named projects into the archive zipPath, one top-level folder per project, names
// written as UTF-8 and flagged so. Links and hidden entries are left out. Names without a project folder (or that
// are no valid project names) are skipped. False when a project could not be read or the archive could not be
// written; zipPath then holds what it held before.
bool compressProjects(const QStringList &projectNames, const QString &zipPath);

// Why extractProjectArchive failed.
enum class ArchiveFailure {
    None,
    Refused,    // missing, unreadable, damaged or hostile archive
    NoRoom,     // the disk has no room for what the archive holds, or filled up while it was unpacked
    WriteFailed // the file system refused the unpacked files for another reason
};

// Replaces the content of dir by the content of the archive zipPath, all or nothing. The archive is refused
// before anything is written when an entry could land outside dir, is a link or other special file, appears
// twice, or has a name holding a control character (NUL included), or when the entries declare more bytes than
// archiveSizeLimit allows. Entries are unpacked into a hidden folder beside dir, each stopped when it yields
// more than it declared or fails its checksum, and that folder takes dir's place only when every entry is whole;
// on any failure dir is left as it was. False when the archive is missing, unreadable or refused, or could not be
// unpacked; failure then says why.
[[nodiscard]] bool extractProjectArchive(const QString &zipPath, const QString &dir, ArchiveFailure *failure = nullptr);

// A valid project name that is neither listed nor taken by an entry of the database folder: name itself, else
// "<name>_<n>" with the lowest such n.
QString unusedProjectName(const QString &name);

// Puts folder, a complete project folder prepared on the database folder's file system under a hidden name, in
// place as the project name (one rename, so it never shows there in part) and lists it at once. A mark inside
// it, removed once the project is listed, lets finishInterruptedImports list a folder whose listing was cut
// off. False when it could not be moved or listed; folder is then where it was, unlisted.
[[nodiscard]] bool adoptProjectFolder(const QString &folder, const QString &name);

// Start-up: lists the project folders that adoptProjectFolder put in place without listing them, and removes
// what interrupted transfers left in the database folder (the hidden folders and archives of imports, uploads
// and unpacking).
void finishInterruptedImports();

// Test seam: called with the name of each step of adoptProjectFolder and of the unpacking, so that a test can
// stop a process at any of them; an empty function removes it.
void setTransferStepHook(const std::function<void(const char *step)> &hook);
