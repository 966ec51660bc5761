// The alarm dialog's queue and the message dialog: what the form shows, what Ok writes and announces, and what
// Cancel, the close icon, a failed update and a vanished entry leave alone.

#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/messages/alarmdlg.h"
#include "pages/messages/messagedlg.h"
#include "pages/messages/messageform.h"
#include "tests/pages/messages/messagefixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace messagefixture;

class TestMessageDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void formShowsTheRecord();
    void formWithoutDefinitionShowsNoOtherRecord();
    void queuePositionAndEnds();
    void alarmAppendedKeepsWhatStaffTyped();
    void okDealsWithTheQueueInOrder();
    void remarkIsStoredAsTyped();
    void remarkIsCutAtACharacter_data();
    void remarkIsCutAtACharacter();
    void closeIconDropsTheQueue();
    void failedUpdateStaysQueued();
    void vanishedEntryIsLeftAlone_data();
    void vanishedEntryIsLeftAlone();
    void messageDialogOkWrites();
    void messageDialogCancelAndCloseWriteNothing_data();
    void messageDialogCancelAndCloseWriteNothing();
    void messageDialogStaysOpenOnFailure();

private:
    static QString textOf(QWidget *dialog, const char *name);
    static void click(QWidget *dialog, const char *name);
    QList<int> updatedIds() const;

    QTemporaryDir home;
    QScopedPointer<QSignalSpy> updates;
};

void TestMessageDialogs::initTestCase()
{
    prepareTestProgram(home);
}

void TestMessageDialogs::init()
{
    openFreshProject(home);
    updates.reset(new QSignalSpy(&gBroadcastSocket, &BroadcastSocket::signalsUpdateMessage));
}

void TestMessageDialogs::cleanup()
{
    updates.reset();
}

void TestMessageDialogs::cleanupTestCase()
{
    gDatabase.close();
}

QString TestMessageDialogs::textOf(QWidget *dialog, const char *name)
{
    QWidget *w = dialog->findChild<QWidget *>(name);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    return "<no " + QString(name) + ">";
}

void TestMessageDialogs::click(QWidget *dialog, const char *name)
{
    auto *button = dialog->findChild<QAbstractButton *>(name);
    QVERIFY2(button, name);
    button->click();
}

QList<int> TestMessageDialogs::updatedIds() const
{
    QList<int> ids;
    for (const QList<QVariant> &args : *updates)
        ids << args.at(0).value<messageRecord>().id;
    return ids;
}

void TestMessageDialogs::formShowsTheRecord()
{
    const int id = addRow(alarmMessage, 1, panelB, roomB, 2, "2026-12-10 08:30:00");
    MessageDlg dialog(nullptr);
    QCOMPARE(dialog.objectName(), QString("MessageDlg"));
    QCOMPARE(dialog.windowTitle(), QString("Edit Message"));
    QCOMPARE(dialog.form()->statusField()->count(), 5);
    dialog.record = recordOf(id);
    dialog.showRecord();
    QCOMPARE(textOf(&dialog, "lineEditRecvTime"), QString("2026-12-10 08:30:00"));
    QCOMPARE(textOf(&dialog, "lineEditRoomName"), QString("West-First-201"));
    QCOMPARE(textOf(&dialog, "lineEditPanelName"), QString("panel 8"));
    QCOMPARE(textOf(&dialog, "lineEditMessageName"), QString("Emergency"));
    QCOMPARE(textOf(&dialog, "comboBoxMessageStatus"), QString("processing"));
    QVERIFY(!dialog.findChild<QLineEdit *>("lineEditRoomName")->isEnabled());
    QVERIFY(dialog.findChild<QLineEdit *>("lineEditMessageRemark")->isEnabled());
}

void TestMessageDialogs::formWithoutDefinitionShowsNoOtherRecord()
{
    const int first = addRow(alarmMessage, 1, panelA, roomA, 0, "2026-12-10 08:00:00");
    const int orphan = addRow(99, 1, panelB, roomB, 3, "2026-12-10 09:00:00");
    AlarmDlg dialog(nullptr);
    dialog.appendRecord(recordOf(first));
    dialog.appendRecord(recordOf(orphan));
    QCOMPARE(textOf(&dialog, "lineEditRoomName"), QString("East-Ground-101"));
    click(&dialog, "pushButtonNext");
    // The alarm on show is the orphan: nothing of the first alarm may stand beside its time.
    QCOMPARE(textOf(&dialog, "lineEditRecvTime"), QString("2026-12-10 09:00:00"));
    QCOMPARE(textOf(&dialog, "lineEditRoomName"), QString());
    QCOMPARE(textOf(&dialog, "lineEditPanelName"), QString());
    QCOMPARE(textOf(&dialog, "lineEditMessageName"), QString());
    QCOMPARE(textOf(&dialog, "comboBoxMessageStatus"), QString("processed"));
}

