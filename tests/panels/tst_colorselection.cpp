// Colour selection: the hue ring with its centre disc, and the colour dialog of RGB and HSB RGB lights.

#include "core/colorconversion.h"
#include "devicelink/devicerecords.h"
#include "panels/colorpickerctrl.h"
#include "panels/colorselectdlg.h"
#include "panels/sliderctrl.h"
#include "resources/stationresources.h"

#include <QAbstractButton>
#include <QLabel>
#include <QtTest>
#include <cstring>

namespace {

lightRecord light(int type, int b0, int b1, int b2, int b3 = 0, bool whiteRow = false)
{
    lightRecord l;
    std::memset(&l, 0, sizeof l);
    l.light_type = type;
    l.brightness[0] = b0;
    l.brightness[1] = b1;
    l.brightness[2] = b2;
    l.brightness[3] = b3;
    std::strcpy(l.light_remark, "Desk lamp");
    if (whiteRow) {
        l.subnet_id[3] = 1;
        l.device_id[3] = 12;
        l.channel[3] = 4;
    }
    return l;
}

QColor hsl240(int hue, int saturation, float lightness)
{
    quint8 r, g, b;
    hsl240ToRgb(hue, saturation, lightness, &r, &g, &b);
    return QColor(r, g, b);
}

SliderCtrl *slider(ColorSelectDlg &dialog, const char *name)
{
    return dialog.findChild<SliderCtrl *>(name);
}

// The dialog fills its sliders 100 ms after construction.
bool waitForSliders(ColorSelectDlg &dialog, const char *name, int value)
{
    return QTest::qWaitFor([&] { return slider(dialog, name) && slider(dialog, name)->value() == value; });
}

QPoint ringPoint(const ColorPickerCtrl &picker, double degrees)
{
    const int d = qMin(picker.width(), picker.height());
    const double r = d / 2 - 0.1 * d;
    const double a = qDegreesToRadians(degrees);
    return QPoint(qRound(picker.width() / 2.0 + 0.9 * r * qCos(a)), qRound(picker.height() / 2.0 + 0.9 * r * qSin(a)));
}

} // namespace

class TestColorSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pickerPressOnTheCentreSelects();
    void pickerPressOnTheRingTurnsTheMarker_data();
    void pickerPressOnTheRingTurnsTheMarker();
    void pickerDragLeavingTheRingKeepsTheAngle();
    void pickerIgnoresOutsideColoursWhileDragging();
    void dialogLayout();
    void rgbRoundTripWithoutTouching_data();
    void rgbRoundTripWithoutTouching();
    void rgbWhiteRow();
    void rgbSlidersColourThePicker();
    void hsbOpensWithTheLightsColour_data();
    void hsbOpensWithTheLightsColour();
    void hsbSlidersAndAcceptance();
    void ringDragSetsTheSliders();
    void closeButtonRejects();
};

void TestColorSelection::initTestCase()
{
    initStationResources();
}

