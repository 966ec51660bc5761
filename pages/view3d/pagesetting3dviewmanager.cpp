#include "pages/view3d/pagesetting3dviewmanager.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"

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
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::View3DSetting), trPageId(PageId::View3DSetting),
                                               QString::asprintf("%d", id), QString());
}
