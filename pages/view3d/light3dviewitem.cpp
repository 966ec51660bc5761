#include "pages/view3d/light3dviewitem.h"

#include "core/placementstore.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "panels/devicerecordloaders.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

Light3DViewItem::Light3DViewItem(QWidget *parent) : MarkerView3DOf(parent)
{
    if (objectName().isEmpty())
        setObjectName("Light3DViewItem");
}

void Light3DViewItem::loadRoom(int roomId)
{
    clearEntries();
    loadPictureName(roomId);
    for (const lightRecord &light : loadLightRecords(roomId)) {
        const QPoint position = loadPosition(loadLightPosition, light.light_id, roomId);
        addEntry(position, light);
    }
    reportLoadFailure();
    update();
}

bool Light3DViewItem::isOn(const lightRecord &record)
{
    if (record.light_type == LightRgb) {
        for (int i = 0; i < LightRecordRows; ++i) {
            if (record.brightness[i] > 0)
                return true;
        }
        return false;
    }
    return record.brightness[0] > 0;
}

void Light3DViewItem::paintMarker(QPainter &painter, int index)
{
    const Entry &entry = m_entries.at(index);
    const bool on = isOn(entry.record);
    const QPoint corner(entry.xp1, entry.yp1);
    paintCircle(painter, corner, on);

    QString icon = QString::fromUtf8(on ? entry.record.icon_name_of_light_on : entry.record.icon_name_of_light_off);
    if (!icon.contains(".png"))
        icon += ".png";
    painter.drawImage(QRect(corner.x() + 22, corner.y() + 10, 36, 36),
                      readPicture(QString::asprintf(":/myImages/png/light/%s", icon.toUtf8().constData())));

    const QFont &font = QtMaterialStyle::instance().themeFont(12);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(
        QRect(corner.x(), corner.y() + 49, markerSize, 20), Qt::AlignHCenter | Qt::AlignVCenter | Qt::AlignBottom,
        QFontMetrics(font).elidedText(QString::fromUtf8(entry.record.light_remark), Qt::ElideRight, markerSize));
}
