#include "core/seedvocabularies.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/sqltransaction.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace {

// A list entry of the bus-function vocabularies: [index] within its policy, value on the bus, shown text.
struct ListItem
{
    int policy;
    int index;
    int value;
    QString item;
};

bool seed(const QString &deleteSql, const QString &insertSql, const QVector<QVariantList> &rows)
{
    SqlTransaction transaction;
    bool ok = transaction.isOpen() && gDatabase.execSql(deleteSql);
    // The insert is parsed once for all of its rows.
    for (int i = 0; ok && i < rows.size(); ++i)
        ok = gDatabase.execPrepared(insertSql, rows.at(i));
    return ok && transaction.commit();
}

bool seedList(const QString &table, const QVector<ListItem> &items)
{
    QVector<QVariantList> rows;
    for (const ListItem &entry : items)
        rows.append({entry.policy, entry.index, entry.value, entry.item});
    return seed("delete from " + table, "insert into " + table + "(policy,[index],value,item) values(?,?,?,?)", rows);
}

// Appends a list whose entries are numbered from 0 and carry value = index + offset.
void appendNumbered(QVector<ListItem> &items, int policy, const QStringList &texts, int offset)
{
    for (int i = 0; i < texts.size(); ++i)
        items.append({policy, i, i + offset, texts.at(i)});
}

} // namespace

bool initLogTypeTable()
{
    return seed("delete from tbl_log_type", "insert into tbl_log_type(log_type,log_type_name) values(?,?)",
                {{0, QString("device status")}, {1, QString("device alert")}});
}

bool initMessageTypeTable()
{
    return seed("delete from tbl_message_type",
                "insert into tbl_message_type(message_type,message_type_name) values(?,?)",
                {{0, QString("service message")}, {1, QString("alarm message")}});
}

bool initMessageStatusTable()
{
    return seed("delete from tbl_message_status",
                "insert into tbl_message_status(message_status,message_status_name) values(?,?)",
                {{0, QString("suspend")},
                 {1, QString("user cancel")},
                 {2, QString("processing")},
                 {3, QString("processed")},
                 {4, QString("secured")}});
}

// The cloud service's real addresses and names are deployment data; these stand in for them with addresses and
// names reserved for documentation, which never reach a real host.
bool initServerIpTable()
{
    return seed("delete from tbl_server_ip", "insert into tbl_server_ip(alias,ip) values(?,?)",
                {{QString("ORV Server AUS"), QString("192.0.2.10")},
                 {QString("ORV Server ASIA"), QString("198.51.100.10")},
                 {QString("ORV Server USA"), QString("203.0.113.10")},
                 {QString("ORV Server Europe"), QString("192.0.2.20")}});
}

bool initDomainTable()
{
    return seed("delete from tbl_domain", "insert into tbl_domain(domain) values(?)",
                {{QString("au.cloud.zoduv.invalid")},
                 {QString("us.cloud.zoduv.invalid")},
                 {QString("asia.cloud.zoduv.invalid")}});
}

bool initFunctionTypeTable()
{
    struct TypeItem
    {
        int value;
        const char *item;
        int flag;
    };
    // One list per policy, in display order.
    const QVector<QVector<TypeItem>> lists = {
        {{0, "Invalid Switch", 0},
         {85, "Scene Switch", 0},
         {86, "Sequence Switch", 0},
         {88, "Universal Switch", 0},
         {89, "Single Channel Lighting", 0},
         {92, "Curtain Switch", 0},
         {94, "SMS Control", 0},
         {95, "Panel Control", 0},
         // The broadcast variants share the value of their plain command; the flag tells them apart.
         {85, "Broadcast Scene", 1},
         {89, "Broadcast Channel", 1},
         {102, "Security Module", 0},
         {103, "Audio Player", 0},
         {112, "UPB Channel", 0},
         {113, "UPB Scene", 0},
         {115, "Modbus Coil", 0},
         {116, "Modbus Register", 0},
         {117, "Dim Up", 0},
         {118, "Dim Down", 0},
         {121, "Zigbee Channel", 0}},
        {{0, "Invalid Switch", 0},
         {1, "Sequence Switch", 0},
         {2, "Universal Switch", 0},
         {3, "Scene Switch", 0},
         {4, "Single Channel Lighting", 0},
         {5, "Broadcast Scene", 0},
         {6, "Broadcast Channel", 0},
         {7, "Curtain Switch", 0},
         {12, "Infrared Control", 0},
         {13, "SMS Control", 0},
         {14, "Panel Control", 0},
         {18, "Audio Player", 0},
         {19, "Reverse Control", 0},
         {20, "Security Module", 0},
         {112, "UPB Channel", 0},
         {113, "UPB Scene", 0}},
        {{0, "Scene Switch", 0},
         {1, "Sequence Switch", 0},
         {2, "Universal Switch", 0},
         {3, "Invalid Switch", 0},
         {4, "Single Channel Lighting", 0},
         {5, "Broadcast Scene", 0},
         {6, "Broadcast Channel", 0},
         {7, "Curtain Switch", 0},
         {11, "Broadcast Curtain", 0},
         {13, "SMS Control", 0},
         {14, "Panel Control", 0},
         {17, "Security Module", 0},
         {18, "Audio Player", 0},
         {19, "Reverse Control", 0},
         {112, "UPB Channel", 0},
         {113, "UPB Scene", 0}},
    };
    QVector<QVariantList> rows;
    for (int p = 0; p < lists.size(); ++p) {
        for (int i = 0; i < lists.at(p).size(); ++i) {
            const TypeItem &entry = lists.at(p).at(i);
            rows.append({i, entry.flag, entry.value, QString(entry.item), p + 1});
        }
    }
    return seed("delete from tbl_fnt_type",
                "insert into tbl_fnt_type([index],flag,value,item,policy) values(?,?,?,?,?)", rows);
}

