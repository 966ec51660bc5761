#pragma once
// Stands in for an in-window dialog's panel while it fades, painting a snapshot of it at the current opacity.

#include <QWidget>

class QStackedLayout;
class QtMaterialDialog;
class QtMaterialDialogWindow;

class QtMaterialDialogProxy : public QWidget
{
    Q_OBJECT

    Q_PROPERTY(qreal opacity WRITE setOpacity READ opacity)

public:
    enum TransparencyMode { Transparent = 0, SemiTransparent = 1, Opaque = 2 };

    QtMaterialDialogProxy(QtMaterialDialogWindow *source, QStackedLayout *layout, QtMaterialDialog *dialog,
                          QWidget *parent = nullptr);
    ~QtMaterialDialogProxy() override;

    void setOpacity(qreal opacity);
    qreal opacity() const { return m_opacity; }

    int mode() const { return m_mode; }

    QSize sizeHint() const override;

public slots:
    void makeOpaque();
    void makeTransparent();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterialDialogProxy)

    QtMaterialDialogWindow *const m_source;
    QStackedLayout *const m_layout;
    QtMaterialDialog *const m_dialog;
    qreal m_opacity = 0;
    int m_mode = Transparent;
};
