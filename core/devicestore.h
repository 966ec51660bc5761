#pragma once
// The statements on the room devices other than the climate ones: lights (tbl_light), wall panels (tbl_panel),
// the master switch (tbl_master), the occupancy sensor (tbl_occupation), and the refresh times of the device
// views (tbl_last_update). Every page, panel and intake reads and writes these tables through here.
//
// Writes answer true when stored; on false nothing of the call is stored and error (when given) holds the reason.
// Reads that a caller must tell from "no row" take error the same way (set only when the statement failed).

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QVector>

#include <optional>

// ---- Lights ----------------------------------------------------------------------------------------------------

// The room's lights with a bus address (subnet and device above 0), their own rows (rgb 0 or 1) by light_id,
// every column: a query positioned before its first row, inactive without rows when the statement failed.
QSqlQuery queryAddressedRoomLights(int roomId);
// The room's lights, their own rows (rgb 0 or 1) by light_id, every column; as above.
QSqlQuery queryRoomLights(int roomId);
// The row of one light with that rgb value (the channel rows 2 to 4 of an RGB light), every column.
QSqlQuery queryLightRow(int roomId, int lightId, int rgb);
// True when the room has a light with a bus address / any light (its own row, rgb 0 or 1).
bool roomHasAddressedLights(int roomId, QString *error = nullptr);
bool roomHasLights(int roomId, QString *error = nullptr);
// The light_id of every light's own row (rgb 0 or 1) over the whole project, in table order.
QVector<int> usedLightIds(QString *error = nullptr);

// One row of tbl_light, every column the panels load, as stored: integers read as queryColumnInt does (NULL and
// non-numbers 0), texts as they are (NULL empty). A light is its own row (rgb 0, or 1 for an RGB light); an RGB
// light adds its channel rows rgb 2 to 4 under the same light_id.
struct LightChannelRow
{
    int lightId = 0;
    int lightType = 0;
    QString remark;
    int subnetId = 0;
    int deviceId = 0;
    int channel = 0;
    QString iconOn;
    QString iconOff;
    int brightness = 0;
    int usId = 0;
    int fade = 0;
    int rgb = 0;
    int originalType = 0;
    QString version;
    int roomId = 0;
};
// The row the query stands on; columns the result lacks stay zero or empty (so a mood's snapshot of a row reads
// the same way).
LightChannelRow lightRowFromQuery(const QSqlQuery &query);

// One stored row of a light as the light editor shows it.
struct StoredLightRow
{
    int type = 0;
    QString remark;
    QString iconOn;
    int subnet = 0;
    int device = 0;
    int channel = 0;
    int usId = 0;
};
// The light's own row (rgb 0 or 1); none when it has no row.
std::optional<StoredLightRow> readLight(int roomId, int lightId, QString *error = nullptr);
// The light's row with that rgb value (2 to 4 for the channel rows of an RGB light); none when it has no row.
std::optional<StoredLightRow> readLightRow(int roomId, int lightId, int rgb, QString *error = nullptr);

// The address and rgb value of one row a saved light is stored as.
struct LightAddressRow
{
    int subnet = 0;
    int device = 0;
    int channel = 0;
    int usId = 0;
    int rgb = 0;
};
// Replaces every row of the light by one row per entry of rows, with level 0, fade 0, no device type or
// version, as one transaction.
[[nodiscard]] bool saveLight(int roomId, int lightId, int type, const QString &remark, const QString &iconOn,
                             const QString &iconOff, const QList<LightAddressRow> &rows, QString *error = nullptr);
// Removes every row of the light (its place on the room's 3D view is the placement store's).
[[nodiscard]] bool deleteLight(int roomId, int lightId, QString *error = nullptr);
// Adds one row of a light without an address (subnet, device, channel 0), as a room made from a template has it.
[[nodiscard]] bool addUnaddressedLightRow(int roomId, int lightId, int type, const QString &remark,
                                          const QString &iconOn, const QString &iconOff, int rgb,
                                          QString *error = nullptr);

// A light's level as reported by its device, into the light's rows (rgb -1) or its row with that rgb value. A
// level equal to the stored one writes nothing. Kept prepared: it runs for every level frame.
[[nodiscard]] bool storeLightBrightness(int roomId, int lightId, int brightness, int rgb = -1,
                                        QString *error = nullptr);
