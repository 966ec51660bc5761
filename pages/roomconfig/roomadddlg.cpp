#include "pages/roomconfig/roomadddlg.h"

#include "core/globals.h"
#include "core/roomstore.h"
#include "core/templatestore.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/roomconfig/formgrid.h"
#include "pages/roomconfig/roomcreation.h"

#include <QGridLayout>

RoomAddDlg::RoomAddDlg(QWidget *parent) : HookedAddDialog(QStringLiteral("RoomAddDlg"), tr("Add Room"), parent)
{
    comboBoxRegion = new QtMaterialComboBox(nullptr);
    comboBoxRegion->setObjectName("comboBoxRegion");
    comboBoxRegion->setEditable(true);
    comboBoxFloor = new QtMaterialComboBox(nullptr);
    comboBoxFloor->setObjectName("comboBoxFloor");
    comboBoxFloor->setEditable(true);
    lineEditRoomName = new QtMaterialLineEdit(nullptr);
    lineEditRoomName->setObjectName("lineEditRoomName");
    comboBoxTemplate = new QtMaterialComboBox(nullptr);
    comboBoxTemplate->setObjectName("comboBoxTemplate");
    comboBoxTemplate->setEditable(false);
    checkBoxAddInBulk = new QtMaterialCheckBox(tr("Add In Bulk"), nullptr);
    checkBoxAddInBulk->setObjectName("checkBoxAddInBulk");
    lineEditNumber = new QtMaterialLineEdit(nullptr);
    lineEditNumber->setObjectName("lineEditNumber");
    lineEditNumber->setText("1");
    lineEditNumber->setEnabled(false);

    QGridLayout *form = formGrid();
    form->setSpacing(-1);
    form->addWidget(new QtMaterialLabel(tr("Region Name:"), nullptr), 0, 0);
    form->addWidget(comboBoxRegion, 0, 1);
    form->addWidget(new QtMaterialLabel(tr("Floor Name:"), nullptr), 1, 0);
    form->addWidget(comboBoxFloor, 1, 1);
    form->addWidget(new QtMaterialLabel(tr("Room Name:"), nullptr), 2, 0);
    form->addWidget(lineEditRoomName, 2, 1);
    form->addWidget(new QtMaterialLabel(tr("Room Template:"), nullptr), 3, 0);
    form->addWidget(comboBoxTemplate, 3, 1);
    form->addWidget(checkBoxAddInBulk, 4, 1);
    form->addWidget(new QtMaterialLabel(tr("Number Of Room:"), nullptr), 5, 0);
    form->addWidget(lineEditNumber, 5, 1);
    form->setRowStretch(6, 1);
    setBody(form, QSize(500, 500));

    comboBoxRegion->addItems(regionNamesInOrder());
    comboBoxRegion->setCurrentIndex(-1);
    for (const RoomTemplateRow &row : roomTemplates())
        comboBoxTemplate->addItem(row.name, row.templateId);

    connect(comboBoxRegion, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &RoomAddDlg::comboBoxChange);
    connect(lineEditNumber, &QLineEdit::editingFinished, this, &RoomAddDlg::editingFinished);
    connect(lineEditNumber, &QLineEdit::textChanged, this, &RoomAddDlg::textChanged);
    connect(checkBoxAddInBulk, &QAbstractButton::toggled, this, &RoomAddDlg::checkBoxAddInBulk_toggled);
}

void RoomAddDlg::comboBoxChange(int index)
{
    if (sender() != comboBoxRegion || index < 0)
        return;
    comboBoxFloor->clear();
    int regionId = 0;
    if (!findRegion(comboBoxRegion->itemText(index), regionId))
        return;
    comboBoxFloor->addItems(floorNamesOfRegion(regionId));
}

void RoomAddDlg::editingFinished()
{
    if (lineEditNumber->text().isEmpty())
        lineEditNumber->setText("1");
}

void RoomAddDlg::textChanged(QString text)
{
    if (text.toInt() > 99)
        lineEditNumber->setText("99");
}

void RoomAddDlg::checkBoxAddInBulk_toggled(bool checked)
{
    lineEditNumber->setEnabled(checked);
}

void RoomAddDlg::pushButtonAdd_clicked()
{
    RoomSeries series;
    series.regionName = comboBoxRegion->currentText();
    series.floorName = comboBoxFloor->currentText();
    series.roomName = lineEditRoomName->text();
    if (series.regionName.isEmpty() || series.floorName.isEmpty() || series.roomName.isEmpty()) {
        emit signalsInformation(tr("Please input the complete content!"));
        return;
    }
    if (comboBoxTemplate->currentIndex() < 0) {
        emit gBroadcastSocket.signalsInformation(tr("Please add room template!"));
        return;
    }
    series.templateId = comboBoxTemplate->currentData().toInt();
    RoomTemplateRow chosen;
    if (!readRoomTemplate(series.templateId, chosen)) {
        accept();
        return;
    }
    if (checkBoxAddInBulk->isChecked()) {
        // Text that is no positive integer adds no room.
        series.count = lineEditNumber->text().toInt();
        series.numbered = series.count > 1;
    }
    if (!addRoomSeries(series)) {
        emit signalsInformation(tr("Save failed!"));
        return;
    }
    accept();
}
