// The hub's signals: their order and arguments, defaulted texts, and delivery of the message records.

#include "devicelink/broadcastsocket.h"
#include "devicelink/messagerecords.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QtTest>

#include <cstring>

class TestSignalHub : public QObject
{
    Q_OBJECT

private slots:
    void declarationOrder();
    void defaultedTextsAreEmpty();
    void everySignalReachesItsListener();
    void listenersRunInConnectionOrder();
    void recordsTravelByValue();
    void recordsCrossQueuedConnections();
    void recordLayouts();
};

void TestSignalHub::declarationOrder()
{
    const QStringList expected = {
        "dataIsComming(quint8*,qlonglong)",
        "signalsInformation(QString)",
        "signalsStopRefresh(bool)",
        "signalsPageIdChanged(QString,QString,QString,QString)",
        "signalsPageIdChanged(QString,QString,QString)",
        "signalsPageIdChanged(QString,QString)",
        "signalsPageCurrent(QString,QString,QString,QString)",
        "signalsPageCurrent(QString,QString,QString)",
        "signalsPageCurrent(QString,QString)",
        "signalsPageBack(int)",
        "signalsPageEnter(QString,QString)",
        "signalsPageEnter(QString)",
        "signalsPageEnter()",
        "signalsPageLeave(QString)",
        "signalsPageRemoveMoodsInformation()",
        "signalsProjectStateChanged(QString)",
        "signalsNetworkConnectState(bool,QString)",
        "signalsNetworkStateChanged(bool)",
        "signalsNetworkOpen()",
        "signalsLightStatus(int)",
        "signalsACStatus(int)",
        "signalsAppendMessage(universalSwitchMessage)",
        "signalsRemoveMessage(int,int)",
        "signalsUpdateMessage(messageRecord)",
        "slotsKeepAlive()",
        "readyRead()",
        "disconnected()",
    };
    const QMetaObject &mo = BroadcastSocket::staticMetaObject;
    QCOMPARE(mo.methodCount() - mo.methodOffset(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QMetaMethod m = mo.method(mo.methodOffset() + i);
        QCOMPARE(QString::fromLatin1(m.methodSignature()), expected[i]);
        QCOMPARE(m.methodType(), i < 24 ? QMetaMethod::Signal : QMetaMethod::Slot);
    }
}

void TestSignalHub::defaultedTextsAreEmpty()
{
    BroadcastSocket hub;
    QStringList got;
    connect(&hub, &BroadcastSocket::signalsPageIdChanged, this,
            [&](QString id, QString name, QString prm1, QString prm2) {
                got = QStringList({id, name, prm1, prm2});
            });
    emit hub.signalsPageIdChanged("PageRooms", "Rooms");
    QCOMPARE(got, QStringList({"PageRooms", "Rooms", "", ""}));
    emit hub.signalsPageIdChanged("PageRoomOperate", "Room", "7");
    QCOMPARE(got, QStringList({"PageRoomOperate", "Room", "7", ""}));

    QSignalSpy current(&hub, &BroadcastSocket::signalsPageCurrent);
    emit hub.signalsPageCurrent("Home", "Home");
    QCOMPARE(current.count(), 1);
    QCOMPARE(current[0][2].toString(), QString());
    QCOMPARE(current[0][3].toString(), QString());

    QSignalSpy enter(&hub, &BroadcastSocket::signalsPageEnter);
    emit hub.signalsPageEnter();
    emit hub.signalsPageEnter("3");
    QCOMPARE(enter.count(), 2);
    QCOMPARE(enter[0], QVariantList({QString(), QString()}));
    QCOMPARE(enter[1], QVariantList({QString("3"), QString()}));
}

void TestSignalHub::everySignalReachesItsListener()
{
    BroadcastSocket hub;
    QSignalSpy info(&hub, &BroadcastSocket::signalsInformation);
    QSignalSpy stop(&hub, &BroadcastSocket::signalsStopRefresh);
    QSignalSpy back(&hub, &BroadcastSocket::signalsPageBack);
    QSignalSpy leave(&hub, &BroadcastSocket::signalsPageLeave);
    QSignalSpy moods(&hub, &BroadcastSocket::signalsPageRemoveMoodsInformation);
    QSignalSpy project(&hub, &BroadcastSocket::signalsProjectStateChanged);
    QSignalSpy connectState(&hub, &BroadcastSocket::signalsNetworkConnectState);
    QSignalSpy netState(&hub, &BroadcastSocket::signalsNetworkStateChanged);
    QSignalSpy open(&hub, &BroadcastSocket::signalsNetworkOpen);
    QSignalSpy light(&hub, &BroadcastSocket::signalsLightStatus);
    QSignalSpy ac(&hub, &BroadcastSocket::signalsACStatus);
    QSignalSpy removed(&hub, &BroadcastSocket::signalsRemoveMessage);

    emit hub.signalsInformation("saved");
    emit hub.signalsStopRefresh(false);
    emit hub.signalsPageBack(12);
    emit hub.signalsPageLeave("PageLog");
    emit hub.signalsPageRemoveMoodsInformation();
    emit hub.signalsProjectStateChanged("Hotel");
    emit hub.signalsNetworkConnectState(false, "MAC Error");
    emit hub.signalsNetworkStateChanged(true);
    emit hub.signalsNetworkOpen();
    emit hub.signalsLightStatus(100);
    emit hub.signalsACStatus(0);
    emit hub.signalsRemoveMessage(4, 1);

    QCOMPARE(info.takeFirst(), QVariantList({QString("saved")}));
    QCOMPARE(stop.takeFirst(), QVariantList({false}));
    QCOMPARE(back.takeFirst(), QVariantList({12}));
    QCOMPARE(leave.takeFirst(), QVariantList({QString("PageLog")}));
    QCOMPARE(moods.count(), 1);
    QCOMPARE(project.takeFirst(), QVariantList({QString("Hotel")}));
    QCOMPARE(connectState.takeFirst(), QVariantList({false, QString("MAC Error")}));
    QCOMPARE(netState.takeFirst(), QVariantList({true}));
    QCOMPARE(open.count(), 1);
    QCOMPARE(light.takeFirst(), QVariantList({100}));
    QCOMPARE(ac.takeFirst(), QVariantList({0}));
    QCOMPARE(removed.takeFirst(), QVariantList({4, 1}));

    // A received block: listeners see the bytes during the call and copy what they keep.
    quint8 block[3] = {1, 2, 3};
    QByteArray copied;
    connect(&hub, &BroadcastSocket::dataIsComming, this,
            [&](quint8 *buf, qlonglong n) { copied = QByteArray(reinterpret_cast<char *>(buf), int(n)); });
    emit hub.dataIsComming(block, 3);
    QCOMPARE(copied, QByteArray("\x01\x02\x03", 3));
}

void TestSignalHub::listenersRunInConnectionOrder()
{
    BroadcastSocket hub;
    QStringList order;
    connect(&hub, &BroadcastSocket::signalsNetworkOpen, this, [&] {
        order << "first";
        emit hub.signalsStopRefresh(false); // nested emission is delivered at once
    });
    connect(&hub, &BroadcastSocket::signalsStopRefresh, this, [&] { order << "nested"; });
    connect(&hub, &BroadcastSocket::signalsNetworkOpen, this, [&] { order << "second"; });
    emit hub.signalsNetworkOpen();
    QCOMPARE(order, QStringList({"first", "nested", "second"}));
}

void TestSignalHub::recordsTravelByValue()
{
    BroadcastSocket hub;
    universalSwitchMessage msg = {5, 1, 20, 7, 1, 3, 9, 2, 0, 1, 1765000000};
    universalSwitchMessage got = {};
    connect(&hub, &BroadcastSocket::signalsAppendMessage, this, [&](universalSwitchMessage m) { got = m; });
    emit hub.signalsAppendMessage(msg);
    QCOMPARE(std::memcmp(&got, &msg, sizeof msg), 0);

    messageRecord record;
    std::memset(&record, 0, sizeof record);
    record.id = 8;
    record.message_status = 3;
    std::strcpy(record.message_log_remark, "towels brought");
    std::strcpy(record.recv_time, "2026-12-10 14:00:00");
    messageRecord received;
    std::memset(&received, 0xFF, sizeof received);
    connect(&hub, &BroadcastSocket::signalsUpdateMessage, this, [&](messageRecord r) { received = r; });
    emit hub.signalsUpdateMessage(record);
    QCOMPARE(std::memcmp(&received, &record, sizeof record), 0);
}

void TestSignalHub::recordsCrossQueuedConnections()
{
    // Registered with the meta-type system, the records can also be queued and spied on.
    BroadcastSocket hub;
    QSignalSpy spy(&hub, &BroadcastSocket::signalsAppendMessage);
    QVERIFY(spy.isValid());
    universalSwitchMessage delivered = {};
    connect(
        &hub, &BroadcastSocket::signalsAppendMessage, this, [&](universalSwitchMessage m) { delivered = m; },
        Qt::QueuedConnection);
    universalSwitchMessage msg = {};
    msg.universal_switch_no = 200;
    emit hub.signalsAppendMessage(msg);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy[0][0].value<universalSwitchMessage>().universal_switch_no, 200);
    QTRY_COMPARE(delivered.universal_switch_no, 200);
    QVERIFY(QMetaType::type("messageRecord") != QMetaType::UnknownType);
}

void TestSignalHub::recordLayouts()
{
    QCOMPARE(sizeof(universalSwitchMessage), size_t(44));
    QCOMPARE(offsetof(universalSwitchMessage, recv_seconds), size_t(40));
    QCOMPARE(sizeof(messageRecord), size_t(24 + 768));
    QCOMPARE(offsetof(messageRecord, room_id), size_t(20));
    QCOMPARE(offsetof(messageRecord, message_log_remark), size_t(24));
    QCOMPARE(offsetof(messageRecord, recv_time), size_t(280));
    QCOMPARE(offsetof(messageRecord, deal_time), size_t(536));
}

QTEST_GUILESS_MAIN(TestSignalHub)
#include "tst_signalhub.moc"
