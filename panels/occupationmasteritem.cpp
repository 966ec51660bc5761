#include "panels/occupationmasteritem.h"

#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/buscommands.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmateriallabel.h"
#include "panels/busframe.h"
#include "panels/devicelogging.h"
#include "panels/devicepanel.h"

#include <QGridLayout>
#include <QPixmap>

#include <cstring>

namespace {

enum : quint16 {
    ReadOccupationReply = 0x012D,
    ReadChannelStatusReply = 0x0034,
    SingleChannelControlReply = 0x0032,
};

constexpr quint8 AckMarker = 0xF8;
constexpr quint8 OccupationBit = 1u << 0;
constexpr quint8 MasterBit = 1u << 1;

bool allZero(quint8 subnet, quint8 device, quint8 channel)
{
    return subnet == 0 && device == 0 && channel == 0;
}

bool allSet(quint8 subnet, quint8 device, quint8 channel)
{
    return subnet != 0 && device != 0 && channel != 0;
}

} // namespace

OccupationMasterItem::OccupationMasterItem(int iconWidth, int iconHeight, QWidget *parent)
    : QWidget(parent), occupationIcon(new QtMaterialLabel(this)),
      occupationText(new QtMaterialLabel(tr("Unknown"), this)), masterIcon(new QtMaterialLabel(this)),
      masterText(new QtMaterialLabel(tr("Unknown"), this))
{
    std::memset(&record, 0, sizeof record);

    occupationIcon->setObjectName("occupationIcon");
    occupationText->setObjectName("occupationText");
    masterIcon->setObjectName("masterIcon");
    masterText->setObjectName("masterText");
    for (QtMaterialLabel *icon : {occupationIcon, masterIcon}) {
        icon->setFixedSize(iconWidth, iconHeight);
        icon->setScaledContents(true);
    }
    occupationIcon->setPixmap(picturePixmap(QStringLiteral(":/myImages/png/occupation_unknown.png")));
    masterIcon->setPixmap(picturePixmap(QStringLiteral(":/myImages/png/master_unknown.png")));

    auto *grid = new QGridLayout(this);
    grid->setSpacing(20);
    grid->addWidget(occupationIcon, 0, 0);
    grid->addWidget(occupationText, 0, 1);
    grid->addWidget(masterIcon, 0, 2);
    grid->addWidget(masterText, 0, 3);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(1, 1);

    connect(masterIcon, &QtMaterialLabel::signalsPressed, this, &OccupationMasterItem::labelMaster_pressed);
    connect(&pollTimer, &QTimer::timeout, this, &OccupationMasterItem::slotsGetStatus);
    connect(&setTimer, &QTimer::timeout, this, &OccupationMasterItem::slotsSetStatus);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsStopRefresh, this, &OccupationMasterItem::stopRefresh);
}

bool OccupationMasterItem::isOccupationConfigured() const
{
    return allSet(record.occupation_subnet_id, record.occupation_device_id, record.occupation_channel);
}

bool OccupationMasterItem::isMasterConfigured() const
{
    return allSet(record.master_subnet_id, record.master_device_id, record.master_channel);
}

void OccupationMasterItem::setDevices(occupationMasterRecord devices)
{
    record = devices;
    occupationIcon->setVisible(isOccupationConfigured());
    occupationText->setVisible(isOccupationConfigured());
    masterIcon->setVisible(isMasterConfigured());
    masterText->setVisible(isMasterConfigured());
    listenToDevices();
    updateIcons();
}

void OccupationMasterItem::listenToDevices()
{
    FrameDispatcher &dispatcher = FrameDispatcher::instance();
    dispatcher.remove(this);
    dispatcher.add(this, record.occupation_subnet_id, record.occupation_device_id);
    dispatcher.add(this, record.master_subnet_id, record.master_device_id);
}

void OccupationMasterItem::restartRefresh()
{
    stopRefresh();
    if (isOccupationConfigured()) {
        if (allZero(record.master_subnet_id, record.master_device_id, record.master_channel))
            stepFlags |= MasterBit;
    } else if (isMasterConfigured()) {
        if (allZero(record.occupation_subnet_id, record.occupation_device_id, record.occupation_channel))
            stepFlags |= OccupationBit;
    } else {
        finished = true;
    }
    reading = true;
    slotsGetStatus();
    pollTimer.start(DevicePanel::tickInterval());
}

