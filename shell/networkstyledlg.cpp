#include "shell/networkstyledlg.h"

#include "materialwidgets/qtmaterialgroupbox.h"
#include "shell/chooserparts.h"
#include "shell/networkstyleitem.h"

#include <QGridLayout>

namespace {
NetworkStyleDlg::ExecHook &execHook()
{
    static NetworkStyleDlg::ExecHook hook;
    return hook;
}
} // namespace

NetworkStyleDlg::NetworkStyleDlg(QWidget *parent) : MyDialog(parent)
{
    setObjectName("NetworkStyleDlg");
    resize(400, 300);
    makeFramelessPanel();

    groupBox = addChooserFrame(this, "groupBoxStyles");
    setFixedHeight(240);
}

void NetworkStyleDlg::initItems()
{
    auto *rows = new QGridLayout;
    rows->setSizeConstraint(QLayout::SetNoConstraint);
    const NetStyle styles[] = {LocalNetwork, CloudServer, DnsServer};
    for (int i = 0; i < 3; ++i) {
        auto *item = new NetworkStyleItem(styles[i], styles[i] == netStyle, nullptr);
        connect(item, &NetworkStyleItem::signalsNetworkChanged, this, &NetworkStyleDlg::slotsNetworkChanged);
        rows->addWidget(item, i, 0);
    }
    rows->setRowStretch(3, 1);
    groupBox->setLayout(rows);
}

void NetworkStyleDlg::slotsNetworkChanged(NetStyle style)
{
    netStyle = style;
    accept();
}

int NetworkStyleDlg::exec()
{
    if (execHook())
        return execHook()(*this);
    return MyDialog::exec();
}

void NetworkStyleDlg::setExecHook(const ExecHook &hook)
{
    execHook() = hook;
}

void NetworkStyleDlg::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
