// The main window: its frame and areas, the application's toast, minimise and exit.

#include "shell/mainwindow.h"
#include "shell/menubar.h"

#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmaterialsnackbar.h"
#include "tests/shell/shelltestpages.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QGridLayout>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void frameIsFramelessMaximisedAndDark();
    void areasAreStackedInOneGrid();
    void pageHostFillsTheSpaceBelowTheMenu();
    void hubInformationBecomesQueuedToasts();
    void informationWhileHiddenIsDropped();
    void minimiseButtonMinimises();
    void exitButtonClosesAndStopsTheTimers();

private:
    QTemporaryDir home;
};

void TestMainWindow::initTestCase()
{
    testenv::useFreshHome(home);
    gAppDirPath = home.path();
    QDir(home.path()).mkpath("database");
}

void TestMainWindow::init()
{
    // Every main window opens the station's network at start-up.
    REQUIRE_PRIVATE_NETWORK();
    useRecordingPages();
}

void TestMainWindow::cleanup()
{
    PageFactory::resetCreators();
}

void TestMainWindow::frameIsFramelessMaximisedAndDark()
{
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.objectName(), QString("MainWindow"));
    QCOMPARE(window.windowTitle(), QString("Zoduv"));
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(window.windowState() & Qt::WindowMaximized);
    QVERIFY(window.isVisible());
    QCOMPARE(window.palette().color(QPalette::Window), QColor("#263440"));

    const QImage image = window.grab().toImage();
    // Below the black menu bar every pixel is opaque application colour (Home is an empty test page).
    QCOMPARE(image.pixelColor(image.width() / 2, image.height() - 5), QColor("#263440"));
    QCOMPARE(image.pixelColor(image.width() - 1, image.height() / 2), QColor("#263440"));
    QCOMPARE(image.pixelColor(image.width() / 2 + 100, 3), QColor(Qt::black));
}

void TestMainWindow::areasAreStackedInOneGrid()
{
    MainWindow window;
    QVERIFY(window.findChild<QWidget *>("centralwidget"));
    QVERIFY(window.findChild<QMenuBar *>("menubar"));
    QVERIFY(window.findChild<QStatusBar *>("statusbar"));
    auto *grid = qobject_cast<QGridLayout *>(window.centralWidget()->layout());
    QVERIFY(grid);
    QCOMPARE(grid->spacing(), 0);
    QCOMPARE(grid->itemAtPosition(0, 0)->widget(), static_cast<QWidget *>(window.menu()));
    auto *canvas = qobject_cast<QtMaterialCanvas *>(grid->itemAtPosition(1, 0)->widget());
    QVERIFY(canvas);
    QCOMPARE(canvas->widget(), static_cast<QWidget *>(window.pageArea()));
    QCOMPARE(window.pageArea()->title(), QString());
    QCOMPARE(window.pageArea()->styleSheet(), QString("QGroupBox{border:none;}"));
    QCOMPARE(grid->rowStretch(1), 1);
    QCOMPARE(window.toast()->parentWidget(), static_cast<QWidget *>(&window));
}

void TestMainWindow::pageHostFillsTheSpaceBelowTheMenu()
{
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    emit gBroadcastSocket.signalsPageIdChanged("Rooms", "Rooms");
    QCoreApplication::processEvents();
    MyDialog *rooms = window.page("Rooms");
    QTRY_COMPARE(rooms->height(), window.pageArea()->height());
    QCOMPARE(window.menu()->height(), 30);
    // The page host takes all of the central area that the menu bar leaves (no message strip off Home).
    QTRY_COMPARE(window.pageArea()->height(), window.centralWidget()->height() - 30);
    QCOMPARE(window.pageArea()->width(), window.centralWidget()->width());
}

void TestMainWindow::hubInformationBecomesQueuedToasts()
{
    QSignalSpy startUpLogin(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The start-up login reports by timer, and a failure would queue a toast of its own.
    QTRY_COMPARE(startUpLogin.size(), 1);
    QCOMPARE(startUpLogin.at(0).at(0).toBool(), true);
    emit gBroadcastSocket.signalsInformation("Light 1 lost connection");
    emit gBroadcastSocket.signalsInformation("Saved");
    QCOMPARE(window.toast()->messages(), QStringList({"Light 1 lost connection", "Saved"}));
    // One after the other, each slides in, stays and slides out.
    QTRY_COMPARE_WITH_TIMEOUT(window.toast()->messages(), QStringList({"Saved"}), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(window.toast()->messages().isEmpty(), 5000);
}

void TestMainWindow::informationWhileHiddenIsDropped()
{
    MainWindow window;
    window.hide();
    emit gBroadcastSocket.signalsInformation("unseen");
    QVERIFY(window.toast()->messages().isEmpty());
}

void TestMainWindow::minimiseButtonMinimises()
{
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.menu()->findChild<QtMaterialIconButton *>("pushButtonMinimize")->click();
    QTRY_VERIFY(window.windowState() & Qt::WindowMinimized);
}

void TestMainWindow::exitButtonClosesAndStopsTheTimers()
{
    MainWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.universalSwitchTimer().isActive());
    window.menu()->findChild<QtMaterialIconButton *>("pushButtonExit")->click();
    QVERIFY(!window.isVisible());
    QVERIFY(!window.universalSwitchTimer().isActive());
    QVERIFY(!window.networkConnectTimer().isActive());
    QVERIFY(window.testAttribute(Qt::WA_QuitOnClose)); // so the entry's event loop ends with it
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
