#pragma once
// Base of the device log page and the message log page: a list of log rows over a date-time range (the last
// seven days on every entry), a two-step delete of the marked rows with Select All and Cancel, and the export
// to an Excel workbook. A page brings its filters, its rows, what a delete removes and what an export writes.

#include "pages/messages/logpageframe.h"
#include "shell/mydialog.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariantList>

class QtMaterialDateTimeEdit;
class XlsxWriter;

class LogListPage : public MyDialog
{
    Q_OBJECT

public:
    // The texts of the page are translated in context, the page's class name: the toast of an export without
    // rows, the question before a delete (with "%d" for the count) and the kind of the export file's name.
    struct Texts
    {
        const char *context;
        const char *nothingToExport;
        const char *deleteQuestion;
        const char *exportKind;
    };

    LogListPage(const QString &id, const QString &name, const Texts &texts, QWidget *parent);

signals:
    // Every row is marked or unmarked.
    void signalsLogsChecked(bool checked);
    // Every row shows or hides its check box.
    void signalsLogsVisible(bool visible);

protected:
    // Lays the page out: the page's own filters (a label and its field) one a row at the left, the range to their
    // right, the rows below. Sets the range to the last seven days and connects the buttons, the range and the
    // page entry. Called once by the page's constructor.
    void buildPage(const QList<QPair<QString, QWidget *>> &filters);
    // Lists the rows for the filters and the range; leaves delete mode.
    virtual void reload() = 0;
    // Puts the page's own filters back as a page entry finds them; nothing by default.
    virtual void resetFilters();
    // Reads what is left of a listing under way, before anything acts on the whole list; nothing by default.
    virtual void completeList();
    // Marks or unmarks every listed entry, also those without a row yet; nothing by default.
    virtual void markAll(bool marked);
    virtual int markedCount() const = 0;
    virtual bool isListEmpty() const = 0;
    // Deletes the marked entries, together or not at all.
    virtual bool deleteMarked() = 0;
    // Writes the sheet of the export; false when a row could not be written or read.
    virtual bool writeExport(XlsxWriter &book) = 0;

    QString pageText(const char *source) const;
    // The range's start and end as the log tables store times.
    QVariantList storedRange() const;

    QtMaterialDateTimeEdit *dateTimeEditStart = nullptr;
    QtMaterialDateTimeEdit *dateTimeEditEnd = nullptr;
    LogPageFrame frame;

private slots:
    void dateTimeChanged();
    void slotsPageEnter();
    void labelExport_pressed();
    void labelDelete_pressed();
    void pushButtonCancel_clicked();
    void pushButtonSelectAll_clicked();

private:
    Texts texts;
};
