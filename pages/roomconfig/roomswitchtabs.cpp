#include "pages/roomconfig/roomswitchtabs.h"

#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialradiobutton.h"
#include "pages/roomconfig/formgrid.h"
#include "shell/pageids.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QSqlQuery>

namespace {

void addAddressRow(QGridLayout *grid, int labelRow, QtMaterialLineEdit *subnet, QtMaterialLineEdit *device,
                   QtMaterialLineEdit *channel)
{
    grid->addWidget(new QtMaterialLabel(QCoreApplication::translate("RoomSwitchTabs", "Subnet ID"), nullptr), labelRow,
                    0);
    grid->addWidget(new QtMaterialLabel(QCoreApplication::translate("RoomSwitchTabs", "Device ID"), nullptr), labelRow,
                    1);
    grid->addWidget(new QtMaterialLabel(QCoreApplication::translate("RoomSwitchTabs", "Channel NO"), nullptr), labelRow,
                    2);
    grid->addWidget(subnet, labelRow + 1, 0);
    grid->addWidget(device, labelRow + 1, 1);
    grid->addWidget(channel, labelRow + 1, 2);
}

// The editors store on leaving the room editor: a failed store leaves the stored switch as it was and says so.
void tellSaveFailed(bool saved)
{
    if (!saved)
        emit gBroadcastSocket.signalsInformation(QCoreApplication::translate("RoomSwitchTabs", "Save failed!"));
}

} // namespace

PageSettingRoomManagerMaster::PageSettingRoomManagerMaster(QWidget *parent) : MyDialog(parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerMaster");
    lineEditSubnet = cappedAddressField("lineEditSubnet");
    lineEditDevice = cappedAddressField("lineEditDevice");
    lineEditChannel = cappedAddressField("lineEditChannel");
    QGridLayout *grid = formGrid();
    addAddressRow(grid, 0, lineEditSubnet, lineEditDevice, lineEditChannel);
    grid->setRowStretch(2, 1);
    setLayout(grid);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageLeave, this, &PageSettingRoomManagerMaster::slotsPageLeave);
}

void PageSettingRoomManagerMaster::loadMaster(int room)
{
    roomId = room;
    lineEditSubnet->clear();
    lineEditDevice->clear();
    lineEditChannel->clear();
    if (const std::optional<StoredSwitch> master = readRoomMaster(roomId)) {
        lineEditSubnet->setText(QString::asprintf("%d", master->subnet));
        lineEditDevice->setText(QString::asprintf("%d", master->device));
        lineEditChannel->setText(QString::asprintf("%d", master->channel));
    }
}

void PageSettingRoomManagerMaster::slotsPageLeave(QString id)
{
    if (id != trPageId(PageId::EditRoom) || roomId <= 0)
        return;
    const int subnet = fieldNumber(lineEditSubnet);
    const int device = fieldNumber(lineEditDevice);
    const int channel = fieldNumber(lineEditChannel);
    tellSaveFailed(subnet > 0 && device > 0 && channel > 0 ? saveRoomMaster(roomId, subnet, device, channel)
                                                           : removeRoomMaster(roomId));
    roomId = 0;
}

PageSettingRoomManagerOccupation::PageSettingRoomManagerOccupation(QWidget *parent) : MyDialog(parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerOccupation");
    radioButtonUniversal = new QtMaterialRadioButton(tr("Universal Switch"), nullptr);
    radioButtonUniversal->setObjectName("radioButtonUniversal");
    radioButtonRelay = new QtMaterialRadioButton(tr("Relay Channel"), nullptr);
    radioButtonRelay->setObjectName("radioButtonRelay");
    group = new QButtonGroup(this);
    group->setExclusive(true);
    group->addButton(radioButtonUniversal, 0);
    group->addButton(radioButtonRelay, 1);
    radioButtonUniversal->setChecked(true);
    lineEditSubnet = cappedAddressField("lineEditSubnet");
    lineEditDevice = cappedAddressField("lineEditDevice");
    lineEditChannel = cappedAddressField("lineEditChannel");
    lineEditChannel->setText("5");
    labelHint = new QtMaterialLabel(
        tr("The default channel no is 5.If you change the channel value,please confirm again."), nullptr);
    labelHint->setObjectName("labelHint");
    labelHint->setStyleSheet("color:red;");

    auto *radios = new QGridLayout;
    radios->addWidget(radioButtonUniversal, 0, 0);
    radios->addWidget(radioButtonRelay, 0, 1);
    radios->setRowStretch(1, 1);
    QGridLayout *grid = formGrid();
    grid->addLayout(radios, 0, 0, 1, 3);
    addAddressRow(grid, 1, lineEditSubnet, lineEditDevice, lineEditChannel);
    grid->addWidget(labelHint, 3, 0, 1, 3);
    grid->setRowStretch(4, 1);
    setLayout(grid);

    connect(radioButtonUniversal, &QAbstractButton::clicked, this,
            &PageSettingRoomManagerOccupation::radioButtonOccupationType_clicked);
    connect(radioButtonRelay, &QAbstractButton::clicked, this,
            &PageSettingRoomManagerOccupation::radioButtonOccupationType_clicked);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageLeave, this,
            &PageSettingRoomManagerOccupation::slotsPageLeave);
}

void PageSettingRoomManagerOccupation::loadOccupation(int room)
{
    roomId = room;
    radioButtonUniversal->setChecked(true);
    lineEditSubnet->clear();
    lineEditDevice->clear();
    lineEditChannel->setText("5");
    if (const std::optional<StoredSwitch> occupation = readRoomOccupation(roomId)) {
        const int type = occupation->type;
        if (type == 1)
            radioButtonRelay->setChecked(true);
        else
            radioButtonUniversal->setChecked(type == 0);
        lineEditSubnet->setText(QString::asprintf("%d", occupation->subnet));
        lineEditDevice->setText(QString::asprintf("%d", occupation->device));
        lineEditChannel->setText(QString::asprintf("%d", occupation->channel));
    }
    radioButtonOccupationType_clicked();
}

void PageSettingRoomManagerOccupation::radioButtonOccupationType_clicked()
{
    labelHint->setVisible(radioButtonUniversal->isChecked());
}

void PageSettingRoomManagerOccupation::slotsPageLeave(QString id)
{
    if (id != trPageId(PageId::EditRoom) || roomId <= 0)
        return;
    const int subnet = fieldNumber(lineEditSubnet);
    const int device = fieldNumber(lineEditDevice);
    const int channel = fieldNumber(lineEditChannel);
    tellSaveFailed(subnet > 0 && device > 0 && channel > 0
                       ? saveRoomOccupation(roomId, radioButtonRelay->isChecked() ? 1 : 0, subnet, device, channel)
                       : removeRoomOccupation(roomId));
    roomId = 0;
}
