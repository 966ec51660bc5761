// The message log page in the station's window: its filters, the message dialog behind a row, the delete that also
// takes entries off the message strip, and the export of the rows shown with fresh lookups.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialdatetimeedit.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/messages/messagedlg.h"
#include "pages/messages/messageform.h"
#include "pages/messages/messageitem.h"
#include "pages/messages/pagemessage.h"
#include "tests/pages/messages/stationpages.h"
#include "tests/support/workbookreader.h"

#include <QDateTime>

using namespace messagefixture;

namespace {
const char timeFormat[] = "yyyy-MM-dd HH:mm:ss";
} // namespace

class TestMessageLog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void filters_data();
    void filters();
    void entryResetsFiltersAndRange();
    void roomFilterFollowsTheRooms();
    void rowIsDealtWithInTheMessageDialog();
    void deleteTakesMarkedRowsOffTheStrip();
    void exportTakesTheRowsShown();
    void exportWithoutRowsSaysNoMessages();

private:
    PageMessage *logPage() const { return qobject_cast<PageMessage *>(pages.page("Message")); }
    QtMaterialComboBox *combo(const QString &name) const { return logPage()->findChild<QtMaterialComboBox *>(name); }
    QList<int> rowIds() const
    {
        QList<int> shown;
        for (MessageItem *row : logPage()->rows())
            shown << row->messageInfo().id;
        return shown;
    }
    int add(int messageId, int type, int status, int panelId, int roomId, qint64 secondsAgo)
    {
        return addRow(messageId, type, panelId, roomId, status, now.addSecs(-secondsAgo).toString(timeFormat));
    }

    MessageBar *strip() const { return pages.strip(); }
    QList<int> stripIds() const
    {
        QList<int> list;
        for (MessageItem *row : strip()->rows())
            list << row->messageInfo().id;
        return list;
    }

    StationPages pages;
    QDateTime now;
    // Rows of fill(): newest first in id order reversed.
    QList<int> ids;
};

void TestMessageLog::initTestCase()
{
    pages.prepare();
}

void TestMessageLog::init()
{
    OPEN_STATION_PAGES(pages);
    now = QDateTime::currentDateTime();
    ids.clear();
    // id order = age order, oldest first.
    ids << add(serviceMessage, 0, 0, panelA, roomA, 600);  // 0: service, suspend, room A
    ids << add(alarmMessage, 1, 3, panelA, roomA, 500);    // 1: alarm, processed, room A
    ids << add(serviceMessage, 0, 3, panelB, roomB, 400);  // 2: service, processed, room B
    ids << add(alarmMessage, 1, 0, panelB, roomB, 300);    // 3: alarm, suspend, room B
    ids << add(serviceMessage, 0, 1, panelB, roomB, 200);  // 4: service, user cancel, room B
    add(alarmMessage, 1, 0, panelA, roomA, 8 * 24 * 3600); // outside the range
}

void TestMessageLog::cleanup()
{
    MessageDlg::setExecHook({});
    pages.close();
}

void TestMessageLog::filters_data()
{
    QTest::addColumn<int>("type");        // combo index: 0 all, 1 service, 2 alarm
    QTest::addColumn<int>("status");      // 0 all, then status + 1
    QTest::addColumn<int>("room");        // 0 all, 1 room A ("East-Ground-101"), 2 room B
    QTest::addColumn<QList<int>>("rows"); // indexes into ids, newest first
    QTest::newRow("everything") << 0 << 0 << 0 << QList<int>({4, 3, 2, 1, 0});
    QTest::newRow("room") << 0 << 0 << 2 << QList<int>({4, 3, 2});
    QTest::newRow("status") << 0 << 4 << 0 << QList<int>({2, 1});
    QTest::newRow("status and room") << 0 << 4 << 1 << QList<int>({1});
    QTest::newRow("type") << 2 << 0 << 0 << QList<int>({3, 1});
    QTest::newRow("type and room") << 1 << 0 << 1 << QList<int>({0});
    QTest::newRow("type and status") << 1 << 1 << 0 << QList<int>({0});
    QTest::newRow("all three") << 2 << 1 << 2 << QList<int>({3});
    QTest::newRow("all three, none") << 2 << 2 << 2 << QList<int>();
}

