#include "materialwidgets/qtmaterialdrawerwidget.h"

#include "materialwidgets/qtmaterialstyle.h"

#include <QLinearGradient>
#include <QPainter>

QtMaterialDrawerWidget::QtMaterialDrawerWidget(QWidget *parent) : QtMaterialOverlayWidget(parent) {}

QtMaterialDrawerWidget::~QtMaterialDrawerWidget() = default;

void QtMaterialDrawerWidget::setOffset(int offset)
{
    m_offset = offset;
    if (parentWidget()) {
        setGeometry(overlayGeometry());
    }
    update();
}

QRect QtMaterialDrawerWidget::overlayGeometry() const
{
    return QtMaterialOverlayWidget::overlayGeometry().translated(m_offset, 0);
}

void QtMaterialDrawerWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);

    const int w = width();
    const int h = height();
    painter.setBrush(QtMaterialStyle::instance().themeColor(10));
    painter.drawRect(0, 0, w - 16, h);

    QLinearGradient gradient(QPointF(w - 16, 0), QPointF(w, 0));
    gradient.setColorAt(0, QColor(0, 0, 0, 80));
    gradient.setColorAt(0.5, QColor(0, 0, 0, 20));
    gradient.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setBrush(gradient);
    painter.drawRect(w - 16, 0, 16, h);
}
