#pragma once
// A small round marker (a short text or a 16 px icon) drawn over the centre of its parent, shifted at will.

#include "materialwidgets/qtmaterialoverlaywidget.h"

#include <QIcon>
#include <QScopedPointer>

class QtMaterialBadgePrivate;

class QtMaterialBadge : public QtMaterialOverlayWidget
{
    Q_OBJECT

    Q_PROPERTY(QColor textColor WRITE setTextColor READ textColor)
    Q_PROPERTY(QColor backgroundColor WRITE setBackgroundColor READ backgroundColor)
    Q_PROPERTY(QPointF relativePosition WRITE setRelativePosition READ relativePosition)
    Q_PROPERTY(QString text WRITE setText READ text)
    Q_PROPERTY(QIcon icon WRITE setIcon READ icon)

public:
    explicit QtMaterialBadge(QWidget *parent = nullptr);
    explicit QtMaterialBadge(const QIcon &icon, QWidget *parent = nullptr);
    explicit QtMaterialBadge(const QString &text, QWidget *parent = nullptr);
    ~QtMaterialBadge() override;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setTextColor(const QColor &color);
    QColor textColor() const;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

    void setRelativePosition(const QPointF &pos);
    void setRelativePosition(qreal x, qreal y);
    QPointF relativePosition() const;

    QSize sizeHint() const override;

    // The icon is shown instead of the text; the text stays.
    void setIcon(const QIcon &icon);
    QIcon icon() const;

    // Drops the icon and measures the text in the badge font.
    void setText(const QString &text);
    QString text() const;

protected:
    void paintEvent(QPaintEvent *event) override;

    int diameter() const;

    const QScopedPointer<QtMaterialBadgePrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialBadge)
    Q_DECLARE_PRIVATE(QtMaterialBadge)
};
