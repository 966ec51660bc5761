#include "pages/roomconfig/climateinformation.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialradiobutton.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "pages/roomconfig/formgrid.h"
#include "shell/pageids.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QSqlQuery>

bool saveClimateRow(bool exists, int roomId, int number, int type, const QString &name, int subnet, int device,
                    int channel, int hideRoomTemperature)
{
    // Every other column is reset: numbers 0, texts empty.
    if (exists)
        return gDatabase.execSql(
            "update tbl_air_conditioner set air_conditioner_type=?,remark=?,subnet_id=?,device_id=?,channel=?,"
            "status=0,mode=0,speed=0,current_temperature=0,current_cool_temperature=0,current_heat_temperature=0,"
            "current_auto_temperature=0,current_dry_temperature=0,temperature_unit=0,function='',high_limit='',"
            "low_limit='',room_temperature=0,room_temperature_type=?,original_type=0,version='' where room_id=? and "
            "air_conditioner_no=?",
            {type, name, subnet, device, channel, hideRoomTemperature, roomId, number});
    return gDatabase.execSql(
        "insert into tbl_air_conditioner(air_conditioner_no,air_conditioner_type,remark,subnet_id,device_id,channel,"
        "status,mode,speed,current_temperature,current_cool_temperature,current_heat_temperature,"
        "current_auto_temperature,current_dry_temperature,temperature_unit,function,high_limit,low_limit,"
        "room_temperature,room_temperature_type,original_type,version,room_id) "
        "values(?,?,?,?,?,?,0,0,0,0,0,0,0,0,0,'','','',0,?,0,'',?)",
        {number, type, name, subnet, device, channel, hideRoomTemperature, roomId});
}

namespace {

QGridLayout *addressGrid(const QString &channelLabel, QtMaterialLineEdit *subnet, QtMaterialLineEdit *device,
                         QtMaterialLineEdit *channel)
{
    QGridLayout *grid = formGrid();
    grid->addWidget(new QtMaterialLabel(QCoreApplication::translate("ClimateInformation", "Subnet ID"), nullptr), 0, 0);
    grid->addWidget(new QtMaterialLabel(QCoreApplication::translate("ClimateInformation", "Device ID"), nullptr), 0, 1);
    grid->addWidget(new QtMaterialLabel(channelLabel, nullptr), 0, 2);
    grid->addWidget(subnet, 1, 0);
    grid->addWidget(device, 1, 1);
    grid->addWidget(channel, 1, 2);
    grid->setRowStretch(2, 1);
    return grid;
}

QGridLayout *nameGrid(const QString &label, QtMaterialLineEdit *name)
{
    QGridLayout *grid = formGrid();
    grid->addWidget(new QtMaterialLabel(label, nullptr), 0, 0);
    grid->addWidget(name, 1, 0);
    grid->setRowStretch(2, 1);
    return grid;
}

QtMaterialFlatButton *saveButton()
{
    auto *save = new QtMaterialFlatButton(QtMaterialTheme::icon("content", "save"),
                                          QCoreApplication::translate("ClimateInformation", "Save"), 7, nullptr);
    save->setObjectName("pushButtonSave");
    return save;
}

QtMaterialLineEdit *nameField()
{
    auto *field = new QtMaterialLineEdit(nullptr);
    field->setObjectName("lineEditName");
    return field;
}

void backToRoom(int roomId)
{
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::EditRoom), trPageId(PageId::EditRoom),
                                               QString::asprintf("%d", roomId),
                                               QCoreApplication::translate("ClimateInformation", "0"));
}

} // namespace

