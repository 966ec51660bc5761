#include "panels/moodcommands.h"

#include "core/moodstore.h"

QList<moodCommandRecord> loadMoodCommands(int moodId, int roomId)
{
    QList<moodCommandRecord> commands;
    for (const MoodCommandRow &row : readMoodCommands(moodId, roomId)) {
        moodCommandRecord command{};
        command.command_id = row.commandId;
        command.subnet_id = quint8(row.subnetId);
        command.device_id = quint8(row.deviceId);
        command.command_type = quint8(row.commandType);
        command.prm1 = quint8(row.prm1);
        command.prm2 = quint8(row.prm2);
        command.prm3 = quint8(row.prm3);
        command.prm4 = quint8(row.prm4);
        commands.append(command);
    }
    return commands;
}

QList<MoodCommandRow> moodCommandRows(const QList<moodCommandRecord> &commands)
{
    QList<MoodCommandRow> rows;
    for (const moodCommandRecord &command : commands) {
        MoodCommandRow row;
        row.commandId = command.command_id;
        row.subnetId = command.subnet_id;
        row.deviceId = command.device_id;
        row.commandType = command.command_type;
        row.prm1 = command.prm1;
        row.prm2 = command.prm2;
        row.prm3 = command.prm3;
        row.prm4 = command.prm4;
        rows.append(row);
    }
    return rows;
}

bool replaceMoodCommands(int moodId, int roomId, const QList<moodCommandRecord> &commands, QString *error)
{
    return saveMoodCommands(moodId, roomId, moodCommandRows(commands), error);
}
