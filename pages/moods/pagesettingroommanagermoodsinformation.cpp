#include "pages/moods/pagesettingroommanagermoodsinformation.h"

#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "pages/pickers/iconselectdlg.h"
#include "pages/pickers/picturechoice.h"
#include "panels/moodcommands.h"
#include "shell/manageritem.h"
#include "shell/tilegrid.h"

#include <QEvent>
#include <QGridLayout>
#include <QPixmap>
#include <QRegularExpression>

namespace {

// The device groups a mood restores, in the order of their boxes and of their columns in tbl_mood.
struct DeviceGroup
{
    const char *text;
    const char *objectName;
    const char *icon;
    const char *column;
    const char *missing;
    int airConditionerNo; // -1 for the lights
};

const DeviceGroup deviceGroups[] = {
    {QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Light"), "Light",
     ":/myImages/png/edit_room/icon-room-lighting.png", "light_bool",
     QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Please add light"), -1},
    {QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "AC 1"), "AC1",
     ":/myImages/png/edit_room/icon-room-ac.png", "ac1_bool",
     QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Please add ac 1"), 0},
    {QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "AC 2"), "AC2",
     ":/myImages/png/edit_room/icon-room-ac.png", "ac2_bool",
     QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Please add ac 2"), 1},
    {QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Floor Heat 1"), "FloorHeat1",
     ":/myImages/png/edit_room/icon-room-floorheat.png", "floor_heat1_bool",
     QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Please add floor heat 1"), 2},
    {QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Floor Heat 2"), "FloorHeat2",
     ":/myImages/png/edit_room/icon-room-floorheat.png", "floor_heat2_bool",
     QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Please add floor heat 2"), 3},
};
constexpr int groupCount = int(sizeof(deviceGroups) / sizeof(deviceGroups[0]));

QGridLayout *formGrid()
{
    auto *grid = new QGridLayout;
    grid->setSpacing(20);
    grid->setSizeConstraint(QLayout::SetNoConstraint);
    return grid;
}

// Whether the room has what the group restores: a light with its own address (its single row or the first row of
// an RGB light), or the air conditioner or floor heating of that slot whatever its address.
bool groupExists(const DeviceGroup &group, int roomId)
{
    if (group.airConditionerNo < 0)
        return roomHasAddressedLights(roomId);
    return queryHasRecord("select id from tbl_air_conditioner where room_id=? and air_conditioner_no=?",
                          {roomId, group.airConditionerNo});
}

} // namespace

PageSettingRoomManagerMoodsInformation::PageSettingRoomManagerMoodsInformation(const QString &id, const QString &name,
                                                                               QWidget *parent)
    : MyDialog(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerMoodsInformation");
    resize(400, 300);
    setWindowTitle("Dialog");

    lineEditName = new QtMaterialLineEdit(nullptr);
    lineEditName->setObjectName("lineEditMoodName");
    pictureTile = new ManagerItem(MoodTile, 0, QString(), "moods_1", false, TileGrid::itemColor, 300, 160, nullptr);
    pictureTile->setObjectName("managerItemPicture");
    auto *select = new QtMaterialFlatButton(tr("Select"), 7, nullptr);
    select->setObjectName("pushButtonExtraDiyCommand");
    auto *save = new QtMaterialFlatButton(QtMaterialTheme::icon("content", "save"), tr("Save"), 7, nullptr);
    save->setObjectName("pushButtonSave");

    QGridLayout *devices = formGrid();
    for (int i = 0; i < groupCount; ++i) {
        const DeviceGroup &group = deviceGroups[i];
        auto *icon = new QtMaterialLabel(nullptr);
        icon->setObjectName(QString("label%1").arg(group.objectName));
        icon->setFixedSize(48, 48);
        icon->setPixmap(QPixmap(group.icon));
        icon->setScaledContents(true);
        icon->installEventFilter(this);
        auto *box = new QtMaterialCheckBox(tr(group.text), nullptr);
        box->setObjectName(QString("checkBox%1").arg(group.objectName));
        box->setLabelPosition(QtMaterialCheckable::LabelOnLeft);
        devices->addWidget(icon, 0, i);
        devices->addWidget(box, 1, i);
        icons.append(icon);
        checkBoxes.append(box);
        connect(box, &QAbstractButton::toggled, this,
                &PageSettingRoomManagerMoodsInformation::checkBoxAddDevicesInCurrentState_toggled);
    }
    devices->setRowStretch(2, 1);

    QGridLayout *page = formGrid();
    page->addWidget(save, 0, 0, Qt::AlignRight);
    page->addWidget(new QtMaterialLabel(tr("Mood Name"), nullptr), 1, 0);
    page->addWidget(lineEditName, 2, 0);
    page->addWidget(new QtMaterialLabel(tr("Mood Picture"), nullptr), 3, 0);
    page->addWidget(pictureTile, 4, 0);
    page->addWidget(new QtMaterialLabel(tr("Add Devices In Current State"), nullptr), 5, 0);
    page->addLayout(devices, 6, 0);
    page->addWidget(new QtMaterialLabel(tr("Extra Diy Command"), nullptr), 7, 0);
    page->addWidget(select, 8, 0);
    page->setRowStretch(9, 1);
    setLayout(page);

    connect(pictureTile, &ManagerItem::signalsIconEdit, this, &PageSettingRoomManagerMoodsInformation::slotsIconEdit);
    connect(select, &QtMaterialFlatButton::clicked, this,
            &PageSettingRoomManagerMoodsInformation::pushButtonExtraDiyCommand_clicked);
    connect(save, &QtMaterialFlatButton::clicked, this,
            &PageSettingRoomManagerMoodsInformation::pushButtonSave_clicked);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this,
            &PageSettingRoomManagerMoodsInformation::slotsPageEnter);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageRemoveMoodsInformation, this,
            &PageSettingRoomManagerMoodsInformation::slotsPageRemoveMoodsInformation);
}

void PageSettingRoomManagerMoodsInformation::slotsPageEnter(QString moodRoomId, QString resetPage)
{
    if (!isVisible())
        return;
    // "%d-%d": the mood id, then the room id.
    static const QRegularExpression ids(QStringLiteral("^\\s*([+-]?\\d+)(?:-([+-]?\\d+))?"));
    const QRegularExpressionMatch match = ids.match(moodRoomId);
    m_moodId = match.hasMatch() ? match.captured(1).toInt() : 0;
    m_roomId = match.hasMatch() ? match.captured(2).toInt() : 0;
    commandList.clear();

    if (resetPage.toInt() > 0) {
        stored = false;
        lineEditName->clear();
        pictureTile->setIconName("moods_1");
        for (QtMaterialCheckBox *box : qAsConst(checkBoxes))
            box->setChecked(false);
        QSqlQuery query =
            gDatabase.querySql("select * from tbl_mood where mood_id=? and room_id=?", {m_moodId, m_roomId});
        if (query.next()) {
            stored = true;
            lineEditName->setText(queryColumnText(query, "mood_name"));
            pictureTile->setIconName(queryColumnText(query, "mood_icon_name"));
            int flags[groupCount];
            for (int i = 0; i < groupCount; ++i)
                flags[i] = queryColumnInt(query, deviceGroups[i].column);
            query.finish();
            // Checking runs the existence check: a device removed since the mood was saved leaves its box off.
            for (int i = 0; i < groupCount; ++i)
                if (flags[i] > 0)
                    checkBoxes.at(i)->setChecked(true);
        }
    }
    commandList = loadMoodCommands(m_moodId, m_roomId);
}

void PageSettingRoomManagerMoodsInformation::slotsPageRemoveMoodsInformation()
{
    if (m_moodId <= 0)
        return;
    // Commands the DIY editor wrote for a mood that was never saved.
    if (!queryHasRecord("select * from tbl_mood where room_id=? and mood_id=?", {m_roomId, m_moodId}))
        gDatabase.execSql("delete from tbl_mood_command where room_id=? and mood_id=?", {m_roomId, m_moodId});
    m_moodId = 0;
}

void PageSettingRoomManagerMoodsInformation::slotsIconEdit(QString iconName)
{
    // A gallery picture is written to the project folder at once; the mood row names it only when saved.
    const std::optional<QString> chosen = PictureChoice::choose(this, IconSelectMood, "Mood", m_moodId);
    if (!chosen)
        return;
    if (*chosen != iconName)
        pictureTile->setIconName(*chosen);
    else
        pictureTile->update();
}

void PageSettingRoomManagerMoodsInformation::checkBoxAddDevicesInCurrentState_toggled(bool checked)
{
    if (!checked)
        return;
    const int at = checkBoxes.indexOf(qobject_cast<QtMaterialCheckBox *>(sender()));
    if (at < 0 || groupExists(deviceGroups[at], m_roomId))
        return;
    emit gBroadcastSocket.signalsInformation(tr(deviceGroups[at].missing));
    checkBoxes.at(at)->setChecked(false);
}

bool PageSettingRoomManagerMoodsInformation::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const int at = icons.indexOf(qobject_cast<QtMaterialLabel *>(watched));
        if (at >= 0)
            checkBoxes.at(at)->setChecked(!checkBoxes.at(at)->isChecked());
    }
    return MyDialog::eventFilter(watched, event);
}

