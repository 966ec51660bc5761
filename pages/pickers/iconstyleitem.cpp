#include "pages/pickers/iconstyleitem.h"

#include "shell/chooserparts.h"

IconStyleItem::IconStyleItem(int style, QWidget *parent)
    : DynamicWidget(QColor(0x1F, 0x29, 0x33), parent), m_style(style)
{
    setObjectName(style == 1 ? "iconStyleGallery" : "iconStyleSelect");
    setFixedHeight(40);
    connect(this, &DynamicWidget::signalsPressed, this, &IconStyleItem::slotsPressed);
}

QString IconStyleItem::text() const
{
    return m_style == 1 ? tr("Add From Gallery") : tr("Select Image");
}

void IconStyleItem::slotsPressed()
{
    emit signalsIconStyleChanged(m_style);
}

void IconStyleItem::paintEvent(QPaintEvent *event)
{
    DynamicWidget::paintEvent(event);
    const QString picture =
        m_style == 1 ? ":/myImages/png/icon_image_add.png" : ":/myImages/png/icon_image_default.png";
    paintChooserRow(this, picture, text(), false);
}
