// The mood information editor in the station's own window: its entry, the device boxes, Save with the snapshots of
// the room's devices, the way to the command editor and back, and the removal of the commands of a mood that was
// never saved once the page has left the menu bar's history; observed in the database.

#include "pages/moods/pagesettingroommanagermoodsinformation.h"

#include "app/pagetable.h"
#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcheckbox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "pages/pickers/iconstyledlg.h"
#include "pages/pickers/iconstyleitem.h"
#include "pages/pickers/picturechoice.h"
#include "resources/stationresources.h"
#include "shell/mainwindow.h"
#include "shell/manageritem.h"
#include "shell/menubar.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/projectfixture.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QImage>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

const QStringList lightColumns = {"light_id",
                                  "light_type",
                                  "light_remark",
                                  "subnet_id",
                                  "device_id",
                                  "channel",
                                  "icon_name_of_light_on",
                                  "icon_name_of_light_off",
                                  "brightness",
                                  "us_id",
                                  "fade",
                                  "rgb",
                                  "original_type",
                                  "room_id"};
const QStringList climateColumns = {"air_conditioner_no",
                                    "air_conditioner_type",
                                    "remark",
                                    "subnet_id",
                                    "device_id",
                                    "channel",
                                    "status",
                                    "mode",
                                    "speed",
                                    "current_temperature",
                                    "current_cool_temperature",
                                    "current_heat_temperature",
                                    "current_auto_temperature",
                                    "current_dry_temperature",
                                    "temperature_unit",
                                    "original_type",
                                    "room_id"};

// The named columns of every row of the statement, values as stored.
QList<QVariantList> rowsOf(const QString &sql, const QVariantList &values, const QStringList &columns)
{
    QList<QVariantList> rows;
    QSqlQuery query = gDatabase.querySql(sql, values);
    while (query.next()) {
        QVariantList row;
        for (const QString &column : columns)
            row << query.value(column);
        rows << row;
    }
    return rows;
}

QVariantList moodRow(int moodId, int roomId)
{
    const QList<QVariantList> rows =
        rowsOf("select * from tbl_mood where mood_id=? and room_id=?", {moodId, roomId},
               {"mood_name", "mood_icon_name", "light_bool", "ac1_bool", "ac2_bool", "floor_heat1_bool",
                "floor_heat2_bool", "curtain_bool", "audio_bool", "diy_bool"});
    return rows.size() == 1 ? rows.first() : QVariantList{rows.size()};
}

bool addCommand(int moodId, int roomId, int commandId)
{
    return gDatabase.execSql("insert into tbl_mood_command(command_id,mood_id,subnet_id,device_id,command_type,prm1,"
                             "prm2,prm3,prm4,room_id) values(?,?,1,20,85,1,2,0,0,?)",
                             {commandId, moodId, roomId});
}

// Tiles lie in kinetic scrolling canvases that hold a press back; the click is given as the tile's own signal.
void press(DynamicWidget *tile)
{
    QVERIFY(tile);
    emit tile->signalsPressed();
}

int pressStyle(IconStyleDlg &dialog, int style)
{
    for (IconStyleItem *row : dialog.findChildren<IconStyleItem *>()) {
        if (row->style() == style)
            QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    }
    return dialog.result();
}

} // namespace

class TestMoodsInformation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newMoodOpensEmpty();
    void boxNeedsItsDevice_data();
    void boxNeedsItsDevice();
    void iconPressTogglesItsBox();
    void incompleteMoodIsRefused_data();
    void incompleteMoodIsRefused();
    void saveWritesMoodAndSnapshots();
    void saveAgainReplacesSnapshots();
    void moodOfCommandsOnly();
    void storedMoodOpensWithItsValues();
    void commandEditorRoundTripKeepsTheForm();
    void unsavedMoodLosesItsCommandsWhenLeftBehind();
    void savedMoodKeepsItsCommands();
    void galleryPictureOfUnsavedMoodStays();
    void failedSaveChangesNothing();
    void refusedRemovalKeepsCommandsUntilItWorks();

