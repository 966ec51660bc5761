#pragma once
// The round, shadowed thumb of a switch; its shift runs from 0 (off end) to 1 (on end).

#include <QColor>
#include <QWidget>

class QtMaterialSwitch;

class QtMaterialSwitchThumb : public QWidget
{
    Q_OBJECT

    Q_PROPERTY(qreal shift WRITE setShift READ shift)
    Q_PROPERTY(QColor thumbColor WRITE setThumbColor READ thumbColor)

public:
    explicit QtMaterialSwitchThumb(QtMaterialSwitch *parent);
    ~QtMaterialSwitchThumb() override;

    void setShift(qreal shift);
    qreal shift() const { return m_shift; }

    // Distance in pixels the thumb circle has travelled from the off end.
    qreal offset() const { return m_offset; }

    void setThumbColor(const QColor &color);
    QColor thumbColor() const { return m_thumbColor; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterialSwitchThumb)

    void updateOffset();

    QtMaterialSwitch *const m_switch;
    QColor m_thumbColor;
    qreal m_shift = 0;
    qreal m_offset = 0;
};
