#pragma once
// Single-line text input in the station's dark look with a theme font.

#include <QLineEdit>

class QtMaterialLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit QtMaterialLineEdit(QWidget *parent = nullptr);
    QtMaterialLineEdit(const QString &contents, QWidget *parent = nullptr);

    void setFontIndex(int index);
    int fontIndex() const { return m_fontIndex; }

private:
    void setUp();

    int m_fontIndex = 8;
};
