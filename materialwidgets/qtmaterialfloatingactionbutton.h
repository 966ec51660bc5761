#pragma once
// A round, shadowed icon button that floats at a fixed distance from a corner of its parent.

#include "materialwidgets/qtmaterialflatbutton.h"

class QtMaterialFloatingActionButtonPrivate;

class QtMaterialFloatingActionButton : public QtMaterialFlatButton
{
    Q_OBJECT

    Q_PROPERTY(bool mini WRITE setMini READ mini)
    Q_PROPERTY(Qt::Corner corner WRITE setCorner READ corner)
    Q_PROPERTY(QPoint offset WRITE setOffset READ offset)

public:
    explicit QtMaterialFloatingActionButton(const QIcon &icon, QWidget *parent = nullptr);
    ~QtMaterialFloatingActionButton() override;

    QSize sizeHint() const override;

    // 40 px instead of 56 px, with an 18 px icon.
    void setMini(bool state);
    bool mini() const;

    void setCorner(Qt::Corner corner);
    Qt::Corner corner() const;

    void setOffset(int x, int y);
    void setOffset(const QPoint &offset);
    QPoint offset() const;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *obj, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void updateClipPath() override;

private:
    Q_DISABLE_COPY(QtMaterialFloatingActionButton)
    Q_DECLARE_PRIVATE(QtMaterialFloatingActionButton)
};
