// The query helpers (both the plain and the bound-value forms) and the small conversions beside them.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QRegularExpression execError("^Error: Fail to exec sql\\..*");

QString nameOfRow(const QSqlQuery &query)
{
    return queryColumnText(query, "name");
}
} // namespace

class TestQueryHelpers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hasRecord();
    void missingTableLogsOnceAndHasNoRow();
    void failureIsToldApartFromNoRow();
    void stringValueKeepsPresetWithoutRow();
    void stringValueOfNullIsEmpty();
    void missingColumnReadsEmpty();
    void intValue_data();
    void intValue();
    void doubleValue();
    void stringListReplacesOldEntries();
    void intStringListKeepsStatementOrder();
    void boundTextsRoundTrip_data();
    void boundTextsRoundTrip();
    void queryLeavesNoStatementActive();
    void rowsAreReadInStatementOrder();
    void transactionStoresAllOrNothing();

    void copyDeviceText_data();
    void copyDeviceText();
    void temperatures_data();
    void temperatures();
    void eightDashFields_data();
    void eightDashFields();
    void asciiDigit();
    void decimalNumber_data();
    void decimalNumber();

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestQueryHelpers::init()
{
    m_dir.reset(new QTemporaryDir);
    gDatabase.close();
    gDatabase.setDatabaseName(QDir(m_dir->path()).filePath("q.db3"));
    QVERIFY(gDatabase.execSql("create table t(id integer primary key,name nvarchar,n integer,d nvarchar)"));
}

void TestQueryHelpers::cleanup()
{
    gDatabase.close();
}

void TestQueryHelpers::hasRecord()
{
    QVERIFY(!queryHasRecord("select * from t"));
    QVERIFY(gDatabase.execSql("insert into t(name,n) values('a',1)"));
    QVERIFY(queryHasRecord("select * from t"));
    QVERIFY(queryHasRecord("select * from t where n=?", {1}));
    QVERIFY(!queryHasRecord("select * from t where n=?", {2}));
}

void TestQueryHelpers::missingTableLogsOnceAndHasNoRow()
{
    QTest::ignoreMessage(QtWarningMsg, execError);
    QVERIFY(!queryHasRecord("select * from missing"));
    QTest::ignoreMessage(QtWarningMsg, execError);
    QCOMPARE(queryIntValue("select * from missing", "n"), 0);
    QTest::ignoreMessage(QtWarningMsg, execError);
    QStringList list{"old"};
    QCOMPARE(queryStringList("select * from missing", "n", list), 0);
    QVERIFY(list.isEmpty());
}

// A caller that asks for the outcome gets the reason of a failed statement, and an empty answer stays silent.
void TestQueryHelpers::failureIsToldApartFromNoRow()
{
    QString error;
    QVERIFY(!queryHasRecord("select * from t", &error));
    QVERIFY(error.isEmpty());
    QString value;
    QVERIFY(!queryStringValue("select * from t where n=?", {1}, "name", value, &error));
    QVERIFY(error.isEmpty());

    QTest::ignoreMessage(QtWarningMsg, execError);
    QVERIFY(!queryHasRecord("select * from missing", &error));
    QVERIFY2(error.contains("missing"), qPrintable(error));
    QCOMPARE(gDatabase.lastErrorText(), error);

    error.clear();
    QTest::ignoreMessage(QtWarningMsg, execError);
    QStringList list;
    QCOMPARE(queryIntStringList("select * from missing where n=?", {1}, "n", list, &error), 0);
    QVERIFY(!error.isEmpty());
    error.clear();
    QTest::ignoreMessage(QtWarningMsg, execError);
    QCOMPARE(queryDoubleValue("select nothing from missing", "n", &error), 0.0);
    QVERIFY(!error.isEmpty());
}

