#include "tests/support/workbookreader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>

namespace workbookreader {

namespace {

// The interpreter of the system, where the distribution's openpyxl is installed (scripts/install-deps).
const char python[] = "/usr/bin/python3";

const char script[] = R"(
import json, sys
import openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sheet = book[book.sheetnames[0]]
rows = [[["" if c.value is None else str(c.value), c.data_type] for c in row] for row in sheet.iter_rows()]
print(json.dumps({"sheets": book.sheetnames, "rows": rows}))
)";

} // namespace

QStringList Workbook::values(int row) const
{
    QStringList list;
    for (const Cell &cell : rows.value(row))
        list << cell.value;
    return list;
}

QStringList Workbook::types() const
{
    QSet<QString> seen;
    for (const QList<Cell> &row : rows) {
        for (const Cell &cell : row)
            seen.insert(cell.type);
    }
    QStringList list = seen.values();
    list.sort();
    return list;
}

Workbook read(const QString &path)
{
    Workbook book;
    QProcess process;
    process.start(python, {"-c", script, path});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        book.error = QString::fromUtf8(process.readAllStandardError()) + process.errorString();
        return book;
    }
    const QJsonObject root = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    for (const QJsonValue &sheet : root.value("sheets").toArray())
        book.sheets << sheet.toString();
    for (const QJsonValue &row : root.value("rows").toArray()) {
        QList<Cell> cells;
        for (const QJsonValue &cell : row.toArray())
            cells << Cell{cell.toArray().at(0).toString(), cell.toArray().at(1).toString()};
        book.rows << cells;
    }
    book.ok = true;
    return book;
}

} // namespace workbookreader
