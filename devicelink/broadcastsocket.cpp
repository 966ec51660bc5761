#include "devicelink/broadcastsocket.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/hostaddress.h"
#include "core/linknotices.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

#include <cstring>

namespace {

const quint8 leadInText[10] = {'V', 'O', 'V', 'U', 'Z', 'A', 'V', 'I', 'Z', 'E'};

// The object outlives the application object; its sockets and timer must be gone before the event
// dispatcher is, so every live instance is shut down from the application's destructor.
QList<BroadcastSocket *> &liveInstances()
{
    static QList<BroadcastSocket *> instances;
    return instances;
}

// The database writes of one batch of received frames (message log, device log) go into one transaction,
// committed before control returns to the event loop: a disk sync per batch instead of one per row.
// A receiver that switches the database meanwhile ends the transaction itself, so only a batch still on the
// connection and at the depth it began is committed here.
class ReceptionBatch
{
public:
    ReceptionBatch()
    {
        if (!gDatabase.isOpen())
            return;
        connection = gDatabase.connectionName();
        depth = gDatabase.transactionDepth();
        began = gDatabase.beginTransaction();
    }
    ~ReceptionBatch()
    {
        if (began && gDatabase.connectionName() == connection && gDatabase.transactionDepth() == depth + 1 &&
            !gDatabase.commitTransaction())
            qWarning().noquote() << "the database writes of received frames could not be stored:"
                                 << gDatabase.lastErrorText();
    }

private:
    QString connection;
    int depth = 0;
    bool began = false;
};

} // namespace

const char BroadcastSocket::keepAliveText[KeepAliveLength + 1] = "ZODUV-STATION-LINK";

BroadcastSocket gBroadcastSocket;

namespace {

// Built right after the hub, in this translation unit's order: from then on what the core announces reaches it.
[[maybe_unused]] const bool coreListenersSet = [] {
    setStationAddressListener(
        [](quint8 subnetId, quint8 deviceId) { gBroadcastSocket.setLocalAddress(subnetId, deviceId); });
    setRoomDeletedListener([](int roomId) { emit gBroadcastSocket.signalsRemoveMessage(roomId, 1); });
    return true;
}();

} // namespace

quint16 crc16Xmodem(const quint8 *buf, unsigned length)
{
    static quint16 table[256];
    static bool tableReady = false;
    if (!tableReady) {
        for (int i = 0; i < 256; ++i) {
            quint16 crc = quint16(i << 8);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
            table[i] = crc;
        }
        tableReady = true;
    }
    length &= 0xFFFF;
    quint16 crc = 0;
    for (unsigned i = 0; i < length; ++i)
        crc = quint16((crc << 8) ^ table[((crc >> 8) ^ buf[i]) & 0xFF]);
    return crc;
}

void appendCrc16(quint8 *buf, unsigned length)
{
    const quint16 crc = crc16Xmodem(buf, length);
    length &= 0xFFFF;
    buf[length] = quint8(crc >> 8);
    buf[length + 1] = quint8(crc & 0xFF);
}

bool checkCrc16(const quint8 *buf, unsigned length)
{
    const quint16 crc = crc16Xmodem(buf, length);
    length &= 0xFFFF;
    return buf[length] == quint8(crc >> 8) && buf[length + 1] == quint8(crc & 0xFF);
}

void parseDottedQuad(const QString &text, int parts[4])
{
    parts[0] = parts[1] = parts[2] = parts[3] = 0;
    const QByteArray utf8 = text.toUtf8();
    const char *p = utf8.constData();
    // Reads like "%d.%d.%d.%d": stops at the first component that is not there; a number too large
    // for an int keeps its low bits, so the low byte sent is still the one written.
    for (int i = 0; i < 4; ++i) {
        while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
            ++p;
        bool negative = false;
        if (*p == '+' || *p == '-') {
            negative = *p == '-';
            ++p;
        }
        if (*p < '0' || *p > '9')
            return;
        quint32 value = 0;
        while (*p >= '0' && *p <= '9')
            value = value * 10u + quint32(*p++ - '0');
        if (negative)
            value = 0u - value;
        parts[i] = int(value);
        if (i < 3) {
            if (*p != '.')
                return;
            ++p;
        }
    }
}

