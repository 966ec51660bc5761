// Guest requests from a simulated wall panel through the station's own window: the rows of the strip, the alarm
// dialog and the message dialog, and the switch settings the panel receives once staff have dealt with a request,
// byte for byte.

#include "core/roomdeletion.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialsnackbar.h"
#include "pages/messages/messagebar.h"
#include "pages/messages/messagedlg.h"
#include "pages/messages/messageform.h"
#include "pages/messages/messageitem.h"
#include "shell/mainwindow.h"
#include "shell/pagefactory.h"
#include "tests/pages/messages/messagefixture.h"
#include "tests/support/buspeercrc.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/simulatedwallpanel.h"
#include "tests/support/stationfixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QtTest>

using namespace messagefixture;

namespace {
constexpr int tick = 20;
constexpr quint8 panelSubnet = 1;
constexpr quint8 panelDevice = 20;      // panel 7 of room A
constexpr quint8 otherPanelDevice = 21; // panel 8 of room B
constexpr int unconfiguredSwitch = 200;
} // namespace

class TestGuestFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void alarmShowsARedRowAndTheDialog();
    void queuedAlarmsAreDealtWithInQueueOrder();
    void serviceRequestDealtWithFromItsRow();
    void withdrawnRequestRefreshesItsRow();
    void cancelAndCloseSendNothing_data();
    void cancelAndCloseSendNothing();
    void missingPanelOrSwitchSendsNoFrame_data();
    void missingPanelOrSwitchSendsNoFrame();
    void deletedRoomTakesItsRows();
    void alarmsNotStoredAreShownMarked();

private:
    MessageBar *strip() const { return qobject_cast<MessageBar *>(window->messageStrip()); }
    // A frame the station answers at once: once its answer is in, everything sent before it has arrived too.
    void flushStation();
    static QByteArray switchSetting(int switchNo, quint8 state);
    static void clickRow(MessageItem *row);

    QTemporaryDir home;
    qint64 clock = 0;
    QStringList tones;
    QScopedPointer<SimulatedWallPanel> panel;
    QScopedPointer<SimulatedWallPanel> otherPanel;
    QScopedPointer<MainWindow> window;
};

void TestGuestFlow::initTestCase()
{
    prepareTestProgram(home);
    MainWindow::setTimerIntervals(tick, tick);
    MainWindow::setMessageBarMaker([] { return new MessageBar(nullptr); });
    clock = QDateTime(QDate(2026, 12, 10), QTime(12, 0, 0), Qt::LocalTime).toSecsSinceEpoch();
    GuestRequests::setClock([this] { return clock; });
}

void TestGuestFlow::init()
{
    REQUIRE_PRIVATE_NETWORK();
    stationfixture::prepareProject(home.path(), LocalNetwork);
    fill();
    tones.clear();
    MessageTone::setHook([this](const QString &tone) { tones << tone; });
    panel.reset(new SimulatedWallPanel(panelSubnet, panelDevice, BroadcastSocket::UdpPort));
    otherPanel.reset(new SimulatedWallPanel(panelSubnet, otherPanelDevice, BroadcastSocket::UdpPort));
    QVERIFY(panel->isBound());
    QVERIFY(otherPanel->isBound());
    QSignalSpy state(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);
    window.reset(new MainWindow);
    QTRY_COMPARE(state.size(), 1);
    QVERIFY(strip());
}

void TestGuestFlow::cleanup()
{
    window.reset();
    panel.reset();
    otherPanel.reset();
    MessageTone::setHook({});
    MessageDlg::setExecHook({});
    gBroadcastSocket.shutDown();
}

void TestGuestFlow::cleanupTestCase()
{
    MainWindow::setMessageBarMaker({});
    GuestRequests::setClock({});
    gDatabase.close();
}

// A row added to the strip shows itself once control is back in the event loop; a click reaches it only then.
void TestGuestFlow::clickRow(MessageItem *row)
{
    QTRY_VERIFY(row->isVisible());
    QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}

void TestGuestFlow::flushStation()
{
    // Answers of earlier frames may still be on their way; only the answer to this very switch counts.
    auto answered = [this] {
        for (const QByteArray &answer : qAsConst(panel->answers)) {
            if (answer.size() > 25 && quint8(answer.at(25)) == unconfiguredSwitch)
                return true;
        }
        return false;
    };
    QVERIFY(!answered());
    panel->sendSwitch(unconfiguredSwitch, 1);
    QTRY_VERIFY(answered());
}

