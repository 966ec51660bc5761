// The station address page: its lock, its typing limits, what a save stores and purges, and the new
// address on the bus inside the private network.

#include "core/appsettings.h"
#include "core/queryhelpers.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/settings/pagesettingchangedeviceaddress.h"
#include "resources/stationresources.h"
#include "shell/unlockdlg.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/simulateddevice.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QDateTime>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// Answers the unlock dialog with password, pressing its "Confirm" as a user would.
void answerUnlock(const QString &password)
{
    UnlockDlg::setExecHook([password](UnlockDlg &dialog) {
        dialog.passwordField()->setText(password);
        dialog.findChild<QtMaterialFlatButton *>("pushButtonOk")->click();
        return dialog.result();
    });
}

QString iniValue(const QString &key)
{
    QString value;
    readIniSetting("address", key, value);
    return value;
}

QString timeText(const QDateTime &t)
{
    return t.toString("yyyy-MM-dd HH:mm:ss");
}

} // namespace

class TestStationAddress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void lockedOnEveryEntry();
    void typingLimits_data();
    void typingLimits();
    void emptyFieldStoresNothing_data();
    void emptyFieldStoresNothing();
    void addressAbove255StoresNothing_data();
    void addressAbove255StoresNothing();
    void saveStoresPurgesAndReopens();
    void refusedPurgeIsTold_data();
    void refusedPurgeIsTold();
    void newLockPasswordAppliesAtOnce();
    void newAddressOnTheBus();

private:
    QtMaterialLineEdit *field(const char *name) const { return page->findChild<QtMaterialLineEdit *>(name); }
    void enter();
    void save() { page->findChild<QtMaterialFlatButton *>("pushButtonSave")->click(); }

    QTemporaryDir home;
    std::unique_ptr<QTemporaryDir> appDir;
    std::unique_ptr<PageSettingChangeDeviceAddress> page;
};

void TestStationAddress::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
}

void TestStationAddress::init()
{
    appDir.reset(new QTemporaryDir);
    stationfixture::prepareProject(appDir->path(), LocalNetwork);
    gLockPassword = "1234";
    gRetainDays = "30";
    QSettings(QSettings::IniFormat, QSettings::UserScope, "ORV", "Zoduv").clear();
    page.reset(new PageSettingChangeDeviceAddress("Change Device Address", "Change Device Address", nullptr));
    page->show();
}

void TestStationAddress::cleanup()
{
    UnlockDlg::setExecHook(nullptr);
    page.reset();
    gBroadcastSocket.shutDown();
    gDatabase.close();
    appDir.reset();
}

void TestStationAddress::enter()
{
    emit gBroadcastSocket.signalsPageEnter("", "");
}

void TestStationAddress::lockedOnEveryEntry()
{
    const QList<const char *> names = {"lineEditSubnetId", "lineEditDeviceId", "lineEditLockPassword",
                                       "lineEditRetainDays"};
    enter();
    QCOMPARE(field("lineEditSubnetId")->text(), QString("1"));
    QCOMPARE(field("lineEditDeviceId")->text(), QString("254"));
    QCOMPARE(field("lineEditLockPassword")->text(), QString("1234"));
    QCOMPARE(field("lineEditLockPassword")->echoMode(), QLineEdit::Password);
    QCOMPARE(field("lineEditRetainDays")->text(), QString("30"));
    for (const char *name : names)
        QVERIFY(!field(name)->isEnabled());

    int asked = 0;
    UnlockDlg::setExecHook([&asked](UnlockDlg &dialog) {
        ++asked;
        dialog.passwordField()->setText("wrong");
        dialog.findChild<QtMaterialFlatButton *>("pushButtonOk")->click();
        return dialog.result();
    });
    QTest::mousePress(field("lineEditDeviceId"), Qt::LeftButton);
    QCOMPARE(asked, 1);
    QVERIFY(!page->isUnlocked());
    QVERIFY(!field("lineEditDeviceId")->isEnabled());

    answerUnlock("1234");
    QTest::mousePress(field("lineEditRetainDays"), Qt::LeftButton);
    QVERIFY(page->isUnlocked());
    for (const char *name : names)
        QVERIFY(field(name)->isEnabled());

    enter();
    QVERIFY(!page->isUnlocked());
    for (const char *name : names)
        QVERIFY(!field(name)->isEnabled());
}

