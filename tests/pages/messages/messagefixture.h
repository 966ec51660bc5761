#pragma once
// A project database with two rooms, their wall panels, a service and an alarm definition, and helpers to read
// the message log back, for the tests of the message strip and dialogs.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/messagestore.h"
#include "devicelink/messagerecords.h"
#include "resources/stationresources.h"
#include "shell/guestrequests.h"
#include "tests/support/guestfixture.h"
#include "tests/support/testenv.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace messagefixture {

constexpr int serviceMessage = 11; // switch 5
constexpr int alarmMessage = 12;   // switch 6
constexpr int serviceSwitch = 5;
constexpr int alarmSwitch = 6;
constexpr int roomA = 3; // "East-Ground-101", panel 7 at 1/20
constexpr int roomB = 4; // "West-First-201", panel 8 at 1/21
constexpr int panelA = 7;
constexpr int panelB = 8;

inline void fill()
{
    QVERIFY(guestfixture::addRoom(roomA, "East", "Ground", "101"));
    QVERIFY(guestfixture::addRoom(roomB, "West", "First", "201"));
    QVERIFY(guestfixture::addPanel(panelA, 1, 20, roomA));
    QVERIFY(guestfixture::addPanel(panelB, 1, 21, roomB));
    QVERIFY(guestfixture::addMessage(serviceMessage, 0, "Clean the room", "message_01", serviceSwitch));
    QVERIFY(guestfixture::addMessage(alarmMessage, 1, "Emergency", "message_02", alarmSwitch));
}

// Once per test program: a fresh home, the pictures and tones, and the records the hub carries.
inline void prepareTestProgram(const QTemporaryDir &home)
{
    testenv::useFreshHome(home);
    gAppDirPath = home.path();
    gRetainDays = "30";
    initStationResources();
    registerMessageRecordTypes();
}

// A fresh project database holding what fill() adds.
inline void openFreshProject(const QTemporaryDir &home)
{
    guestfixture::openFreshDatabase(home);
    fill();
}

// Inserts an open row and answers its id.
inline int addRow(int messageId, int type, int panelId, int roomId, int status = 0,
                  const QString &recvTime = "2026-12-10 12:00:00")
{
    if (!guestfixture::addLogRow(messageId, type, status, panelId, roomId, recvTime))
        return 0;
    QSqlQuery q = gDatabase.querySql("select max(id) from tbl_message_log");
    return q.next() ? q.value(0).toInt() : 0;
}

inline messageRecord recordOf(int id)
{
    QSqlQuery q = gDatabase.querySql("select * from tbl_message_log where id=?", {id});
    if (q.next())
        return messageRecordFromRow(q);
    messageRecord none;
    std::memset(&none, 0, sizeof none);
    return none;
}

// The whole message log as text, one line per row, to show that nothing was written.
inline QStringList logDump()
{
    QStringList rows;
    QSqlQuery q = gDatabase.querySql("select * from tbl_message_log order by id");
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < q.record().count(); ++i)
            fields << q.value(i).toString();
        rows << fields.join('|');
    }
    return rows;
}

inline universalSwitchMessage announcement(int id, int type, int status)
{
    universalSwitchMessage msg;
    std::memset(&msg, 0, sizeof msg);
    msg.id = id;
    msg.message_type = type;
    msg.message_status = status;
    return msg;
}

// Makes every update of the row id fail, as a full disk or a locked file would.
inline void failUpdatesOf(int id)
{
    QVERIFY(gDatabase.execSql(QString::asprintf("create trigger refuse_%d before update on tbl_message_log when "
                                                "old.id=%d begin select raise(abort,'refused'); end",
                                                id, id)));
}

} // namespace messagefixture
