#pragma once
// The stored moods of the rooms: the mood rows, their snapshots of the room's lights, air conditioners and floor
// heatings, their free bus commands, and the vocabularies the command editor builds those commands from.
//
// Reads give the columns as stored, integers read as queryColumnInt does (NULL and non-numbers are 0); a read
// that fails behaves as one without rows and, where `error` is passed, sets it to the reason. Writes answer
// whether everything they stand for is stored; a write of several steps is one transaction.

#include "core/climatestore.h"
#include "core/devicestore.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the mood editor saves of a mood besides its commands: its name, picture and the device groups it
// restores, each 0 or 1.
struct MoodForm
{
    QString name;
    QString iconName;
    int light = 0;
    int ac1 = 0;
    int ac2 = 0;
    int floorHeat1 = 0;
    int floorHeat2 = 0;
};

// One row of tbl_mood: what the editor saves, with the ids and the groups the editor does not offer.
struct StoredMood : MoodForm
{
    int moodId = 0;
    int curtain = 0;
    int audio = 0;
    int diy = 0;
    int roomId = 0;
};

// One free command of a mood (tbl_mood_command), every column as stored.
struct MoodCommandRow
{
    int commandId = 0;
    int subnetId = 0;
    int deviceId = 0;
    int commandType = 0;
    int prm1 = 0;
    int prm2 = 0;
    int prm3 = 0;
    int prm4 = 0;
};

// The room's moods by mood_id.
QList<StoredMood> loadRoomMoods(int roomId, QString *error = nullptr);
// Whether the room has a mood.
bool roomHasMoods(int roomId, QString *error = nullptr);
// The mood of the room into mood; false when there is none (or the read failed).
bool loadMood(int moodId, int roomId, StoredMood &mood, QString *error = nullptr);

// Stores the mood as the editor shows it, as one step: its row (updated when update, else inserted; curtain and
// audio 0, diy 1 when there are commands), fresh copies of the room's addressed lights (by light_id, rgb, id) and
// of the climate devices whose group is set, in place of the mood's old snapshots, and its commands in list order.
[[nodiscard]] bool saveMood(int moodId, int roomId, bool update, const MoodForm &form,
                            const QList<MoodCommandRow> &commands, QString *error = nullptr);
// Deletes the mood's row, snapshots and commands as one step.
[[nodiscard]] bool deleteMood(int moodId, int roomId, QString *error = nullptr);

// A snapshot row reads as the row of tbl_light or tbl_air_conditioner it copies: the columns a snapshot does not
// keep (a light's version; a climate device's function, limits, room temperature columns and version) stay zero or
// empty, and a climate row's id is the snapshot row's own.

// The mood's light rows rgb 0 or 1 by light_id.
QList<LightChannelRow> loadMoodLightRows(int moodId, int roomId, QString *error = nullptr);
// The row with that rgb (2 to 4) of an RGB light of the mood into row; false when there is none.
bool loadMoodLightChannelRow(int moodId, int roomId, int lightId, int rgb, LightChannelRow &row);
// The mood's rows of air_conditioner_no first or second, in ascending number.
QList<ClimateRow> loadMoodClimateRows(int moodId, int roomId, int first, int second, QString *error = nullptr);

// The mood's commands by command_id.
QList<MoodCommandRow> readMoodCommands(int moodId, int roomId, QString *error = nullptr);
// Replaces the mood's commands by the list, in list order, as one step.
[[nodiscard]] bool saveMoodCommands(int moodId, int roomId, const QList<MoodCommandRow> &commands,
                                    QString *error = nullptr);
// Deletes the commands the command editor wrote for a mood that has no row (was never saved); true when there
// was nothing to delete or it is deleted. A mood that has its row keeps them.
[[nodiscard]] bool deleteCommandsOfUnsavedMood(int moodId, int roomId, QString *error = nullptr);

// The command types: the entries of policy 1 of tbl_fnt_type.
struct CommandTypeEntry
{
    QString item;
    int flag = 0;
};
// The texts of the types the editor offers (all but 117 and 118), by [index].
QStringList offeredCommandTypes();
// The [index] of the type of that text; 0 when there is none.
int commandTypeIndex(const QString &item);
// The [index] and value of the type of that text; false, both left as passed, when there is none.
bool commandTypeOfItem(const QString &item, int &index, int &value);
// The types carrying that value, by [index] (two values have a plain and a broadcast form).
QList<CommandTypeEntry> commandTypesOfValue(int value);

// The choice lists of the command parameters, one list per policy of each.
enum class CommandVocabulary {
    FunctionParameters, // tbl_fnt_prm1
    Comp2Items,         // tbl_comp2_item
    Comp3Items          // tbl_comp3_item
};
// The list's texts by [index].
QStringList vocabularyItems(CommandVocabulary vocabulary, int policy);
// The [index] and the value of the entry of that text; 0 when there is none.
int vocabularyIndexOfItem(CommandVocabulary vocabulary, int policy, const QString &item);
int vocabularyValueOfItem(CommandVocabulary vocabulary, int policy, const QString &item);
// The [index] of the first entry carrying that value; 0 when there is none.
int vocabularyIndexOfValue(CommandVocabulary vocabulary, int policy, int value);
