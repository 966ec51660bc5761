#include "pages/settings/projectfolderguard.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

namespace {

std::function<bool()> &caseProbe()
{
    static std::function<bool()> probe;
    return probe;
}

} // namespace

namespace ProjectFolderGuard {

bool isRemovableProjectFolder(const QString &projectName)
{
    if (!isValidProjectName(projectName))
        return false;
    const QFileInfo folder(projectFolderPath(projectName));
    // A link would make the removal act on whatever it points at.
    if (!folder.exists() || folder.isSymLink() || !folder.isDir())
        return false;
    const QString canonical = folder.canonicalFilePath();
    const QString databaseFolder = QFileInfo(databaseFolderPath()).canonicalFilePath();
    // Where case is ignored, one folder may answer to paths spelled in different cases.
    const Qt::CaseSensitivity cs = databaseFolderIgnoresCase() ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const auto same = [cs](const QString &a, const QString &b) { return a.compare(b, cs) == 0; };
    if (canonical.isEmpty() || databaseFolder.isEmpty() || !same(QFileInfo(canonical).path(), databaseFolder))
        return false;

    QString current;
    if (getCurrentProjectName(current) && same(QFileInfo(projectFolderPath(current)).canonicalFilePath(), canonical))
        return false;
    const QString inUse = gDatabase.databaseName();
    return inUse.isEmpty() || !same(QFileInfo(QFileInfo(inUse).absolutePath()).canonicalFilePath(), canonical);
}

bool removeProjectFolder(const QString &projectName)
{
    const QString path = projectFolderPath(projectName);
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
        return true;
    if (!isRemovableProjectFolder(projectName)) {
        qWarning() << "Project folder left in place: it is no removable project folder:" << path;
        return false;
    }
    return QDir(path).removeRecursively();
}

bool databaseFolderIgnoresCase()
{
    if (caseProbe())
        return caseProbe()();
    QTemporaryFile probe(databaseFolderPath() + ".case-probe-XXXXXX");
    if (!probe.open())
        return false;
    const QFileInfo info(probe.fileName());
    return QFileInfo::exists(info.path() + '/' + info.fileName().toUpper());
}

bool projectNameTaken(const QString &name)
{
    QStringList names;
    getProjectNames(names);
    if (names.contains(name, Qt::CaseSensitive))
        return true;
    return names.contains(name, Qt::CaseInsensitive) && databaseFolderIgnoresCase();
}

void setCaseProbe(const std::function<bool()> &probe)
{
    caseProbe() = probe;
}

} // namespace ProjectFolderGuard
