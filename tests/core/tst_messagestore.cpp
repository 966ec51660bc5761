// The statements of guest messages: message definitions, the type and status names, and the message log that guest
// calls open and staff deal with, with the outcome of every write.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/messagestore.h"
#include "core/queryhelpers.h"
#include "tests/support/guestfixture.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every row of a table as text, to show that a refused write changed nothing.
QStringList dump(const QString &table)
{
    QStringList rows;
    QSqlQuery q = gDatabase.querySql("select * from " + table + " order by id");
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < q.record().count(); ++i)
            fields << q.value(i).toString();
        rows << fields.join('|');
    }
    return rows;
}

int lastLogId()
{
    return queryIntValue("select max(id) as id from tbl_message_log", "id");
}

void refuse(const QString &when, const QString &table)
{
    QVERIFY(gDatabase.execSql(
        QString("create trigger refuse before %1 on %2 begin select raise(abort,'refused'); end").arg(when, table)));
}

} // namespace

class TestMessageStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void definitionsAreListedAndRead();
    void definitionsAreSavedAsTyped();
    void renumberingDropsTheOccurrencesOnlyWhenAsked();
    void deletingADefinitionTakesItsOccurrences();
    void refusedDefinitionWritesChangeNothing_data();
    void refusedDefinitionWritesChangeNothing();
    void vocabularies();
    void guestCallsOpenAndChangeTheirRow();
    void refusedGuestCallWritesSayWhy_data();
    void refusedGuestCallWritesSayWhy();
    void rowsAreReadWholeOrCut();
    void pendingOfTheDay();
    void filters_data();
    void filters();
    void dealingAndDeleting();
    void refusedLogWritesChangeNothing_data();
    void refusedLogWritesChangeNothing();
    void rowNamesInOneRead();
    void failedReadsAreToldFromNoRows();

private:
    QTemporaryDir m_dir;
};

void TestMessageStore::init()
{
    gAppDirPath = m_dir.path();
    gRetainDays = "30";
    guestfixture::openFreshDatabase(m_dir);
    QVERIFY(guestfixture::addRoom(3, "East", "Ground", "101"));
    QVERIFY(guestfixture::addRoom(4, "West", "First", "201"));
    QVERIFY(guestfixture::addPanel(7, 1, 20, 3));
    QVERIFY(guestfixture::addPanel(8, 1, 21, 4));
    QVERIFY(guestfixture::addMessage(12, 1, "Emergency", "message_02", 6));
    QVERIFY(guestfixture::addMessage(11, 0, "Clean the room", "message_01", 5));
}

void TestMessageStore::cleanup()
{
    gDatabase.close();
}

void TestMessageStore::definitionsAreListedAndRead()
{
    const QList<MessageDefinition> all = messageDefinitions();
    QCOMPARE(all.size(), 2);
    QCOMPARE(all.at(0).messageId, 11);
    QCOMPARE(all.at(0).remark, QString("Clean the room"));
    QCOMPARE(all.at(0).iconName, QString("message_01"));
    QCOMPARE(all.at(0).switchNo, 5);
    QCOMPARE(all.at(1).messageId, 12);
    QCOMPARE(all.at(1).type, 1);

    MessageDefinition read;
    QVERIFY(readMessageDefinition(12, read));
    QCOMPARE(read.remark, QString("Emergency"));
    QCOMPARE(read.switchNo, 6);
    MessageDefinition untouched;
    untouched.remark = "kept";
    QVERIFY(!readMessageDefinition(99, untouched));
    QCOMPARE(untouched.remark, QString("kept"));

    int id = 0;
    int type = -1;
    QVERIFY(messageForSwitch(6, id, type));
    QCOMPARE(id, 12);
    QCOMPARE(type, 1);
    QVERIFY(!messageForSwitch(7, id, type));
    QVERIFY(isSwitchNumberUsed(5));
    QVERIFY(!isSwitchNumberUsed(9));
}

void TestMessageStore::definitionsAreSavedAsTyped()
{
    MessageDefinition definition;
    definition.messageId = 13;
    definition.type = 0;
    definition.remark = QString::fromUtf8("It's \"100%\" 客房");
    definition.iconName = "message_05";
    definition.switchNo = 9;
    QString error;
    QVERIFY(addMessageDefinition(definition, &error));
    QVERIFY(error.isEmpty());
    MessageDefinition read;
    QVERIFY(readMessageDefinition(13, read));
    QCOMPARE(read.remark, definition.remark);
    QCOMPARE(read.iconName, QString("message_05"));
    QCOMPARE(read.switchNo, 9);
}

