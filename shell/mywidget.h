#pragma once
// Base of the tab pages embedded in a room's operation page: the application background and a refresh hook.

#include <QWidget>

class MyWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MyWidget(QWidget *parent);

    // Reloads the tab's devices; empty here, the device tabs override it.
    virtual void refresh();
};
