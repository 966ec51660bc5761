#include "pages/roomconfig/pagesettingroommanagerlightinginformation.h"

#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/roomconfig/formgrid.h"
#include "pages/roomconfig/lighttypes.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"

#include <QGridLayout>
#include <QSqlQuery>

namespace {
const int SceneLight = 7;
const int RgbLight = 2;
} // namespace

PageSettingRoomManagerLightingInformation::PageSettingRoomManagerLightingInformation(const QString &id,
                                                                                     const QString &name,
                                                                                     QWidget *parent)
    : LightInformationPage(id, name, "PageSettingRoomManagerLightingInformation", PageId::EditRoom, parent)
{
    auto *address = formGrid();
    const char *labelTexts[3] = {QT_TR_NOOP("Subnet ID"), QT_TR_NOOP("Device ID"), QT_TR_NOOP("Channel NO")};
    const char *fieldNames[3] = {"lineEditSubnet%1", "lineEditDevice%1", "lineEditChannel%1"};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c) {
            rows[r].labels[c] = new QtMaterialLabel(tr(labelTexts[c]), nullptr);
            rows[r].fields[c] = addressField(QString(fieldNames[c]).arg(r + 1));
            address->addWidget(rows[r].labels[c], 2 * r, c);
            address->addWidget(rows[r].fields[c], 2 * r + 1, c);
        }
        if (r > 0)
            showRow(rows[r], false);
    }
    labelArea = new QtMaterialLabel(tr("Area"), nullptr);
    lineEditArea = addressField("lineEditArea");
    labelScene = new QtMaterialLabel(tr("Scene"), nullptr);
    lineEditScene = addressField("lineEditScene");
    address->addWidget(labelArea, 2, 0);
    address->addWidget(lineEditArea, 3, 0);
    address->addWidget(labelScene, 2, 1);
    address->addWidget(lineEditScene, 3, 1);
    address->setRowStretch(8, 1);
    for (QWidget *widget : {static_cast<QWidget *>(labelArea), static_cast<QWidget *>(lineEditArea),
                            static_cast<QWidget *>(labelScene), static_cast<QWidget *>(lineEditScene)})
        widget->hide();

    setLightForm(address);

    connect(comboBoxType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &PageSettingRoomManagerLightingInformation::comboBoxChange);
}

void PageSettingRoomManagerLightingInformation::showRow(const ChannelRow &row, bool shown)
{
    for (int c = 0; c < 3; ++c) {
        row.labels[c]->setVisible(shown);
        row.fields[c]->setVisible(shown);
    }
}

void PageSettingRoomManagerLightingInformation::load()
{
    clearLight();
    for (auto &row : rows)
        for (auto *field : row.fields)
            field->clear();
    lineEditArea->clear();
    lineEditScene->clear();

    auto fill = [](const ChannelRow &row, const StoredLightRow &stored, bool withChannel) {
        row.fields[0]->setText(QString::asprintf("%d", stored.subnet));
        row.fields[1]->setText(QString::asprintf("%d", stored.device));
        if (withChannel)
            row.fields[2]->setText(QString::asprintf("%d", stored.channel));
    };
    const std::optional<StoredLightRow> stored = readLight(ownerId, deviceId);
    if (!stored)
        return;
    const int type = stored->type;
    lineEditName->setText(stored->remark);
    pictureTile->setIconName(stored->iconOn);
    selectLightType(comboBoxType, type);
    if (type == SceneLight) {
        fill(rows[0], *stored, false);
        lineEditArea->setText(QString::asprintf("%d", stored->channel));
        lineEditScene->setText(QString::asprintf("%d", stored->usId));
        return;
    }
    fill(rows[0], *stored, true);
    if (type != RgbLight)
        return;
    for (int rgb = 2; rgb <= 4; ++rgb) {
        if (const std::optional<StoredLightRow> channel = readLightRow(ownerId, deviceId, rgb))
            fill(rows[rgb - 1], *channel, true);
    }
}

void PageSettingRoomManagerLightingInformation::comboBoxChange(int index)
{
    if (sender() != comboBoxType || index < 0)
        return;
    const int type = comboBoxType->itemData(index, Qt::UserRole).toInt();
    rows[0].labels[2]->setVisible(type != SceneLight);
    rows[0].fields[2]->setVisible(type != SceneLight);
    for (int r = 1; r < 4; ++r)
        showRow(rows[r], type == RgbLight);
    for (QWidget *widget : {static_cast<QWidget *>(labelArea), static_cast<QWidget *>(lineEditArea),
                            static_cast<QWidget *>(labelScene), static_cast<QWidget *>(lineEditScene)})
        widget->setVisible(type == SceneLight);
}

QList<NamedField> PageSettingRoomManagerLightingInformation::storedNumbers(int type) const
{
    const QString subnet = tr("Subnet ID");
    const QString device = tr("Device ID");
    const QString channel = tr("Channel NO");
    if (type == SceneLight)
        return {{subnet, rows[0].fields[0]},
                {device, rows[0].fields[1]},
                {tr("Area"), lineEditArea},
                {tr("Scene"), lineEditScene}};
    if (type != RgbLight)
        return {{subnet, rows[0].fields[0]}, {device, rows[0].fields[1]}, {channel, rows[0].fields[2]}};
    // The rows look alike on the page: each is named by its colour.
    const QString colours[4] = {tr("Red"), tr("Green"), tr("Blue"), tr("White")};
    QList<NamedField> numbers;
    for (int r = 0; r < 4; ++r) {
        const QString name = tr("%1 (%2)");
        numbers.append({name.arg(subnet, colours[r]), rows[r].fields[0]});
        numbers.append({name.arg(device, colours[r]), rows[r].fields[1]});
        numbers.append({name.arg(channel, colours[r]), rows[r].fields[2]});
    }
    return numbers;
}

void PageSettingRoomManagerLightingInformation::save()
{
    const QString name = lineEditName->text();
    auto number = [this](int row, int column) { return fieldNumber(rows[row].fields[column]); };
    auto complete = [&number](int row) { return number(row, 0) > 0 && number(row, 1) > 0 && number(row, 2) > 0; };
    const int type = selectedLightType(comboBoxType);

    bool incomplete = number(0, 0) == 0 || number(0, 1) == 0;
    if (type == SceneLight)
        incomplete = incomplete || fieldNumber(lineEditArea) == 0 || fieldNumber(lineEditScene) == 0;
    else
        incomplete = incomplete || number(0, 2) == 0 || (type == RgbLight && (!complete(1) || !complete(2)));
    if (incomplete) {
        askForCompleteContent();
        return;
    }
    if (!addressesFit(storedNumbers(type)))
        return;

    const QString on = pictureTile->iconName();
    const int at = on.indexOf("on");
    const QString off = at < 0 ? on : on.left(at) + "off";
    QList<LightAddressRow> stored;
    if (type == SceneLight) {
        stored.append({number(0, 0), number(0, 1), fieldNumber(lineEditArea), fieldNumber(lineEditScene), 0});
    } else if (type == RgbLight) {
        for (int r = 0; r < 4; ++r)
            if (r < 3 || complete(3))
                stored.append({number(r, 0), number(r, 1), number(r, 2), 0, r + 1});
    } else {
        stored.append({number(0, 0), number(0, 1), number(0, 2), 0, 0});
    }
    // The old rows go only together with the new ones coming in.
    finishSave(saveLight(ownerId, deviceId, type, name, on, off, stored));
}
