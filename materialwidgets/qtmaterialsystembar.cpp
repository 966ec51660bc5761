#include "materialwidgets/qtmaterialsystembar.h"

#include "materialwidgets/qtmaterialstyle.h"

#include <QBasicTimer>
#include <QDateTime>
#include <QEvent>
#include <QPainter>

class QtMaterialSystemBarPrivate
{
    Q_DISABLE_COPY(QtMaterialSystemBarPrivate)
    Q_DECLARE_PUBLIC(QtMaterialSystemBar)

public:
    explicit QtMaterialSystemBarPrivate(QtMaterialSystemBar *q) : q_ptr(q), timer(new QBasicTimer) {}
    ~QtMaterialSystemBarPrivate()
    {
        if (timer->isActive()) {
            timer->stop();
        }
        delete timer;
    }

    QtMaterialSystemBar *const q_ptr;
    QBasicTimer *timer;
    QString dateTimeFormat = QStringLiteral("dd/MM/yyyy hh:mm:ss");
    bool useThemeColors = true;
    QColor backgroundColor;
    QColor textColor;
};

QtMaterialSystemBar::QtMaterialSystemBar(QWidget *parent) : QWidget(parent), d_ptr(new QtMaterialSystemBarPrivate(this))
{
    Q_D(QtMaterialSystemBar);
    // Very coarse timers keep whole-second accuracy, so the clock still advances about once a second.
    d->timer->start(500, Qt::VeryCoarseTimer, this);
    setSizePolicy(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed));
    setFont(QtMaterialStyle::instance().themeFont(8));
}

QtMaterialSystemBar::~QtMaterialSystemBar() = default;

void QtMaterialSystemBar::setUseThemeColors(bool value)
{
    Q_D(QtMaterialSystemBar);
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    update();
}

bool QtMaterialSystemBar::useThemeColors() const
{
    return d_func()->useThemeColors;
}

void QtMaterialSystemBar::setBackgroundColor(const QColor &color)
{
    Q_D(QtMaterialSystemBar);
    d->backgroundColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialSystemBar::backgroundColor() const
{
    Q_D(const QtMaterialSystemBar);
    if (!d->useThemeColors && d->backgroundColor.isValid()) {
        return d->backgroundColor;
    }
    return QtMaterialStyle::instance().themeColor(2);
}

void QtMaterialSystemBar::setTextColor(const QColor &color)
{
    Q_D(QtMaterialSystemBar);
    d->textColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialSystemBar::textColor() const
{
    Q_D(const QtMaterialSystemBar);
    if (!d->useThemeColors && d->textColor.isValid()) {
        return d->textColor;
    }
    return QtMaterialStyle::instance().themeColor(1);
}

void QtMaterialSystemBar::setDateTimeFormat(const QString &format)
{
    Q_D(QtMaterialSystemBar);
    d->dateTimeFormat = format;
    update();
}

QString QtMaterialSystemBar::dateTimeFormat() const
{
    return d_func()->dateTimeFormat;
}

QString QtMaterialSystemBar::textAt(const QDateTime &moment) const
{
    return moment.toString(d_func()->dateTimeFormat);
}

QSize QtMaterialSystemBar::sizeHint() const
{
    return QSize(-1, fontMetrics().height() + 10);
}

bool QtMaterialSystemBar::event(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    return QWidget::event(event);
}

void QtMaterialSystemBar::timerEvent(QTimerEvent *)
{
    update();
}

void QtMaterialSystemBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.fillRect(rect(), backgroundColor());
    painter.setPen(textColor());
    painter.drawText(rect(), Qt::AlignCenter, textAt(QDateTime::currentDateTime()));
}
