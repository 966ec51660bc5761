#pragma once

class QGridLayout;
class QString;
class QWidget;
class QtMaterialLabel;
class SliderCtrl;

// The controls the air-conditioner and floor-heating panels share: the remark and power icon with the room
// temperature between them, and the set point above its slider.
struct ClimateControls
{
    QtMaterialLabel *remarkLabel;
    QtMaterialLabel *powerIcon;
    QtMaterialLabel *roomTemperatureIcon;
    QtMaterialLabel *roomTemperatureText;
    QtMaterialLabel *setPointText;
    SliderCtrl *setPointSlider;
};

// Names and sizes the shared controls, shows the remark elided to 200 px and the power icon switched off
// (clicks on it go to the panel's event filter), and lays them out on the panel: the header in row 0, the set
// point in row 1, which takes the spare height. The panel may add its own rows below; it is 500 x 320.
QGridLayout *layOutClimatePanel(QWidget *panel, const ClimateControls &controls, const QString &remark,
                                const char *powerOffPicture);