// A light's device type and version text as its device reported them, into the light's rows (rgb -1) or its
// row with that rgb value.
[[nodiscard]] bool storeLightDeviceInfo(int roomId, int lightId, int originalType, const QString &version, int rgb = -1,
                                        QString *error = nullptr);

// ---- Wall panels -----------------------------------------------------------------------------------------------

struct StoredPanel
{
    int panelId = 0;
    QString remark;
    int subnet = 0;
    int device = 0;
    int roomId = 0;
};
// The room's panels by panel_id, every column: a query positioned before its first row, inactive without rows
// when the statement failed.
QSqlQuery queryRoomPanels(int roomId);
// The room's panel of that panel_id; none when the room has no such panel.
std::optional<StoredPanel> readPanel(int roomId, int panelId, QString *error = nullptr);
// The bus address of the panel of that panel_id in any room (subnet and device filled); none when there is none.
std::optional<StoredPanel> panelAddress(int panelId, QString *error = nullptr);
// The name of the panel of that panel_id; empty when there is none.
QString readPanelRemark(int panelId);
// The panel at that bus address (panel id and room id filled; the first row when several share it). Kept
// prepared: the guest call intake runs it for every frame of a burst.
std::optional<StoredPanel> panelAtAddress(int subnet, int device, QString *error = nullptr);
// True when any panel of the project has that bus address.
bool panelAddressUsed(int subnet, int device, QString *error = nullptr);
// The panel_id of every panel over the whole project, in table order.
QVector<int> usedPanelIds(QString *error = nullptr);

// Adds a panel to a room.
[[nodiscard]] bool addPanel(int roomId, int panelId, const QString &remark, int subnet, int device,
                            QString *error = nullptr);
// Stores the room's panel's name and address; with dropHistory the panel's guest messages (tbl_message_log) go
// in the same transaction, as they belong to the old address.
[[nodiscard]] bool updatePanel(int roomId, int panelId, const QString &remark, int subnet, int device, bool dropHistory,
                               QString *error = nullptr);

// Removes the room's panel with its guest messages (tbl_message_log), as one transaction.
[[nodiscard]] bool deletePanel(int roomId, int panelId, QString *error = nullptr);

// ---- Occupancy sensor and master switch -----------------------------------------------------------------------

// One row of tbl_occupation (type is its occupation_type) or tbl_master (type 0).
struct StoredSwitch
{
    int type = 0;
    int subnet = 0;
    int device = 0;
    int channel = 0;
    int status = 0;
};
// The room's occupancy sensor / master switch: its lowest-id row (a room should have one); none without a row.
std::optional<StoredSwitch> readRoomOccupation(int roomId, QString *error = nullptr);
std::optional<StoredSwitch> readRoomMaster(int roomId, QString *error = nullptr);

// Stores the room's occupancy sensor / master switch with status 0 (not yet known): its rows are updated when
// it has any, else one is added.
[[nodiscard]] bool saveRoomOccupation(int roomId, int type, int subnet, int device, int channel,
                                      QString *error = nullptr);
[[nodiscard]] bool saveRoomMaster(int roomId, int subnet, int device, int channel, QString *error = nullptr);
// Removes the room's occupancy sensor / master switch rows.
[[nodiscard]] bool removeRoomOccupation(int roomId, QString *error = nullptr);
[[nodiscard]] bool removeRoomMaster(int roomId, QString *error = nullptr);

// A sensor's or switch's status as its device reported it, into every row with that address (and, for the
// sensor, that occupation_type): every room configured with the same channel shares it.
[[nodiscard]] bool storeOccupationStatus(int status, int subnet, int device, int channel, int type,
                                         QString *error = nullptr);
[[nodiscard]] bool storeMasterStatus(int status, int subnet, int device, int channel, QString *error = nullptr);

// ---- Refresh times of the device views -------------------------------------------------------------------------

// True when a time is stored under key; time is then that text, else left as passed in.
bool readLastUpdateTime(const QString &key, QString &time, QString *error = nullptr);
// Stores time under key: the key's rows are updated when it has any, else one is added.
[[nodiscard]] bool storeLastUpdateTime(const QString &key, const QString &time, QString *error = nullptr);
