#pragma once
// The "Rooms" tile of the home page's strip: a click asks for the page "Rooms".

#include "shell/dynamicwidget.h"

class HomeManagerRoomsIconItem : public DynamicWidget
{
    Q_OBJECT

public:
    explicit HomeManagerRoomsIconItem(QWidget *parent);

    static const QString caption;
    static const QString picture;
    // Side of the picture's square on the tile.
    static constexpr int pictureSide = 64;

public slots:
    void slotsPressed();

protected:
    void paintEvent(QPaintEvent *event) override;
};
