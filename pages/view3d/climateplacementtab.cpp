#include "pages/view3d/climateplacementtab.h"

#include "core/queryhelpers.h"
#include "devicelink/messagerecords.h"

#include <cstring>

namespace {

PlacementTab::Statements climateStatements(const char *devices)
{
    return {
        devices,
        "select xp1,yp1 from tbl_3d_air_conditioner where air_conditioner_no=%d and room_id=%d",
        "insert into tbl_3d_air_conditioner(air_conditioner_no,xp1,yp1,room_id) values(%d,%d,%d,%d)",
        "update tbl_3d_air_conditioner set xp1=%d,yp1=%d where air_conditioner_no=%d and room_id=%d",
    };
}

} // namespace

ClimatePlacementTab::ClimatePlacementTab(const char *devices, const QString &iconPath, QWidget *parent)
    : PlacementTabOf(climateStatements(devices), parent), m_iconPath(iconPath)
{
}

void ClimatePlacementTab::appendRecord(const QSqlQuery &row)
{
    airConditionerPositionRecord record;
    std::memset(&record, 0, sizeof(record));
    record.air_conditioner_no = queryColumnInt(row, "air_conditioner_no");
    record.room_id = queryColumnInt(row, "room_id");
    copyRecordText(record.remark, queryColumnText(row, "remark"));
    m_records.append(record);
}

int ClimatePlacementTab::keyAt(int index) const
{
    return m_records.at(index).air_conditioner_no;
}

QString ClimatePlacementTab::textAt(int index) const
{
    return QString::fromUtf8(m_records.at(index).remark);
}

QString ClimatePlacementTab::iconPathAt(int) const
{
    return m_iconPath;
}
