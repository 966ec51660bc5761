// Navigation by id with its signals in order, and the start-up selection of Home.

#include "shell/mainwindow.h"
#include "shell/menubar.h"
#include "shell/pagefactory.h"

#include "core/projectlist.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "tests/shell/shelltestpages.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QLayout>
#include <QSignalSpy>
#include <QTest>

class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUpShowsHomeWithoutEnter();
    void startUpReadsTheNetworkStyle_data();
    void startUpReadsTheNetworkStyle();
    void firstRequestCreatesTheSecondReuses();
    void signalsComeInOrder();
    void requestingTheVisiblePageEntersItAgain();
    void leaveComesBeforeTheNextPageIsEntered();
    void homeModeOnlyForHome();
    void unknownIdHidesEveryPage();
    void twoArgumentRequestEntersWithEmptyParameters();
    void requestFromEnterHandlerWins();
    void requestFromLeaveHandlerWins();
    void backWalksThePagesShown();

private:
    int visiblePages(const MainWindow &window) const;
    QTemporaryDir home;
};

void TestNavigation::initTestCase()
{
    testenv::useFreshHome(home);
    gAppDirPath = home.path();
    QDir(home.path()).mkpath("database");
}

void TestNavigation::init()
{
    // Every main window opens the station's network at start-up.
    REQUIRE_PRIVATE_NETWORK();
    PageFactory::resetCreators();
    useRecordingPages();
    eventLog().clear();
    QFile::remove(projectXmlPath());
}

void TestNavigation::cleanup()
{
    PageFactory::resetCreators();
}

int TestNavigation::visiblePages(const MainWindow &window) const
{
    int visible = 0;
    for (const auto &page : window.createdPages())
        visible += page && !page->isHidden();
    return visible;
}

void TestNavigation::startUpShowsHomeWithoutEnter()
{
    MainWindow window;
    logHubSignals(&window);
    QCOMPARE(window.createdPages().size(), 1);
    MyDialog *homePage = window.page("Home");
    QVERIFY(homePage);
    QVERIFY(!homePage->isHidden());
    QCOMPARE(homePage->parentWidget(), static_cast<QWidget *>(window.pageArea()));
    QCOMPARE(static_cast<RecordingPage *>(homePage)->enters, 0);
    QVERIFY(window.menu()->isHomeMode());
    QCOMPARE(window.menu()->currentPage().id, QString("Home"));
    QVERIFY(window.universalSwitchTimer().isActive());
    QCOMPARE(window.universalSwitchTimer().interval(), 1000);

    // The first navigation is the first enter.
    emit gBroadcastSocket.signalsPageIdChanged("Rooms", "Rooms");
    QVERIFY(eventLog().contains("enter:|"));
}

void TestNavigation::startUpReadsTheNetworkStyle_data()
{
    QTest::addColumn<bool>("writeList");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("project");
    QTest::newRow("no project list") << false << QString() << 0 << QString();
    QTest::newRow("cloud") << true << QString("1") << 1 << QString("Home");
    QTest::newRow("dns") << true << QString("2") << 2 << QString("Home");
    QTest::newRow("not a number") << true << QString("x") << 0 << QString("Home");
}

void TestNavigation::startUpReadsTheNetworkStyle()
{
    QFETCH(bool, writeList);
    QFETCH(QString, stored);
    QFETCH(int, expected);
    QFETCH(QString, project);
    if (writeList) {
        QVERIFY(createProjectXml());
        QVERIFY(setProjectProperty("Home", "network_type", stored));
    }
    gNetworkType = 7;

    QObject context;
    logHubSignals(&context);
    MainWindow window;
    QCOMPARE(gNetworkType, expected);
    const QStringList expectedLog = {"current:Home|Home||", QString("project:%1").arg(project), "network:0", "open"};
    // What follows "open" is the outcome of opening the network, which depends on the style.
    QCOMPARE(eventLog().mid(0, expectedLog.size()), expectedLog);
}

