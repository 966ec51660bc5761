#pragma once
// Where the sibling ripple overlay of a label or icon button lies: twice the widget's size, centred on it.

#include <QRect>

inline QRect doubledAround(const QRect &geometry)
{
    const int w = geometry.width();
    const int h = geometry.height();
    const int left = (geometry.left() + geometry.right()) / 2 - (2 * w - 1) / 2;
    const int top = (geometry.top() + geometry.bottom()) / 2 - (2 * h - 1) / 2;
    return QRect(left, top, 2 * w, 2 * h);
}
