// The project database connection: opening on demand, connection names, schema questions, bound values and
// transactions.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/idlememory.h"
#include "core/sqltransaction.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QtTest>

class TestCppSQLite3DB : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnDemandAndCreatesTheFile();
    void connectionNamesCountUp();
    void setDatabaseNameWaitsForTheNextOpen();
    void failedOpenRetriesWithANewConnection();
    void failingStatementIsFalseAndQueryEmpty();
    void tableExistIsExact();
    void columnExistIgnoresCase();
    void addColumnAddsOnceWithDefaults();
    void boundValuesAreStoredAsGiven_data();
    void boundValuesAreStoredAsGiven();
    void bracketedIndexColumn();
    void preparedStatementsRunAgainWithNewValues();
    void transactionRollsBack();
    void nestedTransactionUndoesOnlyItsOwnPart();
    void guardRollsBackUnlessCommitted();
    void afterCommitWaitsForTheOutermostCommit();
    void afterCommitIsDroppedWithItsTransaction();
    void closeWithoutHandleDoesNothing();
    void releasingIdleMemoryKeepsTheRowsAndOpensNothing();
    void processEndsCleanlyWithTheDatabaseOpen();

private:
    QString dbPath(const QString &name = "test.db3") const { return QDir(m_dir->path()).filePath(name); }
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestCppSQLite3DB::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    gDatabase.close();
    gDatabase.setDatabaseName(dbPath());
}

void TestCppSQLite3DB::cleanup()
{
    gDatabase.close();
}

void TestCppSQLite3DB::opensOnDemandAndCreatesTheFile()
{
    QVERIFY(!gDatabase.isOpen());
    QVERIFY(!QFile::exists(dbPath()));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: Fail to exec sql\\..*"));
    QVERIFY(!gDatabase.execSql("select * from tbl_room"));
    QVERIFY(gDatabase.isOpen());
    QVERIFY(QFile::exists(dbPath()));
    QVERIFY(gDatabase.tables().isEmpty());
}

void TestCppSQLite3DB::connectionNamesCountUp()
{
    const int before = gDbConnectionCounter;
    QVERIFY(gDatabase.execSql("create table t(id integer primary key)"));
    const QString first = gDatabase.connectionName();
    QCOMPARE(first, QString("default_%1").arg(before));
    QVERIFY(QSqlDatabase::contains(first));
    gDatabase.close();
    QVERIFY(!QSqlDatabase::contains(first));
    QVERIFY(gDatabase.isTableExist("t"));
    QCOMPARE(gDatabase.connectionName(), QString("default_%1").arg(before + 1));
}

void TestCppSQLite3DB::setDatabaseNameWaitsForTheNextOpen()
{
    QVERIFY(gDatabase.execSql("create table first_file(id integer primary key)"));
    gDatabase.setDatabaseName(dbPath("other.db3"));
    QVERIFY(gDatabase.isTableExist("first_file"));
    gDatabase.close();
    QVERIFY(!gDatabase.isTableExist("first_file"));
    QVERIFY(QFile::exists(dbPath("other.db3")));
}

void TestCppSQLite3DB::failedOpenRetriesWithANewConnection()
{
    gDatabase.setDatabaseName(QDir(m_dir->path()).filePath("no/such/folder/x.db3"));
    const int before = gDbConnectionCounter;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^database open error:.*"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: Fail to exec sql\\..*"));
    QVERIFY(!gDatabase.execSql("select 1"));
    QVERIFY(!gDatabase.isOpen());
    QVERIFY(!gDatabase.lastErrorText().isEmpty());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^database open error:.*"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: Fail to exec sql\\..*"));
    QVERIFY(!gDatabase.execSql("select 1"));
    QCOMPARE(gDbConnectionCounter, before + 2);
}

void TestCppSQLite3DB::failingStatementIsFalseAndQueryEmpty()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: Fail to exec sql\\..*"));
    QSqlQuery query = gDatabase.querySql("select * from missing_table");
    QVERIFY(!query.isActive());
    QVERIFY(!query.next());
}

void TestCppSQLite3DB::tableExistIsExact()
{
    QVERIFY(gDatabase.execSql("create table tbl_log(id integer primary key)"));
    QVERIFY(gDatabase.isTableExist("tbl_log"));
    QVERIFY(!gDatabase.isTableExist("TBL_LOG"));
    QVERIFY(!gDatabase.isTableExist("sqlite_master"));
}

