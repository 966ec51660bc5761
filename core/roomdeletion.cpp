#include "core/roomdeletion.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/linknotices.h"
#include "core/projectfolders.h"
#include "core/projectlist.h"
#include "core/queryhelpers.h"
#include "core/sqltransaction.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace {

bool deleteRoomRows(int roomId, QStringList &pictures)
{
    const auto run = [roomId](const char *format) { return gDatabase.execSql(QString::asprintf(format, roomId)); };

    if (!run("delete from tbl_3d_air_conditioner where room_id=%d") ||
        !run("delete from tbl_3d_view_light where room_id=%d"))
        return false;
    pictures.append(QString::asprintf("photo_3dView_%d", roomId));
    if (!run("delete from tbl_3d_view_manager where room_id=%d") ||
        !run("delete from tbl_air_conditioner where room_id=%d") || !run("delete from tbl_light where room_id=%d") ||
        !run("delete from tbl_message_log where room_id=%d"))
        return false;

    QStringList moodIds;
    queryIntStringList(QString::asprintf("select mood_id from tbl_mood where room_id=%d", roomId), "mood_id", moodIds);
    for (const QString &moodId : moodIds)
        pictures.append("photo_Mood_" + moodId);

    if (!run("delete from tbl_mood where room_id=%d") ||
        !run("delete from tbl_mood_air_conditioner_status where room_id=%d") ||
        !run("delete from tbl_mood_command where room_id=%d") ||
        !run("delete from tbl_mood_light_status where room_id=%d") ||
        !run("delete from tbl_occupation where room_id=%d") || !run("delete from tbl_master where room_id=%d") ||
        !run("delete from tbl_panel where room_id=%d"))
        return false;

    const QString roomSql = QString::asprintf("select * from tbl_room where room_id=%d", roomId);
    const int floorId = queryIntValue(roomSql, "floor_id");
    const int regionId = queryIntValue(roomSql, "region_id");
    pictures.append(QString::asprintf("photo_Room_%d", roomId));
    if (!run("delete from tbl_room where room_id=%d"))
        return false;

    if (!queryHasRecord(QString::asprintf("select id from tbl_room where floor_id=%d", floorId)) &&
        !gDatabase.execSql(QString::asprintf("delete from tbl_floor where floor_id=%d", floorId)))
        return false;
    if (!queryHasRecord(QString::asprintf("select id from tbl_room where region_id=%d", regionId)) &&
        !gDatabase.execSql(QString::asprintf("delete from tbl_region where region_id=%d", regionId)))
        return false;
    return true;
}

} // namespace

bool deleteRoom(int roomId)
{
    QStringList pictures;
    SqlTransaction transaction;
    if (!transaction.isOpen() || !deleteRoomRows(roomId, pictures))
        return false;
    // Files cannot be rolled back, so they go only once the rows that name them are gone for good: when this
    // deletion is part of a larger one, that is when the larger one commits.
    gDatabase.afterCommit([pictures, roomId] {
        for (const QString &picture : pictures)
            deleteProjectPicture(picture);
        announceRoomDeleted(roomId);
    });
    return transaction.commit();
}

void deleteProjectPicture(QString name)
{
    if (!name.contains(".png"))
        name.append(".png");
    // Picture names are single file names; anything else could reach outside the project's folder.
    if (name.contains('/') || name.contains('\\'))
        return;
    QString project;
    if (!getCurrentProjectName(project) || project.isEmpty())
        return;
    const QString folder = projectFolderPath(project);
    if (!QDir(folder).exists())
        return;
    const QString path = folder + "/" + name;
    if (QFile::exists(path))
        QFile::remove(path);
}
