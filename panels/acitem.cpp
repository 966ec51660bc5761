#include "panels/acitem.h"

#include "core/climatestore.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/buscommands.h"
#include "devicelink/messagerecords.h"
#include "materialwidgets/qtmateriallabel.h"
#include "panels/busframe.h"
#include "panels/indoorrange.h"
#include "panels/modespeeditem.h"
#include "panels/sliderctrl.h"

#include <QEvent>
#include <QGridLayout>
#include <QThread>

#include <cstdio>

namespace {

enum : quint16 {
    ReadDeviceInfoReply = 0xEFFE,
    TemperatureUnitReply = 0xE121,
    SupportedModesReply = 0xE125,
    SetPointLimitsReply = 0x1901,
    StatusReply = 0xE0ED,
    ControlReply = 0xE0EF,
    RoomTemperatureReply = 0xE3E8,
};

constexpr quint8 ChannelMarker = 0xF8;

// "%d-%d-%d" of a limit text: the cool, heat and auto limits; numbers that cannot be read are 0.
void readLimits(const char *text, int limits[3])
{
    limits[0] = limits[1] = limits[2] = 0;
    std::sscanf(text, "%d-%d-%d", &limits[0], &limits[1], &limits[2]);
}

} // namespace

ACItem::ACItem(airConditionerRecord acInfo, bool listenAlways, QWidget *parent)
    : ClimatePanel(acInfo, listenAlways, parent), modeTile(new ModeSpeedItem(0, acInfo.mode, QString(), this)),
      speedTile(new ModeSpeedItem(1, acInfo.speed, QString(), this))
{
    modeTile->setObjectName("modeTile");
    speedTile->setObjectName("speedTile");
    auto *tileGrid = new QGridLayout;
    tileGrid->setSpacing(20);
    tileGrid->addWidget(modeTile, 0, 0);
    tileGrid->addWidget(speedTile, 0, 1, Qt::AlignRight);
    tileGrid->setRowStretch(1, 1);
    panelGrid->addLayout(tileGrid, 2, 0, Qt::AlignBottom);

    connect(setPointSlider, &SliderCtrl::valueChanged, this, &ACItem::valueChanged);
    connect(modeTile, &ModeSpeedItem::signalsEdit, this, &ACItem::slotsEdit);
    connect(speedTile, &ModeSpeedItem::signalsEdit, this, &ACItem::slotsEdit);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsACStatus, this, &ACItem::slotsACStatus);
}

// ---- Reading ---------------------------------------------------------------------------------------------------

void ACItem::sendRequest(Request request)
{
    const int subnet = record.subnet_id;
    const int device = record.device_id;
    const int channelIndex = record.channel - 1;
    switch (request) {
    case Request::DeviceInfo:
        sendReadDeviceInfo(subnet, device);
        break;
    case Request::TemperatureUnit:
        sendAcQueryE120(subnet, device);
        break;
    case Request::SupportedModes:
        if (usesChannelForm())
            sendAcQueryE124(subnet, device, channelIndex);
        else
            sendAcQueryE124NoChannel(subnet, device);
        break;
    case Request::SetPointLimits:
        if (usesChannelForm())
            sendAcQuery1900(subnet, device, channelIndex);
        else
            sendAcQuery1900NoChannel(subnet, device);
        break;
    case Request::Status:
        if (usesChannelForm())
            sendAcQueryE0EC(subnet, device, channelIndex);
        else
            sendAcQueryE0ECNoChannel(subnet, device);
        break;
    case Request::RoomTemperature:
        sendAcQueryE3E7(subnet, device);
        break;
    }
}

void ACItem::sendPollRequest()
{
    // Units of other types have nothing to read; their ticks still count towards the lost connection.
    if (!isTwoWay() && !isInfrared())
        return;
    if (!(infoFlags & 1))
        sendRequest(Request::DeviceInfo);
    else if (!(stepFlags & 1))
        sendRequest(Request::TemperatureUnit);
    else if (isInfrared())
        sendRequest(Request::RoomTemperature);
    else if (!(stepFlags & 2))
        sendRequest(Request::SupportedModes);
    else if (!(stepFlags & 4))
        sendRequest(Request::SetPointLimits);
    else
        sendRequest(Request::Status);
}

void ACItem::continueRead(Request next)
{
    if (!finished && readRuns())
        sendRequest(next);
}

bool ACItem::hasChannelMarker(const BusFrame &frame) const
{
    return frame.byte(25) == ChannelMarker && frame.byte(26) == record.channel - 1;
}

