#include "materialwidgets/qtmaterialswitchtrack.h"

#include "materialwidgets/qtmaterialswitch.h"

#include <QPainter>

QtMaterialSwitchTrack::QtMaterialSwitchTrack(QtMaterialSwitch *parent) : QWidget(parent), m_switch(parent) {}

QtMaterialSwitchTrack::~QtMaterialSwitchTrack() = default;

void QtMaterialSwitchTrack::setTrackColor(const QColor &color)
{
    m_trackColor = color;
    update();
}

void QtMaterialSwitchTrack::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    if (m_switch->isEnabled()) {
        painter.setBrush(m_trackColor);
        painter.setOpacity(0.8);
    } else {
        painter.setBrush(m_switch->disabledColor());
        painter.setOpacity(0.6);
    }

    const int w = width();
    const int h = height();
    if (m_switch->orientation() == Qt::Horizontal) {
        const int radius = h / 4 - 4;
        painter.drawRoundedRect(QRect(QPoint(14, h / 4 + 4), QPoint(w - 15, h / 4 + h / 2 - 5)), radius, radius);
    } else {
        const int radius = w / 4 - 4;
        painter.drawRoundedRect(QRect(QPoint(w / 4 + 4, 14), QPoint(w / 4 + w / 2 - 5, h - 15)), radius, radius);
    }
}
