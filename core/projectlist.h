#pragma once
// The project list file database/project.xml: the projects, three settings of each, and the current project.
//
// Every call reads the whole file and writers rewrite it whole; nothing is cached between calls.

#include <QString>
#include <QStringList>

// A project name becomes a folder name and a file name, so it must be one path component that stays inside the
// database folder: not empty, without "/", "\\", ":" or control characters, and not starting with "." (which
// also rules out "." and "..", and keeps hidden names free for temporary folders). Blanks anywhere, any case
// and any script are fine.
bool isValidProjectName(const QString &name);

// Path of the project list file: gAppDirPath + "/database/project.xml".
QString projectXmlPath();

// Replaces the file by the default list: the one project "Home", which is also the current project.
[[nodiscard]] bool createProjectXml();

// Appends the names of the listed projects in document order; names that fail isValidProjectName
// are left out. False when the file cannot be read or parsed.
bool getProjectNames(QStringList &names);

// True when the list names the project (case-sensitive).
bool projectExists(const QString &name);

// The current project's name. False when the file cannot be read or parsed, or when the current
// name is not a valid project name: then there is no usable current project and name is unchanged.
bool getCurrentProjectName(QString &name);

// Makes name the current project; refuses names that fail isValidProjectName.
[[nodiscard]] bool setCurrentProjectName(const QString &name);

// One setting of a project (indoor_temperature_low, indoor_temperature_high, network_type). value is left
// unchanged when the project or the setting is missing; the result only says whether the file was read.
bool getProjectProperty(const QString &projectName, const QString &property, QString &value);

// Changes an existing setting of a project; a missing setting is not created.
[[nodiscard]] bool setProjectProperty(const QString &projectName, const QString &property, const QString &value);

// Appends a project with default settings. It does not check for a project of the same name
// (callers ask projectExists first); it refuses names that fail isValidProjectName.
[[nodiscard]] bool addProject(const QString &name);

// Removes the first project of that name. The current project and the project's folder are left alone.
[[nodiscard]] bool removeProject(const QString &name);
