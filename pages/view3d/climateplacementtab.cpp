#include "pages/view3d/climateplacementtab.h"

#include "core/placementstore.h"
#include "core/queryhelpers.h"
#include "devicelink/messagerecords.h"

#include <cstring>

namespace {

PlacementTab::Statements climateStatements(const char *devices)
{
    return {
        devices,
        loadClimatePosition,
        saveClimatePosition,
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
