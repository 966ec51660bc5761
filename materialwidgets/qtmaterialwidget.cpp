#include "materialwidgets/qtmaterialwidget.h"

#include "materialwidgets/qtmaterialstyle.h"

#include <QPainter>

class QtMaterialWidgetPrivate
{
    Q_DISABLE_COPY(QtMaterialWidgetPrivate)
    Q_DECLARE_PUBLIC(QtMaterialWidget)

public:
    explicit QtMaterialWidgetPrivate(QtMaterialWidget *q) : q_ptr(q) {}

    QtMaterialWidget *const q_ptr;
    bool useThemeColors = true;
    QColor backgroundColor;
};

QtMaterialWidget::QtMaterialWidget(QWidget *parent) : QWidget(parent), d_ptr(new QtMaterialWidgetPrivate(this)) {}

QtMaterialWidget::~QtMaterialWidget() = default;

void QtMaterialWidget::setUseThemeColors(bool value)
{
    Q_D(QtMaterialWidget);
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    update();
}

bool QtMaterialWidget::useThemeColors() const
{
    return d_func()->useThemeColors;
}

void QtMaterialWidget::setBackgroundColor(const QColor &color)
{
    Q_D(QtMaterialWidget);
    d->backgroundColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialWidget::backgroundColor() const
{
    Q_D(const QtMaterialWidget);
    if (!d->useThemeColors && d->backgroundColor.isValid()) {
        return d->backgroundColor;
    }
    return QtMaterialStyle::instance().themeColor(10);
}

void QtMaterialWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor());
}