void OccupationMasterItem::stopRefresh()
{
    stepFlags = 0;
    finished = false;
    retries = 0;
    reading = false;
    pollTimer.stop();
    setTimer.stop();
}

void OccupationMasterItem::sendMasterRead()
{
    sendReadChannelStatus(record.master_subnet_id, record.master_device_id);
}

void OccupationMasterItem::slotsGetStatus()
{
    if (finished) {
        pollTimer.stop();
        return;
    }
    if (retries > 9) {
        pollTimer.stop();
        if (!(stepFlags & OccupationBit))
            reportLost(OccupationPart);
        else if (!(stepFlags & MasterBit))
            reportLost(MasterPart);
        return;
    }
    if (!(stepFlags & OccupationBit)) {
        if (record.occupation_type == OccupationRelayChannel)
            sendReadChannelStatus(record.occupation_subnet_id, record.occupation_device_id);
        else
            sendReadOccupation(record.occupation_subnet_id, record.occupation_device_id);
    } else if (!(stepFlags & MasterBit)) {
        sendMasterRead();
    }
    ++retries;
}

void OccupationMasterItem::slotsSetStatus()
{
    if (!isMasterConfigured()) {
        finished = true;
        setTimer.stop();
        return;
    }
    if (finished) {
        setTimer.stop();
        return;
    }
    if (retries > 9) {
        setTimer.stop();
        reportLost(MasterPart);
        return;
    }
    sendSingleChannelControl(record.master_subnet_id, record.master_device_id, record.master_channel,
                             record.master_status == OccupationMasterOn ? 100 : 0);
    ++retries;
}

void OccupationMasterItem::reportLost(int part)
{
    bool stored = false;
    if (part == OccupationPart) {
        emit gBroadcastSocket.signalsInformation(QString::asprintf(
            "occupation(%d-%d) lost connection", record.occupation_subnet_id, record.occupation_device_id));
        record.occupation_status = OccupationMasterUnknown;
        stored = storeOccupationStatus(record.occupation_type);
    } else {
        emit gBroadcastSocket.signalsInformation(
            QString::asprintf("master(%d-%d) lost connection", record.master_subnet_id, record.master_device_id));
        record.master_status = OccupationMasterUnknown;
        stored = storeMasterStatus();
    }
    updateIcons();
    if (stored)
        writeStatusLog(part);
}

void OccupationMasterItem::restartSetStatus()
{
    stopRefresh();
    slotsSetStatus();
    setTimer.start(DevicePanel::tickInterval());
}

void OccupationMasterItem::labelMaster_pressed()
{
    // Unknown counts as off, so the first press switches the master on.
    record.master_status = record.master_status == OccupationMasterOn ? OccupationMasterOff : OccupationMasterOn;
    updateIcons();
    restartSetStatus();
}

