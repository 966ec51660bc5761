#include "pages/roomconfig/roomtemplateadddlg.h"

#include "core/globals.h"
#include "core/templatestore.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "shell/chooserparts.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace {
RoomTemplateAddDlg::ExecHook &execHook()
{
    static RoomTemplateAddDlg::ExecHook hook;
    return hook;
}
} // namespace

RoomTemplateAddDlg::RoomTemplateAddDlg(QWidget *parent) : MyDialog(parent)
{
    setObjectName("RoomTemplateAddDlg");
    setWindowTitle(tr("Add Room Template"));
    makeFramelessPanel();

    QtMaterialIconButton *closeButton = makeCloseButton(this);

    auto *title = new QtMaterialLabel(tr("Add Room Template"), 5, nullptr);
    lineEditName = new QtMaterialLineEdit(nullptr);
    lineEditName->setObjectName("lineEditName");

    auto *cancel = new QtMaterialFlatButton(tr("Cancel"), 7, nullptr);
    cancel->setObjectName("pushButtonCancel");
    connect(cancel, &QtMaterialFlatButton::clicked, this, &RoomTemplateAddDlg::close);
    auto *add = new QtMaterialFlatButton(tr("Add"), 7, nullptr);
    add->setObjectName("pushButtonAdd");
    connect(add, &QtMaterialFlatButton::clicked, this, &RoomTemplateAddDlg::pushButtonAdd_clicked);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cancel);
    buttons->addWidget(add);

    auto *layout = new QGridLayout;
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setSpacing(20);
    layout->addWidget(closeButton, 0, 0, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(title, 1, 0, Qt::AlignCenter);
    layout->addWidget(lineEditName, 2, 0);
    layout->addLayout(buttons, 3, 0);
    layout->setRowStretch(4, 1);
    setLayout(layout);
    setFixedWidth(400);
    setFixedHeight(210);
}

void RoomTemplateAddDlg::pushButtonAdd_clicked()
{
    // Taken as typed: blanks and names other templates already carry are accepted.
    const QString name = lineEditName->text();
    if (name.isEmpty()) {
        emit signalsInformation(tr("Please input the complete content!"));
        return;
    }
    if (!addRoomTemplate(name)) {
        emit signalsInformation(tr("Save failed!"));
        return;
    }
    accept();
}

int RoomTemplateAddDlg::exec()
{
    if (execHook())
        return execHook()(*this);
    return MyDialog::exec();
}

void RoomTemplateAddDlg::setExecHook(const ExecHook &hook)
{
    execHook() = hook;
}

void RoomTemplateAddDlg::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
