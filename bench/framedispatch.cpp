// Cost of handing one received frame to the panels: a page of many light panels, and frames that concern none of
// them or one panel that does not handle the opcode. Prints nanoseconds per frame.
//
//     QT_QPA_PLATFORM=offscreen build/bench/bench_framedispatch

#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/buscommands.h"
#include "panels/lightitem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QVector>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr quint8 stationSubnet = 1;
constexpr quint8 stationDevice = 254;

// A frame from subnet/device to the station with a correct CRC.
QByteArray frameFrom(quint8 subnet, quint8 device, quint16 opcode)
{
    QByteArray frame(16, '\0');
    frame[14] = char(0xAA);
    frame[15] = char(0xAA);
    const QByteArray payload("\x01\x02\x03", 3);
    frame.append(char(11 + payload.size()));
    frame.append(char(subnet)).append(char(device)).append(char(0x01)).append(char(0x23));
    frame.append(char(opcode >> 8)).append(char(opcode & 0xFF));
    frame.append(char(stationSubnet)).append(char(stationDevice));
    frame.append(payload);
    frame.append(2, '\0');
    appendCrc16(reinterpret_cast<quint8 *>(frame.data()) + 16, unsigned(quint8(frame.at(16)) - 2));
    return frame;
}

double nanosecondsPerFrame(QByteArray frame, int rounds)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        emit gBroadcastSocket.dataIsComming(reinterpret_cast<quint8 *>(frame.data()), frame.size());
    return double(timer.nsecsElapsed()) / rounds;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    gBroadcastSocket.setLocalAddress(stationSubnet, stationDevice);

    QWidget page;
    std::vector<std::unique_ptr<LightItem>> panels;
    for (int i = 0; i < 200; ++i) {
        lightRecord record;
        std::memset(&record, 0, sizeof record);
        record.light_id = i + 1;
        record.light_type = LightDimmer;
        record.subnet_id[0] = 2;
        record.device_id[0] = 1 + i % 250;
        record.channel[0] = 1 + i / 250;
        panels.emplace_back(new LightItem(record, false, &page));
    }
    page.show();

    const int rounds = 200000;
    std::printf("dispatch_frame_for_no_panel_ns %.1f\n", nanosecondsPerFrame(frameFrom(9, 9, 0x0034), rounds));
    std::printf("dispatch_frame_with_unhandled_opcode_ns %.1f\n", nanosecondsPerFrame(frameFrom(2, 7, 0x1234), rounds));
    return 0;
}
