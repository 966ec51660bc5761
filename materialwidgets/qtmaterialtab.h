#pragma once
// One tab of the tab strip: a filled flat button that shows an icon above its text and marks itself when current.

#include "materialwidgets/qtmaterialflatbutton.h"

class QtMaterialTabs;

class QtMaterialTab : public QtMaterialFlatButton
{
    Q_OBJECT

public:
    explicit QtMaterialTab(QtMaterialTabs *parent);

    void setActive(bool state);
    bool isActive() const { return m_active; }

    // The picture file the icon came from; when set, the tab draws that picture untinted.
    void setIconPath(const QString &path);
    QString iconPath() const { return m_iconPath; }
    bool hasIconPath() const { return m_hasIconPath; }

    QtMaterialTabs *tabs() const { return m_tabs; }

    QSize sizeHint() const override;

protected:
    void drawForeground(QPainter *painter) override;

private:
    Q_DISABLE_COPY(QtMaterialTab)

    QtMaterialTabs *const m_tabs;
    bool m_active = false;
    QString m_iconPath;
    bool m_hasIconPath = false;
};
