// The panels' device-log writer: entries stored as the log keeps them, and an entry the project refuses told to
// the staff instead of being lost without a word.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "panels/devicelogging.h"
#include "tests/support/projectfixture.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestDeviceLogging : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void storedEntryIsNotTold();
    void refusedEntryIsTold();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    int m_roomId = 0;
};

void TestDeviceLogging::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    projectfixture::openFreshDatabase(QDir(m_dir->path()).filePath("Hotel.db3"));
    m_roomId = projectfixture::addPlace("North", "Ground", "101").roomId;
    QVERIFY(m_roomId > 0);
}

void TestDeviceLogging::cleanup()
{
    gDatabase.close();
}

void TestDeviceLogging::storedEntryIsNotTold()
{
    QSignalSpy told(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    logDeviceEvent("master", "status is on", m_roomId, 0);
    QCOMPARE(projectfixture::rowCount("tbl_log", "log_device='master' and log_event='status is on' and "
                                                 "log_address='North-Ground-101'"),
             1);
    QCOMPARE(told.count(), 0);
}

void TestDeviceLogging::refusedEntryIsTold()
{
    QVERIFY(gDatabase.execSql("create trigger refuse_log before insert on tbl_log begin "
                              "select raise(abort, 'database or disk is full'); end"));
    QSignalSpy told(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: Fail to exec sql\\..*disk is full.*"));
    logDeviceEvent("master", "status is on", m_roomId, 0);
    QCOMPARE(projectfixture::rowCount("tbl_log"), 0);
    QCOMPARE(told.count(), 1);
    QCOMPARE(told.at(0).at(0).toString(),
             QString("Project Hotel cannot be written (database or disk is full): a device event was not logged."));
}

QTEST_MAIN(TestDeviceLogging)
#include "tst_devicelogging.moc"
