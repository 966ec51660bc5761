#include "core/databaseschema.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"

#include <QDate>

const QVector<SchemaTable> &DatabaseSchema::tables()
{
    // Readers look columns up by name, but the order is kept as it always was so that files stay comparable.
    static const QVector<SchemaTable> all = {
        {"tbl_log_type", "create table tbl_log_type(id integer primary key,log_type integer,"
                         "log_type_name nvarchar)"},
        {"tbl_log", "create table tbl_log(id integer primary key,log_type integer,log_address nvarchar,"
                    "log_device nvarchar,log_event nvarchar,log_time nvarchar)"},
        {"tbl_message_type", "create table tbl_message_type(id integer primary key,message_type integer,"
                             "message_type_name nvarchar)"},
        {"tbl_message", "create table tbl_message(id integer primary key,message_id integer,message_type integer,"
                        "message_remark nvarchar,icon_name nvarchar,universal_switch_no integer)"},
        {"tbl_message_status", "create table tbl_message_status(id integer primary key,message_status integer,"
                               "message_status_name nvarchar)"},
        {"tbl_message_log", "create table tbl_message_log(id integer primary key,message_id integer,"
                            "message_type integer,message_status integer,panel_id integer,room_id integer,"
                            "message_log_remark nvarchar,recv_time nvarchar,deal_time nvarchar)"},
        {"tbl_region", "create table tbl_region(id integer primary key,region_name nvarchar,region_id integer)"},
        {"tbl_floor", "create table tbl_floor(id integer primary key,floor_name nvarchar,floor_id integer,"
                      "region_id integer)"},
        {"tbl_room_template", "create table tbl_room_template(id integer primary key,room_template_name nvarchar,"
                              "room_template_icon_name nvarchar,room_template_id integer)"},
        {"tbl_room", "create table tbl_room(id integer primary key,room_name nvarchar,icon_name nvarchar,"
                     "room_id integer,floor_id integer,region_id integer,room_template_id integer)"},
        {"tbl_3d_view_manager", "create table tbl_3d_view_manager(id integer primary key,icon_name nvarchar,"
                                "room_id integer)"},
        {"tbl_3d_view_light", "create table tbl_3d_view_light(id integer primary key,light_id integer,xp1 integer,"
                              "yp1 integer,room_id integer)"},
        {"tbl_3d_air_conditioner",
         "create table tbl_3d_air_conditioner(id integer primary key,air_conditioner_no integer,"
         "xp1 integer,yp1 integer,room_id integer)"},
        {"tbl_light", "create table tbl_light(id integer primary key,light_id integer,light_type integer,"
                      "light_remark nvarchar,subnet_id integer,device_id integer,channel integer,"
                      "icon_name_of_light_on nvarchar,icon_name_of_light_off nvarchar,brightness integer,"
                      "us_id integer,fade integer,rgb integer,original_type integer,version nvarchar,"
                      "room_id integer)"},
        {"tbl_template_light", "create table tbl_template_light(id integer primary key,template_light_id integer,"
                               "light_type integer,light_remark nvarchar,icon_name nvarchar,room_template_id integer)"},
        {"tbl_air_conditioner", "create table tbl_air_conditioner(id integer primary key,air_conditioner_no integer,"
                                "air_conditioner_type integer,remark nvarchar,subnet_id integer,device_id integer,"
                                "channel integer,status integer,mode integer,speed integer,current_temperature integer,"
                                "current_cool_temperature integer,current_heat_temperature integer,"
                                "current_auto_temperature integer,current_dry_temperature integer,"
                                "temperature_unit integer,function nvarchar,high_limit nvarchar,low_limit nvarchar,"
                                "room_temperature integer,room_temperature_type integer,original_type integer,"
                                "version nvarchar,room_id integer)"},
        {"tbl_mood", "create table tbl_mood(id integer primary key,mood_id integer,mood_name nvarchar,"
                     "mood_icon_name nvarchar,light_bool integer,ac1_bool integer,ac2_bool integer,"
                     "floor_heat1_bool integer,floor_heat2_bool integer,curtain_bool integer,"
                     "audio_bool integer,diy_bool integer,room_id integer)"},
        {"tbl_mood_light_status", "create table tbl_mood_light_status(id integer primary key,mood_id integer,"
                                  "light_id integer,light_type integer,light_remark nvarchar,subnet_id integer,"
                                  "device_id integer,channel integer,icon_name_of_light_on nvarchar,"
                                  "icon_name_of_light_off nvarchar,brightness integer,us_id integer,fade integer,"
                                  "rgb integer,original_type integer,room_id integer)"},
        {"tbl_mood_air_conditioner_status",
         "create table tbl_mood_air_conditioner_status(id integer primary key,mood_id integer,"
         "air_conditioner_no integer,air_conditioner_type integer,remark nvarchar,"
         "subnet_id integer,device_id integer,channel integer,status integer,mode integer,"
         "speed integer,current_temperature integer,current_cool_temperature integer,"
         "current_heat_temperature integer,current_auto_temperature integer,"
         "current_dry_temperature integer,temperature_unit integer,original_type integer,"
         "room_id integer)"},
        {"tbl_mood_command", "create table tbl_mood_command(id integer primary key,command_id integer,mood_id integer,"
                             "subnet_id integer,device_id integer,command_type integer,prm1 integer,prm2 integer,"
                             "prm3 integer,prm4 integer,room_id integer)"},
        {"tbl_occupation", "create table tbl_occupation(id integer primary key,occupation_type integer,"
                           "subnet_id integer,device_id integer,channel integer,status integer,room_id integer)"},
        {"tbl_master", "create table tbl_master(id integer primary key,subnet_id integer,device_id integer,"
                       "channel integer,status integer,room_id integer)"},
        {"tbl_panel", "create table tbl_panel(id integer primary key,panel_id integer,panel_remark nvarchar,"
                      "subnet_id integer,device_id integer,room_id integer)"},
        {"tbl_template_panel", "create table tbl_template_panel(id integer primary key,template_panel_id integer,"
                               "panel_remark nvarchar,room_template_id integer)"},
        {"tbl_network", "create table tbl_network(id integer primary key,subnet_id integer,device_id integer,"
                        "ip_port_mac nvarchar,password nvarchar,server_ip nvarchar,domain_name nvarchar,"
                        "host_ip nvarchar,server_type integer,static_server_ip nvarchar,static_domain nvarchar)"},
        {"tbl_server_ip", "create table tbl_server_ip(id integer primary key,alias nvarchar,ip nvarchar)"},
        {"tbl_domain", "create table tbl_domain(id integer primary key,domain nvarchar)"},
        {"tbl_ip_port_mac", "create table tbl_ip_port_mac(id integer primary key,ip_port_mac nvarchar,"
                            "password nvarchar,update_time nvarchar)"},
        {"tbl_fnt_type", "create table tbl_fnt_type(id integer primary key,[index] integer,flag integer,"
                         "value integer,item nvarchar,policy integer)"},
        {"tbl_fnt_prm1", "create table tbl_fnt_prm1(id integer primary key,policy integer,[index] integer,"
                         "value integer,item nvarchar)"},
        {"tbl_comp2_item", "create table tbl_comp2_item(id integer primary key,policy integer,[index] integer,"
                           "value integer,item nvarchar)"},
        {"tbl_comp3_item", "create table tbl_comp3_item(id integer primary key,policy integer,[index] integer,"
                           "value integer,item nvarchar)"},
        {"tbl_last_update", "create table tbl_last_update(id integer primary key,last_update_id nvarchar,"
                            "last_update_time nvarchar)"},
        {"tbl_version", "create table tbl_version(id integer primary key,name nvarchar,version nvarchar,"
                        "date nvarchar)"},
    };
    return all;
}

QString DatabaseSchema::createStatement(const QString &table)
{
    for (const SchemaTable &entry : tables()) {
        if (table == QLatin1String(entry.name))
            return QString::fromLatin1(entry.createSql);
    }
    return QString();
}

QString DatabaseSchema::versionText()
{
    return QString::asprintf("%.2f", version);
}

bool DatabaseSchema::insertDefaultNetworkRow()
{
    return gDatabase.execSql("insert into tbl_network(subnet_id,device_id,ip_port_mac,password,server_ip,domain_name,"
                             "host_ip,server_type,static_server_ip,static_domain) values(?,?,?,?,?,?,?,?,?,?)",
                             {0, 0, QString(), QString(), QString(), QString(), gHostIp, 0, QString(), QString()});
}

bool DatabaseSchema::insertVersionRow()
{
    return gDatabase.execSql("insert into tbl_version(name,version,date) values(?,?,?)",
                             {QString(productName), versionText(), QDate::currentDate().toString("yyyy-MM-dd")});
}