void TestColorSelection::pickerPressOnTheCentreSelects()
{
    ColorPickerCtrl picker(nullptr);
    picker.resize(200, 200);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    picker.repaint();
    QSignalSpy selected(&picker, &ColorPickerCtrl::colorSelected);
    QSignalSpy changed(&picker, &ColorPickerCtrl::colorChanged);
    QTest::mouseClick(&picker, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QCOMPARE(selected.size(), 1);
    QCOMPARE(changed.size(), 0);
    QTest::mouseClick(&picker, Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    QCOMPARE(selected.size(), 1);
}

void TestColorSelection::pickerPressOnTheRingTurnsTheMarker_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<double>("angle");
    // 200x200: R = 100 - 20 = 80, ring between 64 and 80 from the centre; marker centre (99, 99) for the angle.
    QTest::newRow("right") << QPoint(171, 99) << 0.0;
    QTest::newRow("below") << QPoint(99, 171) << 90.0;
    QTest::newRow("left") << QPoint(27, 99) << 180.0;
    QTest::newRow("square's corner outside the circle") << QPoint(22, 22) << -135.0;
}

void TestColorSelection::pickerPressOnTheRingTurnsTheMarker()
{
    QFETCH(QPoint, press);
    QFETCH(double, angle);
    ColorPickerCtrl picker(nullptr);
    picker.resize(200, 200);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    picker.repaint();
    QSignalSpy changed(&picker, &ColorPickerCtrl::colorChanged);
    QTest::mousePress(&picker, Qt::LeftButton, Qt::NoModifier, press);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(picker.markerAngle(), angle);
    QTest::mouseRelease(&picker, Qt::LeftButton, Qt::NoModifier, press);
    QCOMPARE(changed.size(), 2);
}

void TestColorSelection::pickerDragLeavingTheRingKeepsTheAngle()
{
    ColorPickerCtrl picker(nullptr);
    picker.resize(200, 200);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    picker.repaint();
    QTest::mousePress(&picker, Qt::LeftButton, Qt::NoModifier, QPoint(99, 171));
    QCOMPARE(picker.markerAngle(), 90.0);
    QSignalSpy changed(&picker, &ColorPickerCtrl::colorChanged);
    QMouseEvent inside(QEvent::MouseMove, QPointF(120, 100), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&picker, &inside);
    QCOMPARE(picker.markerAngle(), 90.0);
    QCOMPARE(changed.size(), 0);
    QMouseEvent onRing(QEvent::MouseMove, QPointF(171, 99), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&picker, &onRing);
    QCOMPARE(picker.markerAngle(), 0.0);
    QCOMPARE(changed.size(), 1);
}

void TestColorSelection::pickerIgnoresOutsideColoursWhileDragging()
{
    ColorPickerCtrl picker(nullptr);
    picker.resize(200, 200);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    picker.repaint();
    QTest::mousePress(&picker, Qt::LeftButton, Qt::NoModifier, QPoint(171, 99));
    const QColor dragged = picker.color();
    picker.setColor(QColor(1, 2, 3));
    QCOMPARE(picker.color(), dragged);
    QTest::mouseRelease(&picker, Qt::LeftButton, Qt::NoModifier, QPoint(171, 99));
    picker.setColor(QColor(1, 2, 3));
    picker.repaint();
    QCOMPARE(picker.color(), QColor(1, 2, 3));
}

void TestColorSelection::dialogLayout()
{
    ColorSelectDlg dialog(light(LightRgb, 10, 20, 30), nullptr);
    QCOMPARE(dialog.objectName(), QString("ColorSelectDlg"));
    QCOMPARE(dialog.minimumSize(), QSize(800, 600));
    QVERIFY(dialog.isFullScreen());
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QStringList texts;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        texts << label->text();
    for (const char *text : {"RGB Selection", "Desk lamp", "Red", "Green", "Blue"})
        QVERIFY2(texts.contains(text), text);
    QVERIFY(!texts.contains("White"));
    QVERIFY(slider(dialog, "redSlider"));
    QVERIFY(!slider(dialog, "whiteSlider"));

    ColorSelectDlg scene(light(LightScene, 10, 0, 0), nullptr);
    QVERIFY(scene.findChildren<SliderCtrl *>().isEmpty());
}

void TestColorSelection::rgbRoundTripWithoutTouching_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("after");
    QTest::newRow("50 becomes 49") << 50 << 49;
    QTest::newRow("0 stays") << 0 << 0;
    QTest::newRow("100 stays") << 100 << 100;
}

void TestColorSelection::rgbRoundTripWithoutTouching()
{
    QFETCH(int, level);
    QFETCH(int, after);
    ColorSelectDlg dialog(light(LightRgb, level, level, 100, 77), nullptr);
    QVERIFY(waitForSliders(dialog, "blueSlider", 255));
    QCOMPARE(slider(dialog, "redSlider")->value(), level * 255 / 100);
    QVERIFY(QMetaObject::invokeMethod(&dialog, "colorSelected"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.lightInfo.brightness[0], after);
    QCOMPARE(dialog.lightInfo.brightness[1], after);
    QCOMPARE(dialog.lightInfo.brightness[2], 100);
    // No white row: its level is left alone.
    QCOMPARE(dialog.lightInfo.brightness[3], 77);
}

void TestColorSelection::rgbWhiteRow()
{
    ColorSelectDlg dialog(light(LightRgb, 0, 0, 0, 60, true), nullptr);
    QVERIFY(waitForSliders(dialog, "whiteSlider", 60));
    QCOMPARE(dialog.findChild<QLabel *>("whiteSliderValue")->text(), QString("60"));
    const QColor before = dialog.findChild<ColorPickerCtrl *>("picker")->color();
    slider(dialog, "whiteSlider")->setValue(30);
    // The white channel does not tint the picker.
    QCOMPARE(dialog.findChild<ColorPickerCtrl *>("picker")->color(), before);
    QVERIFY(QMetaObject::invokeMethod(&dialog, "colorSelected"));
    QCOMPARE(dialog.lightInfo.brightness[3], 30);
}

void TestColorSelection::rgbSlidersColourThePicker()
{
    ColorSelectDlg dialog(light(LightRgb, 100, 0, 0), nullptr);
    auto *picker = dialog.findChild<ColorPickerCtrl *>("picker");
    QCOMPARE(picker->color(), QColor(255, 0, 0));
    QVERIFY(waitForSliders(dialog, "redSlider", 255));
    slider(dialog, "greenSlider")->setValue(128);
    QCOMPARE(picker->color(), QColor(255, 128, 0));
    QCOMPARE(dialog.findChild<QLabel *>("greenSliderValue")->text(), QString("128"));
    QVERIFY(QMetaObject::invokeMethod(&dialog, "colorSelected"));
    QCOMPARE(dialog.lightInfo.brightness[1], 50);
}

void TestColorSelection::hsbOpensWithTheLightsColour_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("full level shows the pure hue") << 100 << hsl240(80, 240, 120);
    QTest::newRow("level 0 is black") << 0 << QColor(0, 0, 0);
}

