#include "pages/view3d/pagesetting3dviewmanagerfloorheat.h"

#include "core/queryhelpers.h"
#include "devicelink/messagerecords.h"

#include <cstring>

namespace {

const PlacementTab::Statements statements = {
    "select * from tbl_air_conditioner where room_id=%d and (air_conditioner_no=2 or air_conditioner_no=3) "
    "order by air_conditioner_no asc",
    "select xp1,yp1 from tbl_3d_air_conditioner where air_conditioner_no=%d and room_id=%d",
    "insert into tbl_3d_air_conditioner(air_conditioner_no,xp1,yp1,room_id) values(%d,%d,%d,%d)",
    "update tbl_3d_air_conditioner set xp1=%d,yp1=%d where air_conditioner_no=%d and room_id=%d",
};

} // namespace

PageSetting3DViewManagerFloorHeat::PageSetting3DViewManagerFloorHeat(QWidget *parent)
    : PlacementTabOf(statements, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSetting3DViewManagerFloorHeat");
}

void PageSetting3DViewManagerFloorHeat::appendRecord(const QSqlQuery &row)
{
    airConditionerPositionRecord record;
    std::memset(&record, 0, sizeof(record));
    record.air_conditioner_no = queryColumnInt(row, "air_conditioner_no");
    record.room_id = queryColumnInt(row, "room_id");
    copyRecordText(record.remark, queryColumnText(row, "remark"));
    m_records.append(record);
}

int PageSetting3DViewManagerFloorHeat::keyAt(int index) const
{
    return m_records.at(index).air_conditioner_no;
}

QString PageSetting3DViewManagerFloorHeat::textAt(int index) const
{
    return QString::fromUtf8(m_records.at(index).remark);
}

QString PageSetting3DViewManagerFloorHeat::iconPathAt(int) const
{
    return tr(":/myImages/png/edit_room/icon-room-floorheat.png");
}
