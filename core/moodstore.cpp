#include "core/moodstore.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/sqltransaction.h"

#include <QSqlQuery>

namespace {

void setError(QString *error)
{
    if (error)
        *error = gDatabase.lastErrorText();
}

// A query that failed comes back inactive; a query without rows stays active.
void noteFailure(const QSqlQuery &query, QString *error)
{
    if (!query.isActive())
        setError(error);
}

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

MoodLightRow lightOfRow(const QSqlQuery &q)
{
    MoodLightRow row;
    row.lightId = queryColumnInt(q, "light_id");
    row.lightType = queryColumnInt(q, "light_type");
    row.remark = queryColumnText(q, "light_remark");
    row.subnetId = queryColumnInt(q, "subnet_id");
    row.deviceId = queryColumnInt(q, "device_id");
    row.channel = queryColumnInt(q, "channel");
    row.iconOn = queryColumnText(q, "icon_name_of_light_on");
    row.iconOff = queryColumnText(q, "icon_name_of_light_off");
    row.brightness = queryColumnInt(q, "brightness");
    row.usId = queryColumnInt(q, "us_id");
    row.fade = queryColumnInt(q, "fade");
    row.rgb = queryColumnInt(q, "rgb");
    row.originalType = queryColumnInt(q, "original_type");
    row.roomId = queryColumnInt(q, "room_id");
    return row;
}

MoodClimateRow climateOfRow(const QSqlQuery &q)
{
    MoodClimateRow row;
    row.number = queryColumnInt(q, "air_conditioner_no");
    row.type = queryColumnInt(q, "air_conditioner_type");
    row.remark = queryColumnText(q, "remark");
    row.subnetId = queryColumnInt(q, "subnet_id");
    row.deviceId = queryColumnInt(q, "device_id");
    row.channel = queryColumnInt(q, "channel");
    row.status = queryColumnInt(q, "status");
    row.mode = queryColumnInt(q, "mode");
    row.speed = queryColumnInt(q, "speed");
    row.temperature = queryColumnInt(q, "current_temperature");
    row.coolTemperature = queryColumnInt(q, "current_cool_temperature");
    row.heatTemperature = queryColumnInt(q, "current_heat_temperature");
    row.autoTemperature = queryColumnInt(q, "current_auto_temperature");
    row.dryTemperature = queryColumnInt(q, "current_dry_temperature");
    row.temperatureUnit = queryColumnInt(q, "temperature_unit");
    row.originalType = queryColumnInt(q, "original_type");
    row.roomId = queryColumnInt(q, "room_id");
    return row;
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
    QList<StoredMood> moods;
    QSqlQuery q =
        gDatabase.querySql(QString::asprintf("select * from tbl_mood where room_id=%d order by mood_id asc", roomId));
    noteFailure(q, error);
    while (q.next())
        moods.append(moodOfRow(q));
    return moods;
}

bool roomHasMoods(int roomId, QString *error)
{
    return queryHasRecord(QString::asprintf("select id from tbl_mood where room_id=%d order by mood_id asc", roomId),
                          error);
}

bool loadMood(int moodId, int roomId, StoredMood &mood, QString *error)
{
    QSqlQuery q = gDatabase.querySql("select * from tbl_mood where mood_id=? and room_id=?", {moodId, roomId});
    noteFailure(q, error);
    if (!q.next())
        return false;
    mood = moodOfRow(q);
    return true;
}

bool saveMood(int moodId, int roomId, bool update, const MoodForm &form, const QList<MoodCommandRow> &commands,
              QString *error)
{
    SqlTransaction transaction;
    if (transaction.isOpen() && writeMood(moodId, roomId, update, form, commands) && transaction.commit())
        return true;
    setError(error);
    return false;
}

bool deleteMood(int moodId, int roomId, QString *error)
{
    SqlTransaction transaction;
    bool ok = transaction.isOpen();
    for (const char *table :
         {"tbl_mood", "tbl_mood_light_status", "tbl_mood_air_conditioner_status", "tbl_mood_command"})
        ok = ok && gDatabase.execSql(
                       QString::asprintf("delete from %s where mood_id=%d and room_id=%d", table, moodId, roomId));
    if (ok && transaction.commit())
        return true;
    setError(error);
    return false;
}

QList<MoodLightRow> loadMoodLightRows(int moodId, int roomId, QString *error)
{
    QList<MoodLightRow> rows;
    QSqlQuery q = gDatabase.querySql(QString::asprintf("select * from tbl_mood_light_status where mood_id=%d and "
                                                       "room_id=%d and (rgb=0 or rgb=1) order by light_id asc",
                                                       moodId, roomId));
    noteFailure(q, error);
    while (q.next())
        rows.append(lightOfRow(q));
    return rows;
}

bool loadMoodLightChannelRow(int moodId, int roomId, int lightId, int rgb, MoodLightRow &row)
{
    QSqlQuery q = gDatabase.querySql(QString::asprintf("select * from tbl_mood_light_status where mood_id=%d and "
                                                       "room_id=%d and light_id=%d and rgb=%d",
                                                       moodId, roomId, lightId, rgb));
    if (!q.next())
        return false;
    row = lightOfRow(q);
    return true;
}

QList<MoodClimateRow> loadMoodClimateRows(int moodId, int roomId, int first, int second, QString *error)
{
    QList<MoodClimateRow> rows;
    QSqlQuery q = gDatabase.querySql(QString::asprintf("select * from tbl_mood_air_conditioner_status where "
                                                       "mood_id=%d and room_id=%d and (air_conditioner_no=%d or "
                                                       "air_conditioner_no=%d) order by air_conditioner_no asc",
                                                       moodId, roomId, first, second));
    noteFailure(q, error);
    while (q.next())
        rows.append(climateOfRow(q));
    return rows;
}

QList<MoodCommandRow> readMoodCommands(int moodId, int roomId, QString *error)
{
    QList<MoodCommandRow> commands;
    QSqlQuery query = gDatabase.querySql(
        "select * from tbl_mood_command where mood_id=? and room_id=? order by command_id asc", {moodId, roomId});
    noteFailure(query, error);
    while (query.next()) {
        MoodCommandRow command;
        command.commandId = queryColumnInt(query, "command_id");
        command.subnetId = queryColumnInt(query, "subnet_id");
        command.deviceId = queryColumnInt(query, "device_id");
        command.commandType = queryColumnInt(query, "command_type");
        command.prm1 = queryColumnInt(query, "prm1");
        command.prm2 = queryColumnInt(query, "prm2");
        command.prm3 = queryColumnInt(query, "prm3");
        command.prm4 = queryColumnInt(query, "prm4");
        commands.append(command);
    }
    return commands;
}

bool saveMoodCommands(int moodId, int roomId, const QList<MoodCommandRow> &commands, QString *error)
{
    SqlTransaction transaction;
    if (transaction.isOpen() && writeCommands(moodId, roomId, commands) && transaction.commit())
        return true;
    setError(error);
    return false;
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
    if (gDatabase.execSql("delete from tbl_mood_command where room_id=? and mood_id=?", {roomId, moodId}))
        return true;
    setError(error);
    return false;
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
