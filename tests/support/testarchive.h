#pragma once
// Builds real project archives for the tests of project exchange.

#include <QString>

namespace testarchive {

// Makes workDir the application folder (gAppDirPath), writes a project folder there (its database file
// filled with payloadBytes of incompressible bytes, and a small room picture) and packs it with the station's
// own compressProjects into workDir/<projectName>.zip. Returns the archive's path, or an empty text when
// something failed.
QString makeProjectArchive(const QString &workDir, const QString &projectName, int payloadBytes);

} // namespace testarchive
