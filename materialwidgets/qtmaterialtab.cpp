#include "materialwidgets/qtmaterialtab.h"

#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtabs.h"

#include <QPainter>

#include <cmath>

QtMaterialTab::QtMaterialTab(QtMaterialTabs *parent) : QtMaterialFlatButton(parent), m_tabs(parent)
{
    setMinimumHeight(50);
    setCornerRadius(0);
    setRole(Material::MainRole);
    setType(Material::FillButton);
    setBaseOpacity(0.25);
}

void QtMaterialTab::setActive(bool state)
{
    m_active = state;
    update();
}

void QtMaterialTab::setIconPath(const QString &path)
{
    m_iconPath = path;
    m_hasIconPath = true;
    update();
}

QSize QtMaterialTab::sizeHint() const
{
    if (icon().isNull())
        return QtMaterialFlatButton::sizeHint();
    return QSize(fontMetrics().size(Qt::TextSingleLine, text()).width() + 20, iconSize().height() + 46);
}

void QtMaterialTab::drawForeground(QPainter *painter)
{
    const int w = width();
    const int h = height();
    const QSize textSize = fontMetrics().size(Qt::TextSingleLine, text());
    const int tw = textSize.width();
    const int th = textSize.height();

    painter->setPen(foregroundColor());

    // Halves round upward, also when the text is wider than the tab.
    QRect textRect(int(std::floor((w - tw) * 0.5 + 0.5)), int(std::floor((h - th) * 0.5 + 0.5)), tw, th);

    if (!icon().isNull()) {
        const QSize is = iconSize();
        const QRect iconRect((w - is.width()) / 2, (h - th - is.height()) / 2, is.width(), is.height());
        if (m_hasIconPath) {
            const QImage image(m_iconPath);
            painter->drawImage(iconRect, image, image.rect());
        } else {
            QPixmap pixmap = icon().pixmap(is, QIcon::Normal, QIcon::Off);
            QPainter tint(&pixmap);
            tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
            tint.fillRect(pixmap.rect(), painter->pen().color());
            tint.end();
            painter->drawPixmap(iconRect, pixmap);
        }
        textRect = QRect((w - tw) / 2, h - th, tw, th);
    }

    if (m_active) {
        // A crisp line on the last row; antialiased it would smear over two rows at half strength.
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QtMaterialStyle::instance().themeColor(4));
        painter->drawLine(0, h - 1, w - 1, h - 1);
        painter->restore();
        painter->setPen(QColor("#ABD265"));
    }

    painter->drawText(textRect, Qt::AlignHCenter | Qt::AlignVCenter, text());

    if (!m_active) {
        painter->setOpacity(0.36);
        painter->fillRect(rect(), backgroundColor());
        painter->setOpacity(1);
    }
}
