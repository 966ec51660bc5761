#pragma once
// Common base of the check box and the radio button: a checkable button with two animated icons, a label and a
// click ripple.

#include <QAbstractButton>
#include <QColor>
#include <QIcon>
#include <QScopedPointer>

class QtMaterialCheckablePrivate;

class QtMaterialCheckable : public QAbstractButton
{
    Q_OBJECT

    Q_PROPERTY(LabelPosition labelPosition READ labelPosition WRITE setLabelPosition)
    Q_PROPERTY(QIcon checkedIcon READ checkedIcon WRITE setCheckedIcon)
    Q_PROPERTY(QIcon uncheckedIcon READ uncheckedIcon WRITE setUncheckedIcon)
    Q_PROPERTY(QColor checkedColor READ checkedColor WRITE setCheckedColor)
    Q_PROPERTY(QColor uncheckedColor READ uncheckedColor WRITE setUncheckedColor)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(QColor disabledColor READ disabledColor WRITE setDisabledColor)

public:
    enum LabelPosition { LabelOnLeft = 0, LabelOnRight = 1 };
    Q_ENUM(LabelPosition)

    explicit QtMaterialCheckable(QWidget *parent = nullptr);
    ~QtMaterialCheckable() override;

    void setLabelPosition(LabelPosition placement);
    LabelPosition labelPosition() const;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setCheckedColor(const QColor &color);
    QColor checkedColor() const;

    void setUncheckedColor(const QColor &color);
    QColor uncheckedColor() const;

    void setTextColor(const QColor &color);
    QColor textColor() const;

    void setDisabledColor(const QColor &color);
    QColor disabledColor() const;

    void setCheckedIcon(const QIcon &icon);
    QIcon checkedIcon() const;

    void setUncheckedIcon(const QIcon &icon);
    QIcon uncheckedIcon() const;

    QSize sizeHint() const override;

protected:
    QtMaterialCheckable(QtMaterialCheckablePrivate &d, QWidget *parent = nullptr);

    bool event(QEvent *event) override;
    bool eventFilter(QObject *obj, QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    // Re-assigns the state colours from the getters and shows the visible icon's colour at once.
    virtual void assignStateColors();

    const QScopedPointer<QtMaterialCheckablePrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialCheckable)
    Q_DECLARE_PRIVATE(QtMaterialCheckable)
};
