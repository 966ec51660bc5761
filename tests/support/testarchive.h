#pragma once
// Builds real project archives for the tests of project exchange.

#include <QByteArray>
#include <QString>

namespace testarchive {

// Makes workDir the application folder (gAppDirPath), writes a project folder there (its database file
// filled with payloadBytes of incompressible bytes, and a small room picture) and packs it with the station's
// own compressProjects into workDir/<projectName>.zip. Returns the archive's path, or an empty text when
// something failed.
QString makeProjectArchive(const QString &workDir, const QString &projectName, int payloadBytes);

// The SHA-1 of a file's bytes, to tell that a transfer arrived byte for byte; empty when it cannot be read.
QByteArray sha1Of(const QString &path);

} // namespace testarchive
