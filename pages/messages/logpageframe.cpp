#include "pages/messages/logpageframe.h"

#include "core/appsettings.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialdatetimeedit.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmateriallabel.h"
#include "shell/mydialog.h"
#include "shell/savefilename.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGridLayout>
#include <QPixmap>

namespace {

QGridLayout *newGrid(int spacing)
{
    auto *grid = new QGridLayout;
    grid->setSizeConstraint(QLayout::SetNoConstraint);
    if (spacing >= 0)
        grid->setSpacing(spacing);
    return grid;
}

QtMaterialLabel *iconLabel(const QString &name, const QString &picture, const QString &tip)
{
    auto *label = new QtMaterialLabel(nullptr);
    label->setObjectName(name);
    label->setFixedSize(40, 40);
    label->setScaledContents(true);
    label->setPixmap(picturePixmap(picture));
    label->setToolTip(tip);
    return label;
}

QtMaterialFlatButton *modeButton(const QString &name, const QString &text)
{
    auto *button = new QtMaterialFlatButton(text, 7, nullptr);
    button->setObjectName(name);
    button->setBackgroundColor(QColor(227, 81, 81));
    button->setFixedWidth(200);
    button->hide();
    return button;
}

} // namespace

void LogPageFrame::build(MyDialog *page, QLayout *filters, const char *context)
{
    const auto text = [context](const char *source) { return QCoreApplication::translate(context, source); };

    labelExport = iconLabel("labelExport", ":/myImages/png/icon-system-save.png", text("Export To Excel"));
    auto *top = newGrid(20);
    top->addLayout(filters, 0, 0);
    top->addWidget(labelExport, 0, 1, Qt::AlignRight | Qt::AlignTop);
    top->setRowStretch(1, 1);

    groupBoxRows = new QtMaterialGroupBox(QString(), nullptr);
    groupBoxRows->setObjectName("groupBoxRows");
    groupBoxRows->setStyleSheet("QGroupBox{border:none;}");
    canvas = new QtMaterialCanvas(nullptr);
    canvas->setObjectName("canvasRows");
    canvas->setWidget(groupBoxRows);
    canvas->setWidgetResizable(true);

    pushButtonCancel = modeButton("pushButtonCancel", text("Cancel"));
    labelDelete = iconLabel("labelDelete", ":/myImages/png/icon-system-delete.png", text("Delete"));
    pushButtonSelectAll = modeButton("pushButtonSelectAll", text("Select All"));
    auto *bottom = newGrid(20);
    bottom->addWidget(pushButtonCancel, 0, 0);
    bottom->addWidget(labelDelete, 0, 1);
    bottom->addWidget(pushButtonSelectAll, 0, 2);
    bottom->setRowStretch(1, 1);

    auto *grid = newGrid(-1);
    grid->addLayout(top, 0, 0);
    grid->addWidget(canvas, 1, 0);
    grid->setRowStretch(1, 1);
    grid->addLayout(bottom, 2, 0);
    page->setLayout(grid);
}

bool LogPageFrame::inDeleteMode() const
{
    return !pushButtonCancel->isHidden() && !pushButtonSelectAll->isHidden();
}

void LogPageFrame::showDeleteButtons(bool shown)
{
    pushButtonCancel->setVisible(shown);
    pushButtonSelectAll->setVisible(shown);
}

void LogPageFrame::clearRows(const QList<QWidget *> &old)
{
    if (!rowsGrid) {
        rowsGrid = newGrid(20);
        groupBoxRows->setLayout(rowsGrid);
    }
    for (QWidget *row : old) {
        rowsGrid->removeWidget(row);
        row->hide();
        row->deleteLater();
    }
    rowsGrid->setRowStretch(rows, 0);
    rows = 0;
    rowsGrid->setRowStretch(0, 1);
}

void LogPageFrame::appendRow(QWidget *row)
{
    rowsGrid->setRowStretch(rows, 0);
    rowsGrid->addWidget(row, rows, 0);
    ++rows;
    rowsGrid->setRowStretch(rows, 1);
}

QString LogPageFrame::chooseExportFile(QWidget *parent, const QString &kind)
{
    const QString fileName = QDateTime::currentDateTime().toString("yyyyMMddhhmmss") + "_" + kind + ".xlsx";
    QString folder;
    readIniSetting("getOpenFileName", "exprotExcel", folder);
    const QString proposed = folder.isEmpty() ? fileName : folder + "/" + fileName;
    const QString path = SaveFileName::ask(parent, tr("Save As"), proposed, tr("Excel Files(*.xlsx *.xls)"));
    if (path.isEmpty())
        return QString();
    writeIniSetting("getOpenFileName", "exprotExcel", QFileInfo(path).absolutePath());
    return path;
}

namespace {
const char storedTimeFormat[] = "yyyy-MM-dd HH:mm:ss";
} // namespace

QtMaterialDateTimeEdit *LogPageFrame::rangeEdit(const QString &objectName)
{
    auto *edit = new QtMaterialDateTimeEdit(nullptr);
    edit->setObjectName(objectName);
    edit->setDisplayFormat(storedTimeFormat);
    return edit;
}

void LogPageFrame::showLastWeek(QDateTimeEdit *start, QDateTimeEdit *end)
{
    const QDateTime now = QDateTime::currentDateTime();
    start->setDateTime(now.addDays(-7));
    end->setDateTime(now);
}

QVariantList LogPageFrame::storedRange(const QDateTimeEdit *start, const QDateTimeEdit *end)
{
    return {start->dateTime().toString(storedTimeFormat), end->dateTime().toString(storedTimeFormat)};
}
