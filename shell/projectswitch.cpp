#include "shell/projectswitch.h"

#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "shell/orvmessagebox.h"

#include <QCoreApplication>

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
    return databaseBackupPath(file);
}

bool openDatabase(const QString &projectName, const std::function<void()> &warn, QString &error)
{
    ProjectOpeningSteps steps;
    steps.beforeReplacing = [&warn](const ProjectDatabaseCheck &) {
        if (warn)
            warn();
    };
    steps.beforeLeaving = leaveCurrentProject;
    // A project whose file was missing or unusable starts as an emptied copy of the project being left.
    steps.makeFresh = [](const QString &file) {
        if (!createEmptyProjectDatabase(file))
            return false;
        loadNetworkSettings();
        return true;
    };
    const ProjectOpening opening = openProjectDatabase(projectName, steps);
    if (opening.outcome != ProjectOpening::Refused)
        return true;
    // A newer file is refused before anyone was warned; the box said the file would be formatted otherwise.
    error = opening.check.verdict == ProjectDatabaseCheck::Newer
                ? opening.notice
                : QCoreApplication::translate("MainWindow", "The database of the project could not be formatted!");
    return false;
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

    if (!setCurrentProjectName(projectName))
        emit gBroadcastSocket.signalsInformation(
            QCoreApplication::translate("MainWindow", "%1 is open, but the project list could not be written: the "
                                                      "station will start with the previous project next time.")
                .arg(projectName));
    gNetworkType = projectNetworkType(projectName);
    if (switched)
        switched();
    emit gBroadcastSocket.signalsProjectStateChanged(projectName);
    emit gBroadcastSocket.signalsNetworkStateChanged(false);
    emit gBroadcastSocket.signalsNetworkOpen();
    return true;
}

} // namespace ProjectSwitch
