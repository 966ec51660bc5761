#include "pages/roomconfig/pagesettingroomtemplatelightinginformation.h"

#include "core/globals.h"
#include "core/templatestore.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "pages/pickers/iconselectdlg.h"
#include "pages/pickers/picturechoice.h"
#include "pages/roomconfig/formgrid.h"
#include "pages/roomconfig/lighttypes.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"
#include "shell/tilegrid.h"

#include <QGridLayout>

PageSettingRoomTemplateLightingInformation::PageSettingRoomTemplateLightingInformation(const QString &id,
                                                                                       const QString &name,
                                                                                       QWidget *parent)
    : MyDialog(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomTemplateLightingInformation");
    resize(400, 300);
    setWindowTitle("Dialog");

    lineEditName = new QtMaterialLineEdit(nullptr);
    lineEditName->setObjectName("lineEditName");
    comboBoxType = new QtMaterialComboBox(nullptr);
    comboBoxType->setObjectName("comboBoxType");
    comboBoxType->setEditable(false);
    fillLightTypes(comboBoxType);
    pictureTile =
        new ManagerItem(LightTile, 0, QString(), "light_01_on", false, TileGrid::itemColor, 192, 192, nullptr);
    pictureTile->setObjectName("managerItemPicture");
    auto *save = new QtMaterialFlatButton(QtMaterialTheme::icon("content", "save"), tr("Save"), 7, nullptr);
    save->setObjectName("pushButtonSave");

    setLayout(lightForm(save, lineEditName, comboBoxType, pictureTile));

    connect(pictureTile, &ManagerItem::signalsIconEdit, this,
            &PageSettingRoomTemplateLightingInformation::slotsIconEdit);
    connect(save, &QtMaterialFlatButton::clicked, this,
            &PageSettingRoomTemplateLightingInformation::pushButtonSave_clicked);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this,
            &PageSettingRoomTemplateLightingInformation::slotsPageEnter);
}

void PageSettingRoomTemplateLightingInformation::slotsPageEnter(QString template_light_id, QString room_template_id)
{
    if (!isVisible())
        return;
    exists = false;
    templateLightId = template_light_id.toInt();
    roomTemplateId = room_template_id.toInt();
    lineEditName->clear();
    pictureTile->setIconName("light_01_on");
    comboBoxType->setCurrentIndex(0);

    TemplateLightRow light;
    if (readTemplateLight(roomTemplateId, templateLightId, light)) {
        exists = true;
        lineEditName->setText(light.remark);
        pictureTile->setIconName(light.iconName);
        selectLightType(comboBoxType, light.type);
    }
}

void PageSettingRoomTemplateLightingInformation::slotsIconEdit(QString iconName)
{
    const std::optional<QString> chosen = PictureChoice::chooseBuiltIn(IconSelectLight);
    if (chosen && *chosen != iconName)
        pictureTile->setIconName(*chosen);
}

void PageSettingRoomTemplateLightingInformation::pushButtonSave_clicked()
{
    const QString name = lineEditName->text();
    if (name.isEmpty()) {
        emit gBroadcastSocket.signalsInformation(tr("Please input the complete content!"));
        return;
    }
    const TemplateLightRow light{templateLightId, selectedLightType(comboBoxType), name, pictureTile->iconName()};
    const bool saved = exists ? updateTemplateLight(roomTemplateId, light) : addTemplateLight(roomTemplateId, light);
    if (!saved) {
        emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
        return;
    }
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::EditTemplate), trPageId(PageId::EditTemplate),
                                               QString::asprintf("%d", roomTemplateId), tr("0"));
}
