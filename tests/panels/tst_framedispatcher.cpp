// The frame dispatcher: one copy per frame, handed to the receivers of its source address after the listening
// and acceptance tests; reads past the received length see 0.

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "panels/busframe.h"
#include "panels/framedispatcher.h"
#include "tests/panels/panelbus.h"

#include <QtTest>
#include <functional>

namespace {

class Receiver : public FrameReceiver
{
public:
    bool listening = true;
    QList<QByteArray> frames;
    QList<quint8> byte30;
    std::function<void()> onFrame;

    bool isListening() const override { return listening; }
    void frameReceived(const BusFrame &frame) override
    {
        frames << QByteArray(reinterpret_cast<const char *>(frame.data()), int(frame.length()));
        byte30 << frame.byte(30);
        if (onFrame)
            onFrame();
    }
};

QByteArray frameFrom(quint8 subnet, quint8 device, const QByteArray &payload = QByteArray("\x01\x02", 2))
{
    return panelbus::replyFrom(subnet, device, 0x0034, payload);
}

} // namespace

class TestFrameDispatcher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reachesTheReceiversOfItsSource();
    void filtered_data();
    void filtered();
    void readsPastTheLengthSeeZero();
    void oneFrameOncePerReceiver();
    void receiverRemovedDuringDispatchHearsNothing();
    void destroyedReceiverIsForgotten();
    void busFrameFields();
};

void TestFrameDispatcher::initTestCase()
{
    gBroadcastSocket.setLocalAddress(panelbus::stationSubnet, panelbus::stationDevice);
}

void TestFrameDispatcher::reachesTheReceiversOfItsSource()
{
    Receiver a, b, other;
    FrameDispatcher::instance().add(&a, 1, 10);
    FrameDispatcher::instance().add(&b, 1, 10);
    FrameDispatcher::instance().add(&other, 1, 11);
    const QByteArray frame = frameFrom(1, 10);
    panelbus::deliver(frame);
    QCOMPARE(a.frames, QList<QByteArray>{frame});
    QCOMPARE(b.frames, QList<QByteArray>{frame});
    QVERIFY(other.frames.isEmpty());
}

void TestFrameDispatcher::filtered_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<bool>("listening");
    QTest::addColumn<bool>("delivered");

    const QByteArray good = frameFrom(2, 20);
    QByteArray badCrc = good;
    badCrc[badCrc.size() - 1] = char(badCrc.at(badCrc.size() - 1) ^ 0x01);
    QByteArray badLeadIn = good;
    badLeadIn[14] = 0;
    QTest::newRow("accepted") << good << true << true;
    QTest::newRow("broadcast target") << makeDeviceFrame(2, 20, 0x0034, 255, 255, "\x01\x02") << true << true;
    QTest::newRow("not listening") << good << false << false;
    QTest::newRow("bad CRC") << badCrc << true << false;
    QTest::newRow("bad lead-in") << badLeadIn << true << false;
    QTest::newRow("for another station") << makeDeviceFrame(2, 20, 0x0034, 1, 253, "\x01\x02") << true << false;
    QTest::newRow("shorter than its length byte") << good.left(good.size() - 1) << true << false;
    QTest::newRow("from another device") << frameFrom(2, 21) << true << false;
}

void TestFrameDispatcher::filtered()
{
    QFETCH(QByteArray, frame);
    QFETCH(bool, listening);
    QFETCH(bool, delivered);
    Receiver r;
    r.listening = listening;
    FrameDispatcher::instance().add(&r, 2, 20);
    panelbus::deliver(frame);
    QCOMPARE(r.frames.size(), delivered ? 1 : 0);
}

void TestFrameDispatcher::readsPastTheLengthSeeZero()
{
    Receiver r;
    FrameDispatcher::instance().add(&r, 3, 30);
    // The frame ends before byte 30; the memory after it holds other bytes.
    QByteArray buffer = frameFrom(3, 30, QByteArray("\x01", 1));
    const int length = buffer.size();
    buffer.append(QByteArray(16, char(0x5A)));
    emit gBroadcastSocket.dataIsComming(reinterpret_cast<quint8 *>(buffer.data()), length);
    QCOMPARE(r.byte30, QList<quint8>{0});
    QCOMPARE(r.frames.first().size(), length);
}

void TestFrameDispatcher::oneFrameOncePerReceiver()
{
    Receiver r;
    FrameDispatcher::instance().add(&r, 4, 40);
    FrameDispatcher::instance().add(&r, 4, 40);
    FrameDispatcher::instance().add(&r, 4, 41);
    QCOMPARE(FrameDispatcher::instance().receiverCount(4, 40), 1);
    panelbus::deliver(frameFrom(4, 40));
    panelbus::deliver(frameFrom(4, 41));
    QCOMPARE(r.frames.size(), 2);
}

void TestFrameDispatcher::receiverRemovedDuringDispatchHearsNothing()
{
    Receiver first, second;
    FrameDispatcher::instance().add(&first, 5, 50);
    FrameDispatcher::instance().add(&second, 5, 50);
    first.onFrame = [&] { FrameDispatcher::instance().remove(&second); };
    panelbus::deliver(frameFrom(5, 50));
    QCOMPARE(first.frames.size(), 1);
    QVERIFY(second.frames.isEmpty());
}

void TestFrameDispatcher::destroyedReceiverIsForgotten()
{
    {
        Receiver r;
        FrameDispatcher::instance().add(&r, 6, 60);
        QCOMPARE(FrameDispatcher::instance().receiverCount(6, 60), 1);
    }
    QCOMPARE(FrameDispatcher::instance().receiverCount(6, 60), 0);
    panelbus::deliver(frameFrom(6, 60));
}

void TestFrameDispatcher::busFrameFields()
{
    const QByteArray frame = panelbus::replyFrom(7, 70, 0xEFFE, QByteArray("V1.2'%\x01zz", 9), 0x0260);
    const BusFrame f(reinterpret_cast<const quint8 *>(frame.constData()), frame.size());
    QVERIFY(f.isAccepted());
    QCOMPARE(int(f.sourceSubnet()), 7);
    QCOMPARE(int(f.sourceDevice()), 70);
    QCOMPARE(f.sourceDeviceType(), 0x0260);
    QCOMPARE(int(f.opcode()), 0xEFFE);
    QCOMPARE(f.lengthByte(), 11 + 9);
    QCOMPARE(f.deviceInfoText(), QByteArray("V1.2'%"));
    QCOMPARE(int(f.byte(-1)), 0);
    QCOMPARE(int(f.byte(BusFrame::Capacity)), 0);

    const QByteArray blank = panelbus::replyFrom(7, 70, 0xEFFE, QByteArray(4, char(0xFF)));
    QCOMPARE(BusFrame(reinterpret_cast<const quint8 *>(blank.constData()), blank.size()).deviceInfoText(),
             QByteArray());
}

QTEST_MAIN(TestFrameDispatcher)
#include "tst_framedispatcher.moc"