BroadcastSocket::BroadcastSocket() : QObject(nullptr)
{
    registerMessageRecordTypes();
    liveInstances().append(this);
}

BroadcastSocket::~BroadcastSocket()
{
    liveInstances().removeAll(this);
    tcpConnected = false;
    if (QCoreApplication::instance()) {
        closeSockets();
    }
}

static void shutDownLiveInstances()
{
    for (BroadcastSocket *socket : liveInstances())
        socket->shutDown();
}

void BroadcastSocket::shutDown()
{
    tcpConnected = false;
    delete keepAliveTimer;
    keepAliveTimer = nullptr;
    delete receiveCheckTimer;
    receiveCheckTimer = nullptr;
    delete continuationTimer;
    continuationTimer = nullptr;
    const QList<QAbstractSocket *> sockets = {udpSocket, sendSocket, tcpSocket};
    for (QAbstractSocket *socket : sockets) {
        if (socket) {
            socket->disconnect(this);
            socket->abort();
            delete socket;
        }
    }
    udpSocket = nullptr;
    sendSocket = nullptr;
    tcpSocket = nullptr;
    tcpFramer.clear();
}

void BroadcastSocket::ensureKeepAliveTimer()
{
    static bool postRoutineAdded = false;
    if (!postRoutineAdded) {
        qAddPostRoutine(shutDownLiveInstances);
        postRoutineAdded = true;
    }
    if (!keepAliveTimer) {
        keepAliveTimer = new QTimer(this);
        connect(keepAliveTimer, &QTimer::timeout, this, &BroadcastSocket::slotsKeepAlive);
    }
    if (!receiveCheckTimer) {
        // Under overload a UDP socket can hold datagrams without announcing them again (its notification
        // stays off until the next read); a regular look makes sure reception goes on.
        receiveCheckTimer = new QTimer(this);
        connect(receiveCheckTimer, &QTimer::timeout, this, [this] { continueReading(); });
    }
}

void BroadcastSocket::setKeepAliveInterval(int milliseconds)
{
    keepAliveMs = milliseconds;
    if (keepAliveTimer && keepAliveTimer->isActive())
        keepAliveTimer->start(keepAliveMs);
}

void BroadcastSocket::setPorts(quint16 udp, quint16 tcp)
{
    udpPortNumber = udp;
    tcpPortNumber = tcp;
}

void BroadcastSocket::setLocalAddress(quint8 subnetId, quint8 deviceId)
{
    localSubnetId = subnetId;
    localDeviceId = deviceId;
}

void BroadcastSocket::localAddress(quint8 *subnetId, quint8 *deviceId) const
{
    if (subnetId)
        *subnetId = localSubnetId;
    if (deviceId)
        *deviceId = localDeviceId;
}

void BroadcastSocket::report(const QString &text)
{
    emit signalsNetworkConnectState(false, text);
}

bool BroadcastSocket::hasUsableUdpSocket() const
{
    return udpSocket && udpSocket->state() == QAbstractSocket::BoundState;
}

bool BroadcastSocket::hasUsableTcpSocket() const
{
    return tcpSocket && tcpSocket->state() == QAbstractSocket::ConnectedState;
}

QHostAddress BroadcastSocket::sendingAddress() const
{
    if (sendSocket && sendSocket->state() == QAbstractSocket::BoundState)
        return sendSocket->localAddress();
    return QHostAddress();
}

QUdpSocket *BroadcastSocket::sendingSocket() const
{
    return sendSocket && sendSocket->state() == QAbstractSocket::BoundState ? sendSocket : udpSocket;
}

QUdpSocket *BroadcastSocket::newUdpSocket()
{
    auto *socket = new QUdpSocket(this);
    connect(socket, &QUdpSocket::readyRead, this, &BroadcastSocket::readyRead);
    return socket;
}

bool BroadcastSocket::bindUdpSocket(QUdpSocket *socket, const QHostAddress &address)
{
    if (!socket->bind(address, udpPortNumber, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint))
        return false;
    socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, int(ReceiveBufferBytes));
    return true;
}

