#pragma once
// A thin full-width strip showing the running date and time centred on a filled background.

#include <QScopedPointer>
#include <QWidget>

class QtMaterialSystemBarPrivate;

class QtMaterialSystemBar : public QWidget
{
    Q_OBJECT

public:
    explicit QtMaterialSystemBar(QWidget *parent = nullptr);
    ~QtMaterialSystemBar() override;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

    void setTextColor(const QColor &color);
    QColor textColor() const;

    void setDateTimeFormat(const QString &format);
    QString dateTimeFormat() const;

    // The text painted for the given moment.
    QString textAt(const QDateTime &moment) const;

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    const QScopedPointer<QtMaterialSystemBarPrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialSystemBar)
    Q_DECLARE_PRIVATE(QtMaterialSystemBar)
};
