#include "materialwidgets/qtmaterialbadge.h"

#include "materialwidgets/qtmaterialstyle.h"

#include <QPainter>

class QtMaterialBadgePrivate
{
    Q_DISABLE_COPY(QtMaterialBadgePrivate)
    Q_DECLARE_PUBLIC(QtMaterialBadge)

public:
    explicit QtMaterialBadgePrivate(QtMaterialBadge *q) : q_ptr(q) {}

    void init();

    QtMaterialBadge *const q_ptr;
    QString text;
    QColor textColor;
    QColor backgroundColor;
    QSize textSize;
    QIcon icon;
    QPointF relativePosition;
    int textMargin = 10;
    bool useThemeColors = true;
};

void QtMaterialBadgePrivate::init()
{
    Q_Q(QtMaterialBadge);

    textMargin = 10;
    useThemeColors = true;

    q->setAttribute(Qt::WA_TransparentForMouseEvents);

    QFont f(q->font());
    f.setPointSizeF(10);
    f.setStyleName(QStringLiteral("Bold"));
    q->setFont(f);

    q->setText(QStringLiteral("+1"));
}

QtMaterialBadge::QtMaterialBadge(QWidget *parent)
    : QtMaterialOverlayWidget(parent), d_ptr(new QtMaterialBadgePrivate(this))
{
    d_func()->init();
}

QtMaterialBadge::QtMaterialBadge(const QIcon &icon, QWidget *parent) : QtMaterialBadge(parent)
{
    setIcon(icon);
}

QtMaterialBadge::QtMaterialBadge(const QString &text, QWidget *parent) : QtMaterialBadge(parent)
{
    setText(text);
}

QtMaterialBadge::~QtMaterialBadge() = default;

void QtMaterialBadge::setUseThemeColors(bool value)
{
    Q_D(QtMaterialBadge);
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    update();
}

bool QtMaterialBadge::useThemeColors() const
{
    return d_func()->useThemeColors;
}

void QtMaterialBadge::setTextColor(const QColor &color)
{
    Q_D(QtMaterialBadge);
    d->textColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialBadge::textColor() const
{
    Q_D(const QtMaterialBadge);
    if (!d->useThemeColors && d->textColor.isValid()) {
        return d->textColor;
    }
    return QtMaterialStyle::instance().themeColor(10);
}

void QtMaterialBadge::setBackgroundColor(const QColor &color)
{
    Q_D(QtMaterialBadge);
    d->backgroundColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialBadge::backgroundColor() const
{
    Q_D(const QtMaterialBadge);
    if (!d->useThemeColors && d->backgroundColor.isValid()) {
        return d->backgroundColor;
    }
    return QtMaterialStyle::instance().themeColor(4);
}

void QtMaterialBadge::setRelativePosition(const QPointF &pos)
{
    Q_D(QtMaterialBadge);
    d->relativePosition = pos;
    update();
}

void QtMaterialBadge::setRelativePosition(qreal x, qreal y)
{
    setRelativePosition(QPointF(x, y));
}

QPointF QtMaterialBadge::relativePosition() const
{
    return d_func()->relativePosition;
}

QSize QtMaterialBadge::sizeHint() const
{
    const int s = diameter() + 4;
    return QSize(s, s);
}

void QtMaterialBadge::setIcon(const QIcon &icon)
{
    Q_D(QtMaterialBadge);
    d->icon = icon;
    update();
}

QIcon QtMaterialBadge::icon() const
{
    return d_func()->icon;
}

void QtMaterialBadge::setText(const QString &text)
{
    Q_D(QtMaterialBadge);
    d->text = text;
    if (!d->icon.isNull()) {
        d->icon = QIcon();
    }
    d->textSize = fontMetrics().size(Qt::TextShowMnemonic, text);
    update();
}

QString QtMaterialBadge::text() const
{
    return d_func()->text;
}

int QtMaterialBadge::diameter() const
{
    Q_D(const QtMaterialBadge);
    if (!d->icon.isNull()) {
        return 24;
    }
    return qMax(d->textSize.width(), d->textSize.height()) + d->textMargin;
}

void QtMaterialBadge::paintEvent(QPaintEvent *)
{
    Q_D(QtMaterialBadge);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(d->relativePosition);

    painter.setBrush(isEnabled() ? backgroundColor() : QtMaterialStyle::instance().themeColor(12));
    painter.setPen(Qt::NoPen);

    const int s = diameter();
    const QRectF r((width() - s) * 0.5, (height() - s) * 0.5, s, s);
    painter.drawEllipse(r);

    if (d->icon.isNull()) {
        painter.setPen(textColor());
        painter.setBrush(Qt::NoBrush);
        painter.drawText(r.translated(0, -0.5), Qt::AlignCenter, d->text);
    } else {
        QPixmap pixmap = d->icon.pixmap(16, 16, QIcon::Normal, QIcon::Off);
        QPainter tint(&pixmap);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(pixmap.rect(), textColor());
        tint.end();
        const QRectF target(r.x() + s * 0.5 - 8, r.y() + s * 0.5 - 8, 16, 16);
        painter.drawPixmap(target.toRect(), pixmap);
    }
}