void TestNavigation::firstRequestCreatesTheSecondReuses()
{
    MainWindow window;
    emit gBroadcastSocket.signalsPageIdChanged("Rooms", "Rooms", "", "");
    QCOMPARE(window.createdPages().size(), 2);
    MyDialog *rooms = window.page("Rooms");
    QVERIFY(rooms);
    QVERIFY(!rooms->isHidden());
    QVERIFY(window.page("Home")->isHidden());

    emit gBroadcastSocket.signalsPageIdChanged("Operate Room", "A-1-101", "3", "1");
    emit gBroadcastSocket.signalsPageIdChanged("Operate Room", "B-2-202", "4", "1");
    QCOMPARE(window.createdPages().size(), 3);
    auto *operate = static_cast<RecordingPage *>(window.page("Operate Room"));
    QCOMPARE(operate->pageName(), QString("B-2-202"));
    QCOMPARE(operate->enters, 2);
    QCOMPARE(operate->lastPrm1, QString("4"));

    emit gBroadcastSocket.signalsPageIdChanged("Rooms", "Rooms", "", "");
    QCOMPARE(window.page("Rooms"), rooms);
    QCOMPARE(window.createdPages().size(), 3);
    QCOMPARE(visiblePages(window), 1);
    // Pages are children of the page host and stay there in creation order.
    for (const auto &page : window.createdPages())
        QCOMPARE(page->parentWidget(), static_cast<QWidget *>(window.pageArea()));
    QCOMPARE(window.pageArea()->layout()->count(), 3);
}

void TestNavigation::signalsComeInOrder()
{
    MainWindow window;
    logHubSignals(&window);
    emit gBroadcastSocket.signalsPageIdChanged("Rooms", "Rooms", "a", "b");
    const QStringList expected = {"current:Rooms|Rooms|a|b", "leave:Home", "stop:0", "enter:a|b", "page entered:Rooms"};
    QCOMPARE(eventLog(), expected);
}

void TestNavigation::requestingTheVisiblePageEntersItAgain()
{
    MainWindow window;
    emit gBroadcastSocket.signalsPageIdChanged("Edit Room", "Edit Room", "5", "1");
    logHubSignals(&window);
    eventLog().clear();
    emit gBroadcastSocket.signalsPageIdChanged("Edit Room", "Edit Room", "6", "0");
    // The page connected to the hub before the log did, so it hears the enter first.
    const QStringList expected = {"current:Edit Room|Edit Room|6|0", "stop:0", "page entered:Edit Room", "enter:6|0"};
    QCOMPARE(eventLog(), expected);
    QVERIFY(!window.page("Edit Room")->isHidden());
}

void TestNavigation::leaveComesBeforeTheNextPageIsEntered()
{
    MainWindow window;
    emit gBroadcastSocket.signalsPageIdChanged("Edit Room", "Edit Room", "5", "1");
    // The room editor saves on its leave: by then the next page must not have been entered yet.
    QStringList seenAtLeave;
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageLeave, &window, [&](QString id) {
        if (id == "Edit Room")
            seenAtLeave = eventLog();
    });
    logHubSignals(&window);
    eventLog().clear();
    emit gBroadcastSocket.signalsPageIdChanged("Light Information", "Light Information", "2", "5");
    QCOMPARE(seenAtLeave, QStringList({"current:Light Information|Light Information|2|5"}));
    QVERIFY(eventLog().indexOf("leave:Edit Room") < eventLog().indexOf("enter:2|5"));
}

void TestNavigation::homeModeOnlyForHome()
{
    MainWindow window;
    emit gBroadcastSocket.signalsPageIdChanged("Rooms", "Rooms");
    QVERIFY(!window.menu()->isHomeMode());
    emit gBroadcastSocket.signalsPageIdChanged("Home", "Home");
    QVERIFY(window.menu()->isHomeMode());
    QVERIFY(!window.page("Home")->isHidden());
    QVERIFY(window.page("Rooms")->isHidden());
}

