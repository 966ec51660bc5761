// The lights of a room on its 3D picture, against simulated light controllers on loopback: what a load reads and
// inserts, the staggered refresh pass and its end, the panels opened and closed by presses, and the markers'
// colours. Device ticks are driven by hand (an hour apart) unless a test says otherwise.

#include "pages/view3d/light3dviewitem.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "resources/stationresources.h"
#include "tests/panels/panelbus.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/projectfixture.h"
#include "tests/support/testenv.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

using namespace projectfixture;
using panelbus::LightController;

namespace {

constexpr int manualTick = 3600 * 1000;
constexpr int viewWidth = 800;
constexpr int viewHeight = 600;

LightRow dimmer(int id, int device, int brightness = 0, const QString &remark = "Lamp")
{
    LightRow row;
    row.lightId = id;
    row.type = LightDimmer;
    row.subnet = 1;
    row.device = device;
    row.channel = 1;
    row.brightness = brightness;
    row.remark = remark;
    return row;
}

void pressAt(QWidget *widget, const QPoint &at, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

QStringList frameOpcodes(const SimulatedDevice &device)
{
    QStringList opcodes;
    for (const QString &frame : panelbus::framesTo(device))
        opcodes << frame.left(4);
    return opcodes;
}

} // namespace

class TestLightView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void loadReadsAddressedLightsAndPositions();
    void loadAgainReplacesThePanels();
    void refusedDefaultRowIsTold();
    void longTextsAreCutAtCharacterBoundaries();
    void refreshStartsPanelsApart();
    void refreshPassCopiesRecordsBack();
    void unansweredLightStillEndsThePass();
    void hiddenViewAbandonsThePass();
    void pressOpensThePanelCentred();
    void overlappingMarkersShowBothPanels();
    void operatedLightShowsOnWhenItsPanelCloses();
    void markerColours_data();
    void markerColours();

private:
    Light3DViewItem *view();
    SimulatedDevice *device(quint8 deviceId, const QByteArray &levels);
    QPoint storedPosition(int lightId) const;
    void place(int lightId, int x, int y);

    QTemporaryDir home;
    QScopedPointer<Light3DViewItem> item;
    QList<SimulatedDevice *> devices;
    QList<LightController *> controllers;
    int roomId = 0;
};

void TestLightView::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
}

void TestLightView::init()
{
    REQUIRE_PRIVATE_NETWORK();
    QVERIFY(panelbus::open());
    DevicePanel::setTickInterval(manualTick);
    MarkerView3D::setStaggerInterval(100);
    MarkerView3D::setCheckInterval(100);
    gAppDirPath = home.path();
    openFreshDatabase(QDir(home.path()).filePath("view.db3"));
    roomId = addPlace("North", "Ground", "101").roomId;
    QVERIFY(insertRow("tbl_3d_view_manager", {{"icon_name", "3d_view_04"}, {"room_id", roomId}}));
}

void TestLightView::cleanup()
{
    item.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qDeleteAll(devices);
    devices.clear();
    qDeleteAll(controllers);
    controllers.clear();
}

Light3DViewItem *TestLightView::view()
{
    item.reset(new Light3DViewItem(nullptr));
    item->setFixedSize(viewWidth, viewHeight);
    item->show();
    return item.data();
}

SimulatedDevice *TestLightView::device(quint8 deviceId, const QByteArray &levels)
{
    auto *state = new LightController;
    state->levels = levels;
    controllers << state;
    SimulatedDevice *d = panelbus::addDevice(1, deviceId, nullptr);
    devices << d;
    panelbus::actAsLightController(*d, state);
    return d;
}

QPoint TestLightView::storedPosition(int lightId) const
{
    const QString sql = "select xp1,yp1 from tbl_3d_view_light where light_id=? and room_id=?";
    const QVariant x = value(sql, {lightId, roomId}, "xp1");
    return x.isValid() ? QPoint(x.toInt(), value(sql, {lightId, roomId}, "yp1").toInt()) : QPoint(-1, -1);
}

void TestLightView::place(int lightId, int x, int y)
{
    QVERIFY(insertRow("tbl_3d_view_light", {{"light_id", lightId}, {"xp1", x}, {"yp1", y}, {"room_id", roomId}}));
}

