// Switching the network style and the project from the menu bar through their choosers, with the hub
// signals in their order, and the care taken with a project file that is not a project database.

#include "core/databaseinit.h"
#include "core/projectfolders.h"
#include "core/queryhelpers.h"
#include "shell/mainwindow.h"
#include "shell/menubar.h"
#include "shell/networkstyledlg.h"
#include "shell/networkstyleitem.h"
#include "shell/orvmessagebox.h"
#include "shell/projectselectdlg.h"
#include "shell/projectselectitem.h"
#include "shell/projectswitch.h"
#include "tests/shell/shelltestpages.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QtTest>

class TestSwitching : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void styleChangeIsStoredAndReopens();
    void styleUnchanged_data();
    void styleUnchanged();

    void switchToAValidProject();
    void projectUnchanged_data();
    void projectUnchanged();
    void missingDatabaseIsCreatedAfterTheWarning();
    void invalidDatabaseIsKeptAside_data();
    void invalidDatabaseIsKeptAside();
    void failedReplacementStaysOnTheCurrentProject();
    void damagedDatabaseIsKeptAside();
    void newerDatabaseIsNotSwitchedTo();

private:
    void pickProject(const QString &name);

    QTemporaryDir home;
    QScopedPointer<MainWindow> window;
    QStringList hubLog;
    QStringList warnings;
    QObject *context = nullptr;
};

// The choosers run hidden under their seam: a row is clicked through the base's click signal.
static void click(DynamicWidget *row)
{
    emit row->signalsPressed();
}

void TestSwitching::initTestCase()
{
    testenv::useFreshHome(home);
    MainWindow::setTimerIntervals(20, 20);
    ORVMessageBox::setExecHook([this](ORVMessageBox &box) {
        warnings << box.text();
        return int(QDialog::Accepted);
    });
}

void TestSwitching::init()
{
    REQUIRE_PRIVATE_NETWORK();
    useRecordingPages();
    QDir(home.path() + "/database").removeRecursively();
    stationfixture::prepareProject(home.path(), LocalNetwork);
    QVERIFY(addProject("Second"));
    // Connected before the window's own slots, so that the log shows the order of emission even where
    // opening the network reports its outcome from inside the emission of signalsNetworkOpen.
    context = new QObject;
    connect(&gBroadcastSocket, &BroadcastSocket::signalsProjectStateChanged, context,
            [this](QString name) { hubLog << "project:" + name; });
    connect(&gBroadcastSocket, &BroadcastSocket::signalsNetworkStateChanged, context,
            [this](bool up) { hubLog << QString("network:%1").arg(up); });
    connect(&gBroadcastSocket, &BroadcastSocket::signalsNetworkOpen, context, [this] { hubLog << "open"; });
    window.reset(new MainWindow);
    // The window's first opening of the network reports its login a tick later; it must not land in the log
    // of the switch under test.
    QTRY_VERIFY(hubLog.contains("network:1"));
    hubLog.clear();
    warnings.clear();
}

void TestSwitching::cleanup()
{
    delete context;
    context = nullptr;
    window.reset();
    NetworkStyleDlg::setExecHook({});
    ProjectSelectDlg::setExecHook({});
    PageFactory::resetCreators();
    gBroadcastSocket.shutDown();
}

void TestSwitching::cleanupTestCase()
{
    ORVMessageBox::setExecHook({});
    gDatabase.close();
}

void TestSwitching::styleChangeIsStoredAndReopens()
{
    int preset = -1;
    NetworkStyleDlg::setExecHook([&preset](NetworkStyleDlg &dialog) {
        preset = dialog.netStyle;
        const QList<NetworkStyleItem *> rows = dialog.findChildren<NetworkStyleItem *>();
        if (rows.size() != 3 || !rows.at(0)->isSelected())
            return int(QDialog::Rejected);
        click(rows.at(2));
        return dialog.result();
    });
    emit window->menu()->signalsNetworkSetting();
    QCOMPARE(preset, 0);
    QCOMPARE(gNetworkType, 2);
    QString stored;
    getProjectProperty("Home", "network_type", stored);
    QCOMPARE(stored, QString("2"));
    QVERIFY(hubLog.size() >= 2);
    QCOMPARE(hubLog.mid(0, 2), QStringList({"network:0", "open"}));
}

void TestSwitching::styleUnchanged_data()
{
    QTest::addColumn<bool>("pickSame");
    QTest::newRow("same style picked") << true;
    QTest::newRow("closed") << false;
}

