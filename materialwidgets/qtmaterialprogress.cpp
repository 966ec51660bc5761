#include "materialwidgets/qtmaterialprogress.h"

#include "materialwidgets/qtmaterialprogressdelegate.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>

class QtMaterialProgressPrivate
{
    Q_DISABLE_COPY(QtMaterialProgressPrivate)
    Q_DECLARE_PUBLIC(QtMaterialProgress)

public:
    explicit QtMaterialProgressPrivate(QtMaterialProgress *q) : q_ptr(q) {}

    void init();

    QtMaterialProgress *const q_ptr;
    QtMaterialProgressDelegate *delegate = nullptr;
    int progressType = Material::ProgressEndless;
    QColor progressColor;
    QColor backgroundColor;
    bool useThemeColors = true;
};

void QtMaterialProgressPrivate::init()
{
    Q_Q(QtMaterialProgress);

    delegate = new QtMaterialProgressDelegate(q);
    progressType = Material::ProgressEndless;
    useThemeColors = true;

    auto *animation = new QPropertyAnimation(q);
    animation->setPropertyName("offset");
    animation->setTargetObject(delegate);
    animation->setStartValue(0);
    animation->setEndValue(1);
    animation->setDuration(1000);
    animation->setLoopCount(-1);
    animation->start();
}

QtMaterialProgress::QtMaterialProgress(QWidget *parent)
    : QProgressBar(parent), d_ptr(new QtMaterialProgressPrivate(this))
{
    d_func()->init();
}

QtMaterialProgress::~QtMaterialProgress() = default;

void QtMaterialProgress::setProgressType(Material::ProgressType type)
{
    Q_D(QtMaterialProgress);
    d->progressType = type;
    update();
}

Material::ProgressType QtMaterialProgress::progressType() const
{
    return Material::ProgressType(d_func()->progressType);
}

void QtMaterialProgress::setUseThemeColors(bool state)
{
    Q_D(QtMaterialProgress);
    if (d->useThemeColors == state) {
        return;
    }
    d->useThemeColors = state;
    update();
}

bool QtMaterialProgress::useThemeColors() const
{
    return d_func()->useThemeColors;
}

void QtMaterialProgress::setProgressColor(const QColor &color)
{
    Q_D(QtMaterialProgress);
    d->progressColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialProgress::progressColor() const
{
    Q_D(const QtMaterialProgress);
    if (!d->useThemeColors && d->progressColor.isValid()) {
        return d->progressColor;
    }
    return QtMaterialStyle::instance().themeColor(0);
}

void QtMaterialProgress::setBackgroundColor(const QColor &color)
{
    Q_D(QtMaterialProgress);
    d->backgroundColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialProgress::backgroundColor() const
{
    Q_D(const QtMaterialProgress);
    if (!d->useThemeColors && d->backgroundColor.isValid()) {
        return d->backgroundColor;
    }
    return QtMaterialStyle::instance().themeColor(11);
}

QtMaterialProgressDelegate *QtMaterialProgress::delegate() const
{
    return d_func()->delegate;
}

int QtMaterialProgress::filledWidth(int w) const
{
    const qint64 range = qint64(maximum()) - minimum();
    if (range == 0) {
        // A bar without a range has nothing to show.
        return 0;
    }
    return int((qint64(value()) - minimum()) * w / range);
}

void QtMaterialProgress::paintEvent(QPaintEvent *)
{
    Q_D(QtMaterialProgress);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isEnabled() ? backgroundColor() : QtMaterialStyle::instance().themeColor(12));

    QPainterPath track;
    track.addRoundedRect(0, height() / 2 - 3, width(), 6, 3, 3);
    painter.setClipPath(track);
    painter.drawRect(0, 0, width(), height());

    if (!isEnabled()) {
        return;
    }

    painter.setBrush(progressColor());

    if (d->progressType == Material::ProgressEndless) {
        const int o = int(width() * d->delegate->offset() * 2 - width());
        painter.drawRect(o, 0, width(), height());
    } else {
        painter.drawRect(0, 0, filledWidth(width()), height());
    }
}