void TestLightView::loadReadsAddressedLightsAndPositions()
{
    QVERIFY(addLight(roomId, dimmer(3, 20, 40)));
    LightRow unaddressed = dimmer(2, 0);
    unaddressed.subnet = 0;
    QVERIFY(addLight(roomId, unaddressed));
    LightRow hsb = dimmer(5, 21, (50 << 16) | (30 << 8) | 20);
    hsb.type = LightHsbRgb;
    QVERIFY(addLight(roomId, hsb));
    place(5, 300, 200);

    Light3DViewItem *v = view();
    QVERIFY(!v->isRefreshFinished());
    QCOMPARE(v->iconName(), QString());
    v->loadRoom(roomId);
    QCOMPARE(v->iconName(), QString("3d_view_04"));
    const auto entries = v->entries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).record.light_id, 3);
    QCOMPARE(entries.at(1).record.light_id, 5);
    QCOMPARE(QPoint(entries.at(0).xp1, entries.at(0).yp1), QPoint(0, 0));
    QCOMPARE(QPoint(entries.at(1).xp1, entries.at(1).yp1), QPoint(300, 200));
    QCOMPARE(entries.at(1).record.brightness[0], 50);
    QCOMPARE(entries.at(1).record.brightness[1], 30);
    QCOMPARE(entries.at(1).record.brightness[2], 20);
    QVERIFY(Light3DViewItem::isOn(entries.at(1).record));
    // A default row for the light without one, none for the light without an address.
    QCOMPARE(storedPosition(3), QPoint(0, 0));
    QCOMPARE(storedPosition(2), QPoint(-1, -1));
    QCOMPARE(rowCount("tbl_3d_view_light"), 2);
    for (const auto &entry : entries) {
        QVERIFY(entry.item);
        QCOMPARE(entry.item->parentWidget(), v);
        QVERIFY(entry.item->alwaysListens());
        QVERIFY(!entry.item->isVisible());
    }
    // No refresh is started by a load.
    QVERIFY(!v->isRefreshRunning());
}

