// A room's operation page in the station's own window, opened through the hub as a room card opens it: which tabs
// a room gets, the staggered refresh of the shown tab under its banner with the times kept per room and kind, the
// All switch, Back, and the grids of panels and mood cards. Simulated devices answer on loopback.

#include "app/pagetable.h"
#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmaterialtabs.h"
#include "pages/rooms/pageroomoperate.h"
#include "pages/rooms/pageroomoperateac.h"
#include "pages/rooms/pageroomoperatefloorheat.h"
#include "pages/rooms/pageroomoperatelighting.h"
#include "pages/rooms/pageroomoperatemoods.h"
#include "panels/devicepanel.h"
#include "panels/lightitem.h"
#include "panels/occupationmasteritem.h"
#include "panels/refreshingctrl.h"
#include "resources/stationresources.h"
#include "shell/mainwindow.h"
#include "tests/panels/panelbus.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/projectfixture.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QtTest>

Q_DECLARE_METATYPE(projectfixture::LightRow)

using namespace projectfixture;

namespace {

constexpr int manualTick = 3600 * 1000;
const QString operateRoom = QStringLiteral("Operate Room");

LightRow light(int lightId, int device, int type = 1)
{
    LightRow r;
    r.lightId = lightId;
    r.type = type;
    r.remark = QString("Light %1").arg(lightId);
    r.subnet = 1;
    r.device = device;
    r.channel = 1;
    return r;
}

AirConditionerRow climate(int number, int device)
{
    AirConditionerRow r;
    r.number = number;
    r.remark = QString("Unit %1").arg(number);
    r.subnet = 1;
    r.device = device;
    return r;
}

QStringList tabTexts(QtMaterialTabs *tabs)
{
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    return texts;
}

} // namespace

class TestRoomOperate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tabsFollowTheRoomsDevices_data();
    void tabsFollowTheRoomsDevices();
    void firstTabRefreshesStaggeredUnderTheBanner();
    void refreshTimesPerRoomAndKind();
    void refreshPictureStartsOver();
    void entriesThatKeepTheTabs_data();
    void entriesThatKeepTheTabs();
    void hiddenPageIgnoresEntry();
    void tabChangeStopsAndRefreshesTheChosenTab();
    void leavingDuringARefreshGivesNoSuccess();
    void allSwitchReachesOnlyTheShownTab();
    void moodsTabSendsNothing();
    void tabWithoutPanelsEndsWithTheStrip();
    void controlRow();
    void panelGrid_data();
    void panelGrid();
    void loadReplacesThePanels();

private:
    PageRoomOperate *open(const QString &roomId = "1", const QString &resetTabs = "1");
    SimulatedDevice *lightController(quint8 device);
    SimulatedDevice *silentDevice(quint8 device);
    QString bannerStatus(PageRoomOperateDevices *tab) const
    {
        return tab->banner()->findChild<QtMaterialLabel *>("labelStatus")->text();
    }
    QString bannerLastUpdate(PageRoomOperateDevices *tab) const
    {
        return tab->banner()->findChild<QtMaterialLabel *>("labelLastUpdate")->text();
    }
    void pressAll(PageRoomOperateDevices *tab);

    QTemporaryDir home;
    QScopedPointer<MainWindow> window;
    QList<SimulatedDevice *> devices;
    QList<panelbus::LightController *> controllers;
    int roomId = 0;
    int otherRoomId = 0;
};

void TestRoomOperate::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
    registerStationPages();
}

void TestRoomOperate::init()
{
    REQUIRE_PRIVATE_NETWORK();
    stationfixture::prepareProject(home.path(), LocalNetwork);
    gScreenWidth = 1920;
    DevicePanel::setTickInterval(manualTick);
    RefreshingCtrl::setStepInterval(100);
    roomId = addPlace("A", "1", "101").roomId;
    otherRoomId = addPlace("B", "2", "202").roomId;
    QCOMPARE(roomId, 1);
    QSignalSpy state(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);
    window.reset(new MainWindow);
    QTRY_COMPARE(state.size(), 1);
}

