#include "pages/view3d/pagesetting3dviewmanager.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "shell/manageritem.h"

PageSetting3DViewManager::PageSetting3DViewManager(const QString &id, const QString &name, QWidget *parent)
    : RoomGrid3D(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSetting3DViewManager");
}

void PageSetting3DViewManager::slotsEdit(int type, int id)
{
    if (type != View3DTile)
        return;
    emit gBroadcastSocket.signalsPageIdChanged(tr("3D View Setting"), tr("3D View Setting"),
                                               QString::asprintf("%d", id), QString());
}