bool ACItem::acceptsForm(const BusFrame &frame, qint64 channelLength, qint64 shortLength) const
{
    if (!isTwoWay())
        return false;
    if (usesChannelForm())
        return hasChannelMarker(frame) && frame.length() == channelLength;
    return record.channel == 1 && frame.length() == shortLength;
}

void ACItem::frameReceived(const BusFrame &frame)
{
    switch (frame.opcode()) {
    case ReadDeviceInfoReply:
        if (!storeDeviceInfo(frame))
            return;
        infoFlags |= 1;
        retries = 0;
        if (isTwoWay() || isInfrared())
            continueRead(Request::TemperatureUnit);
        break;

    case TemperatureUnitReply:
        record.temperature_unit = frame.byte(25);
        if (!storeColumn(ClimateColumn::TemperatureUnit, record.temperature_unit))
            return;
        stepFlags |= 1;
        retries = 0;
        if (isTwoWay())
            continueRead(Request::SupportedModes);
        else if (isInfrared())
            continueRead(Request::RoomTemperature);
        break;

    case SupportedModesReply:
        if (!acceptsForm(frame, 39, 38))
            return;
        acceptSupportedModes(frame);
        stepFlags |= 2;
        retries = 0;
        continueRead(Request::SetPointLimits);
        break;

    case SetPointLimitsReply:
        if (!acceptsForm(frame, 37, 36))
            return;
        acceptLimits(frame);
        if (!storeClimateLimits(record.room_id, record.air_conditioner_no, QString::fromUtf8(record.low_limit),
                                QString::fromUtf8(record.high_limit)))
            return;
        stepFlags |= 4;
        retries = 0;
        continueRead(Request::Status);
        break;

    case StatusReply:
        // A unit on channel 1 may answer in either form.
        if (!isTwoWay() || record.channel < 1)
            return;
        if (hasChannelMarker(frame) && frame.length() == 39)
            acceptStatus(frame, {27, 28, 29, 31, 32, 34, 35});
        else if (record.channel == 1 && frame.length() == 37)
            acceptStatus(frame, {25, 26, 27, 29, 30, 32, 33});
        break;

    case ControlReply:
        if (!isTwoWay())
            return;
        if (usesChannelForm() && hasChannelMarker(frame) && frame.length() == 39)
            acceptStatus(frame, {27, 28, 29, 31, 32, 34, 35});
        else if (record.channel == 1 && frame.byte(25) == ChannelMarker && frame.length() == 38)
            acceptStatus(frame, {26, 27, 28, 30, 31, 33, 34});
        break;

    case RoomTemperatureReply: {
        if (!isInfrared() || frame.byte(25) != 0)
            return;
        const int celsius = qint8(frame.byte(26));
        record.room_temperature = record.temperature_unit > 0 ? celsiusToFahrenheit(celsius) : celsius;
        if (!storeColumn(ClimateColumn::RoomTemperature, record.room_temperature))
            return;
        finished = true;
        retries = 0;
        updateStatus();
        break;
    }

    default:
        break;
    }
}

void ACItem::acceptSupportedModes(const BusFrame &frame)
{
    if (usesChannelForm()) {
        for (int mode = 0; mode < 4; ++mode)
            record.modeSupported[mode] = frame.byte(27 + mode);
        for (int speed = 0; speed < 5; ++speed)
            record.speedSupported[speed] = frame.byte(31 + speed);
        return;
    }
    // Short form: a count and up to four mode codes from byte 25, a count and up to five fan-speed codes from byte
    // 30. A count larger than its field is read only as far as the field goes.
    const int modeCount = qMin<int>(frame.byte(25), 4);
    for (int i = 0; i < modeCount; ++i) {
        const int code = frame.byte(26 + i);
        if (code <= 3)
            record.modeSupported[code] = 1;
    }
    const int speedCount = qMin<int>(frame.byte(30), 5);
    for (int i = 0; i < speedCount; ++i) {
        const int code = frame.byte(31 + i);
        if (code <= 4)
            record.speedSupported[code] = 1;
    }
}

void ACItem::acceptLimits(const BusFrame &frame)
{
    const int first = usesChannelForm() ? 27 : 25;
    copyRecordText(record.low_limit,
                   QString::asprintf("%d-%d-%d", frame.byte(first), frame.byte(first + 2), frame.byte(first + 4)));
    copyRecordText(record.high_limit,
                   QString::asprintf("%d-%d-%d", frame.byte(first + 1), frame.byte(first + 3), frame.byte(first + 5)));
}