void TestMessageLog::filters()
{
    QFETCH(int, type);
    QFETCH(int, status);
    QFETCH(int, room);
    QFETCH(QList<int>, rows);
    pages.go("Message");
    QCOMPARE(combo("comboBoxType")->count(), 3);
    QCOMPARE(combo("comboBoxStatus")->itemText(4), QString("processed"));
    QCOMPARE(combo("comboBoxRoom")->itemText(1), QString("East-Ground-101"));
    combo("comboBoxType")->setCurrentIndex(type);
    combo("comboBoxStatus")->setCurrentIndex(status);
    combo("comboBoxRoom")->setCurrentIndex(room);
    QList<int> expected;
    for (int index : rows)
        expected << ids.at(index);
    QCOMPARE(rowIds(), expected);
}

void TestMessageLog::entryResetsFiltersAndRange()
{
    pages.go("Message");
    combo("comboBoxStatus")->setCurrentIndex(4);
    logPage()->findChild<QtMaterialDateTimeEdit *>("dateTimeEditStart")->setDateTime(now.addDays(-30));
    QCOMPARE(rowIds().size(), 2);
    pages.go("Home");
    pages.go("Message");
    QCOMPARE(combo("comboBoxStatus")->currentText(), QString("All Status"));
    QCOMPARE(rowIds().size(), 5);
}

void TestMessageLog::roomFilterFollowsTheRooms()
{
    pages.go("Message");
    QCOMPARE(combo("comboBoxRoom")->count(), 3);
    QVERIFY(guestfixture::addRoom(9, "South", "Top", "901"));
    QVERIFY(gDatabase.execSql("update tbl_room set room_name='100A' where room_id=?", {roomA}));
    add(serviceMessage, 0, 0, panelA, 9, 100);
    pages.go("Home");
    pages.go("Message");
    QCOMPARE(combo("comboBoxRoom")->count(), 4);
    QCOMPARE(combo("comboBoxRoom")->itemText(1), QString("East-Ground-100A"));
    QCOMPARE(combo("comboBoxRoom")->itemText(3), QString("South-Top-901"));
    combo("comboBoxRoom")->setCurrentIndex(3);
    QCOMPARE(rowIds().size(), 1);
}

void TestMessageLog::rowIsDealtWithInTheMessageDialog()
{
    pages.go("Message");
    MessageItem *row = logPage()->rows().at(1); // ids[3], the pending alarm
    QCOMPARE(row->messageInfo().id, ids.at(3));
    int shown = 0;
    MessageDlg::setExecHook([&shown](MessageDlg &dialog) {
        ++shown;
        dialog.form()->statusField()->setCurrentText("processing");
        dialog.form()->remarkField()->setText("on the way");
        dialog.findChild<QAbstractButton *>("pushButtonOk")->click();
        return dialog.result();
    });
    emit row->signalsPressed();
    QCOMPARE(shown, 1);
    QCOMPARE(recordOf(ids.at(3)).message_status, 2);
    QCOMPARE(QString::fromUtf8(recordOf(ids.at(3)).message_log_remark), QString("on the way"));
    QCOMPARE(row->messageInfo().message_status, 2);

    // In delete mode a press marks the row instead.
    StationPages::pressLabel(logPage(), "labelDelete");
    emit row->signalsPressed();
    QCOMPARE(shown, 1);
    QVERIFY(row->isChecked());
}

