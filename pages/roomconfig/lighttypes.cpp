#include "pages/roomconfig/lighttypes.h"

#include <QComboBox>
#include <QCoreApplication>

void fillLightTypes(QComboBox *box)
{
    static const struct
    {
        const char *text;
        int value;
    } types[] = {
        {QT_TRANSLATE_NOOP("LightTypes", "On/Off"), 0}, {QT_TRANSLATE_NOOP("LightTypes", "Adjust"), 1},
        {QT_TRANSLATE_NOOP("LightTypes", "RGB"), 2},    {QT_TRANSLATE_NOOP("LightTypes", "HSB RGB"), 6},
        {QT_TRANSLATE_NOOP("LightTypes", "Scene"), 7},  {QT_TRANSLATE_NOOP("LightTypes", "Dali DT8"), 8},
    };
    for (const auto &type : types)
        box->addItem(QCoreApplication::translate("LightTypes", type.text), type.value);
}

void selectLightType(QComboBox *box, int lightType)
{
    const int index = box->findData(lightType, Qt::UserRole);
    box->setCurrentIndex(index >= 0 ? index : 0);
}

int selectedLightType(const QComboBox *box)
{
    return box->currentData(Qt::UserRole).toInt();
}
