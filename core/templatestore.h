#pragma once
// Room templates with their lights and panels: every read and write of tbl_room_template, tbl_template_light and
// tbl_template_panel that the pages make. Names are always bound, so any text is stored as given.
//
// Reads answer the rows (a failed statement reads as no rows; pass error to tell the two apart: it is then set to
// the reason and left untouched on success). Writes answer whether they were stored; error is set when not.

#include <QString>
#include <QVector>

// One row of tbl_room_template.
struct RoomTemplateRow
{
    int templateId = 0;
    QString name;
    QString iconName;
};

// One row of tbl_template_light: only the "on" picture is stored.
struct TemplateLightRow
{
    int templateLightId = 0;
    int type = 0; // LightType
    QString remark;
    QString iconName;
};

// One row of tbl_template_panel.
struct TemplatePanelRow
{
    int templatePanelId = 0;
    QString remark;
};

// Every template ordered by template id.
QVector<RoomTemplateRow> roomTemplates(QString *error = nullptr);
// Whether the project has any template.
bool hasRoomTemplate(QString *error = nullptr);
// The first row of the template; false, with row left as passed in, when there is none.
bool readRoomTemplate(int templateId, RoomTemplateRow &row, QString *error = nullptr);

// Inserts a template of that name with the picture "room_1" under the lowest free template id, which is
// answered in templateId.
[[nodiscard]] bool addRoomTemplate(const QString &name, int *templateId = nullptr, QString *error = nullptr);
// Stores the template's name and picture as given (an empty name stays empty); a missing template changes
// nothing and still succeeds.
[[nodiscard]] bool saveRoomTemplateNameAndPicture(int templateId, const QString &name, const QString &iconName,
                                                  QString *error = nullptr);
// Deletes the rooms built from the template (each as deleteRoom does), its lights, panels and row, as one
// transaction; its project picture photo_Template_<id> goes once that has committed. On failure nothing is
// removed.
[[nodiscard]] bool deleteRoomTemplate(int templateId, QString *error = nullptr);

// The template's lights ordered by template light id.
QVector<TemplateLightRow> templateLights(int templateId, QString *error = nullptr);
// The template's light; false, with row left as passed in, when there is none.
bool readTemplateLight(int templateId, int templateLightId, TemplateLightRow &row, QString *error = nullptr);
// Inserts the light into the template under row.templateLightId.
[[nodiscard]] bool addTemplateLight(int templateId, const TemplateLightRow &row, QString *error = nullptr);
// Stores type, remark and picture of the template's light row.templateLightId.
[[nodiscard]] bool updateTemplateLight(int templateId, const TemplateLightRow &row, QString *error = nullptr);
[[nodiscard]] bool deleteTemplateLight(int templateId, int templateLightId, QString *error = nullptr);

// The template's panels ordered by template panel id.
QVector<TemplatePanelRow> templatePanels(int templateId, QString *error = nullptr);
// The template's panel; false, with row left as passed in, when there is none.
bool readTemplatePanel(int templateId, int templatePanelId, TemplatePanelRow &row, QString *error = nullptr);
// Inserts the panel into the template under row.templatePanelId.
[[nodiscard]] bool addTemplatePanel(int templateId, const TemplatePanelRow &row, QString *error = nullptr);
// Stores the remark of the template's panel row.templatePanelId.
[[nodiscard]] bool updateTemplatePanel(int templateId, const TemplatePanelRow &row, QString *error = nullptr);
[[nodiscard]] bool deleteTemplatePanel(int templateId, int templatePanelId, QString *error = nullptr);
