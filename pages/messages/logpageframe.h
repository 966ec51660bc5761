#pragma once
// What the device log page and the message log page share: their frame (the filters with the export icon on
// top, the scrolling rows, the delete-mode buttons around the delete icon below), the rows' grid, and the file
// an export goes to.

#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QString>
#include <QVariantList>

class MyDialog;
class QDateTimeEdit;
class QGridLayout;
class QLayout;
class QWidget;
class QtMaterialCanvas;
class QtMaterialDateTimeEdit;
class QtMaterialFlatButton;
class QtMaterialGroupBox;
class QtMaterialLabel;

class LogPageFrame
{
    Q_DECLARE_TR_FUNCTIONS(LogPageFrame)

public:
    // Lays out page around filters; the texts are translated in the page's context.
    void build(MyDialog *page, QLayout *filters, const char *context);

    // Delete mode: both buttons shown. Normal mode hides them.
    bool inDeleteMode() const;
    void showDeleteButtons(bool shown);

    // Takes the row widgets of the last list out of the grid (deleted later: one of them may still be running
    // its press handler), empties the list and makes the grid ready for the next list.
    template <class Row> void clearRows(QList<QPointer<Row>> &built)
    {
        const QList<Row *> old = liveRows(built);
        clearRows(QList<QWidget *>(old.cbegin(), old.cend()));
        built.clear();
    }
    // The rows of a list that still exist, top to bottom.
    template <class Row> static QList<Row *> liveRows(const QList<QPointer<Row>> &built)
    {
        QList<Row *> list;
        for (const QPointer<Row> &row : built) {
            if (row)
                list << row;
        }
        return list;
    }
    // Puts a row below the others; the row after it keeps the stretch, so the rows sit at the top.
    void appendRow(QWidget *row);
    int rowCount() const { return rows; }

    // A start or end time of the listed range, shown in the form the log tables store times in.
    static QtMaterialDateTimeEdit *rangeEdit(const QString &objectName);
    // Sets the range to the last seven days up to now.
    static void showLastWeek(QDateTimeEdit *start, QDateTimeEdit *end);
    // The range's start and end in the form the log tables store times in, to bind to a statement.
    static QVariantList storedRange(const QDateTimeEdit *start, const QDateTimeEdit *end);

    // Asks for the export file, offering "<now>_<kind>.xlsx" in the folder of the last export, and remembers the
    // chosen file's folder. Empty when the user gave up.
    static QString chooseExportFile(QWidget *parent, const QString &kind);

    QtMaterialLabel *labelExport = nullptr;
    QtMaterialLabel *labelDelete = nullptr;
    QtMaterialCanvas *canvas = nullptr;
    QtMaterialGroupBox *groupBoxRows = nullptr;
    QtMaterialFlatButton *pushButtonCancel = nullptr;
    QtMaterialFlatButton *pushButtonSelectAll = nullptr;
    QGridLayout *rowsGrid = nullptr;

private:
    void clearRows(const QList<QWidget *> &old);

    int rows = 0;
};
