#pragma once
// One row of the network style chooser: the style's picture and name, marked when it is the style in force.

#include "core/globals.h"
#include "shell/dynamicwidget.h"

class NetworkStyleItem : public DynamicWidget
{
    Q_OBJECT

public:
    NetworkStyleItem(NetStyle netStyle, bool selected, QWidget *parent);

    NetStyle netStyle() const { return style; }
    bool isSelected() const { return selected; }

    // The shown name and the picture of a style; any unknown value shows as the local network.
    static QString styleText(int netStyle);
    static QString stylePicture(int netStyle);

signals:
    // The row was clicked.
    void signalsNetworkChanged(NetStyle netStyle);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void slotsPressed();

private:
    NetStyle style;
    bool selected;
};
