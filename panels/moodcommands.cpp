#include "panels/moodcommands.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"

#include <QSqlQuery>

QList<moodCommandRecord> loadMoodCommands(int moodId, int roomId)
{
    QList<moodCommandRecord> commands;
    QSqlQuery query = gDatabase.querySql(
        "select * from tbl_mood_command where mood_id=? and room_id=? order by command_id asc", {moodId, roomId});
    while (query.next()) {
        moodCommandRecord command{};
        command.command_id = queryColumnInt(query, "command_id");
        command.subnet_id = quint8(queryColumnInt(query, "subnet_id"));
        command.device_id = quint8(queryColumnInt(query, "device_id"));
        command.command_type = quint8(queryColumnInt(query, "command_type"));
        command.prm1 = quint8(queryColumnInt(query, "prm1"));
        command.prm2 = quint8(queryColumnInt(query, "prm2"));
        command.prm3 = quint8(queryColumnInt(query, "prm3"));
        command.prm4 = quint8(queryColumnInt(query, "prm4"));
        commands.append(command);
    }
    return commands;
}

bool replaceMoodCommands(int moodId, int roomId, const QList<moodCommandRecord> &commands)
{
    if (!gDatabase.beginTransaction())
        return false;
    bool ok = gDatabase.execSql("delete from tbl_mood_command where room_id=? and mood_id=?", {roomId, moodId});
    for (const moodCommandRecord &command : commands) {
        ok = ok && gDatabase.execSql("insert into tbl_mood_command(command_id,mood_id,subnet_id,device_id,"
                                     "command_type,prm1,prm2,prm3,prm4,room_id) values(?,?,?,?,?,?,?,?,?,?)",
                                     {command.command_id, moodId, int(command.subnet_id), int(command.device_id),
                                      int(command.command_type), int(command.prm1), int(command.prm2),
                                      int(command.prm3), int(command.prm4), roomId});
    }
    if (ok && gDatabase.commitTransaction())
        return true;
    gDatabase.rollbackTransaction();
    return false;
}