// The station's switch setting as the panel must receive it: from 127.0.0.2, the station's address and type
// CC C2, 0xE01C to the panel, [switch number, state].
QByteArray TestGuestFlow::switchSetting(int switchNo, quint8 state)
{
    QByteArray frame = QByteArray::fromHex("7F000002") + "VOVUZAVIZE" + QByteArray::fromHex("AAAA");
    QByteArray body = QByteArray::fromHex("0D");
    body.append(char(stationfixture::stationSubnet)).append(char(stationfixture::stationDevice));
    body.append(QByteArray::fromHex("CCC2E01C"));
    body.append(char(panelSubnet)).append(char(panelDevice));
    body.append(char(switchNo)).append(char(state));
    return frame + buspeer::withCrc(body);
}

void TestGuestFlow::alarmShowsARedRowAndTheDialog()
{
    QVERIFY(strip()->isVisible());
    panel->sendSwitch(alarmSwitch, 1);
    QTRY_COMPARE(strip()->rows().size(), 1);
    QCOMPARE(strip()->rows().at(0)->textColor(), QColor(227, 81, 81));
    AlarmDlg &dialog = strip()->alarmDialog();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.findChild<QLabel *>("labelMessagePos")->text(), QString("1/1"));
    QCOMPARE(dialog.findChild<QLineEdit *>("lineEditRoomName")->text(), QString("East-Ground-101"));
    QCOMPARE(tones, QStringList({MessageTone::toneFor(1)}));

    // A second alarm in the same second, from the other room.
    otherPanel->sendSwitch(alarmSwitch, 1);
    QTRY_COMPARE(strip()->rows().size(), 2);
    QCOMPARE(dialog.findChild<QLabel *>("labelMessagePos")->text(), QString("1/2"));
    QVERIFY(strip()->rows().at(0)->messageInfo().id != strip()->rows().at(1)->messageInfo().id);

    // The strip belongs to the home page alone.
    emit gBroadcastSocket.signalsPageIdChanged("Rooms", "Rooms", "", "");
    QVERIFY(strip()->isHidden());
    emit gBroadcastSocket.signalsPageIdChanged("Home", "Home", "", "");
    QVERIFY(strip()->isVisible());
}

void TestGuestFlow::queuedAlarmsAreDealtWithInQueueOrder()
{
    for (int i = 0; i < 3; ++i) {
        panel->sendSwitch(alarmSwitch, 1);
        QTRY_COMPARE(strip()->rows().size(), i + 1);
    }
    AlarmDlg &dialog = strip()->alarmDialog();
    QCOMPARE(dialog.findChild<QLabel *>("labelMessagePos")->text(), QString("1/3"));
    dialog.findChild<QAbstractButton *>("pushButtonNext")->click();
    dialog.form()->statusField()->setCurrentText("processed");
    dialog.findChild<QAbstractButton *>("pushButtonNext")->click();
    dialog.findChild<QAbstractButton *>("pushButtonOk")->click();

    QTRY_COMPARE(panel->switchSettings.size(), 3);
    QCOMPARE(panel->switchSettings,
             QList<QByteArray>({switchSetting(alarmSwitch, 0xFF), switchSetting(alarmSwitch, 0x00),
                                switchSetting(alarmSwitch, 0xFF)}));
    QVERIFY(otherPanel->switchSettings.isEmpty());
    QVERIFY(dialog.isHidden());
    const QList<MessageItem *> rows = strip()->rows();
    QCOMPARE(rows.at(0)->messageInfo().message_status, 0);
    QCOMPARE(rows.at(1)->messageInfo().message_status, 3);
    QCOMPARE(rows.at(1)->textColor(), QColor(255, 165, 0));
    QCOMPARE(rows.at(2)->messageInfo().message_status, 0);
    QCOMPARE(recordOf(rows.at(1)->messageInfo().id).message_status, 3);
}

void TestGuestFlow::serviceRequestDealtWithFromItsRow()
{
    const qint64 start = clock;
    panel->sendSwitch(serviceSwitch, 1);
    QTRY_COMPARE(window->pendingGuestRequests().size(), 1);
    QVERIFY(strip()->rows().isEmpty());
    clock = start + 20;
    QTRY_COMPARE(strip()->rows().size(), 1);
    MessageItem *row = strip()->rows().at(0);
    QCOMPARE(row->textColor(), QColor(171, 210, 101));
    QCOMPARE(tones, QStringList({MessageTone::toneFor(0)}));
    QVERIFY(strip()->alarmDialog().isHidden());

    MessageDlg::setExecHook([](MessageDlg &dialog) {
        dialog.form()->statusField()->setCurrentText("processing");
        dialog.form()->remarkField()->setText("guest's request");
        dialog.findChild<QAbstractButton *>("pushButtonOk")->click();
        return dialog.result();
    });
    clickRow(row);
    QTRY_COMPARE(panel->switchSettings.size(), 1);
    QCOMPARE(panel->switchSettings.at(0), switchSetting(serviceSwitch, 0x00));
    const messageRecord stored = recordOf(row->messageInfo().id);
    QCOMPARE(stored.message_status, 2);
    QCOMPARE(QString::fromUtf8(stored.message_log_remark), QString("guest's request"));
    QCOMPARE(row->textColor(), QColor(255, 165, 0));
    clock = start;
}

