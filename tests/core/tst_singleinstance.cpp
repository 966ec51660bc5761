// The single-instance guard across processes: one holder per machine whatever its home folder or user, released
// at exit, and free again after a holder was killed.

#include "core/singleinstance.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether a process of any user may pass through every folder from the root down to path.
bool everyoneMayPass(const QString &path)
{
    QString at = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (;;) {
        struct stat info;
        if (::stat(QFile::encodeName(at).constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
            !(info.st_mode & S_IXOTH))
            return false;
        if (at == "/")
            return true;
        at = QFileInfo(at).path();
    }
}

// A folder in which this test may make one that every user reaches: the suite's temporary folder when everyone
// may pass through it (it may be private to the user running the suite), else the machine's usual ones, else the
// root, which root, the only one who can start a process as another user, may write to.
QString parentEveryoneReaches(const QString &preferred)
{
    for (const QString &candidate : {preferred, QStringLiteral("/tmp"), QStringLiteral("/var/tmp")}) {
        if (everyoneMayPass(candidate) && QFileInfo(candidate).isWritable())
            return candidate;
    }
    return QStringLiteral("/");
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void lockLivesInTheTemporaryFolder();
    void secondHolderIsRefused();
    void holderWithAnotherHomeIsRefused();
    void holderOfAnotherUserIsRefused();
    void releasedAtNormalExit();
    void takenOverAfterKill();

private:
    // Starts a guard holder and answers what it printed: "free" or "running".
    QString startHolder(QProcess &process);

    QTemporaryDir m_home;
    // The temporary folder the suite was given, before the test put its own in its place.
    QString m_suiteTemp = QDir::tempPath();
    // The machine's temporary folder stands in for this test: other stations and tests on the machine use theirs.
    QTemporaryDir m_temp;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

void TestSingleInstance::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY(m_temp.isValid());
    testenv::useFreshHome(m_home);
    qputenv("TMPDIR", m_temp.path().toUtf8());
    QCOMPARE(QDir::tempPath(), m_temp.path());
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

void TestSingleInstance::lockLivesInTheTemporaryFolder()
{
    QCOMPARE(singleInstanceLockPath(), m_temp.path() + "/Zoduv.lock");
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

void TestSingleInstance::holderWithAnotherHomeIsRefused()
{
    QTemporaryDir otherHome;
    QVERIFY(otherHome.isValid());
    auto &first = *m_processes.emplace_back(new QProcess);
    auto &second = *m_processes.emplace_back(new QProcess);
    QCOMPARE(startHolder(first), QString("free"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        environment.insert(name, otherHome.path());
    second.setProcessEnvironment(environment);
    QCOMPARE(startHolder(second), QString("running"));
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 0);
}

void TestSingleInstance::holderOfAnotherUserIsRefused()
{
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    if (::geteuid() != 0 || setpriv.isEmpty())
        QSKIP("starting a process as another user needs root and setpriv");
    // The lock's folder as the machine's temporary folder is: everyone may reach it and create files in it, and
    // remove only their own. Made here, as the suite's own temporary folder may be private to its user.
    QTemporaryDir shared(parentEveryoneReaches(m_suiteTemp) + "/zoduv-lock-XXXXXX");
    QVERIFY2(shared.isValid(), qPrintable(shared.errorString()));
    QVERIFY(::chmod(QFile::encodeName(shared.path()).constData(), 01777) == 0);
    QVERIFY(everyoneMayPass(shared.path()));
    const QByteArray ownTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", shared.path().toUtf8());
    struct RestoreTemp
    {
        QByteArray value;
        ~RestoreTemp() { qputenv("TMPDIR", value); }
    } restore{ownTemp};
    QCOMPARE(singleInstanceLockPath(), shared.path() + "/Zoduv.lock");

    // Whoever comes first, the other is refused: root first (nobody opens the lock file root made), then nobody
    // first (making the file itself).
    for (bool nobodyFirst : {false, true}) {
        auto &rootHolder = *m_processes.emplace_back(new QProcess);
        auto &nobodyHolder = *m_processes.emplace_back(new QProcess);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", "/nonexistent");
        nobodyHolder.setProcessEnvironment(environment);
        const auto startNobody = [&] {
            nobodyHolder.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", GUARD_HOLDER});
            if (!nobodyHolder.waitForStarted(10000))
                return QString("not started");
            QElapsedTimer timer;
            timer.start();
            while (!nobodyHolder.canReadLine() && nobodyHolder.state() == QProcess::Running && timer.elapsed() < 10000)
                nobodyHolder.waitForReadyRead(100);
            return QString::fromUtf8(nobodyHolder.readLine()).trimmed();
        };
        if (nobodyFirst) {
            QCOMPARE(startNobody(), QString("free"));
            QCOMPARE(startHolder(rootHolder), QString("running"));
        } else {
            QCOMPARE(startHolder(rootHolder), QString("free"));
            QCOMPARE(startNobody(), QString("running"));
        }
        cleanup();
    }
}

void TestSingleInstance::releasedAtNormalExit()
{
    auto &first = *m_processes.emplace_back(new QProcess);
    QCOMPARE(startHolder(first), QString("free"));
    first.closeWriteChannel();
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(first.exitCode(), 0);

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
    // The lock file stays (it is never removed), and must not keep others out.
    QVERIFY(QFile::exists(singleInstanceLockPath()));

    auto &next = *m_processes.emplace_back(new QProcess);
    QCOMPARE(startHolder(next), QString("free"));
    auto &third = *m_processes.emplace_back(new QProcess);
    QCOMPARE(startHolder(third), QString("running"));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
