#include "panels/lightitem.h"

#include "core/colorconversion.h"
#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/buscommands.h"
#include "devicelink/messagerecords.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "panels/busframe.h"
#include "panels/colorlabel.h"
#include "panels/colorselectdlg.h"
#include "panels/devicelogging.h"
#include "panels/devicerecordloaders.h"
#include "panels/lightsliderctrl.h"

#include <QGridLayout>
#include <QMouseEvent>

namespace {

enum : quint16 {
    ReadDeviceInfoReply = 0xEFFE,
    ReadChannelStatusReply = 0x0034,
    SingleChannelControlReply = 0x0032,
    SceneControlReply = 0x0003,
    ColorControlReply = 0x2035,
    ReadColorStatusReply = 0x2037,
};

constexpr quint8 AckMarker = 0xF8;
// A DALI DT8 light takes its colour temperature on its channel number plus this.
constexpr int ColourTemperatureChannelOffset = 100;

// The swatch of a DALI DT8 light, from cold (value 0, 6500 K) to warm (100, 2700 K).
const QColor dt8Swatches[] = {QColor(255, 255, 255), QColor(255, 250, 208), QColor(254, 239, 96),
                              QColor(245, 190, 24),  QColor(228, 138, 0),   QColor(218, 103, 19)};

int kelvinOf(int colourTemperature)
{
    return 6500 - 38 * colourTemperature;
}

QColor levelsToRgb(const qint32 *levels)
{
    return QColor(levels[0] * 255 / 100, levels[1] * 255 / 100, levels[2] * 255 / 100);
}

} // namespace

LightItem::LightItem(lightRecord lightInfo, bool listenAlways, QWidget *parent)
    : DevicePanelOf<lightRecord>(lightInfo, listenAlways, true, parent), offlineIcon(new QtMaterialLabel(this)),
      offlineText(new QtMaterialLabel(tr("Not online"), this)), remarkLabel(new QtMaterialLabel(this)),
      iconLabel(new QtMaterialLabel(this))
{
    offlineIcon->setObjectName("offlineIcon");
    offlineIcon->setFixedSize(36, 36);
    offlineIcon->setScaledContents(true);
    offlineIcon->setPixmap(picturePixmap(QStringLiteral(":/myImages/png/icon-light-disconnected.png")));
    offlineIcon->hide();
    offlineText->setObjectName("offlineText");
    offlineText->hide();

    remarkLabel->setObjectName("remarkLabel");
    remarkLabel->setText(
        remarkLabel->fontMetrics().elidedText(QString::fromUtf8(record.light_remark), Qt::ElideRight, 200));
    iconLabel->setObjectName("iconLabel");
    iconLabel->setFixedSize(192, 192);
    iconLabel->setScaledContents(true);
    shownPicture = picturePath(record.brightness[0] > 0);
    iconLabel->setPixmap(picturePixmap(shownPicture));

    auto *controlGrid = new QGridLayout;
    controlGrid->setSpacing(20);
    switch (record.light_type) {
    case LightDimmer:
        brightnessSlider = new LightSliderCtrl(false, this);
        controlGrid->addWidget(brightnessSlider, 0, 0);
        controlGrid->setRowStretch(1, 1);
        break;
    case LightRgb:
    case LightHsbRgb:
        colorSwatch = new ColorLabel(this);
        controlGrid->addWidget(colorSwatch, 0, 0);
        controlGrid->setColumnStretch(1, 1);
        controlGrid->setRowStretch(1, 1);
        break;
    case LightScene: {
        auto *reduce = new QtMaterialIconButton(QtMaterialTheme::icon("content", "remove"), this);
        reduce->setObjectName("pushButtonSceneReduce");
        reduce->setColor(Qt::white);
        auto *picture = new QtMaterialLabel(this);
        picture->setFixedSize(20, 20);
        picture->setScaledContents(true);
        picture->setPixmap(picturePixmap(QStringLiteral(":/myImages/png/icon-lighting-brightness.png")));
        auto *add = new QtMaterialIconButton(QtMaterialTheme::icon("content", "add"), this);
        add->setObjectName("pushButtonSceneAdd");
        add->setColor(Qt::white);
        controlGrid->addWidget(reduce, 0, 0);
        controlGrid->addWidget(picture, 0, 1);
        controlGrid->addWidget(add, 0, 2);
        controlGrid->setColumnStretch(3, 1);
        controlGrid->setRowStretch(1, 1);
        connect(reduce, &QtMaterialIconButton::clicked, this, &LightItem::pushButtonSceneReduce_clicked);
        connect(add, &QtMaterialIconButton::clicked, this, &LightItem::pushButtonSceneAdd_clicked);
        break;
    }
    case LightDaliDt8:
        colorSwatch = new ColorLabel(this);
        brightnessSlider = new LightSliderCtrl(false, this);
        temperatureSlider = new LightSliderCtrl(true, this);
        controlGrid->addWidget(colorSwatch, 0, 0, 2, 1);
        controlGrid->addWidget(brightnessSlider, 0, 1);
        controlGrid->addWidget(temperatureSlider, 1, 1);
        controlGrid->setRowStretch(2, 1);
        break;
    default:
        break;
    }
    if (colorSwatch)
        colorSwatch->setObjectName("colorSwatch");
    if (brightnessSlider)
        brightnessSlider->setObjectName("brightnessSlider");
    if (temperatureSlider)
        temperatureSlider->setObjectName("temperatureSlider");

    auto *headerGrid = new QGridLayout;
    headerGrid->setSpacing(20);
    headerGrid->addWidget(offlineIcon, 0, 0);
    headerGrid->addWidget(offlineText, 0, 1);
    headerGrid->setColumnStretch(2, 1);
    headerGrid->setRowStretch(1, 1);

    auto *pictureGrid = new QGridLayout;
    pictureGrid->setSpacing(20);
    pictureGrid->addWidget(remarkLabel, 0, 0);
    pictureGrid->addWidget(iconLabel, 1, 0, Qt::AlignRight);
    pictureGrid->setRowStretch(1, 1);

    auto *panelGrid = new QGridLayout(this);
    panelGrid->setSpacing(20);
    panelGrid->addLayout(headerGrid, 0, 0);
    panelGrid->addLayout(pictureGrid, 1, 0);
    panelGrid->addLayout(controlGrid, 2, 0, Qt::AlignBottom);
    panelGrid->setRowStretch(3, 1);

    installEventFilter(this);
    setFixedSize(500, 320);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsLightStatus, this, &LightItem::slotsLightStatus);
    for (LightSliderCtrl *slider : {brightnessSlider, temperatureSlider}) {
        if (slider)
            connect(slider, &LightSliderCtrl::valueChanged, this, &LightItem::valueChanged);
    }
    for (int row = 0; row < rowCount(); ++row)
        listenTo(record.subnet_id[row], record.device_id[row]);
}