void TestRoomOperate::cleanup()
{
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qDeleteAll(devices);
    devices.clear();
    qDeleteAll(controllers);
    controllers.clear();
    gBroadcastSocket.shutDown();
    DevicePanel::setTickInterval(1000);
}

PageRoomOperate *TestRoomOperate::open(const QString &room, const QString &resetTabs)
{
    emit gBroadcastSocket.signalsPageIdChanged(operateRoom, "A-1-101", room, resetTabs);
    return qobject_cast<PageRoomOperate *>(window->page(operateRoom));
}

SimulatedDevice *TestRoomOperate::lightController(quint8 device)
{
    auto *d = new SimulatedDevice(1, device, BroadcastSocket::UdpPort);
    devices << d;
    auto *state = new panelbus::LightController;
    state->levels = QByteArray("\x20\x00\x00\x00", 4);
    controllers << state;
    panelbus::actAsLightController(*d, state);
    return d;
}

SimulatedDevice *TestRoomOperate::silentDevice(quint8 device)
{
    auto *d = new SimulatedDevice(1, device, BroadcastSocket::UdpPort);
    d->answers = false;
    devices << d;
    return d;
}

void TestRoomOperate::pressAll(PageRoomOperateDevices *tab)
{
    auto *all = tab->findChild<QtMaterialLabel *>("labelAll");
    QVERIFY(all);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(all, &press);
}

void TestRoomOperate::tabsFollowTheRoomsDevices_data()
{
    QTest::addColumn<QList<LightRow>>("lights");
    QTest::addColumn<QList<int>>("climateNumbers");
    QTest::addColumn<int>("moods");
    QTest::addColumn<QStringList>("tabs");

    LightRow noSubnet = light(1, 20);
    noSubnet.subnet = 0;
    LightRow noDevice = light(2, 0);
    LightRow channelRow = light(3, 20);
    channelRow.rgb = 2;
    LightRow rgbLight = light(4, 20, 2);
    rgbLight.rgb = 1;

    QTest::newRow("lights and moods") << QList<LightRow>{light(1, 20)} << QList<int>{} << 2
                                      << QStringList{"Lighting", "Moods"};
    QTest::newRow("floor heatings only") << QList<LightRow>{} << QList<int>{2, 3} << 0 << QStringList{"Floor Heat"};
    QTest::newRow("every kind") << QList<LightRow>{rgbLight} << QList<int>{3, 0} << 1
                                << QStringList{"Lighting", "AC", "Floor Heat", "Moods"};
    QTest::newRow("lights without address or own row")
        << QList<LightRow>{noSubnet, noDevice, channelRow} << QList<int>{} << 0 << QStringList{};
    QTest::newRow("climate numbers outside the tabs' filters")
        << QList<LightRow>{} << QList<int>{-1, 4} << 0 << QStringList{"AC", "Floor Heat"};
    QTest::newRow("nothing") << QList<LightRow>{} << QList<int>{} << 0 << QStringList{};
}

