#pragma once
// A station ready to open its network inside the private network: a project "Home" with its database,
// the network values of its gateway, and the station's own bus address.

#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "shell/projectswitch.h"
#include "tests/support/loginpackets.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>

namespace stationfixture {

// The station's host address inside the private network, and its bus address.
const QString hostIp = QStringLiteral("127.0.0.2");
constexpr quint8 stationSubnet = 1;
constexpr quint8 stationDevice = 254;

inline void prepareProject(const QString &appDir, int networkType)
{
    gAppDirPath = appDir;
    QDir(appDir).mkpath("database/Home");
    QVERIFY(createProjectXml());
    QVERIFY(setProjectProperty("Home", "network_type", QString::number(networkType)));
    gDatabase.close();
    const QString path = ProjectSwitch::databasePath("Home");
    QFile::remove(path);
    createDatabaseTables(path);
    QVERIFY(gDatabase.execSql(
        "update tbl_network set host_ip=?,server_ip=?,domain_name=?,ip_port_mac=?,password=?",
        {hostIp, QString("127.0.0.1"), QString("127.0.0.1"), loginpackets::macText, loginpackets::password}));
    loadNetworkSettings();
    gSubId = QString::number(stationSubnet);
    gDevId = QString::number(stationDevice);
    gBroadcastSocket.setLocalAddress(stationSubnet, stationDevice);
    gBroadcastSocket.setPorts(BroadcastSocket::UdpPort, BroadcastSocket::TcpPort);
}

} // namespace stationfixture
