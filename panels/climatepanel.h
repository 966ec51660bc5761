#pragma once
// What the air-conditioner and floor-heating panels share: a card of 500 x 320 that keeps one row of
// tbl_air_conditioner and listens to its device's address, with the remark, the room temperature and the power
// icon in its header (row 0 of panelGrid) and the set point above its slider (row 1, which takes the spare height).
// A panel may add its own rows below. Clicks on the power icon go to the panel's event filter.

#include "devicelink/devicerecords.h"
#include "panels/devicepanel.h"

#include <functional>

class BusFrame;
class QGridLayout;
class QtMaterialLabel;
class SliderCtrl;

class ClimatePanel : public DevicePanelOf<airConditionerRecord>
{
    Q_OBJECT

protected:
    ClimatePanel(const airConditionerRecord &initialRecord, bool listenAlways, QWidget *parent);

    void paintEvent(QPaintEvent *event) override;
    QString deviceName() const override;

    // A device-info reply: keeps and stores the type and version the device reports; false when the store refused
    // them.
    bool storeDeviceInfo(const BusFrame &frame);
    // The start of every repaint: stops the first repaint's timer, holds `ready` false until the panel's own part
    // sets it again, and shows the room temperature (unless the row hides it) and the power state. Answers the unit
    // text of the record's temperatures.
    QString repaintHeader();
    // Logs the unit's state under "<prefix>_<remark>": the room temperature, then ",status is off" (log type 0)
    // for a unit that is off; for one that is on, what describeOn appends to the event, with the log type it
    // answers.
    void logState(const char *prefix, const std::function<int(QString &event, const QString &unit)> &describeOn);

    QtMaterialLabel *remarkLabel;
    QtMaterialLabel *powerIcon;
    QtMaterialLabel *roomTemperatureIcon;
    QtMaterialLabel *roomTemperatureText;
    QtMaterialLabel *setPointText;
    SliderCtrl *setPointSlider;
    QGridLayout *panelGrid = nullptr;
};
