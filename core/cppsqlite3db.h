#pragma once
// The one connection to the current project's SQLite database; every read and write of project data goes
// through the process-wide instance gDatabase.

#include <QHash>
#include <QObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

#include <functional>

class QSqlDatabase;

// How to run a statement:
//  - Statements without outside text: gDatabase.execSql("delete from tbl_room where room_id=" + QString::number(id)).
//  - Any text from a user, a device, a file or a peer is never pasted into the SQL. Write a `?` placeholder
//    where the value goes and pass the values in order; they are bound, so quotes, percent signs and any
//    letters are stored exactly as given:
//        gDatabase.execSql("insert into tbl_region(region_name,region_id) values(?,?)", {name, regionId});
//        QSqlQuery q = gDatabase.querySql("select * from tbl_room where room_name=?", {name});
//    The query helpers of core/queryhelpers.h take the same value list. A null QString binds as the empty
//    text, as '%s' of an empty text would; QVariant() binds SQL NULL.
//  - Steps that must happen together run under an SqlTransaction (core/sqltransaction.h), which rolls back
//    unless committed. Transactions nest (savepoints), so a function that uses one can be
//    called from inside another.
//
// The connection opens itself on demand: setDatabaseName() only stores the path; the next statement opens it
// (creating an empty file when none exists). A project switch is close(), setDatabaseName(path), then statements.
// Failures never raise: each is logged once as a warning with its reason and statement, and comes back as false
// (which no caller may ignore) or as an inactive query without rows.
// Open connections are closed when the application object is destroyed, so a program may end without close().
class CppSQLite3DB : public QObject
{
    Q_OBJECT

public:
    CppSQLite3DB();
    ~CppSQLite3DB() override;

    void setDatabaseName(const QString &path);
    QString databaseName() const { return m_path; }

    // Runs one statement and drops its rows; true when it succeeded.
    [[nodiscard]] bool execSql(const QString &sql);
    // As above with the values bound, in order, to the `?` placeholders of sql.
    [[nodiscard]] bool execSql(const QString &sql, const QVariantList &values);

    // Runs one statement; the query comes back executed and positioned before its first row, or inactive and
    // without rows when the statement failed. Finish it (or let it go out of scope) before the next close().
    QSqlQuery querySql(const QString &sql);
    QSqlQuery querySql(const QString &sql, const QVariantList &values);
    // As querySql, for long results read once from the first row to the last: rows already read are not kept,
    // so memory does not grow with the row count (the query cannot step back).
    QSqlQuery readSql(const QString &sql, const QVariantList &values);

    // As querySql and execSql, with the statement kept prepared on the connection for the next call: for the
    // small statements that run for every bus frame, where parsing them anew costs more than running them. Read
    // the query and finish() it before the same statement runs again, which resets it.
    QSqlQuery queryPrepared(const QString &sql, const QVariantList &values);
    [[nodiscard]] bool execPrepared(const QString &sql, const QVariantList &values);

    // Exact, case-sensitive match among the ordinary tables.
    bool isTableExist(const QString &table);
    // Column names compare without regard to case; a missing table has no columns.
    bool isColumnExist(const QString &table, const QString &column);
    // Adds the column when missing; true when it exists afterwards. An empty type means TEXT, an empty default NULL.
    [[nodiscard]] bool addColumn(const QString &table, const QString &column, const QString &type,
                                 const QString &defaultValue);
    QStringList tables();

    // Lets the open connection give back the cache it filled (after start-up has read a whole project, say); the
    // next statements read what they need again. Opens nothing: false when no connection is open.
    bool releaseMemory();

    // Why the last failed statement (or the last failed open) failed; empty before any failure.
    QString lastErrorText() const;
    bool isOpen() const;
    // Name under which the current connection is registered with the SQL module; empty when closed.
    QString connectionName() const { return m_connectionName; }

    [[nodiscard]] bool beginTransaction();
    [[nodiscard]] bool commitTransaction();
    bool rollbackTransaction();
    int transactionDepth() const { return m_transactionDepth; }

    // Runs action once the changes made so far are committed for good: at once outside a transaction, else when
    // the outermost transaction commits, in the order given. Rolling back the transaction it was given in drops it,
    // and so does close(). For what cannot be undone with the rows: removing files, telling the rest of the station.
    void afterCommit(const std::function<void()> &action);

public slots:
    void close();

private:
    void open();
    void openOnDemand();
    QSqlQuery runStatement(const QString &sql, const QVariantList &values, bool bind, bool *ok,
                           bool forwardOnly = false);

    QSqlQuery runPrepared(const QString &sql, const QVariantList &values, bool *ok);
    void logFailure(const QString &sql, const QSqlError &error);
    static void bindValues(QSqlQuery &query, const QVariantList &values, bool positional);

    QSqlDatabase *m_handle = nullptr;
    // Statements prepared once on the open connection, by their text; dropped when it closes.
    QHash<QString, QSqlQuery> m_prepared;
    QSqlError m_lastOpenError;
    QString m_lastErrorText;
    QString m_path;
    QString m_connectionName;
    int m_transactionDepth = 0;
    struct Deferred
    {
        int depth;
        std::function<void()> action;
    };
    QVector<Deferred> m_afterCommit;
};
