#include "materialwidgets/qtmaterialdatetimeedit.h"

#include "materialwidgets/qtmaterialstyle.h"

#include <QCalendarWidget>

QtMaterialDateTimeEdit::QtMaterialDateTimeEdit(QWidget *parent) : QDateTimeEdit(parent)
{
    setCalendarPopup(true);
    setStyleSheet("QDateTimeEdit{background-color: #263440;border: 1px solid lightGray;height:30px;"
                  "border-radius: 5px;color: white;}");
    setFont(QtMaterialStyle::instance().themeFont(m_fontIndex));
    calendarWidget()->setStyleSheet(
        "QCalendarWidget{background-color:#263440;border: 1px solid lightGray;}"
        "QCalendarWidget QAbstractItemView:enabled{color:#ABD265;background-color:#263440;selection-color: white;"
        "selection-background-color:#263440;}");
}

void QtMaterialDateTimeEdit::setFontIndex(int index)
{
    m_fontIndex = index;
    setFont(QtMaterialStyle::instance().themeFont(index));
}
