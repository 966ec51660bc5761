#include "pages/settings/projectselectitem.h"

#include "materialwidgets/qtmaterialstyle.h"

#include <QPainter>
#include <QPixmap>

ProjectSelectItem::ProjectSelectItem(const QString &projectName, bool selected, QWidget *parent)
    : DynamicWidget(QColor(0x1F, 0x29, 0x33), parent), name(projectName), selected(selected)
{
    setFixedHeight(40);
    connect(this, &DynamicWidget::signalsPressed, this, &ProjectSelectItem::slotsPressed);
}

void ProjectSelectItem::slotsPressed()
{
    emit signalsProjectChanged(name);
}

void ProjectSelectItem::paintEvent(QPaintEvent *event)
{
    DynamicWidget::paintEvent(event);

    const int w = width();
    const int h = height();
    const int y = (h - 24) / 2;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(QRect(20, y, 24, 24), QPixmap(":/myImages/png/icon-navigation-home.png"));
    if (selected)
        painter.drawPixmap(QRect(w - 41, y, 24, 24), QPixmap(":/myImages/png/selected.png"));

    painter.setBrush(Qt::NoBrush);
    painter.setFont(QtMaterialStyle::instance().themeFont(8));
    painter.setPen(Qt::white);
    const QString text = painter.fontMetrics().elidedText(name, Qt::ElideRight, w);
    painter.drawText(QRect(60, 0, w, h), Qt::AlignLeft | Qt::AlignVCenter, text);

    painter.setPen(Qt::lightGray);
    painter.drawLine(0, h - 1, w - 1, h - 1);
}