void ACItem::acceptStatus(const BusFrame &frame, const StatusOffsets &at)
{
    record.status = frame.byte(at.status);
    record.current_cool_temperature = frame.byte(at.cool);
    record.mode = frame.byte(at.modeSpeed) >> 4;
    record.speed = frame.byte(at.modeSpeed) & 0x0F;
    record.room_temperature = frame.byte(at.room);
    record.current_heat_temperature = frame.byte(at.heat);
    record.current_auto_temperature = frame.byte(at.autoMode);
    record.current_dry_temperature = frame.byte(at.dry);
    AirConditionerState state;
    state.status = record.status;
    state.coolSetPoint = record.current_cool_temperature;
    state.mode = record.mode;
    state.speed = record.speed;
    state.roomTemperature = record.room_temperature;
    state.heatSetPoint = record.current_heat_temperature;
    state.autoSetPoint = record.current_auto_temperature;
    state.drySetPoint = record.current_dry_temperature;
    if (!storeAirConditionerState(record.room_id, record.air_conditioner_no, state))
        return;
    finished = true;
    retries = 0;
    updateStatus();
    writeStatusLog();
}

// ---- Controls --------------------------------------------------------------------------------------------------

void ACItem::sendControlFrame()
{
    // Infra-red units send their keys at once and other types are not controlled: their ticks only count.
    if (!isTwoWay())
        return;
    if (usesChannelForm())
        sendAcControl(record.subnet_id, record.device_id, record.channel - 1, record);
    else
        sendAcControlNoChannel(record.subnet_id, record.device_id, record);
}

int &ACItem::setPoint()
{
    switch (record.mode) {
    case ModeHeat:
        return record.current_heat_temperature;
    case ModeAuto:
        return record.current_auto_temperature;
    default:
        return record.current_cool_temperature;
    }
}

int ACItem::setPointOfMode(int mode) const
{
    switch (mode) {
    case ModeHeat:
        return record.current_heat_temperature;
    case ModeAuto:
        return record.current_auto_temperature;
    default:
        return record.current_cool_temperature;
    }
}

bool ACItem::modeHasSetPoint() const
{
    return record.mode == ModeCool || record.mode == ModeHeat || record.mode == ModeAuto;
}

void ACItem::keyGap()
{
    // The emitter takes one key at a time; the sequence is short enough (at most 150 ms) to be sent in one go.
    QThread::msleep(InfraredKeyGap);
}

bool ACItem::storeColumn(ClimateColumn column, int value)
{
    return storeClimateValue(record.room_id, record.air_conditioner_no, column, value);
}

void ACItem::infraredPowerSequence()
{
    const int subnet = record.subnet_id;
    const int device = record.device_id;
    sendIrAcPower(subnet, device, unitIndex(), record.status);
    if (record.status != 0) {
        keyGap();
        sendIrAcMode(subnet, device, unitIndex(), record.mode);
        if (modeHasSetPoint()) {
            keyGap();
            sendIrAcFanSpeed(subnet, device, unitIndex(), record.mode, record.speed);
            keyGap();
            sendIrAcTemperature(subnet, device, unitIndex(), record.mode, setPointOfMode(record.mode));
        }
    }
    if (storeColumn(ClimateColumn::Status, record.status))
        writeStatusLog();
}

// A two-way unit's control frame carries the whole record, so a control that follows a waiting slider frame
// already carries the new set point: the controls below take their own path without sending the waiting frame.

bool ACItem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == powerIcon && event->type() == QEvent::MouseButtonPress)
        slotsACStatus(record.status == 0 ? 1 : 0);
    return ClimatePanel::eventFilter(watched, event);
}

void ACItem::slotsACStatus(int status)
{
    if (!isVisible())
        return;
    record.status = status;
    updateStatus();
    if (isInfrared())
        infraredPowerSequence();
    else
        restartSetStatus();
}

