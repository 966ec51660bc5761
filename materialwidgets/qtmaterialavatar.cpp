#include "materialwidgets/qtmaterialavatar.h"

#include "materialwidgets/qtmaterialstyle.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>

class QtMaterialAvatarPrivate
{
    Q_DISABLE_COPY(QtMaterialAvatarPrivate)
    Q_DECLARE_PUBLIC(QtMaterialAvatar)

public:
    explicit QtMaterialAvatarPrivate(QtMaterialAvatar *q) : q_ptr(q) {}

    void init();

    QtMaterialAvatar *const q_ptr;
    int size = 40;
    int kind = QtMaterialAvatar::LetterAvatar;
    QChar letter;
    QImage image;
    QIcon icon;
    QPixmap pixmap;
    bool useThemeColors = true;
    QColor textColor;
    QColor backgroundColor;
};

void QtMaterialAvatarPrivate::init()
{
    Q_Q(QtMaterialAvatar);

    size = 40;
    kind = QtMaterialAvatar::LetterAvatar;
    useThemeColors = true;

    QFont f(q->font());
    f.setPointSize(16);
    q->setFont(f);

    q->setSizePolicy(QSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding));
}

QtMaterialAvatar::QtMaterialAvatar(QWidget *parent) : QWidget(parent), d_ptr(new QtMaterialAvatarPrivate(this))
{
    d_func()->init();
}

QtMaterialAvatar::QtMaterialAvatar(const QIcon &icon, QWidget *parent) : QtMaterialAvatar(parent)
{
    setIcon(icon);
}

QtMaterialAvatar::QtMaterialAvatar(const QChar &letter, QWidget *parent) : QtMaterialAvatar(parent)
{
    setLetter(letter);
}

QtMaterialAvatar::QtMaterialAvatar(const QImage &image, QWidget *parent) : QtMaterialAvatar(parent)
{
    setImage(image);
}

QtMaterialAvatar::~QtMaterialAvatar() = default;

void QtMaterialAvatar::setUseThemeColors(bool value)
{
    Q_D(QtMaterialAvatar);
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    update();
}

bool QtMaterialAvatar::useThemeColors() const
{
    return d_func()->useThemeColors;
}

void QtMaterialAvatar::setTextColor(const QColor &color)
{
    Q_D(QtMaterialAvatar);
    d->textColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialAvatar::textColor() const
{
    Q_D(const QtMaterialAvatar);
    if (!d->useThemeColors && d->textColor.isValid()) {
        return d->textColor;
    }
    return QtMaterialStyle::instance().themeColor(10);
}

void QtMaterialAvatar::setBackgroundColor(const QColor &color)
{
    Q_D(QtMaterialAvatar);
    d->backgroundColor = color;
    d->useThemeColors = false;
    update();
}

QColor QtMaterialAvatar::backgroundColor() const
{
    Q_D(const QtMaterialAvatar);
    if (!d->useThemeColors && d->backgroundColor.isValid()) {
        return d->backgroundColor;
    }
    return QtMaterialStyle::instance().themeColor(0);
}

QSize QtMaterialAvatar::sizeHint() const
{
    const int s = d_func()->size;
    return QSize(s + 2, s + 2);
}

void QtMaterialAvatar::setSize(int size)
{
    Q_D(QtMaterialAvatar);
    d->size = size;
    if (!d->image.isNull()) {
        d->pixmap = QPixmap::fromImage(d->image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    QFont f(font());
    f.setPointSize(size * 16 / 40);
    setFont(f);
    update();
}

int QtMaterialAvatar::size() const
{
    return d_func()->size;
}

void QtMaterialAvatar::setLetter(const QChar &letter)
{
    Q_D(QtMaterialAvatar);
    d->kind = LetterAvatar;
    d->letter = letter;
    update();
    d->image = QImage();
    d->icon = QIcon();
}

QChar QtMaterialAvatar::letter() const
{
    return d_func()->letter;
}

void QtMaterialAvatar::setImage(const QImage &image)
{
    Q_D(QtMaterialAvatar);
    d->pixmap = QPixmap::fromImage(image.scaled(d->size, d->size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    d->image = image;
    d->kind = ImageAvatar;
    update();
    d->letter = QChar();
    d->icon = QIcon();
}

QImage QtMaterialAvatar::image() const
{
    return d_func()->image;
}

void QtMaterialAvatar::setIcon(const QIcon &icon)
{
    Q_D(QtMaterialAvatar);
    d->icon = icon;
    d->kind = IconAvatar;
    update();
    d->letter = QChar();
    d->image = QImage();
}

QIcon QtMaterialAvatar::icon() const
{
    return d_func()->icon;
}

int QtMaterialAvatar::kind() const
{
    return d_func()->kind;
}

QPixmap QtMaterialAvatar::scaledPixmap() const
{
    return d_func()->pixmap;
}

void QtMaterialAvatar::paintEvent(QPaintEvent *)
{
    Q_D(QtMaterialAvatar);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const int w = width();
    const int h = height();
    const int s = d->size;
    const int hs = s / 2;
    const QRectF disc((w - s) / 2, (h - s) / 2, s, s);

    if (!isEnabled()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QtMaterialStyle::instance().themeColor(12));
        painter.drawEllipse(disc);
        return;
    }

    if (d->kind != ImageAvatar) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(backgroundColor());
        painter.drawEllipse(disc);
    }

    switch (d->kind) {
    case ImageAvatar: {
        const QRect target(w / 2 - hs, h / 2 - hs, s, s);
        QPainterPath path;
        path.addEllipse(target);
        painter.setClipPath(path);
        painter.drawPixmap(target, d->pixmap);
        break;
    }
    case IconAvatar: {
        QPixmap pixmap = d->icon.pixmap(hs, hs, QIcon::Normal, QIcon::Off);
        QPainter tint(&pixmap);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(pixmap.rect(), textColor());
        tint.end();
        const QRect target(int((w - hs) * 0.5), int((h - hs) * 0.5), hs, hs);
        painter.drawPixmap(target, pixmap);
        break;
    }
    default:
        painter.setPen(textColor());
        painter.setBrush(Qt::NoBrush);
        painter.drawText(rect(), Qt::AlignCenter, QString(d->letter));
        break;
    }
}