void TestRoomOperate::tabsFollowTheRoomsDevices()
{
    QFETCH(QList<LightRow>, lights);
    QFETCH(QList<int>, climateNumbers);
    QFETCH(int, moods);
    QFETCH(QStringList, tabs);

    for (const LightRow &row : lights)
        QVERIFY(addLight(roomId, row));
    for (int number : climateNumbers)
        QVERIFY(addAirConditioner(roomId, climate(number, 30 + number)));
    for (int i = 0; i < moods; ++i)
        QVERIFY(addMood(roomId, i + 1, QString("Mood %1").arg(i + 1)));
    // Another room's devices count for nothing here.
    QVERIFY(addLight(otherRoomId, light(9, 99)));

    PageRoomOperate *page = open();
    QVERIFY(page);
    QVERIFY(page->isVisible());
    QCOMPARE(page->roomId(), roomId);
    QCOMPARE(tabTexts(page->tabs()), tabs);
    QCOMPARE(page->tabs()->isVisible(), !tabs.isEmpty());

    const QList<QPair<QString, QWidget *>> pages = {{"Lighting", page->lightingPage()},
                                                    {"AC", page->acPage()},
                                                    {"Floor Heat", page->floorHeatPage()},
                                                    {"Moods", page->moodsPage()}};
    for (const auto &entry : pages)
        QCOMPARE(entry.second->isVisible(), !tabs.isEmpty() && entry.first == tabs.first());
    if (tabs.contains("Moods"))
        QCOMPARE(page->moodsPage()->cards().size(), moods);
    // The tabs of numbers outside 0..3 stay, without panels.
    if (QTest::currentDataTag() == QByteArray("climate numbers outside the tabs' filters")) {
        QVERIFY(page->acPage()->panels().isEmpty());
        QVERIFY(page->floorHeatPage()->panels().isEmpty());
    }
}

void TestRoomOperate::firstTabRefreshesStaggeredUnderTheBanner()
{
    QVERIFY(addLight(roomId, light(1, 20)));
    QVERIFY(addLight(roomId, light(2, 21)));
    SimulatedDevice *first = lightController(20);
    SimulatedDevice *second = lightController(21);
    QSignalSpy stops(&gBroadcastSocket, &BroadcastSocket::signalsStopRefresh);

    PageRoomOperate *page = open();
    PageRoomOperateLighting *tab = page->lightingPage();
    QVERIFY(tab->isVisible());
    const QList<DevicePanel *> panels = tab->panels();
    QCOMPARE(panels.size(), 2);
    // The tab change stopped everything before the refresh: the window's stop and the tab's own.
    QCOMPARE(stops.size(), 2);
    QCOMPARE(stops.last().first().toBool(), false);
    // The first panel reads at once, the second waits its 100 ms.
    QVERIFY(panels.at(0)->readRuns());
    QVERIFY(!panels.at(1)->readRuns());
    QVERIFY(panels.at(1)->hasPendingTick());
    QVERIFY(tab->banner()->isVisible());
    QCOMPARE(bannerStatus(tab), QString("Start Refreshing..."));
    QVERIFY(tab->isRefreshing());

    QTRY_VERIFY(panels.at(1)->readRuns());
    QTRY_VERIFY(!tab->isRefreshing());
    QCOMPARE(bannerStatus(tab), QString("Refresh Successfully"));
    QVERIFY(panels.at(0)->isRefreshFinished());
    QVERIFY(panels.at(1)->isRefreshFinished());
    QTRY_VERIFY(tab->banner()->isHidden());
    QCOMPARE(bannerStatus(tab), QString("Refresh Successfully"));
    QCOMPARE(panelbus::framesTo(*first), QStringList({"EFFD:", "0033:"}));
    QCOMPARE(panelbus::framesTo(*second), QStringList({"EFFD:", "0033:"}));
}

void TestRoomOperate::refreshTimesPerRoomAndKind()
{
    QVERIFY(addLight(roomId, light(1, 20)));
    lightController(20);

    const QString before = RefreshingCtrl::timeText(QDateTime::currentDateTime());
    PageRoomOperate *page = open();
    const QString after = RefreshingCtrl::timeText(QDateTime::currentDateTime());
    PageRoomOperateLighting *tab = page->lightingPage();
    const QString shown = bannerLastUpdate(tab).mid(QString("Last Update:").size());
    QVERIFY2(shown == before || shown == after, qPrintable(bannerLastUpdate(tab)));
    QCOMPARE(rowCount("tbl_last_update"), 1);
    QCOMPARE(rowCount("tbl_last_update", "last_update_id='1_lighting'"), 1);
    QTRY_VERIFY(!tab->isRefreshing());

    // The second refresh shows the first one's time (set apart from any real one here) and keeps one row.
    const QString first = "Mon Jan 5 08:30:00 2026";
    QVERIFY(gDatabase.execSql("update tbl_last_update set last_update_time=?", {first}));
    emit tab->findChild<QtMaterialLabel *>("labelRefresh")->signalsPressed();
    QCOMPARE(bannerLastUpdate(tab), "Last Update:" + first);
    QCOMPARE(rowCount("tbl_last_update"), 1);
    QVERIFY(value("select last_update_time from tbl_last_update", {}, "last_update_time").toString() != first);
}