PageSettingRoomManagerACInformation::PageSettingRoomManagerACInformation(const QString &id, const QString &name,
                                                                         QWidget *parent)
    : MyDialog(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerACInformation");
    resize(400, 300);
    setWindowTitle("Dialog");

    lineEditName = nameField();
    radioButtonPanel = new QtMaterialRadioButton(tr("Panel"), nullptr);
    radioButtonPanel->setObjectName("radioButtonPanel");
    radioButtonIR = new QtMaterialRadioButton(tr("IR"), nullptr);
    radioButtonIR->setObjectName("radioButtonIR");
    group = new QButtonGroup(this);
    group->setExclusive(true);
    group->addButton(radioButtonPanel, 0);
    group->addButton(radioButtonIR, 1);
    radioButtonPanel->setChecked(true);
    lineEditSubnet = addressField("lineEditSubnet");
    lineEditDevice = addressField("lineEditDevice");
    lineEditChannel = addressField("lineEditChannel");
    comboBoxPatch = new QtMaterialComboBox(nullptr);
    comboBoxPatch->setObjectName("comboBoxPatch");
    comboBoxPatch->setEditable(false);
    comboBoxPatch->addItems({tr("Patch A"), tr("Patch B")});
    comboBoxPatch->setMinimumWidth(200);
    comboBoxPatch->hide();
    checkBoxHide = new QtMaterialCheckBox(tr("Hide Room Temperature"), nullptr);
    checkBoxHide->setObjectName("checkBoxHide");
    QtMaterialFlatButton *save = saveButton();

    auto *control = formGrid();
    control->addWidget(new QtMaterialLabel(tr("Control Via "), nullptr), 0, 0);
    control->addWidget(radioButtonPanel, 0, 1);
    control->addWidget(radioButtonIR, 0, 2);
    control->setColumnStretch(3, 1);
    control->setRowStretch(1, 1);
    QGridLayout *address = addressGrid(tr("AC NO"), lineEditSubnet, lineEditDevice, lineEditChannel);
    address->addWidget(comboBoxPatch, 1, 2);
    auto *page = formGrid();
    page->addWidget(save, 0, 0, Qt::AlignRight);
    page->addLayout(nameGrid(tr("AC Name"), lineEditName), 1, 0);
    page->addLayout(control, 2, 0);
    page->addLayout(address, 3, 0);
    page->addWidget(checkBoxHide, 4, 0);
    page->setRowStretch(5, 1);
    setLayout(page);

    connect(radioButtonPanel, &QAbstractButton::clicked, this,
            &PageSettingRoomManagerACInformation::radioButtonACType_clicked);
    connect(radioButtonIR, &QAbstractButton::clicked, this,
            &PageSettingRoomManagerACInformation::radioButtonACType_clicked);
    connect(save, &QtMaterialFlatButton::clicked, this, &PageSettingRoomManagerACInformation::pushButtonSave_clicked);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this,
            &PageSettingRoomManagerACInformation::slotsPageEnter);
}

void PageSettingRoomManagerACInformation::slotsPageEnter(QString number, QString room)
{
    if (!isVisible())
        return;
    exists = false;
    acNo = number.toInt();
    roomId = room.toInt();
    lineEditName->clear();
    radioButtonPanel->setChecked(true);
    lineEditSubnet->clear();
    lineEditDevice->clear();
    lineEditChannel->clear();
    comboBoxPatch->setCurrentIndex(1);
    checkBoxHide->setChecked(false);

    QSqlQuery query = gDatabase.querySql("select * from tbl_air_conditioner where room_id=? and air_conditioner_no=?",
                                         {roomId, acNo});
    if (query.next()) {
        const int type = query.value("air_conditioner_type").toInt();
        const int channel = query.value("channel").toInt();
        lineEditName->setText(query.value("remark").toString());
        if (type == 1)
            radioButtonIR->setChecked(true);
        lineEditSubnet->setText(QString::asprintf("%d", query.value("subnet_id").toInt()));
        lineEditDevice->setText(QString::asprintf("%d", query.value("device_id").toInt()));
        if (type == 1) {
            if (channel >= 1 && channel <= comboBoxPatch->count())
                comboBoxPatch->setCurrentIndex(channel - 1);
        } else {
            lineEditChannel->setText(QString::asprintf("%d", channel));
        }
        checkBoxHide->setChecked(query.value("room_temperature_type").toInt() > 0);
        exists = true;
    }
    radioButtonACType_clicked();
}

void PageSettingRoomManagerACInformation::radioButtonACType_clicked()
{
    comboBoxPatch->setVisible(radioButtonIR->isChecked());
    lineEditChannel->setVisible(radioButtonPanel->isChecked());
}