bool BroadcastSocket::connectNetwork()
{
    tcpConnected = false;
    closeSockets();
    ensureKeepAliveTimer();

    switch (gNetworkType) {
    case LocalNetwork: {
        targetAddress = getBroadcastAddress();
        // Received on every IPv4 address: a socket bound to the unicast host address never sees the devices'
        // broadcast replies on Linux. The host address must still be one of this machine's, as it is the
        // source written into every frame, and the frames leave from it through a second socket.
        const QHostAddress host(gHostIp);
        bool hostIsOurs = false;
        if (!gHostIp.isEmpty() && host.protocol() == QAbstractSocket::IPv4Protocol) {
            const QList<QHostAddress> addresses = QNetworkInterface::allAddresses();
            for (const QHostAddress &address : addresses) {
                if (address.isEqual(host, QHostAddress::StrictConversion))
                    hostIsOurs = true;
            }
        }
        udpSocket = newUdpSocket();
        if (hostIsOurs && bindUdpSocket(udpSocket, QHostAddress::AnyIPv4)) {
            sendSocket = newUdpSocket();
            if (!bindUdpSocket(sendSocket, host))
                udpSocket->abort();
        }
        if (!hasUsableUdpSocket()) {
            report(QString::asprintf("failed to bind %s:%d!", gHostIp.toUtf8().constData(), int(udpPortNumber)));
            return false;
        }
        break;
    }
    case CloudServer: {
        if (gServerIp.isEmpty()) {
            report(tr("invalid server ip or domain name!"));
            return false;
        }
        if (gIpPortMac.isEmpty()) {
            report(tr("invalid mac address!"));
            return false;
        }
        if (!resolveHost(gServerIp)) {
            report(QString::asprintf("failed to parse host name %s!", gServerIp.toUtf8().constData()));
            return false;
        }
        tcpSocket = new QTcpSocket(this);
        tcpSocket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, int(ReceiveBufferBytes));
        connect(tcpSocket, &QTcpSocket::readyRead, this, &BroadcastSocket::readyRead);
        connect(tcpSocket, &QTcpSocket::disconnected, this, &BroadcastSocket::disconnected);
        tcpSocket->connectToHost(serverAddressText, tcpPortNumber, QIODevice::ReadWrite,
                                 QAbstractSocket::AnyIPProtocol);
        if (!tcpSocket->waitForConnected(connectTimeoutMs)) {
            // A connect left pending could still complete later and carry frames nobody expects. A refused
            // connect is already unconnected, which abort() ignores, so the device is closed as well.
            tcpSocket->abort();
            tcpSocket->close();
            report(QString::asprintf("failed to connect to %s!", serverAddressText.toUtf8().constData()));
            return false;
        }
        targetAddress = QHostAddress(serverAddressText);
        tcpConnected = true;
        break;
    }
    case DnsServer: {
        if (gDomainName.isEmpty()) {
            report(tr("invalid domain name by router!"));
            return false;
        }
        if (gIpPortMac.isEmpty()) {
            report(tr("invalid mac address!"));
            return false;
        }
        if (!resolveHost(gDomainName)) {
            // UDP to the router goes over IPv4 only; a name with nothing but IPv6 addresses says so.
            const char *format = QHostInfo::fromName(gDomainName).addresses().isEmpty()
                                     ? "failed to parse host name %s!"
                                     : "no IPv4 address for host name %s!";
            report(QString::asprintf(format, gDomainName.toUtf8().constData()));
            return false;
        }
        udpSocket = newUdpSocket();
        if (!bindUdpSocket(udpSocket, QHostAddress::AnyIPv4)) {
            report(QString::asprintf("failed to bind %d!", int(udpPortNumber)));
            return false;
        }
        targetAddress = QHostAddress(domainAddressText);
        break;
    }
    default:
        break;
    }

    initPacketHeader();
    keepAliveTimer->stop();
    keepAliveTimer->start(keepAliveMs);
    receiveCheckTimer->start(ReceiveCheckInterval);
    return true;
}

void BroadcastSocket::closeSockets()
{
    auto close = [this](auto *&socket) {
        if (!socket)
            return;
        socket->disconnect(this);
        if (socket->isOpen())
            socket->abort();
        socket->deleteLater();
        socket = nullptr;
    };
    close(udpSocket);
    close(sendSocket);
    close(tcpSocket);
    tcpFramer.clear();
}