void TestStationAddress::typingLimits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("retention above 365") << "lineEditRetainDays"
                                         << "400"
                                         << "365";
    QTest::newRow("retention 365") << "lineEditRetainDays"
                                   << "365"
                                   << "365";
    // A bus address above 255 stays as typed, to be refused on saving.
    QTest::newRow("device above 255") << "lineEditDeviceId"
                                      << "300"
                                      << "300";
    QTest::newRow("subnet above 255") << "lineEditSubnetId"
                                      << "256"
                                      << "256";
    QTest::newRow("subnet 255") << "lineEditSubnetId"
                                << "255"
                                << "255";
    QTest::newRow("no minus in retention") << "lineEditRetainDays"
                                           << "-5"
                                           << "5";
    QTest::newRow("no minus in device") << "lineEditDeviceId"
                                        << "-1"
                                        << "1";
    QTest::newRow("no letters") << "lineEditSubnetId"
                                << "1a2"
                                << "12";
}

void TestStationAddress::typingLimits()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    enter();
    answerUnlock("1234");
    QtMaterialLineEdit *edit = field(name.toLatin1().constData());
    QTest::mousePress(edit, Qt::LeftButton);
    QVERIFY(edit->isEnabled());
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
}

void TestStationAddress::emptyFieldStoresNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("subnet") << "lineEditSubnetId";
    QTest::newRow("device") << "lineEditDeviceId";
    QTest::newRow("password") << "lineEditLockPassword";
    QTest::newRow("retention") << "lineEditRetainDays";
}

void TestStationAddress::emptyFieldStoresNothing()
{
    QFETCH(QString, name);
    enter();
    field("lineEditSubnetId")->setText("2");
    field(name.toLatin1().constData())->clear();
    QSignalSpy info(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    QSignalSpy open(&gBroadcastSocket, &BroadcastSocket::signalsNetworkOpen);
    save();
    QCOMPARE(info.count(), 1);
    QCOMPARE(info.at(0).at(0).toString(), QString("Please input the complete content"));
    QCOMPARE(open.count(), 0);
    QCOMPARE(gSubId, QString("1"));
    QCOMPARE(iniValue("subId"), QString());
    quint8 subnet = 0;
    quint8 device = 0;
    gBroadcastSocket.localAddress(&subnet, &device);
    QCOMPARE(int(subnet), 1);
}

void TestStationAddress::addressAbove255StoresNothing_data()
{
    QTest::addColumn<QString>("subnet");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("toast");
    QTest::newRow("subnet") << "256"
                            << "200"
                            << "Subnet ID cannot be greater than 255!";
    QTest::newRow("device") << "2"
                            << "300"
                            << "Device ID cannot be greater than 255!";
    QTest::newRow("both: the subnet is named") << "999"
                                               << "999"
                                               << "Subnet ID cannot be greater than 255!";
}

void TestStationAddress::addressAbove255StoresNothing()
{
    QFETCH(QString, subnet);
    QFETCH(QString, device);
    QFETCH(QString, toast);
    const QString old = timeText(QDateTime::currentDateTime().addDays(-100));
    QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_address,log_device,log_event,log_time) "
                              "values(1,'1-10','Light','On',?)",
                              {old}));
    enter();
    field("lineEditSubnetId")->setText(subnet);
    field("lineEditDeviceId")->setText(device);
    field("lineEditLockPassword")->setText("4321");
    QSignalSpy info(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    QSignalSpy open(&gBroadcastSocket, &BroadcastSocket::signalsNetworkOpen);
    QSignalSpy pages(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged);
    save();
    QCOMPARE(info.count(), 1);
    QCOMPARE(info.at(0).at(0).toString(), toast);
    QCOMPARE(open.count(), 0);
    QCOMPARE(pages.count(), 0);
    // Nothing stored, applied or purged; the page keeps what was typed.
    QCOMPARE(QStringList({gSubId, gDevId, gLockPassword}), QStringList({"1", "254", "1234"}));
    QCOMPARE(iniValue("subId"), QString());
    QCOMPARE(iniValue("devId"), QString());
    QCOMPARE(iniValue("lock_password"), QString());
    quint8 subnetNow = 0;
    quint8 deviceNow = 0;
    gBroadcastSocket.localAddress(&subnetNow, &deviceNow);
    QCOMPARE(int(subnetNow), 1);
    QCOMPARE(int(deviceNow), 254);
    QCOMPARE(queryIntValue("select count(*) as n from tbl_log", "n"), 1);
    QCOMPARE(field("lineEditSubnetId")->text(), subnet);
    QCOMPARE(field("lineEditDeviceId")->text(), device);

    // 255 itself is an address the station may take.
    field("lineEditSubnetId")->setText("255");
    field("lineEditDeviceId")->setText("255");
    save();
    QCOMPARE(info.at(1).at(0).toString(), QString("Change successfully"));
    QCOMPARE(iniValue("subId"), QString("255"));
    QCOMPARE(iniValue("devId"), QString("255"));
}

