#pragma once
// A round progress ring: an endless travelling dash, or an arc from twelve o'clock in proportion to the value.

#include "materialwidgets/qtmaterialtheme.h"

#include <QProgressBar>
#include <QScopedPointer>

class QtMaterialCircularProgressDelegate;
class QtMaterialCircularProgressPrivate;

class QtMaterialCircularProgress : public QProgressBar
{
    Q_OBJECT

    Q_PROPERTY(Material::ProgressType progressType WRITE setProgressType READ progressType)
    Q_PROPERTY(qreal lineWidth WRITE setLineWidth READ lineWidth)
    Q_PROPERTY(int size WRITE setSize READ size)
    Q_PROPERTY(QColor color WRITE setColor READ color)

public:
    explicit QtMaterialCircularProgress(QWidget *parent = nullptr);
    ~QtMaterialCircularProgress() override;

    void setProgressType(Material::ProgressType type);
    Material::ProgressType progressType() const;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setLineWidth(qreal width);
    qreal lineWidth() const;

    void setSize(int size);
    int size() const;

    void setColor(const QColor &color);
    QColor color() const;

    QtMaterialCircularProgressDelegate *delegate() const;

    // Span of the by-value arc in sixteenths of a degree (negative runs clockwise); 0 for an empty range.
    int valueSpan() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

    const QScopedPointer<QtMaterialCircularProgressPrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialCircularProgress)
    Q_DECLARE_PRIVATE(QtMaterialCircularProgress)
};
