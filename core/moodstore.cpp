#include "core/moodstore.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"

#include <QSqlQuery>

namespace {

StoredMood moodOfRow(const QSqlQuery &q)
{
    StoredMood mood;
    mood.moodId = queryColumnInt(q, "mood_id");
    mood.name = queryColumnText(q, "mood_name");
    mood.iconName = queryColumnText(q, "mood_icon_name");
    mood.light = queryColumnInt(q, "light_bool");
    mood.ac1 = queryColumnInt(q, "ac1_bool");
    mood.ac2 = queryColumnInt(q, "ac2_bool");
    mood.floorHeat1 = queryColumnInt(q, "floor_heat1_bool");
    mood.floorHeat2 = queryColumnInt(q, "floor_heat2_bool");
    mood.curtain = queryColumnInt(q, "curtain_bool");
    mood.audio = queryColumnInt(q, "audio_bool");
    mood.diy = queryColumnInt(q, "diy_bool");
    mood.roomId = queryColumnInt(q, "room_id");
    return mood;
}

MoodCommandRow commandOfRow(const QSqlQuery &q)
{
    MoodCommandRow command;
    command.commandId = queryColumnInt(q, "command_id");
    command.subnetId = queryColumnInt(q, "subnet_id");
    command.deviceId = queryColumnInt(q, "device_id");
    command.commandType = queryColumnInt(q, "command_type");
    command.prm1 = queryColumnInt(q, "prm1");
    command.prm2 = queryColumnInt(q, "prm2");
    command.prm3 = queryColumnInt(q, "prm3");
    command.prm4 = queryColumnInt(q, "prm4");
    return command;
}

// The statements of the mood's commands, run inside the caller's transaction.
bool writeCommands(int moodId, int roomId, const QList<MoodCommandRow> &commands)
{
    if (!gDatabase.execSql("delete from tbl_mood_command where room_id=? and mood_id=?", {roomId, moodId}))
        return false;
    for (const MoodCommandRow &command : commands) {
        if (!gDatabase.execSql("insert into tbl_mood_command(command_id,mood_id,subnet_id,device_id,"
                               "command_type,prm1,prm2,prm3,prm4,room_id) values(?,?,?,?,?,?,?,?,?,?)",
                               {command.commandId, moodId, command.subnetId, command.deviceId, command.commandType,
                                command.prm1, command.prm2, command.prm3, command.prm4, roomId}))
            return false;
    }
    return true;
}

bool writeMood(int moodId, int roomId, bool update, const MoodForm &form, const QList<MoodCommandRow> &commands)
{
    const int diy = commands.isEmpty() ? 0 : 1;
    const bool rowStored =
        update
            ? gDatabase.execSql("update tbl_mood set mood_name=?,mood_icon_name=?,light_bool=?,ac1_bool=?,ac2_bool=?,"
                                "floor_heat1_bool=?,floor_heat2_bool=?,curtain_bool=0,audio_bool=0,diy_bool=? where "
                                "room_id=? and mood_id=?",
                                {form.name, form.iconName, form.light, form.ac1, form.ac2, form.floorHeat1,
                                 form.floorHeat2, diy, roomId, moodId})
            : gDatabase.execSql("insert into tbl_mood(mood_id,mood_name,mood_icon_name,light_bool,ac1_bool,ac2_bool,"
                                "floor_heat1_bool,floor_heat2_bool,curtain_bool,audio_bool,diy_bool,room_id) "
                                "values(?,?,?,?,?,?,?,?,0,0,?,?)",
                                {moodId, form.name, form.iconName, form.light, form.ac1, form.ac2, form.floorHeat1,
                                 form.floorHeat2, diy, roomId});
    if (!rowStored)
        return false;

    // The snapshots copy the rows as they stand, byte for byte; only the mood and room ids are the mood's.
    if (!gDatabase.execSql("delete from tbl_mood_light_status where room_id=? and mood_id=?", {roomId, moodId}))
        return false;
    if (form.light &&
        !gDatabase.execSql(
            "insert into tbl_mood_light_status(mood_id,light_id,light_type,light_remark,subnet_id,device_id,"
            "channel,icon_name_of_light_on,icon_name_of_light_off,brightness,us_id,fade,rgb,original_type,"
            "room_id) select ?,light_id,light_type,light_remark,subnet_id,device_id,channel,"
            "icon_name_of_light_on,icon_name_of_light_off,brightness,us_id,fade,rgb,original_type,? from "
            "tbl_light where room_id=? and subnet_id >0 and device_id >0 order by light_id asc,rgb asc,id asc",
            {moodId, roomId, roomId}))
        return false;
    if (!gDatabase.execSql("delete from tbl_mood_air_conditioner_status where room_id=? and mood_id=?",
                           {roomId, moodId}))
        return false;
    // By air_conditioner_no: air conditioners 1 and 2, floor heatings 1 and 2.
    const int climateGroups[] = {form.ac1, form.ac2, form.floorHeat1, form.floorHeat2};
    for (int number = 0; number < 4; ++number) {
        if (!climateGroups[number])
            continue;
        if (!gDatabase.execSql(
                "insert into tbl_mood_air_conditioner_status(mood_id,air_conditioner_no,air_conditioner_type,remark,"
                "subnet_id,device_id,channel,status,mode,speed,current_temperature,current_cool_temperature,"
                "current_heat_temperature,current_auto_temperature,current_dry_temperature,temperature_unit,"
                "original_type,room_id) select ?,air_conditioner_no,air_conditioner_type,remark,subnet_id,device_id,"
                "channel,status,mode,speed,current_temperature,current_cool_temperature,current_heat_temperature,"
                "current_auto_temperature,current_dry_temperature,temperature_unit,original_type,? from "
                "tbl_air_conditioner where room_id=? and air_conditioner_no=?",
                {moodId, roomId, roomId, number}))
            return false;
    }
    return writeCommands(moodId, roomId, commands);
}

// The vocabulary's table; the names are fixed words, never outside text.
QString tableOf(CommandVocabulary vocabulary)
{
    switch (vocabulary) {
    case CommandVocabulary::FunctionParameters:
        return QStringLiteral("tbl_fnt_prm1");
    case CommandVocabulary::Comp2Items:
        return QStringLiteral("tbl_comp2_item");
    case CommandVocabulary::Comp3Items:
        break;
    }
    return QStringLiteral("tbl_comp3_item");
}

} // namespace