bool LightItem::hasWhiteRow() const
{
    return record.subnet_id[3] > 0 && record.device_id[3] > 0 && record.channel[3] > 0;
}

int LightItem::rowCount() const
{
    if (record.light_type != LightRgb)
        return 1;
    return hasWhiteRow() ? 4 : 3;
}

int LightItem::firstUnmarkedRow(quint8 flags) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (!(flags & (1u << row)))
            return row;
    }
    return -1;
}

bool LightItem::isOn() const
{
    if (record.light_type == LightRgb) {
        for (int row = 0; row < LightRecordRows; ++row) {
            if (record.brightness[row] > 0)
                return true;
        }
        return false;
    }
    return record.brightness[0] > 0;
}

QString LightItem::deviceName() const
{
    return QString::fromUtf8(record.light_remark);
}

void LightItem::showOffline(bool offline)
{
    offlineIcon->setVisible(offline);
    offlineText->setVisible(offline);
}

QString LightItem::picturePath(bool on) const
{
    QString name = QString::fromUtf8(on ? record.icon_name_of_light_on : record.icon_name_of_light_off);
    if (!name.contains(QLatin1String(".png")))
        name += QLatin1String(".png");
    return QStringLiteral(":/myImages/png/light/") + name;
}

void LightItem::sendToRow(int row, quint16 opcode)
{
    if (opcode == 0xEFFD)
        sendReadDeviceInfo(record.subnet_id[row], record.device_id[row]);
    else
        sendReadChannelStatus(record.subnet_id[row], record.device_id[row]);
}

