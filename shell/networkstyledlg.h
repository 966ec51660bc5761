#pragma once
// Modal chooser of the network style: one row per style, the preset one marked; a click on a row accepts
// the dialog with that style.

#include "core/globals.h"
#include "shell/mydialog.h"

#include <functional>

class QtMaterialGroupBox;

class NetworkStyleDlg : public MyDialog
{
    Q_OBJECT

public:
    explicit NetworkStyleDlg(QWidget *parent);

    // Preset by the caller before initItems; after an accepted run, the style picked.
    NetStyle netStyle = LocalNetwork;

    // Adds the three rows, marking the one of netStyle.
    void initItems();

    int exec() override;

    // Test seam: while a hook is set, exec() does not show the dialog but returns what the hook returns.
    // The hook may click a row (findChildren<NetworkStyleItem *>).
    using ExecHook = std::function<int(NetworkStyleDlg &dialog)>;
    static void setExecHook(const ExecHook &hook);

public slots:
    void slotsNetworkChanged(NetStyle netStyle);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QtMaterialGroupBox *groupBox = nullptr;
};
