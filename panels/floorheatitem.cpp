#include "panels/floorheatitem.h"

#include "core/climatestore.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/buscommands.h"
#include "devicelink/messagerecords.h"
#include "materialwidgets/qtmateriallabel.h"
#include "panels/busframe.h"
#include "panels/indoorrange.h"
#include "panels/sliderctrl.h"

#include <QEvent>

#include <cstdio>

namespace {

enum : quint16 {
    ReadDeviceInfoReply = 0xEFFE,
    LimitsReply = 0xA13F,
    StatusReply = 0x1945,
    ControlReply = 0xE3D9,
};

constexpr quint8 ChannelMarker = 0xF8;
constexpr quint8 SecondChannelFunction = 0x23;
constexpr quint8 PowerFunction = 0x14;
constexpr quint8 SetPointFunction = 0x18;

// "%d" of a limit text; 0 when it cannot be read.
int readLimit(const char *text)
{
    int limit = 0;
    std::sscanf(text, "%d", &limit);
    return limit;
}

} // namespace

FloorHeatItem::FloorHeatItem(airConditionerRecord floorHeatInfo, bool listenAlways, QWidget *parent)
    : ClimatePanel(floorHeatInfo, listenAlways, parent)
{
    connect(setPointSlider, &SliderCtrl::valueChanged, this, &FloorHeatItem::valueChanged);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsACStatus, this, &FloorHeatItem::slotsACStatus);
}

// ---- Reading ---------------------------------------------------------------------------------------------------

void FloorHeatItem::sendRequest(Request request)
{
    switch (request) {
    case Request::DeviceInfo:
        sendReadDeviceInfo(record.subnet_id, record.device_id);
        break;
    case Request::Limits:
        sendFloorHeatQueryA13E(record.subnet_id, record.device_id, channelIndex());
        break;
    case Request::Status:
        sendFloorHeatQuery1944(record.subnet_id, record.device_id, channelIndex());
        break;
    }
}

void FloorHeatItem::sendPollRequest()
{
    if (!(infoFlags & 1))
        sendRequest(Request::DeviceInfo);
    else if (!(stepFlags & 1))
        sendRequest(Request::Limits);
    else
        sendRequest(Request::Status);
}

void FloorHeatItem::continueRead(Request next)
{
    if (!finished && readRuns())
        sendRequest(next);
}

void FloorHeatItem::frameReceived(const BusFrame &frame)
{
    const int channel = record.channel;
    switch (frame.opcode()) {
    case ReadDeviceInfoReply:
        if (!storeDeviceInfo(frame))
            return;
        infoFlags |= 1;
        retries = 0;
        continueRead(Request::Limits);
        break;

    case LimitsReply: {
        // The channel byte comes before the marker here, the reverse of the air conditioners.
        int first = 0;
        if (channel >= 2 && frame.byte(25) == channel - 1 && frame.byte(26) == ChannelMarker && frame.length() == 33)
            first = 27;
        else if (channel == 1 && frame.byte(25) == ChannelMarker && frame.length() == 32)
            first = 26;
        else
            return;
        copyRecordText(record.low_limit, QString::number(frame.byte(first)));
        copyRecordText(record.high_limit, QString::number(frame.byte(first + 1)));
        if (!storeClimateLimits(record.room_id, record.air_conditioner_no, QString::fromUtf8(record.low_limit),
                                QString::fromUtf8(record.high_limit)))
            return;
        stepFlags |= 1;
        retries = 0;
        continueRead(Request::Status);
        break;
    }

    case StatusReply:
        // A zone on channel 1 may answer in either form.
        if (channel < 1)
            return;
        if (frame.byte(25) == channel - 1 && frame.length() == 36)
            acceptStatus(frame, 26);
        else if (channel == 1 && frame.length() == 35)
            acceptStatus(frame, 25);
        break;

    case ControlReply:
        if (channel >= 2 && frame.byte(25) == SecondChannelFunction && frame.length() == 30)
            acceptAcknowledgement(frame.byte(26), frame.byte(27));
        else if (channel == 1 && frame.length() == 29)
            acceptAcknowledgement(frame.byte(25), frame.byte(26));
        break;

    default:
        break;
    }
}

void FloorHeatItem::acceptStatus(const BusFrame &frame, int first)
{
    record.temperature_unit = frame.byte(first);
    record.room_temperature = frame.byte(first + 1);
    record.status = frame.byte(first + 2);
    // Mode m (1 to 4) selects the m-th of the four set points that follow; the mode itself is not kept.
    const int mode = frame.byte(first + 3);
    if (mode >= 1 && mode <= 4)
        record.current_temperature = frame.byte(first + 3 + mode);
    if (storeFloorHeatingState(record.room_id, record.air_conditioner_no, record.temperature_unit,
                               record.room_temperature, record.status, record.current_temperature))
        finish();
}

void FloorHeatItem::acceptAcknowledgement(int function, int value)
{
    bool stored = false;
    if (function == PowerFunction) {
        record.status = value;
        stored = storeClimateValue(record.room_id, record.air_conditioner_no, ClimateColumn::Status, record.status);
    } else if (function == SetPointFunction) {
        record.current_temperature = value;
        stored = storeClimateValue(record.room_id, record.air_conditioner_no, ClimateColumn::SetPoint,
                                   record.current_temperature);
    } else {
        return;
    }
    if (stored)
        finish();
}

void FloorHeatItem::finish()
{
    finished = true;
    retries = 0;
    updateStatus();
    writeStatusLog();
}

// ---- Controls --------------------------------------------------------------------------------------------------

void FloorHeatItem::sendControlFrame()
{
    // stepFlags bit 0 marks a set point to send; the power state otherwise.
    if (stepFlags & 1)
        sendFloorHeatControl18(record.subnet_id, record.device_id, channelIndex(), record.current_temperature);
    else
        sendFloorHeatControl14(record.subnet_id, record.device_id, channelIndex(), record.status);
}

bool FloorHeatItem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == powerIcon && event->type() == QEvent::MouseButtonPress && isVisible()) {
        // A set point still waiting for its first send goes out first, then the power frame.
        beginControl();
        record.status = record.status == 0 ? 1 : 0;
        updateStatus();
        restartSetStatus();
    }
    return ClimatePanel::eventFilter(watched, event);
}

void FloorHeatItem::slotsACStatus(int status)
{
    if (!isVisible())
        return;
    beginControl();
    record.status = status;
    updateStatus();
    restartSetStatus();
}

void FloorHeatItem::valueChanged(int value)
{
    if (!ready || sender() != setPointSlider)
        return;
    beginControl(setPointSlider);
    record.current_temperature = value;
    updateStatus();
    stopRefresh();
    stepFlags |= 1;
    startDeferredControl(setPointSlider);
}

// ---- Showing and logging ---------------------------------------------------------------------------------------

void FloorHeatItem::updateStatus()
{
    const QString unit = repaintHeader();
    const bool on = record.status > 0;
    if (on) {
        setPointSlider->setRange(readLimit(record.low_limit), readLimit(record.high_limit));
        setPointSlider->setValue(record.current_temperature);
        setPointText->setText(QStringLiteral("%1%2").arg(record.current_temperature).arg(unit));
    } else {
        setPointText->setText(tr("OFF"));
    }
    setPointSlider->setVisible(on);
    ready = true;
}

void FloorHeatItem::writeStatusLog()
{
    logState("fh", [this](QString &event, const QString &unit) {
        event += QStringLiteral(",setting temperature is %1%2").arg(record.current_temperature).arg(unit);
        return IndoorRange::ofCurrentProject().appendAlert(event, record.current_temperature, unit);
    });
}
