#include "shell/projectselectitem.h"

#include "shell/chooserparts.h"

ProjectSelectItem::ProjectSelectItem(const QString &projectName, bool isSelected, QWidget *parent)
    : DynamicWidget(QColor(0x1F, 0x29, 0x33), parent), name(projectName), selected(isSelected)
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

    paintChooserRow(this, ":/myImages/png/icon-navigation-home.png", name, selected);
}
