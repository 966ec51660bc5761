#pragma once
// The station's one connection to the device bus (frames, transport, keep-alive) and the application's signal hub.

#include "devicelink/messagerecords.h"
#include "devicelink/streamframer.h"

#include <QHostAddress>
#include <QObject>
#include <QString>

class QTcpSocket;
class QTimer;
class QUdpSocket;

// CRC-16/XMODEM of the first length bytes of buf (length taken modulo 65536), stored high byte first
// at buf[length] and buf[length + 1].
void appendCrc16(quint8 *buf, unsigned length);
// True when the CRC-16/XMODEM of the first length bytes equals buf[length] (high) and buf[length + 1] (low).
bool checkCrc16(const quint8 *buf, unsigned length);
// The CRC-16/XMODEM itself (polynomial 0x1021, initial 0, no reflection, no final XOR).
quint16 crc16Xmodem(const quint8 *buf, unsigned length);
// Reads text like "%d.%d.%d.%d" into four integers; components the text does not supply stay 0.
void parseDottedQuad(const QString &text, int parts[4]);

class BroadcastSocket : public QObject
{
    Q_OBJECT

public:
    enum {
        PacketBufferSize = 8192,
        HeaderLength = 16,       // source IPv4, lead-in text and start mark
        MinimumFrameLength = 27, // a frame without payload
        MaximumPayloadLength = 244,
        UdpPort = 6000,
        TcpPort = 6010,
        KeepAliveLength = 18,
        // Datagrams or frames handled per turn of the event loop, and the milliseconds a turn may spend on
        // them, whichever ends first; the rest wait for the next turn.
        ReceiveBatchLimit = 256,
        ReceiveTurnBudgetMs = 8,
        // Asked of the system for each bus socket, so a burst that arrives while the station is busy waits
        // there instead of being dropped (the system may grant less).
        ReceiveBufferBytes = 8 * 1024 * 1024,
        // Milliseconds between looks for received data that arrived unannounced.
        ReceiveCheckInterval = 100,
    };

    BroadcastSocket();
    ~BroadcastSocket() override;

    // Releases the sockets and the keep-alive timer at once; run when the application object goes away,
    // since this object outlives it.
    void shutDown();

    // Opens the transport for gNetworkType; false (with signalsNetworkConnectState) when it fails.
    bool connectNetwork();
    // Frames one command for the target and sends it by the current network mode. The length byte
    // is always 11 + payloadLength; lengthByte is kept for the callers' sake and only compared.
    void sendCommand(quint8 lengthByte, quint16 opcode, quint8 targetSubnet, quint8 targetDevice,
                     const char *payload = nullptr, int payloadLength = 0);
    // Sends the bytes unchanged (no frame, no CRC) by the current network mode.
    void sendRawData(const char *data, qint64 length);
    // Sends the bytes as UDP datagram(s) to address:port through the open UDP socket, if any.
    void sendRawDataTo(const char *data, qint64 length, const QHostAddress &address, quint16 port);
    void setLocalAddress(quint8 subnetId, quint8 deviceId);
    void localAddress(quint8 *subnetId, quint8 *deviceId) const;

    // Acceptance checks of received data; none reads past length.
    bool checkPacket(const quint8 *buf, qint64 length) const;
    bool checkShortPacket(const quint8 *buf, qint64 length) const;
    bool checkLongPacket(const quint8 *buf, qint64 length) const;

    // Outgoing frame assembly in the shared buffer.
    void initPacketHeader();
    bool buildPacket(quint16 opcode, quint8 targetSubnet, quint8 targetDevice, const char *payload, int payloadLength);
    void resetPacket();
    bool appendByte(quint8 value);
    bool appendBytes(const quint8 *command, int length);
    const quint8 *packetData() const { return packetBuffer; }
    qint64 currentPacketLength() const { return packetLength; }

    // Seams: tests shorten the long waits and move the ports off the well-known ones.
    void setKeepAliveInterval(int milliseconds);
    int keepAliveInterval() const { return keepAliveMs; }
    void setConnectTimeout(int milliseconds) { connectTimeoutMs = milliseconds; }
    int connectTimeout() const { return connectTimeoutMs; }
    void setPorts(quint16 udp, quint16 tcp);
    quint16 udpPort() const { return udpPortNumber; }
    quint16 tcpPort() const { return tcpPortNumber; }

