// The whole station as main() builds it: the page table registered, the real main window shown, a small project
// with a room, its devices, a template, a mood and a message definition. Every page id is asked for as a user's
// navigation asks for it and must show its own page in the page area; every card of the settings menu, pressed
// after the unlock dialog has accepted, must lead to its page; and the network page must search, read and write a
// simulated gateway from the running station.

#include "app/pagetable.h"
#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "resources/stationresources.h"
#include "shell/mainwindow.h"
#include "shell/mydialog.h"
#include "shell/orvmessagebox.h"
#include "shell/settingitem.h"
#include "shell/unlockdlg.h"
#include "tests/app/stationpages.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/projectfixture.h"
#include "tests/support/simulatedgateway.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QtTest>

class TestStationWalk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyPageIdShowsItsPage_data();
    void everyPageIdShowsItsPage();
    void settingCardsLeadToTheirPages_data();
    void settingCardsLeadToTheirPages();
    void networkPageTalksToTheGateway();

private:
    void buildProject();
    // The one page visible in the page area; fails the test when there is none or more than one.
    MyDialog *shownPage() const;
    void openSettingMenu();
    static void pressCard(QWidget *card);

    QTemporaryDir home;
    stationpages::FixtureIds ids;
    QScopedPointer<SimulatedGateway> gateway;
    QScopedPointer<MainWindow> window;
    QStringList boxes;
    bool boxTicks = false;
    int unlockAnswer = QDialog::Rejected;
    int unlockRuns = 0;
    QStringList toasts;
};

void TestStationWalk::initTestCase()
{
    REQUIRE_PRIVATE_NETWORK();
    testenv::useFreshHome(home);
    initStationResources();
    stationfixture::prepareProject(home.path(), LocalNetwork);
    buildProject();
    registerStationPages();

    UnlockDlg::setExecHook([this](UnlockDlg &) {
        ++unlockRuns;
        return unlockAnswer;
    });
    // Confirmations are answered Ok; the network page's "synchronise" tick is set as the test wants.
    ORVMessageBox::setExecHook([this](ORVMessageBox &box) {
        boxes << box.text();
        if (auto *tick = box.findChild<QtMaterialCheckBox *>("checkBox"))
            tick->setChecked(boxTicks);
        if (auto *ok = box.findChild<QAbstractButton *>("pushButtonOk")) {
            ok->click();
            return box.result();
        }
        return int(QDialog::Accepted);
    });
    connect(&gBroadcastSocket, &BroadcastSocket::signalsInformation, this, [this](QString text) { toasts << text; });

    // The gateway shares the bus port with the station, so it is there before the station opens its network.
    gateway.reset(new SimulatedGateway(stationfixture::stationSubnet, stationfixture::stationDevice));
    QVERIFY(gateway->isBound());

    // As main() does: page layouts follow the primary screen's width.
    gScreenWidth = QGuiApplication::primaryScreen()->geometry().width();
    window.reset(new MainWindow(nullptr));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    QTRY_VERIFY(gBroadcastSocket.hasUsableUdpSocket());
}

void TestStationWalk::cleanupTestCase()
{
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    gateway.reset();
    gBroadcastSocket.shutDown();
    UnlockDlg::setExecHook({});
    ORVMessageBox::setExecHook({});
    gDatabase.close();
}

