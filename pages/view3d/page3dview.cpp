#include "pages/view3d/page3dview.h"

#include "core/globals.h"
#include "core/roomstore.h"
#include "devicelink/broadcastsocket.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"

Page3DView::Page3DView(const QString &id, const QString &name, QWidget *parent) : RoomGrid3D(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("Page3DView");
}

void Page3DView::slotsEdit(int type, int id)
{
    if (type != View3DTile)
        return;
    RoomRow room;
    if (!readRoom(id, room))
        return;
    const QString label = roomLabel3D(room.regionId, room.floorId, room.name);
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::OperateRoom3DView), label, QString::asprintf("%d", id),
                                               QString());
}
