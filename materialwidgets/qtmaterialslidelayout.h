#pragma once
// A stacked layout that can change its current widget with a horizontal slide of the old and the new widget.

#include <QEasingCurve>
#include <QScopedPointer>
#include <QStackedLayout>

class QtMaterialSlideLayoutPrivate;

class QtMaterialSlideLayout : public QStackedLayout
{
    Q_OBJECT

    Q_PROPERTY(uint animationDuration WRITE setAnimationDuration READ animationDuration)
    Q_PROPERTY(QEasingCurve::Type animationType WRITE setAnimationType READ animationType)
    Q_PROPERTY(Qt::Orientation orientation WRITE setOrientation READ orientation)

public:
    explicit QtMaterialSlideLayout(QWidget *parent = nullptr);
    explicit QtMaterialSlideLayout(QLayout *parentLayout);
    ~QtMaterialSlideLayout() override;

    void setAnimationDuration(uint duration);
    uint animationDuration() const;

    void setAnimationType(QEasingCurve::Type type);
    QEasingCurve::Type animationType() const;

    // Kept and reported only: slides always run horizontally.
    void setOrientation(Qt::Orientation orientation);
    Qt::Orientation orientation() const;

    void setGeometry(const QRect &rect) override;

public slots:
    void slideToWidget(QWidget *widget);
    void slideToIndex(int index);

private:
    Q_DISABLE_COPY(QtMaterialSlideLayout)
    Q_DECLARE_PRIVATE(QtMaterialSlideLayout)

    const QScopedPointer<QtMaterialSlideLayoutPrivate> d_ptr;
};
