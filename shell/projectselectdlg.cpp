#include "shell/projectselectdlg.h"

#include "core/projectlist.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "shell/chooserparts.h"
#include "shell/projectselectitem.h"

#include <QGridLayout>
#include <QStringList>

namespace {
ProjectSelectDlg::ExecHook &execHook()
{
    static ProjectSelectDlg::ExecHook hook;
    return hook;
}
} // namespace

ProjectSelectDlg::ProjectSelectDlg(QWidget *parent) : MyDialog(parent)
{
    setObjectName("ProjectSelectDlg");
    resize(400, 300);
    makeFramelessPanel();

    groupBox = addChooserFrame(this, "groupBoxProjects");
}

void ProjectSelectDlg::initProjects()
{
    QStringList names;
    getProjectNames(names);
    QString current;
    getCurrentProjectName(current);

    auto *rows = new QGridLayout;
    rows->setSizeConstraint(QLayout::SetNoConstraint);
    for (int i = 0; i < names.size(); ++i) {
        auto *item = new ProjectSelectItem(names.at(i), names.at(i) == current, nullptr);
        connect(item, &ProjectSelectItem::signalsProjectChanged, this, &ProjectSelectDlg::slotsProjectChanged);
        rows->addWidget(item, i, 0);
    }
    rows->setRowStretch(names.size(), 1);
    groupBox->setLayout(rows);
}

void ProjectSelectDlg::slotsProjectChanged(QString name)
{
    projectName = name;
    accept();
}

int ProjectSelectDlg::exec()
{
    if (execHook())
        return execHook()(*this);
    return MyDialog::exec();
}

void ProjectSelectDlg::setExecHook(const ExecHook &hook)
{
    execHook() = hook;
}

void ProjectSelectDlg::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
