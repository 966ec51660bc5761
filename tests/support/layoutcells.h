#pragma once
// What a tile grid's layout holds, as the tests of the grids read it.

#include <QGridLayout>
#include <QLayoutItem>

namespace layoutcells {

// The cells the grid's placeholders keep, however many layout items hold them.
inline int keptCells(QGridLayout *layout)
{
    int cells = 0;
    for (int i = 0; i < layout->count(); ++i) {
        if (!layout->itemAt(i)->spacerItem())
            continue;
        int row, column, rowSpan, columnSpan;
        layout->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        cells += rowSpan * columnSpan;
    }
    return cells;
}

// The widgets (tiles, cards) the layout holds.
inline int widgets(QGridLayout *layout)
{
    int count = 0;
    for (int i = 0; i < layout->count(); ++i) {
        if (layout->itemAt(i)->widget())
            ++count;
    }
    return count;
}

} // namespace layoutcells
