// The main window's frame dispatch with a simulated wall panel on loopback: the answer to every universal
// switch frame byte for byte, alarms logged at once, service requests after their debounce (on a test clock),
// calls the project cannot store, the frames that must be left alone, a burst of alarms, guest calls around a
// project switch and a flood of login replies.

#include "core/projectlist.h"
#include "core/queryhelpers.h"
#include "materialwidgets/qtmaterialsnackbar.h"
#include "shell/guestrequests.h"
#include "shell/mainwindow.h"
#include "shell/menubar.h"
#include "shell/orvmessagebox.h"
#include "shell/projectselectdlg.h"
#include "shell/projectswitch.h"
#include "tests/shell/shelltestpages.h"
#include "tests/support/buspeercrc.h"
#include "tests/support/guestfixture.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/simulateddevice.h"
#include "tests/support/simulatedwallpanel.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <cstring>

namespace {
constexpr int tick = 20;
constexpr quint8 panelSubnet = 1;
constexpr quint8 panelDevice = 20;
constexpr int serviceSwitch = 5;
constexpr int alarmSwitch = 6;
} // namespace

class TestGuestDispatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void answerIsExact_data();
    void answerIsExact();
    void alarmIsLoggedAtOnce();
    void unconfiguredPanelIsAnsweredOnly();
    void framesLeftAlone_data();
    void framesLeftAlone();
    void checkedOnTheBytesReceived();
    void serviceRequestWaitsForItsDebounce();
    void withdrawnRequestUpdatesItsRow();
    void onAndOffWithinTheDebounceLogsNothing();
    void alarmThatCannotBeStoredIsStillAnnounced();
    void refusedReopenOrCancelIsNotAnnounced_data();
    void refusedReopenOrCancelIsNotAnnounced();
    void alarmsAsFastAsThePanelSendsAreEachLoggedOnce();
    void guestCallDuringTheSwitchWarningStaysInItsProject();
    void pendingRequestsStayWithTheProjectTheyWereMadeIn();
    void loginReplyFloodKeepsTheToastShort();

private:
    QList<universalSwitchMessage> appended() const;

    QTemporaryDir home;
    qint64 clock = 0;
    QScopedPointer<SimulatedWallPanel> panel;
    QScopedPointer<MainWindow> window;
    QScopedPointer<QSignalSpy> appendSpy;
};

void TestGuestDispatch::initTestCase()
{
    testenv::useFreshHome(home);
    MainWindow::setTimerIntervals(tick, tick);
    clock = QDateTime(QDate(2026, 12, 10), QTime(12, 0, 0), Qt::LocalTime).toSecsSinceEpoch();
    GuestRequests::setClock([this] { return clock; });
}

void TestGuestDispatch::init()
{
    REQUIRE_PRIVATE_NETWORK();
    useRecordingPages();
    stationfixture::prepareProject(home.path(), LocalNetwork);
    QVERIFY(guestfixture::addPanel(7, panelSubnet, panelDevice, 3));
    QVERIFY(guestfixture::addMessage(11, 0, "Clean the room", "message_01", serviceSwitch));
    QVERIFY(guestfixture::addMessage(12, 1, "Emergency", "message_02", alarmSwitch));
    panel.reset(new SimulatedWallPanel(panelSubnet, panelDevice, BroadcastSocket::UdpPort));
    QVERIFY(panel->isBound());
    QSignalSpy state(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);
    window.reset(new MainWindow);
    QTRY_COMPARE(state.size(), 1);
    appendSpy.reset(new QSignalSpy(&gBroadcastSocket, &BroadcastSocket::signalsAppendMessage));
}

void TestGuestDispatch::cleanup()
{
    appendSpy.reset();
    window.reset();
    panel.reset();
    PageFactory::resetCreators();
    gBroadcastSocket.shutDown();
}

