#pragma once
// The "3D View" tile of the home page's strip: a click asks for the page "3D View".

#include "shell/dynamicwidget.h"

class HomeManager3DViewIconItem : public DynamicWidget
{
    Q_OBJECT

public:
    explicit HomeManager3DViewIconItem(QWidget *parent);

    static const QString caption;
    static const QString picture;
    // Side of the picture's square on the tile.
    static constexpr int pictureSide = 96;

public slots:
    void slotsPressed();

protected:
    void paintEvent(QPaintEvent *event) override;
};
