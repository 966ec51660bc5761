#include "core/databaseinit.h"

#include "core/cppsqlite3db.h"
#include "core/databaseschema.h"
#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "core/queryhelpers.h"
#include "core/seedvocabularies.h"

#include <QDate>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// Runs step inside one transaction; a step that answers false leaves nothing behind.
template <typename Step> bool inTransaction(Step step)
{
    if (!gDatabase.beginTransaction())
        return false;
    if (!step()) {
        gDatabase.rollbackTransaction();
        return false;
    }
    return gDatabase.commitTransaction();
}

void purge(const QString &deleteSql)
{
    const QString cutoff = retentionCutoff(gRetainDays);
    if (cutoff.isEmpty()) {
        qDebug() << "retain_days" << gRetainDays << "is not a whole number of days; no records purged.";
        return;
    }
    gDatabase.execSql(deleteSql, {cutoff});
}

struct ColumnDefault
{
    const char *name;
    const char *type;
    const char *defaultValue;
};

// Older projects lack some of these columns. They are added with the values a new project starts with, so the
// project's gateway, server and domain settings survive the upgrade.
const ColumnDefault networkColumns[] = {
    {"subnet_id", "integer", "0"},       {"device_id", "integer", "0"},   {"ip_port_mac", "nvarchar", "''"},
    {"password", "nvarchar", "''"},      {"server_ip", "nvarchar", "''"}, {"domain_name", "nvarchar", "''"},
    {"host_ip", "nvarchar", "''"},       {"server_type", "integer", "0"}, {"static_server_ip", "nvarchar", "''"},
    {"static_domain", "nvarchar", "''"},
};

bool repairNetworkTable()
{
    for (const ColumnDefault &column : networkColumns) {
        if (!gDatabase.addColumn("tbl_network", column.name, column.type, column.defaultValue))
            return false;
    }
    if (queryHasRecord("select id from tbl_network"))
        return true;
    return DatabaseSchema::insertDefaultNetworkRow();
}

bool repairGatewayList()
{
    return gDatabase.addColumn("tbl_ip_port_mac", "ip_port_mac", "nvarchar", "''") &&
           gDatabase.addColumn("tbl_ip_port_mac", "password", "nvarchar", "''") &&
           gDatabase.addColumn("tbl_ip_port_mac", "update_time", "nvarchar", "''");
}

bool seedNewTable(const QString &table)
{
    if (table == "tbl_log_type")
        return initLogTypeTable();
    if (table == "tbl_message_type")
        return initMessageTypeTable();
    if (table == "tbl_message_status")
        return initMessageStatusTable();
    if (table == "tbl_network")
        return DatabaseSchema::insertDefaultNetworkRow();
    if (table == "tbl_server_ip")
        return initServerIpTable();
    if (table == "tbl_domain")
        return initDomainTable();
    if (table == "tbl_fnt_type")
        return initFunctionTypeTable();
    if (table == "tbl_fnt_prm1")
        return initFunctionParameterTable();
    if (table == "tbl_comp2_item")
        return initComp2ItemTable();
    if (table == "tbl_comp3_item")
        return initComp3ItemTable();
    if (table == "tbl_version")
        return DatabaseSchema::insertVersionRow();
    return true;
}

// Steps that run on every opening, whether the table was just made or not.
void maintainTable(const QString &table)
{
    if (table == "tbl_log")
        purge("delete from tbl_log where log_time <=?");
    else if (table == "tbl_message_log")
        purge("delete from tbl_message_log where recv_time <=?");
    else if (table == "tbl_occupation")
        gDatabase.addColumn("tbl_occupation", "occupation_type", "integer", "0");
    else if (table == "tbl_network") {
        if (!inTransaction(repairNetworkTable))
            qDebug() << "tbl_network could not be repaired.";
        loadNetworkSettings();
    } else if (table == "tbl_ip_port_mac") {
        if (!inTransaction(repairGatewayList))
            qDebug() << "tbl_ip_port_mac could not be repaired.";
        gDatabase.execSql("delete from tbl_ip_port_mac where update_time not in (select update_time from "
                          "tbl_ip_port_mac order by update_time desc limit 10)");
    }
}

bool upgradeVocabularies()
{
    return initLogTypeTable() && initMessageTypeTable() && initMessageStatusTable() && initFunctionTypeTable() &&
           initFunctionParameterTable() && initComp2ItemTable() && initComp3ItemTable() && initServerIpTable() &&
           initDomainTable() &&
           gDatabase.execSql("update tbl_version set version=?,date=?",
                             {DatabaseSchema::versionText(), QDate::currentDate().toString("yyyy-MM-dd")});
}

