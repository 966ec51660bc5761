#include "pages/rooms/pagedeviceoperatemoods.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "panels/roomitem.h"

PageDeviceOperateMoods::PageDeviceOperateMoods(const QString &id, const QString &name, QWidget *parent)
    : PageDeviceOperate(
          id, name,
          {RoomItemMoods, "select * from tbl_mood where room_id=%d order by mood_id asc", nullptr, nullptr, 0, nullptr},
          parent)
{
}
