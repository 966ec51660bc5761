#include "core/databaseinit.h"

#include "core/cppsqlite3db.h"
#include "core/databaseschema.h"
#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "core/queryhelpers.h"
#include "core/seedvocabularies.h"
#include "core/sqltransaction.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ProjectDatabase", text);
}

// SQLite keeps the changes of an unfinished write beside the database under these suffixes.
const char *const journalSuffixes[] = {"-journal", "-wal", "-shm"};

bool pathTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The text of a failed statement as SQLite gave it ("file is not a database"), without Qt's additions.
QString failureText(const QSqlQuery &query)
{
    const QSqlError error = query.lastError();
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

// SQLite's header states the database's size in pages (when the count is current, as every writer since 2010
// keeps it); a file cut short, whose first pages are still in order, is shorter than that. Reading the header
// spares the start-up a read of the whole file.
bool isCutShort(const QString &file)
{
    QFile raw(file);
    if (!raw.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = raw.read(100);
    if (header.size() < 100)
        return true;
    const auto bigEndian = [&header](int at, int bytes) {
        quint32 value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | quint8(header.at(at + i));
        return value;
    };
    const quint32 pageSizeField = bigEndian(16, 2);
    const qint64 pageSize = pageSizeField == 1 ? 65536 : pageSizeField;
    const quint32 pages = bigEndian(28, 4);
    const bool countIsCurrent = bigEndian(92, 4) == bigEndian(24, 4);
    return countIsCurrent && pages > 0 && raw.size() < qint64(pages) * pageSize;
}

// Versions are stored with two decimals; compared in hundredths, so that "3.08" is never above 3.08.
bool isNewerVersion(const QString &text)
{
    bool ok = false;
    const double stored = text.trimmed().toDouble(&ok);
    return ok && qRound64(stored * 100) > qRound64(DatabaseSchema::version * 100);
}

// Runs step inside one transaction; a step that answers false leaves nothing behind.
template <typename Step> bool inTransaction(Step step)
{
    SqlTransaction transaction;
    return transaction.isOpen() && step() && transaction.commit();
}

// False when the delete failed; the old rows are then kept until the next opening.
bool purge(const QString &deleteSql)
{
    const QString cutoff = retentionCutoff(gRetainDays);
    if (cutoff.isEmpty()) {
        qDebug() << "retain_days" << gRetainDays << "is not a whole number of days; no records purged.";
        return true;
    }
    return gDatabase.execSql(deleteSql, {cutoff});
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

// Steps that run on every opening, whether the table was just made or not. False when one of them failed: the
// table then stays as it was, and the step runs again at the next opening.
bool maintainTable(const QString &table)
{
    if (table == "tbl_log")
        return purge("delete from tbl_log where log_time <=?");
    if (table == "tbl_message_log")
        return purge("delete from tbl_message_log where recv_time <=?");
    if (table == "tbl_occupation")
        return gDatabase.addColumn("tbl_occupation", "occupation_type", "integer", "0");
    if (table == "tbl_network") {
        const bool repaired = inTransaction(repairNetworkTable);
        loadNetworkSettings();
        return repaired;
    }
    if (table == "tbl_ip_port_mac") {
        return inTransaction(repairGatewayList) &&
               gDatabase.execSql("delete from tbl_ip_port_mac where update_time not in (select update_time from "
                                 "tbl_ip_port_mac order by update_time desc limit 10)");
    }
    return true;
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
        qWarning() << "The vocabularies could not be upgraded from version" << text;
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
    qWarning() << "The project list names no usable project and could not be kept aside; it is left as it is.";
    return false;
}

void writeDefaultProjectList()
{
    if (keepProjectListAside() && !createProjectXml())
        qWarning() << "The default project list could not be written; the station starts without one.";
}

QString currentProjectDatabasePath()
{
    QString project;
    getCurrentProjectName(project);
    return projectFolderPath(project) + QString("/%1.db3").arg(project);
}

// The lookups that run for every received frame and every device-log row; without these each is a scan of
// its whole table. Additive: a file with them opens as before in a station that does not know them.
bool createLookupIndexes()
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
        {"idx_room_order", "tbl_room", "region_id,floor_id,room_id"},
        {"idx_floor_floor", "tbl_floor", "floor_id,region_id"},
        {"idx_region_region", "tbl_region", "region_id"},
        {"idx_light_room", "tbl_light", "room_id"},
        {"idx_air_conditioner_room", "tbl_air_conditioner", "room_id"},
        {"idx_occupation_room", "tbl_occupation", "room_id"},
        {"idx_master_room", "tbl_master", "room_id"},
        {"idx_log_device", "tbl_log", "log_type,log_address,log_device,log_time"},
        {"idx_message_log_request", "tbl_message_log", "message_id,message_type,panel_id,room_id,recv_time"},
    };
    const QStringList tables = gDatabase.tables();
    // An index made at an earlier opening is left as it is, without its columns being looked up again.
    QStringList made;
    queryStringList("select name from sqlite_master where type='index'", "name", made);
    for (const LookupIndex &index : indexes) {
        if (made.contains(QString::fromLatin1(index.name)))
            continue;
        const QString table = QString::fromLatin1(index.table);
        const QStringList columns = QString::fromLatin1(index.columns).split(',');
        bool complete = tables.contains(table, Qt::CaseSensitive);
        for (const QString &column : columns)
            complete = complete && gDatabase.isColumnExist(table, column);
        if (!complete)
            continue;
        if (!gDatabase.execSql(QString("create index if not exists %1 on %2(%3)")
                                   .arg(QString::fromLatin1(index.name), table, QString::fromLatin1(index.columns))))
            return false;
    }
    return true;
}

} // namespace