void TestColorSelection::hsbOpensWithTheLightsColour()
{
    QFETCH(int, level);
    QFETCH(QColor, colour);
    ColorSelectDlg dialog(light(LightHsbRgb, level, 80, 240), nullptr);
    QCOMPARE(dialog.findChild<ColorPickerCtrl *>("picker")->color(), colour);
    QStringList texts;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        texts << label->text();
    for (const char *text : {"RGB Selection", "Hue", "Saturation", "Brightness"})
        QVERIFY2(texts.contains(text), text);
}

void TestColorSelection::hsbSlidersAndAcceptance()
{
    ColorSelectDlg dialog(light(LightHsbRgb, 50, 80, 200), nullptr);
    QVERIFY(waitForSliders(dialog, "saturationSlider", 200));
    QCOMPARE(slider(dialog, "hueSlider")->value(), 80);
    QCOMPARE(slider(dialog, "brightnessSlider")->value(), 50);
    slider(dialog, "hueSlider")->setValue(160);
    QCOMPARE(dialog.findChild<ColorPickerCtrl *>("picker")->color(), hsl240(160, 200, 60.0f));
    QVERIFY(QMetaObject::invokeMethod(&dialog, "colorSelected"));
    QCOMPARE(dialog.lightInfo.brightness[0], 50);
    QCOMPARE(dialog.lightInfo.brightness[1], 160);
    QCOMPARE(dialog.lightInfo.brightness[2], 200);
}

void TestColorSelection::ringDragSetsTheSliders()
{
    ColorSelectDlg rgb(light(LightRgb, 0, 0, 0), nullptr);
    QVERIFY(QMetaObject::invokeMethod(&rgb, "colorChanged", Q_ARG(QColor, QColor(10, 20, 30))));
    QCOMPARE(slider(rgb, "redSlider")->value(), 10);
    QCOMPARE(slider(rgb, "greenSlider")->value(), 20);
    QCOMPARE(slider(rgb, "blueSlider")->value(), 30);

    ColorSelectDlg hsb(light(LightHsbRgb, 0, 0, 0), nullptr);
    QVERIFY(QMetaObject::invokeMethod(&hsb, "colorChanged", Q_ARG(QColor, QColor(255, 0, 0))));
    QCOMPARE(slider(hsb, "hueSlider")->value(), 0);
    QCOMPARE(slider(hsb, "saturationSlider")->value(), 240);
    QCOMPARE(slider(hsb, "brightnessSlider")->value(), 100);

    // While the user drags on the ring, the sliders it moves do not repaint the centre from outside.
    QVERIFY(QTest::qWaitForWindowExposed(&rgb));
    auto *picker = rgb.findChild<ColorPickerCtrl *>("picker");
    picker->repaint();
    QTest::mousePress(picker, Qt::LeftButton, Qt::NoModifier, ringPoint(*picker, 0));
    const QColor dragged = picker->color();
    slider(rgb, "redSlider")->setValue(200);
    QCOMPARE(picker->color(), dragged);
    QTest::mouseRelease(picker, Qt::LeftButton, Qt::NoModifier, ringPoint(*picker, 0));
}

void TestColorSelection::closeButtonRejects()
{
    ColorSelectDlg dialog(light(LightRgb, 50, 50, 50), nullptr);
    QVERIFY(waitForSliders(dialog, "redSlider", 127));
    slider(dialog, "redSlider")->setValue(255);
    dialog.findChild<QAbstractButton *>("closeButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.lightInfo.brightness[0], 50);
}

QTEST_MAIN(TestColorSelection)
#include "tst_colorselection.moc"
