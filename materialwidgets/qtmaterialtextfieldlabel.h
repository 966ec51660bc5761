#pragma once
// The floating label of a text field: rests inside the empty field and moves up, smaller, when it gains focus.

#include <QColor>
#include <QPointF>
#include <QWidget>

class QtMaterialTextField;

class QtMaterialTextFieldLabel : public QWidget
{
    Q_OBJECT

    Q_PROPERTY(qreal scale WRITE setScale READ scale)
    Q_PROPERTY(QPointF offset WRITE setOffset READ offset)
    Q_PROPERTY(QColor color WRITE setColor READ color)

public:
    explicit QtMaterialTextFieldLabel(QtMaterialTextField *parent);
    ~QtMaterialTextFieldLabel() override;

    void setScale(qreal scale);
    qreal scale() const { return m_scale; }

    void setOffset(const QPointF &pos);
    QPointF offset() const { return m_offset; }

    void setColor(const QColor &color);
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterialTextFieldLabel)

    QtMaterialTextField *const m_textField;
    qreal m_scale = 1;
    QPointF m_offset = QPointF(0, 26);
    QColor m_color;
};