QString retentionCutoff(const QString &retainDays)
{
    // Digits only, no sign and no blank.
    if (retainDays.isEmpty())
        return QString();
    for (const QChar c : retainDays) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QString();
    }
    bool ok = false;
    const qint64 days = retainDays.toLongLong(&ok, 10);
    if (!ok)
        return QString();
    const QDateTime cutoff = QDateTime::currentDateTime().addDays(-days);
    if (!cutoff.isValid())
        return QString();
    return cutoff.toString("yyyy-MM-dd HH:mm:ss");
}

ProjectDatabaseCheck checkProjectDatabase(const QString &file)
{
    ProjectDatabaseCheck check;
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink())
        return check; // Absent
    check.verdict = ProjectDatabaseCheck::Unusable;
    if (info.isDir()) {
        check.reason = tr("it is a folder, not a file");
        return check;
    }
    if (!info.isFile()) {
        check.reason = tr("it is not a plain file");
        return check;
    }
    if (info.size() == 0) {
        check.verdict = ProjectDatabaseCheck::Absent;
        return check;
    }

    CppSQLite3DB probe;
    probe.setDatabaseName(file);
    {
        // The first read also rolls back what a crash left in a hot journal, before the file is looked at.
        QSqlQuery schema = probe.querySql("select count(*) from sqlite_master");
        if (!schema.isActive() || !schema.next()) {
            check.reason = tr("it cannot be read (%1)").arg(failureText(schema));
            return check;
        }
    }
    if (isCutShort(file)) {
        check.reason = tr("it is damaged (it is shorter than it says it is)");
        return check;
    }
    if (!probe.isTableExist("tbl_version") || !probe.isColumnExist("tbl_version", "name")) {
        check.reason = tr("it is not a project database of this station");
        return check;
    }
    {
        QSqlQuery row = probe.querySql("select name,version from tbl_version");
        if (!row.next() || row.value(0).toString() != QLatin1String(DatabaseSchema::productName)) {
            check.reason = tr("it is not a project database of this station");
            return check;
        }
        const QString version = probe.isColumnExist("tbl_version", "version") ? row.value(1).toString() : QString();
        if (isNewerVersion(version)) {
            check.verdict = ProjectDatabaseCheck::Newer;
            check.foundVersion = version.trimmed();
            return check;
        }
    }
    check.verdict = ProjectDatabaseCheck::Usable;
    return check;
}

