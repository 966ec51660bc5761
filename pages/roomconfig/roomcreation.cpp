#include "pages/roomconfig/roomcreation.h"

#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "core/queryhelpers.h"
#include "core/recordid.h"
#include "core/sqltransaction.h"
#include "pages/pickers/picturechoice.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSqlQuery>
#include <QStringList>
#include <QVector>

IdPool::IdPool(const QString &sql, const QString &column, int start) : m_next(start)
{
    QStringList values;
    queryIntStringList(sql, column, values);
    for (const QString &value : qAsConst(values))
        m_used.insert(value.toInt());
}

IdPool::IdPool(const QList<int> &used, int start) : m_next(start)
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
    QString templatePicture;
    if (!queryStringValue("select room_template_icon_name from tbl_room_template where room_template_id=?",
                          {series.templateId}, "room_template_icon_name", templatePicture))
        return false;

    // The template is read once for the whole series.
    QVector<TemplateLight> lights;
    QSqlQuery query =
        gDatabase.querySql("select * from tbl_template_light where room_template_id=? order by template_light_id asc",
                           {series.templateId});
    while (query.next()) {
        const QString on = query.value("icon_name").toString();
        lights.append(
            {query.value("light_type").toInt(), query.value("light_remark").toString(), on, offPictureOf(on)});
    }
    QStringList panels;
    queryStringList("select * from tbl_template_panel where room_template_id=? order by template_panel_id asc",
                    {series.templateId}, "panel_remark", panels);

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
    bool ok = true;

    int regionId = 0;
    if (queryHasRecord("select region_id from tbl_region where region_name=?", {series.regionName})) {
        regionId =
            queryIntValue("select region_id from tbl_region where region_name=?", {series.regionName}, "region_id");
    } else {
        regionId = nextRegionId();
        ok = gDatabase.execSql("insert into tbl_region(region_name,region_id) values(?,?)",
                               {series.regionName, regionId});
    }
    int floorId = 0;
    const QString floorSql = "select floor_id from tbl_floor where floor_name=? and region_id=?";
    if (queryHasRecord(floorSql, {series.floorName, regionId})) {
        floorId = queryIntValue(floorSql, {series.floorName, regionId}, "floor_id");
    } else {
        floorId = nextFloorId();
        ok = ok && gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id) values(?,?,?)",
                                     {series.floorName, floorId, regionId});
    }

    if (series.count > 0) {
        IdPool roomIds("select room_id from tbl_room", "room_id", 1);
        // Ids that could not be read could be handed out twice.
        QString idError;
        IdPool lightIds(usedLightIds(&idError), 1);
        IdPool panelIds(usedPanelIds(&idError), 1);
        ok = ok && idError.isEmpty();
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
            ok = ok && gDatabase.execSql("insert into tbl_room(room_name,icon_name,room_id,floor_id,region_id,"
                                         "room_template_id) values(?,?,?,?,?,?)",
                                         {name, picture, roomId, floorId, regionId, series.templateId});
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

    // A failed commit rolls back by itself.
    ok = ok && transaction.commit();
    if (ok)
        return true;
    transaction.rollback();
    for (const QString &path : qAsConst(written))
        QFile::remove(path);
    return false;
}
