// The single-instance guard across processes: one holder at a time, released at exit, and taken over after
// a holder was killed.

#include "core/singleinstance.h"
#include "tests/support/testenv.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void lockLivesInTheUsersFolder();
    void secondHolderIsRefused();
    void releasedAtNormalExit();
    void takenOverAfterKill();

private:
    // Starts a guard holder and answers what it printed: "free" or "running".
    QString startHolder(QProcess &process);

    QTemporaryDir m_home;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

void TestSingleInstance::initTestCase()
{
    QVERIFY(m_home.isValid());
    testenv::useFreshHome(m_home);
}

void TestSingleInstance::cleanup()
{
    for (auto &process : m_processes) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    m_processes.clear();
    QFile::remove(singleInstanceLockPath());
}

QString TestSingleInstance::startHolder(QProcess &process)
{
    process.start(GUARD_HOLDER, QStringList());
    if (!process.waitForStarted(10000)) {
        return "not started";
    }
    QElapsedTimer timer;
    timer.start();
    while (!process.canReadLine() && timer.elapsed() < 10000) {
        process.waitForReadyRead(100);
    }
    return QString::fromUtf8(process.readLine()).trimmed();
}

void TestSingleInstance::lockLivesInTheUsersFolder()
{
    QVERIFY(singleInstanceLockPath().startsWith(m_home.path() + '/'));
    QVERIFY(singleInstanceLockPath().endsWith("/Zoduv.lock"));
}

void TestSingleInstance::secondHolderIsRefused()
{
    auto &first = *m_processes.emplace_back(new QProcess);
    auto &second = *m_processes.emplace_back(new QProcess);
    QCOMPARE(startHolder(first), QString("free"));
    QCOMPARE(startHolder(second), QString("running"));
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    // The refused start leaves the holder's lock alone.
    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(QFile::exists(singleInstanceLockPath()));
}

void TestSingleInstance::releasedAtNormalExit()
{
    auto &first = *m_processes.emplace_back(new QProcess);
    QCOMPARE(startHolder(first), QString("free"));
    first.closeWriteChannel();
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(first.exitCode(), 0);
    QVERIFY(!QFile::exists(singleInstanceLockPath()));

    auto &next = *m_processes.emplace_back(new QProcess);
    QCOMPARE(startHolder(next), QString("free"));
}

void TestSingleInstance::takenOverAfterKill()
{
    auto &first = *m_processes.emplace_back(new QProcess);
    QCOMPARE(startHolder(first), QString("free"));
    first.kill();
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(first.exitStatus(), QProcess::CrashExit);
    // The killed holder could not clean up: its lock file is still there, and must not keep others out.
    QVERIFY(QFile::exists(singleInstanceLockPath()));

    auto &next = *m_processes.emplace_back(new QProcess);
    QCOMPARE(startHolder(next), QString("free"));
    auto &third = *m_processes.emplace_back(new QProcess);
    QCOMPARE(startHolder(third), QString("running"));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