void TestSwitching::styleUnchanged()
{
    QFETCH(bool, pickSame);
    NetworkStyleDlg::setExecHook([pickSame](NetworkStyleDlg &dialog) {
        if (!pickSame)
            return int(QDialog::Rejected);
        click(dialog.findChildren<NetworkStyleItem *>().at(0));
        return dialog.result();
    });
    emit window->menu()->signalsNetworkSetting();
    QCOMPARE(gNetworkType, 0);
    QVERIFY(hubLog.isEmpty());
    QString stored;
    getProjectProperty("Home", "network_type", stored);
    QCOMPARE(stored, QString("0"));
}

void TestSwitching::pickProject(const QString &name)
{
    ProjectSelectDlg::setExecHook([name](ProjectSelectDlg &dialog) {
        if (name.isEmpty())
            return int(QDialog::Rejected);
        for (ProjectSelectItem *row : dialog.findChildren<ProjectSelectItem *>()) {
            if (row->projectName() == name)
                click(row);
        }
        return dialog.result();
    });
}

void TestSwitching::switchToAValidProject()
{
    const QString homePath = ProjectSwitch::databasePath("Home");
    const QString secondPath = ProjectSwitch::databasePath("Second");
    QDir().mkpath(projectFolderPath("Second"));
    createDatabaseTables(secondPath);
    QVERIFY(gDatabase.execSql("insert into tbl_panel(panel_id,subnet_id,device_id,room_id)values(1,2,3,4)"));
    createDatabaseTables(homePath);
    QVERIFY(setProjectProperty("Second", "network_type", "1"));

    pickProject("Second");
    emit window->menu()->signalsProjectSetting("Home");
    QVERIFY(warnings.isEmpty());
    QCOMPARE(hubLog.mid(0, 3), QStringList({"project:Second", "network:0", "open"}));
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Second"));
    QCOMPARE(gDatabase.databaseName(), secondPath);
    QVERIFY(queryHasRecord("select * from tbl_panel where panel_id=1"));
    QCOMPARE(gNetworkType, 1);
}

void TestSwitching::projectUnchanged_data()
{
    QTest::addColumn<QString>("pick");
    QTest::newRow("current project picked") << "Home";
    QTest::newRow("closed") << "";
}

void TestSwitching::projectUnchanged()
{
    QFETCH(QString, pick);
    const QString before = gDatabase.databaseName();
    pickProject(pick);
    emit window->menu()->signalsProjectSetting("Home");
    QVERIFY(hubLog.isEmpty());
    QVERIFY(warnings.isEmpty());
    QCOMPARE(gDatabase.databaseName(), before);
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Home"));
    QVERIFY(!QFileInfo::exists(projectFolderPath("Second")));
}

void TestSwitching::missingDatabaseIsCreatedAfterTheWarning()
{
    QVERIFY(gDatabase.execSql("insert into tbl_panel(panel_id,subnet_id,device_id,room_id)values(1,2,3,4)"));
    pickProject("Second");
    emit window->menu()->signalsProjectSetting("Home");
    QCOMPARE(warnings, QStringList({"Illegally formatted databases,the database will be formatted!"}));
    const QString secondPath = ProjectSwitch::databasePath("Second");
    QCOMPARE(gDatabase.databaseName(), secondPath);
    QVERIFY(isProjectDatabase(secondPath));
    // An emptied copy of the current project: vocabularies yes, the other project's devices no.
    QVERIFY(!queryHasRecord("select * from tbl_panel"));
    QVERIFY(queryHasRecord("select * from tbl_message_status"));
    QVERIFY(!QFileInfo::exists(secondPath + ".invalid"));
    QCOMPARE(hubLog.mid(0, 3), QStringList({"project:Second", "network:0", "open"}));
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Second"));
}

static bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

static QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestSwitching::invalidDatabaseIsKeptAside_data()
{
    QTest::addColumn<int>("earlierBackups");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("first backup") << 0 << ".invalid";
    QTest::newRow("two kept already") << 2 << ".invalid-3";
}