void TestGuestDispatch::cleanupTestCase()
{
    ORVMessageBox::setExecHook({});
    ProjectSelectDlg::setExecHook({});
    GuestRequests::setClock({});
    gDatabase.close();
}

QList<universalSwitchMessage> TestGuestDispatch::appended() const
{
    QList<universalSwitchMessage> list;
    for (const QList<QVariant> &args : *appendSpy)
        list.append(args.at(0).value<universalSwitchMessage>());
    return list;
}

// The station's answer as the panel must receive it: from 127.0.0.2, lead-in, station address, type CC C2.
static QByteArray expectedAnswer(quint8 switchNo, quint8 state)
{
    QByteArray frame = QByteArray::fromHex("7F000002") + "VOVUZAVIZE" + QByteArray::fromHex("AAAA");
    QByteArray body = QByteArray::fromHex("0D");
    body.append(char(stationfixture::stationSubnet)).append(char(stationfixture::stationDevice));
    body.append(QByteArray::fromHex("CCC2E01DFFFF"));
    body.append(char(switchNo)).append(char(state));
    return frame + buspeer::withCrc(body);
}

void TestGuestDispatch::answerIsExact_data()
{
    QTest::addColumn<int>("switchNo");
    QTest::addColumn<int>("stateByte");
    QTest::addColumn<int>("targetSubnet");
    QTest::addColumn<int>("targetDevice");
    QTest::addColumn<int>("answeredState");
    QTest::newRow("on as 0x64, to all") << serviceSwitch << 0x64 << 255 << 255 << 1;
    QTest::newRow("off, to the station") << serviceSwitch << 0 << int(stationfixture::stationSubnet)
                                         << int(stationfixture::stationDevice) << 0;
    QTest::newRow("switch without message") << 200 << 1 << 255 << 255 << 1;
}

void TestGuestDispatch::answerIsExact()
{
    QFETCH(int, switchNo);
    QFETCH(int, stateByte);
    QFETCH(int, targetSubnet);
    QFETCH(int, targetDevice);
    QFETCH(int, answeredState);
    QSignalSpy answers(panel.data(), &SimulatedWallPanel::answerReceived);
    panel->sendSwitch(switchNo, quint8(stateByte), quint8(targetSubnet), quint8(targetDevice));
    QVERIFY(answers.wait());
    QCOMPARE(panel->answers.size(), 1);
    QCOMPARE(panel->answers.at(0), expectedAnswer(quint8(switchNo), quint8(answeredState)));
}

void TestGuestDispatch::alarmIsLoggedAtOnce()
{
    QSignalSpy answers(panel.data(), &SimulatedWallPanel::answerReceived);
    panel->sendSwitch(alarmSwitch, 1);
    QTRY_COMPARE(appendSpy->size(), 1);
    panel->sendSwitch(alarmSwitch, 0);
    QTRY_COMPARE(appendSpy->size(), 2);
    QTRY_COMPARE(answers.size(), 2);

    const QList<universalSwitchMessage> msgs = appended();
    for (const universalSwitchMessage &m : msgs) {
        QVERIFY(m.id > 0);
        QCOMPARE(m.message_type, 1);
        QCOMPARE(m.message_status, 0);
        QCOMPARE(m.room_id, 3);
        QCOMPARE(m.panel_id, 7);
        QCOMPARE(m.message_id, 12);
    }
    QCOMPARE(msgs.at(0).switch_state, 1);
    QCOMPARE(msgs.at(1).switch_state, 0);
    QVERIFY(msgs.at(0).id != msgs.at(1).id);
    QCOMPARE(guestfixture::logRowCount(), 2);
    QVERIFY(window->pendingGuestRequests().isEmpty());
}

void TestGuestDispatch::unconfiguredPanelIsAnsweredOnly()
{
    SimulatedWallPanel stranger(panelSubnet, 77, BroadcastSocket::UdpPort);
    QSignalSpy answers(&stranger, &SimulatedWallPanel::answerReceived);
    stranger.sendSwitch(alarmSwitch, 1);
    QVERIFY(answers.wait());
    QTest::qWait(3 * tick);
    QVERIFY(appendSpy->isEmpty());
    QCOMPARE(guestfixture::logRowCount(), 0);
}

