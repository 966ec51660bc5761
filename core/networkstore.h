#pragma once
// The project's network record (tbl_network), the history of gateways used (tbl_ip_port_mac), the servers and
// domains offered for choice (tbl_server_ip, tbl_domain) and the database version (tbl_version), as the network
// and about pages read and write them.

#include <QString>
#include <QStringList>

// The columns of the one tbl_network row that the network page edits (all but id and host_ip).
struct NetworkRecord
{
    int subnetId = 0;
    int deviceId = 0;
    QString ipPortMac;
    QString password;
    QString serverIp;
    QString domainName;
    int serverType = 0;
    QString staticServerIp;
    QString staticDomain;
};

// The first tbl_network row; false, with record untouched, when there is none or the read failed (error tells).
bool readNetworkRecord(NetworkRecord &record, QString *error = nullptr);

// Stores the record into every tbl_network row and, when its MAC is not empty, records that MAC with the password
// in the gateway history as used now (the MAC's row updated, else a new row), as one transaction.
[[nodiscard]] bool saveNetworkRecord(const NetworkRecord &record, QString *error = nullptr);

// The gateway MACs of the history, the most recently used first.
QStringList gatewayMacs(QString *error = nullptr);
// True when the history holds the MAC; password is then its stored password, else left as passed in.
bool gatewayPassword(const QString &mac, QString &password, QString *error = nullptr);

// The aliases of the known servers and the known domains, in table order.
QStringList serverAliases(QString *error = nullptr);
QStringList serverDomains(QString *error = nullptr);
// The alias under which a server address is known; empty when none.
QString serverAliasOfAddress(const QString &address, QString *error = nullptr);
// True when a server is known under the alias; address is then its address, else left as passed in.
bool serverAddressOfAlias(const QString &alias, QString &address, QString *error = nullptr);

// The version text of the project database; empty without a version row.
QString databaseVersion(QString *error = nullptr);
