#pragma once
// The real, interactive panel of an in-window dialog; its offset lowers it below the centre while it fades.

#include <QWidget>

class QtMaterialDialog;

class QtMaterialDialogWindow : public QWidget
{
    Q_OBJECT

    Q_PROPERTY(int offset WRITE setOffset READ offset)

public:
    explicit QtMaterialDialogWindow(QtMaterialDialog *dialog, QWidget *parent = nullptr);
    ~QtMaterialDialogWindow() override;

    // The bottom contents margin of the dialog's own layout.
    void setOffset(int offset);
    int offset() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterialDialogWindow)

    QtMaterialDialog *const m_dialog;
};
