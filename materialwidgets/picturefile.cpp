#include "materialwidgets/picturefile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

QImage readPicture(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QImage();
    const QByteArray suffix = info.suffix().toLower().toLatin1();
    // (Asking which formats the reader supports would load every plugin as well.)
    if (!suffix.isEmpty()) {
        QImageReader reader(path, suffix);
        reader.setAutoDetectImageFormat(false);
        QImage image;
        if (reader.read(&image))
            return image;
    }
    return QImage(path);
}

QPixmap picturePixmap(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QPixmap();
    const QString key = QLatin1String("station_picture:") + info.absoluteFilePath() + QLatin1Char(':') +
                        QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char(':') +
                        QString::number(info.size());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap::fromImage(readPicture(path));
    if (!pixmap.isNull())
        QPixmapCache::insert(key, pixmap);
    return pixmap;
}