QList<StoredMood> loadRoomMoods(int roomId, QString *error)
{
    return queryRowList(QString::asprintf("select * from tbl_mood where room_id=%d order by mood_id asc", roomId), {},
                        moodOfRow, error);
}

bool roomHasMoods(int roomId, QString *error)
{
    return queryHasRecord(QString::asprintf("select id from tbl_mood where room_id=%d order by mood_id asc", roomId),
                          error);
}

bool loadMood(int moodId, int roomId, StoredMood &mood, QString *error)
{
    return queryFirstRow("select * from tbl_mood where mood_id=? and room_id=?", {moodId, roomId}, moodOfRow, mood,
                         error);
}

bool saveMood(int moodId, int roomId, bool update, const MoodForm &form, const QList<MoodCommandRow> &commands,
              QString *error)
{
    return runTransaction([&] { return writeMood(moodId, roomId, update, form, commands); }, error);
}

bool deleteMood(int moodId, int roomId, QString *error)
{
    return runTransaction(
        [&] {
            for (const char *table :
                 {"tbl_mood", "tbl_mood_light_status", "tbl_mood_air_conditioner_status", "tbl_mood_command"}) {
                if (!gDatabase.execSql(
                        QString::asprintf("delete from %s where mood_id=%d and room_id=%d", table, moodId, roomId)))
                    return false;
            }
            return true;
        },
        error);
}

QList<LightChannelRow> loadMoodLightRows(int moodId, int roomId, QString *error)
{
    return queryRowList(QString::asprintf("select * from tbl_mood_light_status where mood_id=%d and room_id=%d and "
                                          "(rgb=0 or rgb=1) order by light_id asc",
                                          moodId, roomId),
                        {}, lightRowFromQuery, error);
}