void LightItem::sendPollRequest()
{
    switch (record.light_type) {
    case LightOnOff:
    case LightDimmer:
        sendToRow(0, infoFlags ? 0x0033 : 0xEFFD);
        break;
    case LightRgb: {
        const int infoRow = firstUnmarkedRow(infoFlags);
        const int stepRow = firstUnmarkedRow(stepFlags);
        if (infoRow >= 0)
            sendToRow(infoRow, 0xEFFD);
        else if (stepRow >= 0)
            sendToRow(stepRow, 0x0033);
        break;
    }
    case LightHsbRgb:
        if (infoFlags)
            sendReadColorStatus(record.subnet_id[0], record.device_id[0], record.channel[0]);
        else
            sendToRow(0, 0xEFFD);
        break;
    case LightScene:
        // A scene light is never read: its read ends at once.
        finished = true;
        break;
    case LightDaliDt8:
        if (!infoFlags)
            sendToRow(0, 0xEFFD);
        break;
    default:
        break;
    }
}

void LightItem::sendControlFrame()
{
    const int subnet = record.subnet_id[0];
    const int device = record.device_id[0];
    switch (record.light_type) {
    case LightOnOff:
    case LightDimmer:
        sendSingleChannelControl(subnet, device, record.channel[0], record.brightness[0]);
        break;
    case LightRgb: {
        const int row = firstUnmarkedRow(stepFlags);
        if (row >= 0)
            sendSingleChannelControl(record.subnet_id[row], record.device_id[row], record.channel[row],
                                     record.brightness[row]);
        break;
    }
    case LightHsbRgb:
        sendColorControl(subnet, device, record.channel[0], record.brightness[0], record.brightness[1],
                         record.brightness[2]);
        break;
    case LightScene:
        sendSceneControl(subnet, device, record.channel[0], record.brightness[0] > 0 ? record.us_id : 0);
        break;
    case LightDaliDt8:
        if (stepFlags & 1)
            sendSingleChannelControl(subnet, device, record.channel[0] + ColourTemperatureChannelOffset,
                                     record.brightness[1]);
        else
            sendSingleChannelControl(subnet, device, record.channel[0], record.brightness[0]);
        break;
    default:
        break;
    }
}

bool LightItem::storeBrightness(int value, int row)
{
    return storeLightBrightness(record.room_id, record.light_id, value, row >= 0 ? row + 1 : -1);
}

void LightItem::storeDeviceInfo(int row, const BusFrame &frame)
{
    record.original_type[row] = frame.sourceDeviceType();
    copyRecordText(record.version[row], QString::fromLatin1(frame.deviceInfoText()));
}

void LightItem::storeDeviceInfoRow(int row, bool ofRgbLight)
{
    // Only the light editor reads the stored copy: when it cannot be written (the connection has said why) it
    // stays as it was, and the read of the device goes on.
    if (!storeLightDeviceInfo(record.room_id, record.light_id, record.original_type[row],
                              QString::fromUtf8(record.version[row]), ofRgbLight ? row + 1 : -1))
        return;
}