void OccupationMasterItem::frameReceived(const BusFrame &frame)
{
    const bool fromOccupation = frame.isFrom(record.occupation_subnet_id, record.occupation_device_id);
    const bool fromMaster = frame.isFrom(record.master_subnet_id, record.master_device_id);
    const quint8 occupationChannel = record.occupation_channel;
    const quint8 masterChannel = record.master_channel;

    switch (frame.opcode()) {
    case ReadOccupationReply: {
        const int count = frame.byte(26);
        if (record.occupation_type != OccupationUniversalSwitch || !fromOccupation || frame.byte(25) != AckMarker ||
            count == 0 || occupationChannel > count)
            return;
        // A universal switch reports an occupied room with state 0.
        const bool occupied = frame.byte(26 + count + occupationChannel) == 0;
        record.occupation_status = occupied ? OccupationMasterOn : OccupationMasterOff;
        stepFlags |= OccupationBit;
        finished = finished || (stepFlags & MasterBit);
        retries = 0;
        const bool stored = storeOccupationStatus(OccupationUniversalSwitch);
        updateIcons();
        if (stored)
            writeStatusLog(OccupationPart);
        if (!finished && reading)
            sendMasterRead();
        break;
    }

    case ReadChannelStatusReply: {
        const int count = frame.byte(25);
        bool occupationRead = false;
        if (record.occupation_type == OccupationRelayChannel && fromOccupation && count > 0 &&
            occupationChannel <= count) {
            record.occupation_status = frame.byte(25 + occupationChannel) ? OccupationMasterOn : OccupationMasterOff;
            stepFlags |= OccupationBit;
            finished = finished || (stepFlags & MasterBit);
            retries = 0;
            const bool stored = storeOccupationStatus(OccupationRelayChannel);
            updateIcons();
            if (stored)
                writeStatusLog(OccupationPart);
            occupationRead = true;
        }
        if (fromMaster && count > 0 && masterChannel <= count) {
            record.master_status = frame.byte(25 + masterChannel) ? OccupationMasterOn : OccupationMasterOff;
            stepFlags |= MasterBit;
            finished = finished || (stepFlags & OccupationBit);
            retries = 0;
            const bool stored = storeMasterStatus();
            updateIcons();
            if (stored)
                writeStatusLog(MasterPart);
        }
        // When the master sits on the sensor's device, the same frame has already answered it.
        if (occupationRead && !finished && reading)
            sendMasterRead();
        break;
    }

    case SingleChannelControlReply:
        if (frame.byte(26) != AckMarker)
            return;
        if (record.occupation_type == OccupationRelayChannel && fromOccupation && frame.byte(25) == occupationChannel) {
            record.occupation_status = frame.byte(27) ? OccupationMasterOn : OccupationMasterOff;
            const bool stored = storeOccupationStatus(OccupationRelayChannel);
            updateIcons();
            if (stored)
                writeStatusLog(OccupationPart);
        }
        if (fromMaster && frame.byte(25) == masterChannel) {
            record.master_status = frame.byte(27) ? OccupationMasterOn : OccupationMasterOff;
            finished = true;
            retries = 0;
            const bool stored = storeMasterStatus();
            updateIcons();
            if (stored)
                writeStatusLog(MasterPart);
        }
        break;

    default:
        break;
    }
}

bool OccupationMasterItem::storeOccupationStatus(int type)
{
    return ::storeOccupationStatus(record.occupation_status, record.occupation_subnet_id, record.occupation_device_id,
                                   record.occupation_channel, type);
}

bool OccupationMasterItem::storeMasterStatus()
{
    return ::storeMasterStatus(record.master_status, record.master_subnet_id, record.master_device_id,
                               record.master_channel);
}

void OccupationMasterItem::updateIcons()
{
    if (isOccupationConfigured()) {
        switch (record.occupation_status) {
        case OccupationMasterOff:
            occupationIcon->setPixmap(picturePixmap(QStringLiteral(":/myImages/png/occupation_off.png")));
            occupationText->setText(tr("Unoccupied"));
            break;
        case OccupationMasterOn:
            occupationIcon->setPixmap(picturePixmap(QStringLiteral(":/myImages/png/occupation_on.png")));
            occupationText->setText(tr("Occupied"));
            break;
        default:
            occupationIcon->setPixmap(picturePixmap(QStringLiteral(":/myImages/png/occupation_unknown.png")));
            occupationText->setText(tr("Unknown"));
            break;
        }
    }
    if (isMasterConfigured()) {
        switch (record.master_status) {
        case OccupationMasterOff:
            masterIcon->setPixmap(picturePixmap(QStringLiteral(":/myImages/png/master_off.png")));
            masterText->setText(tr("Off"));
            break;
        case OccupationMasterOn:
            masterIcon->setPixmap(picturePixmap(QStringLiteral(":/myImages/png/master_on.png")));
            masterText->setText(tr("On"));
            break;
        default:
            masterIcon->setPixmap(picturePixmap(QStringLiteral(":/myImages/png/master_unknown.png")));
            masterText->setText(tr("Unknown"));
            break;
        }
    }
}

void OccupationMasterItem::writeStatusLog(int part)
{
    QString event;
    if (part == OccupationPart) {
        switch (record.occupation_status) {
        case OccupationMasterOff:
            event = tr("status is unoccupied");
            break;
        case OccupationMasterOn:
            event = tr("status is occupied");
            break;
        default:
            event = tr("status is unknown");
            break;
        }
        logDeviceEvent(tr("occupation"), event, record.room_id, 0);
        return;
    }
    switch (record.master_status) {
    case OccupationMasterOff:
        event = tr("status is off");
        break;
    case OccupationMasterOn:
        event = tr("status is on");
        break;
    default:
        event = tr("status is unknown");
        break;
    }
    logDeviceEvent(tr("master"), event, record.room_id, 0);
}