private:
    void go(const QString &id, const QString &prm1 = QString(), const QString &prm2 = QString())
    {
        emit gBroadcastSocket.signalsPageIdChanged(id, id, prm1, prm2);
    }
    void openMood(int moodId, const QString &reset = "1") { go("Moods Information", moodPrm(moodId), reset); }
    QString moodPrm(int moodId) const { return QString("%1-%2").arg(moodId).arg(roomId); }
    PageSettingRoomManagerMoodsInformation *page() const
    {
        return qobject_cast<PageSettingRoomManagerMoodsInformation *>(window->page("Moods Information"));
    }
    template <class T> T *child(const QString &name, const QString &pageId = "Moods Information") const
    {
        T *widget = window->page(pageId)->findChild<T *>(name);
        if (!widget)
            qWarning() << "no" << name << "on" << pageId;
        return widget;
    }
    QtMaterialCheckBox *box(const QString &group) const { return child<QtMaterialCheckBox>("checkBox" + group); }
    QtMaterialLineEdit *nameField() const { return child<QtMaterialLineEdit>("lineEditMoodName"); }
    ManagerItem *pictureTile() const { return child<ManagerItem>("managerItemPicture"); }
    void save() { child<QtMaterialFlatButton>("pushButtonSave")->click(); }
    void addDevices(const QString &setup);

    QTemporaryDir home;
    QScopedPointer<MainWindow> window;
    QStringList toasts;
    QStringList navigations;
    int roomId = 0;
    int otherRoomId = 0;
};

void TestMoodsInformation::initTestCase()
{
    testenv::useFreshHome(home);
    initStationResources();
    registerStationPages();
    connect(&gBroadcastSocket, &BroadcastSocket::signalsInformation, this, [this](QString text) { toasts << text; });
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged, this,
            [this](QString id, QString, QString prm1, QString prm2) { navigations << id + "/" + prm1 + "/" + prm2; });
}

void TestMoodsInformation::init()
{
    REQUIRE_PRIVATE_NETWORK();
    stationfixture::prepareProject(home.path(), LocalNetwork);
    gScreenWidth = 1920;
    roomId = projectfixture::addPlace("North", "Ground", "101").roomId;
    otherRoomId = projectfixture::addPlace("South", "First", "201").roomId;
    QVERIFY(roomId > 0 && otherRoomId > 0);
    window.reset(new MainWindow);
    toasts.clear();
    navigations.clear();
}

void TestMoodsInformation::cleanup()
{
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    IconStyleDlg::setExecHook({});
    PictureChoice::setOpenFileHook({});
}

// Devices of the room for the box checks, by a word each.
void TestMoodsInformation::addDevices(const QString &setup)
{
    using namespace projectfixture;
    LightRow light;
    AirConditionerRow climate;
    if (setup == "dimmer") {
        QVERIFY(addLight(roomId, light));
    } else if (setup == "dimmer without subnet") {
        light.subnet = 0;
        QVERIFY(addLight(roomId, light));
    } else if (setup == "dimmer without device") {
        light.device = 0;
        QVERIFY(addLight(roomId, light));
    } else if (setup == "rgb light") {
        light.type = 2;
        for (int rgb = 1; rgb <= 4; ++rgb) {
            light.rgb = rgb;
            light.channel = rgb;
            QVERIFY(addLight(roomId, light));
        }
    } else if (setup == "rgb channel rows only") {
        light.type = 2;
        light.rgb = 1;
        light.subnet = 0;
        QVERIFY(addLight(roomId, light));
        light.rgb = 2;
        light.subnet = 1;
        QVERIFY(addLight(roomId, light));
    } else if (setup == "light of another room") {
        QVERIFY(addLight(otherRoomId, light));
    } else if (setup.startsWith("climate ")) {
        climate.number = setup.mid(8).toInt();
        climate.subnet = 0;
        climate.device = 0;
        QVERIFY(addAirConditioner(roomId, climate));
    } else if (setup != "nothing") {
        QFAIL(qPrintable("unknown setup " + setup));
    }
}

void TestMoodsInformation::newMoodOpensEmpty()
{
    QVERIFY(projectfixture::addMood(otherRoomId, 7, "Other room's"));
    openMood(7);
    QCOMPARE(page()->moodId(), 7);
    QCOMPARE(page()->roomId(), roomId);
    QVERIFY(!page()->isStored());
    QCOMPARE(nameField()->text(), QString());
    QCOMPARE(pictureTile()->iconName(), QString("moods_1"));
    for (const char *group : {"Light", "AC1", "AC2", "FloorHeat1", "FloorHeat2"})
        QVERIFY(!box(group)->isChecked());
    QCOMPARE(toasts, QStringList());
}