void LightItem::frameReceived(const BusFrame &frame)
{
    const int type = record.light_type;
    const bool fromRow0 = frame.isFrom(record.subnet_id[0], record.device_id[0]);
    const int channel0 = record.channel[0];

    switch (frame.opcode()) {
    case ReadDeviceInfoReply:
        if (type == LightOnOff || type == LightDimmer || type == LightHsbRgb) {
            if (!fromRow0)
                return;
            storeDeviceInfo(0, frame);
            infoFlags |= 1;
            retries = 0;
            storeDeviceInfoRow(0, false);
            if (!finished && readRuns())
                sendPollRequest();
        } else if (type == LightDaliDt8) {
            if (!fromRow0)
                return;
            // The device information is all a DALI DT8 light reads.
            storeDeviceInfo(0, frame);
            infoFlags |= 1;
            retries = 0;
            finished = true;
            storeDeviceInfoRow(0, false);
        } else if (type == LightRgb) {
            bool matched = false;
            for (int row = 0; row < rowCount(); ++row) {
                if (!frame.isFrom(record.subnet_id[row], record.device_id[row]))
                    continue;
                matched = true;
                storeDeviceInfo(row, frame);
                infoFlags |= quint8(1u << row);
                storeDeviceInfoRow(row, true);
            }
            if (!matched || finished)
                return;
            retries = 0;
            if (!readRuns())
                return;
            const int infoRow = firstUnmarkedRow(infoFlags);
            sendToRow(infoRow >= 0 ? infoRow : 0, infoRow >= 0 ? 0xEFFD : 0x0033);
        }
        break;

    case ReadChannelStatusReply:
        if (type == LightOnOff || type == LightDimmer) {
            if (fromRow0 && channel0 <= frame.byte(25))
                acceptLevel(frame.byte(25 + channel0));
        } else if (type == LightRgb) {
            acceptRgbLevels(
                frame, [&](int row) { return record.channel[row] <= frame.byte(25); },
                [&](int row) { return frame.byte(25 + record.channel[row]); }, false);
        }
        break;

    case SingleChannelControlReply:
        if (frame.byte(26) != AckMarker)
            return;
        if (type == LightOnOff || type == LightDimmer) {
            if (fromRow0 && frame.byte(25) == channel0)
                acceptLevel(frame.byte(27));
        } else if (type == LightRgb) {
            acceptRgbLevels(
                frame, [&](int row) { return frame.byte(25) == record.channel[row]; },
                [&](int) { return frame.byte(27); }, true);
        } else if (type == LightDaliDt8) {
            if (!fromRow0)
                return;
            if (frame.byte(25) == channel0)
                record.brightness[0] = frame.byte(27);
            else if (frame.byte(25) == channel0 + ColourTemperatureChannelOffset)
                record.brightness[1] = frame.byte(27);
            else
                return;
            finishWith(packDt8Brightness(record.brightness[0], record.brightness[1]));
        }
        break;

    case SceneControlReply:
        if (type != LightScene || !fromRow0 || frame.byte(25) != channel0)
            return;
        if (frame.byte(26) != record.us_id && frame.byte(26) != 0)
            return;
        finished = true;
        retries = 0;
        if (storeBrightness(record.brightness[0]))
            writeStatusLog();
        break;

    case ColorControlReply:
    case ReadColorStatusReply:
        if (type != LightHsbRgb || !fromRow0 || frame.byte(25) != AckMarker || frame.byte(26) != channel0)
            return;
        record.brightness[0] = frame.byte(30);
        record.brightness[1] = frame.byte(31);
        record.brightness[2] = frame.byte(32);
        finishWith(packHsbBrightness(record.brightness[0], record.brightness[1], record.brightness[2]));
        break;

    default:
        break;
    }
}

void LightItem::acceptLevel(int level)
{
    record.brightness[0] = level;
    finishWith(level);
}

void LightItem::finishWith(int storedBrightness)
{
    finished = true;
    retries = 0;
    const bool stored = storeBrightness(storedBrightness);
    updateStatus();
    if (stored)
        writeStatusLog();
}

void LightItem::acceptRgbLevels(const BusFrame &frame, const std::function<bool(int row)> &accepts,
                                const std::function<int(int row)> &level, bool control)
{
    bool matched = false;
    bool stored = true;
    for (int row = 0; row < rowCount(); ++row) {
        if (!frame.isFrom(record.subnet_id[row], record.device_id[row]) || !accepts(row))
            continue;
        matched = true;
        record.brightness[row] = level(row);
        stepFlags |= quint8(1u << row);
        stored = storeBrightness(record.brightness[row], row) && stored;
    }
    if (matched)
        rgbCompletion(control, stored);
}

void LightItem::rgbCompletion(bool control, bool stored)
{
    if (allRowsMarked(stepFlags)) {
        finished = true;
        retries = 0;
        if (stored)
            writeStatusLog();
    }
    updateStatus();
    if (finished)
        return;
    retries = 0;
    const int row = firstUnmarkedRow(stepFlags);
    if (control && controlRuns())
        sendSingleChannelControl(record.subnet_id[row], record.device_id[row], record.channel[row],
                                 record.brightness[row]);
    else if (!control && readRuns())
        sendToRow(row, 0x0033);
}

void LightItem::setLightLevel(int level)
{
    switch (record.light_type) {
    case LightDimmer:
    case LightHsbRgb:
    case LightDaliDt8:
        if (level > 0) {
            record.brightness[0] = record.savedBrightness[0] > 0 ? record.savedBrightness[0] : 100;
        } else {
            record.savedBrightness[0] = record.brightness[0];
            record.brightness[0] = 0;
        }
        break;
    case LightRgb: {
        if (level > 0) {
            bool anySaved = false;
            for (int row = 0; row < LightRecordRows; ++row)
                anySaved = anySaved || record.savedBrightness[row] > 0;
            for (int row = 0; row < LightRecordRows; ++row)
                record.brightness[row] = anySaved ? record.savedBrightness[row] : 100;
        } else {
            for (int row = 0; row < LightRecordRows; ++row) {
                record.savedBrightness[row] = record.brightness[row];
                record.brightness[row] = 0;
            }
        }
        break;
    }
    default:
        record.brightness[0] = level;
        break;
    }
    updateStatus();
    restartSetStatus();
}

