#include "panels/lightsliderctrl.h"

#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialslider.h"

#include <QGridLayout>
#include <QPixmap>

LightSliderCtrl::LightSliderCtrl(bool forColourTemperature, QWidget *parent)
    : QWidget(parent), colourTemperature(forColourTemperature), slider(new QtMaterialSlider(this)),
      valueLabel(new QtMaterialLabel(forColourTemperature ? QStringLiteral("2700K") : QStringLiteral("0%"), this))
{
    slider->setObjectName("slider");
    slider->setOrientation(Qt::Horizontal);
    slider->setRange(0, 100);
    valueLabel->setObjectName("valueLabel");
    valueLabel->setFixedWidth(100);
    auto *picture = new QtMaterialLabel(this);
    picture->setFixedSize(20, 20);
    picture->setScaledContents(true);
    picture->setPixmap(picturePixmap(QStringLiteral(":/myImages/png/icon-lighting-brightness.png")));

    auto *layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0);
    layout->addWidget(slider, 0, 1);
    layout->addWidget(valueLabel, 0, 2);
    layout->setRowStretch(1, 1);
    connect(slider, &QtMaterialSlider::valueChanged, this, &LightSliderCtrl::slotsValueChanged);
}

void LightSliderCtrl::setValue(int value)
{
    slider->setValue(colourTemperature ? (380000 - value * 3800) / 3800 : value);
    update();
}

void LightSliderCtrl::slotsValueChanged(int value)
{
    if (!colourTemperature) {
        valueLabel->setText(QString::asprintf("%d%%", value));
        emit valueChanged(value);
        return;
    }
    const int kelvin = 2700 + int(value * 3800 / 100.0);
    valueLabel->setText(QString::asprintf("%dK", kelvin));
    emit valueChanged((6500 - kelvin) / 38);
}