void TestMessageDialogs::queuePositionAndEnds()
{
    AlarmDlg dialog(nullptr);
    QCOMPARE(dialog.objectName(), QString("AlarmDlg"));
    QCOMPARE(dialog.windowTitle(), QString("Alarm Message"));
    QCOMPARE(textOf(&dialog, "labelMessagePos"), QString("0/0"));
    for (int i = 0; i < 3; ++i)
        dialog.appendRecord(recordOf(addRow(alarmMessage, 1, panelA, roomA)));
    dialog.show();
    QSignalSpy toasts(&dialog, &MyDialog::signalsInformation);
    QCOMPARE(textOf(&dialog, "labelMessagePos"), QString("1/3"));
    click(&dialog, "pushButtonPrev");
    QCOMPARE(toasts.size(), 1);
    QCOMPARE(toasts.at(0).at(0).toString(), QString("End!"));
    click(&dialog, "pushButtonNext");
    click(&dialog, "pushButtonNext");
    QCOMPARE(textOf(&dialog, "labelMessagePos"), QString("3/3"));
    QCOMPARE(dialog.recordOnShow().id, dialog.queuedRecords().at(2).id);
    click(&dialog, "pushButtonNext");
    QCOMPARE(toasts.size(), 2);
    QCOMPARE(toasts.at(1).at(0).toString(), QString("End!"));
    QCOMPARE(textOf(&dialog, "labelMessagePos"), QString("3/3"));
}

void TestMessageDialogs::alarmAppendedKeepsWhatStaffTyped()
{
    AlarmDlg dialog(nullptr);
    dialog.appendRecord(recordOf(addRow(alarmMessage, 1, panelA, roomA)));
    dialog.form()->remarkField()->setText("on my way");
    dialog.form()->statusField()->setCurrentText("processing");
    dialog.appendRecord(recordOf(addRow(alarmMessage, 1, panelB, roomB)));
    QCOMPARE(textOf(&dialog, "labelMessagePos"), QString("1/2"));
    QCOMPARE(textOf(&dialog, "lineEditMessageRemark"), QString("on my way"));
    QCOMPARE(textOf(&dialog, "comboBoxMessageStatus"), QString("processing"));
    QCOMPARE(textOf(&dialog, "lineEditRoomName"), QString("East-Ground-101"));
}

void TestMessageDialogs::okDealsWithTheQueueInOrder()
{
    const int a = addRow(alarmMessage, 1, panelA, roomA);
    const int b = addRow(alarmMessage, 1, panelB, roomB);
    const int c = addRow(alarmMessage, 1, panelA, roomA);
    AlarmDlg dialog(nullptr);
    for (int id : {a, b, c})
        dialog.appendRecord(recordOf(id));
    dialog.show();
    click(&dialog, "pushButtonNext");
    dialog.form()->statusField()->setCurrentText("processed");
    click(&dialog, "pushButtonPrev");
    click(&dialog, "pushButtonOk");

    QCOMPARE(updatedIds(), QList<int>({a, b, c}));
    QCOMPARE(recordOf(a).message_status, 0);
    QCOMPARE(recordOf(b).message_status, 3);
    QCOMPARE(recordOf(c).message_status, 0);
    // The records shown carry the time they were dealt with; the one never shown is written back as it came.
    QCOMPARE(QByteArray(recordOf(a).deal_time).size(), 19);
    QCOMPARE(QByteArray(recordOf(b).deal_time).size(), 19);
    QCOMPARE(QByteArray(recordOf(c).deal_time), QByteArray());
    QCOMPARE(updates->at(1).at(0).value<messageRecord>().message_status, 3);
    QVERIFY(dialog.queuedRecords().isEmpty());
    QCOMPARE(dialog.currentPosition(), -1);
    QVERIFY(dialog.isHidden());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestMessageDialogs::remarkIsStoredAsTyped()
{
    const int a = addRow(alarmMessage, 1, panelA, roomA);
    const int b = addRow(serviceMessage, 0, panelB, roomB);
    const QStringList before = logDump();
    AlarmDlg dialog(nullptr);
    dialog.appendRecord(recordOf(a));
    dialog.form()->remarkField()->setText("guest's request");
    click(&dialog, "pushButtonOk");
    QCOMPARE(QString::fromUtf8(recordOf(a).message_log_remark), QString("guest's request"));
    QCOMPARE(QString::fromUtf8(updates->at(0).at(0).value<messageRecord>().message_log_remark),
             QString("guest's request"));
    QCOMPARE(logDump().at(1), before.at(1));
    QCOMPARE(recordOf(b).id, b);
}

void TestMessageDialogs::remarkIsCutAtACharacter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    const QString fits(255, 'a');
    QTest::newRow("255 bytes stay") << fits << fits;
    QTest::newRow("256th byte goes") << fits + "b" << fits;
    // 127 two-byte letters make 254 bytes; the 128th would end half-way.
    QTest::newRow("two-byte letters") << QString(130, QChar(0xE9)) << QString(127, QChar(0xE9));
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E"); // four bytes, two UTF-16 units
    QTest::newRow("four-byte letter at the edge") << QString(253, 'a') + clef << QString(253, 'a');
}

