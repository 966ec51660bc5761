#include "core/cppsqlite3db.h"

#include "core/globals.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QVector>

#include <algorithm>
#include <utility>

namespace {

// Held on the heap and never freed: it must outlive every connection object, the process-wide one included.
QVector<CppSQLite3DB *> &liveConnections()
{
    static auto *all = new QVector<CppSQLite3DB *>;
    return *all;
}

QCoreApplication *closeRoutineOwner = nullptr;

void closeAllConnections()
{
    for (CppSQLite3DB *db : liveConnections())
        db->close();
    closeRoutineOwner = nullptr;
}

} // namespace

CppSQLite3DB::CppSQLite3DB()
{
    liveConnections().append(this);
}

CppSQLite3DB::~CppSQLite3DB()
{
    liveConnections().removeOne(this);
    // The process-wide connection is destroyed after main() has returned, when the SQL module's registry of
    // connections may already be gone; it was closed when the application object went away.
    if (QCoreApplication::instance())
        close();
}

void CppSQLite3DB::setDatabaseName(const QString &path)
{
    m_path = path;
}

void CppSQLite3DB::open()
{
    close();

    m_handle = new QSqlDatabase;
    const int n = gDbConnectionCounter++;
    m_connectionName = QString::asprintf("default_%d", n);
    *m_handle = QSqlDatabase::addDatabase("QSQLITE", m_connectionName);
    m_handle->setDatabaseName(m_path);
    QCoreApplication *app = QCoreApplication::instance();
    if (app && app != closeRoutineOwner) {
        qAddPostRoutine(closeAllConnections);
        closeRoutineOwner = app;
    }
    if (!m_handle->open()) {
        m_lastOpenError = m_handle->lastError();
        m_lastErrorText = m_lastOpenError.text();
        qWarning().noquote() << "database open error:" << m_path << m_lastOpenError.text();
    }
}

