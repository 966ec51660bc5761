#pragma once
// Navigation card of the home page and of the settings menu: a picture over a caption that is also the id of
// the page the card opens.

#include "shell/dynamicwidget.h"

#include <QSize>
#include <QString>

class SettingItem : public DynamicWidget
{
    Q_OBJECT

public:
    SettingItem(const QString &pageId, const QString &iconPath, int iconWidth, int iconHeight, int width, int height,
                QWidget *parent);

    QString pageId() const { return m_pageId; }
    QSize pictureSize() const { return QSize(m_iconWidth, m_iconHeight); }

    static const QColor tileColor; // #3D5366
    static const int captionBand = 30;

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void slotsPressed();

private:
    QString m_pageId;
    QString m_iconPath;
    int m_iconWidth;
    int m_iconHeight;
};