QString databaseBackupPath(const QString &file)
{
    const auto free = [](const QString &candidate) {
        if (pathTaken(candidate))
            return false;
        for (const char *suffix : journalSuffixes) {
            if (pathTaken(candidate + QLatin1String(suffix)))
                return false;
        }
        return true;
    };
    QString candidate = file + ".invalid";
    for (int n = 2; !free(candidate); ++n)
        candidate = file + QString(".invalid-%1").arg(n);
    return candidate;
}

QString keepDatabaseAside(const QString &file)
{
    const QString backup = databaseBackupPath(file);
    // QDir::rename moves a folder standing in the file's place as well as a file.
    if (!QDir().rename(file, backup))
        return QString();
    for (const char *suffix : journalSuffixes) {
        const QString journal = file + QLatin1String(suffix);
        if (pathTaken(journal) && !QDir().rename(journal, backup + QLatin1String(suffix)))
            qWarning() << "Could not keep" << journal << "with" << backup;
    }
    return backup;
}

ProjectOpening openProjectDatabase(const QString &projectName, const ProjectOpeningSteps &steps)
{
    ProjectOpening opening;
    const QString folder = projectFolderPath(projectName);
    const QString file = folder + QString("/%1.db3").arg(projectName);
    const QString previous = gDatabase.databaseName();
    bool left = false;
    const auto leave = [&] {
        if (left)
            return;
        left = true;
        if (steps.beforeLeaving)
            steps.beforeLeaving();
        gDatabase.close();
    };
    const auto refuse = [&](const QString &notice) {
        if (left) {
            gDatabase.close();
            gDatabase.setDatabaseName(previous);
        }
        opening.outcome = ProjectOpening::Refused;
        opening.notice = notice;
        qWarning() << "The database of the project" << projectName << "is not used:" << notice;
        return opening;
    };

    if (!QDir().mkpath(folder)) {
        opening.check.verdict = ProjectDatabaseCheck::Unusable;
        opening.check.reason = tr("its folder cannot be made");
        return refuse(
            tr("The database of the project \"%1\" cannot be used: %2.").arg(projectName, opening.check.reason));
    }

    opening.check = checkProjectDatabase(file);
    switch (opening.check.verdict) {
    case ProjectDatabaseCheck::Usable:
        leave();
        createDatabaseTables(file);
        opening.outcome = ProjectOpening::Opened;
        return opening;
    case ProjectDatabaseCheck::Newer:
        return refuse(tr("The database of the project \"%1\" has version %2, written by a newer station; this "
                         "station supports version %3. The file is left as it is.")
                          .arg(projectName, opening.check.foundVersion, DatabaseSchema::versionText()));
    case ProjectDatabaseCheck::Absent:
    case ProjectDatabaseCheck::Unusable:
        break;
    }

    if (steps.beforeReplacing)
        steps.beforeReplacing(opening.check);
    leave();
    const bool unusable = opening.check.verdict == ProjectDatabaseCheck::Unusable;
    const QString cannotBeUsed =
        unusable ? tr("The database of the project \"%1\" cannot be used: %2.").arg(projectName, opening.check.reason)
                 : QString();
    if (unusable) {
        opening.keptAs = keepDatabaseAside(file);
        if (opening.keptAs.isEmpty())
            return refuse(cannotBeUsed + ' ' + tr("It could not be kept aside and is left as it is."));
    } else if (pathTaken(file)) {
        QFile::remove(file); // empty: nothing to keep
    }

    const bool made = steps.makeFresh ? steps.makeFresh(file) : [&] {
        createDatabaseTables(file);
        gDatabase.close();
        const bool usable = checkProjectDatabase(file).verdict == ProjectDatabaseCheck::Usable;
        gDatabase.setDatabaseName(file);
        return usable;
    }();
    if (!made) {
        // Whatever the attempt left goes, and the kept file returns to its place.
        gDatabase.close();
        QFile::remove(file);
        for (const char *suffix : journalSuffixes)
            QFile::remove(file + QLatin1String(suffix));
        if (!opening.keptAs.isEmpty()) {
            bool back = QDir().rename(opening.keptAs, file);
            for (const char *suffix : journalSuffixes) {
                if (pathTaken(opening.keptAs + QLatin1String(suffix)))
                    back = QDir().rename(opening.keptAs + QLatin1String(suffix), file + QLatin1String(suffix)) && back;
            }
            if (!back)
                qWarning() << "The database of the project" << projectName << "stays at" << opening.keptAs;
            opening.keptAs.clear();
        }
        const QString noFresh = tr("No new database could be made for the project \"%1\".").arg(projectName);
        return refuse(unusable ? cannotBeUsed + ' ' + noFresh : noFresh);
    }

    opening.outcome = ProjectOpening::Replaced;
    if (unusable) {
        opening.notice = cannotBeUsed + ' ' +
                         tr("It is kept as \"%1\" in the project's folder, and the project goes on with an empty "
                            "database.")
                             .arg(QFileInfo(opening.keptAs).fileName());
        qWarning() << opening.notice;
    }
    return opening;
}

