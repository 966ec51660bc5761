#pragma once
// The station's text label in a theme font, also a clickable text: it ripples when pressed and reports left clicks.

#include <QLabel>
#include <QScopedPointer>

class QtMaterialLabelPrivate;

class QtMaterialLabel : public QLabel
{
    Q_OBJECT

public:
    explicit QtMaterialLabel(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    explicit QtMaterialLabel(const QString &text, QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    QtMaterialLabel(const QString &text, int fontIndex, QWidget *parent = nullptr);
    ~QtMaterialLabel() override;

    void setFontIndex(int index);
    int fontIndex() const;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setTextColor(const QColor &color);
    QColor textColor() const;

    // Replaces the palette by a default one whose window colour is color.
    void setBackgroundColor(const QColor &color);

signals:
    // Emitted when a left press inside the label is released inside it without having left it.
    void signalsPressed();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *obj, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    const QScopedPointer<QtMaterialLabelPrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialLabel)
    Q_DECLARE_PRIVATE(QtMaterialLabel)

    bool m_pressed = false;
};
