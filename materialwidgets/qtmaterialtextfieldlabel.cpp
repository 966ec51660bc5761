#include "materialwidgets/qtmaterialtextfieldlabel.h"

#include "materialwidgets/qtmaterialtextfield.h"

#include <QPainter>

QtMaterialTextFieldLabel::QtMaterialTextFieldLabel(QtMaterialTextField *parent)
    : QWidget(parent), m_textField(parent), m_color(parent->labelColor())
{
    QFont f(QStringLiteral("Roboto"), int(parent->labelFontSize() * 2), QFont::Medium);
    f.setLetterSpacing(QFont::PercentageSpacing, 102);
    setFont(f);
}

QtMaterialTextFieldLabel::~QtMaterialTextFieldLabel() = default;

void QtMaterialTextFieldLabel::setScale(qreal scale)
{
    m_scale = scale;
    update();
}

void QtMaterialTextFieldLabel::setOffset(const QPointF &pos)
{
    m_offset = pos;
    update();
}

void QtMaterialTextFieldLabel::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void QtMaterialTextFieldLabel::paintEvent(QPaintEvent *)
{
    if (!m_textField->labelVisible()) {
        return;
    }

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(m_scale, m_scale);
    painter.setPen(m_color);
    painter.setOpacity(1);
    painter.drawText(QPointF(m_offset.x() + 2, (height() - 36) + m_offset.y()), m_textField->labelText());
}
