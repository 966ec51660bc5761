#pragma once
// A side drawer: a panel that slides in from the left edge of its parent, optionally dimming the rest of it.

#include "materialwidgets/qtmaterialoverlaywidget.h"

#include <QScopedPointer>

class QLayout;
class QtMaterialDrawerPrivate;
class QtMaterialDrawerStateMachine;
class QtMaterialDrawerWidget;

class QtMaterialDrawer : public QtMaterialOverlayWidget
{
    Q_OBJECT

    Q_PROPERTY(bool clickOutsideToClose WRITE setClickOutsideToClose READ clickOutsideToClose)
    Q_PROPERTY(bool autoRaise WRITE setAutoRaise READ autoRaise)
    Q_PROPERTY(bool overlayMode WRITE setOverlayMode READ overlayMode)

public:
    explicit QtMaterialDrawer(QWidget *parent = nullptr);
    ~QtMaterialDrawer() override;

    // Width of the content area; the panel adds a 16 px shadow strip on its right.
    void setPanelWidth(int width);
    int panelWidth() const;

    void setContentLayout(QLayout *layout);
    QLayout *contentLayout() const;

    void setClickOutsideToClose(bool state);
    bool clickOutsideToClose() const;

    void setAutoRaise(bool state);
    bool autoRaise() const;

    void setOverlayMode(bool value);
    bool overlayMode() const;

    QtMaterialDrawerWidget *panel() const;
    QtMaterialDrawerStateMachine *stateMachine() const;

public slots:
    void openDrawer();
    void closeDrawer();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *obj, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    const QScopedPointer<QtMaterialDrawerPrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialDrawer)
    Q_DECLARE_PRIVATE(QtMaterialDrawer)
};
