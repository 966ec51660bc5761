#pragma once
// An on/off toggle drawn as a rounded track with a sliding round thumb, a ripple at the thumb and a text beside it.

#include <QAbstractButton>
#include <QScopedPointer>

class QtMaterialSwitchPrivate;

class QtMaterialSwitch : public QAbstractButton
{
    Q_OBJECT

    Q_PROPERTY(Qt::Orientation orientation WRITE setOrientation READ orientation)
    Q_PROPERTY(QColor disabledColor WRITE setDisabledColor READ disabledColor)
    Q_PROPERTY(QColor activeColor WRITE setActiveColor READ activeColor)
    Q_PROPERTY(QColor inactiveColor WRITE setInactiveColor READ inactiveColor)
    Q_PROPERTY(QColor trackColor WRITE setTrackColor READ trackColor)
    Q_PROPERTY(QColor textColor WRITE setTextColor READ textColor)

public:
    explicit QtMaterialSwitch(QWidget *parent = nullptr);
    explicit QtMaterialSwitch(Qt::Orientation orientation, QWidget *parent = nullptr);
    ~QtMaterialSwitch() override;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setOrientation(Qt::Orientation orientation);
    Qt::Orientation orientation() const;

    void setDisabledColor(const QColor &color);
    QColor disabledColor() const;

    void setActiveColor(const QColor &color);
    QColor activeColor() const;

    void setInactiveColor(const QColor &color);
    QColor inactiveColor() const;

    void setTrackColor(const QColor &color);
    QColor trackColor() const;

    void setTextColor(const QColor &color);
    QColor textColor() const;

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    const QScopedPointer<QtMaterialSwitchPrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialSwitch)
    Q_DECLARE_PRIVATE(QtMaterialSwitch)
};
