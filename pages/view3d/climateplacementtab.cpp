#include "pages/view3d/climateplacementtab.h"

#include "core/climatestore.h"
#include "core/placementstore.h"
#include "core/queryhelpers.h"
#include "devicelink/messagerecords.h"

#include <cstring>

namespace {

PlacementTab::Statements climateStatements()
{
    return {
        loadClimatePosition,
        saveClimatePosition,
    };
}

} // namespace

ClimatePlacementTab::ClimatePlacementTab(ClimateKind kind, const QString &iconPath, QWidget *parent)
    : PlacementTabOf(climateStatements(), parent), m_kind(kind), m_iconPath(iconPath)
{
}

void ClimatePlacementTab::appendRecord(const QSqlQuery &row)
{
    append(climateRowFromQuery(row));
}

void ClimatePlacementTab::appendDevices(int roomId)
{
    for (const ClimateRow &row : loadClimateRows(roomId, m_kind))
        append(row);
}

void ClimatePlacementTab::append(const ClimateRow &row)
{
    airConditionerPositionRecord record;
    std::memset(&record, 0, sizeof(record));
    record.air_conditioner_no = row.number;
    record.room_id = row.roomId;
    copyRecordText(record.remark, row.remark);
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