void TestMoodsInformation::boxNeedsItsDevice_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("toast");

    QTest::newRow("no light") << "nothing"
                              << "Light"
                              << "Please add light";
    QTest::newRow("dimmer") << "dimmer"
                            << "Light"
                            << "";
    QTest::newRow("light without subnet") << "dimmer without subnet"
                                          << "Light"
                                          << "Please add light";
    QTest::newRow("light without device") << "dimmer without device"
                                          << "Light"
                                          << "Please add light";
    QTest::newRow("rgb light") << "rgb light"
                               << "Light"
                               << "";
    QTest::newRow("only a channel row addressed") << "rgb channel rows only"
                                                  << "Light"
                                                  << "Please add light";
    QTest::newRow("light of another room") << "light of another room"
                                           << "Light"
                                           << "Please add light";
    QTest::newRow("ac 1 without address") << "climate 0"
                                          << "AC1"
                                          << "";
    QTest::newRow("no ac 1") << "climate 1"
                             << "AC1"
                             << "Please add ac 1";
    QTest::newRow("ac 2") << "climate 1"
                          << "AC2"
                          << "";
    QTest::newRow("no ac 2") << "climate 0"
                             << "AC2"
                             << "Please add ac 2";
    QTest::newRow("floor heat 1") << "climate 2"
                                  << "FloorHeat1"
                                  << "";
    QTest::newRow("no floor heat 1") << "climate 3"
                                     << "FloorHeat1"
                                     << "Please add floor heat 1";
    QTest::newRow("floor heat 2") << "climate 3"
                                  << "FloorHeat2"
                                  << "";
    QTest::newRow("no floor heat 2") << "nothing"
                                     << "FloorHeat2"
                                     << "Please add floor heat 2";
}

void TestMoodsInformation::boxNeedsItsDevice()
{
    QFETCH(QString, setup);
    QFETCH(QString, group);
    QFETCH(QString, toast);
    addDevices(setup);
    openMood(7);
    box(group)->setChecked(true);
    QCOMPARE(box(group)->isChecked(), toast.isEmpty());
    QCOMPARE(toasts, toast.isEmpty() ? QStringList() : QStringList{toast});
}

void TestMoodsInformation::iconPressTogglesItsBox()
{
    addDevices("climate 0");
    openMood(7);
    auto *icon = child<QtMaterialLabel>("labelAC1");
    QTest::mouseClick(icon, Qt::LeftButton);
    QVERIFY(box("AC1")->isChecked());
    QTest::mouseClick(icon, Qt::LeftButton);
    QVERIFY(!box("AC1")->isChecked());

    QTest::mouseClick(child<QtMaterialLabel>("labelLight"), Qt::LeftButton);
    QVERIFY(!box("Light")->isChecked());
    QCOMPARE(toasts, QStringList{"Please add light"});
}

void TestMoodsInformation::incompleteMoodIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("light");
    QTest::newRow("no name") << "" << true;
    QTest::newRow("nothing to restore") << "Evening" << false;
}

void TestMoodsInformation::incompleteMoodIsRefused()
{
    QFETCH(QString, name);
    QFETCH(bool, light);
    addDevices("dimmer");
    openMood(7);
    nameField()->setText(name);
    box("Light")->setChecked(light);
    save();
    QCOMPARE(toasts, QStringList{"Please input the complete content!"});
    QCOMPARE(navigations.last(), "Moods Information/" + moodPrm(7) + "/1");
    QCOMPARE(projectfixture::rowCount("tbl_mood") + projectfixture::rowCount("tbl_mood_light_status"), 0);
}

