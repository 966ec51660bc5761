#include "panels/colorselectdlg.h"

#include "core/colorconversion.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "panels/colorpickerctrl.h"
#include "panels/sliderctrl.h"

#include <QGridLayout>
#include <QPainter>

namespace {

ColorSelectDlg::ExecHook &execHook()
{
    static ColorSelectDlg::ExecHook hook;
    return hook;
}

} // namespace

ColorSelectDlg::ColorSelectDlg(lightRecord record, QWidget *parent)
    : MyDialog(parent), lightInfo(record), picker(new ColorPickerCtrl(this)), channelGrid(new QGridLayout)
{
    setObjectName("ColorSelectDlg");
    resize(400, 300);
    setWindowTitle(tr("Dialog"));
    makeFramelessPanel();

    auto *closeButton = new QtMaterialIconButton(QtMaterialTheme::icon("navigation", "close"), this);
    closeButton->setObjectName("closeButton");
    closeButton->setColor(Qt::white);
    connect(closeButton, &QtMaterialIconButton::clicked, this, &ColorSelectDlg::reject);

    auto *titleGrid = new QGridLayout;
    titleGrid->setSizeConstraint(QLayout::SetNoConstraint);
    titleGrid->addWidget(new QtMaterialLabel(tr("RGB Selection"), this), 0, 0, Qt::AlignCenter);
    titleGrid->addWidget(closeButton, 0, 1, Qt::AlignRight | Qt::AlignTop);
    titleGrid->setColumnStretch(0, 1);
    titleGrid->setRowStretch(1, 1);

    auto *remarkLabel = new QtMaterialLabel(QString::fromUtf8(lightInfo.light_remark), this);
    remarkLabel->setObjectName("remarkLabel");
    picker->setObjectName("picker");
    connect(picker, &ColorPickerCtrl::colorChanged, this, &ColorSelectDlg::colorChanged);
    connect(picker, &ColorPickerCtrl::colorSelected, this, &ColorSelectDlg::colorSelected);

    channelGrid->setSpacing(20);
    if (lightInfo.light_type == LightRgb) {
        picker->setColor(QColor(lightInfo.brightness[0] * 255 / 100, lightInfo.brightness[1] * 255 / 100,
                                lightInfo.brightness[2] * 255 / 100));
        redSlider = addChannel(0, tr("Red"), "redSlider", 255);
        greenSlider = addChannel(1, tr("Green"), "greenSlider", 255);
        blueSlider = addChannel(2, tr("Blue"), "blueSlider", 255);
        if (hasWhiteRow())
            whiteSlider = addChannel(3, tr("White"), "whiteSlider", 100);
        channelGrid->setRowStretch(hasWhiteRow() ? 4 : 3, 1);
    } else if (lightInfo.light_type == LightHsbRgb) {
        quint8 r, g, b;
        hsl240ToRgb(lightInfo.brightness[1], lightInfo.brightness[2], lightInfo.brightness[0] * 120 / 100, &r, &g, &b);
        picker->setColor(QColor(r, g, b));
        hueSlider = addChannel(0, tr("Hue"), "hueSlider", 240);
        saturationSlider = addChannel(1, tr("Saturation"), "saturationSlider", 240);
        brightnessSlider = addChannel(2, tr("Brightness"), "brightnessSlider", 100);
        channelGrid->setRowStretch(3, 1);
    }

    auto *mainGrid = new QGridLayout(this);
    mainGrid->setSizeConstraint(QLayout::SetNoConstraint);
    mainGrid->addLayout(titleGrid, 0, 0);
    mainGrid->addWidget(remarkLabel, 1, 0);
    mainGrid->addWidget(picker, 2, 0);
    mainGrid->addLayout(channelGrid, 3, 0);
    mainGrid->setRowStretch(2, 1);

    setMinimumSize(800, 600);
    showFullScreen();
    connect(&initTimer, &QTimer::timeout, this, &ColorSelectDlg::initDlgCtrl);
    initTimer.start(100);
}

