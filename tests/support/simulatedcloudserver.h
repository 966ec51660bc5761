#pragma once
// A cloud server on 127.0.0.1 TCP: answers the cloud login and relays bus requests to a device that
// answers them with opcode + 1, on the same connection.

#include <QByteArray>
#include <QObject>

class QTcpServer;
class QTcpSocket;

class SimulatedCloudServer : public QObject
{
    Q_OBJECT

public:
    explicit SimulatedCloudServer(quint16 port, QObject *parent = nullptr);
    ~SimulatedCloudServer() override;

    bool isListening() const;
    bool hasClient() const { return client != nullptr; }
    // Everything the station wrote, in order.
    QByteArray received;
    // Result code of the 0x00A3 reply to a cloud login packet (0 success).
    int loginResult = 0;
    // Off: login packets are recorded (loginReceived) but not answered.
    bool answersLogin = true;
    // Device address that answers relayed bus frames.
    quint8 deviceSubnet = 1;
    quint8 deviceDevice = 10;

    void push(const QByteArray &data);
    void closeClient();

signals:
    void clientConnected();
    void dataReceived();
    void loginReceived(QByteArray packet);
    void frameReceived(QByteArray frame);

private:
    void onNewConnection();
    void onReadyRead();

    QTcpServer *server;
    QTcpSocket *client = nullptr;
    QByteArray pending;
};