void TestGuestDispatch::framesLeftAlone_data()
{
    QTest::addColumn<QByteArray>("frame");
    const QByteArray alarmOn = QByteArray(1, char(alarmSwitch)) + char(1);
    QTest::newRow("for another station") << makeDeviceFrame(panelSubnet, panelDevice, 0xE01C, 1, 99, alarmOn);
    QTest::newRow("no state byte") << makeDeviceFrame(panelSubnet, panelDevice, 0xE01C, 255, 255,
                                                      QByteArray(1, char(alarmSwitch)));
    QTest::newRow("no payload") << makeDeviceFrame(panelSubnet, panelDevice, 0xE01C, 255, 255, QByteArray());
    QTest::newRow("a light's reply") << makeDeviceFrame(panelSubnet, panelDevice, 0x0032, 255, 255,
                                                        QByteArray::fromHex("01F8"));
    QByteArray badCrc = makeDeviceFrame(panelSubnet, panelDevice, 0xE01C, 255, 255, alarmOn);
    badCrc[badCrc.size() - 1] = char(badCrc.at(badCrc.size() - 1) ^ 0x01);
    QTest::newRow("bad crc") << badCrc;
}

void TestGuestDispatch::framesLeftAlone()
{
    QFETCH(QByteArray, frame);
    QSignalSpy answers(panel.data(), &SimulatedWallPanel::answerReceived);
    panel->sendRaw(frame);
    // A good frame behind it shows that the first one has been dealt with.
    panel->sendSwitch(serviceSwitch, 1);
    QVERIFY(answers.wait());
    QTest::qWait(2 * tick);
    QCOMPARE(panel->answers.size(), 1);
    QCOMPARE(panel->answers.at(0), expectedAnswer(serviceSwitch, 1));
    QVERIFY(appendSpy->isEmpty());
    QCOMPARE(window->pendingGuestRequests().size(), 1);
    QCOMPARE(guestfixture::logRowCount(), 0);
}

void TestGuestDispatch::checkedOnTheBytesReceived()
{
    // A whole alarm frame sits in the buffer, but only the bytes before its CRC were received.
    const QByteArray frame = panel->switchFrame(alarmSwitch, 1);
    static quint8 buffer[BroadcastSocket::PacketBufferSize];
    std::memset(buffer, 0, sizeof buffer);
    std::memcpy(buffer, frame.constData(), size_t(frame.size()));
    emit gBroadcastSocket.dataIsComming(buffer, frame.size() - 2);
    QVERIFY(appendSpy->isEmpty());

    // A login reply of 9 bytes in a large zeroed buffer: its "result" would be a zero past its end.
    QSignalSpy state(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);
    const QByteArray reply = makeServerPacket(QByteArray::fromHex("CCCC000900A300"));
    std::memset(buffer, 0, sizeof buffer);
    std::memcpy(buffer, reply.constData(), size_t(reply.size()));
    emit gBroadcastSocket.dataIsComming(buffer, reply.size());
    QVERIFY(state.isEmpty());

    std::memset(buffer, 0, sizeof buffer);
    std::memcpy(buffer, frame.constData(), size_t(frame.size()));
    emit gBroadcastSocket.dataIsComming(buffer, frame.size());
    QCOMPARE(appendSpy->size(), 1);
}

