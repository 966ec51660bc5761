#include "materialwidgets/qtmaterialcircularprogress.h"

#include "materialwidgets/qtmaterialcircularprogressdelegate.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

class QtMaterialCircularProgressPrivate
{
    Q_DISABLE_COPY(QtMaterialCircularProgressPrivate)
    Q_DECLARE_PUBLIC(QtMaterialCircularProgress)

public:
    explicit QtMaterialCircularProgressPrivate(QtMaterialCircularProgress *q) : q_ptr(q) {}

    void init();

    QtMaterialCircularProgress *const q_ptr;
    QtMaterialCircularProgressDelegate *delegate = nullptr;
    int progressType = Material::ProgressEndless;
    QColor color;
    qreal penWidth = 6.25;
    int size = 64;
    bool useThemeColors = true;
};

void QtMaterialCircularProgressPrivate::init()
{
    Q_Q(QtMaterialCircularProgress);

    delegate = new QtMaterialCircularProgressDelegate(q);
    progressType = Material::ProgressEndless;
    penWidth = 6.25;
    size = 64;
    useThemeColors = true;

    q->setSizePolicy(QSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding));

    auto *group = new QParallelAnimationGroup(q);
    group->setLoopCount(-1);

    auto *animation = new QPropertyAnimation(q);
    animation->setPropertyName("dashLength");
    animation->setTargetObject(delegate);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    animation->setStartValue(0.1);
    animation->setKeyValueAt(0.15, 0.2);
    animation->setKeyValueAt(0.6, 20);
    animation->setKeyValueAt(0.7, 20);
    animation->setEndValue(20);
    animation->setDuration(2050);
    group->addAnimation(animation);

    animation = new QPropertyAnimation(q);
    animation->setPropertyName("dashOffset");
    animation->setTargetObject(delegate);
    animation->setEasingCurve(QEasingCurve::InOutSine);
    animation->setStartValue(0);
    animation->setKeyValueAt(0.15, 0);
    animation->setKeyValueAt(0.6, -7);
    animation->setKeyValueAt(0.7, -7);
    animation->setEndValue(-25);
    animation->setDuration(2050);
    group->addAnimation(animation);

    animation = new QPropertyAnimation(q);
    animation->setPropertyName("angle");
    animation->setTargetObject(delegate);
    animation->setStartValue(0);
    animation->setEndValue(719);
    animation->setDuration(2050);
    group->addAnimation(animation);

    group->start();
}

QtMaterialCircularProgress::QtMaterialCircularProgress(QWidget *parent)
    : QProgressBar(parent), d_ptr(new QtMaterialCircularProgressPrivate(this))
{
    d_func()->init();
}

QtMaterialCircularProgress::~QtMaterialCircularProgress() = default;

void QtMaterialCircularProgress::setProgressType(Material::ProgressType type)
{
    Q_D(QtMaterialCircularProgress);
    d->progressType = type;
    update();
}

Material::ProgressType QtMaterialCircularProgress::progressType() const
{
    return Material::ProgressType(d_func()->progressType);
}

void QtMaterialCircularProgress::setUseThemeColors(bool value)
{
    Q_D(QtMaterialCircularProgress);
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    update();
}

bool QtMaterialCircularProgress::useThemeColors() const
{
    return d_func()->useThemeColors;
}

void QtMaterialCircularProgress::setLineWidth(qreal width)
{
    Q_D(QtMaterialCircularProgress);
    d->penWidth = width;
    update();
    updateGeometry();
}

qreal QtMaterialCircularProgress::lineWidth() const
{
    return d_func()->penWidth;
}

void QtMaterialCircularProgress::setSize(int size)
{
    Q_D(QtMaterialCircularProgress);
    d->size = size;
    update();
    updateGeometry();
}

int QtMaterialCircularProgress::size() const
{
    return d_func()->size;
}

void QtMaterialCircularProgress::setColor(const QColor &color)
{
    Q_D(QtMaterialCircularProgress);
    d->color = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialCircularProgress::color() const
{
    Q_D(const QtMaterialCircularProgress);
    if (!d->useThemeColors && d->color.isValid()) {
        return d->color;
    }
    return QtMaterialStyle::instance().themeColor(0);
}

QtMaterialCircularProgressDelegate *QtMaterialCircularProgress::delegate() const
{
    return d_func()->delegate;
}

int QtMaterialCircularProgress::valueSpan() const
{
    const qint64 range = qint64(maximum()) - minimum();
    if (range == 0) {
        // A bar without a range has nothing to show.
        return 0;
    }
    return int(-16.0 * 360 * (qint64(value()) - minimum()) / range);
}

QSize QtMaterialCircularProgress::sizeHint() const
{
    Q_D(const QtMaterialCircularProgress);
    const int s = int(d->size + d->penWidth + 8);
    return QSize(s, s);
}

void QtMaterialCircularProgress::paintEvent(QPaintEvent *)
{
    Q_D(QtMaterialCircularProgress);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    if (!isEnabled()) {
        QPen pen;
        pen.setCapStyle(Qt::RoundCap);
        pen.setWidthF(d->penWidth);
        pen.setColor(QtMaterialStyle::instance().themeColor(11));
        painter.setPen(pen);

        const QPoint c = rect().center();
        painter.drawLine(c.x() - 20, c.y() - 20, c.x() + 20, c.y() + 20);
        painter.drawLine(c.x() + 20, c.y() - 20, c.x() - 20, c.y() + 20);
        return;
    }

    QPen pen;
    pen.setCapStyle(Qt::RoundCap);
    pen.setWidthF(d->penWidth);
    pen.setColor(color());

    if (d->progressType == Material::ProgressEndless) {
        painter.translate(width() / 2, height() / 2);
        painter.rotate(d->delegate->angle());

        pen.setDashPattern({d->size * d->delegate->dashLength() / 50, qreal(d->size * 30 / 50)});
        pen.setDashOffset(d->size * d->delegate->dashOffset() / 50);
        painter.setPen(pen);

        const int half = d->size / 2;
        painter.drawEllipse(QRect(QPoint(-half, -half), QPoint(half - 1, half - 1)));
    } else {
        painter.setPen(pen);

        const QRectF r(int((width() - d->size) * 0.5), int((height() - d->size) * 0.5), d->size, d->size);
        const int span = valueSpan();
        if (span != 0) {
            painter.drawArc(r, 90 * 16, span);
        }
    }
}