void TestRoomOperate::refreshPictureStartsOver()
{
    QVERIFY(addLight(roomId, light(1, 20)));
    QVERIFY(addLight(roomId, light(2, 21)));
    SimulatedDevice *answering = lightController(20);
    SimulatedDevice *silent = silentDevice(21);
    PageRoomOperate *page = open();
    PageRoomOperateLighting *tab = page->lightingPage();
    const QList<DevicePanel *> panels = tab->panels();
    QTRY_VERIFY(panels.at(0)->isRefreshFinished());
    QTRY_VERIFY(panels.at(1)->readRuns());
    QVERIFY(!panels.at(1)->isRefreshFinished());
    QTRY_COMPARE(bannerStatus(tab), QString("Is Refreshing..."));
    QVERIFY(tab->isRefreshing());

    // Pressed again: the banner grows again from 20 px and the panels start over from the first. The silent light
    // now gives up after ten quick ticks; only then the success text comes.
    DevicePanel::setTickInterval(10);
    emit tab->findChild<QtMaterialLabel *>("labelRefresh")->signalsPressed();
    QCOMPARE(tab->banner()->height(), 20);
    QCOMPARE(bannerStatus(tab), QString("Start Refreshing..."));
    QVERIFY(panels.at(0)->readRuns());
    QVERIFY(!panels.at(0)->isRefreshFinished());
    QVERIFY(!panels.at(1)->readRuns());
    QVERIFY(!panels.at(1)->isRefreshFinished());
    QVERIFY(tab->isRefreshing());
    QTRY_VERIFY(panels.at(1)->isRefreshFinished());
    QTRY_VERIFY(!tab->isRefreshing());
    QCOMPARE(bannerStatus(tab), QString("Refresh Successfully"));
    QVERIFY(panels.at(0)->isRefreshFinished());
    QVERIFY(panelbus::settle(*answering));
    QCOMPARE(panelbus::opcodeCount(*answering, 0x0033), 2);
    QVERIFY(panelbus::settle(*silent));
    QCOMPARE(panelbus::opcodeCount(*silent, 0xEFFD), 11);
}

void TestRoomOperate::entriesThatKeepTheTabs_data()
{
    QTest::addColumn<QString>("resetTabs");
    QTest::addColumn<bool>("rebuilds");
    QTest::newRow("back") << "0" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("not a number") << "yes" << false;
    QTest::newRow("negative") << "-1" << false;
    QTest::newRow("two") << "2" << true;
}

