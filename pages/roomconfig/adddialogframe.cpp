#include "pages/roomconfig/adddialogframe.h"

#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "pages/roomconfig/formgrid.h"
#include "shell/chooserparts.h"

#include <QGridLayout>
#include <QHBoxLayout>

AddDialogFrame::AddDialogFrame(const QString &objectName, const QString &title, QWidget *parent) : MyDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(title);
    makeFramelessPanel();

    closeButton = makeCloseButton(this);
    titleLabel = new QtMaterialLabel(title, 5, nullptr);
    auto *cancel = new QtMaterialFlatButton(tr("Cancel"), 7, nullptr);
    cancel->setObjectName("pushButtonCancel");
    connect(cancel, &QtMaterialFlatButton::clicked, this, &AddDialogFrame::close);
    auto *add = new QtMaterialFlatButton(tr("Add"), 7, nullptr);
    add->setObjectName("pushButtonAdd");
    connect(add, &QtMaterialFlatButton::clicked, this, &AddDialogFrame::pushButtonAdd_clicked);
    buttons = new QHBoxLayout;
    buttons->addWidget(cancel);
    buttons->addWidget(add);
}

void AddDialogFrame::setBody(QWidget *body, const QSize &size)
{
    QGridLayout *frame = frameAbove();
    frame->addWidget(body, 2, 0);
    frameBelow(frame, size);
}

void AddDialogFrame::setBody(QLayout *body, const QSize &size)
{
    QGridLayout *frame = frameAbove();
    frame->addLayout(body, 2, 0);
    frameBelow(frame, size);
}

QGridLayout *AddDialogFrame::frameAbove()
{
    QGridLayout *frame = formGrid();
    frame->addWidget(closeButton, 0, 0, Qt::AlignRight | Qt::AlignTop);
    frame->addWidget(titleLabel, 1, 0, Qt::AlignCenter);
    return frame;
}

void AddDialogFrame::frameBelow(QGridLayout *frame, const QSize &size)
{
    frame->addLayout(buttons, 3, 0);
    frame->setRowStretch(4, 1);
    setLayout(frame);
    setFixedSize(size);
}

void AddDialogFrame::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
