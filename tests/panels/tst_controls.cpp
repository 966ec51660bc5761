// The small controls of the panels: the integer slider, the time input, the light slider row and the swatch.

#include "panels/colorlabel.h"
#include "panels/lightsliderctrl.h"
#include "panels/sliderctrl.h"
#include "panels/timectrl.h"
#include "resources/stationresources.h"

#include <QAbstractSlider>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sliderBoundsAndReports();
    void sliderRangeMovesTheValue();
    void typedNumbersStopAt59_data();
    void typedNumbersStopAt59();
    void emptyFieldCountsZeroAndBecomesZero();
    void setTimeAndTime_data();
    void setTimeAndTime();
    void lightSliderBrightness();
    void lightSliderColourTemperature_data();
    void lightSliderColourTemperature();
    void colorLabelPaintsItsColour();
};

void TestControls::initTestCase()
{
    initStationResources();
}

void TestControls::sliderBoundsAndReports()
{
    SliderCtrl slider;
    QSignalSpy changed(&slider, &SliderCtrl::valueChanged);
    slider.setValue(40);
    QCOMPARE(slider.value(), 40);
    slider.setValue(150);
    QCOMPARE(slider.value(), 99);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed.last().at(0).toInt(), 99);
    slider.setValue(99);
    QCOMPARE(changed.size(), 2);
}

void TestControls::sliderRangeMovesTheValue()
{
    SliderCtrl slider;
    slider.setRange(0, 255);
    slider.setValue(200);
    QSignalSpy changed(&slider, &SliderCtrl::valueChanged);
    slider.setRange(0, 100);
    QCOMPARE(slider.value(), 100);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().at(0).toInt(), 100);
    slider.setOrientation(Qt::Vertical);
    QCOMPARE(slider.findChild<QAbstractSlider *>("slider")->orientation(), Qt::Vertical);
}

void TestControls::typedNumbersStopAt59_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("left 75") << "leftEdit"
                             << "75"
                             << "59";
    QTest::newRow("right 75") << "rightEdit"
                              << "75"
                              << "59";
    QTest::newRow("59 stays") << "leftEdit"
                              << "59"
                              << "59";
    QTest::newRow("negative passes") << "rightEdit"
                                     << "-5"
                                     << "-5";
    QTest::newRow("letters refused") << "leftEdit"
                                     << "a1b"
                                     << "1";
}

void TestControls::typedNumbersStopAt59()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TimeCtrl time;
    time.show();
    auto *edit = time.findChild<QLineEdit *>(field);
    QVERIFY(edit);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
}

void TestControls::emptyFieldCountsZeroAndBecomesZero()
{
    TimeCtrl time;
    time.show();
    auto *left = time.findChild<QLineEdit *>("leftEdit");
    auto *right = time.findChild<QLineEdit *>("rightEdit");
    right->setText("7");
    QCOMPARE(time.time(), QString("0:7"));
    left->setFocus();
    emit left->editingFinished();
    QCOMPARE(left->text(), QString("0"));
    QSignalSpy neverEmitted(&time, &TimeCtrl::timeCtrlValueChanged);
    QTest::keyClicks(right, "3");
    QCOMPARE(time.time(), QString("0:59"));
    QCOMPARE(neverEmitted.size(), 0);
}

void TestControls::setTimeAndTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("time");
    QTest::newRow("7") << "7"
                       << "7"
                       << "0"
                       << "7:0";
    QTest::newRow("1:99") << "1:99"
                          << "1"
                          << "59"
                          << "1:59";
    QTest::newRow("empty") << ""
                           << "0"
                           << "0"
                           << "0:0";
    QTest::newRow("leading zeros") << "05:03"
                                   << "5"
                                   << "3"
                                   << "5:3";
    QTest::newRow("negative") << "-5:-7"
                              << "-5"
                              << "-7"
                              << "-5:-7";
    QTest::newRow("unreadable first") << "x:5"
                                      << "0"
                                      << "0"
                                      << "0:0";
}

void TestControls::setTimeAndTime()
{
    QFETCH(QString, text);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, time);
    TimeCtrl ctrl;
    ctrl.setTime(text);
    QCOMPARE(ctrl.findChild<QLineEdit *>("leftEdit")->text(), left);
    QCOMPARE(ctrl.findChild<QLineEdit *>("rightEdit")->text(), right);
    QCOMPARE(ctrl.time(), time);
}

void TestControls::lightSliderBrightness()
{
    LightSliderCtrl slider(false, nullptr);
    auto *label = slider.findChild<QLabel *>("valueLabel");
    QCOMPARE(label->text(), QString("0%"));
    QSignalSpy changed(&slider, &LightSliderCtrl::valueChanged);
    slider.setValue(40);
    QCOMPARE(label->text(), QString("40%"));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().at(0).toInt(), 40);
    QCOMPARE(slider.findChild<QAbstractSlider *>("slider")->maximum(), 100);
}

void TestControls::lightSliderColourTemperature_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("value");
    QTest::newRow("left end, warm") << 0 << "2700K" << 100;
    QTest::newRow("right end, cold") << 100 << "6500K" << 0;
    QTest::newRow("middle") << 50 << "4600K" << 50;
    QTest::newRow("33") << 33 << "3954K" << 67;
}

void TestControls::lightSliderColourTemperature()
{
    QFETCH(int, position);
    QFETCH(QString, label);
    QFETCH(int, value);
    LightSliderCtrl slider(true, nullptr);
    QCOMPARE(slider.findChild<QLabel *>("valueLabel")->text(), QString("2700K"));
    auto *inner = slider.findChild<QAbstractSlider *>("slider");
    inner->setValue(position == 0 ? 1 : 0); // so that the position below is a change
    QSignalSpy changed(&slider, &LightSliderCtrl::valueChanged);
    inner->setValue(position);
    QCOMPARE(slider.findChild<QLabel *>("valueLabel")->text(), label);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().at(0).toInt(), value);

    // setValue takes the colour-temperature value and places the slider the other way round.
    slider.setValue(value == 0 ? 100 : 0);
    QCOMPARE(inner->value(), value == 0 ? 0 : 100);
    slider.setValue(value);
    QCOMPARE(inner->value(), position);
}

void TestControls::colorLabelPaintsItsColour()
{
    ColorLabel swatch(nullptr);
    QCOMPARE(swatch.size(), QSize(40, 40));
    QCOMPARE(swatch.color(), QColor(Qt::black));
    swatch.setColor(QColor(10, 200, 30));
    QImage image(swatch.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    swatch.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    QCOMPARE(image.pixelColor(20, 20), QColor(10, 200, 30));
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