void TestGuestDispatch::serviceRequestWaitsForItsDebounce()
{
    const qint64 start = clock;
    panel->sendSwitch(serviceSwitch, 1);
    QTRY_COMPARE(window->pendingGuestRequests().size(), 1);
    clock = start + 10;
    panel->sendSwitch(serviceSwitch, 1); // a repeat does not put it off
    QTRY_COMPARE(panel->answers.size(), 2);
    clock = start + 19;
    QTest::qWait(3 * tick);
    QVERIFY(appendSpy->isEmpty());
    QCOMPARE(guestfixture::logRowCount(), 0);

    clock = start + 20;
    QTRY_COMPARE(appendSpy->size(), 1);
    const universalSwitchMessage m = appended().at(0);
    QVERIFY(m.id > 0);
    QCOMPARE(m.message_status, 0);
    QCOMPARE(m.message_type, 0);
    QCOMPARE(qint64(m.recv_seconds), start);
    QVERIFY(window->pendingGuestRequests().isEmpty());
    QCOMPARE(guestfixture::logRowCount(), 1);
    QCOMPARE(queryIntValue("select message_status from tbl_message_log where id=?", {m.id}, "message_status"), 0);
    QTest::qWait(3 * tick);
    QCOMPARE(appendSpy->size(), 1);
    clock = start;
}

void TestGuestDispatch::withdrawnRequestUpdatesItsRow()
{
    const qint64 start = clock;
    panel->sendSwitch(serviceSwitch, 1);
    QTRY_COMPARE(window->pendingGuestRequests().size(), 1);
    clock = start + 20;
    QTRY_COMPARE(appendSpy->size(), 1);
    const int row = appended().at(0).id;

    clock = start + 100;
    panel->sendSwitch(serviceSwitch, 0);
    QTRY_COMPARE(window->pendingGuestRequests().size(), 1);
    clock = start + 120;
    QTRY_COMPARE(appendSpy->size(), 2);
    const universalSwitchMessage withdrawn = appended().at(1);
    QCOMPARE(withdrawn.id, row);
    QCOMPARE(withdrawn.message_status, 1);
    QCOMPARE(guestfixture::logRowCount(), 1);
    QCOMPARE(queryIntValue("select message_status from tbl_message_log where id=?", {row}, "message_status"), 1);
    QString received;
    queryStringValue("select recv_time from tbl_message_log where id=?", {row}, "recv_time", received);
    QCOMPARE(received, GuestRequests::timeText(start + 100));
    clock = start;
}

void TestGuestDispatch::onAndOffWithinTheDebounceLogsNothing()
{
    const qint64 start = clock;
    panel->sendSwitch(serviceSwitch, 1);
    QTRY_COMPARE(window->pendingGuestRequests().size(), 1);
    clock = start + 5;
    panel->sendSwitch(serviceSwitch, 0);
    QTRY_COMPARE(window->pendingGuestRequests().at(0).switch_state, 0);
    clock = start + 25;
    QTRY_VERIFY(window->pendingGuestRequests().isEmpty());
    QTest::qWait(2 * tick);
    QVERIFY(appendSpy->isEmpty());
    QCOMPARE(guestfixture::logRowCount(), 0);
    clock = start;
}

// Every write of kind to the message log fails as the disk refuses it.
static bool refuseWrites(const QString &kind)
{
    return gDatabase.execSql(QString("create trigger refuse_%1 before %1 on tbl_message_log begin "
                                     "select raise(abort, 'database or disk is full'); end")
                                 .arg(kind));
}

static const QString notWritten = "cannot be written (database or disk is full): a guest call was not saved.";