SliderCtrl *ColorSelectDlg::addChannel(int row, const QString &name, const QString &objectName, int maximum)
{
    auto *slider = new SliderCtrl(this);
    slider->setObjectName(objectName);
    slider->setRange(0, maximum);
    auto *value = new QtMaterialLabel(QStringLiteral("0"), this);
    value->setObjectName(objectName + "Value");
    channelGrid->addWidget(new QtMaterialLabel(name, this), row, 0);
    channelGrid->addWidget(slider, row, 1);
    channelGrid->addWidget(value, row, 2);
    valueLabels.insert(slider, value);
    connect(slider, &SliderCtrl::valueChanged, this, &ColorSelectDlg::valueChanged);
    return slider;
}

int ColorSelectDlg::exec()
{
    if (execHook())
        return execHook()(*this);
    return MyDialog::exec();
}

void ColorSelectDlg::setExecHook(const ExecHook &hook)
{
    execHook() = hook;
}

bool ColorSelectDlg::hasWhiteRow() const
{
    return lightInfo.subnet_id[3] > 0 && lightInfo.device_id[3] > 0 && lightInfo.channel[3] > 0;
}

QColor ColorSelectDlg::hsbColor() const
{
    quint8 r, g, b;
    hsl240ToRgb(hueSlider->value(), saturationSlider->value(), brightnessSlider->value() * 120.0f / 100.0f, &r, &g, &b);
    return QColor(r, g, b);
}

void ColorSelectDlg::initDlgCtrl()
{
    initTimer.stop();
    if (lightInfo.light_type == LightRgb) {
        redSlider->setValue(lightInfo.brightness[0] * 255 / 100);
        greenSlider->setValue(lightInfo.brightness[1] * 255 / 100);
        blueSlider->setValue(lightInfo.brightness[2] * 255 / 100);
        if (whiteSlider)
            whiteSlider->setValue(lightInfo.brightness[3]);
    } else if (lightInfo.light_type == LightHsbRgb) {
        hueSlider->setValue(lightInfo.brightness[1]);
        saturationSlider->setValue(lightInfo.brightness[2]);
        brightnessSlider->setValue(lightInfo.brightness[0]);
    }
}

void ColorSelectDlg::valueChanged(int value)
{
    auto *slider = qobject_cast<SliderCtrl *>(sender());
    if (!slider)
        return;
    if (slider == redSlider || slider == greenSlider || slider == blueSlider)
        picker->setColor(QColor(redSlider->value(), greenSlider->value(), blueSlider->value()));
    else if (slider == hueSlider || slider == saturationSlider || slider == brightnessSlider)
        picker->setColor(hsbColor());
    if (QtMaterialLabel *label = valueLabels.value(slider))
        label->setText(QString::asprintf("%d", value));
}

void ColorSelectDlg::colorChanged(QColor color)
{
    if (lightInfo.light_type == LightRgb) {
        redSlider->setValue(color.red());
        greenSlider->setValue(color.green());
        blueSlider->setValue(color.blue());
    } else if (lightInfo.light_type == LightHsbRgb) {
        float h, s, l;
        rgbToHsl240(color.red(), color.green(), color.blue(), &h, &s, &l);
        hueSlider->setValue(int(h));
        saturationSlider->setValue(int(s));
        brightnessSlider->setValue(int(l * 100 / 120));
    }
}

void ColorSelectDlg::colorSelected()
{
    if (lightInfo.light_type == LightRgb) {
        lightInfo.brightness[0] = redSlider->value() * 100 / 255;
        lightInfo.brightness[1] = greenSlider->value() * 100 / 255;
        lightInfo.brightness[2] = blueSlider->value() * 100 / 255;
        if (whiteSlider)
            lightInfo.brightness[3] = whiteSlider->value();
    } else if (lightInfo.light_type == LightHsbRgb) {
        lightInfo.brightness[0] = brightnessSlider->value();
        lightInfo.brightness[1] = hueSlider->value();
        lightInfo.brightness[2] = saturationSlider->value();
    }
    accept();
}

void ColorSelectDlg::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