void TestMoodsInformation::saveWritesMoodAndSnapshots()
{
    using namespace projectfixture;
    // An RGB light whose third channel has no address, a dimmer without one, an addressed on/off light.
    LightRow light;
    light.type = 2;
    light.remark = "Bar 'A' 100% %s";
    light.iconOn = "photo_x'y";
    for (int rgb = 1; rgb <= 4; ++rgb) {
        light.rgb = rgb;
        light.channel = rgb;
        light.brightness = 20 * rgb;
        light.subnet = rgb == 3 ? 0 : 1;
        QVERIFY(addLight(roomId, light));
    }
    LightRow dimmer;
    dimmer.lightId = 2;
    dimmer.subnet = 0;
    QVERIFY(addLight(roomId, dimmer));
    LightRow onOff;
    onOff.lightId = 3;
    onOff.type = 0;
    onOff.device = 11;
    onOff.brightness = 100;
    onOff.originalType = 5;
    QVERIFY(addLight(roomId, onOff));
    QVERIFY(addLight(otherRoomId, onOff));
    for (int number = 0; number < 4; ++number) {
        AirConditionerRow climate;
        climate.number = number;
        climate.remark = QString("Lobby's #%1").arg(number);
        climate.subnet = number == 0 ? 0 : 1;
        climate.status = 1;
        climate.mode = number;
        climate.coolTemperature = 20 + number;
        QVERIFY(addAirConditioner(roomId, climate));
    }

    openMood(7);
    nameField()->setText("Dinner for 2 '%s' 100%");
    for (const char *group : {"Light", "AC1", "FloorHeat1"})
        box(group)->setChecked(true);
    save();
    QCOMPARE(toasts, QStringList());
    QCOMPARE(navigations.last(), QString("Edit Room/%1/0").arg(roomId));

    QCOMPARE(moodRow(7, roomId), (QVariantList{"Dinner for 2 '%s' 100%", "moods_1", 1, 1, 0, 1, 0, 0, 0, 0}));
    const QList<QVariantList> lights =
        rowsOf("select * from tbl_light where room_id=? and subnet_id>0 and device_id>0 order by light_id,rgb",
               {roomId}, lightColumns);
    QCOMPARE(lights.size(), 4);
    QCOMPARE(rowsOf("select * from tbl_mood_light_status where mood_id=7 order by light_id,rgb", {}, lightColumns),
             lights);
    QCOMPARE(lights.first().at(2), QVariant("Bar 'A' 100% %s"));
    QCOMPARE(lights.first().at(6), QVariant("photo_x'y"));
    const QList<QVariantList> climates =
        rowsOf("select * from tbl_air_conditioner where room_id=? and air_conditioner_no in (0,2) order by "
               "air_conditioner_no",
               {roomId}, climateColumns);
    QCOMPARE(climates.size(), 2);
    QCOMPARE(rowsOf("select * from tbl_mood_air_conditioner_status where mood_id=7 order by air_conditioner_no", {},
                    climateColumns),
             climates);
    QCOMPARE(rowCount("tbl_mood_command"), 0);
}

void TestMoodsInformation::saveAgainReplacesSnapshots()
{
    using namespace projectfixture;
    addDevices("dimmer");
    addDevices("climate 0");
    addDevices("climate 2");
    openMood(7);
    nameField()->setText("Evening");
    for (const char *group : {"Light", "AC1", "FloorHeat1"})
        box(group)->setChecked(true);
    save();

    // The devices are operated, then the mood is edited again from the list.
    QVERIFY(gDatabase.execSql("update tbl_light set brightness=77 where room_id=?", {roomId}));
    openMood(7);
    QVERIFY(page()->isStored());
    QVERIFY(box("Light")->isChecked() && box("AC1")->isChecked() && box("FloorHeat1")->isChecked());
    box("AC1")->setChecked(false);
    save();
    QCOMPARE(rowCount("tbl_mood"), 1);
    QCOMPARE(moodRow(7, roomId), (QVariantList{"Evening", "moods_1", 1, 0, 0, 1, 0, 0, 0, 0}));
    QCOMPARE(value("select brightness from tbl_mood_light_status where mood_id=7", {}, "brightness"), QVariant(77));
    QCOMPARE(rowCount("tbl_mood_light_status"), 1);
    QCOMPARE(rowCount("tbl_mood_air_conditioner_status"), 1);
    QCOMPARE(value("select * from tbl_mood_air_conditioner_status", {}, "air_conditioner_no"), QVariant(2));

    openMood(7);
    box("Light")->setChecked(false);
    save();
    QCOMPARE(rowCount("tbl_mood_light_status"), 0);
    QCOMPARE(rowCount("tbl_mood_air_conditioner_status"), 1);
}

void TestMoodsInformation::moodOfCommandsOnly()
{
    QVERIFY(addCommand(7, roomId, 1));
    QVERIFY(addCommand(7, roomId, 2));
    addDevices("dimmer");
    openMood(7);
    QCOMPARE(page()->commands().size(), 2);
    nameField()->setText("Commands");
    save();
    QCOMPARE(moodRow(7, roomId), (QVariantList{"Commands", "moods_1", 0, 0, 0, 0, 0, 0, 0, 1}));
    QCOMPARE(projectfixture::rowCount("tbl_mood_light_status") +
                 projectfixture::rowCount("tbl_mood_air_conditioner_status"),
             0);
    QCOMPARE(projectfixture::rowCount("tbl_mood_command", "mood_id=7"), 2);
}

