#include "materialwidgets/qtmaterializerlabel.h"

#include "materialwidgets/qtmaterialstyle.h"

#include <QEvent>
#include <QWidget>

QtMaterializerLabel::QtMaterializerLabel(QObject *parent) : QObject(parent), m_widget(qobject_cast<QWidget *>(parent))
{
    applyPalette();
    applyFont();
    if (m_widget) {
        m_widget->installEventFilter(this);
    }
}

QtMaterializerLabel::~QtMaterializerLabel() = default;

bool QtMaterializerLabel::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == m_widget && event->type() == QEvent::StyleChange) {
        applyPalette();
        applyFont();
    }
    return QObject::eventFilter(obj, event);
}

void QtMaterializerLabel::applyPalette()
{
    if (!m_widget) {
        return;
    }
    QPalette palette(m_widget->palette());
    palette.setColor(QPalette::All, QPalette::WindowText, QtMaterialStyle::instance().themeColor(8));
    m_widget->setPalette(palette);
}

void QtMaterializerLabel::applyFont()
{
    if (m_widget) {
        m_widget->setFont(QtMaterialStyle::instance().themeFont(8));
    }
}

QWidget *materializeLabel(QWidget *widget)
{
    new QtMaterializerLabel(widget);
    return widget;
}