void TestCppSQLite3DB::columnExistIgnoresCase()
{
    QVERIFY(gDatabase.execSql("create table tbl_version(id integer primary key,name nvarchar)"));
    QVERIFY(gDatabase.isColumnExist("tbl_version", "NAME"));
    QVERIFY(!gDatabase.isColumnExist("tbl_version", "version"));
    QVERIFY(!gDatabase.isColumnExist("no_table", "name"));
}

void TestCppSQLite3DB::addColumnAddsOnceWithDefaults()
{
    QVERIFY(gDatabase.execSql("create table t(id integer primary key,a integer)"));
    QVERIFY(gDatabase.execSql("insert into t(a) values(5)"));
    QVERIFY(gDatabase.addColumn("t", "A", "integer", "7"));
    QVERIFY(!gDatabase.isColumnExist("t", "a2"));

    QVERIFY(gDatabase.addColumn("t", "kind", "integer", "0"));
    QVERIFY(gDatabase.addColumn("t", "note", "", ""));
    QSqlQuery query = gDatabase.querySql("select kind,note,typeof(note) as nt from t");
    QVERIFY(query.next());
    QCOMPARE(query.value("kind").toInt(), 0);
    QVERIFY(query.value("note").isNull());
    query.finish();
    QSqlQuery info = gDatabase.querySql("select type from pragma_table_info('t') where name='note'");
    QVERIFY(info.next());
    QCOMPARE(info.value(0).toString(), QString("TEXT"));
}

void TestCppSQLite3DB::boundValuesAreStoredAsGiven_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("quote") << QString("O'Brien's \"suite\"");
    QTest::newRow("percent") << QString("100% %s %d %1");
    QTest::newRow("sql") << QString("x'); delete from t; --");
    QTest::newRow("non-latin") << QString::fromUtf8("Zimmer Größe – 房间 – غرفة – °C");
    QTest::newRow("empty") << QString();
}

void TestCppSQLite3DB::boundValuesAreStoredAsGiven()
{
    QFETCH(QString, text);
    QVERIFY(gDatabase.execSql("create table t(id integer primary key,name nvarchar,n integer)"));
    QVERIFY(gDatabase.execSql("insert into t(name,n) values(?,?)", {text, 3}));
    QVERIFY(gDatabase.execSql("insert into t(name,n) values(?,?)", {QString("other"), 4}));
    QSqlQuery query = gDatabase.querySql("select n from t where name=?", {text});
    QVERIFY(query.next());
    QCOMPARE(query.value("n").toInt(), 3);
    QVERIFY(!query.next());
    query.finish();
    QSqlQuery back = gDatabase.querySql("select name from t where n=?", {3});
    QVERIFY(back.next());
    QCOMPARE(back.value("name").toString(), text);
}

