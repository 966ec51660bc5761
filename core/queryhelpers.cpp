#include "core/queryhelpers.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/sqltransaction.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>
#include <cstring>

int queryValueInt(const QVariant &value)
{
    if (value.isNull())
        return 0;
    if (value.userType() == QMetaType::QString)
        return value.toString().toInt(nullptr, 10);
    return value.toInt();
}

// A column the result does not have reads as an empty value, without the SQL module's warning.
QVariant queryColumnValue(const QSqlQuery &query, const QString &column)
{
    const int index = query.record().indexOf(column);
    return index < 0 ? QVariant() : query.value(index);
}

int queryColumnInt(const QSqlQuery &query, const QString &column)
{
    return queryValueInt(queryColumnValue(query, column));
}

QString queryColumnText(const QSqlQuery &query, const QString &column)
{
    return queryColumnValue(query, column).toString();
}

bool queryRan(const QSqlQuery &query, QString *error)
{
    if (query.isActive())
        return true;
    if (error)
        *error = gDatabase.lastErrorText();
    return false;
}

QSqlQuery queryRows(const QString &sql, const QVariantList &values, QString *error)
{
    QSqlQuery query = gDatabase.querySql(sql, values);
    queryRan(query, error);
    return query;
}

bool execStatement(const QString &sql, const QVariantList &values, QString *error)
{
    if (gDatabase.execSql(sql, values))
        return true;
    if (error)
        *error = gDatabase.lastErrorText();
    return false;
}

bool runTransaction(const std::function<bool()> &steps, QString *error)
{
    SqlTransaction transaction;
    if (transaction.isOpen() && steps() && transaction.commit())
        return true;
    if (error)
        *error = gDatabase.lastErrorText();
    return false;
}

namespace {

QSqlQuery run(const QString &sql, const QVariantList *values, QString *error)
{
    QSqlQuery query = values ? gDatabase.querySql(sql, *values) : gDatabase.querySql(sql);
    queryRan(query, error);
    return query;
}

double toDouble(const QVariant &value)
{
    return value.isNull() ? 0.0 : value.toDouble();
}

bool hasRecord(const QString &sql, const QVariantList *values, QString *error)
{
    QSqlQuery query = run(sql, values, error);
    const bool found = query.next();
    query.finish();
    return found;
}

bool stringValue(const QString &sql, const QVariantList *values, const QString &column, QString &value, QString *error)
{
    QSqlQuery query = run(sql, values, error);
    const bool found = query.next();
    if (found)
        value = queryColumnValue(query, column).toString();
    query.finish();
    return found;
}

int intValue(const QString &sql, const QVariantList *values, const QString &column, QString *error)
{
    QSqlQuery query = run(sql, values, error);
    const int result = query.next() ? queryValueInt(queryColumnValue(query, column)) : 0;
    query.finish();
    return result;
}

double doubleValue(const QString &sql, const QVariantList *values, const QString &column, QString *error)
{
    QSqlQuery query = run(sql, values, error);
    const double result = query.next() ? toDouble(queryColumnValue(query, column)) : 0.0;
    query.finish();
    return result;
}

int stringList(const QString &sql, const QVariantList *bindValues, const QString &column, QStringList &values,
               bool asInt, QString *error)
{
    values.clear();
    QSqlQuery query = run(sql, bindValues, error);
    while (query.next()) {
        const QVariant value = queryColumnValue(query, column);
        values.append(asInt ? QString::number(queryValueInt(value)) : value.toString());
    }
    query.finish();
    return values.size();
}

} // namespace

bool queryHasRecord(const QString &sql, QString *error)
{
    return hasRecord(sql, nullptr, error);
}

bool queryHasRecord(const QString &sql, const QVariantList &values, QString *error)
{
    return hasRecord(sql, &values, error);
}

bool queryStringValue(const QString &sql, const QString &column, QString &value, QString *error)
{
    return stringValue(sql, nullptr, column, value, error);
}

bool queryStringValue(const QString &sql, const QVariantList &values, const QString &column, QString &value,
                      QString *error)
{
    return stringValue(sql, &values, column, value, error);
}

int queryIntValue(const QString &sql, const QString &column, QString *error)
{
    return intValue(sql, nullptr, column, error);
}

int queryIntValue(const QString &sql, const QVariantList &values, const QString &column, QString *error)
{
    return intValue(sql, &values, column, error);
}

double queryDoubleValue(const QString &sql, const QString &column, QString *error)
{
    return doubleValue(sql, nullptr, column, error);
}

double queryDoubleValue(const QString &sql, const QVariantList &values, const QString &column, QString *error)
{
    return doubleValue(sql, &values, column, error);
}

int queryStringList(const QString &sql, const QString &column, QStringList &values, QString *error)
{
    return stringList(sql, nullptr, column, values, false, error);
}

int queryStringList(const QString &sql, const QVariantList &bindValues, const QString &column, QStringList &values,
                    QString *error)
{
    return stringList(sql, &bindValues, column, values, false, error);
}

int queryIntStringList(const QString &sql, const QString &column, QStringList &values, QString *error)
{
    return stringList(sql, nullptr, column, values, true, error);
}

int queryIntStringList(const QString &sql, const QVariantList &bindValues, const QString &column, QStringList &values,
                       QString *error)
{
    return stringList(sql, &bindValues, column, values, true, error);
}

int copyDeviceText(char *dst, const quint8 *src, int length, bool printableOnly)
{
    if (length <= 0)
        return 0;
    // Devices fill an unset text field with 0xFF.
    bool allFF = true;
    for (int i = 0; i < length && allFF; ++i)
        allFF = src[i] == 0xFF;
    if (allFF)
        return 0;
    for (int i = 0; i < length; ++i) {
        if (printableOnly && (src[i] < 0x20 || src[i] > 0x7E))
            return i;
        dst[i] = static_cast<char>(src[i]);
    }
    return 0;
}

int celsiusToFahrenheit(int celsius)
{
    return static_cast<int>(std::lround(celsius * 1.8 + 32.0));
}

int fahrenheitToCelsius(int fahrenheit)
{
    return static_cast<int>(std::lround((fahrenheit - 32) * 5.0 / 9.0));
}

bool hasEightDashFields(QString text)
{
    int count = 0;
    int dash;
    while ((dash = text.indexOf('-')) >= 0) {
        if (dash > 0)
            ++count;
        text = text.mid(dash + 1);
    }
    if (!text.isEmpty())
        ++count;
    return count == 8;
}

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

float parseDecimalNumber(const QString &text)
{
    char work[128];
    std::memset(work, 0, sizeof work);
    const QByteArray utf8 = text.toUtf8();
    std::memcpy(work, utf8.constData(), static_cast<size_t>(qMin(utf8.size(), 127)));

    for (int point = 1; point < 127; ++point) {
        if (work[point] != '.' || !isAsciiDigit(work[point - 1]) || !isAsciiDigit(work[point + 1]))
            continue;
        int start = point - 1;
        if (start > 0 && isAsciiDigit(work[start - 1]))
            --start;
        int end = point + 2;
        if (end < 127 && isAsciiDigit(work[end]))
            ++end;
        return QByteArray(work + start, end - start).toFloat();
    }
    return 0.0f;
}
