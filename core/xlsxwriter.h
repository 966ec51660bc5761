#pragma once
// Writes an Excel workbook (.xlsx) of one worksheet whose cells are all text. Rows go straight into the compressed
// package as they are added, so a sheet of any length is written in the same small amount of memory. The file at
// the path is replaced only by a complete workbook: until commit() succeeds an older file there stays as it was.
//
//     XlsxWriter book(path);
//     book.begin("log");
//     book.addRow({"Time", "Address"});
//     ...
//     if (!book.commit()) -> book.errorString()
//
// Every cell is an inline string: a text that looks like a number or a formula ("=1+1") stays that text.

#include <QScopedPointer>
#include <QString>
#include <QStringList>

class XlsxWriter
{
public:
    explicit XlsxWriter(const QString &path);
    ~XlsxWriter();

    // Opens the package and starts the one worksheet. False when the file cannot be written.
    [[nodiscard]] bool begin(const QString &sheetName);
    // Appends one row, its cells from column A on. False once anything has failed.
    bool addRow(const QStringList &cells);
    // Finishes the package and puts it in place of the file. False when any step failed; the old file then stays.
    [[nodiscard]] bool commit();
    // Drops what was written; the old file stays. Also done by the destructor of an uncommitted writer.
    void cancel();

    int rowCount() const;
    QString errorString() const;

    // The cell reference of a column and row, both from 1: (1, 1) "A1", (28, 3) "AB3".
    static QString cellReference(int column, int row);
    // The text as a cell may hold it: characters XML cannot carry become _xHHHH_ escapes, and text beyond the
    // 32767 characters a cell holds is cut (never inside a surrogate pair).
    static QString cellText(const QString &text);

    static constexpr int maxCellLength = 32767;

private:
    struct Private;
    QScopedPointer<Private> d;
};
