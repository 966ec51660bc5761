#include "pages/messages/pagelog.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/xlsxwriter.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialdatetimeedit.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmateriallabel.h"
#include "pages/messages/logitem.h"
#include "shell/orvmessagebox.h"

#include <QElapsedTimer>
#include <QGridLayout>
#include <QHash>
#include <QScrollBar>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>

#include <algorithm>
#include <cstring>

namespace {

// The rows of the list's statement, with the columns the workbook takes in its column order.
const char exportSql[] = "select log_time,log_address,log_device,log_event,log_type from tbl_log "
                         "where log_time>=? and log_time<=? order by log_time desc,id desc";
// Marked entries are deleted this many ids per statement.
constexpr int deleteChunk = 500;
// Listing reads this many entries per statement, and goes on in the same turn of the event loop for this long.
int listSlice = 5000;
qint64 listBudgetMs = 40;

QString placeholders(int count)
{
    QString marks;
    marks.reserve(count * 2);
    for (int i = 0; i < count; ++i)
        marks += i ? ",?" : "?";
    return marks;
}

} // namespace

PageLog::PageLog(const QString &id, const QString &name, QWidget *parent) : MyDialog(id, name, parent)
{
    setObjectName("PageLog");

    dateTimeEditStart = LogPageFrame::rangeEdit("dateTimeEditStart");
    dateTimeEditEnd = LogPageFrame::rangeEdit("dateTimeEditEnd");

    auto *times = new QGridLayout;
    times->setSizeConstraint(QLayout::SetNoConstraint);
    times->setSpacing(20);
    times->addWidget(new QtMaterialLabel(tr("Start Time:"), nullptr), 0, 0);
    times->addWidget(dateTimeEditStart, 0, 1);
    times->addWidget(new QtMaterialLabel(tr("End Time:"), nullptr), 1, 0);
    times->addWidget(dateTimeEditEnd, 1, 1);
    times->setColumnStretch(2, 1);
    times->setRowStretch(2, 1);
    frame.build(this, times, "PageLog");

    LogPageFrame::showLastWeek(dateTimeEditStart, dateTimeEditEnd);

    connect(dateTimeEditStart, &QDateTimeEdit::dateTimeChanged, this, &PageLog::dateTimeChanged);
    connect(dateTimeEditEnd, &QDateTimeEdit::dateTimeChanged, this, &PageLog::dateTimeChanged);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageLog::slotsPageEnter);
    connect(frame.labelExport, &QtMaterialLabel::signalsPressed, this, &PageLog::labelExport_pressed);
    connect(frame.labelDelete, &QtMaterialLabel::signalsPressed, this, &PageLog::labelDelete_pressed);
    connect(frame.pushButtonCancel, &QAbstractButton::clicked, this, &PageLog::pushButtonCancel_clicked);
    connect(frame.pushButtonSelectAll, &QAbstractButton::clicked, this, &PageLog::pushButtonSelectAll_clicked);
    QScrollBar *bar = frame.canvas->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, &PageLog::slotsScrolled);
    connect(bar, &QScrollBar::rangeChanged, this, &PageLog::slotsScrolled);
}

void PageLog::setListingPace(int sliceRows, qint64 budgetMs)
{
    listSlice = qMax(1, sliceRows);
    listBudgetMs = qMax<qint64>(0, budgetMs);
}

QVariantList PageLog::range() const
{
    return LogPageFrame::storedRange(dateTimeEditStart, dateTimeEditEnd);
}

int PageLog::markedCount() const
{
    return int(std::count(marks.cbegin(), marks.cend(), true));
}

QList<LogItem *> PageLog::rows() const
{
    return LogPageFrame::liveRows(built);
}

void PageLog::slotsPageEnter()
{
    if (!isVisible())
        return;
    loading = true;
    LogPageFrame::showLastWeek(dateTimeEditStart, dateTimeEditEnd);
    loadLogs();
    loading = false;
}

