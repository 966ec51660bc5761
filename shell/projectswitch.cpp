#include "shell/projectswitch.h"

#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/databaseschema.h"
#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "shell/orvmessagebox.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The project's network_type read as a decimal number; 0 when it is missing or not a number.
int projectNetworkType(const QString &projectName)
{
    QString text;
    getProjectProperty(projectName, "network_type", text);
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

} // namespace

namespace ProjectSwitch {

namespace {

std::function<void()> &beforeLeavingHook()
{
    static std::function<void()> hook;
    return hook;
}

void leaveCurrentProject()
{
    if (beforeLeavingHook())
        beforeLeavingHook()();
}

// The validity check of the project database on a connection of its own, so that gDatabase stays on the
// current project while the user is still being asked. Leaves an empty file where there was none.
bool isProjectDatabaseFile(const QString &file)
{
    CppSQLite3DB probe;
    probe.setDatabaseName(file);
    if (!probe.isTableExist("tbl_version") || !probe.isColumnExist("tbl_version", "name"))
        return false;
    QSqlQuery query = probe.querySql("select name from tbl_version");
    return query.next() && query.value(0).toString() == QLatin1String(DatabaseSchema::productName);
}

} // namespace

void setBeforeLeaving(const std::function<void()> &hook)
{
    beforeLeavingHook() = hook;
}

QString databasePath(const QString &projectName)
{
    return projectFolderPath(projectName) + QString("/%1.db3").arg(projectName);
}

QString backupPath(const QString &file)
{
    QString candidate = file + ".invalid";
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = file + QString(".invalid-%1").arg(n);
    return candidate;
}

bool openDatabase(const QString &projectName, const std::function<void()> &warn, QString &error)
{
    QDir().mkpath(projectFolderPath(projectName));
    const QString file = databasePath(projectName);
    const QString previous = gDatabase.databaseName();
    // The validity check opens the file and so leaves an empty one where there was none.
    const bool existed = QFileInfo::exists(file);

    if (isProjectDatabaseFile(file)) {
        leaveCurrentProject();
        createDatabaseTables(file);
        return true;
    }

    if (warn)
        warn();
    leaveCurrentProject();
    gDatabase.close();

    auto stayOnPrevious = [&](const QString &why) {
        gDatabase.close();
        gDatabase.setDatabaseName(previous);
        error = why;
        qDebug() << "project switch to" << projectName << "refused:" << why;
        return false;
    };

    QString backup;
    if (existed) {
        backup = backupPath(file);
        if (!QFile::rename(file, backup))
            return stayOnPrevious(
                QCoreApplication::translate("MainWindow", "The database of the project could not be formatted!"));
    } else {
        QFile::remove(file);
    }

    if (!createEmptyProjectDatabase(file)) {
        gDatabase.close();
        if (!backup.isEmpty()) {
            QFile::remove(file);
            if (!QFile::rename(backup, file))
                qDebug() << "the invalid database of" << projectName << "stays at" << backup;
        }
        return stayOnPrevious(
            QCoreApplication::translate("MainWindow", "The database of the project could not be formatted!"));
    }
    if (!backup.isEmpty())
        qDebug() << "the invalid database of" << projectName << "was kept as" << backup;
    loadNetworkSettings();
    return true;
}

bool switchProject(const QString &projectName, const std::function<void()> &switched)
{
    auto warn = [] {
        ORVMessageBox box(
            QCoreApplication::translate("MainWindow", "Illegally formatted databases,the database will be formatted!"),
            450, 160, false, 0, nullptr);
        box.exec();
    };
    QString error;
    if (!openDatabase(projectName, warn, error)) {
        emit gBroadcastSocket.signalsInformation(error);
        return false;
    }

    setCurrentProjectName(projectName);
    gNetworkType = projectNetworkType(projectName);
    if (switched)
        switched();
    emit gBroadcastSocket.signalsProjectStateChanged(projectName);
    emit gBroadcastSocket.signalsNetworkStateChanged(false);
    emit gBroadcastSocket.signalsNetworkOpen();
    return true;
}

} // namespace ProjectSwitch
