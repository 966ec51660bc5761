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
#include "materialwidgets/qtmaterialtheme.h"
#include "pages/roomconfig/formgrid.h"
#include "shell/orvmessagebox.h"
#include "shell/pageids.h"

#include <QGridLayout>
#include <QSqlQuery>

PageSettingRoomManagerPanelInformation::PageSettingRoomManagerPanelInformation(const QString &id, const QString &name,
                                                                               QWidget *parent)
    : MyDialog(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerPanelInformation");
    resize(400, 300);
    setWindowTitle("Dialog");

    lineEditName = new QtMaterialLineEdit(nullptr);
    lineEditName->setObjectName("lineEditName");
    lineEditSubnet = addressField("lineEditSubnet");
    lineEditDevice = addressField("lineEditDevice");
    auto *save = new QtMaterialFlatButton(QtMaterialTheme::icon("content", "save"), tr("Save"), 7, nullptr);
    save->setObjectName("pushButtonSave");

    QGridLayout *page = formGrid();
    page->addWidget(save, 0, 1, Qt::AlignRight);
    page->addWidget(new QtMaterialLabel(tr("Name"), nullptr), 1, 0);
    page->addWidget(lineEditName, 2, 0, 1, 2);
    page->addWidget(new QtMaterialLabel(tr("Subnet ID"), nullptr), 3, 0);
    page->addWidget(new QtMaterialLabel(tr("Device ID"), nullptr), 3, 1);
    page->addWidget(lineEditSubnet, 4, 0);
    page->addWidget(lineEditDevice, 4, 1);
    page->setRowStretch(5, 1);
    setLayout(page);

    connect(save, &QtMaterialFlatButton::clicked, this,
            &PageSettingRoomManagerPanelInformation::pushButtonSave_clicked);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this,
            &PageSettingRoomManagerPanelInformation::slotsPageEnter);
}

void PageSettingRoomManagerPanelInformation::slotsPageEnter(QString panel, QString room)
{
    if (!isVisible())
        return;
    exists = false;
    panelId = panel.toInt();
    roomId = room.toInt();
    lineEditName->clear();
    lineEditSubnet->clear();
    lineEditDevice->clear();
    if (const std::optional<StoredPanel> stored = readPanel(roomId, panelId)) {
        lineEditName->setText(stored->remark);
        lineEditSubnet->setText(QString::asprintf("%d", stored->subnet));
        lineEditDevice->setText(QString::asprintf("%d", stored->device));
        exists = true;
    }
}

void PageSettingRoomManagerPanelInformation::pushButtonSave_clicked()
{
    const QString name = lineEditName->text();
    const int subnet = fieldNumber(lineEditSubnet);
    const int device = fieldNumber(lineEditDevice);
    if (name.isEmpty() || subnet == 0 || device == 0) {
        emit gBroadcastSocket.signalsInformation(tr("Please input the complete content!"));
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
        ok = addPanel(roomId, panelId, name, subnet, device);
    } else {
        const std::optional<StoredPanel> stored = panelAddress(panelId);
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
        ok = updatePanel(roomId, panelId, name, subnet, device, changed);
        if (ok && changed)
            emit gBroadcastSocket.signalsRemoveMessage(panelId, 2);
    }
    if (!ok) {
        emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
        return;
    }
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::EditRoom), trPageId(PageId::EditRoom),
                                               QString::asprintf("%d", roomId), tr("0"));
}
