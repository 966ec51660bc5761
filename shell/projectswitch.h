#pragma once
// The project switch: opening the database of the chosen project, the care taken with a file that is not a
// project database of this station, and the announcement of the new project.

#include <QString>

#include <functional>

namespace ProjectSwitch {

// The path of a project's database file: database/<name>/<name>.db3 in the application folder.
QString databasePath(const QString &projectName);

// An unused name beside file for keeping it aside: file + ".invalid", else file + ".invalid-2", -3 ...
// (databaseBackupPath).
QString backupPath(const QString &file);

// Run just before gDatabase leaves the current project for another one, after the user has confirmed the
// switch: the last writes that belong to the project being left (the main window's pending guest requests).
// An empty function removes it.
void setBeforeLeaving(const std::function<void()> &hook);

// Points gDatabase at the project's database, ready for use, creating the project's folder when needed; the
// checks are those of start-up (openProjectDatabase). gDatabase stays on the current project until then: also
// while warn() waits for the user. A missing file, or one that is damaged, unreadable or no project database of
// this station, is, once warn() has returned, moved aside under a backup name and replaced by an emptied copy of
// the current project's database; nothing of it is deleted. False when the file is of a newer version (it is
// left untouched, and error names the version found and the one supported, without a warning first) or can be
// neither moved aside nor replaced: gDatabase is then back on the database it was on, the file is where it was,
// and error says so.
bool openDatabase(const QString &projectName, const std::function<void()> &warn, QString &error);

// The project switch of the menu bar and of the network settings page, in one order for both: the database
// of the project (openDatabase, warning with the box "Illegally formatted databases,..." before a file that is
// not a project database is kept aside and replaced), the current project of the project list, gNetworkType
// from the project's network_type, then switched() (a caller that shows project data reloads it there), and
// last the hub's signalsProjectStateChanged(name), signalsNetworkStateChanged(false), signalsNetworkOpen().
// False when openDatabase refused the file: the station stays on the project it had, nothing is announced but
// the reason, as a toast on the hub.
bool switchProject(const QString &projectName, const std::function<void()> &switched = {});

} // namespace ProjectSwitch