void PageLog::dateTimeChanged()
{
    if (!loading)
        loadLogs();
}

void PageLog::loadLogs()
{
    frame.showDeleteButtons(false);
    frame.clearRows(built);
    ids.clear();
    marks.clear();
    nextToBuild = 0;

    // The range is read in slices of ids and ordered here, so that a long range never holds the window still for
    // long: a short one is listed at once, a long one over several turns of the event loop.
    ++listing;
    complete = false;
    listed.clear();
    listedUpTo = 0;
    listRange = range();
    listSome(false);
}

void PageLog::finishListing()
{
    if (!complete)
        listSome(true);
}

void PageLog::listSome(bool toTheEnd)
{
    QElapsedTimer turn;
    turn.start();
    bool more = true;
    // Every turn reads at least one slice, so the listing always moves on.
    do {
        QSqlQuery query = gDatabase.readSql(
            "select id,log_time from tbl_log where id>? and log_time>=? and log_time<=? order by id limit ?",
            {listedUpTo, listRange.at(0), listRange.at(1), listSlice});
        int count = 0;
        while (query.next()) {
            Listed entry;
            entry.id = query.value(0).toInt();
            // Times are "yyyy-MM-dd HH:mm:ss": their first bytes order them as the text does.
            const QByteArray time = query.value(1).toString().toUtf8();
            std::memcpy(entry.time, time.constData(), size_t(qMin(time.size(), int(sizeof entry.time))));
            listed.push_back(entry);
            listedUpTo = entry.id;
            ++count;
        }
        more = count == listSlice;
    } while (more && (toTheEnd || turn.elapsed() < listBudgetMs));
    if (more) {
        const quint64 run = listing;
        QTimer::singleShot(0, this, [this, run] {
            if (run == listing && !complete)
                listSome(false);
        });
        return;
    }

    // Newest first; entries of the same second newest written first (the export orders its rows alike).
    std::sort(listed.begin(), listed.end(), [](const Listed &a, const Listed &b) {
        const int order = std::memcmp(a.time, b.time, sizeof a.time);
        return order != 0 ? order > 0 : a.id > b.id;
    });
    ids.reserve(int(listed.size()));
    for (const Listed &entry : listed)
        ids.append(entry.id);
    listed = std::vector<Listed>();
    marks = QVector<bool>(ids.size(), false);
    complete = true;
    showMoreRows();
    emit signalsListed();
}

bool PageLog::showMoreRows()
{
    if (nextToBuild >= ids.size())
        return false;
    const int count = qMin(batchSize, ids.size() - nextToBuild);
    QVariantList batch;
    batch.reserve(count);
    for (int i = 0; i < count; ++i)
        batch << ids.at(nextToBuild + i);
    QHash<int, logRecord> records;
    QSqlQuery query = gDatabase.readSql("select * from tbl_log where id in (" + placeholders(count) + ")", batch);
    while (query.next()) {
        const logRecord record = logRecordFromRow(query);
        records.insert(record.id, record);
    }
    query.finish();

    const bool deleteMode = frame.inDeleteMode();
    for (int i = nextToBuild; i < nextToBuild + count; ++i) {
        // An entry deleted since the list was read has no row left to show.
        const auto found = records.constFind(ids.at(i));
        if (found == records.cend())
            continue;
        auto *row = new LogItem(found.value(), nullptr);
        row->setProperty("listIndex", i);
        row->slotsLogsChecked(marks.at(i));
        row->slotsLogsVisible(deleteMode);
        connect(this, &PageLog::signalsLogsChecked, row, &LogItem::slotsLogsChecked);
        connect(this, &PageLog::signalsLogsVisible, row, &LogItem::slotsLogsVisible);
        connect(row, &DynamicWidget::signalsPressed, this, &PageLog::slotsRowPressed);
        frame.appendRow(row);
        built << row;
    }
    nextToBuild += count;
    return true;
}

