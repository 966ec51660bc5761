// The station's start-up as a separate process: a first start in an empty home, a second start while a station
// runs, and a start after a station was killed.

#include "core/singleinstance.h"
#include "resources/stationresources.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstStartCreatesSettingsAndProjectLayout();
    void laterStartKeepsProjectList();
    void secondStartIsRefusedAndTouchesNothing();
    void startAfterKilledStationSucceeds();
    void damagedProjectIsKeptAsideAtStart();

private:
    QString iniPath() const { return m_home.path() + "/.config/ORV/Zoduv.ini"; }
    // Settings loaded and the current project's database written: start-up has got past both.
    bool startupSettled(const QString &project, const QString &alsoWritten) const;
    QString databaseFolder() const { return m_appDir.path() + "/database"; }
    // Runs the station from its own application folder until it has loaded its settings (and, where given, has
    // written the file alsoWritten), then ends it if it is still running. Answers false when it crashed or never
    // got that far.
    bool runStationUntilSettled(const QString &project = "Home", const QString &alsoWritten = QString());
    QString holdGuard(QProcess &holder);

    QTemporaryDir m_home;
    QTemporaryDir m_appDir;
    // The machine's temporary folder, where the single-instance lock lives, stands in for this test alone.
    QTemporaryDir m_temp;
    QString m_station;
    QProcess m_holder;
};

void TestStartup::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY(m_appDir.isValid());
    QVERIFY(m_temp.isValid());
    testenv::useFreshHome(m_home);
    qputenv("TMPDIR", m_temp.path().toUtf8());
    initStationResources();
    // A copy of the program in a folder of its own: the station keeps its folders beside its program file.
    m_station = m_appDir.path() + "/zoduv";
    QVERIFY(QFile::copy(STATION_BINARY, m_station));
}

void TestStartup::init()
{
    QVERIFY(QDir(m_home.path() + "/.config").removeRecursively());
    QVERIFY(QDir(m_appDir.path() + "/skin").removeRecursively());
    QVERIFY(QDir(m_appDir.path() + "/database").removeRecursively());
    QFile::remove(singleInstanceLockPath());
}

void TestStartup::cleanup()
{
    if (m_holder.state() != QProcess::NotRunning) {
        m_holder.kill();
        m_holder.waitForFinished(5000);
    }
}

bool TestStartup::startupSettled(const QString &project, const QString &alsoWritten) const
{
    return QSettings(iniPath(), QSettings::IniFormat).contains("address/retain_days") &&
           QFileInfo(databaseFolder() + '/' + project + '/' + project + ".db3").size() > 0 &&
           (alsoWritten.isEmpty() || QFileInfo(alsoWritten).size() > 0);
}

