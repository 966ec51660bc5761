#include "materialwidgets/qtmaterialcombobox.h"

#include "materialwidgets/qtmaterialstyle.h"

#include <QLineEdit>
#include <QListView>

QtMaterialComboBox::QtMaterialComboBox(QWidget *parent) : QComboBox(parent)
{
    setStyleSheet("QComboBox{background-color: #263440;border: 1px solid #ffffff;height:30px;border-radius: 5px;"
                  "color: white;outline:none;}QComboBox:hover{background-color: #557FA3;}"
                  "QComboBox QAbstractScrollArea QScrollBar:vertical {width: 10px;background-color: #263440;}"
                  "QComboBox QAbstractItemView{background-color: #263440;selection-background-color: #557FA3;"
                  "border: 1px solid #ffffff;border-radius: 5px;color: #ffffff;outline:none;}"
                  "QComboBox QAbstractItemView::item{background-color: #1F2933;color: #ffffff;height: 30px;"
                  "border-radius: 5px;outline:none;}"
                  "QComboBox QAbstractItemView::item:selected{background-color: #557FA3;color:#ffffff;}"
                  "QComboBox QAbstractItemView::item:hover{background-color: #557FA3;color:#ffffff;}");
    const QFont &font = QtMaterialStyle::instance().themeFont(m_fontIndex);
    setFont(font);

    // The combo box takes ownership of both; the line edit makes it editable.
    auto *edit = new QLineEdit(this);
    edit->setFont(font);
    setLineEdit(edit);
    auto *list = new QListView(this);
    list->setFont(font);
    setView(list);
}

void QtMaterialComboBox::setFontIndex(int index)
{
    m_fontIndex = index;
    setFont(QtMaterialStyle::instance().themeFont(index));
}
