// The message row: its colour, picture and text columns from the project's tables, a record taken from the hub
// only for its own entry, the check box of delete mode, and the message dialog a press opens.

#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "pages/messages/messagedlg.h"
#include "pages/messages/messageform.h"
#include "pages/messages/messageitem.h"
#include "tests/pages/messages/messagefixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace messagefixture;

class TestMessageItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void textColour_data();
    void textColour();
    void columnsAndTexts();
    void missingRowsLeaveTheirTextEmpty();
    void withoutDefinitionOnlyBackgroundBoxAndLine();
    void takesUpdatesOfItsOwnEntryOnly();
    void unterminatedTextsAreCut();
    void deleteModeToggles();
    void pressOpensTheMessageDialog_data();
    void pressOpensTheMessageDialog();

private:
    static void press(QWidget *w);

    QTemporaryDir home;
};

void TestMessageItem::initTestCase()
{
    prepareTestProgram(home);
}

void TestMessageItem::init()
{
    openFreshProject(home);
}

void TestMessageItem::cleanup()
{
    MessageDlg::setExecHook({});
}

void TestMessageItem::cleanupTestCase()
{
    gDatabase.close();
}

void TestMessageItem::press(QWidget *w)
{
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}

void TestMessageItem::textColour_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("status");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("pending alarm") << 1 << 0 << QColor(227, 81, 81);
    QTest::newRow("pending service") << 0 << 0 << QColor(171, 210, 101);
    QTest::newRow("other type, pending") << 5 << 0 << QColor(171, 210, 101);
    QTest::newRow("cancelled service") << 0 << 1 << QColor(255, 165, 0);
    QTest::newRow("processed alarm") << 1 << 3 << QColor(255, 165, 0);
}

void TestMessageItem::textColour()
{
    QFETCH(int, type);
    QFETCH(int, status);
    QFETCH(QColor, colour);
    messageRecord record = recordOf(addRow(alarmMessage, type, panelA, roomA, status));
    MessageItem row(record, nullptr);
    QCOMPARE(row.textColor(), colour);
    QCOMPARE(row.height(), 40);
}

void TestMessageItem::columnsAndTexts()
{
    const int id = addRow(alarmMessage, 1, panelB, roomB, 2, "2026-12-10 08:30:00");
    MessageItem row(recordOf(id), nullptr);
    row.resize(1500, 40);
    QCOMPARE(row.picturePath(), QString(":/myImages/png/message/message_02.png"));
    const QList<MessageItem::TextCell> cells = row.textCells();
    QCOMPARE(cells.size(), 6);
    const QList<QRect> rects = {QRect(80, 0, 250, 40),  QRect(340, 0, 150, 40),  QRect(500, 0, 150, 40),
                                QRect(660, 0, 420, 40), QRect(1079, 0, 250, 40), QRect(1339, 0, 150, 40)};
    const QStringList texts = {"2026-12-10 08:30:00", "West-First-201", "panel 8",
                               "Emergency",           "alarm message",  "processing"};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(cells.at(i).rect, rects.at(i));
        QCOMPARE(cells.at(i).text, texts.at(i));
    }
}

void TestMessageItem::missingRowsLeaveTheirTextEmpty()
{
    QVERIFY(gDatabase.execSql("delete from tbl_floor where floor_id=?", {roomA}));
    QVERIFY(
        gDatabase.execSql("update tbl_message set icon_name='message_05.png' where message_id=?", {serviceMessage}));
    const int id = addRow(serviceMessage, 0, 99, roomA);
    MessageItem row(recordOf(id), nullptr);
    row.resize(1500, 40);
    QCOMPARE(row.picturePath(), QString(":/myImages/png/message/message_05.png"));
    const QList<MessageItem::TextCell> cells = row.textCells();
    QCOMPARE(cells.at(1).text, QString("East--101"));
    QCOMPARE(cells.at(2).text, QString());
    QCOMPARE(cells.at(3).text, QString("Clean the room"));
}