void TestGuestDispatch::alarmThatCannotBeStoredIsStillAnnounced()
{
    QVERIFY(refuseWrites("insert"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("guest call not stored .*alarm of panel 1\\.20, switch 6 "
                                                          "on.*: database or disk is full"));
    panel->sendSwitch(alarmSwitch, 1);
    QTRY_COMPARE(appendSpy->size(), 1);
    QTRY_COMPARE(panel->answers.size(), 1);
    QCOMPARE(panel->answers.at(0), expectedAnswer(alarmSwitch, 1));

    // Announced, but as what it is: a call without a row.
    const universalSwitchMessage m = appended().at(0);
    QCOMPARE(m.id, 0);
    QCOMPARE(m.message_type, 1);
    QCOMPARE(m.message_id, 12);
    QCOMPARE(m.room_id, 3);
    QCOMPARE(guestfixture::logRowCount(), 0);
    const QStringList toasts = window->toast()->messages();
    QCOMPARE(toasts.size(), 1);
    QVERIFY2(toasts.at(0).endsWith(notWritten), qPrintable(toasts.at(0)));
}

void TestGuestDispatch::refusedReopenOrCancelIsNotAnnounced_data()
{
    QTest::addColumn<int>("rowStatus");
    QTest::addColumn<int>("state");
    QTest::newRow("re-open of a cancelled request") << 1 << 1;
    QTest::newRow("cancel of an open request") << 0 << 0;
}

void TestGuestDispatch::refusedReopenOrCancelIsNotAnnounced()
{
    QFETCH(int, rowStatus);
    QFETCH(int, state);
    QVERIFY(guestfixture::addLogRow(11, 0, rowStatus, 7, 3, "2026-12-10 08:00:00"));
    const int row = queryIntValue("select max(id) as id from tbl_message_log", "id");
    QVERIFY(refuseWrites("update"));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QString("guest call not stored .*request of panel 1\\.20, switch 5 %1.*"
                                                    "row %2: database or disk is full")
                                                .arg(state ? "on" : "off")
                                                .arg(row)));

    const qint64 start = clock;
    panel->sendSwitch(serviceSwitch, quint8(state));
    QTRY_COMPARE(window->pendingGuestRequests().size(), 1);
    QCOMPARE(panel->answers.size(), 1);
    QCOMPARE(panel->answers.at(0), expectedAnswer(serviceSwitch, quint8(state)));
    clock = start + 20;
    QTRY_VERIFY(window->pendingGuestRequests().isEmpty());
    QTRY_COMPARE(window->toast()->messages().size(), 1);
    QVERIFY(window->toast()->messages().at(0).endsWith(notWritten));

    // The row keeps the state the log holds, and nothing says otherwise.
    QVERIFY(appendSpy->isEmpty());
    QCOMPARE(guestfixture::logRowCount(), 1);
    QCOMPARE(queryIntValue("select message_status from tbl_message_log where id=?", {row}, "message_status"),
             rowStatus);
    clock = start;
}

void TestGuestDispatch::alarmsAsFastAsThePanelSendsAreEachLoggedOnce()
{
    const int count = 1000;
    for (int i = 0; i < count; ++i)
        panel->sendSwitch(alarmSwitch, 1);
    QTRY_COMPARE_WITH_TIMEOUT(appendSpy->size(), count, 60000);
    QTRY_COMPARE(panel->answers.size(), count);
    QCOMPARE(guestfixture::logRowCount(), count);
    QSet<int> ids;
    for (const universalSwitchMessage &m : appended())
        ids.insert(m.id);
    QCOMPARE(ids.size(), count);
    QVERIFY(!ids.contains(0));
    QCOMPARE(queryIntValue("select count(*) as n from tbl_message_log where id between ? and ?",
                           {*std::min_element(ids.begin(), ids.end()), *std::max_element(ids.begin(), ids.end())}, "n"),
             count);
    QCOMPARE(gDatabase.transactionDepth(), 0);
}

// Rows of the message log in the project file, read beside the station's own connection.
static QList<int> messageLogIds(const QString &file)
{
    CppSQLite3DB other;
    other.setDatabaseName(file);
    QList<int> ids;
    QSqlQuery q = other.querySql("select id from tbl_message_log order by id");
    while (q.next())
        ids.append(q.value(0).toInt());
    return ids;
}

static void chooseProject(const QString &name)
{
    ProjectSelectDlg::setExecHook([name](ProjectSelectDlg &dialog) {
        dialog.projectName = name;
        return int(QDialog::Accepted);
    });
}