bool initFunctionParameterTable()
{
    QVector<ListItem> items;
    appendNumbered(items, 1, {"Invalid", "Message", "Remote"}, 0);

    QStringList panel = {"Invalid",
                         "IR Receiver",
                         "Lock Key Of Panel",
                         "AC Power",
                         "AC Cooling Setpoint",
                         "AC FAN Speed",
                         "AC Mode",
                         "AC Heating Setpoint",
                         "AC Auto Setpoint",
                         "Rise Temperature",
                         "Reduce Temperature",
                         "LCD Backlight",
                         "Lock AC Page",
                         "LCD Backlight New",
                         "LCD Status Light",
                         "Lock Button",
                         "Lock Page",
                         "Control Button Status",
                         "Control Button",
                         "Dry Temperature",
                         "Floor Heating Power",
                         "Floor Heating Mode",
                         "Goto Page",
                         "AC FAN Temperature",
                         "Floor Heating Setpoint"};
    for (int n = 1; n <= 8; ++n)
        panel.append(QString("Panel AC %1").arg(n));
    panel << "Panel AC All"
          << "Panel Heat 1"
          << "Panel Heat 2"
          << "Panel Heat All";
    appendNumbered(items, 2, panel, 0);
    // The two generic panel entries carry the panel's own codes, not their position.
    items.append({2, panel.size(), 45, "Panel AC x"});
    items.append({2, panel.size() + 1, 46, "Panel FH x"});

    appendNumbered(items, 3,
                   {"Source Control", "Play Mode", "Play List/Radio Channel", "Play Control", "Volume Control",
                    "Play Specify Song"},
                   1);
    return seedList("tbl_fnt_prm1", items);
}

bool initComp2ItemTable()
{
    QVector<ListItem> items;
    items.append({1, 0, 0, "Off"});
    items.append({1, 1, 255, "On"});
    appendNumbered(items, 2, {"Stop", "On", "Off"}, 0);
    QStringList degrees;
    for (int t = 0; t <= 60; ++t)
        degrees.append(QString::number(t) + QChar(0x00B0) + "C");
    appendNumbered(items, 3, degrees, 0);
    appendNumbered(items, 4, {"Auto", "High", "Medium", "Low"}, 0);
    appendNumbered(items, 5, {"Cool", "Heat", "FAN", "Auto", "Dry"}, 0);
    appendNumbered(items, 6, {"Normal", "Day", "Night", "Away", "Auto"}, 1);
    appendNumbered(items, 7,
                   {"Vacation", "Away", "Night", "Night With Guest", "Day", "Off/Disarm", "Emergency", "Fire", "Panic",
                    "Slient Panic"},
                   1);
    const int sources[] = {1, 2, 3, 4, 7, 8, 9, 10};
    const QStringList sourceNames = {"SD CARD", "AUX1", "WIFI/FTP", "FM RADIO", "AUX2", "USB", "OPT", "CO-AXIAL"};
    for (int i = 0; i < sourceNames.size(); ++i)
        items.append({8, i, sources[i], sourceNames.at(i)});
    appendNumbered(items, 9, {"No Repeat", "Repeat Song", "Continued", "Repeat All"}, 1);
    appendNumbered(items, 10,
                   {"PREV Play List", "Next Play List", "Specify Play List No", "PREV Radio Channel",
                    "Next Radio Channel", "Specify Radio Channel"},
                   1);
    appendNumbered(items, 11, {"PREV Song", "Next Song", "Play", "Stop"}, 1);
    appendNumbered(items, 12, {"VOL", "TREBLE", "BASS"}, 1);
    const int acCodes[] = {3, 4, 5, 6, 9, 10};
    const QStringList acNames = {"AC Power", "Set Temperature", "AC Speed", "AC Mode", "Rise", "Reduce"};
    for (int i = 0; i < acNames.size(); ++i)
        items.append({13, i, acCodes[i], acNames.at(i)});
    items.append({14, 0, 20, "Floor Heater Power"});
    items.append({14, 1, 24, "Set Temperature"});
    const int heatCodes[] = {3, 4, 9, 10};
    const QStringList heatNames = {"Floor Heater Power", "Set Temperature", "Rise", "Reduce"};
    for (int i = 0; i < heatNames.size(); ++i)
        items.append({15, i, heatCodes[i], heatNames.at(i)});
    return seedList("tbl_comp2_item", items);
}

bool initComp3ItemTable()
{
    QVector<ListItem> items;
    appendNumbered(items, 1, {"Invalid", "Valid"}, 0);
    appendNumbered(items, 2, {"Reduce VOL", "Raise VOL"}, 1);
    const QStringList actions = {"Reduce VOL", "Raise VOL", "VOL Value", "Mute"};
    for (int zone = 1; zone <= 4; ++zone) {
        for (int k = 0; k < actions.size(); ++k)
            items.append(
                {3, 4 * (zone - 1) + k, 10 * (zone - 1) + k + 1, QString("Zone%1 %2").arg(zone).arg(actions.at(k))});
    }
    // The device counts attenuation: value 79 is silence, 0 full volume.
    for (int i = 0; i < 80; ++i)
        items.append({4, i, 79 - i, QString("VOL:%1%").arg(qRound(100.0 * i / 79.0))});
    items.append({5, 0, 1, "OFF"});
    items.append({5, 1, 0, "ON"});
    items.append({6, 0, 0, "Close"});
    for (int i = 1; i <= 20; ++i)
        items.append({6, i, i, QString::number(i)});
    items.append({6, 21, 187, "Open"});
    return seedList("tbl_comp3_item", items);
}