void TestRoomOperate::entriesThatKeepTheTabs()
{
    QFETCH(QString, resetTabs);
    QFETCH(bool, rebuilds);

    QVERIFY(addLight(roomId, light(1, 20)));
    QVERIFY(addMood(roomId, 1, "Evening"));
    SimulatedDevice *device = lightController(20);
    PageRoomOperate *page = open();
    PageRoomOperateLighting *tab = page->lightingPage();
    QTRY_VERIFY(tab->banner()->isHidden());
    page->tabs()->setCurrentTab(1);
    QVERIFY(page->moodsPage()->isVisible());
    const QList<DevicePanel *> panels = tab->panels();
    const QList<QWidget *> cards = page->moodsPage()->cards();

    // Elsewhere, the room's devices change; then the page is entered again for the other room.
    emit gBroadcastSocket.signalsPageIdChanged("Setting", "Setting", "", "");
    QVERIFY(page->isHidden());
    QVERIFY(addAirConditioner(roomId, climate(2, 40)));
    QVERIFY(addLight(otherRoomId, light(1, 21)));
    QVERIFY(panelbus::settle(*device));
    const int framesBefore = device->framesFromStation.size();

    emit gBroadcastSocket.signalsPageIdChanged(operateRoom, "B-2-202", QString::number(otherRoomId), resetTabs);
    QVERIFY(page->isVisible());
    QCOMPARE(page->roomId(), otherRoomId);
    if (rebuilds) {
        QCOMPARE(tabTexts(page->tabs()), QStringList({"Lighting"}));
        QVERIFY(tab->isVisible());
        QVERIFY(tab->panels() != panels);
        QCOMPARE(tab->roomId(), otherRoomId);
        QVERIFY(tab->banner()->isVisible());
        return;
    }
    QCOMPARE(tabTexts(page->tabs()), QStringList({"Lighting", "Moods"}));
    QVERIFY(page->moodsPage()->isVisible());
    QVERIFY(!tab->isVisible());
    QCOMPARE(tab->panels(), panels);
    QCOMPARE(page->moodsPage()->cards(), cards);
    QCOMPARE(tab->roomId(), roomId);
    QVERIFY(tab->banner()->isHidden());
    QVERIFY(!tab->isRefreshing());
    QVERIFY(panelbus::settle(*device));
    QCOMPARE(device->framesFromStation.size(), framesBefore + 0);
}

void TestRoomOperate::hiddenPageIgnoresEntry()
{
    QVERIFY(addLight(roomId, light(1, 20)));
    lightController(20);
    PageRoomOperate *page = open();
    QTRY_VERIFY(!page->lightingPage()->isRefreshing());
    emit gBroadcastSocket.signalsPageIdChanged("Setting", "Setting", "", "");
    QVERIFY(page->isHidden());

    QVERIFY(addMood(otherRoomId, 1, "Evening"));
    emit gBroadcastSocket.signalsPageEnter(QString::number(otherRoomId), "1");
    QCOMPARE(page->roomId(), roomId);
    QCOMPARE(tabTexts(page->tabs()), QStringList({"Lighting"}));
    QCOMPARE(page->lightingPage()->roomId(), roomId);
    QVERIFY(page->moodsPage()->cards().isEmpty());
}

void TestRoomOperate::tabChangeStopsAndRefreshesTheChosenTab()
{
    QVERIFY(addLight(roomId, light(1, 20)));
    QVERIFY(addMood(roomId, 1, "Evening"));
    silentDevice(20);
    PageRoomOperate *page = open();
    PageRoomOperateLighting *tab = page->lightingPage();
    DevicePanel *panel = tab->panels().first();
    QVERIFY(panel->readRuns());
    QVERIFY(tab->banner()->isVisible());

    QSignalSpy stops(&gBroadcastSocket, &BroadcastSocket::signalsStopRefresh);
    page->tabs()->setCurrentTab(1);
    QCOMPARE(stops.size(), 1);
    QVERIFY(page->moodsPage()->isVisible());
    QVERIFY(!tab->isVisible());
    QVERIFY(!panel->readRuns());
    QVERIFY(tab->banner()->isHidden());
    QTRY_VERIFY(!tab->isRefreshing());

    // The current tab clicked again refreshes it from the start.
    page->tabs()->setCurrentTab(0);
    QVERIFY(tab->isVisible());
    QVERIFY(panel->readRuns());
    page->tabs()->setCurrentTab(0);
    QCOMPARE(stops.size(), 3);
    QVERIFY(panel->readRuns());
    QCOMPARE(tab->banner()->height(), 20);
}

