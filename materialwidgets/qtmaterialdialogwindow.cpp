#include "materialwidgets/qtmaterialdialogwindow.h"

#include "materialwidgets/qtmaterialdialog.h"

#include <QLayout>
#include <QPainter>

QtMaterialDialogWindow::QtMaterialDialogWindow(QtMaterialDialog *dialog, QWidget *parent)
    : QWidget(parent), m_dialog(dialog)
{
}

QtMaterialDialogWindow::~QtMaterialDialogWindow() = default;

void QtMaterialDialogWindow::setOffset(int offset)
{
    QLayout *layout = m_dialog->layout();
    if (!layout) {
        return;
    }
    QMargins margins = layout->contentsMargins();
    margins.setBottom(offset);
    layout->setContentsMargins(margins);
}

int QtMaterialDialogWindow::offset() const
{
    QLayout *layout = m_dialog->layout();
    return layout ? layout->contentsMargins().bottom() : 0;
}

void QtMaterialDialogWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    painter.drawRect(rect());
}
