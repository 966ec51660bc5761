#pragma once
// The page "Log": the device log of a date-time range, newest first, with a two-step delete of the marked entries
// and the export of the range to an Excel workbook.
//
// A range may hold a great many entries. The page lists them all at once as ids (the order, the marks and the
// count of the delete cover every listed entry) but builds row widgets only a batch at a time, the next batch
// when the rows are scrolled near their end.

#include "pages/messages/loglistpage.h"

#include <QList>
#include <QPointer>
#include <QVariantList>
#include <QVector>

#include <vector>

class LogItem;

class PageLog : public LogListPage
{
    Q_OBJECT

public:
    PageLog(const QString &id, const QString &name, QWidget *parent);

    static constexpr int batchSize = 100;

    // The entries of the range as listed, newest first.
    int listedCount() const { return ids.size(); }
    QVector<int> listedIds() const { return ids; }
    int markedCount() const override;
    // The row widgets built so far, top to bottom.
    QList<LogItem *> rows() const;
    // Builds the next batch of rows; false when every listed entry already has its row.
    bool showMoreRows();
    // False while a long range is still being read.
    bool isListed() const { return complete; }
    // Reads what is left of the range at once: what acts on the whole range (export, select all, delete) waits
    // for it.
    void finishListing();

    // How many entries a listing reads per statement, and how long it goes on within one turn of the event loop
    // (at least one statement per turn). Process-wide; tests slow it down to see a listing under way.
    static void setListingPace(int sliceRows, qint64 budgetMs);

signals:
    // The entries of the range are listed and the first rows built.
    void signalsListed();

private slots:
    void slotsRowPressed();
    void slotsScrolled();

private:
    void reload() override;
    void completeList() override;
    void markAll(bool marked) override;
    bool isListEmpty() const override;
    bool deleteMarked() override;
    bool writeExport(XlsxWriter &book) override;

    void listSome(bool toTheEnd);

    QVector<int> ids;
    QVector<bool> marks;
    // The listed entry whose row comes next.
    int nextToBuild = 0;
    QList<QPointer<LogItem>> built;

    // The listing under way: its run number (a newer load abandons an older one), the range it reads, and the
    // entries read so far with the time texts that order them.
    struct Listed
    {
        char time[20] = {};
        int id = 0;
    };
    quint64 listing = 0;
    QVariantList listRange;
    std::vector<Listed> listed;
    int listedUpTo = 0;
    bool complete = false;
};
