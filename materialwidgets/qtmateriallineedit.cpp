#include "materialwidgets/qtmateriallineedit.h"

#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"

#include <QEvent>

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

bool QtMaterialLineEdit::event(QEvent *event)
{
    const bool result = QLineEdit::event(event);
    // The style sheet's text colour also serves the placeholder, so that an empty field would look filled in.
    // Each polish by the style sheet sets it again, so the dimmed colour follows every polish.
    if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange) {
        const QColor dimmed = QtMaterialTheme::paletteColor(DimmedTextPaletteIndex);
        if (palette().color(QPalette::PlaceholderText) != dimmed) {
            QPalette withDimmed(palette());
            withDimmed.setColor(QPalette::PlaceholderText, dimmed);
            setPalette(withDimmed);
        }
    }
    return result;
}

void QtMaterialLineEdit::setFontIndex(int index)
{
    m_fontIndex = index;
    setFont(QtMaterialStyle::instance().themeFont(index));
}
