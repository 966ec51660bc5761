#pragma once
// The full-screen colour dialog of an RGB or HSB RGB light: a hue ring and one slider per channel, started from
// the light's record. Accepted by a press on the ring's centre, after writing the chosen levels into lightInfo;
// the close button rejects it and leaves lightInfo as it was.

#include "devicelink/devicerecords.h"
#include "shell/mydialog.h"

#include <QHash>
#include <QTimer>
#include <functional>

class ColorPickerCtrl;
class QGridLayout;
class QtMaterialLabel;
class SliderCtrl;

class ColorSelectDlg : public MyDialog
{
    Q_OBJECT

public:
    ColorSelectDlg(lightRecord record, QWidget *parent);

    // Runs the dialog modally, or hands it to the exec hook while one is set.
    int exec() override;

    // Test seam: while a hook is set, exec() returns what the hook returns instead of running the dialog. The
    // hook may move the sliders (object names "redSlider", "hueSlider", ...) and accept or reject the dialog.
    using ExecHook = std::function<int(ColorSelectDlg &dialog)>;
    static void setExecHook(const ExecHook &hook);

    // The light as chosen; changed only when the dialog is accepted.
    lightRecord lightInfo;

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void initDlgCtrl();
    void valueChanged(int value);
    void colorChanged(QColor color);
    void colorSelected();

private:
    bool hasWhiteRow() const;
    SliderCtrl *addChannel(int row, const QString &name, const QString &objectName, int maximum);
    QColor hsbColor() const;

    ColorPickerCtrl *picker;
    QTimer initTimer;
    SliderCtrl *redSlider = nullptr;
    SliderCtrl *greenSlider = nullptr;
    SliderCtrl *blueSlider = nullptr;
    SliderCtrl *whiteSlider = nullptr;
    SliderCtrl *hueSlider = nullptr;
    SliderCtrl *saturationSlider = nullptr;
    SliderCtrl *brightnessSlider = nullptr;
    QHash<SliderCtrl *, QtMaterialLabel *> valueLabels;
    QGridLayout *channelGrid;
};