void checkVersion()
{
    const QString sql = "select version from tbl_version";
    if (!queryHasRecord(sql))
        return;
    QString text;
    queryStringValue(sql, "version", text);
    bool ok = false;
    double stored = text.toDouble(&ok);
    if (!ok)
        stored = 0.0;
    if (stored >= DatabaseSchema::version)
        return;
    if (!inTransaction(upgradeVocabularies))
        qDebug() << "The vocabularies could not be upgraded from version" << text;
}

// The default list is written only over a file that has been set aside first: a list this start cannot use
// may still name projects someone can recover by hand. False when the file could not be kept; it then stays.
bool keepProjectListAside()
{
    const QString path = projectXmlPath();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    for (int n = 0; n < 1000; ++n) {
        const QString backup = n == 0 ? path + ".bak" : QString("%1.%2.bak").arg(path).arg(n);
        if (QFileInfo(backup).exists() || QFileInfo(backup).isSymLink())
            continue;
        if (!QFile::rename(path, backup))
            break;
        qDebug() << "The project list names no usable project; it is kept as" << backup
                 << "and a default list is written.";
        return true;
    }
    qDebug() << "The project list names no usable project and could not be kept aside; it is left as it is.";
    return false;
}

void writeDefaultProjectList()
{
    if (keepProjectListAside())
        createProjectXml();
}

QString currentProjectDatabasePath()
{
    QString project;
    getCurrentProjectName(project);
    return projectFolderPath(project) + QString("/%1.db3").arg(project);
}

// The lookups that run for every received frame and every device-log row; without these each is a scan of
// its whole table. Additive: a file with them opens as before in a station that does not know them.
void createLookupIndexes()
{
    struct LookupIndex
    {
        const char *name;
        const char *table;
        const char *columns;
    };
    static const LookupIndex indexes[] = {
        {"idx_panel_address", "tbl_panel", "subnet_id,device_id"},
        {"idx_panel_room", "tbl_panel", "room_id"},
        {"idx_message_switch", "tbl_message", "universal_switch_no"},
        {"idx_room_room", "tbl_room", "room_id"},
        {"idx_floor_floor", "tbl_floor", "floor_id,region_id"},
        {"idx_region_region", "tbl_region", "region_id"},
        {"idx_light_room", "tbl_light", "room_id"},
        {"idx_air_conditioner_room", "tbl_air_conditioner", "room_id"},
        {"idx_occupation_room", "tbl_occupation", "room_id"},
        {"idx_master_room", "tbl_master", "room_id"},
        {"idx_log_device", "tbl_log", "log_type,log_address,log_device,log_time"},
        {"idx_message_log_request", "tbl_message_log", "message_id,message_type,panel_id,room_id,recv_time"},
    };
    for (const LookupIndex &index : indexes) {
        const QString table = QString::fromLatin1(index.table);
        const QStringList columns = QString::fromLatin1(index.columns).split(',');
        bool complete = gDatabase.isTableExist(table);
        for (const QString &column : columns)
            complete = complete && gDatabase.isColumnExist(table, column);
        if (!complete)
            continue;
        gDatabase.execSql(QString("create index if not exists %1 on %2(%3)")
                              .arg(QString::fromLatin1(index.name), table, QString::fromLatin1(index.columns)));
    }
}

} // namespace

QString retentionCutoff(const QString &retainDays)
{
    static const QRegularExpression digits("^[0-9]+\\z");
    if (!digits.match(retainDays).hasMatch())
        return QString();
    bool ok = false;
    const qint64 days = retainDays.toLongLong(&ok, 10);
    if (!ok)
        return QString();
    const QDateTime cutoff = QDateTime::currentDateTime().addDays(-days);
    if (!cutoff.isValid())
        return QString();
    return cutoff.toString("yyyy-MM-dd HH:mm:ss");
}

