#pragma once
// The checks that stand between a project name and the file system: a name chosen by a user or received
// from elsewhere decides which folder is created or removed recursively, so it must never reach beyond
// its own folder in the database folder, nor another project's folder.

#include <QString>

#include <functional>

namespace ProjectFolderGuard {

// True when the folder of projectName may be removed recursively: it is a real folder (no link), its
// canonical path is a direct child of the database folder, and it is neither the current project's folder
// nor the folder of the database in use.
bool isRemovableProjectFolder(const QString &projectName);

// Removes the project's folder when isRemovableProjectFolder allows it. True when no folder of that name is
// left; a folder that must not be removed is left alone and answers false.
bool removeProjectFolder(const QString &projectName);

// True when the database folder's file system ignores letter case, so that names differing only in case
// share one folder. Probed with a temporary file in the database folder.
bool databaseFolderIgnoresCase();

// True when name is listed, or, where the file system ignores case, equals a listed name apart from case.
bool projectNameTaken(const QString &name);

// Test seam: while set, databaseFolderIgnoresCase answers what the probe returns.
void setCaseProbe(const std::function<bool()> &probe);

} // namespace ProjectFolderGuard