void TestCppSQLite3DB::bracketedIndexColumn()
{
    QVERIFY(gDatabase.execSql("create table tbl_x(id integer primary key,[index] integer)"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: Fail to exec sql\\..*"));
    QVERIFY(!gDatabase.execSql("insert into tbl_x(index) values(1)"));
    QVERIFY(gDatabase.execSql("insert into tbl_x([index]) values(1)"));
}

void TestCppSQLite3DB::preparedStatementsRunAgainWithNewValues()
{
    QVERIFY(gDatabase.execSql("create table t(id integer primary key,name nvarchar,n integer)"));
    const QString insert = "insert into t(name,n) values(?,?)";
    QVERIFY(gDatabase.execPrepared(insert, {QString("O'Brien"), 1}));
    QVERIFY(gDatabase.execPrepared(insert, {QString(), 2}));
    const QString select = "select name from t where n=?";
    {
        QSqlQuery first = gDatabase.queryPrepared(select, {1});
        QVERIFY(first.next());
        QCOMPARE(first.value(0).toString(), QString("O'Brien"));
        // Left unfinished: the next run still starts from its own first row.
        QSqlQuery second = gDatabase.queryPrepared(select, {2});
        QVERIFY(second.next());
        // A null text is stored as '' here too.
        QVERIFY(!second.value(0).isNull());
        QCOMPARE(second.value(0).toString(), QString(""));
        QVERIFY(!second.next());
        second.finish();
    }
    // Statements that change nothing, and a value the statement finds no row for.
    QVERIFY(gDatabase.execPrepared("update t set n=? where n=? and n is not ?", {1, 1, 1}));
    QSqlQuery none = gDatabase.queryPrepared(select, {9});
    QVERIFY(!none.next());
    none.finish();

    // They belong to the connection: after a project switch they run on the new database.
    gDatabase.close();
    gDatabase.setDatabaseName(dbPath("other.db3"));
    QVERIFY(gDatabase.execSql("create table t(id integer primary key,name nvarchar,n integer)"));
    QVERIFY(gDatabase.execSql("insert into t(name,n) values('other',1)"));
    {
        QSqlQuery other = gDatabase.queryPrepared(select, {1});
        QVERIFY(other.next());
        QCOMPARE(other.value(0).toString(), QString("other"));
    }

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: Fail to exec sql\\..*"));
    QVERIFY(!gDatabase.execPrepared("insert into missing_table(n) values(?)", {1}));
}

void TestCppSQLite3DB::transactionRollsBack()
{
    QVERIFY(gDatabase.execSql("create table t(id integer primary key,a integer)"));
    QVERIFY(gDatabase.beginTransaction());
    QVERIFY(gDatabase.execSql("insert into t(a) values(1)"));
    QVERIFY(gDatabase.rollbackTransaction());
    QCOMPARE(gDatabase.transactionDepth(), 0);
    QSqlQuery query = gDatabase.querySql("select count(*) from t");
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 0);
    query.finish();

    QVERIFY(gDatabase.beginTransaction());
    QVERIFY(gDatabase.execSql("insert into t(a) values(2)"));
    QVERIFY(gDatabase.commitTransaction());
    gDatabase.close();
    QSqlQuery after = gDatabase.querySql("select a from t");
    QVERIFY(after.next());
    QCOMPARE(after.value(0).toInt(), 2);
}

void TestCppSQLite3DB::nestedTransactionUndoesOnlyItsOwnPart()
{
    QVERIFY(gDatabase.execSql("create table t(id integer primary key,a integer)"));
    QVERIFY(gDatabase.beginTransaction());
    QVERIFY(gDatabase.execSql("insert into t(a) values(1)"));
    QVERIFY(gDatabase.beginTransaction());
    QCOMPARE(gDatabase.transactionDepth(), 2);
    QVERIFY(gDatabase.execSql("insert into t(a) values(2)"));
    QVERIFY(gDatabase.rollbackTransaction());
    QVERIFY(gDatabase.commitTransaction());
    QSqlQuery query = gDatabase.querySql("select group_concat(a) from t");
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), QString("1"));
    QVERIFY(!gDatabase.commitTransaction());
}

static QString column(const QString &sql)
{
    QSqlQuery query = gDatabase.querySql(sql);
    return query.next() ? query.value(0).toString() : QString("<no row>");
}

void TestCppSQLite3DB::guardRollsBackUnlessCommitted()
{
    QVERIFY(gDatabase.execSql("create table t(id integer primary key,a integer)"));
    {
        // Left without a commit, as a failing step leaves it.
        SqlTransaction group;
        QVERIFY(group.isOpen());
        QVERIFY(gDatabase.execSql("insert into t(a) values(1)"));
    }
    QCOMPARE(gDatabase.transactionDepth(), 0);
    QCOMPARE(column("select count(*) from t"), QString("0"));
    {
        SqlTransaction outer;
        QVERIFY(gDatabase.execSql("insert into t(a) values(2)"));
        {
            SqlTransaction inner;
            QVERIFY(gDatabase.execSql("insert into t(a) values(3)"));
            // An inner group dropped leaves the outer one's rows.
        }
        {
            SqlTransaction inner;
            QVERIFY(gDatabase.execSql("insert into t(a) values(4)"));
            QVERIFY(inner.commit());
            QVERIFY(!inner.commit());
        }
        QCOMPARE(gDatabase.transactionDepth(), 1);
        QVERIFY(outer.commit());
    }
    QCOMPARE(gDatabase.transactionDepth(), 0);
    gDatabase.close();
    QCOMPARE(column("select group_concat(a) from t"), QString("2,4"));

    // A group that cannot begin on an unusable file cannot commit either.
    gDatabase.close();
    gDatabase.setDatabaseName(QDir(m_dir->path()).filePath("no/such/folder/x.db3"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^database open error:.*"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error: Fail to exec sql\\..*SAVEPOINT.*"));
    SqlTransaction refused;
    QVERIFY(!refused.isOpen());
    QVERIFY(!refused.commit());
    QCOMPARE(gDatabase.transactionDepth(), 0);
}