void TestGuestDispatch::guestCallDuringTheSwitchWarningStaysInItsProject()
{
    // The chosen project has no database yet, so the switch warns first; a guest calls meanwhile.
    QVERIFY(addProject("Second"));
    const QString homeFile = ProjectSwitch::databasePath("Home");
    QString fileDuringWarning;
    bool logged = false;
    ORVMessageBox::setExecHook([&](ORVMessageBox &) {
        panel->sendSwitch(alarmSwitch, 1);
        logged = appendSpy->wait(5000);
        fileDuringWarning = gDatabase.databaseName();
        return int(QDialog::Accepted);
    });
    chooseProject("Second");
    emit window->menu()->signalsProjectSetting("Home");
    ORVMessageBox::setExecHook({});

    QVERIFY(logged);
    QCOMPARE(fileDuringWarning, homeFile);
    QCOMPARE(gDatabase.databaseName(), ProjectSwitch::databasePath("Second"));
    const int id = appended().at(0).id;
    QVERIFY(id > 0);
    QCOMPARE(guestfixture::logRowCount(), 0);
    QCOMPARE(messageLogIds(homeFile), QList<int>({id}));
}

void TestGuestDispatch::pendingRequestsStayWithTheProjectTheyWereMadeIn()
{
    // A valid project to switch to, made while the message log is still empty.
    QVERIFY(addProject("Second"));
    QVERIFY(QDir().mkpath(gAppDirPath + "/database/Second"));
    QFile::remove(ProjectSwitch::databasePath("Second"));
    QVERIFY(QFile::copy(ProjectSwitch::databasePath("Home"), ProjectSwitch::databasePath("Second")));

    const qint64 start = clock;
    panel->sendSwitch(serviceSwitch, 1);
    QTRY_COMPARE(window->pendingGuestRequests().size(), 1);
    chooseProject("Second");
    emit window->menu()->signalsProjectSetting("Home");

    QCOMPARE(gDatabase.databaseName(), ProjectSwitch::databasePath("Second"));
    QVERIFY(window->pendingGuestRequests().isEmpty());
    QCOMPARE(appendSpy->size(), 1);
    const universalSwitchMessage stored = appended().at(0);
    QCOMPARE(stored.message_status, 0);
    QCOMPARE(messageLogIds(ProjectSwitch::databasePath("Home")), QList<int>({stored.id}));

    // The debounce running out later writes nothing into the new project.
    clock = start + 25;
    QTest::qWait(3 * tick);
    QCOMPARE(appendSpy->size(), 1);
    QCOMPARE(guestfixture::logRowCount(), 0);
    clock = start;
}

void TestGuestDispatch::loginReplyFloodKeepsTheToastShort()
{
    // Failure replies nobody asked for, many of them alike: each text waits once, and only a few wait.
    QSignalSpy state(&gBroadcastSocket, &BroadcastSocket::signalsNetworkConnectState);
    auto reply = [&](quint16 opcode, int result) {
        const QByteArray head = opcode == 0x00A3 ? QByteArray::fromHex("CCCC001000A3") + QByteArray(7, '\0')
                                                 : QByteArray::fromHex("CCCC000C00A4") + QByteArray(3, '\0');
        panel->sendRaw(makeServerPacket(head + char(result)));
    };
    for (int i = 0; i < 50; ++i)
        reply(0x00A3, 3);
    for (int result : {1, 2, 4, 9})
        reply(0x00A3, result);
    for (int result : {2, 3, 4, 5, 6, 0})
        reply(0x00A4, result);
    QTRY_COMPARE(state.size(), 60);

    const QStringList waiting = window->toast()->messages().mid(1);
    QVERIFY(waiting.size() <= MainWindow::toastQueueLimit);
    QCOMPARE(QSet<QString>(waiting.begin(), waiting.end()).size(), waiting.size());
    QCOMPARE(waiting.last(), QString("Failed To Connect IPPORT"));
}

QTEST_MAIN(TestGuestDispatch)
#include "tst_guestdispatch.moc"