void CppSQLite3DB::close()
{
    if (!m_handle)
        return;
    m_prepared.clear();
    if (m_handle->isOpen())
        m_handle->close();
    delete m_handle;
    m_handle = nullptr;
    // Closing ends an open transaction without committing it.
    m_transactionDepth = 0;
    m_afterCommit.clear();
    // The registration goes last: the SQL module only forgets a connection that no handle refers to.
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

void CppSQLite3DB::openOnDemand()
{
    if (!m_handle || !m_handle->isOpen())
        open();
}

QSqlQuery CppSQLite3DB::runStatement(const QString &sql, const QVariantList &values, bool bind, bool *ok,
                                     bool forwardOnly)
{
    openOnDemand();
    QSqlQuery query(*m_handle);
    query.setForwardOnly(forwardOnly);
    bool done = query.prepare(sql);
    if (done) {
        if (bind)
            bindValues(query, values, false);
        done = query.exec();
    }
    if (!done)
        logFailure(sql, query.lastError());
    if (ok)
        *ok = done;
    return query;
}

void CppSQLite3DB::logFailure(const QString &sql, const QSqlError &error)
{
    // A statement on a connection that could not open fails without a reason of its own: the open's is the one.
    // The database's own words are the reason; the driver's step name ("Unable to fetch row") adds nothing.
    const QString reason = error.databaseText().trimmed().isEmpty() ? error.text() : error.databaseText();
    m_lastErrorText = reason.trimmed().isEmpty() && !isOpen() ? m_lastOpenError.text() : reason;
    qWarning().noquote() << "Error: Fail to exec sql." << error.text() << "SQL:" << sql;
}

bool CppSQLite3DB::execSql(const QString &sql)
{
    bool ok = false;
    runStatement(sql, {}, false, &ok);
    return ok;
}

bool CppSQLite3DB::execSql(const QString &sql, const QVariantList &values)
{
    bool ok = false;
    runStatement(sql, values, true, &ok);
    return ok;
}

QSqlQuery CppSQLite3DB::querySql(const QString &sql)
{
    return runStatement(sql, {}, false, nullptr);
}

QSqlQuery CppSQLite3DB::querySql(const QString &sql, const QVariantList &values)
{
    return runStatement(sql, values, true, nullptr);
}

QSqlQuery CppSQLite3DB::readSql(const QString &sql, const QVariantList &values)
{
    return runStatement(sql, values, true, nullptr, true);
}

bool CppSQLite3DB::isTableExist(const QString &table)
{
    return tables().contains(table, Qt::CaseSensitive);
}

bool CppSQLite3DB::isColumnExist(const QString &table, const QString &column)
{
    openOnDemand();
    QSqlQuery query(*m_handle);
    const QString sql = "PRAGMA table_info(" + table + ")";
    if (!query.prepare(sql) || !query.exec()) {
        logFailure(sql, query.lastError());
        return false;
    }
    bool found = false;
    while (!found && query.next())
        found = query.value("name").toString().compare(column, Qt::CaseInsensitive) == 0;
    query.finish();
    return found;
}

bool CppSQLite3DB::addColumn(const QString &table, const QString &column, const QString &type,
                             const QString &defaultValue)
{
    if (isColumnExist(table, column))
        return true;
    openOnDemand();
    const QString sql = QString("ALTER TABLE \"%1\" ADD COLUMN \"%2\" %3 DEFAULT %4")
                            .arg(table, column, type.isEmpty() ? QString("TEXT") : type,
                                 defaultValue.isEmpty() ? QString("NULL") : defaultValue);
    QSqlQuery query(*m_handle);
    const bool ok = query.exec(sql);
    if (!ok)
        qWarning().noquote() << "Error: Fail to add column." << query.lastError().text() << "SQL:" << sql;
    return ok;
}

QStringList CppSQLite3DB::tables()
{
    openOnDemand();
    return m_handle->tables(QSql::Tables);
}

QString CppSQLite3DB::lastErrorText() const
{
    return m_lastErrorText;
}

bool CppSQLite3DB::releaseMemory()
{
    if (!isOpen())
        return false;
    QSqlQuery query(*m_handle);
    if (!query.exec(QStringLiteral("PRAGMA shrink_memory"))) {
        logFailure(QStringLiteral("PRAGMA shrink_memory"), query.lastError());
        return false;
    }
    return true;
}

bool CppSQLite3DB::isOpen() const
{
    return m_handle && m_handle->isOpen();
}

// Savepoints rather than BEGIN/COMMIT, so that a function which groups its own steps can still be called from
// inside a caller's transaction; the outermost savepoint starts and ends the real transaction.
bool CppSQLite3DB::beginTransaction()
{
    if (!execSql(QString("SAVEPOINT station_tx_%1").arg(m_transactionDepth + 1)))
        return false;
    ++m_transactionDepth;
    return true;
}

bool CppSQLite3DB::commitTransaction()
{
    if (m_transactionDepth <= 0)
        return false;
    if (!execSql(QString("RELEASE SAVEPOINT station_tx_%1").arg(m_transactionDepth))) {
        rollbackTransaction();
        return false;
    }
    --m_transactionDepth;
    for (Deferred &deferred : m_afterCommit)
        deferred.depth = qMin(deferred.depth, m_transactionDepth);
    if (m_transactionDepth == 0) {
        const QVector<Deferred> due = std::exchange(m_afterCommit, {});
        for (const Deferred &deferred : due)
            deferred.action();
    }
    return true;
}

void CppSQLite3DB::afterCommit(const std::function<void()> &action)
{
    if (m_transactionDepth == 0)
        action();
    else
        m_afterCommit.append({m_transactionDepth, action});
}

bool CppSQLite3DB::rollbackTransaction()
{
    if (m_transactionDepth <= 0)
        return false;
    const QString name = QString("station_tx_%1").arg(m_transactionDepth);
    const int depth = m_transactionDepth;
    m_afterCommit.erase(std::remove_if(m_afterCommit.begin(), m_afterCommit.end(),
                                       [depth](const Deferred &deferred) { return deferred.depth >= depth; }),
                        m_afterCommit.end());
    const bool undone = execSql("ROLLBACK TO SAVEPOINT " + name);
    const bool released = execSql("RELEASE SAVEPOINT " + name);
    --m_transactionDepth;
    return undone && released;
}

void CppSQLite3DB::bindValues(QSqlQuery &query, const QVariantList &values, bool positional)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &value = values.at(i);
        // A null QString would be stored as SQL NULL; the texts of the project are never NULL, an empty one is
        // ''. An untyped QVariant() still binds NULL for a caller that means it.
        const QVariant bound = value.userType() == QMetaType::QString && value.isNull() ? QVariant(QString("")) : value;
        if (positional)
            query.bindValue(i, bound);
        else
            query.addBindValue(bound);
    }
}

QSqlQuery CppSQLite3DB::runPrepared(const QString &sql, const QVariantList &values, bool *ok)
{
    openOnDemand();
    auto it = m_prepared.find(sql);
    if (it == m_prepared.end()) {
        QSqlQuery query(*m_handle);
        query.setForwardOnly(true);
        if (!query.prepare(sql)) {
            logFailure(sql, query.lastError());
            if (ok)
                *ok = false;
            return query;
        }
        it = m_prepared.insert(sql, query);
    }
    QSqlQuery &query = it.value();
    // A reader that stopped early still holds the statement open.
    query.finish();
    bindValues(query, values, true);
    const bool done = query.exec();
    if (!done)
        logFailure(sql, query.lastError());
    if (ok)
        *ok = done;
    return query;
}

QSqlQuery CppSQLite3DB::queryPrepared(const QString &sql, const QVariantList &values)
{
    return runPrepared(sql, values, nullptr);
}

bool CppSQLite3DB::execPrepared(const QString &sql, const QVariantList &values)
{
    bool ok = false;
    QSqlQuery query = runPrepared(sql, values, &ok);
    query.finish();
    return ok;
}
