#include "materialwidgets/picturefile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

QImage readPicture(const QString &path)
{
    const QFileInfo info(path);
    const QByteArray suffix = info.suffix().toLower().toLatin1();
    if (!suffix.isEmpty()) {
        if (!info.exists())
            return QImage();
        // (Asking which formats the reader supports would load every plugin as well.)
        QImageReader reader(path, suffix);
        reader.setAutoDetectImageFormat(false);
        QImage image;
        if (reader.read(&image))
            return image;
    }
    // Without a suffix the reader also tries the name with each known one appended, as it always has.
    return QImage(path);
}

QPixmap picturePixmap(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return info.suffix().isEmpty() ? QPixmap::fromImage(readPicture(path)) : QPixmap();
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