void TestMoodsInformation::storedMoodOpensWithItsValues()
{
    addDevices("dimmer");
    QVERIFY(projectfixture::addMood(roomId, 5, "Morning", "moods_3", {1, 1, 0, 0, 0, 0, 0, 0}));
    openMood(5);
    QVERIFY(page()->isStored());
    QCOMPARE(nameField()->text(), QString("Morning"));
    QCOMPARE(pictureTile()->iconName(), QString("moods_3"));
    QVERIFY(box("Light")->isChecked());
    // Its air conditioner has been removed since.
    QVERIFY(!box("AC1")->isChecked());
    QCOMPARE(toasts, QStringList{"Please add ac 1"});
    save();
    QCOMPARE(projectfixture::rowCount("tbl_mood"), 1);
    QCOMPARE(moodRow(5, roomId), (QVariantList{"Morning", "moods_3", 1, 0, 0, 0, 0, 0, 0, 0}));
}

void TestMoodsInformation::commandEditorRoundTripKeepsTheForm()
{
    addDevices("dimmer");
    openMood(7);
    nameField()->setText("New");
    box("Light")->setChecked(true);
    child<QtMaterialFlatButton>("pushButtonExtraDiyCommand")->click();
    QCOMPARE(navigations.last(), QString("Diy Command/7/%1").arg(roomId));
    QCOMPARE(window->menu()->currentPage().id, QString("Diy Command"));
    child<QtMaterialLineEdit>("lineEditSubnet", "Diy Command")->setText("1");
    child<QtMaterialLineEdit>("lineEditDevice", "Diy Command")->setText("20");
    child<QtMaterialFlatButton>("pushButtonSave", "Diy Command")->click();
    QCOMPARE(navigations.last(), "Moods Information/" + moodPrm(7) + "/0");

    QCOMPARE(nameField()->text(), QString("New"));
    QVERIFY(box("Light")->isChecked());
    QCOMPARE(page()->commands().size(), 1);
    save();
    QCOMPARE(moodRow(7, roomId), (QVariantList{"New", "moods_1", 1, 0, 0, 0, 0, 0, 0, 1}));
    QCOMPARE(projectfixture::rowCount("tbl_mood_command", "mood_id=7"), 1);
}

void TestMoodsInformation::unsavedMoodLosesItsCommandsWhenLeftBehind()
{
    QVERIFY(projectfixture::addMood(roomId, 8, "Saved"));
    QVERIFY(addCommand(8, roomId, 1));
    go("Edit Room", QString::number(roomId), "1");
    openMood(7);
    child<QtMaterialFlatButton>("pushButtonExtraDiyCommand")->click();
    child<QtMaterialLineEdit>("lineEditSubnet", "Diy Command")->setText("1");
    child<QtMaterialLineEdit>("lineEditDevice", "Diy Command")->setText("20");
    child<QtMaterialFlatButton>("pushButtonSave", "Diy Command")->click();
    QCOMPARE(projectfixture::rowCount("tbl_mood_command", "mood_id=7"), 1);
    QCOMPARE(page()->moodId(), 7);

    // Back to the room editor: the mood page leaves the history unsaved.
    window->menu()->labelBack_pressed();
    QCOMPARE(window->menu()->currentPage().id, QString("Edit Room"));
    QCOMPARE(projectfixture::rowCount("tbl_mood_command", "mood_id=7"), 0);
    QCOMPARE(projectfixture::rowCount("tbl_mood_command", "mood_id=8"), 1);
    QCOMPARE(page()->moodId(), 0);
}

void TestMoodsInformation::savedMoodKeepsItsCommands()
{
    go("Edit Room", QString::number(roomId), "1");
    openMood(7);
    nameField()->setText("Kept");
    child<QtMaterialFlatButton>("pushButtonExtraDiyCommand")->click();
    child<QtMaterialLineEdit>("lineEditSubnet", "Diy Command")->setText("1");
    child<QtMaterialLineEdit>("lineEditDevice", "Diy Command")->setText("20");
    child<QtMaterialFlatButton>("pushButtonSave", "Diy Command")->click();
    save();
    QCOMPARE(window->menu()->currentPage().id, QString("Edit Room"));
    go("Setting");
    QCOMPARE(page()->moodId(), 0);
    QCOMPARE(projectfixture::rowCount("tbl_mood_command", "mood_id=7"), 1);
    QCOMPARE(moodRow(7, roomId).last(), QVariant(1));
}