void TestMessageItem::withoutDefinitionOnlyBackgroundBoxAndLine()
{
    const int id = addRow(serviceMessage, 0, panelA, roomA);
    QVERIFY(gDatabase.execSql("delete from tbl_message where message_id=?", {serviceMessage}));
    MessageItem row(recordOf(id), nullptr);
    row.resize(1500, 40);
    QVERIFY(row.textCells().isEmpty());
    QVERIFY(row.picturePath().isEmpty());

    // Painted, the row holds nothing but its own colour, the check box and the bottom line.
    row.slotsLogsVisible(true);
    const QImage image = row.grab().toImage();
    QCOMPARE(image.pixelColor(700, 20), QColor(61, 83, 102));
    QCOMPARE(image.pixelColor(62, 20), QColor(61, 83, 102)); // where the picture would be
    QVERIFY(image.pixelColor(700, 39) != QColor(61, 83, 102));
    bool boxDrawn = false;
    for (int x = 20; x < 40 && !boxDrawn; ++x)
        boxDrawn = image.pixelColor(x, 20) != QColor(61, 83, 102);
    QVERIFY(boxDrawn);
}

void TestMessageItem::takesUpdatesOfItsOwnEntryOnly()
{
    const int mine = addRow(serviceMessage, 0, panelA, roomA);
    const int other = addRow(serviceMessage, 0, panelA, roomA);
    MessageItem row(recordOf(mine), nullptr);
    messageRecord update = recordOf(other);
    update.message_status = 3;
    emit gBroadcastSocket.signalsUpdateMessage(update);
    QCOMPARE(row.messageInfo().message_status, 0);
    update = recordOf(mine);
    update.message_status = 4;
    copyRecordText(update.message_log_remark, QString("done"));
    emit gBroadcastSocket.signalsUpdateMessage(update);
    QCOMPARE(row.messageInfo().message_status, 4);
    QCOMPARE(QByteArray(row.messageInfo().message_log_remark), QByteArray("done"));
    QCOMPARE(row.textColor(), QColor(255, 165, 0));
}

void TestMessageItem::unterminatedTextsAreCut()
{
    const int id = addRow(serviceMessage, 0, panelA, roomA);
    MessageItem row(recordOf(id), nullptr);
    messageRecord update = recordOf(id);
    // Every byte of every text used, the remark ending in the first half of a two-byte letter.
    std::memset(update.message_log_remark, 'r', sizeof update.message_log_remark);
    update.message_log_remark[255] = char(0xC3);
    std::memset(update.recv_time, 't', sizeof update.recv_time);
    std::memset(update.deal_time, 'd', sizeof update.deal_time);
    row.slotsUpdateMessage(update);
    const messageRecord kept = row.messageInfo();
    QCOMPARE(QByteArray(kept.message_log_remark), QByteArray(255, 'r'));
    QCOMPARE(QByteArray(kept.recv_time), QByteArray(255, 't'));
    QCOMPARE(QByteArray(kept.deal_time), QByteArray(255, 'd'));
}

void TestMessageItem::deleteModeToggles()
{
    MessageItem row(recordOf(addRow(serviceMessage, 0, panelA, roomA)), nullptr);
    row.resize(800, 40);
    bool opened = false;
    MessageDlg::setExecHook([&opened](MessageDlg &) {
        opened = true;
        return int(QDialog::Rejected);
    });
    row.slotsLogsVisible(true);
    QVERIFY(row.isCheckBoxVisible());
    press(&row);
    QVERIFY(row.isChecked());
    press(&row);
    QVERIFY(!row.isChecked());
    row.slotsLogsChecked(true);
    QVERIFY(row.isChecked());
    QVERIFY(!opened);
}

void TestMessageItem::pressOpensTheMessageDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("status");
    QTest::newRow("Ok") << "pushButtonOk" << 2;
    QTest::newRow("Cancel") << "pushButtonCancel" << 0;
    QTest::newRow("close icon") << "pushButtonClose" << 0;
}

void TestMessageItem::pressOpensTheMessageDialog()
{
    QFETCH(QString, button);
    QFETCH(int, status);
    const int id = addRow(serviceMessage, 0, panelA, roomA);
    MessageItem row(recordOf(id), nullptr);
    row.resize(800, 40);
    QString shownRoom;
    MessageDlg::setExecHook([&](MessageDlg &dialog) {
        shownRoom = dialog.findChild<QLineEdit *>("lineEditRoomName")->text();
        dialog.form()->statusField()->setCurrentText("processing");
        dialog.findChild<QAbstractButton *>(button)->click();
        return dialog.result();
    });
    press(&row);
    QCOMPARE(shownRoom, QString("East-Ground-101"));
    QCOMPARE(row.messageInfo().message_status, status);
    QCOMPARE(recordOf(id).message_status, status);
}

QTEST_MAIN(TestMessageItem)
#include "tst_messageitem.moc"
