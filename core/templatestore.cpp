#include "core/templatestore.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "core/recordid.h"
#include "core/roomdeletion.h"
#include "core/roomstore.h"
#include "core/sqltransaction.h"

#include <QSqlQuery>

namespace {

// Runs a read; a failed statement sets error and comes back inactive, so it reads as no rows.
QSqlQuery read(const QString &sql, const QVariantList &values, QString *error)
{
    QSqlQuery query = gDatabase.querySql(sql, values);
    if (error && !query.isActive())
        *error = gDatabase.lastErrorText();
    return query;
}

bool write(const QString &sql, const QVariantList &values, QString *error)
{
    if (gDatabase.execSql(sql, values))
        return true;
    if (error)
        *error = gDatabase.lastErrorText();
    return false;
}

bool fail(QString *error)
{
    if (error)
        *error = gDatabase.lastErrorText();
    return false;
}

RoomTemplateRow templateOf(const QSqlQuery &query)
{
    return {queryColumnInt(query, "room_template_id"), queryColumnText(query, "room_template_name"),
            queryColumnText(query, "room_template_icon_name")};
}

TemplateLightRow lightOf(const QSqlQuery &query)
{
    return {queryColumnInt(query, "template_light_id"), queryColumnInt(query, "light_type"),
            queryColumnText(query, "light_remark"), queryColumnText(query, "icon_name")};
}

TemplatePanelRow panelOf(const QSqlQuery &query)
{
    return {queryColumnInt(query, "template_panel_id"), queryColumnText(query, "panel_remark")};
}

} // namespace

QVector<RoomTemplateRow> roomTemplates(QString *error)
{
    QVector<RoomTemplateRow> list;
    QSqlQuery query = read("select * from tbl_room_template order by room_template_id asc", {}, error);
    while (query.next())
        list.append(templateOf(query));
    return list;
}

bool hasRoomTemplate(QString *error)
{
    return queryHasRecord("select id from tbl_room_template", error);
}

bool readRoomTemplate(int templateId, RoomTemplateRow &row, QString *error)
{
    QSqlQuery query = read("select * from tbl_room_template where room_template_id=?", {templateId}, error);
    if (!query.next())
        return false;
    row = templateOf(query);
    return true;
}

bool addRoomTemplate(const QString &name, int *templateId, QString *error)
{
    const int id = nextRoomTemplateId();
    if (!write("insert into tbl_room_template(room_template_name,room_template_icon_name,room_template_id) "
               "values(?,?,?)",
               {name, QString("room_1"), id}, error))
        return false;
    if (templateId)
        *templateId = id;
    return true;
}

bool saveRoomTemplateNameAndPicture(int templateId, const QString &name, const QString &iconName, QString *error)
{
    return write("update tbl_room_template set room_template_name=?,room_template_icon_name=? where "
                 "room_template_id=?",
                 {name, iconName, templateId}, error);
}

bool deleteRoomTemplate(int templateId, QString *error)
{
    SqlTransaction transaction;
    if (!transaction.isOpen())
        return fail(error);
    QString readError;
    const QVector<int> rooms = roomIdsOfTemplate(templateId, &readError);
    if (!readError.isEmpty()) {
        if (error)
            *error = readError;
        return false;
    }
    for (int roomId : rooms) {
        if (!deleteRoom(roomId))
            return fail(error);
    }
    if (!write("delete from tbl_template_light where room_template_id=?", {templateId}, error) ||
        !write("delete from tbl_template_panel where room_template_id=?", {templateId}, error) ||
        !write("delete from tbl_room_template where room_template_id=?", {templateId}, error))
        return false;
    // The picture goes whether or not the template showed it, and only once its rooms and rows are gone for good.
    gDatabase.afterCommit([templateId] { deleteProjectPicture(QString("photo_Template_%1").arg(templateId)); });
    if (!transaction.commit())
        return fail(error);
    return true;
}

QVector<TemplateLightRow> templateLights(int templateId, QString *error)
{
    QVector<TemplateLightRow> list;
    QSqlQuery query = read("select * from tbl_template_light where room_template_id=? order by template_light_id asc",
                           {templateId}, error);
    while (query.next())
        list.append(lightOf(query));
    return list;
}

bool readTemplateLight(int templateId, int templateLightId, TemplateLightRow &row, QString *error)
{
    QSqlQuery query = read("select * from tbl_template_light where template_light_id=? and room_template_id=?",
                           {templateLightId, templateId}, error);
    if (!query.next())
        return false;
    row = lightOf(query);
    return true;
}

bool addTemplateLight(int templateId, const TemplateLightRow &row, QString *error)
{
    return write("insert into tbl_template_light(template_light_id,light_type,light_remark,icon_name,"
                 "room_template_id) values(?,?,?,?,?)",
                 {row.templateLightId, row.type, row.remark, row.iconName, templateId}, error);
}

bool updateTemplateLight(int templateId, const TemplateLightRow &row, QString *error)
{
    return write("update tbl_template_light set light_type=?,light_remark=?,icon_name=? where "
                 "room_template_id=? and template_light_id=?",
                 {row.type, row.remark, row.iconName, templateId, row.templateLightId}, error);
}

bool deleteTemplateLight(int templateId, int templateLightId, QString *error)
{
    return write("delete from tbl_template_light where template_light_id=? and room_template_id=?",
                 {templateLightId, templateId}, error);
}

QVector<TemplatePanelRow> templatePanels(int templateId, QString *error)
{
    QVector<TemplatePanelRow> list;
    QSqlQuery query = read("select * from tbl_template_panel where room_template_id=? order by template_panel_id asc",
                           {templateId}, error);
    while (query.next())
        list.append(panelOf(query));
    return list;
}

bool readTemplatePanel(int templateId, int templatePanelId, TemplatePanelRow &row, QString *error)
{
    QSqlQuery query = read("select * from tbl_template_panel where room_template_id=? and template_panel_id=?",
                           {templateId, templatePanelId}, error);
    if (!query.next())
        return false;
    row = panelOf(query);
    return true;
}

bool addTemplatePanel(int templateId, const TemplatePanelRow &row, QString *error)
{
    return write("insert into tbl_template_panel(template_panel_id,panel_remark,room_template_id) values(?,?,?)",
                 {row.templatePanelId, row.remark, templateId}, error);
}

bool updateTemplatePanel(int templateId, const TemplatePanelRow &row, QString *error)
{
    return write("update tbl_template_panel set panel_remark=? where room_template_id=? and template_panel_id=?",
                 {row.remark, templateId, row.templatePanelId}, error);
}

bool deleteTemplatePanel(int templateId, int templatePanelId, QString *error)
{
    return write("delete from tbl_template_panel where template_panel_id=? and room_template_id=?",
                 {templatePanelId, templateId}, error);
}
