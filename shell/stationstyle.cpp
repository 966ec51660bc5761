#include "shell/stationstyle.h"

#include <QIconEngine>
#include <QPointer>

namespace {

// Stands for one of a style's standard icons, asking the style for it on first use.
class DeferredStandardIcon : public QIconEngine
{
public:
    DeferredStandardIcon(QStyle *from, QStyle::StandardPixmap pixmap) : style(from), which(pixmap) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return real().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return real().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) const override
    {
        return real().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new DeferredStandardIcon(*this); }
    QString key() const override { return QStringLiteral("DeferredStandardIcon"); }

    void virtual_hook(int id, void *data) override
    {
        // Asked while bars are laid out: answered without reading the icon (the platform's style has it).
        if (id == QIconEngine::IsNullHook) {
            *static_cast<bool *>(data) = style.isNull();
            return;
        }
        QIconEngine::virtual_hook(id, data);
    }

private:
    const QIcon &real() const
    {
        if (!loaded) {
            loaded = true;
            if (style)
                icon = style->standardIcon(which);
        }
        return icon;
    }

    QPointer<QStyle> style;
    QStyle::StandardPixmap which;
    mutable bool loaded = false;
    mutable QIcon icon;
};

} // namespace

StationStyle::StationStyle() = default;

QIcon StationStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option, const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton || standardIcon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredStandardIcon(baseStyle(), standardIcon));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
