#pragma once
// The frame of the add dialogs of room configuration: a frameless rounded panel with the close button at the top
// right, the title under it, the dialog's own body, and Cancel and Add at the bottom. Cancel closes the dialog
// (Rejected); Add calls pushButtonAdd_clicked, which accepts once the rows are written.

#include "shell/mydialog.h"

#include <functional>

class QGridLayout;
class QHBoxLayout;
class QLayout;
class QtMaterialIconButton;
class QtMaterialLabel;

class AddDialogFrame : public MyDialog
{
    Q_OBJECT

protected:
    // The title is the window title too.
    AddDialogFrame(const QString &objectName, const QString &title, QWidget *parent);

    // Lays the frame out around the body, and fixes the dialog to size.
    void setBody(QWidget *body, const QSize &size);
    void setBody(QLayout *body, const QSize &size);

    void paintEvent(QPaintEvent *event) override;

private slots:
    virtual void pushButtonAdd_clicked() = 0;

private:
    QGridLayout *frameAbove();
    void frameBelow(QGridLayout *frame, const QSize &size);

    QtMaterialIconButton *closeButton = nullptr;
    QtMaterialLabel *titleLabel = nullptr;
    QHBoxLayout *buttons = nullptr;
};

// An add dialog with its test seam: while a hook is set, exec() does not show the dialog but returns what the hook
// returns. The hook may fill the dialog's inputs and press pushButtonAdd or pushButtonCancel.
template <class Dialog> class HookedAddDialog : public AddDialogFrame
{
public:
    using ExecHook = std::function<int(Dialog &dialog)>;
    static void setExecHook(const ExecHook &hook) { execHook() = hook; }

    int exec() override
    {
        if (execHook())
            return execHook()(static_cast<Dialog &>(*this));
        return AddDialogFrame::exec();
    }

protected:
    using AddDialogFrame::AddDialogFrame;

private:
    static ExecHook &execHook()
    {
        static ExecHook hook;
        return hook;
    }
};