void TestStationWalk::buildProject()
{
    const projectfixture::Place place = projectfixture::addPlace("North", "Ground", "101");
    QVERIFY(place.roomId > 0);
    ids.roomId = place.roomId;
    ids.roomName = "North-Ground-101";

    projectfixture::LightRow light;
    light.lightId = ids.lightId;
    QVERIFY(projectfixture::addLight(ids.roomId, light));
    projectfixture::AirConditionerRow ac;
    ac.number = ids.airConditionerNo;
    QVERIFY(projectfixture::addAirConditioner(ids.roomId, ac));
    projectfixture::AirConditionerRow heating;
    heating.number = ids.floorHeatNo;
    heating.remark = "Floor";
    heating.device = 31;
    QVERIFY(projectfixture::addAirConditioner(ids.roomId, heating));
    QVERIFY(projectfixture::insertRow("tbl_panel", {{"panel_id", ids.panelId},
                                                    {"panel_remark", "Door"},
                                                    {"subnet_id", 1},
                                                    {"device_id", 40},
                                                    {"room_id", ids.roomId}}));
    QVERIFY(projectfixture::addMood(ids.roomId, ids.moodId, "Evening"));
    QVERIFY(projectfixture::addOccupation(ids.roomId, 0, 1, 50, 1));
    QVERIFY(projectfixture::addMaster(ids.roomId, 1, 50, 2));

    QVERIFY(projectfixture::insertRow("tbl_room_template", {{"room_template_id", ids.templateId},
                                                            {"room_template_name", "Standard"},
                                                            {"room_template_icon_name", "room_01"}}));
    QVERIFY(projectfixture::insertRow("tbl_template_light", {{"template_light_id", ids.templateLightId},
                                                             {"light_type", 1},
                                                             {"light_remark", "Desk"},
                                                             {"icon_name", "light_01_on"},
                                                             {"room_template_id", ids.templateId}}));
    QVERIFY(projectfixture::insertRow(
        "tbl_template_panel",
        {{"template_panel_id", ids.templatePanelId}, {"panel_remark", "Door"}, {"room_template_id", ids.templateId}}));
    QVERIFY(projectfixture::insertRow("tbl_message", {{"message_id", ids.messageId},
                                                      {"message_type", 1},
                                                      {"message_remark", "Help"},
                                                      {"icon_name", "message_01"},
                                                      {"universal_switch_no", 200}}));
}

MyDialog *TestStationWalk::shownPage() const
{
    QList<MyDialog *> shown;
    for (MyDialog *page : window->pageArea()->findChildren<MyDialog *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (page->isVisible())
            shown << page;
    }
    if (shown.size() != 1) {
        QStringList names;
        for (MyDialog *page : shown)
            names << page->pageId();
        qWarning("%d pages shown: %s", int(shown.size()), qPrintable(names.join(", ")));
        return nullptr;
    }
    return shown.first();
}

void TestStationWalk::everyPageIdShowsItsPage_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("prm1");
    QTest::addColumn<QString>("prm2");
    for (const stationpages::PageRequest &page : stationpages::table(ids))
        QTest::newRow(qPrintable(page.id)) << page.id << QString(page.className) << page.name << page.prm1 << page.prm2;
}

void TestStationWalk::everyPageIdShowsItsPage()
{
    QFETCH(QString, id);
    QFETCH(QString, className);
    QFETCH(QString, name);
    QFETCH(QString, prm1);
    QFETCH(QString, prm2);
    boxes.clear();

    emit gBroadcastSocket.signalsPageIdChanged(id, name, prm1, prm2);

    MyDialog *page = shownPage();
    QVERIFY(page);
    QCOMPARE(QString(page->metaObject()->className()), className);
    QCOMPARE(page->pageId(), id);
    QCOMPARE(page->pageName(), name);
    QVERIFY(page->isVisibleTo(window.data()));
    // The page fills a part of the window: a page that builds nothing has no size to show.
    QVERIFY(!page->size().isEmpty());
    QVERIFY(!page->children().isEmpty());
    QCOMPARE(window->messageStrip()->isVisible(), id == "Home");
    QCOMPARE(boxes, QStringList());
}

void TestStationWalk::openSettingMenu()
{
    emit gBroadcastSocket.signalsPageIdChanged("Home", "Home", "", "");
    QWidget *entry = window->findChild<QWidget *>("labelSetting");
    QVERIFY(entry);
    QTest::mouseClick(entry, Qt::LeftButton);
}

void TestStationWalk::pressCard(QWidget *card)
{
    // A card below the visible rows is scrolled to first, as a user would.
    for (QWidget *w = card->parentWidget(); w; w = w->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(w)) {
            area->ensureWidgetVisible(card);
            break;
        }
    }
    // The press lands where the card is in view: a user cannot press the part that is scrolled away.
    QTRY_VERIFY(!card->visibleRegion().isEmpty());
    const QPoint centre = card->visibleRegion().boundingRect().center();
    QTest::mousePress(card, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(card, Qt::LeftButton, Qt::NoModifier, centre);
}

void TestStationWalk::settingCardsLeadToTheirPages_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("className");
    const QStringList cards = {"Project Setting",       "Room Template",   "Rooms Manager",   "Message Manager",
                               "Change Device Address", "Network Setting", "3D View Manager", "About"};
    for (const QString &card : cards) {
        for (const stationpages::PageRequest &page : stationpages::table(ids)) {
            if (page.id == card)
                QTest::newRow(qPrintable(card)) << card << QString(page.className);
        }
    }
}