void TestMessageStore::renumberingDropsTheOccurrencesOnlyWhenAsked()
{
    QVERIFY(guestfixture::addLogRow(11, 0, 0, 7, 3, "2026-12-10 08:00:00"));
    QVERIFY(guestfixture::addLogRow(12, 1, 0, 7, 3, "2026-12-10 08:00:00"));
    MessageDefinition definition;
    QVERIFY(readMessageDefinition(11, definition));
    definition.remark = "Towels";
    definition.type = 1;
    QVERIFY(updateMessageDefinition(definition, false));
    QCOMPARE(guestfixture::logRowCount(), 2);
    definition.switchNo = 8;
    QVERIFY(updateMessageDefinition(definition, true));
    QCOMPARE(guestfixture::logRowCount(), 1);
    QVERIFY(!queryHasRecord("select * from tbl_message_log where message_id=11"));
    MessageDefinition read;
    QVERIFY(readMessageDefinition(11, read));
    QCOMPARE(read.remark, QString("Towels"));
    QCOMPARE(read.type, 1);
    QCOMPARE(read.switchNo, 8);
}

void TestMessageStore::deletingADefinitionTakesItsOccurrences()
{
    QVERIFY(guestfixture::addLogRow(11, 0, 0, 7, 3, "2026-12-10 08:00:00"));
    QVERIFY(guestfixture::addLogRow(12, 1, 0, 7, 3, "2026-12-10 08:00:00"));
    QVERIFY(deleteMessageDefinition(11));
    MessageDefinition read;
    QVERIFY(!readMessageDefinition(11, read));
    QCOMPARE(guestfixture::logRowCount(), 1);
    QVERIFY(queryHasRecord("select * from tbl_message_log where message_id=12"));
}

void TestMessageStore::refusedDefinitionWritesChangeNothing_data()
{
    QTest::addColumn<QString>("refusedWhen");
    QTest::addColumn<QString>("refusedTable");
    QTest::addColumn<int>("write"); // 0 add, 1 update and renumber, 2 delete
    QTest::newRow("add") << "insert"
                         << "tbl_message" << 0;
    QTest::newRow("renumber: the update") << "update"
                                          << "tbl_message" << 1;
    QTest::newRow("renumber: the occurrences") << "delete"
                                               << "tbl_message_log" << 1;
    QTest::newRow("delete: the occurrences") << "delete"
                                             << "tbl_message_log" << 2;
    QTest::newRow("delete: the definition") << "delete"
                                            << "tbl_message" << 2;
}

void TestMessageStore::refusedDefinitionWritesChangeNothing()
{
    QFETCH(QString, refusedWhen);
    QFETCH(QString, refusedTable);
    QFETCH(int, write);
    QVERIFY(guestfixture::addLogRow(11, 0, 0, 7, 3, "2026-12-10 08:00:00"));
    refuse(refusedWhen, refusedTable);
    const QStringList definitions = dump("tbl_message");
    const QStringList log = dump("tbl_message_log");

    MessageDefinition definition;
    definition.messageId = write == 0 ? 13 : 11;
    definition.remark = "Towels";
    definition.iconName = "message_03";
    definition.switchNo = 9;
    QString error;
    bool stored = true;
    if (write == 0)
        stored = addMessageDefinition(definition, &error);
    else if (write == 1)
        stored = updateMessageDefinition(definition, true, &error);
    else
        stored = deleteMessageDefinition(11, &error);
    QVERIFY(!stored);
    QVERIFY2(error.contains("refused"), qPrintable(error));
    QCOMPARE(dump("tbl_message"), definitions);
    QCOMPARE(dump("tbl_message_log"), log);
    QCOMPARE(gDatabase.transactionDepth(), 0);
}

void TestMessageStore::vocabularies()
{
    QCOMPARE(messageTypeNames(), QStringList({"service message", "alarm message"}));
    QCOMPARE(messageStatusNames(), QStringList({"suspend", "user cancel", "processing", "processed", "secured"}));
    QCOMPARE(messageTypeName(1), QString("alarm message"));
    QCOMPARE(messageTypeName(7), QString());
    QCOMPARE(messageStatusName(3), QString("processed"));
    QCOMPARE(messageStatusName(-1), QString());
    QCOMPARE(messageStatusByName("secured"), 4);
    QCOMPARE(messageStatusByName("no such status"), 0);
}