bool BroadcastSocket::resolveHost(const QString &host)
{
    QString *text = nullptr;
    if (gNetworkType == CloudServer)
        text = &serverAddressText;
    else if (gNetworkType == DnsServer)
        text = &domainAddressText;
    else
        return false;
    text->clear();
    const QList<QHostAddress> addresses = QHostInfo::fromName(host).addresses();
    for (const QHostAddress &address : addresses) {
        // The router is reached by UDP over IPv4; the cloud server by TCP over either protocol.
        if (gNetworkType == CloudServer || address.protocol() == QAbstractSocket::IPv4Protocol) {
            *text = address.toString();
            return true;
        }
    }
    return false;
}

void BroadcastSocket::initPacketHeader()
{
    int parts[4];
    parseDottedQuad(gHostIp, parts);
    for (int i = 0; i < 4; ++i)
        packetBuffer[i] = quint8(parts[i] & 0xFF);
    std::memcpy(packetBuffer + 4, leadInText, sizeof leadInText);
    packetBuffer[14] = 0xAA;
    packetBuffer[15] = 0xAA;
    packetLength = HeaderLength;
}

bool BroadcastSocket::buildPacket(quint16 opcode, quint8 targetSubnet, quint8 targetDevice, const char *payload,
                                  int payloadLength)
{
    // The length byte is derived from the payload here, never taken from the caller: a wrong one would
    // place the CRC, and the bytes it covers, outside the frame.
    if (payloadLength < 0 || payloadLength > MaximumPayloadLength || (payloadLength > 0 && !payload))
        return false;
    std::memset(packetBuffer + HeaderLength, 0, PacketBufferSize - HeaderLength);
    packetBuffer[16] = quint8(11 + payloadLength);
    packetBuffer[17] = localSubnetId;
    packetBuffer[18] = localDeviceId;
    packetBuffer[19] = 0xCC;
    packetBuffer[20] = 0xC2;
    packetBuffer[21] = quint8(opcode >> 8);
    packetBuffer[22] = quint8(opcode & 0xFF);
    packetBuffer[23] = targetSubnet;
    packetBuffer[24] = targetDevice;
    packetLength = 25;
    if (payloadLength > 0)
        std::memcpy(packetBuffer + packetLength, payload, size_t(payloadLength));
    packetLength += payloadLength;
    return true;
}

void BroadcastSocket::sendCommand(quint8 lengthByte, quint16 opcode, quint8 targetSubnet, quint8 targetDevice,
                                  const char *payload, int payloadLength)
{
    if (!buildPacket(opcode, targetSubnet, targetDevice, payload, payloadLength)) {
        qDebug() << "refusing to send opcode" << QString::number(opcode, 16) << "with a payload of" << payloadLength
                 << "bytes";
        return;
    }
    if (lengthByte != quint8(11 + payloadLength))
        qDebug() << "length byte" << lengthByte << "for opcode" << QString::number(opcode, 16) << "replaced by"
                 << 11 + payloadLength;
    sendBuffer();
}

void BroadcastSocket::sendBuffer()
{
    appendCrc16(packetBuffer + HeaderLength, unsigned(packetLength - HeaderLength));
    sendRawData(reinterpret_cast<const char *>(packetBuffer), packetLength + 2);
}

void BroadcastSocket::resetPacket()
{
    std::memset(packetBuffer + HeaderLength, 0, PacketBufferSize - HeaderLength);
    packetLength = HeaderLength;
}

bool BroadcastSocket::appendByte(quint8 value)
{
    if (packetLength < 0 || packetLength + 1 + 2 > PacketBufferSize)
        return false;
    packetBuffer[packetLength++] = value;
    return true;
}

bool BroadcastSocket::appendBytes(const quint8 *command, int length)
{
    if (!command || length < 5 || packetLength + length > PacketBufferSize - 4)
        return false;
    appendByte(command[0]);
    appendByte(localSubnetId);
    appendByte(localDeviceId);
    appendByte(0xFF);
    appendByte(0xFE);
    for (int i = 1; i < length; ++i)
        appendByte(command[i]);
    return true;
}

bool BroadcastSocket::checkPacket(const quint8 *buf, qint64 length) const
{
    if (!buf || length < MinimumFrameLength)
        return false;
    if (buf[14] != 0xAA || buf[15] != 0xAA)
        return false;
    const int l = buf[16];
    if (l < 2 || 16 + l > length)
        return false;
    if (!checkCrc16(buf + 16, unsigned(l - 2)))
        return false;
    return (buf[23] == localSubnetId && buf[24] == localDeviceId) || (buf[23] == 255 && buf[24] == 255);
}