void TestGuestFlow::withdrawnRequestRefreshesItsRow()
{
    const qint64 start = clock;
    panel->sendSwitch(serviceSwitch, 1);
    QTRY_COMPARE(window->pendingGuestRequests().size(), 1);
    clock = start + 20;
    QTRY_COMPARE(strip()->rows().size(), 1);
    clock = start + 30;
    panel->sendSwitch(serviceSwitch, 0);
    QTRY_COMPARE(window->pendingGuestRequests().size(), 1);
    clock = start + 50;
    QTRY_COMPARE(strip()->rows().at(0)->messageInfo().message_status, 1);
    QCOMPARE(strip()->rows().size(), 1);
    QCOMPARE(strip()->rows().at(0)->textColor(), QColor(255, 165, 0));
    QCOMPARE(tones, QStringList({MessageTone::toneFor(0), MessageTone::toneFor(0)}));
    clock = start;
}

void TestGuestFlow::cancelAndCloseSendNothing_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("button");
    QTest::newRow("alarm dialog, close icon") << "alarm"
                                              << "pushButtonClose";
    QTest::newRow("message dialog, Cancel") << "message"
                                            << "pushButtonCancel";
    QTest::newRow("message dialog, close icon") << "message"
                                                << "pushButtonClose";
}

void TestGuestFlow::cancelAndCloseSendNothing()
{
    QFETCH(QString, dialog);
    QFETCH(QString, button);
    panel->sendSwitch(alarmSwitch, 1);
    QTRY_COMPARE(strip()->rows().size(), 1);
    const QStringList before = logDump();
    QSignalSpy updates(&gBroadcastSocket, &BroadcastSocket::signalsUpdateMessage);

    if (dialog == "alarm") {
        AlarmDlg &alarms = strip()->alarmDialog();
        alarms.form()->statusField()->setCurrentText("secured");
        alarms.findChild<QAbstractButton *>(button)->click();
        QVERIFY(alarms.isHidden());
    } else {
        MessageDlg::setExecHook([button](MessageDlg &single) {
            single.form()->statusField()->setCurrentText("secured");
            single.findChild<QAbstractButton *>(button)->click();
            return single.result();
        });
        clickRow(strip()->rows().at(0));
    }
    flushStation();
    QVERIFY(panel->switchSettings.isEmpty());
    QVERIFY(updates.isEmpty());
    QCOMPARE(logDump(), before);
    QCOMPARE(strip()->rows().at(0)->messageInfo().message_status, 0);
}

void TestGuestFlow::missingPanelOrSwitchSendsNoFrame_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("panel row gone") << "delete from tbl_panel where panel_id=7";
    QTest::newRow("message definition gone") << "delete from tbl_message where message_id=12";
}

void TestGuestFlow::missingPanelOrSwitchSendsNoFrame()
{
    QFETCH(QString, change);
    panel->sendSwitch(alarmSwitch, 1);
    QTRY_COMPARE(strip()->rows().size(), 1);
    const int id = strip()->rows().at(0)->messageInfo().id;
    QVERIFY(gDatabase.execSql(change));
    QSignalSpy updates(&gBroadcastSocket, &BroadcastSocket::signalsUpdateMessage);
    AlarmDlg &dialog = strip()->alarmDialog();
    dialog.form()->statusField()->setCurrentText("processed");
    dialog.findChild<QAbstractButton *>("pushButtonOk")->click();
    flushStation();
    QVERIFY(panel->switchSettings.isEmpty());
    QCOMPARE(updates.size(), 1);
    QCOMPARE(recordOf(id).message_status, 3);
    QCOMPARE(strip()->rows().at(0)->messageInfo().message_status, 3);
}

void TestGuestFlow::deletedRoomTakesItsRows()
{
    panel->sendSwitch(alarmSwitch, 1);
    otherPanel->sendSwitch(alarmSwitch, 1);
    QTRY_COMPARE(strip()->rows().size(), 2);
    QVERIFY(deleteRoom(roomA));
    QCOMPARE(strip()->rows().size(), 1);
    QCOMPARE(strip()->rows().at(0)->messageInfo().room_id, roomB);
}

