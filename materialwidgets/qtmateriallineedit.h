#pragma once
// Single-line text input in the station's dark look with a theme font.

#include <QLineEdit>

class QtMaterialLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    // The placeholder's colour: the material palette's white at 54 % opacity, the dimmed text on dark ground.
    static constexpr int DimmedTextPaletteIndex = 264;

    explicit QtMaterialLineEdit(QWidget *parent = nullptr);
    QtMaterialLineEdit(const QString &contents, QWidget *parent = nullptr);

    void setFontIndex(int index);
    int fontIndex() const { return m_fontIndex; }

protected:
    bool event(QEvent *event) override;

private:
    void setUp();

    int m_fontIndex = 8;
};