bool BroadcastSocket::checkShortPacket(const quint8 *buf, qint64 length) const
{
    if (!buf || length < 9 || length > 0xFFFF + 2)
        return false;
    if (buf[0] != 0xCC || buf[1] != 0xCC)
        return false;
    return checkCrc16(buf, unsigned(length - 2));
}

bool BroadcastSocket::checkLongPacket(const quint8 *buf, qint64 length) const
{
    if (!buf || length < 36)
        return false;
    if (buf[14] != 0xBB || buf[15] != 0xBB)
        return false;
    const int n = buf[16] * 256 + buf[17];
    if (n < 2 || 16 + n > length)
        return false;
    return checkCrc16(buf + 16, unsigned(n - 2));
}

void BroadcastSocket::sendRawData(const char *data, qint64 length)
{
    if (!data || length <= 0)
        return;
    if (gNetworkType == CloudServer) {
        if (!tcpSocket || !tcpSocket->isValid() || !tcpSocket->isOpen())
            return;
        if (tcpSocket->state() != QAbstractSocket::ConnectedState || !tcpSocket->isWritable()) {
            report(QString::asprintf("disconnect from %s,can not write data!", serverAddressText.toUtf8().constData()));
            return;
        }
        qint64 written = 0;
        while (written < length) {
            const qint64 n = tcpSocket->write(data + written, length - written);
            if (n <= 0)
                break;
            written += n;
        }
        tcpSocket->flush();
        if (written < length)
            qWarning() << QString("failed to send data to %1:%2 [%3]")
                              .arg(targetAddress.toString())
                              .arg(tcpPortNumber)
                              .arg(written);
        return;
    }
    // An unbound UDP socket would bind itself to a random port on the first write.
    if (!hasUsableUdpSocket())
        return;
    QUdpSocket *out = sendingSocket();
    qint64 sent = 0;
    while (sent < length) {
        const qint64 n = out->writeDatagram(data + sent, length - sent, targetAddress, udpPortNumber);
        if (n <= 0)
            break;
        sent += n;
    }
    if (sent != length)
        qWarning()
            << QString("failed to send data to %1:%2 [%3]").arg(targetAddress.toString()).arg(udpPortNumber).arg(sent);
}

void BroadcastSocket::sendRawDataTo(const char *data, qint64 length, const QHostAddress &address, quint16 port)
{
    if (!data || length <= 0 || !hasUsableUdpSocket())
        return;
    QUdpSocket *out = sendingSocket();
    qint64 sent = 0;
    while (sent < length) {
        const qint64 n = out->writeDatagram(data + sent, length - sent, address, port);
        if (n <= 0)
            break;
        sent += n;
    }
    if (sent != length)
        qWarning() << QString("failed to send data to %1:%2 [%3]").arg(address.toString()).arg(port).arg(sent);
}

void BroadcastSocket::slotsKeepAlive()
{
    if (gNetworkType == CloudServer)
        return;
    sendRawData(keepAliveText, KeepAliveLength);
}

void BroadcastSocket::readyRead()
{
    // Only the sockets of the current style are read: a socket left from another style carries nothing the
    // receivers may act on, and the next open closes it. The reading itself is one pass per turn of the event
    // loop, whichever socket announced data.
    QObject *from = sender();
    if (gNetworkType == CloudServer) {
        if (from && from == tcpSocket)
            scheduleContinuation();
    } else if (from && (from == udpSocket || from == sendSocket)) {
        scheduleContinuation();
    }
}

// What one pass may handle: a number of frames and a slice of time, so that a flood of cheap frames and a
// burst of costly ones both leave the event loop its turn.
struct BroadcastSocket::ReadBudget
{
    explicit ReadBudget(int frames) : framesLeft(frames) { clock.start(); }
    // Takes one frame from the budget; false once it is spent.
    bool take()
    {
        if (framesLeft <= 0 || clock.elapsed() >= ReceiveTurnBudgetMs)
            return false;
        --framesLeft;
        return true;
    }
    int framesLeft;
    QElapsedTimer clock;
};

