#include "materialwidgets/qtmaterialpaper.h"

#include "materialwidgets/qtmaterialstyle.h"

#include <QPainter>

class QtMaterialPaperPrivate
{
    Q_DISABLE_COPY(QtMaterialPaperPrivate)
    Q_DECLARE_PUBLIC(QtMaterialPaper)

public:
    explicit QtMaterialPaperPrivate(QtMaterialPaper *q) : q_ptr(q) {}

    QtMaterialPaper *const q_ptr;
    bool useThemeColors = true;
    QColor backgroundColor;
};

QtMaterialPaper::QtMaterialPaper(QWidget *parent) : QWidget(parent), d_ptr(new QtMaterialPaperPrivate(this)) {}

QtMaterialPaper::~QtMaterialPaper() = default;

void QtMaterialPaper::setUseThemeColors(bool value)
{
    Q_D(QtMaterialPaper);
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    update();
}

bool QtMaterialPaper::useThemeColors() const
{
    return d_func()->useThemeColors;
}

void QtMaterialPaper::setBackgroundColor(const QColor &color)
{
    Q_D(QtMaterialPaper);
    d->backgroundColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialPaper::backgroundColor() const
{
    Q_D(const QtMaterialPaper);
    if (!d->useThemeColors && d->backgroundColor.isValid()) {
        return d->backgroundColor;
    }
    // Light canvases get a darker sheet, dark ones a lighter sheet.
    const QColor canvas = QtMaterialStyle::instance().themeColor(10);
    return canvas.black() >= 128 ? canvas.lighter(130) : canvas.darker(120);
}

void QtMaterialPaper::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(backgroundColor());
    painter.drawRoundedRect(QRect(0, 0, width(), height()), 5, 5, Qt::AbsoluteSize);
}
