#include "pages/view3d/climatemarker.h"

#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "pages/view3d/markerview3d.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ClimateMarker", text);
}

} // namespace

QString climateStateText(const airConditionerRecord &record, bool floorHeating)
{
    if (record.status <= 0)
        return tr("OFF");
    int temperature = record.current_temperature;
    if (!floorHeating) {
        switch (record.mode) {
        case ModeFan:
            return tr("FAN");
        case ModeAuto:
            temperature = record.current_auto_temperature;
            break;
        case ModeHeat:
            temperature = record.current_heat_temperature;
            break;
        default:
            temperature = record.current_cool_temperature;
            break;
        }
    }
    return QString::asprintf("%d%s", temperature,
                             record.temperature_unit > 0 ? "\xc2\xb0"
                                                           "F"
                                                         : "\xc2\xb0"
                                                           "C");
}

void paintClimateMarker(QPainter &painter, const QPoint &corner, const airConditionerRecord &record, bool floorHeating)
{
    const int size = MarkerView3D::markerSize;
    const bool on = record.status > 0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(on ? QColor(0x1f, 0x29, 0x33) : QColor(0x3d, 0x53, 0x66));
    painter.drawEllipse(QRect(corner.x(), corner.y(), size, size));
    painter.drawImage(QRect(corner.x() + 32, corner.y() + 10, 16, 16),
                      readPicture(on ? tr(":/myImages/png/airConditioner/icon-ac-power-on.png")
                                     : tr(":/myImages/png/airConditioner/icon-ac-power-off.png")));

    const QFont &font = QtMaterialStyle::instance().themeFont(12);
    const QFontMetrics metrics(font);
    const int alignment = Qt::AlignHCenter | Qt::AlignVCenter | Qt::AlignBottom;
    painter.setBrush(Qt::NoBrush);
    painter.setFont(font);
    painter.setPen(QColor(0xab, 0xd2, 0x65));
    painter.drawText(QRect(corner.x(), corner.y() + 29, size, 20), alignment,
                     metrics.elidedText(climateStateText(record, floorHeating), Qt::ElideRight, size));
    painter.setPen(Qt::white);
    painter.drawText(QRect(corner.x(), corner.y() + 49, size, 20), alignment,
                     metrics.elidedText(QString::fromUtf8(record.remark), Qt::ElideRight, size));
}