void TestNavigation::unknownIdHidesEveryPage()
{
    MainWindow window;
    logHubSignals(&window);
    emit gBroadcastSocket.signalsPageIdChanged("Nowhere", "Nowhere");
    QCOMPARE(window.createdPages().size(), 1);
    QCOMPARE(visiblePages(window), 0);
    QCOMPARE(window.menu()->currentPage().id, QString("Nowhere"));
    const QStringList expected = {"current:Nowhere|Nowhere||", "leave:Home", "stop:0", "enter:|"};
    QCOMPARE(eventLog(), expected);
}

void TestNavigation::twoArgumentRequestEntersWithEmptyParameters()
{
    MainWindow window;
    emit gBroadcastSocket.signalsPageIdChanged("Log", "Log");
    auto *log = static_cast<RecordingPage *>(window.page("Log"));
    QCOMPARE(log->enters, 1);
    QVERIFY(log->lastPrm1.isEmpty());
    QVERIFY(log->lastPrm2.isEmpty());
}

void TestNavigation::requestFromEnterHandlerWins()
{
    MainWindow window;
    bool redirected = false;
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, &window, [&](QString, QString) {
        if (!redirected && window.page("Setting") && !window.page("Setting")->isHidden()) {
            redirected = true;
            emit gBroadcastSocket.signalsPageIdChanged("About", "About");
        }
    });
    emit gBroadcastSocket.signalsPageIdChanged("Setting", "Setting");
    QVERIFY(redirected);
    QCOMPARE(visiblePages(window), 1);
    QVERIFY(!window.page("About")->isHidden());
    QCOMPARE(window.menu()->currentPage().id, QString("About"));
}

void TestNavigation::requestFromLeaveHandlerWins()
{
    MainWindow window;
    emit gBroadcastSocket.signalsPageIdChanged("Rooms", "Rooms");
    bool redirected = false;
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageLeave, &window, [&](QString id) {
        if (!redirected && id == "Rooms") {
            redirected = true;
            emit gBroadcastSocket.signalsPageIdChanged("Message", "Message", "m", "");
        }
    });
    logHubSignals(&window);
    emit gBroadcastSocket.signalsPageIdChanged("Log", "Log", "l", "");
    QVERIFY(redirected);
    // The newer request did the whole change; the one it interrupted entered nothing.
    QCOMPARE(visiblePages(window), 1);
    QVERIFY(!window.page("Message")->isHidden());
    QCOMPARE(window.menu()->currentPage().id, QString("Message"));
    QVERIFY(eventLog().contains("enter:m|"));
    QVERIFY(!eventLog().contains("enter:l|"));
    QCOMPARE(static_cast<RecordingPage *>(window.page("Log"))->enters, 0);
}

void TestNavigation::backWalksThePagesShown()
{
    MainWindow window;
    emit gBroadcastSocket.signalsPageIdChanged("Rooms", "Rooms");
    emit gBroadcastSocket.signalsPageIdChanged("Operate Room", "A-1-101", "3", "1");
    auto *back = window.menu()->findChild<QWidget *>("labelBack");
    QVERIFY(back);

    QTest::mouseClick(back, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QVERIFY(!window.page("Rooms")->isHidden());
    QCOMPARE(visiblePages(window), 1);
    QVERIFY(!window.menu()->isHomeMode());

    QTest::mouseClick(back, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QVERIFY(!window.page("Home")->isHidden());
    QVERIFY(window.menu()->isHomeMode());
    QCOMPARE(window.menu()->pageHistory().size(), 1);

    // Back into the room keeps its tabs.
    emit gBroadcastSocket.signalsPageIdChanged("Operate Room", "A-1-101", "3", "1");
    emit gBroadcastSocket.signalsPageIdChanged("Operate Room 3D View", "A-1-101", "3", "");
    QTest::mouseClick(back, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    auto *operate = static_cast<RecordingPage *>(window.page("Operate Room"));
    QVERIFY(!operate->isHidden());
    QCOMPARE(operate->lastPrm1, QString("3"));
    QCOMPARE(operate->lastPrm2, QString("0"));
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
