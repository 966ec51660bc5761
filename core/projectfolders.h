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

// Copies the tree below source (hidden entries left out) into target, creating target one level deep.
// Stops at the first failure, leaving what was copied so far. False when source doesn't exist.
bool copyDirectory(const QString &source, const QString &target, bool overwrite);

// Removes everything inside path except hidden entries; path itself stays.
void clearDirectory(QString path);

// Packs the folders of the named projects into the archive zipPath, one top-level folder per project.
// Names without a project folder (or that are no valid project names) are skipped. False when a project
// could not be copied or the archive could not be written.
bool compressProjects(const QStringList &projectNames, const QString &zipPath);

// Replaces the content of dir by the content of the archive zipPath. The archive is checked first: an entry
// or link that could land outside dir refuses the whole archive, and dir is then left as it was.
// False when the archive is missing, unreadable or refused, or could not be unpacked.
bool extractProjectArchive(const QString &zipPath, const QString &dir);