void TestQueryHelpers::stringValueKeepsPresetWithoutRow()
{
    QString value = "abc";
    QVERIFY(!queryStringValue("select * from t", "name", value));
    QCOMPARE(value, QString("abc"));
    QVERIFY(!queryStringValue("select * from t where name=?", {QString("x")}, "name", value));
    QCOMPARE(value, QString("abc"));
}

void TestQueryHelpers::stringValueOfNullIsEmpty()
{
    QVERIFY(gDatabase.execSql("insert into t(n) values(5)"));
    QString value = "abc";
    QVERIFY(queryStringValue("select * from t", "name", value));
    QVERIFY(value.isEmpty());
    QVERIFY(queryStringValue("select * from t", "n", value));
    QCOMPARE(value, QString("5"));
}

void TestQueryHelpers::missingColumnReadsEmpty()
{
    QVERIFY(gDatabase.execSql("insert into t(name,n) values('a',1)"));
    QVERIFY(gDatabase.execSql("insert into t(name,n) values('b',2)"));
    QString value = "abc";
    QVERIFY(queryStringValue("select * from t", "nope", value));
    QVERIFY(value.isEmpty());
    QCOMPARE(queryIntValue("select * from t", "nope"), 0);
    QStringList list;
    QCOMPARE(queryIntStringList("select * from t", "nope", list), 2);
    QCOMPARE(list, QStringList({"0", "0"}));
}

void TestQueryHelpers::intValue_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("number") << "42" << 42;
    QTest::newRow("negative") << "-7" << -7;
    QTest::newRow("trailing letters") << "12x" << 0;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("empty") << "" << 0;
}

void TestQueryHelpers::intValue()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    QVERIFY(gDatabase.execSql("insert into t(d) values(?)", {stored}));
    QCOMPARE(queryIntValue("select d from t", "d"), expected);
    QCOMPARE(queryIntValue("select d from t where d=?", {stored}, "d"), expected);
    QCOMPARE(queryIntValue("select d from t where d='no such'", "d"), 0);
}

void TestQueryHelpers::doubleValue()
{
    QCOMPARE(queryDoubleValue("select d from t", "d"), 0.0);
    QVERIFY(gDatabase.execSql("insert into t(d) values('3.25')"));
    QCOMPARE(queryDoubleValue("select d from t", "d"), 3.25);
    QCOMPARE(queryDoubleValue("select d from t where d=?", {QString("3.25")}, "d"), 3.25);
}

void TestQueryHelpers::stringListReplacesOldEntries()
{
    QVERIFY(gDatabase.execSql("insert into t(name) values('a')"));
    QVERIFY(gDatabase.execSql("insert into t(name) values('b')"));
    QStringList list{"stale1", "stale2", "stale3"};
    QCOMPARE(queryStringList("select name from t order by id", "name", list), 2);
    QCOMPARE(list, QStringList({"a", "b"}));
    QCOMPARE(queryStringList("select name from t where name<>?", {QString("a")}, "name", list), 1);
    QCOMPARE(list, QStringList({"b"}));
}

void TestQueryHelpers::intStringListKeepsStatementOrder()
{
    for (const char *n : {"3", "1", "2", "007"})
        QVERIFY(gDatabase.execSql("insert into t(d) values(?)", {QString(n)}));
    QVERIFY(gDatabase.execSql("insert into t(name) values('null d')"));
    QStringList list;
    QCOMPARE(queryIntStringList("select d from t order by id", "d", list), 5);
    QCOMPARE(list, QStringList({"3", "1", "2", "7", "0"}));
    QCOMPARE(queryIntStringList("select d from t where d<>? order by id", {QString("1")}, "d", list), 3);
    QCOMPARE(list, QStringList({"3", "2", "7"}));
}

void TestQueryHelpers::boundTextsRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("quotes") << QString("Tom's \"big\" room");
    QTest::newRow("percent") << QString("50% off %s %d");
    QTest::newRow("injection") << QString("' or '1'='1");
    QTest::newRow("non-latin") << QString::fromUtf8("Ñandú 部屋 Комната");
}