void TestMessageStore::guestCallsOpenAndChangeTheirRow()
{
    const int first = insertOpenMessageLog(11, 0, 7, 3, "2026-12-10 08:00:00");
    const int second = insertOpenMessageLog(11, 0, 7, 3, "2026-12-10 08:00:00");
    QVERIFY(first > 0);
    QCOMPARE(second, first + 1);
    messageRecord row;
    QVERIFY(readMessageLog(first, row));
    QCOMPARE(row.message_id, 11);
    QCOMPARE(row.message_status, 0);
    QCOMPARE(row.panel_id, 7);
    QCOMPARE(row.room_id, 3);
    QCOMPARE(QByteArray(row.recv_time), QByteArray("2026-12-10 08:00:00"));
    QCOMPARE(QByteArray(row.message_log_remark), QByteArray());
    QCOMPARE(QByteArray(row.deal_time), QByteArray());

    // The first row of the day decides; another day, panel or message has its own.
    QVERIFY(guestfixture::addLogRow(11, 0, 3, 7, 3, "2026-12-09 23:59:59"));
    int id = 0;
    int status = -1;
    QVERIFY(firstMessageLogOfDay(11, 0, 7, 3, "2026-12-10", id, status));
    QCOMPARE(id, first);
    QCOMPARE(status, 0);
    QVERIFY(firstMessageLogOfDay(11, 0, 7, 3, "2026-12-09", id, status));
    QCOMPARE(status, 3);
    QVERIFY(!firstMessageLogOfDay(11, 0, 8, 3, "2026-12-10", id, status));
    QVERIFY(!firstMessageLogOfDay(12, 1, 7, 3, "2026-12-10", id, status));
    QVERIFY(!firstMessageLogOfDay(11, 0, 7, 3, "2026-12-11", id, status));

    QVERIFY(setMessageLogState(first, 1, "2026-12-10 09:30:00"));
    QVERIFY(readMessageLog(first, row));
    QCOMPARE(row.message_status, 1);
    QCOMPARE(QByteArray(row.recv_time), QByteArray("2026-12-10 09:30:00"));
    QVERIFY(!readMessageLog(9999, row));
}

void TestMessageStore::refusedGuestCallWritesSayWhy_data()
{
    QTest::addColumn<QString>("refusedWhen");
    QTest::newRow("open") << "insert";
    QTest::newRow("re-open") << "update";
}

void TestMessageStore::refusedGuestCallWritesSayWhy()
{
    QFETCH(QString, refusedWhen);
    QVERIFY(guestfixture::addLogRow(11, 0, 1, 7, 3, "2026-12-10 08:00:00"));
    const int existing = lastLogId();
    refuse(refusedWhen, "tbl_message_log");
    const QStringList before = dump("tbl_message_log");
    QString why;
    if (refusedWhen == "insert")
        QCOMPARE(insertOpenMessageLog(11, 0, 7, 3, "2026-12-10 09:00:00", &why), 0);
    else
        QVERIFY(!setMessageLogState(existing, 0, "2026-12-10 09:00:00", &why));
    // What the database said, as staff are told it.
    QCOMPARE(why, QString("refused"));
    QCOMPARE(dump("tbl_message_log"), before);
}

void TestMessageStore::rowsAreReadWholeOrCut()
{
    // 200 two-byte letters: 400 bytes, so the record's 255 bytes end inside one.
    const QString remark(200, QChar(0x00E9));
    QVERIFY(guestfixture::addLogRow(11, 0, 3, 7, 3, "2026-12-10 08:00:00", remark));
    const int id = lastLogId();
    messageRecord record;
    QVERIFY(readMessageLog(id, record));
    QCOMPARE(QString::fromUtf8(record.message_log_remark), QString(127, QChar(0x00E9)));

    MessageLogTexts texts;
    QVERIFY(readMessageLogTexts(id, texts));
    QCOMPARE(texts.remark, remark);
    QCOMPARE(texts.recvTime, QString("2026-12-10 08:00:00"));
    QCOMPARE(texts.dealTime, QString());
    MessageLogTexts none;
    none.remark = "kept";
    QVERIFY(!readMessageLogTexts(id + 1, none));
    QCOMPARE(none.remark, QString("kept"));
}