void initDatabase()
{
    QDir folder(databaseFolderPath());
    if (!folder.exists())
        QDir().mkdir(folder.path());

    QStringList names;
    getProjectNames(names);
    if (names.isEmpty())
        writeDefaultProjectList();

    // A list whose current name is missing or unusable as a folder name would open "database//.db3":
    // fall back to the first listed project, or to a fresh default list.
    QString project;
    if (!getCurrentProjectName(project) || project.isEmpty()) {
        names.clear();
        getProjectNames(names);
        if (names.isEmpty() || !setCurrentProjectName(names.first()))
            writeDefaultProjectList();
        project.clear();
        if (!getCurrentProjectName(project) || project.isEmpty()) {
            qDebug() << "The project list names no usable current project; opening"
                     << "Home";
            project = "Home";
        }
    }
    const QString projectFolder = projectFolderPath(project);
    if (!QDir(projectFolder).exists())
        QDir().mkdir(projectFolder);

    createDatabaseTables(projectFolder + QString("/%1.db3").arg(project));
}

void createDatabaseTables(const QString &path)
{
    gDatabase.close();
    gDatabase.setDatabaseName(path);

    // The whole opening commits once, which spares a disk sync per statement; each table's step still undoes
    // only itself when it fails.
    const bool grouped = gDatabase.beginTransaction();
    for (const SchemaTable &entry : DatabaseSchema::tables()) {
        const QString table = QString::fromLatin1(entry.name);
        if (!gDatabase.isTableExist(table)) {
            // A table and its first rows come together, so a failed seed is retried at the next opening.
            const bool made = inTransaction(
                [&] { return gDatabase.execSql(QString::fromLatin1(entry.createSql)) && seedNewTable(table); });
            if (!made)
                qDebug() << "Could not create" << table;
        }
        maintainTable(table);
    }
    checkVersion();
    createLookupIndexes();
    if (grouped && !gDatabase.commitTransaction())
        qDebug() << "Could not store the opening of" << path;
}

bool isProjectDatabase(const QString &path)
{
    gDatabase.close();
    gDatabase.setDatabaseName(path);
    if (!gDatabase.isTableExist("tbl_version"))
        return false;
    if (!gDatabase.isColumnExist("tbl_version", "name"))
        return false;
    const QString sql = "select name from tbl_version";
    if (!queryHasRecord(sql))
        return false;
    QString name;
    queryStringValue(sql, "name", name);
    return name == QLatin1String(DatabaseSchema::productName);
}

void loadNetworkSettings()
{
    gIpPortMac.clear();
    gPassword.clear();
    gServerIp.clear();
    gDomainName.clear();
    gHostIp.clear();
    const QString sql = "select * from tbl_network";
    if (!queryHasRecord(sql))
        return;
    queryStringValue(sql, "ip_port_mac", gIpPortMac);
    queryStringValue(sql, "password", gPassword);
    queryStringValue(sql, "server_ip", gServerIp);
    queryStringValue(sql, "domain_name", gDomainName);
    queryStringValue(sql, "host_ip", gHostIp);
}

bool createEmptyProjectDatabase(const QString &newPath)
{
    const QString source = currentProjectDatabasePath();
    const bool sameFile = QFileInfo(source).absoluteFilePath() == QFileInfo(newPath).absoluteFilePath();
    // The copy removes an existing target first; spelled differently, the current file itself would be that
    // target and be gone before it could be copied.
    const bool copied = sameFile || copyFileTo(source, newPath, true);
    gDatabase.close();
    gDatabase.setDatabaseName(newPath);
    if (!copied) {
        qDebug() << "Could not copy the current project's database to" << newPath;
        return false;
    }

    static const char *const projectTables[] = {
        "tbl_log",
        "tbl_region",
        "tbl_floor",
        "tbl_room_template",
        "tbl_room",
        "tbl_3d_view_manager",
        "tbl_3d_view_light",
        "tbl_3d_air_conditioner",
        "tbl_light",
        "tbl_template_light",
        "tbl_air_conditioner",
        "tbl_mood",
        "tbl_mood_light_status",
        "tbl_mood_air_conditioner_status",
        "tbl_mood_command",
        "tbl_occupation",
        "tbl_master",
        "tbl_panel",
        "tbl_template_panel",
        "tbl_message",
        "tbl_message_log",
        "tbl_network",
    };
    const bool emptied = inTransaction([] {
        for (const char *table : projectTables) {
            if (!gDatabase.execSql(QString("delete from %1").arg(table)))
                return false;
        }
        return DatabaseSchema::insertDefaultNetworkRow() && gDatabase.execSql("delete from tbl_last_update") &&
               gDatabase.execSql("delete from tbl_version") && DatabaseSchema::insertVersionRow();
    });
    if (!emptied && !sameFile) {
        // A copy that still holds the other project's rooms and logs must not pass for a new project.
        gDatabase.close();
        QFile::remove(newPath);
    }
    return emptied;
}