void ACItem::valueChanged(int value)
{
    if (!ready || sender() != setPointSlider || record.mode == ModeFan)
        return;
    setPoint() = value;
    updateStatus();
    if (!isInfrared()) {
        stopRefresh();
        startDeferredControl(setPointSlider);
        return;
    }
    bool stored = true;
    switch (record.mode) {
    case ModeCool:
        sendIrAcTemperature(record.subnet_id, record.device_id, unitIndex(), record.mode, value);
        stored = storeColumn(ClimateColumn::CoolSetPoint, value);
        break;
    case ModeHeat:
        sendIrAcTemperature(record.subnet_id, record.device_id, unitIndex(), record.mode, value);
        stored = storeColumn(ClimateColumn::HeatSetPoint, value);
        break;
    case ModeAuto:
        sendIrAcTemperature(record.subnet_id, record.device_id, unitIndex(), record.mode, value);
        stored = storeColumn(ClimateColumn::AutoSetPoint, value);
        break;
    default:
        break;
    }
    if (stored)
        writeStatusLog();
}

void ACItem::slotsEdit(int value)
{
    auto *tile = qobject_cast<ModeSpeedItem *>(sender());
    if (!tile || (tile != modeTile && tile != speedTile))
        return;
    const bool ofMode = tile == modeTile;
    ModeSpeedSelectDlg dialog(nullptr);
    dialog.kind = ofMode ? 0 : 1;
    dialog.initItems();
    if (dialog.exec() != QDialog::Accepted || dialog.selectedValue == value)
        return;
    if (ofMode)
        record.mode = dialog.selectedValue;
    else
        record.speed = dialog.selectedValue;
    updateStatus();
    if (!isInfrared()) {
        restartSetStatus();
        return;
    }
    const int subnet = record.subnet_id;
    const int device = record.device_id;
    bool stored = false;
    if (ofMode) {
        sendIrAcMode(subnet, device, unitIndex(), record.mode);
        if (modeHasSetPoint()) {
            keyGap();
            sendIrAcTemperature(subnet, device, unitIndex(), record.mode, setPointOfMode(record.mode));
        }
        stored = storeColumn(ClimateColumn::Mode, record.mode);
    } else {
        sendIrAcFanSpeed(subnet, device, unitIndex(), record.mode, record.speed);
        stored = storeColumn(ClimateColumn::Speed, record.speed);
    }
    if (stored)
        writeStatusLog();
}

// ---- Showing and logging ---------------------------------------------------------------------------------------

void ACItem::updateStatus()
{
    const QString unit = repaintHeader();
    const bool on = record.status > 0;
    if (on) {
        int low[3];
        int high[3];
        readLimits(record.low_limit, low);
        readLimits(record.high_limit, high);
        // Index of the mode's limits: cool, heat, auto.
        int limit = 0;
        switch (record.mode) {
        case ModeFan:
            limit = -1;
            modeTile->setValue(ModeFan);
            break;
        case ModeAuto:
            limit = 2;
            modeTile->setValue(ModeAuto);
            break;
        case ModeHeat:
            limit = 1;
            modeTile->setValue(ModeHeat);
            break;
        default:
            modeTile->setValue(ModeCool);
            break;
        }
        if (limit < 0) {
            setPointText->setText(tr("FAN"));
        } else {
            setPointSlider->setRange(low[limit], high[limit]);
            setPointSlider->setValue(setPoint());
            setPointText->setText(QStringLiteral("%1%2").arg(setPoint()).arg(unit));
        }
    } else {
        setPointText->setText(tr("OFF"));
    }

    setPointSlider->setVisible(on && record.mode != ModeFan);
    modeTile->setVisible(on);
    const bool knownSpeed = record.speed >= FanSpeedHigh && record.speed <= FanSpeedLow;
    speedTile->setValue(knownSpeed ? record.speed : FanSpeedAuto);
    speedTile->setVisible(on);
    ready = true;
}

void ACItem::writeStatusLog()
{
    logState("ac", [this](QString &event, const QString &unit) {
        int logType = 0;
        if (record.mode == ModeFan) {
            event += QStringLiteral(",fan mode");
        } else {
            const char *modeText = record.mode == ModeHeat ? "heat" : record.mode == ModeAuto ? "auto" : "cool";
            event += QStringLiteral(",%1 mode,setting temperature is %2%3")
                         .arg(QLatin1String(modeText))
                         .arg(setPoint())
                         .arg(unit);
            logType = IndoorRange::ofCurrentProject().appendAlert(event, setPoint(), unit);
        }
        switch (record.speed) {
        case FanSpeedHigh:
            event += tr(",high speed");
            break;
        case FanSpeedMedium:
            event += tr(",medium speed");
            break;
        case FanSpeedLow:
            event += tr(",low speed");
            break;
        default:
            event += tr(",auto speed");
            break;
        }
        return logType;
    });
}