void PageSettingRoomManagerMoodsInformation::pushButtonExtraDiyCommand_clicked()
{
    emit gBroadcastSocket.signalsPageIdChanged(tr("Diy Command"), tr("Diy Command"), QString::asprintf("%d", m_moodId),
                                               QString::asprintf("%d", m_roomId));
}

bool PageSettingRoomManagerMoodsInformation::saveMood()
{
    int flags[groupCount];
    for (int i = 0; i < groupCount; ++i)
        flags[i] = checkBoxes.at(i)->isChecked() ? 1 : 0;
    const int diy = commandList.isEmpty() ? 0 : 1;
    const QString name = lineEditName->text();
    const QString picture = pictureTile->iconName();

    if (!gDatabase.beginTransaction())
        return false;
    bool ok;
    if (stored)
        ok = gDatabase.execSql(
            "update tbl_mood set mood_name=?,mood_icon_name=?,light_bool=?,ac1_bool=?,ac2_bool=?,"
            "floor_heat1_bool=?,floor_heat2_bool=?,curtain_bool=0,audio_bool=0,diy_bool=? where "
            "room_id=? and mood_id=?",
            {name, picture, flags[0], flags[1], flags[2], flags[3], flags[4], diy, m_roomId, m_moodId});
    else
        ok = gDatabase.execSql(
            "insert into tbl_mood(mood_id,mood_name,mood_icon_name,light_bool,ac1_bool,ac2_bool,"
            "floor_heat1_bool,floor_heat2_bool,curtain_bool,audio_bool,diy_bool,room_id) "
            "values(?,?,?,?,?,?,?,?,0,0,?,?)",
            {m_moodId, name, picture, flags[0], flags[1], flags[2], flags[3], flags[4], diy, m_roomId});

    // The snapshots copy the rows as they stand, byte for byte; only the mood and room ids are the page's.
    ok = ok &&
         gDatabase.execSql("delete from tbl_mood_light_status where room_id=? and mood_id=?", {m_roomId, m_moodId});
    if (flags[0])
        ok = ok &&
             gDatabase.execSql(
                 "insert into tbl_mood_light_status(mood_id,light_id,light_type,light_remark,subnet_id,device_id,"
                 "channel,icon_name_of_light_on,icon_name_of_light_off,brightness,us_id,fade,rgb,original_type,"
                 "room_id) select ?,light_id,light_type,light_remark,subnet_id,device_id,channel,"
                 "icon_name_of_light_on,icon_name_of_light_off,brightness,us_id,fade,rgb,original_type,? from "
                 "tbl_light where room_id=? and subnet_id >0 and device_id >0 order by light_id asc,rgb asc,id asc",
                 {m_moodId, m_roomId, m_roomId});
    ok = ok && gDatabase.execSql("delete from tbl_mood_air_conditioner_status where room_id=? and mood_id=?",
                                 {m_roomId, m_moodId});
    for (int i = 1; i < groupCount; ++i) {
        if (!flags[i])
            continue;
        ok = ok &&
             gDatabase.execSql(
                 "insert into tbl_mood_air_conditioner_status(mood_id,air_conditioner_no,air_conditioner_type,remark,"
                 "subnet_id,device_id,channel,status,mode,speed,current_temperature,current_cool_temperature,"
                 "current_heat_temperature,current_auto_temperature,current_dry_temperature,temperature_unit,"
                 "original_type,room_id) select ?,air_conditioner_no,air_conditioner_type,remark,subnet_id,device_id,"
                 "channel,status,mode,speed,current_temperature,current_cool_temperature,current_heat_temperature,"
                 "current_auto_temperature,current_dry_temperature,temperature_unit,original_type,? from "
                 "tbl_air_conditioner where room_id=? and air_conditioner_no=?",
                 {m_moodId, m_roomId, m_roomId, deviceGroups[i].airConditionerNo});
    }
    ok = ok && replaceMoodCommands(m_moodId, m_roomId, commandList);

    if (ok && gDatabase.commitTransaction())
        return true;
    gDatabase.rollbackTransaction();
    return false;
}

void PageSettingRoomManagerMoodsInformation::pushButtonSave_clicked()
{
    bool anyGroup = false;
    for (const QtMaterialCheckBox *box : qAsConst(checkBoxes))
        anyGroup = anyGroup || box->isChecked();
    if (lineEditName->text().isEmpty() || (!anyGroup && commandList.isEmpty())) {
        emit gBroadcastSocket.signalsInformation(tr("Please input the complete content!"));
        return;
    }
    if (!saveMood()) {
        emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
        return;
    }
    // The row exists now: a second save must update it, not add another.
    stored = true;
    emit gBroadcastSocket.signalsPageIdChanged(tr("Edit Room"), tr("Edit Room"), QString::asprintf("%d", m_roomId),
                                               tr("0"));
}