void PageLog::slotsScrolled()
{
    const QScrollBar *bar = frame.canvas->verticalScrollBar();
    if (isVisible() && bar->value() >= bar->maximum() - bar->pageStep())
        showMoreRows();
}

void PageLog::slotsRowPressed()
{
    // The row has already taken its new mark.
    auto *row = qobject_cast<LogItem *>(sender());
    const int index = row ? row->property("listIndex").toInt() : -1;
    if (index >= 0 && index < marks.size())
        marks[index] = row->isChecked();
}

void PageLog::labelDelete_pressed()
{
    if (!frame.inDeleteMode()) {
        frame.showDeleteButtons(true);
        emit signalsLogsVisible(true);
        return;
    }
    frame.showDeleteButtons(true);
    emit signalsLogsVisible(true);
    // The count and the delete cover the whole range chosen, not the part of it read so far.
    finishListing();

    ORVMessageBox box(QString::asprintf(tr("%d logs will be deleted.").toUtf8().constData(), markedCount()), 450, 160,
                      false, 2, nullptr);
    if (box.exec() != QDialog::Accepted)
        return;

    // Exactly the marked entries of the list go, by id, together or not at all.
    QVariantList marked;
    for (int i = 0; i < ids.size(); ++i) {
        if (marks.at(i))
            marked << ids.at(i);
    }
    if (!marked.isEmpty() && gDatabase.beginTransaction()) {
        bool ok = true;
        for (int from = 0; ok && from < marked.size(); from += deleteChunk) {
            const QVariantList chunk = marked.mid(from, deleteChunk);
            ok = gDatabase.execSql("delete from tbl_log where id in (" + placeholders(chunk.size()) + ")", chunk);
        }
        // A failed commit rolls back by itself.
        if (ok)
            gDatabase.commitTransaction();
        else
            gDatabase.rollbackTransaction();
    }
    loadLogs();
}

void PageLog::pushButtonSelectAll_clicked()
{
    // Every entry of the range is marked, also those a listing under way has not reached yet.
    finishListing();
    marks.fill(true);
    emit signalsLogsChecked(true);
}

void PageLog::pushButtonCancel_clicked()
{
    marks.fill(false);
    emit signalsLogsChecked(false);
    emit signalsLogsVisible(false);
    frame.showDeleteButtons(false);
}

void PageLog::labelExport_pressed()
{
    // Whether the range holds anything is known only once it is read to its end.
    finishListing();
    if (ids.isEmpty()) {
        emit gBroadcastSocket.signalsInformation(tr("No logs"));
        return;
    }
    const QString path = LogPageFrame::chooseExportFile(this, "log");
    if (path.isEmpty())
        return;

    // The type names are few; each is looked up once rather than once per entry.
    QHash<int, QString> typeNames;
    QSqlQuery types = gDatabase.querySql("select log_type,log_type_name from tbl_log_type");
    while (types.next()) {
        if (!typeNames.contains(types.value(0).toInt()))
            typeNames.insert(types.value(0).toInt(), types.value(1).toString());
    }
    types.finish();

    XlsxWriter book(path);
    bool ok = book.begin("log") && book.addRow({"Time", "Address", "Device", "Event", "Type"});
    // The entries of the range are read again, so the workbook has whole texts and every entry of the range.
    QSqlQuery query = gDatabase.readSql(exportSql, range());
    ok = ok && query.isActive();
    while (ok && query.next()) {
        ok = book.addRow({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                          query.value(3).toString(), typeNames.value(query.value(4).toInt())});
    }
    // A read that stopped early must not pass for the whole range.
    ok = ok && !query.lastError().isValid();
    query.finish();
    if (ok)
        ok = book.commit();
    else
        book.cancel();
    emit gBroadcastSocket.signalsInformation(ok ? tr("Exprot successfully") : tr("Export failed"));
}
