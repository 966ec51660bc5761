#pragma once
// File operations on project folders (database/<project>/) and on project archives (a zip holding one
// folder per project at its top level).

#include <QString>
#include <QStringList>

// Path of the database folder: gAppDirPath + "/database/".
QString databaseFolderPath();

// Path of a project's folder: the database folder followed by the project name.
QString projectFolderPath(const QString &projectName);

// Copies one file; source may be a resource path. Backslashes in target count as slashes. True when target
// holds a copy of source (also when both name the same file); without overwrite an existing target fails.
bool copyFileTo(const QString &source, QString target, bool overwrite);

// Copies the tree below source (hidden entries and links left out) into target, creating target one level deep.
// Stops at the first failure, leaving what was copied so far. False when source doesn't exist.
bool copyDirectory(const QString &source, const QString &target, bool overwrite);

// Removes everything inside path except hidden entries; path itself stays.
void clearDirectory(QString path);

// The most bytes an archive unpacked into folder may amount to (and a transfer of one may bring): 4 GiB, and no
// more than the free space of folder's file system (or of its nearest existing parent) less 256 MiB.
qint64 archiveSizeLimit(const QString &folder);

// Lowers the 4 GiB of archiveSizeLimit, so that tests can show the limit with small archives; 0 restores it.
void setArchiveSizeCap(qint64 bytes);

// Packs the folders of the named projects into the archive zipPath, one top-level folder per project, names
// written as UTF-8 and flagged so. Links and hidden entries are left out. Names without a project folder (or that
// are no valid project names) are skipped. False when a project could not be read or the archive could not be
// written; zipPath then holds what it held before.
bool compressProjects(const QStringList &projectNames, const QString &zipPath);

// Replaces the content of dir by the content of the archive zipPath, all or nothing. The archive is refused
// before anything is written when an entry could land outside dir, is a link or other special file, or appears
// twice, or when the entries declare more bytes than archiveSizeLimit allows. Entries are unpacked into a hidden
// folder beside dir, each stopped when it yields more than it declared or fails its checksum, and that folder
// takes dir's place only when every entry is whole; on any failure dir is left as it was.
// False when the archive is missing, unreadable or refused, or could not be unpacked.
bool extractProjectArchive(const QString &zipPath, const QString &dir);