void TestStationAddress::saveStoresPurgesAndReopens()
{
    // Rows on each side of the cutoff of a 7-day retention, which a retention of 0 becomes.
    const QDateTime cutoff = QDateTime::currentDateTime().addDays(-7);
    const QString older = timeText(cutoff.addSecs(-3600));
    const QString newer = timeText(cutoff.addSecs(3600));
    for (const QString &t : {older, newer}) {
        QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_address,log_device,log_event,log_time) "
                                  "values(1,'1-10','Light','On',?)",
                                  {t}));
        QVERIFY(gDatabase.execSql("insert into tbl_message_log(message_id,recv_time) values(1,?)", {t}));
    }

    enter();
    field("lineEditSubnetId")->setText("2");
    field("lineEditDeviceId")->setText("200");
    field("lineEditLockPassword")->setText("4321");
    field("lineEditRetainDays")->setText("0");
    QStringList events;
    QObject context;
    connect(&gBroadcastSocket, &BroadcastSocket::signalsInformation, &context,
            [&events](QString text) { events << "toast " + text; });
    connect(&gBroadcastSocket, &BroadcastSocket::signalsNetworkStateChanged, &context,
            [&events](bool on) { events << QString("state %1").arg(on); });
    connect(&gBroadcastSocket, &BroadcastSocket::signalsNetworkOpen, &context, [&events] { events << "open"; });
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged, &context,
            [&events](QString id, QString name, QString prm1, QString prm2) {
                events << QStringList({"page", id, name, prm1, prm2}).join('|');
            });
    save();

    QCOMPARE(events, QStringList({"toast Change successfully", "state 0", "open", "page|Setting|Setting||"}));
    QCOMPARE(field("lineEditRetainDays")->text(), QString("7"));
    QCOMPARE(iniValue("subId"), QString("2"));
    QCOMPARE(iniValue("devId"), QString("200"));
    QCOMPARE(iniValue("lock_password"), QString("4321"));
    QCOMPARE(iniValue("retain_days"), QString("7"));
    QCOMPARE(QStringList({gSubId, gDevId, gLockPassword, gRetainDays}), QStringList({"2", "200", "4321", "7"}));
    quint8 subnet = 0;
    quint8 device = 0;
    gBroadcastSocket.localAddress(&subnet, &device);
    QCOMPARE(int(subnet), 2);
    QCOMPARE(int(device), 200);

    QStringList kept;
    queryStringList("select log_time from tbl_log", "log_time", kept);
    QCOMPARE(kept, QStringList({newer}));
    queryStringList("select recv_time from tbl_message_log", "recv_time", kept);
    QCOMPARE(kept, QStringList({newer}));
}

void TestStationAddress::refusedPurgeIsTold_data()
{
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("purged");
    QTest::newRow("device log") << "tbl_log"
                                << "tbl_message_log";
    QTest::newRow("message log") << "tbl_message_log"
                                 << "tbl_log";
}