void TestMessageDialogs::remarkIsCutAtACharacter()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    const int id = addRow(serviceMessage, 0, panelA, roomA);
    MessageDlg dialog(nullptr);
    dialog.record = recordOf(id);
    dialog.showRecord();
    dialog.form()->remarkField()->setText(typed);
    QCOMPARE(dialog.form()->remarkField()->text(), kept);
    click(&dialog, "pushButtonOk");
    QCOMPARE(QString::fromUtf8(recordOf(id).message_log_remark), kept);
}

void TestMessageDialogs::closeIconDropsTheQueue()
{
    const QStringList before = [] {
        addRow(alarmMessage, 1, panelA, roomA);
        addRow(alarmMessage, 1, panelB, roomB);
        return logDump();
    }();
    AlarmDlg dialog(nullptr);
    dialog.appendRecord(recordOf(1));
    dialog.appendRecord(recordOf(2));
    dialog.show();
    dialog.form()->remarkField()->setText("typed, then closed");
    click(&dialog, "pushButtonClose");
    QVERIFY(dialog.isHidden());
    QVERIFY(dialog.queuedRecords().isEmpty());
    QCOMPARE(logDump(), before);
    QVERIFY(updates->isEmpty());

    const int next = addRow(alarmMessage, 1, panelA, roomA);
    dialog.appendRecord(recordOf(next));
    QCOMPARE(textOf(&dialog, "labelMessagePos"), QString("1/1"));
    QCOMPARE(dialog.recordOnShow().id, next);
}

void TestMessageDialogs::failedUpdateStaysQueued()
{
    const int a = addRow(alarmMessage, 1, panelA, roomA);
    const int b = addRow(alarmMessage, 1, panelB, roomB);
    const int c = addRow(alarmMessage, 1, panelA, roomA);
    failUpdatesOf(b);
    AlarmDlg dialog(nullptr);
    for (int id : {a, b, c})
        dialog.appendRecord(recordOf(id));
    dialog.show();
    click(&dialog, "pushButtonNext");
    dialog.form()->remarkField()->setText("still typing");
    QSignalSpy toasts(&dialog, &MyDialog::signalsInformation);
    click(&dialog, "pushButtonOk");

    QCOMPARE(updatedIds(), QList<int>({a, c}));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.queuedRecords().size(), 1);
    QCOMPARE(dialog.recordOnShow().id, b);
    QCOMPARE(textOf(&dialog, "labelMessagePos"), QString("1/1"));
    QCOMPARE(textOf(&dialog, "lineEditMessageRemark"), QString("still typing"));
    QCOMPARE(toasts.size(), 1);
    QCOMPARE(toasts.at(0).at(0).toString(), QString("The message could not be saved!"));
    QCOMPARE(QByteArray(recordOf(b).message_log_remark), QByteArray());

    // Once the file takes writes again, the same Ok finishes the job.
    QVERIFY(gDatabase.execSql(QString::asprintf("drop trigger refuse_%d", b)));
    click(&dialog, "pushButtonOk");
    QCOMPARE(updatedIds(), QList<int>({a, c, b}));
    QCOMPARE(QString::fromUtf8(recordOf(b).message_log_remark), QString("still typing"));
    QVERIFY(dialog.isHidden());
}

