#pragma once
// Opening the database of the project chosen in the project switch, and the care taken with a file that is
// not a project database of this station.

#include <QString>

#include <functional>

namespace ProjectSwitch {

// The path of a project's database file: database/<name>/<name>.db3 in the application folder.
QString databasePath(const QString &projectName);

// An unused name beside file for keeping it aside: file + ".invalid", else file + ".invalid-2", -3 ...
QString backupPath(const QString &file);

// Points gDatabase at the project's database, ready for use, creating the project's folder when needed.
// A file that is not a project database of this station is, once warn() has returned, moved aside under a
// backup name and replaced by an emptied copy of the current project's database; nothing of it is deleted.
// False when the file can be neither moved aside nor replaced: gDatabase is then back on the database it
// was on, the file is where it was, and error says so.
bool openDatabase(const QString &projectName, const std::function<void()> &warn, QString &error);

} // namespace ProjectSwitch