void TestStationWalk::settingCardsLeadToTheirPages()
{
    QFETCH(QString, card);
    QFETCH(QString, className);

    // A refused unlock leaves the station where it was.
    if (unlockRuns == 0) {
        unlockAnswer = QDialog::Rejected;
        openSettingMenu();
        QCOMPARE(unlockRuns, 1);
        QCOMPARE(shownPage()->pageId(), QString("Home"));
        unlockAnswer = QDialog::Accepted;
    }
    openSettingMenu();
    MyDialog *menu = shownPage();
    QVERIFY(menu);
    QCOMPARE(QString(menu->metaObject()->className()), QString("PageSetting"));

    SettingItem *target = nullptr;
    const QList<SettingItem *> items = menu->findChildren<SettingItem *>();
    QCOMPARE(items.size(), 8);
    for (SettingItem *item : items) {
        if (item->pageId() == card)
            target = item;
    }
    QVERIFY(target);
    QVERIFY(target->isVisible());
    pressCard(target);

    // The canvas's kinetic scroller may hold the press back for a moment before it hands the click on.
    QTRY_VERIFY(shownPage() && shownPage() != menu);
    MyDialog *page = shownPage();
    QCOMPARE(QString(page->metaObject()->className()), className);
    QCOMPARE(page->pageId(), card);
    QVERIFY(!page->children().isEmpty());
}

void TestStationWalk::networkPageTalksToTheGateway()
{
    openSettingMenu();
    SettingItem *card = nullptr;
    for (SettingItem *item : shownPage()->findChildren<SettingItem *>()) {
        if (item->pageId() == "Network Setting")
            card = item;
    }
    QVERIFY(card);
    pressCard(card);
    QTRY_VERIFY(shownPage() && shownPage()->pageId() != "Setting");
    MyDialog *page = shownPage();
    QVERIFY(page);
    QCOMPARE(page->pageId(), QString("Network Setting"));
    auto edit = [page](const char *name) { return page->findChild<QLineEdit *>(name); };
    auto combo = [page](const char *name) { return page->findChild<QComboBox *>(name); };

    // Search: the module's PRG frame fills the form, and its server and domain settings are read at once.
    toasts.clear();
    QTest::mouseClick(page->findChild<QWidget *>("labelSearch"), Qt::LeftButton);
    gateway->send(gatewaySearchFrame());
    QTRY_COMPARE(combo("comboBoxDomain")->currentText(), QString("gw.zoduv.invalid"));
    QCOMPARE(edit("lineEditSubnetId")->text(), QString::number(SimulatedGateway::subnet));
    QCOMPARE(edit("lineEditDeviceId")->text(), QString::number(SimulatedGateway::device));
    QCOMPARE(combo("comboBoxMac")->currentText(), QString("A1-B2-C3-D4-E5-F6-07-18"));
    QCOMPARE(edit("lineEditPassword")->text(), QString("wxyz"));
    QCOMPARE(gateway->payloads(), QList<QByteArray>({QByteArray("\x08", 1), QByteArray("\xBC\x01", 2)}));

    // Set: the form unlocked and saved with "synchronise" ticked writes the gateway, then stores the record.
    unlockAnswer = QDialog::Accepted;
    QTest::mousePress(edit("lineEditSubnetId"), Qt::LeftButton);
    edit("lineEditPassword")->setText("ab12");
    page->findChild<QAbstractButton *>("radioButtonServerIp")->click();
    boxTicks = true;
    page->findChild<QAbstractButton *>("pushButtonSave")->click();
    QTRY_VERIFY(toasts.contains("Synchronize successfully"));
    QCOMPARE(gateway->password, QByteArray("ab12"));
    QCOMPARE(gateway->serverType, quint8(1));
    QCOMPARE(gateway->payloads().at(2).at(0), char(0x09));
    QCOMPARE(projectfixture::value("select * from tbl_network", {}, "password").toString(), QString("ab12"));
    // The save ends on the settings menu.
    QTRY_COMPARE(shownPage()->pageId(), QString("Setting"));
}

QTEST_MAIN(TestStationWalk)
#include "tst_stationwalk.moc"
