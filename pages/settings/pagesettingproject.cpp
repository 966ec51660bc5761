#include "pages/settings/pagesettingproject.h"

#include "core/globals.h"
#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "pages/settings/projectadddlg.h"
#include "pages/settings/projectdownloaddlg.h"
#include "pages/settings/projectfolderguard.h"
#include "pages/settings/projectsettingitem.h"
#include "pages/settings/projectuploaddlg.h"
#include "shell/pageids.h"

#include <QDebug>
#include <QGridLayout>

PageSettingProject::PageSettingProject(const QString &id, const QString &name, QWidget *parent)
    : MyDialog(id, name, parent)
{
    auto *add = new QtMaterialFlatButton(QtMaterialTheme::icon("content", "add"), tr("Add Project"), 7, nullptr);
    add->setObjectName("pushButtonAddProject");
    connect(add, &QtMaterialFlatButton::clicked, this, &PageSettingProject::pushButtonAddProject_clicked);
    auto *upload = new QtMaterialFlatButton(QtMaterialTheme::icon("file", "cloud_upload"), tr("Upload"), 7, nullptr);
    upload->setObjectName("pushButtonUpload");
    connect(upload, &QtMaterialFlatButton::clicked, this, &PageSettingProject::pushButtonUpload_clicked);
    auto *download =
        new QtMaterialFlatButton(QtMaterialTheme::icon("file", "cloud_download"), tr("Download"), 7, nullptr);
    download->setObjectName("pushButtonDownload");
    connect(download, &QtMaterialFlatButton::clicked, this, &PageSettingProject::pushButtonDownload_clicked);

    groupBox = new QtMaterialGroupBox(QString(), nullptr);
    groupBox->setObjectName("groupBoxProjects");
    groupBox->setStyleSheet("QGroupBox{border:none;}");
    auto *canvas = new QtMaterialCanvas(this);
    canvas->setWidget(groupBox);
    canvas->setWidgetResizable(true);

    auto *mainLayout = new QGridLayout;
    mainLayout->setSizeConstraint(QLayout::SetNoConstraint);
    mainLayout->setSpacing(20);
    mainLayout->addWidget(add, 0, 1, Qt::AlignRight);
    mainLayout->addWidget(upload, 1, 0);
    mainLayout->addWidget(download, 1, 1);
    mainLayout->addWidget(canvas, 2, 0, 1, 2);
    mainLayout->setRowStretch(2, 1);
    setLayout(mainLayout);

    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this, &PageSettingProject::slotsPageEnter);
}

void PageSettingProject::slotsPageEnter()
{
    if (isVisible())
        refreshProjectList();
}

void PageSettingProject::refreshProjectList()
{
    auto *rows = qobject_cast<QGridLayout *>(groupBox->layout());
    if (rows) {
        const QList<ProjectSettingItem *> old = groupBox->findChildren<ProjectSettingItem *>();
        for (ProjectSettingItem *item : old) {
            rows->removeWidget(item);
            // A row whose delete button is being clicked is still on the stack below this call, so it is only
            // taken out of the list here and deleted once control returns to the event loop.
            item->hide();
            item->setParent(nullptr);
            item->deleteLater();
        }
    } else {
        rows = new QGridLayout;
        rows->setSizeConstraint(QLayout::SetNoConstraint);
        rows->setSpacing(20);
    }

    QString current;
    getCurrentProjectName(current);
    QStringList names;
    getProjectNames(names);
    // The stretch of the previous, possibly longer, list must not hold a row in place.
    for (int r = 0; r < rows->rowCount(); ++r)
        rows->setRowStretch(r, 0);
    for (int i = 0; i < names.size(); ++i) {
        auto *item = new ProjectSettingItem(names.at(i), names.at(i) == current, nullptr);
        connect(item, &ProjectSettingItem::signalsProjectEdit, this, &PageSettingProject::slotsProjectEdit);
        connect(item, &ProjectSettingItem::signalsProjectDelete, this, &PageSettingProject::slotsProjectDelete);
        rows->addWidget(item, i, 0);
    }
    rows->setRowStretch(names.size(), 1);
    if (!groupBox->layout())
        groupBox->setLayout(rows);
}

QStringList PageSettingProject::checkedProjectNames() const
{
    QStringList names;
    auto *rows = qobject_cast<QGridLayout *>(groupBox->layout());
    if (!rows)
        return names;
    for (int r = 0; r < rows->rowCount(); ++r) {
        QLayoutItem *cell = rows->itemAtPosition(r, 0);
        auto *item = cell ? qobject_cast<ProjectSettingItem *>(cell->widget()) : nullptr;
        if (item && item->isChecked())
            names.append(item->projectName());
    }
    return names;
}

void PageSettingProject::slotsProjectEdit(QString projectName)
{
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::ProjectInformation),
                                               trPageId(PageId::ProjectInformation), projectName, "");
}

void PageSettingProject::slotsProjectDelete(QString projectName)
{
    bool listed = false;
    for (const ProjectSettingItem *item : groupBox->findChildren<ProjectSettingItem *>())
        listed = listed || item->projectName() == projectName;
    if (!listed)
        return;
    // The project in use keeps its entry and its folder, however it was reached.
    QString current;
    if (getCurrentProjectName(current) && current == projectName)
        return;

    // A project the list cannot forget stays, folder and all: a listed project never loses its database.
    if (!removeProject(projectName)) {
        emit gBroadcastSocket.signalsInformation(tr("Delete failed!"));
        return;
    }
    if (!ProjectFolderGuard::removeProjectFolder(projectName))
        qWarning() << "The folder of the deleted project" << projectName << "was not removed";
    refreshProjectList();
}

void PageSettingProject::pushButtonAddProject_clicked()
{
    ProjectAddDlg dialog(nullptr);
    if (dialog.exec() == QDialog::Accepted)
        refreshProjectList();
}

void PageSettingProject::pushButtonUpload_clicked()
{
    const QStringList names = checkedProjectNames();
    if (names.isEmpty()) {
        emit gBroadcastSocket.signalsInformation(tr("Please select database!"));
        return;
    }
    ProjectUploadDlg dialog(nullptr);
    dialog.projectList = names;
    dialog.showUploadCode();
    dialog.exec();
}

void PageSettingProject::pushButtonDownload_clicked()
{
    ProjectDownloadDlg dialog(nullptr);
    dialog.exec();
    if (dialog.projectImported)
        refreshProjectList();
}
