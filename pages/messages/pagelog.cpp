#include "pages/messages/pagelog.h"

#include "core/devicelog.h"
#include "core/xlsxwriter.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "pages/messages/logitem.h"

#include <QElapsedTimer>
#include <QHash>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cstring>

namespace {

// Listing reads this many entries per statement, and goes on in the same turn of the event loop for this long.
int listSlice = 5000;
qint64 listBudgetMs = 40;

const LogListPage::Texts pageTexts = {"PageLog", QT_TRANSLATE_NOOP("PageLog", "No logs"),
                                      QT_TRANSLATE_NOOP("PageLog", "%d logs will be deleted."), "log"};

} // namespace

PageLog::PageLog(const QString &id, const QString &name, QWidget *parent) : LogListPage(id, name, pageTexts, parent)
{
    setObjectName("PageLog");

    // The range is the page's only filter.
    buildPage({});

    QScrollBar *bar = frame.canvas->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, &PageLog::slotsScrolled);
    connect(bar, &QScrollBar::rangeChanged, this, &PageLog::slotsScrolled);
}

void PageLog::setListingPace(int sliceRows, qint64 budgetMs)
{
    listSlice = qMax(1, sliceRows);
    listBudgetMs = qMax<qint64>(0, budgetMs);
}

int PageLog::markedCount() const
{
    return int(std::count(marks.cbegin(), marks.cend(), true));
}

QList<LogItem *> PageLog::rows() const
{
    return LogPageFrame::liveRows(built);
}

void PageLog::reload()
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
    listRange = storedRange();
    listSome(false);
}

void PageLog::finishListing()
{
    if (!complete)
        listSome(true);
}

void PageLog::completeList()
{
    finishListing();
}

void PageLog::listSome(bool toTheEnd)
{
    QElapsedTimer turn;
    turn.start();
    bool more = true;
    const QString from = listRange.at(0).toString();
    const QString to = listRange.at(1).toString();
    // Every turn reads at least one slice, so the listing always moves on.
    do {
        const int count = readDeviceLogStamps(listedUpTo, from, to, listSlice, [this](int id, const QString &time) {
            Listed entry;
            entry.id = id;
            // Times are "yyyy-MM-dd HH:mm:ss": their first bytes order them as the text does.
            const QByteArray bytes = time.toUtf8();
            std::memcpy(entry.time, bytes.constData(), size_t(qMin(bytes.size(), int(sizeof entry.time))));
            listed.push_back(entry);
            listedUpTo = entry.id;
        });
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
    QHash<int, logRecord> records;
    for (const logRecord &record : deviceLogEntries(ids.mid(nextToBuild, count)))
        records.insert(record.id, record);

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

void PageLog::markAll(bool marked)
{
    marks.fill(marked);
}

bool PageLog::isListEmpty() const
{
    return ids.isEmpty();
}

bool PageLog::deleteMarked()
{
    // Exactly the marked entries of the list go, by id.
    QVector<int> marked;
    for (int i = 0; i < ids.size(); ++i) {
        if (marks.at(i))
            marked << ids.at(i);
    }
    return deleteDeviceLogEntries(marked);
}

bool PageLog::writeExport(XlsxWriter &book)
{
    // The type names are few; each is looked up once rather than once per entry.
    const QHash<int, QString> typeNames = deviceLogTypeNames();
    if (!book.begin("log") || !book.addRow({"Time", "Address", "Device", "Event", "Type"}))
        return false;
    // The entries of the range are read again, so the workbook has whole texts and every entry of the range.
    const QVariantList range = storedRange();
    return readDeviceLogRange(
        range.at(0).toString(), range.at(1).toString(), [&book, &typeNames](const DeviceLogLine &line) {
            return book.addRow({line.time, line.address, line.device, line.event, typeNames.value(line.type)});
        });
}