void TestCppSQLite3DB::afterCommitWaitsForTheOutermostCommit()
{
    QStringList done;
    gDatabase.afterCommit([&done] { done << "outside"; });
    QCOMPARE(done, QStringList("outside"));

    done.clear();
    QVERIFY(gDatabase.beginTransaction());
    gDatabase.afterCommit([&done] { done << "outer"; });
    QVERIFY(gDatabase.beginTransaction());
    gDatabase.afterCommit([&done] { done << "inner"; });
    QVERIFY(gDatabase.commitTransaction());
    gDatabase.afterCommit([&done] { done << "outer again"; });
    QVERIFY(done.isEmpty());
    QVERIFY(gDatabase.commitTransaction());
    QCOMPARE(done, QStringList({"outer", "inner", "outer again"}));

    // Each runs once.
    QVERIFY(gDatabase.beginTransaction());
    QVERIFY(gDatabase.commitTransaction());
    QCOMPARE(done.size(), 3);
}

void TestCppSQLite3DB::afterCommitIsDroppedWithItsTransaction()
{
    QStringList done;
    QVERIFY(gDatabase.beginTransaction());
    gDatabase.afterCommit([&done] { done << "outer"; });
    QVERIFY(gDatabase.beginTransaction());
    gDatabase.afterCommit([&done] { done << "inner"; });
    QVERIFY(gDatabase.rollbackTransaction());
    QVERIFY(gDatabase.commitTransaction());
    QCOMPARE(done, QStringList("outer"));

    // A committed inner part is still undone by the outer rollback, and so is what waited on it.
    done.clear();
    QVERIFY(gDatabase.beginTransaction());
    QVERIFY(gDatabase.beginTransaction());
    gDatabase.afterCommit([&done] { done << "inner"; });
    QVERIFY(gDatabase.commitTransaction());
    QVERIFY(gDatabase.rollbackTransaction());
    QVERIFY(done.isEmpty());

    QVERIFY(gDatabase.beginTransaction());
    gDatabase.afterCommit([&done] { done << "closed"; });
    gDatabase.close();
    QVERIFY(gDatabase.beginTransaction());
    QVERIFY(gDatabase.commitTransaction());
    QVERIFY(done.isEmpty());
}

void TestCppSQLite3DB::closeWithoutHandleDoesNothing()
{
    gDatabase.close();
    gDatabase.close();
    QVERIFY(!gDatabase.isOpen());
    QVERIFY(gDatabase.connectionName().isEmpty());
}

void TestCppSQLite3DB::releasingIdleMemoryKeepsTheRowsAndOpensNothing()
{
    // Without a connection there is nothing to give back, and no database file is made for it.
    QVERIFY(!releaseIdleMemory());
    QVERIFY(!gDatabase.isOpen());
    QVERIFY(!QFile::exists(dbPath()));

    QVERIFY(gDatabase.execSql("create table t(id integer primary key,name text)"));
    {
        SqlTransaction transaction;
        for (int i = 1; i <= 2000; ++i)
            QVERIFY(gDatabase.execPrepared("insert into t(id,name) values(?,?)", {i, QString("room %1").arg(i)}));
        QVERIFY(transaction.commit());
    }
    QSqlQuery all = gDatabase.querySql("select count(*),max(name) from t");
    QVERIFY(all.next());
    QCOMPARE(all.value(0).toInt(), 2000);
    all.finish();

    QVERIFY(releaseIdleMemory());
    QVERIFY(gDatabase.isOpen());
    // The rows are read again, and a statement kept prepared still runs.
    QSqlQuery again = gDatabase.querySql("select count(*),max(name) from t");
    QVERIFY(again.next());
    QCOMPARE(again.value(0).toInt(), 2000);
    QCOMPARE(again.value(1).toString(), QString("room 999"));
    QVERIFY(gDatabase.execPrepared("insert into t(id,name) values(?,?)", {2001, QString("room 2001")}));
    QSqlQuery one = gDatabase.querySql("select name from t where id=?", {2001});
    QVERIFY(one.next());
    QCOMPARE(one.value(0).toString(), QString("room 2001"));
}

void TestCppSQLite3DB::processEndsCleanlyWithTheDatabaseOpen()
{
    QProcess process;
    process.start(DATABASE_EXIT, {dbPath("exit.db3")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    gDatabase.setDatabaseName(dbPath("exit.db3"));
    QVERIFY(gDatabase.isTableExist("left_open"));
}

QTEST_GUILESS_MAIN(TestCppSQLite3DB)
#include "tst_cppsqlite3db.moc"
