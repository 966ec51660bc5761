#pragma once
// Free functions that run one statement on gDatabase and hand back one answer, and the small conversions used
// by the device panels.
//
// Each query helper comes in two forms: one taking a complete SQL text, for statements that hold only numbers
// and fixed words, and one taking the values for the statement's `?` placeholders right after the SQL. Any text
// that comes from a user, a device, a file or a peer goes through the second form:
//     queryHasRecord("select id from tbl_region where region_name=?", {regionName});
//     queryIntValue("select * from tbl_room where room_name=? and floor_id=?", {roomName, floorId}, "room_id");
//
// A statement that fails is logged by the connection and behaves like one without rows; a caller that must tell a
// failure from an empty answer passes `error`, which is then set to the reason (and left untouched on success).
// A column name that the result lacks reads as an empty value. Every helper finishes its query before returning.

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QtGlobal>

#include <functional>

bool queryHasRecord(const QString &sql, QString *error = nullptr);
bool queryHasRecord(const QString &sql, const QVariantList &values, QString *error = nullptr);

// True when a first row exists; value is then that row's column as text, else left exactly as passed in.
bool queryStringValue(const QString &sql, const QString &column, QString &value, QString *error = nullptr);
bool queryStringValue(const QString &sql, const QVariantList &values, const QString &column, QString &value,
                      QString *error = nullptr);

// The first row's column as an integer; 0 without a row, for NULL and for text that is not a decimal integer.
int queryIntValue(const QString &sql, const QString &column, QString *error = nullptr);
int queryIntValue(const QString &sql, const QVariantList &values, const QString &column, QString *error = nullptr);

double queryDoubleValue(const QString &sql, const QString &column, QString *error = nullptr);
double queryDoubleValue(const QString &sql, const QVariantList &values, const QString &column,
                        QString *error = nullptr);

// values is replaced by the column of every row, in the statement's order; returns the row count.
int queryStringList(const QString &sql, const QString &column, QStringList &values, QString *error = nullptr);
int queryStringList(const QString &sql, const QVariantList &bindValues, const QString &column, QStringList &values,
                    QString *error = nullptr);

// As queryStringList, each value first read as an integer and stored as its decimal text ('007' becomes '7',
// NULL or a non-number '0').
int queryIntStringList(const QString &sql, const QString &column, QStringList &values, QString *error = nullptr);
int queryIntStringList(const QString &sql, const QVariantList &bindValues, const QString &column, QStringList &values,
                       QString *error = nullptr);

// For the storage modules: a statement with its values bound, run once. queryRows hands back the rows (an
// inactive query without rows when the statement failed); execStatement answers whether it succeeded. Both set
// error to the reason of a failure.
QSqlQuery queryRows(const QString &sql, const QVariantList &values, QString *error = nullptr);
[[nodiscard]] bool execStatement(const QString &sql, const QVariantList &values, QString *error = nullptr);
// Whether the statement of a query the connection just ran succeeded; when it failed, error is set to the reason.
bool queryRan(const QSqlQuery &query, QString *error = nullptr);
// A stored value as an integer: NULL and text that is not a decimal integer give 0.
int queryValueInt(const QVariant &value);

// Every row of the statement, each read by readRow, in the statement's order; none when the statement failed,
// with error set as queryRows sets it.
template <typename Row>
QList<Row> queryRowList(const QString &sql, const QVariantList &values, Row (*readRow)(const QSqlQuery &),
                        QString *error = nullptr)
{
    QList<Row> rows;
    QSqlQuery query = queryRows(sql, values, error);
    while (query.next())
        rows.append(readRow(query));
    query.finish();
    return rows;
}

// The statement's first row read by readRow into row: false, row left as passed in, when there is none or the
// statement failed (error set as queryRows sets it).
template <typename Row>
bool queryFirstRow(const QString &sql, const QVariantList &values, Row (*readRow)(const QSqlQuery &), Row &row,
                   QString *error = nullptr)
{
    QSqlQuery query = queryRows(sql, values, error);
    const bool found = query.next();
    if (found)
        row = readRow(query);
    query.finish();
    return found;
}

// Runs the steps as one transaction on gDatabase: true when every step and the commit succeeded; otherwise
// nothing of them is stored and error is set to the reason of the failure.
[[nodiscard]] bool runTransaction(const std::function<bool()> &steps, QString *error = nullptr);

// One column of the row a query stands on, read by name with the rules above: a missing column is empty, and as
// an integer NULL and text that is not a decimal integer give 0. For loops over the rows of a `select *`.
QVariant queryColumnValue(const QSqlQuery &query, const QString &column);
int queryColumnInt(const QSqlQuery &query, const QString &column);
QString queryColumnText(const QSqlQuery &query, const QString &column);

// Copies a text field of a received frame into dst without a terminator (callers clear dst, length + 1 bytes).
// A field of nothing but 0xFF counts as empty. With printableOnly the copy stops at the first byte outside
// 0x20..0x7E and answers its index; otherwise, or when every byte was copied, it answers 0.
int copyDeviceText(char *dst, const quint8 *src, int length, bool printableOnly);

// Rounded to the nearest degree, halves away from zero.
int celsiusToFahrenheit(int celsius);
int fahrenheitToCelsius(int fahrenheit);

// True when the text holds exactly eight non-empty pieces between dashes.
bool hasEightDashFields(QString text);
bool isAsciiDigit(char c);
// The first number of the form d.d found in the text (up to two digits on each side of the point); 0 when none.
float parseDecimalNumber(const QString &text);