bool TestStartup::runStationUntilSettled(const QString &project, const QString &alsoWritten)
{
    QProcess station;
    station.start(m_station, QStringList());
    if (!station.waitForStarted(10000)) {
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    while (station.state() != QProcess::NotRunning && !startupSettled(project, alsoWritten) &&
           timer.elapsed() < 20000) {
        station.waitForFinished(50);
    }
    if (station.state() != QProcess::NotRunning) {
        station.kill();
        station.waitForFinished(5000);
        return startupSettled(project, alsoWritten);
    }
    const bool ok =
        station.exitStatus() == QProcess::NormalExit && station.exitCode() == 0 && startupSettled(project, alsoWritten);
    if (!ok) {
        qWarning() << "station ended with" << station.exitStatus() << station.exitCode() << "settled"
                   << startupSettled(project, alsoWritten) << station.readAllStandardError().right(2000);
    }
    return ok;
}

QString TestStartup::holdGuard(QProcess &holder)
{
    holder.start(GUARD_HOLDER, QStringList());
    if (!holder.waitForStarted(10000)) {
        return "not started";
    }
    QElapsedTimer timer;
    timer.start();
    while (!holder.canReadLine() && timer.elapsed() < 10000) {
        holder.waitForReadyRead(100);
    }
    return QString::fromUtf8(holder.readLine()).trimmed();
}

void TestStartup::firstStartCreatesSettingsAndProjectLayout()
{
    // The icon copy for shortcuts is written once the window is up, after the settings and the database.
    QVERIFY(runStationUntilSettled("Home", m_appDir.path() + "/skin/logo.ico"));

    QSettings ini(iniPath(), QSettings::IniFormat);
    QCOMPARE(ini.childGroups(), QStringList{"address"});
    QCOMPARE(ini.value("address/subId").toString(), QString("1"));
    QCOMPARE(ini.value("address/devId").toString(), QString("254"));
    QCOMPARE(ini.value("address/lock_password").toString(), QString("qmv315"));
    QCOMPARE(ini.value("address/retain_days").toString(), QString("30"));

    QSettings native(m_home.path() + "/.config/ORV/Zoduv.conf", QSettings::IniFormat);
    QCOMPARE(native.value("applicationFilePath").toString(), m_station);
    QVERIFY(QFileInfo(m_appDir.path() + "/skin").isDir());
    QFile icon(m_appDir.path() + "/skin/logo.ico");
    QFile builtIn(":/myImages/icons/logo.ico");
    QVERIFY(icon.open(QIODevice::ReadOnly));
    QVERIFY(builtIn.open(QIODevice::ReadOnly));
    QCOMPARE(icon.readAll(), builtIn.readAll());

    QFile list(databaseFolder() + "/project.xml");
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(list.readAll(), QByteArray(testenv::defaultProjectList));
    QVERIFY(QFileInfo(databaseFolder() + "/Home").isDir());
    QVERIFY(QFileInfo(databaseFolder() + "/Home/Home.db3").size() > 0);
}

void TestStartup::laterStartKeepsProjectList()
{
    QVERIFY(QDir().mkpath(databaseFolder()));
    const QByteArray list = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<general>\n"
                            "    <project>\n        <name>Home</name>\n    </project>\n"
                            "    <project>\n        <name>Lake</name>\n    </project>\n"
                            "    <current>\n        <name>Lake</name>\n    </current>\n</general>\n";
    QFile file(databaseFolder() + "/project.xml");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(list);
    file.close();

    QVERIFY(runStationUntilSettled("Lake"));
    QVERIFY(!QFileInfo::exists(databaseFolder() + "/Home"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), list);
}

void TestStartup::secondStartIsRefusedAndTouchesNothing()
{
    QCOMPARE(holdGuard(m_holder), QString("free"));

    QProcess station;
    station.start(m_station, QStringList());
    // A refused start either ends at once with 0, or waits in its message box for the user's Ok, which no one
    // gives here; in both cases it has read and written no setting.
    if (station.waitForFinished(3000)) {
        QCOMPARE(station.exitStatus(), QProcess::NormalExit);
        QCOMPARE(station.exitCode(), 0);
    }
    QVERIFY(!QFile::exists(iniPath()));
    QVERIFY(!QFile::exists(m_home.path() + "/.config/ORV/Zoduv.conf"));
    QVERIFY(!QFileInfo::exists(m_appDir.path() + "/skin"));
    QVERIFY(!QFileInfo::exists(databaseFolder()));
    QCOMPARE(m_holder.state(), QProcess::Running);
    if (station.state() != QProcess::NotRunning) {
        station.kill();
        station.waitForFinished(5000);
    }
}

void TestStartup::startAfterKilledStationSucceeds()
{
    QCOMPARE(holdGuard(m_holder), QString("free"));
    m_holder.kill();
    QVERIFY(m_holder.waitForFinished(10000));
    QVERIFY(QFile::exists(singleInstanceLockPath()));

    QVERIFY(runStationUntilSettled());
}

void TestStartup::damagedProjectIsKeptAsideAtStart()
{
    QVERIFY(QDir().mkpath(databaseFolder() + "/Home"));
    QFile list(databaseFolder() + "/project.xml");
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(testenv::defaultProjectList);
    list.close();
    const QByteArray garbage(32 * 1024, '\xA5');
    QFile damaged(databaseFolder() + "/Home/Home.db3");
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(garbage);
    damaged.close();

    // The station keeps the file aside and starts the project anew; it then waits in its message box for the
    // operator, which nobody answers here. The damaged file already counts as a project database, so the run
    // waits for the kept copy as well: the fresh file is made only after it.
    QVERIFY(runStationUntilSettled("Home", databaseFolder() + "/Home/Home.db3.invalid"));
    QFile kept(databaseFolder() + "/Home/Home.db3.invalid");
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), garbage);
    QFile fresh(databaseFolder() + "/Home/Home.db3");
    QVERIFY(fresh.open(QIODevice::ReadOnly));
    QVERIFY(fresh.read(16).startsWith("SQLite format 3"));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