    QHostAddress currentTargetAddress() const { return targetAddress; }
    QString serverAddress() const { return serverAddressText; }
    QString domainAddress() const { return domainAddressText; }
    bool isTcpConnected() const { return tcpConnected; }
    bool hasUsableUdpSocket() const;
    bool hasUsableTcpSocket() const;
    // The address and port frames leave from in the local network (null before an open in that style).
    QHostAddress sendingAddress() const;
    // Test seam: datagrams or frames handled per turn of the event loop.
    void setReceiveBatchLimit(int frames) { batchLimit = qMax(1, frames); }

    static const char keepAliveText[KeepAliveLength + 1];

signals:
    // A block of received bus data; the buffer is valid only during the emission.
    void dataIsComming(quint8 *recvBuff, qlonglong recvLength);
    // A status text to show as a toast in the main window.
    void signalsInformation(QString info);
    // Every running device refresh and its indicator stops.
    void signalsStopRefresh(bool delay);
    // A page asks for the page id to be shown with this name and these parameters.
    void signalsPageIdChanged(QString id, QString name, QString prm1 = QString(), QString prm2 = QString());
    // The page now shown.
    void signalsPageCurrent(QString id, QString name, QString prm1 = QString(), QString prm2 = QString());
    // Go back one page.
    void signalsPageBack(int room_id);
    // The page just shown is entered with these parameters.
    void signalsPageEnter(QString prm1 = QString(), QString prm2 = QString());
    // The page id is being hidden.
    void signalsPageLeave(QString id);
    // The mood information page has left the page history.
    void signalsPageRemoveMoodsInformation();
    // The current project changed.
    void signalsProjectStateChanged(QString projectName);
    // Outcome of opening the network or of the server login, with its text.
    void signalsNetworkConnectState(bool loginSuccess, QString msg);
    // The network is now usable or not.
    void signalsNetworkStateChanged(bool loginSuccess);
    // Request to (re)open the network connection.
    void signalsNetworkOpen();
    // Every shown light switches to this brightness (100 all on, 0 all off).
    void signalsLightStatus(int brightness);
    // Every shown air conditioner or floor heating switches on (1) or off (0).
    void signalsACStatus(int status);
    // A guest request was raised or changed at a wall panel.
    void signalsAppendMessage(universalSwitchMessage _msg);
    // Messages were removed; type says whether value is a log id (0), room (1), panel (2) or message id (3).
    void signalsRemoveMessage(int value, int type);
    // A message was dealt with.
    void signalsUpdateMessage(messageRecord _messageRecord);

private slots:
    void slotsKeepAlive();
    void readyRead();
    void disconnected();

private:
    void closeSockets();
    bool resolveHost(const QString &host);
    void sendBuffer();
    bool isAcceptedSource(const QHostAddress &sender, const quint8 *buf, qint64 length) const;
    void report(const QString &text);
    void ensureKeepAliveTimer();
    struct ReadBudget;
    bool readTcp(ReadBudget &budget);
    void deliverTcpFrame(quint8 *buffer, const QByteArray &frame);
    bool readUdp(QUdpSocket *socket, ReadBudget &budget);
    void scheduleContinuation();
    void continueReading();
    QUdpSocket *newUdpSocket();
    bool bindUdpSocket(QUdpSocket *socket, const QHostAddress &address);
    QUdpSocket *sendingSocket() const;

    QHostAddress targetAddress;
    quint8 localSubnetId = 0;
    quint8 localDeviceId = 0;
    qint64 packetLength = 0;
    quint8 packetBuffer[PacketBufferSize] = {};
    QUdpSocket *udpSocket = nullptr;
    // Local network only: bound to the host address, so frames leave from the address they carry (and a
    // limited broadcast by its interface); it also receives what peers send to that address alone.
    QUdpSocket *sendSocket = nullptr;
    QTcpSocket *tcpSocket = nullptr;
    // The cloud connection's bytes not yet handed on as whole frames.
    StreamFramer tcpFramer;
    // The next reading pass, when one pass could not take everything.
    QTimer *continuationTimer = nullptr;
    int batchLimit = ReceiveBatchLimit;
    // Created on the first open: the object is built before the application object exists.
    QTimer *keepAliveTimer = nullptr;
    QTimer *receiveCheckTimer = nullptr;
    QString serverAddressText;
    QString domainAddressText;
    bool tcpConnected = false;

    int keepAliveMs = 10000;
    int connectTimeoutMs = 3000;
    quint16 udpPortNumber = UdpPort;
    quint16 tcpPortNumber = TcpPort;
};

// The process-wide link and signal hub: built before main() runs and alive until the process ends.
extern BroadcastSocket gBroadcastSocket;
