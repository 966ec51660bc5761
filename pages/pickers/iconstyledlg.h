#pragma once
// Modal chooser of where a new picture comes from: a built-in picture or a picture file of the user's.

#include "shell/mydialog.h"

#include <functional>

class IconStyleDlg : public MyDialog
{
    Q_OBJECT

public:
    explicit IconStyleDlg(QWidget *parent);

    // After an accepted run: 0 "Select Image", 1 "Add From Gallery".
    int iconStyle = 0;

    int exec() override;

    // Test seam: while a hook is set, exec() does not show the dialog but returns what the hook returns.
    // The hook may click a row (findChildren<IconStyleItem *>).
    using ExecHook = std::function<int(IconStyleDlg &dialog)>;
    static void setExecHook(const ExecHook &hook);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void slotsIconStyleChanged(int type);
};