void TestLightView::refusedDefaultRowIsTold()
{
    QVERIFY(addLight(roomId, dimmer(1, 20)));
    QVERIFY(addLight(roomId, dimmer(2, 21)));
    place(2, 120, 60);
    QVERIFY(gDatabase.execSql(
        "create trigger refuse before insert on tbl_3d_view_light begin select raise(abort, 'refused'); end"));
    QSignalSpy told(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    Light3DViewItem *v = view();
    v->loadRoom(roomId);
    // Told once for the load; the light without a row shows at the corner, the placed one where it is stored.
    QCOMPARE(told.count(), 1);
    const QString text = told.first().at(0).toString();
    QVERIFY2(text.startsWith("The 3D positions of this room could not be read or stored: ") && text.contains("refused"),
             qPrintable(text));
    QCOMPARE(v->markerCount(), 2);
    QCOMPARE(v->markerPosition(0), QPoint(0, 0));
    QCOMPARE(v->markerPosition(1), QPoint(120, 60));
    QCOMPARE(rowCount("tbl_3d_view_light"), 1);

    // A load that stores everything tells nothing.
    QVERIFY(gDatabase.execSql("drop trigger refuse"));
    v->loadRoom(roomId);
    QCOMPARE(told.count(), 1);
    QCOMPARE(storedPosition(1), QPoint(0, 0));
}

void TestLightView::loadAgainReplacesThePanels()
{
    QVERIFY(addLight(roomId, dimmer(1, 20)));
    Light3DViewItem *v = view();
    v->loadRoom(roomId);
    QPointer<LightItem> old = v->entries().at(0).item;
    const int other = addRoom(1, 1, "102");
    QVERIFY(insertRow("tbl_3d_view_manager", {{"icon_name", "3d_view_06"}, {"room_id", other}}));
    QVERIFY(addLight(other, dimmer(1, 30)));
    QVERIFY(addLight(other, dimmer(2, 31)));
    v->loadRoom(other);
    QCOMPARE(v->iconName(), QString("3d_view_06"));
    QCOMPARE(v->entries().size(), 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);
    // A room without a picture row keeps the name held so far.
    v->loadRoom(addRoom(1, 1, "103"));
    QCOMPARE(v->iconName(), QString("3d_view_06"));
    QCOMPARE(v->entries().size(), 0);
}

void TestLightView::longTextsAreCutAtCharacterBoundaries()
{
    const QString longText = QString(100, QChar(0x00E9)); // 200 bytes of UTF-8
    LightRow row = dimmer(1, 20, 0, "x" + longText);
    row.iconOff = "y" + longText;
    QVERIFY(addLight(roomId, row));
    Light3DViewItem *v = view();
    v->loadRoom(roomId);
    const lightRecord record = v->entries().at(0).record;
    QCOMPARE(QByteArray(record.light_remark), ("x" + longText.left(63)).toUtf8());
    QCOMPARE(QByteArray(record.icon_name_of_light_off), ("y" + longText.left(31)).toUtf8());
}

void TestLightView::refreshStartsPanelsApart()
{
    SimulatedDevice *first = device(20, QByteArray("\x10", 1));
    SimulatedDevice *second = device(21, QByteArray("\x20", 1));
    QVERIFY(addLight(roomId, dimmer(1, 20)));
    QVERIFY(addLight(roomId, dimmer(2, 21)));
    // The gap between two starts is made an hour long: only the first light is read.
    MarkerView3D::setStaggerInterval(manualTick);
    Light3DViewItem *v = view();
    v->loadRoom(roomId);
    v->refresh();
    QVERIFY(v->isRefreshRunning());
    QTRY_VERIFY(v->entries().at(0).item->isRefreshFinished());
    QVERIFY(panelbus::settle(*first));
    QVERIFY(panelbus::settle(*second));
    QCOMPARE(frameOpcodes(*first), (QStringList{"EFFD", "0033"}));
    QVERIFY(frameOpcodes(*second).isEmpty());
    QVERIFY(v->entries().at(1).item->hasPendingTick());
    // Entries before the first unfinished panel are copied on every check already.
    QTRY_COMPARE(v->entries().at(0).record.brightness[0], 0x10);
    QVERIFY(!v->isRefreshFinished());
    QVERIFY(v->isRefreshRunning());
}

void TestLightView::refreshPassCopiesRecordsBack()
{
    SimulatedDevice *a = device(20, QByteArray("\x10", 1));
    SimulatedDevice *b = device(21, QByteArray("\x00", 1));
    SimulatedDevice *c = device(22, QByteArray("\x30", 1));
    QVERIFY(addLight(roomId, dimmer(1, 20)));
    QVERIFY(addLight(roomId, dimmer(2, 21, 60)));
    QVERIFY(addLight(roomId, dimmer(3, 22)));
    MarkerView3D::setStaggerInterval(10);
    MarkerView3D::setCheckInterval(10);
    Light3DViewItem *v = view();
    v->loadRoom(roomId);
    v->refresh();
    QTRY_VERIFY(v->isRefreshFinished());
    QVERIFY(!v->isRefreshRunning());
    const auto entries = v->entries();
    QCOMPARE(entries.at(0).record.brightness[0], 0x10);
    QCOMPARE(entries.at(1).record.brightness[0], 0);
    QCOMPARE(entries.at(2).record.brightness[0], 0x30);
    for (SimulatedDevice *d : {a, b, c}) {
        QVERIFY(panelbus::settle(*d));
        QCOMPARE(frameOpcodes(*d), (QStringList{"EFFD", "0033"}));
    }
    // A new pass starts the reads again.
    v->refresh();
    QVERIFY(!v->isRefreshFinished());
    QTRY_VERIFY(v->isRefreshFinished());
    QVERIFY(panelbus::settle(*c));
    QCOMPARE(frameOpcodes(*c).size(), 4);
}

void TestLightView::unansweredLightStillEndsThePass()
{
    SimulatedDevice *silent = device(20, QByteArray("\x10", 1));
    silent->answers = false;
    QVERIFY(addLight(roomId, dimmer(1, 20, 33)));
    MarkerView3D::setCheckInterval(10);
    Light3DViewItem *v = view();
    v->loadRoom(roomId);
    v->refresh();
    LightItem *panel = v->entries().at(0).item;
    // Ten unanswered frames, the ticks given by hand.
    for (int i = 0; i < 10 && !panel->isRefreshFinished(); ++i)
        panel->slotsGetStatus();
    QVERIFY(panel->isRefreshFinished());
    QTRY_VERIFY(v->isRefreshFinished());
    QCOMPARE(v->entries().at(0).record.brightness[0], 33);
}

void TestLightView::hiddenViewAbandonsThePass()
{
    device(20, QByteArray("\x10", 1));
    QVERIFY(addLight(roomId, dimmer(1, 20)));
    MarkerView3D::setCheckInterval(10);
    Light3DViewItem *v = view();
    v->loadRoom(roomId);
    v->hide();
    v->refresh();
    QVERIFY(v->isRefreshRunning());
    QTRY_VERIFY(!v->isRefreshRunning());
    QVERIFY(!v->isRefreshFinished());
}

void TestLightView::pressOpensThePanelCentred()
{
    QVERIFY(addLight(roomId, dimmer(1, 20)));
    QVERIFY(addLight(roomId, dimmer(2, 21)));
    place(1, 100, 100);
    place(2, 600, 400);
    Light3DViewItem *v = view();
    v->loadRoom(roomId);
    LightItem *one = v->entries().at(0).item;
    LightItem *two = v->entries().at(1).item;
    QCOMPARE(one->size(), QSize(500, 320));

    pressAt(v, QPoint(180, 180)); // the box's bottom-right pixel is (179, 179)
    QVERIFY(!one->isVisible());
    pressAt(v, QPoint(179, 100), Qt::RightButton);
    QVERIFY(one->isVisible());
    QVERIFY(!two->isVisible());
    QCOMPARE(one->pos(), QPoint((viewWidth - 500) / 2, (viewHeight - 320) / 2));
    QCOMPARE(two->pos(), one->pos());

    pressAt(v, QPoint(640, 440));
    QVERIFY(!one->isVisible());
    QVERIFY(two->isVisible());
    pressAt(v, QPoint(5, 5));
    QVERIFY(!one->isVisible());
    QVERIFY(!two->isVisible());
}

void TestLightView::overlappingMarkersShowBothPanels()
{
    QVERIFY(addLight(roomId, dimmer(1, 20)));
    QVERIFY(addLight(roomId, dimmer(2, 21)));
    place(1, 100, 100);
    place(2, 140, 140);
    Light3DViewItem *v = view();
    v->loadRoom(roomId);
    pressAt(v, QPoint(160, 160));
    LightItem *one = v->entries().at(0).item;
    LightItem *two = v->entries().at(1).item;
    QVERIFY(one->isVisible());
    QVERIFY(two->isVisible());
    // The later light lies on top: later siblings are stacked above earlier ones.
    QVERIFY(v->children().indexOf(two) > v->children().indexOf(one));
}

void TestLightView::operatedLightShowsOnWhenItsPanelCloses()
{
    SimulatedDevice *d = device(20, QByteArray("\x00", 1));
    QVERIFY(addLight(roomId, dimmer(1, 20)));
    place(1, 100, 100);
    Light3DViewItem *v = view();
    v->loadRoom(roomId);
    LightItem *panel = v->entries().at(0).item;
    pressAt(v, QPoint(120, 120));
    QVERIFY(panel->isVisible());
    panel->slotsLightStatus(100); // what "all on" does to a visible panel
    QVERIFY(panelbus::settle(*d));
    QVERIFY(panelbus::framesTo(*d).contains("0031:01640000"));
    QCOMPARE(v->entries().at(0).record.brightness[0], 0);
    pressAt(v, QPoint(500, 500));
    QVERIFY(!panel->isVisible());
    QCOMPARE(v->entries().at(0).record.brightness[0], 100);
    QVERIFY(Light3DViewItem::isOn(v->entries().at(0).record));
    const QImage shot = v->grab().toImage();
    QCOMPARE(shot.pixelColor(100 + 8, 100 + 40), QColor(0x1f, 0x29, 0x33));
}

void TestLightView::markerColours_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<int>>("levels"); // own row, then the channel rows of an RGB light
    QTest::addColumn<bool>("on");
    QTest::newRow("dimmer off") << int(LightDimmer) << QList<int>{0} << false;
    QTest::newRow("dimmer below zero") << int(LightDimmer) << QList<int>{-5} << false;
    QTest::newRow("dimmer on") << int(LightDimmer) << QList<int>{1} << true;
    QTest::newRow("RGB, only blue on") << int(LightRgb) << QList<int>{0, 0, 50} << true;
    QTest::newRow("RGB, all off") << int(LightRgb) << QList<int>{0, 0, 0, 0} << false;
    QTest::newRow("HSB, level 0 with hue") << int(LightHsbRgb) << QList<int>{(0 << 16) | (30 << 8) | 20} << false;
    QTest::newRow("DALI DT8 on") << int(LightDaliDt8) << QList<int>{(40 << 8) | 7} << true;
}

void TestLightView::markerColours()
{
    QFETCH(int, type);
    QFETCH(QList<int>, levels);
    QFETCH(bool, on);
    LightRow own = dimmer(1, 20, levels.at(0));
    own.type = type;
    own.rgb = type == LightRgb ? 1 : 0;
    own.iconOn = "light_02_on";
    own.iconOff = "light_02_off";
    QVERIFY(addLight(roomId, own));
    for (int i = 1; i < levels.size(); ++i) {
        LightRow channel = dimmer(1, 20, levels.at(i));
        channel.rgb = i + 1;
        channel.channel = i + 1;
        QVERIFY(addLight(roomId, channel));
    }
    place(1, 200, 100);
    Light3DViewItem *v = view();
    v->loadRoom(roomId);
    QCOMPARE(Light3DViewItem::isOn(v->entries().at(0).record), on);
    const QImage shot = v->grab().toImage();
    QCOMPARE(shot.pixelColor(200 + 8, 100 + 40), on ? QColor(0x1f, 0x29, 0x33) : QColor(0x3d, 0x53, 0x66));
}

QTEST_MAIN(TestLightView)
#include "tst_lightview.moc"
