#pragma once
// A horizontal progress bar: a 6 px rounded track filled from the left by value, or crossed by an endless stripe.

#include "materialwidgets/qtmaterialtheme.h"

#include <QProgressBar>
#include <QScopedPointer>

class QtMaterialProgressDelegate;
class QtMaterialProgressPrivate;

class QtMaterialProgress : public QProgressBar
{
    Q_OBJECT

    Q_PROPERTY(Material::ProgressType progressType WRITE setProgressType READ progressType)
    Q_PROPERTY(QColor progressColor WRITE setProgressColor READ progressColor)
    Q_PROPERTY(QColor backgroundColor WRITE setBackgroundColor READ backgroundColor)

public:
    explicit QtMaterialProgress(QWidget *parent = nullptr);
    ~QtMaterialProgress() override;

    void setProgressType(Material::ProgressType type);
    Material::ProgressType progressType() const;

    void setUseThemeColors(bool state);
    bool useThemeColors() const;

    void setProgressColor(const QColor &color);
    QColor progressColor() const;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

    QtMaterialProgressDelegate *delegate() const;

    // Width in pixels of the by-value fill for a bar width w; 0 for an empty range.
    int filledWidth(int w) const;

protected:
    void paintEvent(QPaintEvent *event) override;

    const QScopedPointer<QtMaterialProgressPrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialProgress)
    Q_DECLARE_PRIVATE(QtMaterialProgress)
};
