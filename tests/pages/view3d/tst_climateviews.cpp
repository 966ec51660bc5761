// The air-conditioner and floor-heating marker views, as widgets of their own (no page shows them yet): which
// devices they load with which corrections, their default position rows, the state line of a marker, the
// colours, the panels opened by a press and a refresh pass that ends although the devices stay silent.
// Device ticks are driven by hand.

#include "pages/view3d/ac3dviewitem.h"
#include "pages/view3d/climatemarker.h"
#include "pages/view3d/floorheat3dviewitem.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "resources/stationresources.h"
#include "tests/panels/panelbus.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/projectfixture.h"
#include "tests/support/testenv.h"

#include <QMouseEvent>
#include <QtTest>

#include <cstring>

using namespace projectfixture;

namespace {

constexpr int manualTick = 3600 * 1000;

AirConditionerRow unit(int number, int device, const QString &remark = "Unit")
{
    AirConditionerRow row;
    row.number = number;
    row.device = device;
    row.remark = remark;
    return row;
}

void pressAt(QWidget *widget, const QPoint &at)
{
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class TestClimateViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void airConditionerCorrections();
    void floorHeatingDefaults();
    void eachViewTakesItsKind();
    void positionsAndDefaultRows();
    void stateText_data();
    void stateText();
    void longTextsAreCutAtCharacterBoundaries();
    void markerColours();
    void pressOpensThePanelCentred();
    void silentDevicesStillEndThePass();

private:
    template <class View> View *view();

    QTemporaryDir home;
    QScopedPointer<QWidget> widget;
    int roomId = 0;
};

void TestClimateViews::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
}

void TestClimateViews::init()
{
    REQUIRE_PRIVATE_NETWORK();
    QVERIFY(panelbus::open());
    DevicePanel::setTickInterval(manualTick);
    MarkerView3D::setStaggerInterval(10);
    MarkerView3D::setCheckInterval(10);
    gAppDirPath = home.path();
    openFreshDatabase(QDir(home.path()).filePath("climate.db3"));
    roomId = addPlace("North", "Ground", "101").roomId;
    QVERIFY(insertRow("tbl_3d_view_manager", {{"icon_name", "3d_view_03"}, {"room_id", roomId}}));
}

void TestClimateViews::cleanup()
{
    widget.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    MarkerView3D::setStaggerInterval(100);
    MarkerView3D::setCheckInterval(100);
}

template <class View> View *TestClimateViews::view()
{
    auto *v = new View(nullptr);
    widget.reset(v);
    v->setFixedSize(800, 600);
    v->show();
    return v;
}

void TestClimateViews::airConditionerCorrections()
{
    AirConditionerRow infrared = unit(0, 30);
    infrared.type = AirConditionerInfrared;
    infrared.coolTemperature = 35;
    infrared.heatTemperature = 16;
    infrared.autoTemperature = 30;
    AirConditionerRow twoWay = unit(1, 31);
    twoWay.coolTemperature = 35;
    QVERIFY(addAirConditioner(roomId, infrared));
    QVERIFY(addAirConditioner(roomId, twoWay));
    auto *v = view<AC3DViewItem>();
    v->loadRoom(roomId);
    const auto entries = v->entries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).record.current_cool_temperature, 26);
    QCOMPARE(entries.at(0).record.current_heat_temperature, 26);
    QCOMPARE(entries.at(0).record.current_auto_temperature, 30);
    QCOMPARE(QByteArray(entries.at(0).record.high_limit), QByteArray("30-30-30"));
    QCOMPARE(QByteArray(entries.at(0).record.low_limit), QByteArray("17-17-17"));
    QCOMPARE(entries.at(1).record.current_cool_temperature, 35);
    QCOMPARE(QByteArray(entries.at(1).record.high_limit), QByteArray("60-60-60"));
    QCOMPARE(QByteArray(entries.at(1).record.low_limit), QByteArray("0-0-0"));
    QCOMPARE(v->iconName(), QString("3d_view_03"));
}

void TestClimateViews::floorHeatingDefaults()
{
    AirConditionerRow heating = unit(2, 32);
    heating.temperature = 45;
    AirConditionerRow limited = unit(3, 33);
    limited.highLimit = "40";
    limited.lowLimit = "5";
    QVERIFY(addAirConditioner(roomId, heating));
    QVERIFY(addAirConditioner(roomId, limited));
    auto *v = view<FloorHeat3DViewItem>();
    v->loadRoom(roomId);
    const auto entries = v->entries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).record.current_temperature, 45);
    QCOMPARE(QByteArray(entries.at(0).record.high_limit), QByteArray("60"));
    QCOMPARE(QByteArray(entries.at(0).record.low_limit), QByteArray("0"));
    QCOMPARE(QByteArray(entries.at(1).record.high_limit), QByteArray("40"));
    QCOMPARE(QByteArray(entries.at(1).record.low_limit), QByteArray("5"));
}

void TestClimateViews::eachViewTakesItsKind()
{
    QVERIFY(addAirConditioner(roomId, unit(3, 33)));
    auto *airConditioners = view<AC3DViewItem>();
    airConditioners->loadRoom(roomId);
    QCOMPARE(airConditioners->markerCount(), 0);
    FloorHeat3DViewItem heatings(nullptr);
    heatings.loadRoom(roomId);
    QCOMPARE(heatings.markerCount(), 1);
    QCOMPARE(heatings.entries().at(0).record.air_conditioner_no, 3);
    QCOMPARE(rowCount("tbl_3d_air_conditioner"), 1);
}