bool loadMoodLightChannelRow(int moodId, int roomId, int lightId, int rgb, LightChannelRow &row)
{
    return queryFirstRow(QString::asprintf("select * from tbl_mood_light_status where mood_id=%d and room_id=%d and "
                                           "light_id=%d and rgb=%d",
                                           moodId, roomId, lightId, rgb),
                         {}, lightRowFromQuery, row);
}

QList<ClimateRow> loadMoodClimateRows(int moodId, int roomId, int first, int second, QString *error)
{
    return queryRowList(QString::asprintf("select * from tbl_mood_air_conditioner_status where mood_id=%d and "
                                          "room_id=%d and (air_conditioner_no=%d or air_conditioner_no=%d) order by "
                                          "air_conditioner_no asc",
                                          moodId, roomId, first, second),
                        {}, climateRowFromQuery, error);
}

QList<MoodCommandRow> readMoodCommands(int moodId, int roomId, QString *error)
{
    return queryRowList("select * from tbl_mood_command where mood_id=? and room_id=? order by command_id asc",
                        {moodId, roomId}, commandOfRow, error);
}

bool saveMoodCommands(int moodId, int roomId, const QList<MoodCommandRow> &commands, QString *error)
{
    return runTransaction([&] { return writeCommands(moodId, roomId, commands); }, error);
}

bool deleteCommandsOfUnsavedMood(int moodId, int roomId, QString *error)
{
    QString readError;
    if (queryHasRecord("select * from tbl_mood where room_id=? and mood_id=?", {roomId, moodId}, &readError))
        return true;
    // A failed look-up must not pass for a mood without its row: its commands would go with it.
    if (!readError.isEmpty()) {
        if (error)
            *error = readError;
        return false;
    }
    return execStatement("delete from tbl_mood_command where room_id=? and mood_id=?", {roomId, moodId}, error);
}

QStringList offeredCommandTypes()
{
    QStringList items;
    queryStringList("select item from tbl_fnt_type where policy=1 and value !=117 and value !=118 order by [index] asc",
                    "item", items);
    return items;
}

int commandTypeIndex(const QString &item)
{
    return queryIntValue("select [index] from tbl_fnt_type where policy=1 and item=?", {item}, "index");
}

bool commandTypeOfItem(const QString &item, int &index, int &value)
{
    QSqlQuery query = gDatabase.querySql("select [index],value from tbl_fnt_type where policy=1 and item=?", {item});
    if (!query.next())
        return false;
    index = queryColumnInt(query, "index");
    value = queryColumnInt(query, "value");
    return true;
}

QList<CommandTypeEntry> commandTypesOfValue(int value)
{
    QList<CommandTypeEntry> entries;
    QSqlQuery query = gDatabase.querySql(
        "select item,flag from tbl_fnt_type where policy=1 and value=? order by [index] asc", {value});
    while (query.next())
        entries.append({queryColumnText(query, "item"), queryColumnInt(query, "flag")});
    return entries;
}

QStringList vocabularyItems(CommandVocabulary vocabulary, int policy)
{
    QStringList items;
    queryStringList("select item from " + tableOf(vocabulary) + " where policy=? order by [index] asc", {policy},
                    "item", items);
    return items;
}

int vocabularyIndexOfItem(CommandVocabulary vocabulary, int policy, const QString &item)
{
    return queryIntValue("select [index] from " + tableOf(vocabulary) + " where policy=? and item=?", {policy, item},
                         "index");
}

int vocabularyValueOfItem(CommandVocabulary vocabulary, int policy, const QString &item)
{
    return queryIntValue("select value from " + tableOf(vocabulary) + " where policy=? and item=?", {policy, item},
                         "value");
}

int vocabularyIndexOfValue(CommandVocabulary vocabulary, int policy, int value)
{
    return queryIntValue("select [index] from " + tableOf(vocabulary) +
                             " where policy=? and value=? order by [index] asc",
                         {policy, value}, "index");
}