void TestMoodsInformation::galleryPictureOfUnsavedMoodStays()
{
    const QString source = home.path() + "/source.png";
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(source));
    IconStyleDlg::setExecHook([](IconStyleDlg &dialog) { return pressStyle(dialog, 1); });
    PictureChoice::setOpenFileHook([&source](QWidget *, const QString &, const QString &) { return source; });

    go("Edit Room", QString::number(roomId), "1");
    openMood(7);
    press(pictureTile());
    QCOMPARE(pictureTile()->iconName(), QString("photo_Mood_7"));
    const QString picture = home.path() + "/database/Home/photo_Mood_7.png";
    QVERIFY(QFile::exists(picture));
    window->menu()->labelBack_pressed();
    QVERIFY(QFile::exists(picture));
    QCOMPARE(projectfixture::rowCount("tbl_mood"), 0);
}

void TestMoodsInformation::failedSaveChangesNothing()
{
    addDevices("dimmer");
    addDevices("climate 2");
    QVERIFY(projectfixture::addMood(roomId, 5, "Before", "moods_2", {1, 0, 0, 0, 0, 0, 0, 0}));
    QVERIFY(gDatabase.execSql("insert into tbl_mood_light_status(mood_id,light_id,brightness,room_id) "
                              "values(5,1,33,?)",
                              {roomId}));
    QVERIFY(addCommand(5, roomId, 1));
    // The store refuses the climate snapshot, a step after the row and the light snapshot.
    QVERIFY(gDatabase.execSql("create trigger refuse before insert on tbl_mood_air_conditioner_status begin select "
                              "raise(abort, 'refused'); end"));
    openMood(5);
    nameField()->setText("After");
    box("FloorHeat1")->setChecked(true);
    save();
    QCOMPARE(toasts, QStringList{"Save failed!"});
    QCOMPARE(navigations.last(), "Moods Information/" + moodPrm(5) + "/1");
    QCOMPARE(moodRow(5, roomId), (QVariantList{"Before", "moods_2", 1, 0, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(projectfixture::value("select brightness from tbl_mood_light_status", {}, "brightness"), QVariant(33));
    QCOMPARE(projectfixture::rowCount("tbl_mood_light_status"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_mood_command", "mood_id=5"), 1);
    QCOMPARE(projectfixture::rowCount("tbl_mood_air_conditioner_status"), 0);
    QCOMPARE(window->menu()->currentPage().id, QString("Moods Information"));

    // The form stays as it was: once the store accepts again, the same press saves it.
    QCOMPARE(nameField()->text(), QString("After"));
    QVERIFY(gDatabase.execSql("drop trigger refuse"));
    save();
    QCOMPARE(toasts, QStringList{"Save failed!"});
    QCOMPARE(moodRow(5, roomId), (QVariantList{"After", "moods_2", 1, 0, 0, 1, 0, 0, 0, 1}));
    QCOMPARE(projectfixture::rowCount("tbl_mood_air_conditioner_status"), 1);
}

void TestMoodsInformation::refusedRemovalKeepsCommandsUntilItWorks()
{
    go("Edit Room", QString::number(roomId), "1");
    openMood(7);
    QVERIFY(addCommand(7, roomId, 1));
    QVERIFY(gDatabase.execSql("create trigger refuse before delete on tbl_mood_command begin select "
                              "raise(abort, 'refused'); end"));
    window->menu()->labelBack_pressed();
    QCOMPARE(window->menu()->currentPage().id, QString("Edit Room"));
    QCOMPARE(projectfixture::rowCount("tbl_mood_command", "mood_id=7"), 1);
    QCOMPARE(page()->moodId(), 7);

    QVERIFY(gDatabase.execSql("drop trigger refuse"));
    emit gBroadcastSocket.signalsPageRemoveMoodsInformation();
    QCOMPARE(projectfixture::rowCount("tbl_mood_command", "mood_id=7"), 0);
    QCOMPARE(page()->moodId(), 0);
}

QTEST_MAIN(TestMoodsInformation)
#include "tst_moodsinformation.moc"