void TestSwitching::invalidDatabaseIsKeptAside()
{
    QFETCH(int, earlierBackups);
    QFETCH(QString, suffix);
    const QString secondPath = ProjectSwitch::databasePath("Second");
    QVERIFY(QDir().mkpath(projectFolderPath("Second")));
    const QByteArray content("somebody's notes, not a database");
    QVERIFY(writeFile(secondPath, content));
    if (earlierBackups >= 1)
        QVERIFY(writeFile(secondPath + ".invalid", "older"));
    if (earlierBackups >= 2)
        QVERIFY(writeFile(secondPath + ".invalid-2", "older still"));

    pickProject("Second");
    emit window->menu()->signalsProjectSetting("Home");
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(readFile(secondPath + suffix), content);
    if (earlierBackups >= 1)
        QCOMPARE(readFile(secondPath + ".invalid"), QByteArray("older"));
    QVERIFY(isProjectDatabase(secondPath));
    QCOMPARE(gDatabase.databaseName(), secondPath);
    QCOMPARE(hubLog.mid(0, 3), QStringList({"project:Second", "network:0", "open"}));
}

void TestSwitching::failedReplacementStaysOnTheCurrentProject()
{
    const QString homePath = ProjectSwitch::databasePath("Home");
    const QString secondPath = ProjectSwitch::databasePath("Second");
    QVERIFY(QDir().mkpath(projectFolderPath("Second")));
    const QByteArray content("not a database either");
    QVERIFY(writeFile(secondPath, content));
    // Without the current project's database there is nothing to make the new one from.
    gDatabase.close();
    QVERIFY(QFile::rename(homePath, homePath + ".away"));
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);

    pickProject("Second");
    emit window->menu()->signalsProjectSetting("Home");
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(toast.size(), 1);
    QCOMPARE(toast.at(0).at(0).toString(), QString("The database of the project could not be formatted!"));
    QVERIFY(hubLog.isEmpty());
    QCOMPARE(readFile(secondPath), content);
    QVERIFY(!QFileInfo::exists(secondPath + ".invalid"));
    QCOMPARE(gDatabase.databaseName(), homePath);
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Home"));
    gDatabase.close();
    QFile::remove(homePath);
    QVERIFY(QFile::rename(homePath + ".away", homePath));
}

void TestSwitching::damagedDatabaseIsKeptAside()
{
    // A project database cut short: its first pages are intact, so only a read of the whole file shows it.
    const QString secondPath = ProjectSwitch::databasePath("Second");
    const QString homePath = ProjectSwitch::databasePath("Home");
    QVERIFY(QDir().mkpath(projectFolderPath("Second")));
    createDatabaseTables(secondPath);
    gDatabase.close();
    QVERIFY(QFile::resize(secondPath, 8 * 1024));
    const QByteArray cut = readFile(secondPath);
    createDatabaseTables(homePath);

    pickProject("Second");
    emit window->menu()->signalsProjectSetting("Home");
    QCOMPARE(warnings, QStringList({"Illegally formatted databases,the database will be formatted!"}));
    QCOMPARE(readFile(secondPath + ".invalid"), cut);
    QVERIFY(isProjectDatabase(secondPath));
    QCOMPARE(gDatabase.databaseName(), secondPath);
    QCOMPARE(hubLog.mid(0, 3), QStringList({"project:Second", "network:0", "open"}));
}

void TestSwitching::newerDatabaseIsNotSwitchedTo()
{
    const QString homePath = ProjectSwitch::databasePath("Home");
    const QString secondPath = ProjectSwitch::databasePath("Second");
    QVERIFY(QDir().mkpath(projectFolderPath("Second")));
    createDatabaseTables(secondPath);
    QVERIFY(gDatabase.execSql("update tbl_version set version='3.10'"));
    QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_address,log_device,log_event,log_time) "
                              "values(0,'A-1-101','master','on','2001-01-01 00:00:00')"));
    gDatabase.close();
    const QByteArray before = readFile(secondPath);
    createDatabaseTables(homePath);
    QSignalSpy toast(&gBroadcastSocket, &BroadcastSocket::signalsInformation);

    pickProject("Second");
    emit window->menu()->signalsProjectSetting("Home");
    // Nothing to warn of: the file is not formatted, and the station stays where it was.
    QVERIFY(warnings.isEmpty());
    QCOMPARE(toast.size(), 1);
    QCOMPARE(toast.at(0).at(0).toString(),
             QString("The database of the project \"Second\" has version 3.10, written by a newer station; this "
                     "station supports version 3.08. The file is left as it is."));
    QVERIFY(hubLog.isEmpty());
    QCOMPARE(gDatabase.databaseName(), homePath);
    QString current;
    QVERIFY(getCurrentProjectName(current));
    QCOMPARE(current, QString("Home"));
    QCOMPARE(readFile(secondPath), before);
    QVERIFY(!QFileInfo::exists(secondPath + ".invalid"));
}

QTEST_MAIN(TestSwitching)
#include "tst_switching.moc"
