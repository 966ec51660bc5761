#include "pages/view3d/pagesetting3dviewmanagerlighting.h"

#include "core/devicestore.h"
#include "core/placementstore.h"
#include "core/queryhelpers.h"
#include "devicelink/messagerecords.h"

#include <cstring>

namespace {

const PlacementTab::Statements lightStatements = {
    loadLightPosition,
    saveLightPosition,
    queryRoomLights,
};

} // namespace

PageSetting3DViewManagerLighting::PageSetting3DViewManagerLighting(QWidget *parent)
    : PlacementTabOf(lightStatements, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSetting3DViewManagerLighting");
}

void PageSetting3DViewManagerLighting::appendRecord(const QSqlQuery &row)
{
    lightPositionRecord record;
    std::memset(&record, 0, sizeof(record));
    record.light_id = queryColumnInt(row, "light_id");
    record.room_id = queryColumnInt(row, "room_id");
    copyRecordText(record.light_remark, queryColumnText(row, "light_remark"));
    copyRecordText(record.icon_name_of_light_on, queryColumnText(row, "icon_name_of_light_on"));
    m_records.append(record);
}

int PageSetting3DViewManagerLighting::keyAt(int index) const
{
    return m_records.at(index).light_id;
}

QString PageSetting3DViewManagerLighting::textAt(int index) const
{
    return QString::fromUtf8(m_records.at(index).light_remark);
}

QString PageSetting3DViewManagerLighting::iconPathAt(int index) const
{
    QString name = QString::fromUtf8(m_records.at(index).icon_name_of_light_on);
    if (!name.contains(".png"))
        name += ".png";
    return tr(":/myImages/png/light/") + name;
}
