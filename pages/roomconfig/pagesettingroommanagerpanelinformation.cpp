#include "pages/roomconfig/pagesettingroommanagerpanelinformation.h"

#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "core/messagestore.h"
#include "core/queryhelpers.h"
#include "core/sqltransaction.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/roomconfig/formgrid.h"
#include "shell/orvmessagebox.h"
#include "shell/pageids.h"

#include <QGridLayout>
#include <QSqlQuery>

PageSettingRoomManagerPanelInformation::PageSettingRoomManagerPanelInformation(const QString &id, const QString &name,
                                                                               QWidget *parent)
    : DeviceInformationPage(id, name, "PageSettingRoomManagerPanelInformation", PageId::EditRoom, parent)
{
    lineEditSubnet = addressField("lineEditSubnet");
    lineEditDevice = addressField("lineEditDevice");

    QGridLayout *page = formGrid();
    page->addWidget(saveButton, 0, 1, Qt::AlignRight);
    page->addWidget(new QtMaterialLabel(tr("Name"), nullptr), 1, 0);
    page->addWidget(lineEditName, 2, 0, 1, 2);
    page->addWidget(new QtMaterialLabel(tr("Subnet ID"), nullptr), 3, 0);
    page->addWidget(new QtMaterialLabel(tr("Device ID"), nullptr), 3, 1);
    page->addWidget(lineEditSubnet, 4, 0);
    page->addWidget(lineEditDevice, 4, 1);
    page->setRowStretch(5, 1);
    setLayout(page);
}

void PageSettingRoomManagerPanelInformation::load()
{
    exists = false;
    lineEditSubnet->clear();
    lineEditDevice->clear();
    if (const std::optional<StoredPanel> stored = readPanel(ownerId, deviceId)) {
        lineEditName->setText(stored->remark);
        lineEditSubnet->setText(QString::asprintf("%d", stored->subnet));
        lineEditDevice->setText(QString::asprintf("%d", stored->device));
        exists = true;
    }
}

void PageSettingRoomManagerPanelInformation::save()
{
    const QString name = lineEditName->text();
    const int subnet = fieldNumber(lineEditSubnet);
    const int device = fieldNumber(lineEditDevice);
    if (subnet == 0 || device == 0) {
        askForCompleteContent();
        return;
    }
    if (!addressesFit({{tr("Subnet ID"), lineEditSubnet}, {tr("Device ID"), lineEditDevice}}))
        return;
    const bool used = panelAddressUsed(subnet, device);
    bool ok = true;
    if (!exists) {
        if (used) {
            emit gBroadcastSocket.signalsInformation(
                tr("The subnet id and device id has been used,please input new value!"));
            return;
        }
        ok = addPanel(ownerId, deviceId, name, subnet, device);
    } else {
        const std::optional<StoredPanel> stored = panelAddress(deviceId);
        const bool changed = stored && (stored->subnet != subnet || stored->device != device);
        if (changed && used) {
            emit gBroadcastSocket.signalsInformation(
                tr("The subnet id and device id has been used,please input new value!"));
            return;
        }
        if (changed) {
            ORVMessageBox box("The subnet id and device id will be changed,the associated message records will be "
                              "deleted,are you sure?",
                              500, 160, false, 2, nullptr);
            if (box.exec() != QDialog::Accepted)
                return;
        }
        // The history goes only together with the new address, and the rest of the station hears of it after.
        ok = updatePanel(ownerId, deviceId, name, subnet, device, changed);
        if (ok && changed)
            emit gBroadcastSocket.signalsRemoveMessage(deviceId, 2);
    }
    finishSave(ok);
}