void TestStationAddress::refusedPurgeIsTold()
{
    QFETCH(QString, refused);
    QFETCH(QString, purged);
    const QString older = timeText(QDateTime::currentDateTime().addDays(-100));
    QVERIFY(gDatabase.execSql("insert into tbl_log(log_type,log_address,log_device,log_event,log_time) "
                              "values(1,'1-10','Light','On',?)",
                              {older}));
    QVERIFY(gDatabase.execSql("insert into tbl_message_log(message_id,recv_time) values(1,?)", {older}));
    QVERIFY(gDatabase.execSql(
        QString("create trigger refuse before delete on %1 begin select raise(abort,'refused'); end").arg(refused)));
    enter();
    field("lineEditSubnetId")->setText("2");
    QSignalSpy info(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    QSignalSpy pages(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged);
    save();
    // The settings are stored; the refused table keeps its old rows, the other one is purged.
    QCOMPARE(info.count(), 1);
    QCOMPARE(info.at(0).at(0).toString(), QString("Change successfully, but the old records could not be deleted!"));
    QCOMPARE(pages.count(), 1);
    QCOMPARE(iniValue("subId"), QString("2"));
    QCOMPARE(queryIntValue("select count(*) as n from " + refused, "n"), 1);
    QCOMPARE(queryIntValue("select count(*) as n from " + purged, "n"), 0);
}

void TestStationAddress::newLockPasswordAppliesAtOnce()
{
    enter();
    field("lineEditLockPassword")->setText("9999");
    save();

    // Any page's next unlock asks for the new password.
    UnlockDlg other(nullptr);
    other.passwordField()->setText("1234");
    other.findChild<QtMaterialFlatButton *>("pushButtonOk")->click();
    QCOMPARE(other.result(), int(QDialog::Rejected));
    other.passwordField()->setText("9999");
    other.findChild<QtMaterialFlatButton *>("pushButtonOk")->click();
    QCOMPARE(other.result(), int(QDialog::Accepted));

    enter();
    answerUnlock("9999");
    QTest::mousePress(field("lineEditSubnetId"), Qt::LeftButton);
    QVERIFY(page->isUnlocked());
}

void TestStationAddress::newAddressOnTheBus()
{
    REQUIRE_PRIVATE_NETWORK();
    SimulatedDevice device(1, 10, BroadcastSocket::UdpPort);
    QVERIFY(device.isBound());
    // The main window's part: a request to reopen the network opens it again.
    QObject context;
    connect(&gBroadcastSocket, &BroadcastSocket::signalsNetworkOpen, &context,
            [] { QVERIFY(gBroadcastSocket.connectNetwork()); });
    QVERIFY(gBroadcastSocket.connectNetwork());

    enter();
    field("lineEditSubnetId")->setText("2");
    field("lineEditDeviceId")->setText("200");
    save();

    gBroadcastSocket.sendCommand(11, 0x000E, 1, 10);
    QTRY_COMPARE(device.framesFromStation.size(), 1);
    const QByteArray frame = device.framesFromStation.at(0);
    QCOMPARE(quint8(frame.at(17)), quint8(2));
    QCOMPARE(quint8(frame.at(18)), quint8(200));

    // Frames from the device: to the new address taken, to the old one not.
    int heard = 0;
    QList<QByteArray> taken;
    connect(&gBroadcastSocket, &BroadcastSocket::dataIsComming, &context, [&heard, &taken](quint8 *buf, qlonglong n) {
        const QByteArray block(reinterpret_cast<const char *>(buf), int(n));
        if (n < 27 || block.mid(21, 2) != QByteArray::fromHex("0032"))
            return; // the station hears its own broadcasts too
        ++heard;
        if (gBroadcastSocket.checkPacket(buf, n))
            taken.append(block);
    });
    const QByteArray toOld = makeDeviceFrame(1, 10, 0x0032, 1, 254, QByteArray::fromHex("01F864"));
    const QByteArray toNew = makeDeviceFrame(1, 10, 0x0032, 2, 200, QByteArray::fromHex("02F864"));
    device.sendDatagram(toOld, QHostAddress(QStringLiteral("127.255.255.255")), BroadcastSocket::UdpPort);
    device.sendDatagram(toNew, QHostAddress(QStringLiteral("127.255.255.255")), BroadcastSocket::UdpPort);
    QTRY_COMPARE(heard, 2);
    QCOMPARE(taken.size(), 1);
    QCOMPARE(taken.at(0).mid(25, 3), QByteArray::fromHex("02F864"));
}

QTEST_MAIN(TestStationAddress)
#include "tst_stationaddress.moc"
