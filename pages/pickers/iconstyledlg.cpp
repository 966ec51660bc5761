#include "pages/pickers/iconstyledlg.h"

#include "materialwidgets/qtmaterialiconbutton.h"
#include "pages/pickers/iconstyleitem.h"
#include "shell/chooserparts.h"

#include <QGridLayout>

namespace {
IconStyleDlg::ExecHook &execHook()
{
    static IconStyleDlg::ExecHook hook;
    return hook;
}
} // namespace

IconStyleDlg::IconStyleDlg(QWidget *parent) : MyDialog(parent)
{
    setObjectName("IconStyleDlg");
    setWindowTitle(tr("Picture"));
    makeFramelessPanel();

    QtMaterialIconButton *closeButton = makeCloseButton(this);

    auto *layout = new QGridLayout;
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(closeButton, 0, 0, Qt::AlignRight | Qt::AlignTop);
    for (int style = 0; style <= 1; ++style) {
        auto *row = new IconStyleItem(style, nullptr);
        connect(row, &IconStyleItem::signalsIconStyleChanged, this, &IconStyleDlg::slotsIconStyleChanged);
        layout->addWidget(row, 1 + style, 0);
    }
    layout->setRowStretch(3, 1);
    setLayout(layout);
    setFixedHeight(180);
    setFixedWidth(400);
}

void IconStyleDlg::slotsIconStyleChanged(int type)
{
    iconStyle = type;
    accept();
}

int IconStyleDlg::exec()
{
    if (execHook())
        return execHook()(*this);
    return MyDialog::exec();
}

void IconStyleDlg::setExecHook(const ExecHook &hook)
{
    execHook() = hook;
}

void IconStyleDlg::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
