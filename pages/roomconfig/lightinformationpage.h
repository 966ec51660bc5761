#pragma once
// The light editors of a room and of a room template: name, type and picture at the top (with the Save button
// above them) over what the room's light adds below, and the choice of a built-in light picture.

#include "pages/roomconfig/deviceinformationpage.h"

class ManagerItem;
class QLayout;
class QtMaterialComboBox;

class LightInformationPage : public DeviceInformationPage
{
    Q_OBJECT

public:
    LightInformationPage(const QString &id, const QString &name, const char *objectName, const char *ownerPageId,
                         QWidget *parent);

protected:
    // Lays the page out, with below (when given) under the name, type and picture.
    void setLightForm(QLayout *below = nullptr);
    // The first type and the first light picture, as a light without a row shows.
    void clearLight();

    QtMaterialComboBox *comboBoxType = nullptr;
    ManagerItem *pictureTile = nullptr;

private slots:
    void slotsIconEdit(QString iconName);
};