void TestClimateViews::positionsAndDefaultRows()
{
    QVERIFY(addAirConditioner(roomId, unit(0, 30)));
    QVERIFY(addAirConditioner(roomId, unit(1, 31)));
    QVERIFY(insertRow("tbl_3d_air_conditioner",
                      {{"air_conditioner_no", 1}, {"xp1", 300}, {"yp1", 200}, {"room_id", roomId}}));
    auto *v = view<AC3DViewItem>();
    v->loadRoom(roomId);
    QCOMPARE(v->markerPosition(0), QPoint(0, 0));
    QCOMPARE(v->markerPosition(1), QPoint(300, 200));
    QCOMPARE(value("select xp1 from tbl_3d_air_conditioner where air_conditioner_no=0 and room_id=?", {roomId}, "xp1"),
             QVariant(0));
    QCOMPARE(rowCount("tbl_3d_air_conditioner"), 2);
    v->loadRoom(roomId);
    QCOMPARE(rowCount("tbl_3d_air_conditioner"), 2);
}

void TestClimateViews::stateText_data()
{
    QTest::addColumn<bool>("floorHeating");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("text");
    const QString c = QString::fromUtf8("\xc2\xb0"
                                        "C");
    const QString f = QString::fromUtf8("\xc2\xb0"
                                        "F");
    QTest::newRow("off") << false << 0 << int(ModeHeat) << 0 << "OFF";
    QTest::newRow("cool") << false << 1 << int(ModeCool) << 0 << "21" + c;
    QTest::newRow("heat") << false << 1 << int(ModeHeat) << 0 << "22" + c;
    QTest::newRow("fan") << false << 1 << int(ModeFan) << 0 << "FAN";
    QTest::newRow("auto, Fahrenheit") << false << 1 << int(ModeAuto) << 1 << "23" + f;
    QTest::newRow("dry shows the cool set point") << false << 1 << int(ModeDry) << 0 << "21" + c;
    QTest::newRow("floor heating on") << true << 1 << int(ModeFan) << 0 << "25" + c;
    QTest::newRow("floor heating on, Fahrenheit") << true << 2 << 0 << 3 << "25" + f;
    QTest::newRow("floor heating off") << true << 0 << 0 << 0 << "OFF";
}

void TestClimateViews::stateText()
{
    QFETCH(bool, floorHeating);
    QFETCH(int, status);
    QFETCH(int, mode);
    QFETCH(int, unit);
    QFETCH(QString, text);
    airConditionerRecord record;
    std::memset(&record, 0, sizeof record);
    record.status = status;
    record.mode = mode;
    record.temperature_unit = unit;
    record.current_cool_temperature = 21;
    record.current_heat_temperature = 22;
    record.current_auto_temperature = 23;
    record.current_dry_temperature = 24;
    record.current_temperature = 25;
    QCOMPARE(climateStateText(record, floorHeating), text);
}

void TestClimateViews::longTextsAreCutAtCharacterBoundaries()
{
    const QString longText = QString(100, QChar(0x00E9)); // 200 bytes of UTF-8
    QVERIFY(addAirConditioner(roomId, unit(2, 32, "x" + longText)));
    auto *v = view<FloorHeat3DViewItem>();
    v->loadRoom(roomId);
    QCOMPARE(QByteArray(v->entries().at(0).record.remark), ("x" + longText.left(63)).toUtf8());
}

void TestClimateViews::markerColours()
{
    AirConditionerRow on = unit(0, 30);
    on.status = 1;
    QVERIFY(addAirConditioner(roomId, on));
    QVERIFY(addAirConditioner(roomId, unit(1, 31)));
    QVERIFY(insertRow("tbl_3d_air_conditioner",
                      {{"air_conditioner_no", 0}, {"xp1", 100}, {"yp1", 100}, {"room_id", roomId}}));
    QVERIFY(insertRow("tbl_3d_air_conditioner",
                      {{"air_conditioner_no", 1}, {"xp1", 300}, {"yp1", 100}, {"room_id", roomId}}));
    auto *v = view<AC3DViewItem>();
    v->loadRoom(roomId);
    const QImage shot = v->grab().toImage();
    QCOMPARE(shot.pixelColor(100 + 8, 100 + 40), QColor(0x1f, 0x29, 0x33));
    QCOMPARE(shot.pixelColor(300 + 8, 100 + 40), QColor(0x3d, 0x53, 0x66));
}

void TestClimateViews::pressOpensThePanelCentred()
{
    QVERIFY(addAirConditioner(roomId, unit(2, 32)));
    QVERIFY(insertRow("tbl_3d_air_conditioner",
                      {{"air_conditioner_no", 2}, {"xp1", 100}, {"yp1", 100}, {"room_id", roomId}}));
    auto *v = view<FloorHeat3DViewItem>();
    v->loadRoom(roomId);
    QWidget *panel = v->markerPanel(0);
    QVERIFY(!panel->isVisible());
    pressAt(v, QPoint(179, 179));
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), QPoint((800 - panel->width()) / 2, (600 - panel->height()) / 2));
    pressAt(v, QPoint(180, 100));
    QVERIFY(!panel->isVisible());
}

void TestClimateViews::silentDevicesStillEndThePass()
{
    QVERIFY(addAirConditioner(roomId, unit(0, 30)));
    QVERIFY(addAirConditioner(roomId, unit(1, 31)));
    auto *v = view<AC3DViewItem>();
    v->loadRoom(roomId);
    v->refresh();
    QVERIFY(v->isRefreshRunning());
    QTRY_VERIFY(v->markerPanel(1)->readRuns());
    for (int i = 0; i < 2; ++i) {
        for (int tick = 0; tick < 10 && !v->markerPanel(i)->isRefreshFinished(); ++tick)
            v->markerPanel(i)->slotsGetStatus();
    }
    QTRY_VERIFY(v->isRefreshFinished());
    QVERIFY(!v->isRefreshRunning());
}

QTEST_MAIN(TestClimateViews)
#include "tst_climateviews.moc"