void TestQueryHelpers::boundTextsRoundTrip()
{
    QFETCH(QString, text);
    QVERIFY(gDatabase.execSql("insert into t(name,n) values(?,?)", {QString("other"), 1}));
    QVERIFY(gDatabase.execSql("insert into t(name,n) values(?,?)", {text, 2}));
    QVERIFY(queryHasRecord("select * from t where name=?", {text}));
    QCOMPARE(queryIntValue("select * from t where name=?", {text}, "n"), 2);
    QString back;
    QVERIFY(queryStringValue("select name from t where n=?", {2}, "name", back));
    QCOMPARE(back, text);
    QStringList list;
    QCOMPARE(queryStringList("select name from t where name=?", {text}, "name", list), 1);
    QCOMPARE(list.first(), text);
}

void TestQueryHelpers::queryLeavesNoStatementActive()
{
    QVERIFY(gDatabase.execSql("insert into t(name) values('a')"));
    QVERIFY(gDatabase.execSql("insert into t(name) values('b')"));
    QVERIFY(queryHasRecord("select * from t"));
    // A statement left stepping would keep the table locked; dropping it must work at once.
    QVERIFY(gDatabase.execSql("drop table t"));
}

void TestQueryHelpers::rowsAreReadInStatementOrder()
{
    for (const char *name : {"b", "c", "a"})
        QVERIFY(gDatabase.execSql("insert into t(name) values(?)", {QString(name)}));
    QString error;
    QCOMPARE(queryRowList("select name from t where name<>? order by name", {"c"}, nameOfRow, &error),
             QList<QString>({"a", "b"}));
    QString first = "kept";
    QVERIFY(queryFirstRow("select name from t order by id desc", {}, nameOfRow, first, &error));
    QCOMPARE(first, QString("a"));
    QVERIFY(!queryFirstRow("select name from t where name=?", {"z"}, nameOfRow, first, &error));
    QCOMPARE(first, QString("a"));
    QCOMPARE(error, QString());

    QTest::ignoreMessage(QtWarningMsg, execError);
    QVERIFY(queryRowList("select name from missing", {}, nameOfRow, &error).isEmpty());
    QVERIFY2(error.contains("missing"), qPrintable(error));
    error.clear();
    QTest::ignoreMessage(QtWarningMsg, execError);
    QVERIFY(!queryFirstRow("select name from missing", {}, nameOfRow, first, &error));
    QVERIFY2(error.contains("missing"), qPrintable(error));
    QCOMPARE(first, QString("a"));
}

void TestQueryHelpers::transactionStoresAllOrNothing()
{
    QString error;
    QVERIFY(runTransaction([] { return gDatabase.execSql("insert into t(name) values('a')"); }, &error));
    QCOMPARE(error, QString());

    // The second step fails: the first one's row goes too, and the reason is the failed step's.
    QTest::ignoreMessage(QtWarningMsg, execError);
    QVERIFY(!runTransaction(
        [] {
            return gDatabase.execSql("insert into t(name) values('b')") &&
                   gDatabase.execSql("insert into missing(name) values('c')");
        },
        &error));
    QVERIFY2(error.contains("missing"), qPrintable(error));
    QStringList names;
    QCOMPARE(queryStringList("select name from t", "name", names), 1);
    QCOMPARE(names, QStringList({"a"}));
    QCOMPARE(gDatabase.transactionDepth(), 0);
}

