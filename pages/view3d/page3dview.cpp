#include "pages/view3d/page3dview.h"

#include "core/globals.h"
#include "core/queryhelpers.h"
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
    const QString sql = QString::asprintf("select * from tbl_room where room_id=%d", id);
    if (!queryHasRecord(sql))
        return;
    QString roomName;
    queryStringValue(sql, "room_name", roomName);
    const QString label = roomLabel3D(queryIntValue(sql, "region_id"), queryIntValue(sql, "floor_id"), roomName);
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::OperateRoom3DView), label, QString::asprintf("%d", id),
                                               QString());
}
