#pragma once
// The slider row of a light panel: a level 0-100 % or, in colour-temperature mode, 2700 K to 6500 K.
//
// In colour-temperature mode the slider runs from warm (left, 2700 K) to cold (right, 6500 K) while the value it
// takes and gives is the light's colour-temperature value, 0 for 6500 K and 100 for 2700 K.

#include <QWidget>

class QtMaterialLabel;
class QtMaterialSlider;

class LightSliderCtrl : public QWidget
{
    Q_OBJECT

public:
    LightSliderCtrl(bool colourTemperature, QWidget *parent);

    // A level, or a colour-temperature value; a change of the slider position is reported through valueChanged.
    void setValue(int value);

signals:
    // The level, or the colour-temperature value, after every change of the slider position.
    void valueChanged(int value);

public slots:
    void slotsValueChanged(int value);

private:
    const bool colourTemperature;
    QtMaterialSlider *slider;
    QtMaterialLabel *valueLabel;
};
