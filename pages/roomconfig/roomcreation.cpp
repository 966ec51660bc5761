#include "pages/roomconfig/roomcreation.h"

#include "core/devicestore.h"
#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "core/recordid.h"
#include "core/roomstore.h"
#include "core/sqltransaction.h"
#include "core/templatestore.h"
#include "pages/pickers/picturechoice.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QVector>

IdPool::IdPool(const QVector<int> &used, int start) : m_next(start)
{
    for (int id : used)
        m_used.insert(id);
}

int IdPool::take()
{
    while (m_used.contains(m_next))
        ++m_next;
    m_used.insert(m_next);
    return m_next;
}

namespace {

// The decimal text of digits (ASCII, leading zeros allowed) plus n >= 0, without leading zeros.
QString addDecimal(const QString &digits, int n)
{
    QString result = digits;
    qint64 carry = n;
    for (int i = result.size() - 1; i >= 0 && carry > 0; --i) {
        const qint64 sum = result.at(i).digitValue() + carry;
        result[i] = QChar('0' + int(sum % 10));
        carry = sum / 10;
    }
    if (carry > 0)
        result.prepend(QString::number(carry));
    while (result.size() > 1 && result.startsWith('0'))
        result.remove(0, 1);
    return result.isEmpty() ? QString::number(n) : result;
}

struct TemplateLight
{
    int type;
    QString remark;
    QString onPicture;
    QString offPicture;
};

// The off picture of a light's on picture: the text before the first "on" followed by "off".
QString offPictureOf(const QString &onPicture)
{
    const int at = onPicture.indexOf("on");
    return at < 0 ? onPicture : onPicture.left(at) + "off";
}

// A picture of the series. Not through QSaveFile: its flush to disk per file made a series of a thousand rooms
// take seconds, and a series that fails removes the pictures it wrote (the rows never commit without them).
bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool whole = file.write(bytes) == bytes.size();
    file.close();
    return whole && file.error() == QFileDevice::NoError;
}

} // namespace

QString numberedRoomName(const QString &name, int i)
{
    int start = name.size();
    while (start > 0 && name.at(start - 1).isDigit())
        --start;
    if (start == name.size())
        return i == 0 ? name : QString::asprintf("%s%d", name.toUtf8().constData(), i);
    QString digits;
    for (int k = start; k < name.size(); ++k)
        digits += QChar('0' + name.at(k).digitValue());
    return name.left(start) + addDecimal(digits, i);
}

bool addRoomSeries(const RoomSeries &series)
{
    RoomTemplateRow templateRow;
    if (!readRoomTemplate(series.templateId, templateRow))
        return false;
    const QString templatePicture = templateRow.iconName;

    // The template is read once for the whole series.
    QVector<TemplateLight> lights;
    for (const TemplateLightRow &row : templateLights(series.templateId))
        lights.append({row.type, row.remark, row.iconName, offPictureOf(row.iconName)});
    QStringList panels;
    for (const TemplatePanelRow &row : templatePanels(series.templateId))
        panels.append(row.remark);

    // A project picture is copied to every room: decoded and encoded once, written per room.
    bool copyPicture = false;
    QString folder;
    QByteArray pictureBytes;
    if (templatePicture.contains("photo")) {
        QString project;
        getCurrentProjectName(project);
        folder = projectFolderPath(project);
        if (QDir(folder).exists()) {
            copyPicture = true;
            const QString source =
                folder + "/" + (templatePicture.contains(".png") ? templatePicture : templatePicture + ".png");
            QImage image;
            if (QFile::exists(source) && image.load(source)) {
                QBuffer buffer(&pictureBytes);
                buffer.open(QIODevice::WriteOnly);
                image.save(&buffer, "PNG");
            }
        }
    }

    SqlTransaction transaction;
    if (!transaction.isOpen())
        return false;
    QStringList written;
    // A lookup that fails is not taken for a missing name: that would add the region or floor twice.
    QString readError;
    bool ok = true;

    int regionId = 0;
    if (!findRegion(series.regionName, regionId, &readError)) {
        regionId = nextRegionId();
        ok = readError.isEmpty() && addRegion(series.regionName, regionId);
    }
    int floorId = 0;
    if (ok && !findFloor(series.floorName, regionId, floorId, &readError)) {
        floorId = nextFloorId();
        ok = readError.isEmpty() && addFloor(series.floorName, floorId, regionId);
    }

    if (ok && series.count > 0) {
        // Ids that could not be read could be handed out twice.
        IdPool roomIds(usedRoomIds(&readError), 1);
        IdPool lightIds(usedLightIds(&readError), 1);
        IdPool panelIds(usedPanelIds(&readError), 1);
        ok = readError.isEmpty();
        for (int i = 0; ok && i < series.count; ++i) {
            const int roomId = roomIds.take();
            QString picture = templatePicture;
            if (copyPicture) {
                picture = PictureChoice::projectPictureName("Room", roomId);
                if (!pictureBytes.isEmpty()) {
                    const QString path = folder + "/" + picture + ".png";
                    ok = writeFile(path, pictureBytes);
                    if (ok)
                        written << path;
                }
            }
            const QString name = series.numbered ? numberedRoomName(series.roomName, i) : series.roomName;
            ok = ok && addRoom({roomId, name, picture, floorId, regionId, series.templateId});
            for (const TemplateLight &light : qAsConst(lights)) {
                const int lightId = lightIds.take();
                const QList<int> channels = light.type == 2 ? QList<int>{1, 2, 3} : QList<int>{0};
                for (int rgb : channels)
                    ok = ok && addUnaddressedLightRow(roomId, lightId, light.type, light.remark, light.onPicture,
                                                      light.offPicture, rgb);
            }
            for (const QString &remark : qAsConst(panels))
                ok = ok && addPanel(roomId, panelIds.take(), remark, 0, 0);
        }
    }

    // A failed commit rolls back by itself, and so does the guard of a series that failed.
    if (ok && transaction.commit())
        return true;
    transaction.rollback();
    for (const QString &path : qAsConst(written))
        QFile::remove(path);
    return false;
}