QString initDatabase()
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
            qWarning() << "The project list names no usable current project; opening"
                       << "Home";
            project = "Home";
        }
    }
    finishInterruptedImports();

    const ProjectOpening opening = openProjectDatabase(project);
    if (opening.outcome != ProjectOpening::Refused)
        return opening.notice;

    // The file is left as it is, and the station still needs a project to store what happens from now on.
    const QString fresh = unusedProjectName(project);
    if (addProject(fresh)) {
        if (setCurrentProjectName(fresh) && openProjectDatabase(fresh).outcome != ProjectOpening::Refused)
            return opening.notice + ' ' + tr("The station goes on with the new empty project \"%1\".").arg(fresh);
        const bool restored = setCurrentProjectName(project);
        const bool removed = removeProject(fresh);
        if (!restored || !removed)
            qWarning() << "The project list could not be put back after" << fresh << "failed to open.";
    }
    // Nothing on disk can take the project: the station runs on a database that lasts as long as it does.
    createDatabaseTables(":memory:");
    return opening.notice + ' ' +
           tr("No new project could be made either: nothing will be stored until the station "
              "is started again.");
}

void createDatabaseTables(const QString &path)
{
    gDatabase.close();
    gDatabase.setDatabaseName(path);

    // The whole opening commits once, which spares a disk sync per statement; each table's step still undoes
    // only itself when it fails, and what failed is tried again at the next opening. The connection has
    // already logged each failed statement with its reason; these lines say what the opening left undone.
    SqlTransaction opening;
    const QStringList existing = gDatabase.tables();
    for (const SchemaTable &entry : DatabaseSchema::tables()) {
        const QString table = QString::fromLatin1(entry.name);
        if (!existing.contains(table, Qt::CaseSensitive)) {
            // A table and its first rows come together, so a failed seed is retried at the next opening.
            const bool made = inTransaction(
                [&] { return gDatabase.execSql(QString::fromLatin1(entry.createSql)) && seedNewTable(table); });
            if (!made)
                qWarning() << "Could not create" << table;
        }
        if (!inTransaction([&] { return maintainTable(table); }))
            qWarning() << "Could not bring" << table << "up to date; it is kept as it was.";
    }
    checkVersion();
    if (!inTransaction(createLookupIndexes))
        qWarning() << "Could not add the lookup indexes; lookups scan their tables until the next opening.";
    if (opening.isOpen() && !opening.commit())
        qWarning() << "Could not store the opening of" << path;
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
        qWarning() << "Could not copy the current project's database to" << newPath;
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
