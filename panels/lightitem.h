#pragma once
// The panel of one light of a room: shows its name, its on or off picture and, by light type, a level slider, a
// colour swatch, a colour-temperature slider or scene buttons; reads the light over the bus, sends the user's
// press, slider move or colour choice until the device acknowledges it, and stores and logs what it reports.
//
// Light types: 0 on/off, 1 dimmer, 2 RGB (rows 0-2 red, green, blue and an optional white row 3, each possibly on
// its own device), 6 HSB RGB, 7 scene, 8 DALI DT8 (level and colour temperature). Types 3 to 5 show only the
// picture and send nothing. The white row of an RGB light takes part only when its subnet, device and channel
// are all above 0.

#include "devicelink/devicerecords.h"
#include "panels/devicepanel.h"

#include <functional>

class BusFrame;
class ColorLabel;
class LightSliderCtrl;
class QtMaterialLabel;

class LightItem : public DevicePanelOf<lightRecord>
{
    Q_OBJECT

public:
    // alwaysListen: the panel hears its device also while hidden (the 3D room view's hidden panels).
    LightItem(lightRecord record, bool alwaysListen, QWidget *parent);

    // The light counts as on when its level (for an RGB light any of its four levels) is above 0.
    bool isOn() const;

    void frameReceived(const BusFrame &frame) override;

public slots:
    void updateStatus() override;
    // The hub's "all on" (100) and "all off" (0); only a visible panel obeys.
    void slotsLightStatus(int brightness);
    // A move of the level or colour-temperature slider: sent one tick after the last move.
    void valueChanged(int value);
    // Scene step down and up (0xF03C), sent once.
    void pushButtonSceneReduce_clicked();
    void pushButtonSceneAdd_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    void sendPollRequest() override;
    void sendControlFrame() override;
    QString deviceName() const override;
    void showOffline(bool offline) override;

private:
    // The switch with memory: off keeps the levels, on brings them back (100 when none was kept).
    void setLightLevel(int level);
    void writeStatusLog();

    bool hasWhiteRow() const;
    // Rows that take part in reads and controls: 0 to 2 of an RGB light and its white row when present, else 0.
    int rowCount() const;
    // The first row from 0 whose bit in flags is clear; -1 when every row is marked.
    int firstUnmarkedRow(quint8 flags) const;
    bool allRowsMarked(quint8 flags) const { return firstUnmarkedRow(flags) < 0; }
    void sendToRow(int row, quint16 opcode);

    // The device type and version text of a 0xEFFE reply into the row's record fields.
    void storeDeviceInfo(int row, const BusFrame &frame);
    // The row's level into tbl_light (row -1: the light's rows, for a single-row light); false when it could not
    // be stored, and then the reply writes no status log entry.
    [[nodiscard]] bool storeBrightness(int value, int row = -1);
    // The row's device type and version into tbl_light, the RGB light's own row only when ofRgbLight.
    void storeDeviceInfoRow(int row, bool ofRgbLight);
    // A level reply of a single-row light; it ends the read or the control.
    void acceptLevel(int level);
    // Ends the read or control with the reply's values in the record: stores, repaints and logs.
    void finishWith(int storedBrightness);
    // A level reply of an RGB light: every row the frame comes from and that accepts it takes its level; then the
    // completion below. control: an acknowledgement (0x0032) rather than a read (0x0034).
    void acceptRgbLevels(const BusFrame &frame, const std::function<bool(int row)> &accepts,
                         const std::function<int(int row)> &level, bool control);
    // Ends the light's read or control when every row is marked, else sends the next row's frame while its read
    // or control runs. stored: the frame's levels were stored; a status log entry is written only then.
    void rgbCompletion(bool control, bool stored);

    QColor swatchColor() const;
    QString picturePath(bool on) const;

    QtMaterialLabel *offlineIcon;
    QtMaterialLabel *offlineText;
    QtMaterialLabel *remarkLabel;
    QtMaterialLabel *iconLabel;
    QString shownPicture;
    LightSliderCtrl *brightnessSlider = nullptr;
    LightSliderCtrl *temperatureSlider = nullptr;
    ColorLabel *colorSwatch = nullptr;
};