void TestMessageStore::pendingOfTheDay()
{
    QVERIFY(guestfixture::addLogRow(11, 0, 0, 7, 3, "2026-12-10 08:00:00"));
    QVERIFY(guestfixture::addLogRow(12, 1, 0, 8, 4, "2026-12-10 09:00:00"));
    QVERIFY(guestfixture::addLogRow(11, 0, 2, 7, 3, "2026-12-10 10:00:00"));
    QVERIFY(guestfixture::addLogRow(11, 0, 0, 7, 3, "2026-12-09 10:00:00"));
    QCOMPARE(pendingMessagesOfDay("2026-12-10", 0).size(), 2);
    const QList<messageRecord> roomB = pendingMessagesOfDay("2026-12-10", 4);
    QCOMPARE(roomB.size(), 1);
    QCOMPARE(roomB.at(0).message_id, 12);
    QCOMPARE(pendingMessagesOfDay("2026-12-11", 0).size(), 0);
}

void TestMessageStore::filters_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("room");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QStringList>("times"); // newest first
    const QString from = "2026-12-10 00:00:00";
    QTest::newRow("everything in range") << -1 << -1 << -1 << from
                                         << QStringList({"2026-12-10 12:00:00", "2026-12-10 11:00:00",
                                                         "2026-12-10 10:00:00", "2026-12-10 00:00:00"});
    QTest::newRow("type") << 1 << -1 << -1 << from << QStringList({"2026-12-10 11:00:00"});
    QTest::newRow("status") << -1 << 3 << -1 << from << QStringList({"2026-12-10 12:00:00", "2026-12-10 10:00:00"});
    QTest::newRow("room") << -1 << -1 << 4 << from << QStringList({"2026-12-10 12:00:00", "2026-12-10 11:00:00"});
    QTest::newRow("all three") << 0 << 3 << 4 << from << QStringList({"2026-12-10 12:00:00"});
    QTest::newRow("room 0 is a room") << -1 << -1 << 0 << from << QStringList();
    QTest::newRow("start after end") << -1 << -1 << -1 << "2026-12-11 00:00:00" << QStringList();
}

void TestMessageStore::filters()
{
    QFETCH(int, type);
    QFETCH(int, status);
    QFETCH(int, room);
    QFETCH(QString, from);
    QFETCH(QStringList, times);
    QVERIFY(guestfixture::addLogRow(11, 0, 0, 7, 3, "2026-12-10 00:00:00"));
    QVERIFY(guestfixture::addLogRow(11, 0, 3, 7, 3, "2026-12-10 10:00:00"));
    QVERIFY(guestfixture::addLogRow(12, 1, 0, 8, 4, "2026-12-10 11:00:00"));
    QVERIFY(guestfixture::addLogRow(11, 0, 3, 8, 4, "2026-12-10 12:00:00"));
    QVERIFY(guestfixture::addLogRow(11, 0, 0, 7, 3, "2026-12-10 12:00:01"));
    QVERIFY(guestfixture::addLogRow(11, 0, 0, 7, 3, "2026-12-09 23:59:59"));
    MessageLogFilter filter;
    filter.type = type;
    filter.status = status;
    filter.roomId = room;
    filter.from = from;
    filter.to = "2026-12-10 12:00:00";
    QString error;
    QStringList listed;
    for (const messageRecord &record : messageLogEntries(filter, &error))
        listed << QString::fromUtf8(record.recv_time);
    QCOMPARE(listed, times);
    QVERIFY(error.isEmpty());
}

void TestMessageStore::dealingAndDeleting()
{
    for (int panel : {7, 7, 8})
        QVERIFY(guestfixture::addLogRow(11, 0, 0, panel, 3, "2026-12-10 08:00:00"));
    QVERIFY(guestfixture::addLogRow(11, 0, 0, 7, 3, "2026-12-01 08:00:00"));
    const int last = lastLogId();
    messageRecord record;
    QVERIFY(readMessageLog(last - 3, record));
    record.message_status = 2;
    copyRecordText(record.message_log_remark, QString("it's on the way"));
    copyRecordText(record.deal_time, QString("2026-12-10 08:05:00"));
    QVERIFY(dealMessageLog(record));
    messageRecord read;
    QVERIFY(readMessageLog(last - 3, read));
    QCOMPARE(read.message_status, 2);
    QCOMPARE(QByteArray(read.message_log_remark), QByteArray("it's on the way"));
    QCOMPARE(QByteArray(read.deal_time), QByteArray("2026-12-10 08:05:00"));

    QVERIFY(purgeMessageLogBefore("2026-12-01 08:00:00"));
    QCOMPARE(guestfixture::logRowCount(), 3);
    QVERIFY(deleteMessageLogOfPanel(8));
    QCOMPARE(guestfixture::logRowCount(), 2);
    QVERIFY(deleteMessageLogEntries({}));
    QVERIFY(deleteMessageLogEntries({last - 3, last - 2, 9999}));
    QCOMPARE(guestfixture::logRowCount(), 0);
}

