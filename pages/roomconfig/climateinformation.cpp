#include "pages/roomconfig/climateinformation.h"

#include "core/climatestore.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialradiobutton.h"
#include "shell/pageids.h"

#include <QButtonGroup>
#include <QGridLayout>

ClimateInformationPage::ClimateInformationPage(const QString &id, const QString &name, const char *objectName,
                                               QWidget *parent)
    : DeviceInformationPage(id, name, objectName, PageId::EditRoom, parent)
{
    lineEditSubnet = addressField("lineEditSubnet");
    lineEditDevice = addressField("lineEditDevice");
    lineEditChannel = addressField("lineEditChannel");
    checkBoxHide = new QtMaterialCheckBox(tr("Hide Room Temperature"), nullptr);
    checkBoxHide->setObjectName("checkBoxHide");
}

QGridLayout *ClimateInformationPage::addressGrid(const QString &numberLabel)
{
    QGridLayout *grid = formGrid();
    grid->addWidget(new QtMaterialLabel(tr("Subnet ID"), nullptr), 0, 0);
    grid->addWidget(new QtMaterialLabel(tr("Device ID"), nullptr), 0, 1);
    grid->addWidget(new QtMaterialLabel(numberLabel, nullptr), 0, 2);
    grid->addWidget(lineEditSubnet, 1, 0);
    grid->addWidget(lineEditDevice, 1, 1);
    grid->addWidget(lineEditChannel, 1, 2);
    grid->setRowStretch(2, 1);
    return grid;
}

void ClimateInformationPage::setClimateForm(const QString &nameLabel, QLayout *control, QGridLayout *address)
{
    QGridLayout *nameGrid = formGrid();
    nameGrid->addWidget(new QtMaterialLabel(nameLabel, nullptr), 0, 0);
    nameGrid->addWidget(lineEditName, 1, 0);
    nameGrid->setRowStretch(2, 1);

    QGridLayout *page = formGrid();
    int row = 0;
    page->addWidget(saveButton, row++, 0, Qt::AlignRight);
    page->addLayout(nameGrid, row++, 0);
    if (control)
        page->addLayout(control, row++, 0);
    page->addLayout(address, row++, 0);
    page->addWidget(checkBoxHide, row++, 0);
    page->setRowStretch(row, 1);
    setLayout(page);
}

bool ClimateInformationPage::readRow(ClimateRow &row)
{
    exists = false;
    readFailed = false;
    lineEditSubnet->clear();
    lineEditDevice->clear();
    lineEditChannel->clear();
    checkBoxHide->setChecked(false);
    QString error;
    if (findClimateDevice(ownerId, deviceId, row, &error)) {
        lineEditName->setText(row.remark);
        lineEditSubnet->setText(QString::asprintf("%d", row.subnet));
        lineEditDevice->setText(QString::asprintf("%d", row.device));
        checkBoxHide->setChecked(row.roomTemperatureType > 0);
        exists = true;
    } else if (!error.isEmpty()) {
        readFailed = true;
        emit gBroadcastSocket.signalsInformation(tr("Read failed!"));
    }
    return exists;
}

void ClimateInformationPage::storeRow(int type, int channel, const QList<NamedField> &typedChannel)
{
    const int subnet = fieldNumber(lineEditSubnet);
    const int device = fieldNumber(lineEditDevice);
    if (subnet == 0 || device == 0 || channel == 0) {
        askForCompleteContent();
        return;
    }
    if (!addressesFit(QList<NamedField>{{tr("Subnet ID"), lineEditSubnet}, {tr("Device ID"), lineEditDevice}} +
                      typedChannel))
        return;
    // Without knowing whether the row exists, a save could only guess between update and insert. A stored row
    // loses the run-time state the panels kept in it.
    finishSave(!readFailed && saveClimateDevice(exists, ownerId, deviceId, type, lineEditName->text(), subnet, device,
                                                channel, checkBoxHide->isChecked() ? 1 : 0));
}