void TestMessageLog::deleteTakesMarkedRowsOffTheStrip()
{
    for (int id : {ids.at(0), ids.at(3)})
        emit gBroadcastSocket.signalsAppendMessage(announcement(id, id == ids.at(3) ? 1 : 0, 0));
    strip()->alarmDialog().hide();
    QCOMPARE(stripIds(), QList<int>({ids.at(0), ids.at(3)}));

    pages.go("Message");
    StationPages::pressLabel(logPage(), "labelDelete");
    for (MessageItem *row : logPage()->rows()) {
        if (row->messageInfo().id == ids.at(3) || row->messageInfo().id == ids.at(1))
            emit row->signalsPressed();
    }
    pages.boxAnswer = QDialog::Rejected;
    StationPages::pressLabel(logPage(), "labelDelete");
    QCOMPARE(pages.boxTexts, QStringList{"2 msgs will be deleted."});
    QCOMPARE(logDump().size(), 6);
    QVERIFY(pages.removals.isEmpty());

    pages.boxAnswer = QDialog::Accepted;
    StationPages::pressLabel(logPage(), "labelDelete");
    QCOMPARE(pages.removals, (QList<QPair<int, int>>{{ids.at(3), 0}, {ids.at(1), 0}}));
    QCOMPARE(rowIds(), QList<int>({ids.at(4), ids.at(2), ids.at(0)}));
    QCOMPARE(logDump().size(), 4);
    QCOMPARE(stripIds(), QList<int>{ids.at(0)});

    // Nothing marked: nothing goes.
    StationPages::pressLabel(logPage(), "labelDelete");
    StationPages::pressLabel(logPage(), "labelDelete");
    QCOMPARE(pages.boxTexts.last(), QString("0 msgs will be deleted."));
    QCOMPARE(logDump().size(), 4);
}

void TestMessageLog::exportTakesTheRowsShown()
{
    // The panel of room B is gone, and so is room A's row; an entry's remark changes after the list was built.
    QVERIFY(gDatabase.execSql("delete from tbl_panel where panel_id=?", {panelB}));
    QVERIFY(gDatabase.execSql("delete from tbl_room where room_id=?", {roomA}));
    QVERIFY(gDatabase.execSql("update tbl_message set message_remark='=1+1' where message_id=?", {serviceMessage}));
    pages.go("Message");
    combo("comboBoxType")->setCurrentIndex(1); // service: ids 4, 2, 0
    QVERIFY(gDatabase.execSql("update tbl_message_log set message_log_remark='fresh',deal_time=? where id=?",
                              {now.toString(timeFormat), ids.at(2)}));

    const QString path = QDir(pages.home.path()).filePath("messages.xlsx");
    pages.savePaths << path;
    StationPages::pressLabel(logPage(), "labelExport");
    QCOMPARE(pages.toasts, QStringList{"Exprot successfully"});
    QVERIFY(pages.saveAsked.at(0).split('|').at(1).endsWith("_message.xlsx"));

    const workbookreader::Workbook book = workbookreader::read(path);
    QVERIFY2(book.ok, qPrintable(book.error));
    QCOMPARE(book.sheets, QStringList{"message"});
    QCOMPARE(book.rows.size(), 4);
    QCOMPARE(book.values(0), QStringList({"Receiving Time", "Room Name", "Panel Name", "Message Name", "Message Type",
                                          "Message Status", "Message Remark", "Deal Time"}));
    QCOMPARE(book.values(1), QStringList({now.addSecs(-200).toString(timeFormat), "West-First-201", "", "=1+1",
                                          "service message", "user cancel", "", ""}));
    QCOMPARE(book.values(2), QStringList({now.addSecs(-400).toString(timeFormat), "West-First-201", "", "=1+1",
                                          "service message", "processed", "fresh", now.toString(timeFormat)}));
    QCOMPARE(book.values(3), QStringList({now.addSecs(-600).toString(timeFormat), "--", "panel 7", "=1+1",
                                          "service message", "suspend", "", ""}));
    QCOMPARE(book.types(), QStringList{"s"});
}

void TestMessageLog::exportWithoutRowsSaysNoMessages()
{
    pages.go("Message");
    combo("comboBoxType")->setCurrentIndex(2);
    combo("comboBoxStatus")->setCurrentIndex(2);
    QVERIFY(rowIds().isEmpty());
    StationPages::pressLabel(logPage(), "labelExport");
    QCOMPARE(pages.toasts, QStringList{"No messages"});
    QVERIFY(pages.saveAsked.isEmpty());
}

QTEST_MAIN(TestMessageLog)
#include "tst_messagelog.moc"
