#include "materialwidgets/qtmaterialdialogproxy.h"

#include "materialwidgets/qtmaterialdialog.h"
#include "materialwidgets/qtmaterialdialogwindow.h"

#include <QEvent>
#include <QPainter>
#include <QStackedLayout>

QtMaterialDialogProxy::QtMaterialDialogProxy(QtMaterialDialogWindow *source, QStackedLayout *layout,
                                             QtMaterialDialog *dialog, QWidget *parent)
    : QWidget(parent), m_source(source), m_layout(layout), m_dialog(dialog)
{
}

QtMaterialDialogProxy::~QtMaterialDialogProxy() = default;

void QtMaterialDialogProxy::setOpacity(qreal opacity)
{
    m_opacity = opacity;
    m_mode = SemiTransparent;
    update();
    m_dialog->update();
}

QSize QtMaterialDialogProxy::sizeHint() const
{
    return m_source->sizeHint();
}

void QtMaterialDialogProxy::makeOpaque()
{
    m_dialog->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    m_layout->setCurrentIndex(0);
    m_opacity = 1.0;
    m_mode = Opaque;
    update();
}

void QtMaterialDialogProxy::makeTransparent()
{
    m_opacity = 0.0;
    m_mode = Transparent;
    update();
}

bool QtMaterialDialogProxy::event(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize) {
        m_source->setGeometry(geometry());
    }
    return QWidget::event(event);
}

void QtMaterialDialogProxy::paintEvent(QPaintEvent *)
{
    if (m_mode == Transparent) {
        return;
    }

    QPainter painter(this);
    painter.setOpacity(m_mode == SemiTransparent ? m_opacity : 1.0);
    const QPixmap snapshot = m_source->grab(m_source->rect());
    painter.drawPixmap(0, 0, snapshot);
}
