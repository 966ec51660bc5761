#include "materialwidgets/qtmaterialcheckableicon.h"

#include "materialwidgets/qtmaterialcheckable.h"

#include <QPainter>

QtMaterialCheckableIcon::QtMaterialCheckableIcon(const QIcon &icon, QtMaterialCheckable *parent)
    : QWidget(parent), m_checkable(parent), m_icon(icon)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize QtMaterialCheckableIcon::sizeHint() const
{
    return QSize(int(m_iconSize), int(m_iconSize));
}

void QtMaterialCheckableIcon::setIcon(const QIcon &icon)
{
    m_icon = icon;
    update();
}

void QtMaterialCheckableIcon::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void QtMaterialCheckableIcon::setIconSize(qreal size)
{
    m_iconSize = size;
    update();
}

void QtMaterialCheckableIcon::setOpacity(qreal opacity)
{
    m_opacity = opacity;
    update();
}

void QtMaterialCheckableIcon::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_opacity);

    QPixmap pixmap = m_icon.pixmap(24, 24);
    if (pixmap.isNull())
        return;

    const qreal p = (height() - m_iconSize) * 0.5;
    const qreal scale = m_iconSize / 24;
    if (m_checkable->labelPosition() == QtMaterialCheckable::LabelOnLeft)
        painter.translate(p + width() - 42, p);
    else
        painter.translate(p, p);
    painter.scale(scale, scale);

    {
        QPainter tint(&pixmap);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(pixmap.rect(), m_color);
    }
    painter.drawPixmap(0, 0, pixmap);
}