void TestGuestFlow::alarmsNotStoredAreShownMarked()
{
    QVERIFY(gDatabase.execSql("create trigger refuse_insert before insert on tbl_message_log begin "
                              "select raise(abort,'database or disk is full'); end"));
    const QRegularExpression warning("guest call not stored .*alarm of panel 1\\.2[01], switch 6 on.*: database or "
                                     "disk is full");
    QTest::ignoreMessage(QtWarningMsg, warning);
    QTest::ignoreMessage(QtWarningMsg, warning);
    panel->sendSwitch(alarmSwitch, 1);
    QTRY_COMPARE(strip()->rows().size(), 1);
    otherPanel->sendSwitch(alarmSwitch, 1);
    QTRY_COMPARE(strip()->rows().size(), 2);
    QTRY_COMPARE(panel->answers.size(), 2);
    for (const QByteArray &answer : qAsConst(panel->answers))
        QCOMPARE(quint8(answer.at(25)), quint8(alarmSwitch));

    // Each alarm has a row of its own, in the alarm colour, saying that it was not saved.
    const QList<MessageItem *> rows = strip()->rows();
    QStringList rooms;
    for (MessageItem *row : rows) {
        QCOMPARE(row->messageInfo().id, 0);
        QCOMPARE(row->textColor(), QColor(227, 81, 81));
        const QList<MessageItem::TextCell> cells = row->textCells();
        QCOMPARE(cells.size(), 6);
        QCOMPARE(cells.at(0).text, GuestRequests::timeText(clock));
        QCOMPARE(cells.at(5).text, QString("not saved"));
        rooms << cells.at(1).text;
    }
    QCOMPARE(rooms, QStringList({"East-Ground-101", "West-First-201"}));
    QCOMPARE(tones, QStringList({MessageTone::toneFor(1), MessageTone::toneFor(1)}));
    const QStringList toasts = window->toast()->messages();
    QVERIFY(!toasts.isEmpty());
    QVERIFY2(toasts.at(0).endsWith("cannot be written (database or disk is full): a guest call was not saved."),
             qPrintable(toasts.at(0)));

    AlarmDlg &dialog = strip()->alarmDialog();
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.form()->notSavedMark()->isVisible());
    QCOMPARE(dialog.findChild<QLabel *>("labelMessagePos")->text(), QString("1/2"));
    QCOMPARE(dialog.findChild<QLineEdit *>("lineEditRoomName")->text(), QString("East-Ground-101"));

    // Without ids the alarms are still told apart: what staff type stays with its own alarm.
    dialog.form()->remarkField()->setText("first");
    dialog.findChild<QAbstractButton *>("pushButtonNext")->click();
    QCOMPARE(dialog.findChild<QLineEdit *>("lineEditRoomName")->text(), QString("West-First-201"));
    dialog.form()->remarkField()->setText("second");
    dialog.findChild<QAbstractButton *>("pushButtonPrev")->click();
    QCOMPARE(dialog.form()->remarkField()->text(), QString("first"));
    dialog.findChild<QAbstractButton *>("pushButtonNext")->click();
    QCOMPARE(dialog.form()->remarkField()->text(), QString("second"));

    // The message dialog of such a row can write nothing either, and says so.
    QSignalSpy updates(&gBroadcastSocket, &BroadcastSocket::signalsUpdateMessage);
    bool marked = false;
    QString said;
    MessageDlg::setExecHook([&](MessageDlg &single) {
        marked = single.form()->notSavedMark()->isVisibleTo(&single);
        QSignalSpy own(&single, &MyDialog::signalsInformation);
        single.form()->statusField()->setCurrentText("processed");
        single.findChild<QAbstractButton *>("pushButtonOk")->click();
        said = own.isEmpty() ? QString() : own.at(0).at(0).toString();
        return single.result();
    });
    // Pressed as a release over the row does.
    rows.at(0)->slotsPressed();
    QVERIFY(marked);
    QCOMPARE(said, QString("The message could not be saved!"));
    QCOMPARE(rows.at(0)->messageInfo().message_status, 0);

    // Ok deals with nothing that was never stored: no frame, no announcement, no row, and the dialog goes.
    dialog.findChild<QAbstractButton *>("pushButtonOk")->click();
    QVERIFY(dialog.isHidden());
    flushStation();
    QVERIFY(panel->switchSettings.isEmpty());
    QVERIFY(otherPanel->switchSettings.isEmpty());
    QVERIFY(updates.isEmpty());
    QVERIFY(logDump().isEmpty());
    QCOMPARE(strip()->rows().size(), 2);
    QCOMPARE(strip()->rows().at(1)->textCells().at(5).text, QString("not saved"));
}

QTEST_MAIN(TestGuestFlow)
#include "tst_guestflow.moc"