void PageSettingRoomManagerACInformation::pushButtonSave_clicked()
{
    const QString name = lineEditName->text();
    const bool ir = radioButtonIR->isChecked();
    const int channel = ir ? comboBoxPatch->currentIndex() + 1 : fieldNumber(lineEditChannel);
    if (name.isEmpty() || fieldNumber(lineEditSubnet) == 0 || fieldNumber(lineEditDevice) == 0 || channel == 0) {
        emit gBroadcastSocket.signalsInformation(tr("Please input the complete content!"));
        return;
    }
    QList<NamedField> numbers = {{tr("Subnet ID"), lineEditSubnet}, {tr("Device ID"), lineEditDevice}};
    if (!ir)
        numbers.append({tr("AC NO"), lineEditChannel});
    if (!addressesFit(numbers))
        return;
    if (!saveClimateRow(exists, roomId, acNo, ir ? 1 : 0, name, fieldNumber(lineEditSubnet),
                        fieldNumber(lineEditDevice), channel, checkBoxHide->isChecked() ? 1 : 0)) {
        emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
        return;
    }
    backToRoom(roomId);
}

PageSettingRoomManagerFloorHeatInformation::PageSettingRoomManagerFloorHeatInformation(const QString &id,
                                                                                       const QString &name,
                                                                                       QWidget *parent)
    : MyDialog(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerFloorHeatInformation");
    resize(400, 300);
    setWindowTitle("Dialog");

    lineEditName = nameField();
    lineEditSubnet = addressField("lineEditSubnet");
    lineEditDevice = addressField("lineEditDevice");
    lineEditChannel = addressField("lineEditChannel");
    checkBoxHide = new QtMaterialCheckBox(tr("Hide Room Temperature"), nullptr);
    checkBoxHide->setObjectName("checkBoxHide");
    QtMaterialFlatButton *save = saveButton();

    auto *page = formGrid();
    page->addWidget(save, 0, 0, Qt::AlignRight);
    page->addLayout(nameGrid(tr("Floor Heat Name"), lineEditName), 1, 0);
    page->addLayout(addressGrid(tr("Floor Heat NO"), lineEditSubnet, lineEditDevice, lineEditChannel), 2, 0);
    page->addWidget(checkBoxHide, 3, 0);
    page->setRowStretch(4, 1);
    setLayout(page);

    connect(save, &QtMaterialFlatButton::clicked, this,
            &PageSettingRoomManagerFloorHeatInformation::pushButtonSave_clicked);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this,
            &PageSettingRoomManagerFloorHeatInformation::slotsPageEnter);
}

void PageSettingRoomManagerFloorHeatInformation::slotsPageEnter(QString number, QString room)
{
    if (!isVisible())
        return;
    exists = false;
    fhNo = number.toInt();
    roomId = room.toInt();
    lineEditName->clear();
    lineEditSubnet->clear();
    lineEditDevice->clear();
    lineEditChannel->clear();
    checkBoxHide->setChecked(false);
    QSqlQuery query = gDatabase.querySql("select * from tbl_air_conditioner where room_id=? and air_conditioner_no=?",
                                         {roomId, fhNo});
    if (query.next()) {
        lineEditName->setText(query.value("remark").toString());
        lineEditSubnet->setText(QString::asprintf("%d", query.value("subnet_id").toInt()));
        lineEditDevice->setText(QString::asprintf("%d", query.value("device_id").toInt()));
        lineEditChannel->setText(QString::asprintf("%d", query.value("channel").toInt()));
        checkBoxHide->setChecked(query.value("room_temperature_type").toInt() > 0);
        exists = true;
    }
}

void PageSettingRoomManagerFloorHeatInformation::pushButtonSave_clicked()
{
    const QString name = lineEditName->text();
    if (name.isEmpty() || fieldNumber(lineEditSubnet) == 0 || fieldNumber(lineEditDevice) == 0 ||
        fieldNumber(lineEditChannel) == 0) {
        emit gBroadcastSocket.signalsInformation(tr("Please input the complete content!"));
        return;
    }
    if (!addressesFit({{tr("Subnet ID"), lineEditSubnet},
                       {tr("Device ID"), lineEditDevice},
                       {tr("Floor Heat NO"), lineEditChannel}}))
        return;
    if (!saveClimateRow(exists, roomId, fhNo, 0, name, fieldNumber(lineEditSubnet), fieldNumber(lineEditDevice),
                        fieldNumber(lineEditChannel), checkBoxHide->isChecked() ? 1 : 0)) {
        emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
        return;
    }
    backToRoom(roomId);
}
