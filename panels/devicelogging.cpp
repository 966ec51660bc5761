#include "panels/devicelogging.h"

#include "core/cppsqlite3db.h"
#include "core/devicelog.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"

#include <QCoreApplication>
#include <QFileInfo>

void logDeviceEvent(const QString &device, const QString &event, int roomId, int logType)
{
    if (addDeviceLog(device, event, roomId, logType))
        return;
    const QString project = QFileInfo(gDatabase.databaseName()).completeBaseName();
    emit gBroadcastSocket.signalsInformation(
        QCoreApplication::translate("DevicePanel", "Project %1 cannot be written (%2): a device event was not logged.")
            .arg(project, gDatabase.lastErrorText()));
}
