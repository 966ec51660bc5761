#include "pages/settings/networkstyledlg.h"

#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "pages/settings/networkstyleitem.h"

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

    auto *closeButton = new QtMaterialIconButton(QtMaterialTheme::icon("navigation", "close"), nullptr);
    closeButton->setObjectName("pushButtonClose");
    closeButton->setColor(Qt::white);
    connect(closeButton, &QtMaterialIconButton::clicked, this, &NetworkStyleDlg::close);

    groupBox = new QtMaterialGroupBox(QString(), nullptr);
    groupBox->setObjectName("groupBoxStyles");
    groupBox->setStyleSheet("QGroupBox{border:none;}");
    auto *canvas = new QtMaterialCanvas(this);
    canvas->setBackgroundColor(panelColor);
    canvas->setWidget(groupBox);
    canvas->setWidgetResizable(true);

    auto *layout = new QGridLayout;
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(closeButton, 0, 0, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(canvas, 1, 0);
    layout->setRowStretch(1, 1);
    setLayout(layout);
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
