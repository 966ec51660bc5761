#include "pages/moods/pagesettingroommanagermoodsinformation.h"

#include "core/climatestore.h"
#include "core/cppsqlite3db.h"
#include "core/devicestore.h"
#include "core/globals.h"
#include "core/moodstore.h"
#include "core/queryhelpers.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "pages/pickers/iconselectdlg.h"
#include "pages/pickers/picturechoice.h"
#include "panels/moodcommands.h"
#include "shell/manageritem.h"
#include "shell/pageids.h"
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
    int StoredMood::*stored;
    const char *missing;
    int airConditionerNo; // -1 for the lights
};

const DeviceGroup deviceGroups[] = {
    {QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Light"), "Light",
     ":/myImages/png/edit_room/icon-room-lighting.png", &StoredMood::light,
     QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Please add light"), -1},
    {QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "AC 1"), "AC1",
     ":/myImages/png/edit_room/icon-room-ac.png", &StoredMood::ac1,
     QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Please add ac 1"), 0},
    {QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "AC 2"), "AC2",
     ":/myImages/png/edit_room/icon-room-ac.png", &StoredMood::ac2,
     QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Please add ac 2"), 1},
    {QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Floor Heat 1"), "FloorHeat1",
     ":/myImages/png/edit_room/icon-room-floorheat.png", &StoredMood::floorHeat1,
     QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Please add floor heat 1"), 2},
    {QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsInformation", "Floor Heat 2"), "FloorHeat2",
     ":/myImages/png/edit_room/icon-room-floorheat.png", &StoredMood::floorHeat2,
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
    return hasClimateDevice(roomId, group.airConditionerNo);
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
        icon->setPixmap(picturePixmap(group.icon));
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
        StoredMood mood;
        if (loadMood(m_moodId, m_roomId, mood)) {
            stored = true;
            lineEditName->setText(mood.name);
            pictureTile->setIconName(mood.iconName);
            // Checking runs the existence check: a device removed since the mood was saved leaves its box off.
            for (int i = 0; i < groupCount; ++i)
                if (mood.*deviceGroups[i].stored > 0)
                    checkBoxes.at(i)->setChecked(true);
        }
    }
    commandList = loadMoodCommands(m_moodId, m_roomId);
}

void PageSettingRoomManagerMoodsInformation::slotsPageRemoveMoodsInformation()
{
    if (m_moodId <= 0)
        return;
    // Commands the DIY editor wrote for a mood that was never saved. When they could not be removed the page keeps
    // the mood, so that its next removal from the history tries again.
    if (!deleteCommandsOfUnsavedMood(m_moodId, m_roomId))
        return;
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
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::DiyCommand), trPageId(PageId::DiyCommand),
                                               QString::asprintf("%d", m_moodId), QString::asprintf("%d", m_roomId));
}

bool PageSettingRoomManagerMoodsInformation::saveMood()
{
    int flags[groupCount];
    for (int i = 0; i < groupCount; ++i)
        flags[i] = checkBoxes.at(i)->isChecked() ? 1 : 0;
    MoodForm form;
    form.name = lineEditName->text();
    form.iconName = pictureTile->iconName();
    form.light = flags[0];
    form.ac1 = flags[1];
    form.ac2 = flags[2];
    form.floorHeat1 = flags[3];
    form.floorHeat2 = flags[4];
    return ::saveMood(m_moodId, m_roomId, stored, form, moodCommandRows(commandList));
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
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::EditRoom), trPageId(PageId::EditRoom),
                                               QString::asprintf("%d", m_roomId), tr("0"));
}