void TestRoomOperate::leavingDuringARefreshGivesNoSuccess()
{
    QVERIFY(addLight(roomId, light(1, 20)));
    silentDevice(20);
    PageRoomOperate *page = open();
    PageRoomOperateLighting *tab = page->lightingPage();
    QVERIFY(tab->isRefreshing());
    DevicePanel *panel = tab->panels().first();

    emit gBroadcastSocket.signalsPageIdChanged("Setting", "Setting", "", "");
    QVERIFY(tab->banner()->isHidden());
    QVERIFY(!panel->hasPendingTick());
    QTRY_VERIFY(!tab->isRefreshing());
    // The light gives up late; nothing ends the banner with success any more.
    QVERIFY(!panel->isRefreshFinished());
    QVERIFY(bannerStatus(tab) != "Refresh Successfully");
    QVERIFY(tab->banner()->isHidden());
}

void TestRoomOperate::allSwitchReachesOnlyTheShownTab()
{
    QVERIFY(addLight(roomId, light(1, 20)));
    QVERIFY(addLight(roomId, light(2, 21)));
    QVERIFY(addAirConditioner(roomId, climate(0, 30)));
    QVERIFY(addAirConditioner(roomId, climate(2, 31)));
    QVERIFY(addMood(roomId, 1, "Evening"));
    SimulatedDevice *first = lightController(20);
    SimulatedDevice *second = lightController(21);
    SimulatedDevice *ac = silentDevice(30);
    SimulatedDevice *floorHeat = silentDevice(31);
    QSignalSpy lightStatus(&gBroadcastSocket, &BroadcastSocket::signalsLightStatus);
    QSignalSpy acStatus(&gBroadcastSocket, &BroadcastSocket::signalsACStatus);
    // Frames of each kind at each device: lights 0x0031, air conditioners 0xE0EE, floor heatings 0xE3D8.
    auto controls = [&] {
        for (SimulatedDevice *d : {first, second, ac, floorHeat})
            if (!panelbus::settle(*d))
                return QList<int>();
        return QList<int>{panelbus::opcodeCount(*first, 0x0031), panelbus::opcodeCount(*second, 0x0031),
                          panelbus::opcodeCount(*ac, 0xE0EE), panelbus::opcodeCount(*floorHeat, 0xE3D8)};
    };

    PageRoomOperate *page = open();
    QCOMPARE(tabTexts(page->tabs()), QStringList({"Lighting", "AC", "Floor Heat", "Moods"}));
    PageRoomOperateLighting *tab = page->lightingPage();
    QCOMPARE(tab->allState(), 0);
    QVERIFY(lightStatus.isEmpty());
    QVERIFY(acStatus.isEmpty());

    pressAll(tab);
    QCOMPARE(tab->allState(), 100);
    QCOMPARE(lightStatus.size(), 1);
    QCOMPARE(lightStatus.last().first().toInt(), 100);
    QVERIFY(acStatus.isEmpty());
    QCOMPARE(controls(), QList<int>({1, 1, 0, 0}));

    pressAll(tab);
    QCOMPARE(tab->allState(), 0);
    QCOMPARE(lightStatus.last().first().toInt(), 0);
    QCOMPARE(controls(), QList<int>({2, 2, 0, 0}));

    // The AC tab's switch reaches the air conditioner only, not the floor heating of the hidden tab.
    page->tabs()->setCurrentTab(1);
    pressAll(page->acPage());
    QCOMPARE(page->acPage()->allState(), 1);
    QCOMPARE(acStatus.last().first().toInt(), 1);
    QCOMPARE(controls(), QList<int>({2, 2, 1, 0}));
    page->tabs()->setCurrentTab(2);
    pressAll(page->floorHeatPage());
    QCOMPARE(page->floorHeatPage()->allState(), 1);
    QCOMPARE(controls(), QList<int>({2, 2, 1, 1}));

    // On the moods tab every panel is hidden: a broadcast reaches none of them.
    page->tabs()->setCurrentTab(3);
    emit gBroadcastSocket.signalsLightStatus(100);
    emit gBroadcastSocket.signalsACStatus(0);
    QCOMPARE(controls(), QList<int>({2, 2, 1, 1}));

    // A rebuilding entry loads the tabs with their switches off again, and broadcasts nothing.
    const int broadcasts = lightStatus.size() + acStatus.size();
    open();
    QCOMPARE(tab->allState(), 0);
    QCOMPARE(page->acPage()->allState(), 0);
    QCOMPARE(page->floorHeatPage()->allState(), 0);
    QCOMPARE(lightStatus.size() + acStatus.size(), broadcasts);
}