void TestMessageDialogs::vanishedEntryIsLeftAlone_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("row deleted") << "delete from tbl_message_log where id=2";
    QTest::newRow("now another message") << "update tbl_message_log set message_id=11 where id=2";
    QTest::newRow("now another panel") << "update tbl_message_log set panel_id=7 where id=2";
    QTest::newRow("now another room") << "update tbl_message_log set room_id=3 where id=2";
}

void TestMessageDialogs::vanishedEntryIsLeftAlone()
{
    QFETCH(QString, change);
    const int a = addRow(alarmMessage, 1, panelA, roomA);
    const int b = addRow(alarmMessage, 1, panelB, roomB);
    QCOMPARE(b, 2);
    AlarmDlg dialog(nullptr);
    dialog.appendRecord(recordOf(a));
    dialog.appendRecord(recordOf(b));
    dialog.show();
    click(&dialog, "pushButtonNext");
    dialog.form()->statusField()->setCurrentText("secured");
    const messageRecord stale = recordOf(b);
    QVERIFY(gDatabase.execSql(change));
    const QString untouched = logDump().value(1);
    QSignalSpy stationToasts(&gBroadcastSocket, &BroadcastSocket::signalsInformation);
    click(&dialog, "pushButtonOk");

    QCOMPARE(updatedIds(), QList<int>({a}));
    QCOMPARE(logDump().value(1), untouched);
    QVERIFY(dialog.isHidden());
    QCOMPARE(stationToasts.size(), 1);
    QCOMPARE(stationToasts.at(0).at(0).toString(), QString("The message no longer exists!"));

    // The message dialog says it in its own toast and stays open.
    MessageDlg single(nullptr);
    single.record = stale;
    single.showRecord();
    QSignalSpy toasts(&single, &MyDialog::signalsInformation);
    click(&single, "pushButtonOk");
    QCOMPARE(toasts.size(), 1);
    QCOMPARE(toasts.at(0).at(0).toString(), QString("The message no longer exists!"));
    QVERIFY(single.result() != QDialog::Accepted);
    QCOMPARE(logDump().value(1), untouched);
    QCOMPARE(updatedIds(), QList<int>({a}));
}

void TestMessageDialogs::messageDialogOkWrites()
{
    const int id = addRow(serviceMessage, 0, panelA, roomA);
    const QString before = QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss");
    MessageDlg dialog(nullptr);
    dialog.record = recordOf(id);
    dialog.showRecord();
    dialog.form()->statusField()->setCurrentText("processing");
    dialog.form()->remarkField()->setText("towels");
    click(&dialog, "pushButtonOk");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const messageRecord stored = recordOf(id);
    QCOMPARE(stored.message_status, 2);
    QCOMPARE(QByteArray(stored.message_log_remark), QByteArray("towels"));
    QVERIFY(QString::fromUtf8(stored.deal_time) >= before);
    QCOMPARE(updatedIds(), QList<int>({id}));
    QCOMPARE(QByteArray(dialog.record.deal_time), QByteArray(stored.deal_time));
}

void TestMessageDialogs::messageDialogCancelAndCloseWriteNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Cancel") << "pushButtonCancel";
    QTest::newRow("close icon") << "pushButtonClose";
}

void TestMessageDialogs::messageDialogCancelAndCloseWriteNothing()
{
    QFETCH(QString, button);
    const int id = addRow(serviceMessage, 0, panelA, roomA);
    const QStringList before = logDump();
    MessageDlg dialog(nullptr);
    dialog.record = recordOf(id);
    dialog.showRecord();
    dialog.show();
    dialog.form()->statusField()->setCurrentText("processed");
    dialog.form()->remarkField()->setText("not meant");
    click(&dialog, button.toLatin1().constData());
    QVERIFY(dialog.isHidden());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(logDump(), before);
    QVERIFY(updates->isEmpty());
}

void TestMessageDialogs::messageDialogStaysOpenOnFailure()
{
    const int id = addRow(serviceMessage, 0, panelA, roomA);
    failUpdatesOf(id);
    MessageDlg dialog(nullptr);
    dialog.record = recordOf(id);
    dialog.showRecord();
    dialog.show();
    QSignalSpy toasts(&dialog, &MyDialog::signalsInformation);
    click(&dialog, "pushButtonOk");
    QVERIFY(dialog.isVisible());
    QCOMPARE(toasts.size(), 1);
    QCOMPARE(toasts.at(0).at(0).toString(), QString("The message could not be saved!"));
    QVERIFY(updates->isEmpty());
}

QTEST_MAIN(TestMessageDialogs)
#include "tst_messagedialogs.moc"
