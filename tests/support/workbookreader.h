#pragma once
// Reads an Excel workbook back with the system's python3 and its openpyxl module, as an independent spreadsheet
// reader would: the sheet names and, for the first sheet, every cell's value and type letter ("s" for text).

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace workbookreader {

struct Cell
{
    QString value; // an empty cell reads as ""
    QString type;  // openpyxl's data type: "s" text, "n" number, "f" formula, ...
};

struct Workbook
{
    bool ok = false;
    QString error; // what the reader said when it failed
    QStringList sheets;
    QList<QList<Cell>> rows; // of the first sheet, top to bottom

    // The values of one row.
    QStringList values(int row) const;
    // Every type letter that occurs in the first sheet.
    QStringList types() const;
};

Workbook read(const QString &path);

} // namespace workbookreader