void TestRoomOperate::moodsTabSendsNothing()
{
    QVERIFY(addMood(roomId, 2, "Night"));
    QVERIFY(addMood(roomId, 1, "Evening"));
    SimulatedDevice *listener = silentDevice(20);
    QVERIFY(panelbus::settle(*listener));
    const int before = listener->received.size();
    PageRoomOperate *page = open();
    QCOMPARE(tabTexts(page->tabs()), QStringList({"Moods"}));
    QVERIFY(page->moodsPage()->isVisible());
    QCOMPARE(page->moodsPage()->cards().size(), 2);
    page->tabs()->setCurrentTab(0);
    QVERIFY(panelbus::settle(*listener));
    // Only the probe of settle itself went out.
    QCOMPARE(listener->received.size(), before + 1);
}

void TestRoomOperate::tabWithoutPanelsEndsWithTheStrip()
{
    QVERIFY(addAirConditioner(roomId, climate(-1, 30)));
    QVERIFY(addOccupation(roomId, 0, 1, 40, 1));
    SimulatedDevice *sensor = silentDevice(40);
    PageRoomOperate *page = open();
    QCOMPARE(tabTexts(page->tabs()), QStringList({"AC"}));
    PageRoomOperateAC *tab = page->acPage();
    QVERIFY(tab->isVisible());
    QVERIFY(tab->panels().isEmpty());
    QVERIFY(tab->occupationStrip()->isOccupationConfigured());
    QVERIFY(tab->banner()->isVisible());
    QVERIFY(!tab->occupationStrip()->isRefreshFinished());
    tab->finishRefresh();
    QVERIFY(tab->isRefreshing());
    QVERIFY(bannerStatus(tab) != "Refresh Successfully");

    // The sensor stays silent: the strip gives up after ten ticks, and the banner ends with success.
    DevicePanel::setTickInterval(10);
    emit tab->findChild<QtMaterialLabel *>("labelRefresh")->signalsPressed();
    QTRY_VERIFY(!tab->isRefreshing());
    QVERIFY(tab->occupationStrip()->isRefreshFinished());
    QCOMPARE(bannerStatus(tab), QString("Refresh Successfully"));
    QTRY_VERIFY(tab->banner()->isHidden());
    QVERIFY(panelbus::settle(*sensor));
    QCOMPARE(panelbus::opcodeCount(*sensor, 0x012C), 11);
}

void TestRoomOperate::controlRow()
{
    QVERIFY(addLight(roomId, light(1, 20)));
    lightController(20);
    PageRoomOperate *page = open();
    struct Expected
    {
        PageRoomOperateDevices *tab;
        QString tip;
    };
    const QList<Expected> tabs = {{page->lightingPage(), "Refresh All Ligths Information"},
                                  {page->acPage(), "Refresh All ACs Information"},
                                  {page->floorHeatPage(), "Refresh All FHs Information"}};
    for (const Expected &e : tabs) {
        auto *refresh = e.tab->findChild<QtMaterialLabel *>("labelRefresh");
        QCOMPARE(refresh->toolTip(), e.tip);
        QCOMPARE(refresh->size(), QSize(36, 36));
        QCOMPARE(e.tab->findChild<QtMaterialLabel *>("labelAll")->size(), QSize(64, 36));
        QCOMPARE(e.tab->findChild<QtMaterialLabel *>("labelAllOff")->text(), QString("All Off"));
        QCOMPARE(e.tab->findChild<QtMaterialLabel *>("labelAllOn")->text(), QString("All On"));
    }
}

