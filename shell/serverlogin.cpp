#include "shell/serverlogin.h"

#include "core/appsettings.h"
#include "devicelink/broadcastsocket.h"

#include <QCoreApplication>

namespace ServerLogin {

namespace {

const char *const machineIdKey = "machineUniqueId";

void putHeader(QByteArray &packet, quint16 opcode)
{
    const int length = packet.size();
    packet[0] = char(0xCC);
    packet[1] = char(0xCC);
    packet[2] = char(length >> 8);
    packet[3] = char(length & 0xFF);
    packet[4] = char(opcode >> 8);
    packet[5] = char(opcode & 0xFF);
}

// The gateway password goes out as the first four bytes of its UTF-8 text.
void putPassword(QByteArray &packet, int offset, const QString &password)
{
    const QByteArray utf8 = password.toUtf8();
    for (int i = 0; i < 4 && i < utf8.size(); ++i)
        packet[offset + i] = utf8[i];
}

void putCrc(QByteArray &packet)
{
    appendCrc16(reinterpret_cast<quint8 *>(packet.data()), unsigned(packet.size() - 2));
}

// A decimal text read like atoi: leading blanks, a sign, then digits up to the first other character.
int leadingInt(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == '+' || text.at(i) == '-'))
        negative = text.at(i++) == '-';
    qint64 value = 0;
    while (i < text.size() && text.at(i) >= '0' && text.at(i) <= '9' && value < 0x7FFFFFFF)
        value = value * 10 + (text.at(i++).unicode() - '0');
    return int(negative ? -value : value);
}

int hexDigit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

} // namespace

QByteArray macBytes(const QString &macText)
{
    QByteArray mac(8, '\0');
    int pos = 0;
    for (int field = 0; field < 8; ++field) {
        while (pos < macText.size() && macText.at(pos).isSpace())
            ++pos;
        int value = 0;
        int digits = 0;
        while (digits < 2 && pos < macText.size() && hexDigit(macText.at(pos)) >= 0) {
            value = value * 16 + hexDigit(macText.at(pos++));
            ++digits;
        }
        if (digits == 0)
            break;
        mac[field] = char(value);
        if (field < 7) {
            if (pos >= macText.size() || macText.at(pos) != '-')
                break;
            ++pos;
        }
    }
    return mac;
}

QByteArray cloudLoginPacket(const QString &password, const QString &macText, const QString &subnetId,
                            const QString &deviceId, const QString &machineId)
{
    QByteArray packet(cloudLoginLength, '\0');
    putHeader(packet, cloudLoginOpcode);
    packet[6] = 0x01;
    packet[7] = 0x00;
    putPassword(packet, 8, password);
    packet.replace(12, 8, macBytes(macText));
    packet[20] = char(leadingInt(subnetId) & 0xFF);
    packet[21] = char(leadingInt(deviceId) & 0xFF);
    int at = 22;
    for (const QChar c : machineId) {
        if (at >= 22 + machineIdLength)
            break;
        if (c.isLetterOrNumber())
            packet[at++] = char(c.unicode() & 0xFF);
    }
    putCrc(packet);
    return packet;
}

QByteArray dnsLoginPacket(const QString &password, const QString &macText)
{
    QByteArray packet(dnsLoginLength, '\0');
    putHeader(packet, dnsLoginOpcode);
    packet[6] = 0x00;
    putPassword(packet, 7, password);
    packet.replace(11, 8, macBytes(macText));
    putCrc(packet);
    return packet;
}

QString stationMachineId()
{
    QString id;
    readRegistrySetting(machineIdKey, id);
    if (id.isEmpty()) {
        id = getMachineUniqueId();
        // An empty answer is not stored, so the next login asks the platform again.
        if (!id.isEmpty())
            writeRegistrySetting(machineIdKey, id);
    }
    return id;
}

bool readLoginReply(const quint8 *packet, qint64 length, bool &loginSuccess, QString &msg)
{
    if (!packet || length < 9)
        return false;
    const quint16 opcode = quint16((packet[4] << 8) | packet[5]);
    int resultAt = -1;
    if (opcode == cloudReplyOpcode)
        resultAt = 13;
    else if (opcode == dnsReplyOpcode)
        resultAt = 9;
    else
        return false;
    // The last two bytes are the CRC: a result byte at or past them was never sent.
    if (resultAt >= length - 2)
        return false;
    const int result = packet[resultAt];
    if (opcode == cloudReplyOpcode) {
        loginSuccess = result == 0;
        switch (result) {
        case 0:
            msg = tr("Success");
            break;
        case 1:
            msg = tr("MAC Error");
            break;
        case 2:
            msg = tr("IPPORT Offline");
            break;
        case 3:
            msg = tr("Password Error");
            break;
        case 4:
            msg = tr("Firmware Version Too Low");
            break;
        default:
            msg = tr("Failed To Connect Server");
            break;
        }
    } else {
        loginSuccess = result == 1;
        switch (result) {
        case 1:
            msg = tr("Success");
            break;
        case 2:
            msg = tr("A2 trigger A4");
            break;
        case 3:
            msg = tr("Password Error");
            break;
        case 4:
            msg = tr("MAC Error");
            break;
        case 5:
            msg = tr("MAC And Password Error");
            break;
        case 6:
            msg = tr("Full");
            break;
        default:
            msg = tr("Failed To Connect IPPORT");
            break;
        }
    }
    return true;
}

} // namespace ServerLogin
