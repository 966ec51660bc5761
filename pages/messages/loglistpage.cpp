#include "pages/messages/loglistpage.h"

#include "core/xlsxwriter.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialdatetimeedit.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "shell/orvmessagebox.h"

#include <QCoreApplication>
#include <QGridLayout>

LogListPage::LogListPage(const QString &id, const QString &name, const Texts &pageTexts, QWidget *parent)
    : MyDialog(id, name, parent), texts(pageTexts)
{
    dateTimeEditStart = LogPageFrame::rangeEdit("dateTimeEditStart");
    dateTimeEditEnd = LogPageFrame::rangeEdit("dateTimeEditEnd");
}

QString LogListPage::pageText(const char *source) const
{
    return QCoreApplication::translate(texts.context, source);
}

QVariantList LogListPage::storedRange() const
{
    return LogPageFrame::storedRange(dateTimeEditStart, dateTimeEditEnd);
}

void LogListPage::buildPage(const QList<QPair<QString, QWidget *>> &filters)
{
    auto *grid = new QGridLayout;
    grid->setSizeConstraint(QLayout::SetNoConstraint);
    grid->setSpacing(20);
    int row = 0;
    for (const auto &filter : filters) {
        grid->addWidget(new QtMaterialLabel(filter.first, nullptr), row, 0);
        grid->addWidget(filter.second, row, 1);
        ++row;
    }
    const int rangeColumn = filters.isEmpty() ? 0 : 2;
    grid->addWidget(new QtMaterialLabel(pageText("Start Time:"), nullptr), 0, rangeColumn);
    grid->addWidget(dateTimeEditStart, 0, rangeColumn + 1);
    grid->addWidget(new QtMaterialLabel(pageText("End Time:"), nullptr), 1, rangeColumn);
    grid->addWidget(dateTimeEditEnd, 1, rangeColumn + 1);
    // The spare space lies to the right of and below the filters.
    grid->setColumnStretch(rangeColumn + 2, 1);
    grid->setRowStretch(qMax(row, 2), 1);
    frame.build(this, grid, texts.context);
    LogPageFrame::showLastWeek(dateTimeEditStart, dateTimeEditEnd);

    connect(dateTimeEditStart, &QDateTimeEdit::dateTimeChanged, this, &LogListPage::dateTimeChanged);
    connect(dateTimeEditEnd, &QDateTimeEdit::dateTimeChanged, this, &LogListPage::dateTimeChanged);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &LogListPage::slotsPageEnter);
    connect(frame.labelExport, &QtMaterialLabel::signalsPressed, this, &LogListPage::labelExport_pressed);
    connect(frame.labelDelete, &QtMaterialLabel::signalsPressed, this, &LogListPage::labelDelete_pressed);
    connect(frame.pushButtonCancel, &QAbstractButton::clicked, this, &LogListPage::pushButtonCancel_clicked);
    connect(frame.pushButtonSelectAll, &QAbstractButton::clicked, this, &LogListPage::pushButtonSelectAll_clicked);
}

void LogListPage::resetFilters() {}

void LogListPage::completeList() {}

void LogListPage::markAll(bool) {}

void LogListPage::slotsPageEnter()
{
    if (!isVisible())
        return;
    loading = true;
    resetFilters();
    LogPageFrame::showLastWeek(dateTimeEditStart, dateTimeEditEnd);
    reload();
    loading = false;
}

void LogListPage::dateTimeChanged()
{
    // During a page entry the entry itself reloads once the edits are set.
    if (!loading)
        reload();
}

void LogListPage::labelDelete_pressed()
{
    if (!frame.inDeleteMode()) {
        frame.showDeleteButtons(true);
        emit signalsLogsVisible(true);
        return;
    }
    frame.showDeleteButtons(true);
    emit signalsLogsVisible(true);
    // The count and the delete cover the whole list, not the part of it read so far.
    completeList();

    ORVMessageBox box(QString::asprintf(pageText(texts.deleteQuestion).toUtf8().constData(), markedCount()), 450, 160,
                      false, 2, nullptr);
    if (box.exec() != QDialog::Accepted)
        return;
    // Nothing is deleted unless everything marked is: the list stays as it was.
    if (!deleteMarked())
        emit gBroadcastSocket.signalsInformation(pageText("Delete failed!"));
    reload();
}

void LogListPage::pushButtonSelectAll_clicked()
{
    // Every listed entry is marked, also those a listing under way has not reached yet.
    completeList();
    markAll(true);
    emit signalsLogsChecked(true);
}

void LogListPage::pushButtonCancel_clicked()
{
    markAll(false);
    emit signalsLogsChecked(false);
    emit signalsLogsVisible(false);
    frame.showDeleteButtons(false);
}

void LogListPage::labelExport_pressed()
{
    // Whether the list holds anything is known only once it is read to its end.
    completeList();
    if (isListEmpty()) {
        emit gBroadcastSocket.signalsInformation(pageText(texts.nothingToExport));
        return;
    }
    const QString path = LogPageFrame::chooseExportFile(this, texts.exportKind);
    if (path.isEmpty())
        return;

    XlsxWriter book(path);
    bool ok = writeExport(book);
    if (ok)
        ok = book.commit();
    else
        book.cancel();
    emit gBroadcastSocket.signalsInformation(ok ? pageText("Exprot successfully") : pageText("Export failed"));
}