void TestRoomOperate::panelGrid_data()
{
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("lights");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<int>("stretchColumn");
    QTest::addColumn<int>("stretchRow");

    QTest::newRow("1920, two panels") << 1920 << 2 << 3 << 105 << 2 << 1;
    QTest::newRow("1920, one full row") << 1920 << 3 << 3 << 105 << 3 << 1;
    QTest::newRow("1920, four panels") << 1920 << 4 << 3 << 105 << 3 << 2;
    QTest::newRow("1280") << 1280 << 3 << 2 << 93 << 2 << 2;
    QTest::newRow("1000, a multiple of 500") << 1000 << 2 << 1 << 250 << 1 << 2;
    QTest::newRow("500, narrow") << 500 << 2 << 1 << 0 << 1 << 2;
    QTest::newRow("320, narrower than a panel") << 320 << 1 << 1 << 0 << 1 << 1;
}

void TestRoomOperate::panelGrid()
{
    QFETCH(int, screenWidth);
    QFETCH(int, lights);
    QFETCH(int, columns);
    QFETCH(int, spacing);
    QFETCH(int, stretchColumn);
    QFETCH(int, stretchRow);

    gScreenWidth = screenWidth;
    for (int i = 0; i < lights; ++i) {
        QVERIFY(addLight(roomId, light(i + 1, 20 + i)));
        QVERIFY(addMood(roomId, i + 1, QString("Mood %1").arg(i + 1)));
    }
    PageRoomOperate *page = open();

    for (QWidget *box : {page->lightingPage()->findChild<QWidget *>("groupBoxPanels"),
                         page->moodsPage()->findChild<QWidget *>("groupBoxMoods")}) {
        auto *grid = qobject_cast<QGridLayout *>(box->layout());
        QVERIFY(grid);
        QCOMPARE(grid->horizontalSpacing(), spacing);
        QCOMPARE(grid->verticalSpacing(), 20);
        QCOMPARE(grid->columnStretch(stretchColumn), 1);
        QCOMPARE(grid->rowStretch(stretchRow), 1);
        for (int i = 0; i < lights; ++i) {
            int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(grid->indexOf(box == page->moodsPage()->findChild<QWidget *>("groupBoxMoods")
                                                    ? page->moodsPage()->cards().at(i)
                                                    : static_cast<QWidget *>(page->lightingPage()->panels().at(i))),
                                  &row, &column, &rowSpan, &columnSpan);
            QCOMPARE(row, i / columns);
            QCOMPARE(column, i % columns);
        }
    }
}

void TestRoomOperate::loadReplacesThePanels()
{
    QVERIFY(addLight(roomId, light(1, 20)));
    QVERIFY(addLight(roomId, light(2, 21)));
    QVERIFY(addLight(otherRoomId, light(1, 22)));
    QVERIFY(addMood(roomId, 1, "Evening"));
    QVERIFY(addMood(otherRoomId, 1, "Night"));
    PageRoomOperate *page = open();
    auto *grid = qobject_cast<QGridLayout *>(page->lightingPage()->findChild<QWidget *>("groupBoxPanels")->layout());
    QCOMPARE(page->lightingPage()->panels().size(), 2);
    QPointer<DevicePanel> old = page->lightingPage()->panels().first();

    open(QString::number(otherRoomId));
    QCOMPARE(page->lightingPage()->panels().size(), 1);
    QCOMPARE(qobject_cast<LightItem *>(page->lightingPage()->panels().first())->deviceInfo().device_id[0], 22);
    QCOMPARE(page->moodsPage()->cards().size(), 1);
    QCOMPARE(grid->horizontalSpacing(), 105);
    QCOMPARE(grid->columnStretch(1), 1);
    QCOMPARE(grid->columnStretch(2), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old.isNull());
}

QTEST_MAIN(TestRoomOperate)
#include "tst_roomoperate.moc"
