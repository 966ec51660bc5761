#pragma once
// A group box whose font and text colour come from the theme; mostly used frameless as a content container.

#include <QGroupBox>
#include <QScopedPointer>

class QtMaterialGroupBoxPrivate;

class QtMaterialGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit QtMaterialGroupBox(QWidget *parent = nullptr);
    explicit QtMaterialGroupBox(const QString &title, QWidget *parent = nullptr);
    QtMaterialGroupBox(const QString &title, int fontIndex, QWidget *parent = nullptr);
    ~QtMaterialGroupBox() override;

    void setFontIndex(int index);
    int fontIndex() const;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setTextColor(const QColor &color);
    QColor textColor() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    const QScopedPointer<QtMaterialGroupBoxPrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialGroupBox)
    Q_DECLARE_PRIVATE(QtMaterialGroupBox)
};