void LightItem::slotsLightStatus(int brightness)
{
    if (!isVisible())
        return;
    beginControl();
    setLightLevel(brightness);
}

bool LightItem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::MouseButtonPress) {
        const QPoint position = static_cast<QMouseEvent *>(event)->localPos().toPoint();
        const bool colourDialog = record.light_type == LightRgb || record.light_type == LightHsbRgb;
        if (colourDialog && colorSwatch && colorSwatch->geometry().contains(position)) {
            // The dialog works on a copy; the running cycle goes on until the user accepts a colour.
            ColorSelectDlg dialog(record, nullptr);
            if (dialog.exec() == QDialog::Accepted) {
                beginControl();
                record = dialog.lightInfo;
                updateStatus();
                restartSetStatus();
            }
        } else if (isVisible()) {
            beginControl();
            setLightLevel(isOn() ? 0 : 100);
        }
    }
    return DevicePanelOf<lightRecord>::eventFilter(watched, event);
}

void LightItem::valueChanged(int value)
{
    if (!ready)
        return;
    auto *slider = qobject_cast<LightSliderCtrl *>(sender());
    if (!slider)
        return;
    beginControl(slider);
    if (slider == brightnessSlider)
        record.brightness[0] = value;
    else
        record.brightness[1] = value;
    updateStatus();
    stopRefresh();
    if (slider == temperatureSlider)
        stepFlags |= 1;
    startDeferredControl(slider);
}

void LightItem::pushButtonSceneReduce_clicked()
{
    sendLightCommandF03C(record.subnet_id[0], record.device_id[0], record.channel[0], false);
}

void LightItem::pushButtonSceneAdd_clicked()
{
    sendLightCommandF03C(record.subnet_id[0], record.device_id[0], record.channel[0], true);
}

QColor LightItem::swatchColor() const
{
    switch (record.light_type) {
    case LightRgb:
        return levelsToRgb(record.brightness);
    case LightHsbRgb: {
        quint8 r, g, b;
        hsl240ToRgb(record.brightness[1], record.brightness[2], record.brightness[0] * 120.0f / 100.0f, &r, &g, &b);
        return QColor(r, g, b);
    }
    case LightDaliDt8:
        // Values above 100 (a reply may carry up to 255) show the warmest colour.
        return dt8Swatches[qBound(0, record.brightness[1] / 16, 5)];
    default:
        return QColor();
    }
}

void LightItem::updateStatus()
{
    initTimer.stop();
    ready = false;
    // A device repeating its level changes nothing here: the picture is looked up only when it changes.
    const QString picture = picturePath(isOn());
    if (picture != shownPicture) {
        shownPicture = picture;
        iconLabel->setPixmap(picturePixmap(picture));
    }
    update();
    if (brightnessSlider)
        brightnessSlider->setValue(record.brightness[0]);
    if (temperatureSlider)
        temperatureSlider->setValue(record.brightness[1]);
    if (colorSwatch)
        colorSwatch->setColor(swatchColor());
    ready = true;
}

void LightItem::paintEvent(QPaintEvent *event)
{
    paintCard(isOn() ? QColor(31, 41, 51) : QColor(61, 83, 102));
    DevicePanelOf<lightRecord>::paintEvent(event);
}

void LightItem::writeStatusLog()
{
    QString event;
    switch (record.light_type) {
    case LightDimmer:
        event = QString("status is %1")
                    .arg(record.brightness[0] > 0 ? QString::asprintf("%d%%", record.brightness[0]) : QString("off"));
        break;
    case LightRgb:
        // The white row is not logged.
        event = QString::asprintf("status is red=%d,green=%d,blue=%d", record.brightness[0] * 255 / 100,
                                  record.brightness[1] * 255 / 100, record.brightness[2] * 255 / 100);
        break;
    case LightHsbRgb: {
        const QColor c = swatchColor();
        event = QString::asprintf("status is red=%d,green=%d,blue=%d", c.red(), c.green(), c.blue());
        break;
    }
    case LightDaliDt8:
        event = QString::asprintf("status is level %d%%,temperature is %d(kelvin)", record.brightness[0],
                                  kelvinOf(record.brightness[1]));
        break;
    default:
        event = QString("status is %1").arg(record.brightness[0] > 0 ? "on" : "off");
        break;
    }
    logDeviceEvent(QString("light_%1").arg(QString::fromUtf8(record.light_remark)), event, record.room_id, 0);
}
