#include "materialwidgets/qtmaterialgroupbox.h"

#include "materialwidgets/qtmaterialgroupbox_p.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

QtMaterialGroupBoxPrivate::QtMaterialGroupBoxPrivate(QtMaterialGroupBox *q) : q_ptr(q) {}

QtMaterialGroupBoxPrivate::~QtMaterialGroupBoxPrivate() = default;

void QtMaterialGroupBoxPrivate::init()
{
    fontIndex = 8;
    useThemeColors = true;
    applyPalette();
    applyFont();
}

void QtMaterialGroupBoxPrivate::applyPalette()
{
    Q_Q(QtMaterialGroupBox);
    // Children without a palette of their own inherit this text colour.
    QPalette palette(q->palette());
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(q->textColor(), Qt::SolidPattern));
    q->setPalette(palette);
}

void QtMaterialGroupBoxPrivate::applyFont()
{
    Q_Q(QtMaterialGroupBox);
    q->setFont(QtMaterialStyle::instance().themeFont(fontIndex));
}

QtMaterialGroupBox::QtMaterialGroupBox(QWidget *parent) : QGroupBox(parent), d_ptr(new QtMaterialGroupBoxPrivate(this))
{
    d_func()->init();
}

QtMaterialGroupBox::QtMaterialGroupBox(const QString &title, QWidget *parent)
    : QGroupBox(title, parent), d_ptr(new QtMaterialGroupBoxPrivate(this))
{
    d_func()->init();
}

QtMaterialGroupBox::QtMaterialGroupBox(const QString &title, int fontIndex, QWidget *parent)
    : QtMaterialGroupBox(title, parent)
{
    setFontIndex(fontIndex);
}

QtMaterialGroupBox::~QtMaterialGroupBox() = default;

void QtMaterialGroupBox::setFontIndex(int index)
{
    Q_D(QtMaterialGroupBox);
    d->fontIndex = index;
    d->applyFont();
}

int QtMaterialGroupBox::fontIndex() const
{
    return d_func()->fontIndex;
}

void QtMaterialGroupBox::setUseThemeColors(bool value)
{
    Q_D(QtMaterialGroupBox);
    if (d->useThemeColors == value) {
        return;
    }
    d->useThemeColors = value;
    d->applyPalette();
    d->applyFont();
}

bool QtMaterialGroupBox::useThemeColors() const
{
    return d_func()->useThemeColors;
}

void QtMaterialGroupBox::setTextColor(const QColor &color)
{
    Q_D(QtMaterialGroupBox);
    d->textColor = color;
    d->useThemeColors = false;
    d->applyPalette();
}

QColor QtMaterialGroupBox::textColor() const
{
    Q_D(const QtMaterialGroupBox);
    if (!d->useThemeColors && d->textColor.isValid()) {
        return d->textColor;
    }
    return QtMaterialStyle::instance().themeColor(10);
}

bool QtMaterialGroupBox::event(QEvent *event)
{
    if (event->type() == QEvent::StyleChange) {
        Q_D(QtMaterialGroupBox);
        d->applyPalette();
        d->applyFont();
    }
    return QGroupBox::event(event);
}

void QtMaterialGroupBox::paintEvent(QPaintEvent *event)
{
    // The platform styles size the title by its glyphs alone and clip the text to that size, while the text
    // is drawn with the font's letter spacing (0.5 px a letter in the body font): its end would be cut off.
    QFont unspaced(font());
    unspaced.setLetterSpacing(QFont::PercentageSpacing, 100);
    const int spacing = fontMetrics().horizontalAdvance(title()) - QFontMetrics(unspaced).horizontalAdvance(title());
    if (title().isEmpty() || spacing <= 0) {
        QGroupBox::paintEvent(event);
        return;
    }

    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QRect titleRect = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    const Qt::Alignment horizontal =
        QStyle::visualAlignment(layoutDirection(), option.textAlignment) & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter) {
        titleRect.adjust(-spacing / 2, 0, spacing - spacing / 2, 0);
    } else if (horizontal & Qt::AlignRight) {
        titleRect.adjust(-spacing, 0, 0, 0);
    } else {
        titleRect.adjust(0, 0, spacing, 0);
    }

    option.subControls &= ~QStyle::SC_GroupBoxLabel;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);

    int flags = Qt::TextShowMnemonic | Qt::AlignLeft | int(option.textAlignment & Qt::AlignVertical_Mask);
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)) {
        flags |= Qt::TextHideMnemonic;
    }
    painter.setPen(QPen(option.palette.windowText(), 1));
    style()->drawItemText(&painter, titleRect, flags, option.palette, isEnabled(), title(), QPalette::NoRole);
}
