#include "pages/view3d/roompicture.h"

#include "core/globals.h"
#include "core/projectlist.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>

QString roomPicturePath(const QString &iconName)
{
    QString file = iconName;
    if (!file.contains(".png"))
        file += ".png";
    if (!iconName.contains("photo"))
        return QCoreApplication::translate("Room3DPicture", ":/myImages/png/3d_view/") + file;

    QString project;
    getCurrentProjectName(project);
    const QString folder = gAppDirPath + "/database/" + project;
    if (!QFileInfo(folder).isDir() || !QFileInfo::exists(folder + "/" + file))
        return QString();
    return folder + "/" + file;
}

void paintRoomPicture(QPainter &painter, const QSize &widgetSize, const QString &iconName)
{
    const QString path = roomPicturePath(iconName);
    if (path.isEmpty())
        return;
    const QImage image(path);
    if (image.isNull())
        return;
    painter.drawImage(QRect(10, 10, widgetSize.width() - 20, widgetSize.height() - 20), image);
}