void TestMessageStore::refusedLogWritesChangeNothing_data()
{
    QTest::addColumn<QString>("refusedWhen");
    QTest::addColumn<int>("write"); // 0 deal, 1 delete entries, 2 delete of a panel, 3 purge
    QTest::newRow("deal") << "update" << 0;
    QTest::newRow("delete entries") << "delete" << 1;
    QTest::newRow("delete of a panel") << "delete" << 2;
    QTest::newRow("purge") << "delete" << 3;
}

void TestMessageStore::refusedLogWritesChangeNothing()
{
    QFETCH(QString, refusedWhen);
    QFETCH(int, write);
    QVERIFY(guestfixture::addLogRow(11, 0, 0, 7, 3, "2026-12-01 08:00:00"));
    QVERIFY(guestfixture::addLogRow(11, 0, 0, 7, 3, "2026-12-10 08:00:00"));
    const int last = lastLogId();
    // The delete of several entries fails at its second: the first stays too.
    QVERIFY(gDatabase.execSql(QString("create trigger refuse before %1 on tbl_message_log when old.id=%2 begin "
                                      "select raise(abort,'refused'); end")
                                  .arg(refusedWhen)
                                  .arg(write == 1 ? last : last - 1)));
    const QStringList before = dump("tbl_message_log");
    messageRecord record;
    QVERIFY(readMessageLog(last - 1, record));
    record.message_status = 3;
    QString error;
    bool stored = true;
    if (write == 0)
        stored = dealMessageLog(record, &error);
    else if (write == 1)
        stored = deleteMessageLogEntries({last - 1, last}, &error);
    else if (write == 2)
        stored = deleteMessageLogOfPanel(7, &error);
    else
        stored = purgeMessageLogBefore("2026-12-05 00:00:00", &error);
    QVERIFY(!stored);
    QVERIFY2(error.contains("refused"), qPrintable(error));
    QCOMPARE(dump("tbl_message_log"), before);
    QCOMPARE(gDatabase.transactionDepth(), 0);
}

void TestMessageStore::rowNamesInOneRead()
{
    QVERIFY(guestfixture::addLogRow(12, 1, 3, 8, 4, "2026-12-10 08:00:00"));
    messageRecord record;
    QVERIFY(readMessageLog(lastLogId(), record));
    MessageRowNames names;
    QVERIFY(readMessageRowNames(record, names));
    QCOMPARE(names.messageName, QString("Emergency"));
    QCOMPARE(names.iconName, QString("message_02"));
    QCOMPARE(names.panelName, QString("panel 8"));
    QCOMPARE(names.typeName, QString("alarm message"));
    QCOMPARE(names.statusName, QString("processed"));

    // A lookup without its row leaves its name empty; without the definition there is nothing to show.
    record.panel_id = 99;
    record.message_status = 9;
    QVERIFY(readMessageRowNames(record, names));
    QCOMPARE(names.panelName, QString());
    QCOMPARE(names.statusName, QString());
    record.message_id = 99;
    QVERIFY(!readMessageRowNames(record, names));
}

void TestMessageStore::failedReadsAreToldFromNoRows()
{
    QString error;
    MessageLogTexts texts;
    QVERIFY(!readMessageLogTexts(1, texts, &error));
    QVERIFY(error.isEmpty());
    MessageDefinition definition;
    QVERIFY(!readMessageDefinition(99, definition, &error));
    QVERIFY(error.isEmpty());

    QVERIFY(gDatabase.execSql("drop table tbl_message_log"));
    QVERIFY(gDatabase.execSql("drop table tbl_message"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Fail to exec sql"));
    QVERIFY(!readMessageLogTexts(1, texts, &error));
    QVERIFY2(error.contains("no such table"), qPrintable(error));
    error.clear();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Fail to exec sql"));
    QVERIFY(messageLogEntries(MessageLogFilter(), &error).isEmpty());
    QVERIFY2(error.contains("no such table"), qPrintable(error));
    error.clear();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Fail to exec sql"));
    QVERIFY(!readMessageDefinition(11, definition, &error));
    QVERIFY2(error.contains("no such table"), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestMessageStore)
#include "tst_messagestore.moc"
