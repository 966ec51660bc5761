#pragma once
// The two server login packets of the station fixture, written out byte by byte from the packet layout, so
// that the tests compare the wire with bytes that no code of the station computed.

#include <QByteArray>
#include <QString>

#include <initializer_list>

namespace loginpackets {

// The values the packets below carry: gateway password and MAC, the station's bus address, and a machine
// identifier with separators that the packet leaves out.
const QString password = QStringLiteral("ab12");
const QString macText = QStringLiteral("01-02-03-04-05-06-07-08");
const QString subnetId = QStringLiteral("1");
const QString deviceId = QStringLiteral("254");
const QString machineId = QStringLiteral("4c4c4544-0042-3510_8050");

inline QByteArray bytes(std::initializer_list<quint8> values)
{
    QByteArray out;
    for (quint8 value : values)
        out.append(static_cast<char>(value));
    return out;
}

// clang-format off
inline QByteArray cloudLogin()
{
    return bytes({
        0xCC, 0xCC,                                     //  0 lead-in
        0x00, 0x38,                                     //  2 length 56
        0x00, 0xA2,                                     //  4 opcode
        0x01,                                           //  6
        0x00,                                           //  7
        'a',  'b',  '1',  '2',                          //  8 gateway password
        0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, // 12 gateway MAC
        0x01,                                           // 20 station subnet id
        0xFE,                                           // 21 station device id
        '4',  'c',  '4',  'c',  '4',  '5',  '4',  '4',  // 22 machine identifier, letters and digits only
        '0',  '0',  '4',  '2',  '3',  '5',  '1',  '0',  //
        '8',  '0',  '5',  '0',  0x00, 0x00, 0x00, 0x00, //    ... then zeros up to 32 bytes
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, //
        0xA6, 0x46,                                     // 54 CRC-16/XMODEM of bytes 0-53, high byte first
    });
}

inline QByteArray dnsLogin()
{
    return bytes({
        0xCC, 0xCC,                                     //  0 lead-in
        0x00, 0x17,                                     //  2 length 23
        0x00, 0xA5,                                     //  4 opcode
        0x00,                                           //  6
        'a',  'b',  '1',  '2',                          //  7 gateway password
        0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, // 11 gateway MAC
        0x00, 0x00,                                     // 19
        0xBE, 0x8A,                                     // 21 CRC-16/XMODEM of bytes 0-20, high byte first
    });
}

// clang-format on

} // namespace loginpackets
