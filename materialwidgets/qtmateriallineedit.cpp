#include "materialwidgets/qtmateriallineedit.h"

#include "materialwidgets/qtmaterialstyle.h"

QtMaterialLineEdit::QtMaterialLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setUp();
}

QtMaterialLineEdit::QtMaterialLineEdit(const QString &contents, QWidget *parent) : QLineEdit(contents, parent)
{
    setUp();
}

void QtMaterialLineEdit::setUp()
{
    m_fontIndex = 8;
    setStyleSheet("QLineEdit{background-color: #263440;border: 1px solid lightGray;height:30px;border-radius: 5px;"
                  "color: white;}QLineEdit:hover{background-color: #557FA3;}"
                  "QLineEdit:focus{background-color: #263440;}");
    setFont(QtMaterialStyle::instance().themeFont(m_fontIndex));
}

void QtMaterialLineEdit::setFontIndex(int index)
{
    m_fontIndex = index;
    setFont(QtMaterialStyle::instance().themeFont(index));
}
