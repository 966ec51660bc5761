#include "shell/mywidget.h"

MyWidget::MyWidget(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setBrush(QPalette::All, QPalette::Window, QBrush(QColor(0x26, 0x34, 0x40)));
    setPalette(pal);
}

void MyWidget::refresh() {}