PageSettingRoomManagerACInformation::PageSettingRoomManagerACInformation(const QString &id, const QString &name,
                                                                         QWidget *parent)
    : ClimateInformationPage(id, name, "PageSettingRoomManagerACInformation", parent)
{
    radioButtonPanel = new QtMaterialRadioButton(tr("Panel"), nullptr);
    radioButtonPanel->setObjectName("radioButtonPanel");
    radioButtonIR = new QtMaterialRadioButton(tr("IR"), nullptr);
    radioButtonIR->setObjectName("radioButtonIR");
    group = new QButtonGroup(this);
    group->setExclusive(true);
    group->addButton(radioButtonPanel, 0);
    group->addButton(radioButtonIR, 1);
    radioButtonPanel->setChecked(true);
    comboBoxPatch = new QtMaterialComboBox(nullptr);
    comboBoxPatch->setObjectName("comboBoxPatch");
    comboBoxPatch->setEditable(false);
    comboBoxPatch->addItems({tr("Patch A"), tr("Patch B")});
    comboBoxPatch->setMinimumWidth(200);
    comboBoxPatch->hide();

    auto *control = formGrid();
    control->addWidget(new QtMaterialLabel(tr("Control Via "), nullptr), 0, 0);
    control->addWidget(radioButtonPanel, 0, 1);
    control->addWidget(radioButtonIR, 0, 2);
    control->setColumnStretch(3, 1);
    control->setRowStretch(1, 1);
    // An infra-red air conditioner's number is its patch, chosen where a panel-controlled one's is typed.
    QGridLayout *address = addressGrid(tr("AC NO"));
    address->addWidget(comboBoxPatch, 1, 2);
    setClimateForm(tr("AC Name"), control, address);

    connect(radioButtonPanel, &QAbstractButton::clicked, this,
            &PageSettingRoomManagerACInformation::radioButtonACType_clicked);
    connect(radioButtonIR, &QAbstractButton::clicked, this,
            &PageSettingRoomManagerACInformation::radioButtonACType_clicked);
}

void PageSettingRoomManagerACInformation::load()
{
    radioButtonPanel->setChecked(true);
    comboBoxPatch->setCurrentIndex(1);
    ClimateRow row;
    if (readRow(row)) {
        if (row.type == 1) {
            radioButtonIR->setChecked(true);
            if (row.channel >= 1 && row.channel <= comboBoxPatch->count())
                comboBoxPatch->setCurrentIndex(row.channel - 1);
        } else {
            lineEditChannel->setText(QString::asprintf("%d", row.channel));
        }
    }
    radioButtonACType_clicked();
}

void PageSettingRoomManagerACInformation::radioButtonACType_clicked()
{
    comboBoxPatch->setVisible(radioButtonIR->isChecked());
    lineEditChannel->setVisible(radioButtonPanel->isChecked());
}

void PageSettingRoomManagerACInformation::save()
{
    if (radioButtonIR->isChecked())
        storeRow(1, comboBoxPatch->currentIndex() + 1, {});
    else
        storeRow(0, fieldNumber(lineEditChannel), {{tr("AC NO"), lineEditChannel}});
}

PageSettingRoomManagerFloorHeatInformation::PageSettingRoomManagerFloorHeatInformation(const QString &id,
                                                                                       const QString &name,
                                                                                       QWidget *parent)
    : ClimateInformationPage(id, name, "PageSettingRoomManagerFloorHeatInformation", parent)
{
    setClimateForm(tr("Floor Heat Name"), nullptr, addressGrid(tr("Floor Heat NO")));
}

void PageSettingRoomManagerFloorHeatInformation::load()
{
    ClimateRow row;
    if (readRow(row))
        lineEditChannel->setText(QString::asprintf("%d", row.channel));
}

void PageSettingRoomManagerFloorHeatInformation::save()
{
    storeRow(0, fieldNumber(lineEditChannel), {{tr("Floor Heat NO"), lineEditChannel}});
}