void TestQueryHelpers::copyDeviceText_data()
{
    QTest::addColumn<QByteArray>("src");
    QTest::addColumn<bool>("printableOnly");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("copied");
    QTest::newRow("all FF") << QByteArray("\xFF\xFF\xFF", 3) << true << 0 << QByteArray();
    QTest::newRow("FF then text") << QByteArray("\xFF"
                                                "A",
                                                2)
                                  << false << 0
                                  << QByteArray("\xFF"
                                                "A",
                                                2);
    QTest::newRow("stop at NUL") << QByteArray("AB\0C", 4) << true << 2 << QByteArray("AB");
    QTest::newRow("copy all") << QByteArray("AB\0C", 4) << false << 0 << QByteArray("AB\0C", 4);
    QTest::newRow("printable") << QByteArray("V1.2") << true << 0 << QByteArray("V1.2");
    QTest::newRow("length 0") << QByteArray() << true << 0 << QByteArray();
}

void TestQueryHelpers::copyDeviceText()
{
    QFETCH(QByteArray, src);
    QFETCH(bool, printableOnly);
    QFETCH(int, result);
    QFETCH(QByteArray, copied);
    char dst[16];
    memset(dst, 0, sizeof dst);
    QCOMPARE(::copyDeviceText(dst, reinterpret_cast<const quint8 *>(src.constData()), src.size(), printableOnly),
             result);
    QCOMPARE(QByteArray(dst, copied.size()), copied);
    QCOMPARE(dst[copied.size()], '\0');
}

void TestQueryHelpers::temperatures_data()
{
    QTest::addColumn<int>("celsius");
    QTest::addColumn<int>("fahrenheit");
    QTest::addColumn<bool>("exactBack");
    QTest::newRow("0") << 0 << 32 << true;
    QTest::newRow("25") << 25 << 77 << true;
    QTest::newRow("26") << 26 << 79 << false;
    QTest::newRow("-10") << -10 << 14 << true;
    QTest::newRow("100") << 100 << 212 << true;
    QTest::newRow("-40") << -40 << -40 << true;
}

void TestQueryHelpers::temperatures()
{
    QFETCH(int, celsius);
    QFETCH(int, fahrenheit);
    QFETCH(bool, exactBack);
    QCOMPARE(celsiusToFahrenheit(celsius), fahrenheit);
    if (exactBack)
        QCOMPARE(fahrenheitToCelsius(fahrenheit), celsius);
    QCOMPARE(fahrenheitToCelsius(78), 26);
    QCOMPARE(fahrenheitToCelsius(0), -18);
}

void TestQueryHelpers::eightDashFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("eight") << "a-b-c-d-e-f-g-h" << true;
    QTest::newRow("doubled and trailing") << "a--b-c-d-e-f-g-h-" << true;
    QTest::newRow("leading dash") << "-a-b-c-d-e-f-g-h" << true;
    QTest::newRow("seven") << "a-b-c-d-e-f-g" << false;
    QTest::newRow("nine") << "a-b-c-d-e-f-g-h-i" << false;
}

void TestQueryHelpers::eightDashFields()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(hasEightDashFields(text), expected);
}

void TestQueryHelpers::asciiDigit()
{
    QVERIFY(isAsciiDigit('0'));
    QVERIFY(isAsciiDigit('9'));
    QVERIFY(!isAsciiDigit('a'));
    QVERIFY(!isAsciiDigit('/'));
    QVERIFY(!isAsciiDigit(':'));
}

void TestQueryHelpers::decimalNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("expected");
    QTest::newRow("plain") << "1.5" << 1.5f;
    QTest::newRow("two places after") << "1.234" << 1.23f;
    QTest::newRow("two before") << "V12.34" << 12.34f;
    QTest::newRow("three before") << "123.4" << 23.4f;
    QTest::newRow("no digit before") << ".5" << 0.0f;
    QTest::newRow("no digit after") << "3.x" << 0.0f;
    QTest::newRow("second point") << "a.b 2.7" << 2.7f;
    QTest::newRow("none") << "" << 0.0f;
}

void TestQueryHelpers::decimalNumber()
{
    QFETCH(QString, text);
    QFETCH(float, expected);
    QCOMPARE(parseDecimalNumber(text), expected);
}

QTEST_GUILESS_MAIN(TestQueryHelpers)
#include "tst_queryhelpers.moc"
