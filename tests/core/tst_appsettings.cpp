// The settings stores and the start-up load: defaults taken at once and written back once the window is up, the
// station's address handed to the device link, and the keys that start-up must leave alone.

#include "core/appsettings.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "resources/stationresources.h"
#include "tests/support/testenv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestAppSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void storesRoundTrip();
    void firstLoadWritesDefaults();
    void storedValuesAreKept();
    void addressReachesDeviceLink_data();
    void addressReachesDeviceLink();
    void applicationFilePathIsRewritten();
    void machineUniqueIdMatchesPlatform();

private:
    QString iniPath() const { return m_home.path() + "/.config/ORV/Zoduv.ini"; }
    QString nativePath() const { return m_home.path() + "/.config/ORV/Zoduv.conf"; }

    QTemporaryDir m_home;
};

void TestAppSettings::initTestCase()
{
    QVERIFY(m_home.isValid());
    testenv::useFreshHome(m_home);
    initStationResources();
}

void TestAppSettings::init()
{
    QFile::remove(iniPath());
    QFile::remove(nativePath());
}

void TestAppSettings::storesRoundTrip()
{
    QString value = "preset";
    readIniSetting("about", "about_name", value);
    QVERIFY(value.isEmpty());
    writeIniSetting("about", "about_name", "Front desk");
    readIniSetting("about", "about_name", value);
    QCOMPARE(value, QString("Front desk"));
    // Stored by the time the call returns, in the ini file under its group.
    QCOMPARE(QSettings(iniPath(), QSettings::IniFormat).value("about/about_name").toString(), QString("Front desk"));

    value = "preset";
    readRegistrySetting("machineUniqueId", value);
    QVERIFY(value.isEmpty());
    writeRegistrySetting("machineUniqueId", "abc");
    readRegistrySetting("machineUniqueId", value);
    QCOMPARE(value, QString("abc"));
    // The native store keeps its values at the top level, apart from the ini store.
    QCOMPARE(QSettings(nativePath(), QSettings::IniFormat).value("machineUniqueId").toString(), QString("abc"));
    readIniSetting("", "machineUniqueId", value);
    QVERIFY(value.isEmpty());
}

void TestAppSettings::firstLoadWritesDefaults()
{
    QVERIFY(QDir(QCoreApplication::applicationDirPath() + "/skin").removeRecursively());
    loadAppSettings();
    QCOMPARE(gAppDirPath, QCoreApplication::applicationDirPath());
    QCOMPARE(gSubId, QString("1"));
    QCOMPARE(gDevId, QString("254"));
    QCOMPARE(gLockPassword, QString("qmv315"));
    QCOMPARE(gRetainDays, QString("30"));
    // The load itself writes nothing: the first frame does not wait for a store to reach the disk.
    QVERIFY(!QFileInfo::exists(iniPath()));
    QVERIFY(!QFileInfo::exists(nativePath()));

    storeSettingDefaults();
    QSettings ini(iniPath(), QSettings::IniFormat);
    QCOMPARE(ini.childGroups(), QStringList{"address"});
    ini.beginGroup("address");
    QCOMPARE(ini.value("subId").toString(), QString("1"));
    QCOMPARE(ini.value("devId").toString(), QString("254"));
    QCOMPARE(ini.value("lock_password").toString(), QString("qmv315"));
    QCOMPARE(ini.value("retain_days").toString(), QString("30"));
    QCOMPARE(ini.childKeys().count(), 4);

    quint8 subnet = 0, device = 0;
    gBroadcastSocket.localAddress(&subnet, &device);
    QCOMPARE(int(subnet), 1);
    QCOMPARE(int(device), 254);
    // The icon copy for shortcuts is written on its own, once the window is up.
    QVERIFY(!QFileInfo::exists(gAppDirPath + "/skin"));
    writeShortcutIcon();
    QVERIFY(QFileInfo(gAppDirPath + "/skin/logo.ico").size() > 0);
}

void TestAppSettings::storedValuesAreKept()
{
    writeIniSetting("address", "lock_password", "secret");
    writeIniSetting("address", "retain_days", "0");
    // Present but empty counts as missing.
    writeIniSetting("address", "devId", "");
    loadAppSettings();
    QCOMPARE(gLockPassword, QString("secret"));
    QCOMPARE(gRetainDays, QString("0"));
    QCOMPARE(gDevId, QString("254"));
    // A value stored between the load and the write-back (the address page) is not overwritten by a default.
    writeIniSetting("address", "subId", "7");
    storeSettingDefaults();
    QString stored;
    readIniSetting("address", "subId", stored);
    QCOMPARE(stored, QString("7"));
    readIniSetting("address", "devId", stored);
    QCOMPARE(stored, QString("254"));
    readIniSetting("address", "retain_days", stored);
    QCOMPARE(stored, QString("0"));
}

void TestAppSettings::addressReachesDeviceLink_data()
{
    QTest::addColumn<QString>("subId");
    QTest::addColumn<QString>("devId");
    QTest::addColumn<int>("subnet");
    QTest::addColumn<int>("device");
    QTest::newRow("plain") << "3"
                           << "20" << 3 << 20;
    QTest::newRow("above a byte") << "300"
                                  << "511" << 44 << 255;
    QTest::newRow("not a number") << "abc"
                                  << "12x" << 0 << 0;
    QTest::newRow("broadcast") << "255"
                               << "255" << 255 << 255;
}

void TestAppSettings::addressReachesDeviceLink()
{
    QFETCH(QString, subId);
    QFETCH(QString, devId);
    QFETCH(int, subnet);
    QFETCH(int, device);
    writeIniSetting("address", "subId", subId);
    writeIniSetting("address", "devId", devId);
    loadAppSettings();
    // The texts stay as stored; only the link's copy is cut to a byte.
    QCOMPARE(gSubId, subId);
    QCOMPARE(gDevId, devId);
    QString stored;
    readIniSetting("address", "subId", stored);
    QCOMPARE(stored, subId);
    quint8 linkSubnet = 0, linkDevice = 0;
    gBroadcastSocket.localAddress(&linkSubnet, &linkDevice);
    QCOMPARE(int(linkSubnet), subnet);
    QCOMPARE(int(linkDevice), device);
}

void TestAppSettings::applicationFilePathIsRewritten()
{
    writeRegistrySetting("applicationFilePath", "/moved/elsewhere/zoduv");
    loadAppSettings();
    storeSettingDefaults();
    QString path;
    readRegistrySetting("applicationFilePath", path);
    QCOMPARE(path, QCoreApplication::applicationFilePath());
    // Start-up never creates the keys other pages own.
    QString value;
    readRegistrySetting("machineUniqueId", value);
    QVERIFY(value.isEmpty());
    QCOMPARE(QSettings(iniPath(), QSettings::IniFormat).childGroups(), QStringList{"address"});
}

void TestAppSettings::machineUniqueIdMatchesPlatform()
{
    const QByteArray raw = QSysInfo::machineUniqueId();
    const QString id = getMachineUniqueId();
    QCOMPARE(id, QString::fromUtf8(raw.left(raw.indexOf('\0') < 0 ? raw.size() : raw.indexOf('\0'))));
    QVERIFY(!id.contains(QChar(0)));
}

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
