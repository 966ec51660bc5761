#include "pages/roomconfig/lightinformationpage.h"

#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/pickers/iconselectdlg.h"
#include "pages/pickers/picturechoice.h"
#include "pages/roomconfig/formgrid.h"
#include "pages/roomconfig/lighttypes.h"
#include "shell/manageritem.h"
#include "shell/tilegrid.h"

#include <QGridLayout>

LightInformationPage::LightInformationPage(const QString &id, const QString &name, const char *objectName,
                                           const char *ownerPageId, QWidget *parent)
    : DeviceInformationPage(id, name, objectName, ownerPageId, parent)
{
    comboBoxType = new QtMaterialComboBox(nullptr);
    comboBoxType->setObjectName("comboBoxType");
    comboBoxType->setEditable(false);
    fillLightTypes(comboBoxType);
    pictureTile =
        new ManagerItem(LightTile, 0, QString(), "light_01_on", false, TileGrid::itemColor, 192, 192, nullptr);
    pictureTile->setObjectName("managerItemPicture");
    connect(pictureTile, &ManagerItem::signalsIconEdit, this, &LightInformationPage::slotsIconEdit);
}

void LightInformationPage::setLightForm(QLayout *below)
{
    setLayout(lightForm(saveButton, lineEditName, comboBoxType, pictureTile, below));
}

void LightInformationPage::clearLight()
{
    pictureTile->setIconName("light_01_on");
    comboBoxType->setCurrentIndex(0);
}

void LightInformationPage::slotsIconEdit(QString iconName)
{
    const std::optional<QString> chosen = PictureChoice::chooseBuiltIn(IconSelectLight);
    if (chosen && *chosen != iconName)
        pictureTile->setIconName(*chosen);
}
