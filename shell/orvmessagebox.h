#pragma once
// The station's modal message and confirmation box: a text, an optional check box and one or two buttons.

#include "shell/mydialog.h"

#include <functional>

class QtMaterialCheckBox;
class QtMaterialLabel;

namespace Ui {
class ORVMessageBox;
}

class ORVMessageBox : public MyDialog
{
    Q_OBJECT

public:
    // type 0: "Ok"; 1: "Ok" "Cancel"; 2: "Cancel" "Ok"; any other value as 0.
    ORVMessageBox(const QString &text, int width, int height, bool showCheckBox, int type, QWidget *parent);
    ~ORVMessageBox() override;

    // Accepted only through "Ok"; "Cancel" and the close icon give Rejected.
    int exec() override;

    QString text() const;

    // Whether the check box was ticked when "Ok" was pressed; false after a rejected run.
    bool checked = false;

    // Test seam: while a hook is set, exec() does not show the box but returns what the hook returns.
    // The hook may tick the check box and press the buttons (findChild by object name).
    using ExecHook = std::function<int(ORVMessageBox &box)>;
    static void setExecHook(const ExecHook &hook);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void okPressed();

    QtMaterialCheckBox *checkBox = nullptr;
    QtMaterialLabel *label = nullptr;
    Ui::ORVMessageBox *ui = nullptr;
};
