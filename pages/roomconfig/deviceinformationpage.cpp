#include "pages/roomconfig/deviceinformationpage.h"

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "shell/pageids.h"

DeviceInformationPage::DeviceInformationPage(const QString &id, const QString &name, const char *objectName,
                                             const char *ownerPageId, QWidget *parent)
    : MyDialog(id, name, parent), m_ownerPageId(ownerPageId)
{
    if (this->objectName().isEmpty())
        setObjectName(objectName);
    resize(400, 300);
    setWindowTitle("Dialog");

    lineEditName = new QtMaterialLineEdit(nullptr);
    lineEditName->setObjectName("lineEditName");
    saveButton = new QtMaterialFlatButton(QtMaterialTheme::icon("content", "save"), tr("Save"), 7, nullptr);
    saveButton->setObjectName("pushButtonSave");

    connect(saveButton, &QtMaterialFlatButton::clicked, this, &DeviceInformationPage::pushButtonSave_clicked);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &DeviceInformationPage::slotsPageEnter);
}

void DeviceInformationPage::slotsPageEnter(QString device, QString owner)
{
    if (!isVisible())
        return;
    lineEditName->clear();
    deviceId = device.toInt();
    ownerId = owner.toInt();
    load();
}

void DeviceInformationPage::pushButtonSave_clicked()
{
    // No device is stored without a name.
    if (lineEditName->text().isEmpty()) {
        askForCompleteContent();
        return;
    }
    save();
}

void DeviceInformationPage::askForCompleteContent()
{
    emit gBroadcastSocket.signalsInformation(tr("Please input the complete content!"));
}

void DeviceInformationPage::finishSave(bool saved)
{
    if (!saved) {
        emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
        return;
    }
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(m_ownerPageId), trPageId(m_ownerPageId),
                                               QString::asprintf("%d", ownerId), tr("0"));
}