void BroadcastSocket::continueReading()
{
    if (continuationTimer)
        continuationTimer->stop();
    ReadBudget budget(batchLimit);
    // The database writes of the whole pass go into one transaction.
    ReceptionBatch batch;
    bool more = false;
    if (gNetworkType == CloudServer) {
        more = readTcp(budget);
    } else {
        more = readUdp(udpSocket, budget);
        more = readUdp(sendSocket, budget) || more;
    }
    if (more)
        scheduleContinuation();
}

// A flood must not keep the event loop in here: the next pass is a zero timer, so timers, paints and input get
// their turn between passes (a posted call could be taken again and again within one turn), and what is still
// waiting is read then.
void BroadcastSocket::scheduleContinuation()
{
    if (!continuationTimer) {
        continuationTimer = new QTimer(this);
        continuationTimer->setSingleShot(true);
        continuationTimer->setInterval(0);
        connect(continuationTimer, &QTimer::timeout, this, &BroadcastSocket::continueReading);
    }
    if (!continuationTimer->isActive())
        continuationTimer->start();
}

// Hands on whole frames while the budget lasts; true when data is left for another pass.
bool BroadcastSocket::readTcp(ReadBudget &budget)
{
    QTcpSocket *socket = tcpSocket;
    if (!socket)
        return false;
    quint8 buffer[PacketBufferSize];
    QByteArray frame;
    // Each delivery is exactly one frame or server packet, however the stream was cut into reads.
    while (socket == tcpSocket) {
        if (!tcpFramer.next(frame)) {
            if (socket->bytesAvailable() <= 0)
                return false;
            const qint64 n = socket->read(reinterpret_cast<char *>(buffer), PacketBufferSize);
            if (n <= 0)
                return false;
            tcpFramer.append(reinterpret_cast<const char *>(buffer), n);
            continue;
        }
        if (!budget.take()) {
            // The frame already taken out is handed on now; the rest waits for the next pass.
            deliverTcpFrame(buffer, frame);
            return true;
        }
        deliverTcpFrame(buffer, frame);
    }
    return false;
}

void BroadcastSocket::deliverTcpFrame(quint8 *buffer, const QByteArray &frame)
{
    std::memset(buffer, 0, PacketBufferSize);
    std::memcpy(buffer, frame.constData(), size_t(frame.size()));
    emit dataIsComming(buffer, frame.size());
}

// Hands on datagrams while the budget lasts; true when datagrams are left for another pass.
bool BroadcastSocket::readUdp(QUdpSocket *socket, ReadBudget &budget)
{
    quint8 buffer[PacketBufferSize];
    // A receiver may reopen the network while a block is delivered; the old socket is then left alone.
    while (socket && (socket == udpSocket || socket == sendSocket) && socket->hasPendingDatagrams()) {
        if (!budget.take())
            return true;
        const qint64 size = socket->pendingDatagramSize();
        if (size < 1 || size > PacketBufferSize) {
            // Read and drop: a datagram left pending would hold back every one behind it.
            char discard;
            if (socket->readDatagram(&discard, 0) < 0 && size < 0)
                break;
            continue;
        }
        std::memset(buffer, 0, sizeof buffer);
        QHostAddress senderAddress;
        quint16 senderPort = 0;
        const qint64 got =
            socket->readDatagram(reinterpret_cast<char *>(buffer), PacketBufferSize, &senderAddress, &senderPort);
        if (got < 0)
            break;
        if (got > 0 && isAcceptedSource(senderAddress, buffer, got))
            emit dataIsComming(buffer, got);
    }
    return false;
}

bool BroadcastSocket::isAcceptedSource(const QHostAddress &sender, const quint8 *buf, qint64 length) const
{
    const QString from = sender.toString();
    if (gNetworkType == DnsServer)
        return from == gHostIp || from == domainAddressText;
    if (length >= 9 && buf[0] == 0xCC && buf[1] == 0xCC && checkShortPacket(buf, length))
        return true;
    if (!serverAddressText.isEmpty() && serverAddressText == from)
        return false;
    if (!domainAddressText.isEmpty() && domainAddressText == from)
        return false;
    return true;
}

void BroadcastSocket::disconnected()
{
    if (tcpConnected)
        report(QString::asprintf("disconnect from %s!", serverAddressText.toUtf8().constData()));
}
