#pragma once
// An in-window dialog: covers and dims its parent and shows a white, shadowed panel that fades and slides in.

#include "materialwidgets/qtmaterialoverlaywidget.h"

#include <QScopedPointer>

class QLayout;
class QtMaterialDialogPrivate;

class QtMaterialDialog : public QtMaterialOverlayWidget
{
    Q_OBJECT

public:
    explicit QtMaterialDialog(QWidget *parent = nullptr);
    ~QtMaterialDialog() override;

    // The panel's content layout, filled by the caller.
    QLayout *surfaceLayout() const;
    void setSurfaceLayout(QLayout *layout);

    // The panel that holds the caller's content.
    QWidget *dialogWindow() const;

public slots:
    void showDialog();
    void hideDialog();

protected:
    void paintEvent(QPaintEvent *event) override;

    const QScopedPointer<QtMaterialDialogPrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialDialog)
    Q_DECLARE_PRIVATE(QtMaterialDialog)

    friend class QtMaterialDialogProxy;
    friend class QtMaterialDialogWindow;
};
