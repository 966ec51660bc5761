#include "core/networkstore.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/sqltransaction.h"

#include <QDateTime>
#include <QSqlQuery>

namespace {

bool fail(QString *error)
{
    if (error)
        *error = gDatabase.lastErrorText();
    return false;
}

} // namespace

bool readNetworkRecord(NetworkRecord &record, QString *error)
{
    bool ok = false;
    QSqlQuery row = gDatabase.querySql("select * from tbl_network");
    if (!row.isActive())
        return fail(error);
    if (row.next()) {
        record.subnetId = queryColumnInt(row, "subnet_id");
        record.deviceId = queryColumnInt(row, "device_id");
        record.ipPortMac = queryColumnText(row, "ip_port_mac");
        record.password = queryColumnText(row, "password");
        record.serverIp = queryColumnText(row, "server_ip");
        record.domainName = queryColumnText(row, "domain_name");
        record.serverType = queryColumnInt(row, "server_type");
        record.staticServerIp = queryColumnText(row, "static_server_ip");
        record.staticDomain = queryColumnText(row, "static_domain");
        ok = true;
    }
    row.finish();
    return ok;
}

bool saveNetworkRecord(const NetworkRecord &record, QString *error)
{
    SqlTransaction transaction;
    if (!transaction.isOpen())
        return fail(error);
    if (!record.ipPortMac.isEmpty()) {
        const QString now = QDateTime::currentDateTime().toString("yyyyMMddhhmmss");
        QString lookupError;
        const bool known =
            queryHasRecord("select id from tbl_ip_port_mac where ip_port_mac=?", {record.ipPortMac}, &lookupError);
        if (!lookupError.isEmpty()) {
            if (error)
                *error = lookupError;
            return false;
        }
        const bool written =
            known ? gDatabase.execSql("update tbl_ip_port_mac set password=?,update_time=? where ip_port_mac=?",
                                      {record.password, now, record.ipPortMac})
                  : gDatabase.execSql("insert into tbl_ip_port_mac(ip_port_mac,password,update_time) values(?,?,?)",
                                      {record.ipPortMac, record.password, now});
        if (!written)
            return fail(error);
    }
    if (!gDatabase.execSql("update tbl_network set subnet_id=?,device_id=?,ip_port_mac=?,password=?,server_ip=?,"
                           "domain_name=?,server_type=?,static_server_ip=?,static_domain=?",
                           {record.subnetId, record.deviceId, record.ipPortMac, record.password, record.serverIp,
                            record.domainName, record.serverType, record.staticServerIp, record.staticDomain}) ||
        !transaction.commit())
        return fail(error);
    return true;
}

QStringList gatewayMacs(QString *error)
{
    QStringList macs;
    queryStringList("select ip_port_mac from tbl_ip_port_mac order by update_time desc", "ip_port_mac", macs, error);
    return macs;
}

bool gatewayPassword(const QString &mac, QString &password, QString *error)
{
    return queryStringValue("select password from tbl_ip_port_mac where ip_port_mac=?", {mac}, "password", password,
                            error);
}

QStringList serverAliases(QString *error)
{
    QStringList aliases;
    queryStringList("select alias from tbl_server_ip", "alias", aliases, error);
    return aliases;
}

QStringList serverDomains(QString *error)
{
    QStringList domains;
    queryStringList("select domain from tbl_domain", "domain", domains, error);
    return domains;
}

QString serverAliasOfAddress(const QString &address, QString *error)
{
    QString alias;
    queryStringValue("select alias from tbl_server_ip where ip=?", {address}, "alias", alias, error);
    return alias;
}

bool serverAddressOfAlias(const QString &alias, QString &address, QString *error)
{
    return queryStringValue("select ip from tbl_server_ip where alias=?", {alias}, "ip", address, error);
}

QString databaseVersion(QString *error)
{
    QString version;
    queryStringValue("select version from tbl_version", "version", version, error);
    return version;
}
