#include "core/recordid.h"

#include "core/queryhelpers.h"

#include <QSet>
#include <QStringList>

int lowestFreeValue(const QString &sql, const QString &column, int start)
{
    if (!queryHasRecord(sql))
        return start;
    QStringList values;
    queryIntStringList(sql, column, values);
    QSet<int> used;
    for (const QString &value : values)
        used.insert(value.toInt(nullptr, 10));
    int candidate = start;
    while (used.contains(candidate))
        ++candidate;
    return candidate;
}

int nextRoomTemplateId()
{
    return lowestFreeValue("select * from tbl_room_template order by room_template_id asc", "room_template_id", 1);
}

int nextRegionId()
{
    return lowestFreeValue("select * from tbl_region order by region_id asc", "region_id", 1);
}

int nextFloorId()
{
    return lowestFreeValue("select * from tbl_floor order by floor_id asc", "floor_id", 1);
}

int nextRoomId()
{
    return lowestFreeValue("select * from tbl_room order by room_id asc", "room_id", 1);
}

int nextLightId()
{
    return lowestFreeValue("select * from tbl_light where (rgb=0 or rgb=1) order by light_id asc", "light_id", 1);
}

int nextTemplateLightId()
{
    return lowestFreeValue("select * from tbl_template_light order by template_light_id asc", "template_light_id", 1);
}

int nextAirConditionerNo(int roomId)
{
    return lowestFreeValue(QString::asprintf("select * from tbl_air_conditioner where room_id=%d and "
                                             "air_conditioner_no<=1 order by air_conditioner_no asc",
                                             roomId),
                           "air_conditioner_no", 0);
}

int nextExtraAirConditionerNo(int roomId)
{
    return lowestFreeValue(QString::asprintf("select * from tbl_air_conditioner where room_id=%d and "
                                             "air_conditioner_no>1 order by air_conditioner_no asc",
                                             roomId),
                           "air_conditioner_no", 2);
}

int nextPanelId()
{
    return lowestFreeValue("select * from tbl_panel order by panel_id asc", "panel_id", 1);
}

int nextTemplatePanelId()
{
    return lowestFreeValue("select * from tbl_template_panel order by template_panel_id asc", "template_panel_id", 1);
}

int nextMessageId()
{
    return lowestFreeValue("select * from tbl_message order by message_id asc", "message_id", 1);
}

int nextMoodId()
{
    return lowestFreeValue("select * from tbl_mood order by mood_id asc", "mood_id", 1);
}
