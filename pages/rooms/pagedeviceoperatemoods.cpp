#include "pages/rooms/pagedeviceoperatemoods.h"

#include "core/globals.h"
#include "core/moodstore.h"
#include "devicelink/broadcastsocket.h"
#include "panels/roomitem.h"

PageDeviceOperateMoods::PageDeviceOperateMoods(const QString &id, const QString &name, QWidget *parent)
    : PageDeviceOperate(id, name,
                        {RoomItemMoods, nullptr, nullptr, 0, nullptr, [](int roomId) { return roomHasMoods(roomId); }},
                        parent)
{
}
