#include "pages/settings/projectadddlg.h"

#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "pages/settings/projectfolderguard.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>

namespace {
ProjectAddDlg::ExecHook &execHook()
{
    static ProjectAddDlg::ExecHook hook;
    return hook;
}
} // namespace

ProjectAddDlg::ProjectAddDlg(QWidget *parent) : MyDialog(parent)
{
    setObjectName("ProjectAddDlg");
    makeFramelessPanel();
    resize(400, 300);

    auto *closeButton = new QtMaterialIconButton(QtMaterialTheme::icon("navigation", "close"), nullptr);
    closeButton->setObjectName("pushButtonClose");
    closeButton->setColor(Qt::white);
    connect(closeButton, &QtMaterialIconButton::clicked, this, &ProjectAddDlg::close);

    auto *title = new QtMaterialLabel(tr("Add Project"), 5, nullptr);
    title->setObjectName("labelTitle");

    lineEditName = new QtMaterialLineEdit(nullptr);
    lineEditName->setObjectName("lineEditName");

    auto *cancel = new QtMaterialFlatButton(tr("Cancel"), 7, nullptr);
    cancel->setObjectName("pushButtonCancel");
    connect(cancel, &QtMaterialFlatButton::clicked, this, &ProjectAddDlg::close);
    auto *add = new QtMaterialFlatButton(tr("Add"), 7, nullptr);
    add->setObjectName("pushButtonAdd");
    connect(add, &QtMaterialFlatButton::clicked, this, &ProjectAddDlg::pushButtonAdd_clicked);

    auto *buttons = new QHBoxLayout;
    buttons->setSizeConstraint(QLayout::SetNoConstraint);
    buttons->addWidget(cancel);
    buttons->addWidget(add);

    auto *mainLayout = new QGridLayout;
    mainLayout->setSizeConstraint(QLayout::SetNoConstraint);
    mainLayout->setSpacing(20);
    mainLayout->addWidget(closeButton, 0, 0, Qt::AlignRight | Qt::AlignTop);
    mainLayout->addWidget(title, 1, 0, Qt::AlignCenter);
    mainLayout->addWidget(lineEditName, 2, 0);
    mainLayout->addLayout(buttons, 3, 0);
    mainLayout->setRowStretch(4, 1);
    setLayout(mainLayout);

    setFixedHeight(210);
}

int ProjectAddDlg::exec()
{
    if (execHook())
        return execHook()(*this);
    return MyDialog::exec();
}

void ProjectAddDlg::setExecHook(const ExecHook &hook)
{
    execHook() = hook;
}

void ProjectAddDlg::pushButtonAdd_clicked()
{
    // Taken as typed: blanks around a name are part of it.
    const QString name = lineEditName->text();
    if (name.isEmpty()) {
        emit signalsInformation(tr("Please enter the complete content"));
        return;
    }
    if (ProjectFolderGuard::projectNameTaken(name)) {
        emit signalsInformation(tr("The project name has existed"));
        return;
    }
    // The name becomes a folder that a later delete removes recursively.
    if (!isValidProjectName(name)) {
        emit signalsInformation(tr("Invalid project name!"));
        return;
    }

    if (!createProject(name)) {
        emit signalsInformation(tr("Failed to create the project!"));
        return;
    }
    accept();
}

bool ProjectAddDlg::createProject(const QString &name)
{
    if (!addProject(name))
        return false;
    const QString inUse = gDatabase.databaseName();
    const QString folder = projectFolderPath(name);
    bool madeFolder = false;
    // A stale folder of an earlier project of this name goes first; anything else in its place stays and
    // the project is not made.
    bool ok = ProjectFolderGuard::removeProjectFolder(name);
    if (ok) {
        ok = QDir().mkdir(folder);
        madeFolder = ok;
    }
    if (ok)
        ok = createEmptyProjectDatabase(folder + QString("/%1.db3").arg(name));
    // The copy leaves the connection on the new file; the station goes on with the project it was using.
    gDatabase.close();
    gDatabase.setDatabaseName(inUse);
    if (!ok) {
        qWarning() << "Could not create the project" << name;
        if (!removeProject(name))
            qWarning() << "The project list still names the project" << name << "that could not be made.";
        if (madeFolder)
            ProjectFolderGuard::removeProjectFolder(name);
    }
    return ok;
}

void ProjectAddDlg::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
