#include "pages/roomconfig/formgrid.h"

#include <QGridLayout>

QGridLayout *formGrid()
{
    auto *grid = new QGridLayout;
    grid->setSizeConstraint(QLayout::SetNoConstraint);
    grid->setSpacing(20);
    return grid;
}
