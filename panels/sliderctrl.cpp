#include "panels/sliderctrl.h"

#include "materialwidgets/qtmaterialslider.h"

#include <QHBoxLayout>

SliderCtrl::SliderCtrl(QWidget *parent) : QWidget(parent), slider(new QtMaterialSlider(this))
{
    slider->setObjectName("slider");
    slider->setOrientation(Qt::Horizontal);
    auto *layout = new QHBoxLayout;
    layout->addWidget(slider);
    setLayout(layout);
    connect(slider, &QtMaterialSlider::valueChanged, this, &SliderCtrl::slotsValueChanged);
}

void SliderCtrl::setValue(int value)
{
    slider->setValue(value);
    update();
}

int SliderCtrl::value() const
{
    return slider->value();
}

void SliderCtrl::setRange(int min, int max)
{
    slider->setRange(min, max);
}

void SliderCtrl::setOrientation(Qt::Orientation orientation)
{
    slider->setOrientation(orientation);
}

void SliderCtrl::slotsValueChanged(int value)
{
    emit valueChanged(value);
}
