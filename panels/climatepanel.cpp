#include "panels/climatepanel.h"

#include "core/climatestore.h"
#include "devicelink/messagerecords.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmateriallabel.h"
#include "panels/busframe.h"
#include "panels/devicelogging.h"
#include "panels/indoorrange.h"
#include "panels/sliderctrl.h"

#include <QGridLayout>
#include <QPixmap>

namespace {

const char *const powerOnPicture = ":/myImages/png/airConditioner/icon-ac-power-on.png";
const char *const powerOffPicture = ":/myImages/png/airConditioner/icon-ac-power-off.png";

} // namespace

ClimatePanel::ClimatePanel(const airConditionerRecord &initialRecord, bool listenAlways, QWidget *parent)
    : DevicePanelOf<airConditionerRecord>(initialRecord, listenAlways, false, parent),
      remarkLabel(new QtMaterialLabel(this)), powerIcon(new QtMaterialLabel(this)),
      roomTemperatureIcon(new QtMaterialLabel(this)),
      roomTemperatureText(new QtMaterialLabel(tr("Room 0\u00B0C"), this)),
      setPointText(new QtMaterialLabel(tr("0\u00B0C"), 2, this)), setPointSlider(new SliderCtrl(this))
{
    remarkLabel->setObjectName("remarkLabel");
    remarkLabel->setText(remarkLabel->fontMetrics().elidedText(QString::fromUtf8(record.remark), Qt::ElideRight, 200));
    powerIcon->setObjectName("powerIcon");
    powerIcon->setFixedSize(36, 36);
    powerIcon->setScaledContents(true);
    powerIcon->setPixmap(picturePixmap(QString::fromLatin1(powerOffPicture)));
    powerIcon->installEventFilter(this);
    roomTemperatureIcon->setObjectName("roomTemperatureIcon");
    roomTemperatureIcon->setFixedSize(24, 24);
    roomTemperatureIcon->setScaledContents(true);
    roomTemperatureIcon->setPixmap(picturePixmap(QStringLiteral(":/myImages/png/airConditioner/icon-ac-temp.png")));
    roomTemperatureText->setObjectName("roomTemperatureText");
    setPointText->setObjectName("setPointText");
    setPointSlider->setObjectName("setPointSlider");

    auto *roomGrid = new QGridLayout;
    roomGrid->setSpacing(20);
    roomGrid->addWidget(roomTemperatureIcon, 0, 0);
    roomGrid->addWidget(roomTemperatureText, 0, 1);
    roomGrid->setRowStretch(1, 1);

    auto *headerGrid = new QGridLayout;
    headerGrid->setSpacing(20);
    headerGrid->addWidget(remarkLabel, 0, 0);
    headerGrid->addLayout(roomGrid, 0, 1, Qt::AlignCenter);
    headerGrid->addWidget(powerIcon, 0, 2, Qt::AlignRight);
    headerGrid->setRowStretch(1, 1);

    auto *setPointGrid = new QGridLayout;
    setPointGrid->setSpacing(20);
    setPointGrid->addWidget(setPointText, 0, 0, Qt::AlignCenter);
    setPointGrid->addWidget(setPointSlider, 1, 0);
    setPointGrid->setRowStretch(2, 1);

    panelGrid = new QGridLayout(this);
    panelGrid->setSpacing(20);
    panelGrid->addLayout(headerGrid, 0, 0);
    panelGrid->addLayout(setPointGrid, 1, 0);
    panelGrid->setRowStretch(1, 1);

    setFixedSize(500, 320);
    listenTo(record.subnet_id, record.device_id);
}

QString ClimatePanel::deviceName() const
{
    return QString::fromUtf8(record.remark);
}

void ClimatePanel::paintEvent(QPaintEvent *event)
{
    paintCard(QColor(61, 83, 102));
    DevicePanelOf<airConditionerRecord>::paintEvent(event);
}

bool ClimatePanel::storeDeviceInfo(const BusFrame &frame)
{
    record.original_type = frame.sourceDeviceType();
    copyRecordText(record.version, QString::fromLatin1(frame.deviceInfoText()));
    return storeClimateDeviceInfo(record.room_id, record.air_conditioner_no, record.original_type,
                                  QString::fromUtf8(record.version));
}

QString ClimatePanel::repaintHeader()
{
    initTimer.stop();
    ready = false;
    const QString unit = temperatureUnitText(record.temperature_unit);
    roomTemperatureText->setText(tr("Room %1%2").arg(record.room_temperature).arg(unit));
    const bool showRoomTemperature = record.room_temperature_type <= 0;
    roomTemperatureIcon->setVisible(showRoomTemperature);
    roomTemperatureText->setVisible(showRoomTemperature);
    powerIcon->setPixmap(picturePixmap(QString::fromLatin1(record.status > 0 ? powerOnPicture : powerOffPicture)));
    return unit;
}

void ClimatePanel::logState(const char *prefix,
                            const std::function<int(QString &event, const QString &unit)> &describeOn)
{
    const QString unit = temperatureUnitText(record.temperature_unit);
    const QString key = QLatin1String(prefix) + '_' + QString::fromUtf8(record.remark);
    QString event = QStringLiteral("room temperature is %1%2").arg(record.room_temperature).arg(unit);
    if (record.status <= 0) {
        logDeviceEvent(key, event + QStringLiteral(",status is off"), record.room_id, 0);
        return;
    }
    const int logType = describeOn(event, unit);
    logDeviceEvent(key, event, record.room_id, logType);
}
