#pragma once
// A sheet with rounded corners whose default colour stands off a background of the theme's canvas colour.

#include <QScopedPointer>
#include <QWidget>

class QtMaterialPaperPrivate;

class QtMaterialPaper : public QWidget
{
    Q_OBJECT

public:
    explicit QtMaterialPaper(QWidget *parent = nullptr);
    ~QtMaterialPaper() override;

    void setUseThemeColors(bool value);
    bool useThemeColors() const;

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

    const QScopedPointer<QtMaterialPaperPrivate> d_ptr;

private:
    Q_DISABLE_COPY(QtMaterialPaper)
    Q_DECLARE_PRIVATE(QtMaterialPaper)
};
