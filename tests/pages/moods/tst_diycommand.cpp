// The free-command editor of a mood: the command form (type list, parameter inputs, cascade, limits, encoding and
// showing) and stepping through, keeping and saving the commands, observed in the database.

#include "pages/moods/pagesettingroommanagermoodsdiycommand.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "panels/sliderctrl.h"
#include "panels/timectrl.h"
#include "tests/support/projectfixture.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QSqlQuery>
#include <QtTest>

namespace {

// command_type, prm1 .. prm4
using Bytes = QList<int>;

Bytes bytesOf(const moodCommandRecord &command)
{
    return {command.command_type, command.prm1, command.prm2, command.prm3, command.prm4};
}

// Every stored command of the mood: command_id, subnet, device, type, prm1 .. prm4.
QList<QList<int>> storedRows(int moodId, int roomId)
{
    QList<QList<int>> rows;
    QSqlQuery query = gDatabase.querySql("select * from tbl_mood_command where mood_id=? and room_id=? order by id",
                                         {moodId, roomId});
    while (query.next()) {
        QList<int> row;
        for (const char *column :
             {"command_id", "subnet_id", "device_id", "command_type", "prm1", "prm2", "prm3", "prm4"})
            row << query.value(column).toInt();
        rows << row;
    }
    return rows;
}

bool storeCommand(int moodId, int roomId, const QList<int> &row)
{
    return gDatabase.execSql(
        "insert into tbl_mood_command(command_id,subnet_id,device_id,command_type,prm1,prm2,prm3,"
        "prm4,mood_id,room_id) values(?,?,?,?,?,?,?,?,?,?)",
        {row.at(0), row.at(1), row.at(2), row.at(3), row.at(4), row.at(5), row.at(6), row.at(7), moodId, roomId});
}

} // namespace

class TestDiyCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void typeListOffersSeventeenTypes();
    void formEncodes_data();
    void formEncodes();
    void storedBytesShowAndEncodeAgain_data();
    void storedBytesShowAndEncodeAgain();
    void dimCommandsShowUnderTheirOwnEntry();
    void steppingKeepsEveryStoredCommand();

    void limits_data();
    void limits();
    void negativeNumbersCannotBeTyped();
    void newUniversalSwitchShowsItsInputs();
    void invalidPanelFunctionHidesPrm2();
    void broadcastFormsAreFixed();
    void sliderRewritesItsUnit();
    void refillShowsStoredBytesNotTypedText();
    void newAudioCommandOpensOnFirstEntries();
    void storedTimeShowsMinutesAndSeconds();

    void emptyMoodOpensOnNewCommandOne();
    void nextAppendsAndPrevNeedsAnAddress();
    void stepsThroughStoredCommandsAndSavesAll();
    void editedCommandOverwritesItsEntry();
    void incompleteAddressIsRefused_data();
    void incompleteAddressIsRefused();
    void failedSaveKeepsTheStoredCommands();

private:
    void enter(int moodId = 7, int roomId = 12)
    {
        emit gBroadcastSocket.signalsPageEnter(QString::number(moodId), QString::number(roomId));
    }
    template <class T> T *child(const QString &name) const
    {
        T *widget = page->findChild<T *>(name);
        if (!widget)
            qWarning() << "no" << name;
        return widget;
    }
    QtMaterialComboBox *typeList() const { return child<QtMaterialComboBox>("comboBoxType"); }
    QtMaterialComboBox *list(int prm) const { return child<QtMaterialComboBox>(QString("comboBoxPrm%1").arg(prm)); }
    QtMaterialLineEdit *field(int prm) const { return child<QtMaterialLineEdit>(QString("lineEditPrm%1").arg(prm)); }
    QtMaterialLabel *unit(int prm) const { return child<QtMaterialLabel>(QString("labelUnit%1").arg(prm)); }
    QtMaterialLabel *prmLabel(int prm) const { return child<QtMaterialLabel>(QString("labelPrm%1").arg(prm)); }
    QString commandId() const { return child<QtMaterialLabel>("labelCommandId")->text(); }
    void click(const QString &name) { child<QtMaterialFlatButton>(name)->click(); }
    void setAddress(const QString &subnet, const QString &device)
    {
        child<QtMaterialLineEdit>("lineEditSubnet")->setText(subnet);
        child<QtMaterialLineEdit>("lineEditDevice")->setText(device);
    }
    static void choose(QComboBox *box, const QString &text)
    {
        const int at = box->findText(text);
        if (at < 0)
            qWarning() << "no entry" << text << "in" << box->objectName();
        box->setCurrentIndex(at);
    }
    // Fills the form: "type=...", "L<n>=entry", "F<n>=number", "slider=value", "time=m:s".
    void apply(const QStringList &steps);
    bool shown(QWidget *widget) const { return widget->isVisibleTo(page.data()); }

    QTemporaryDir home;
    QScopedPointer<PageSettingRoomManagerMoodsDiyCommand> page;
    QStringList toasts;
    QStringList navigations;
};

void TestDiyCommand::initTestCase()
{
    testenv::useFreshHome(home);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsInformation, this, [this](QString text) { toasts << text; });
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageIdChanged, this,
            [this](QString id, QString, QString prm1, QString prm2) { navigations << id + "/" + prm1 + "/" + prm2; });
}

void TestDiyCommand::init()
{
    projectfixture::openFreshDatabase(QDir(home.path()).filePath("p.db3"));
    page.reset(new PageSettingRoomManagerMoodsDiyCommand("Diy Command", "Diy Command", nullptr));
    page->show();
    toasts.clear();
    navigations.clear();
}

void TestDiyCommand::cleanup()
{
    page.reset();
}

void TestDiyCommand::apply(const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString key = step.section('=', 0, 0);
        const QString value = step.section('=', 1);
        if (key == "type")
            choose(typeList(), value);
        else if (key.startsWith('L'))
            choose(list(key.mid(1).toInt()), value);
        else if (key.startsWith('F'))
            field(key.mid(1).toInt())->setText(value);
        else if (key == "slider")
            child<SliderCtrl>("sliderPrm2")->setValue(value.toInt());
        else if (key == "time")
            child<TimeCtrl>("timeCtrlPrm3")->setTime(value);
        else
            qWarning() << "unknown step" << step;
    }
}

void TestDiyCommand::typeListOffersSeventeenTypes()
{
    enter();
    QCOMPARE(typeList()->count(), 17);
    QVERIFY(typeList()->findText("Dim Up") < 0);
    QVERIFY(typeList()->findText("Dim Down") < 0);
    QCOMPARE(typeList()->itemText(16), QString("Zigbee Channel"));
    QCOMPARE(page->typeIndexOfItem("Zigbee Channel"), 18);
    QCOMPARE(page->typeIndexOfItem(QString()), 0);
    QCOMPARE(typeList()->currentText(), QString("Invalid Switch"));
}

// Cases of every type, and of the panel control and audio player functions with their own sub-lists.
static void commandCases()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Bytes>("bytes");
    QTest::addColumn<QString>("shownType");
    const QString deg = QString::fromUtf8("\u00b0C");

    QTest::newRow("invalid switch") << QStringList{"type=Invalid Switch", "F1=3", "F2=200"} << Bytes{0, 3, 200, 0, 0}
                                    << "Invalid Switch";
    QTest::newRow("scene switch") << QStringList{"type=Scene Switch", "F1=48", "F2=3"} << Bytes{85, 48, 3, 0, 0}
                                  << "Scene Switch";
    QTest::newRow("sequence switch") << QStringList{"type=Sequence Switch", "F1=2", "F2=99"} << Bytes{86, 2, 99, 0, 0}
                                     << "Sequence Switch";
    QTest::newRow("universal switch on") << QStringList{"type=Universal Switch", "F1=4", "L2=On", "F3=30"}
                                         << Bytes{88, 4, 255, 30, 0} << "Universal Switch";
    QTest::newRow("channel 1:30") << QStringList{"type=Single Channel Lighting", "F1=5", "slider=50", "time=1:30"}
                                  << Bytes{89, 5, 50, 0, 90} << "Single Channel Lighting";
    QTest::newRow("channel 59:59") << QStringList{"type=Single Channel Lighting", "F1=240", "slider=100", "time=59:59"}
                                   << Bytes{89, 240, 100, 14, 15} << "Single Channel Lighting";
    QTest::newRow("curtain stop") << QStringList{"type=Curtain Switch", "F1=99", "L2=Stop"} << Bytes{92, 99, 0, 0, 0}
                                  << "Curtain Switch";
    QTest::newRow("sms remote") << QStringList{"type=SMS Control", "L1=Remote", "F2=24"} << Bytes{94, 2, 24, 0, 0}
                                << "SMS Control";
    QTest::newRow("broadcast scene") << QStringList{"type=Broadcast Scene", "F2=7"} << Bytes{85, 255, 7, 0, 0}
                                     << "Broadcast Scene";
    QTest::newRow("broadcast channel") << QStringList{"type=Broadcast Channel", "slider=75", "time=0:10"}
                                       << Bytes{89, 255, 75, 0, 10} << "Broadcast Channel";
    QTest::newRow("security fire") << QStringList{"type=Security Module", "F1=200", "L2=Fire"}
                                   << Bytes{102, 200, 8, 0, 0} << "Security Module";
    QTest::newRow("upb channel") << QStringList{"type=UPB Channel", "F1=250", "F2=9", "F3=100", "F4=15"}
                                 << Bytes{112, 250, 9, 100, 15} << "UPB Channel";
    QTest::newRow("upb scene activate") << QStringList{"type=UPB Scene", "F1=3", "L2=Scene", "L3=Activate", "F4=2"}
                                        << Bytes{113, 3, 0, 1, 2} << "UPB Scene";
    QTest::newRow("upb go to level") << QStringList{"type=UPB Scene", "F1=3", "L2=Go To Level", "F3=80", "F4=2"}
                                     << Bytes{113, 3, 1, 80, 2} << "UPB Scene";
    QTest::newRow("modbus coil 1000 on") << QStringList{"type=Modbus Coil", "F1=1000", "L2=On"}
                                         << Bytes{115, 3, 232, 1, 0} << "Modbus Coil";
    QTest::newRow("modbus register 65535") << QStringList{"type=Modbus Register", "F1=9999", "F2=65535"}
                                           << Bytes{116, 39, 15, 255, 255} << "Modbus Register";
    QTest::newRow("zigbee") << QStringList{"type=Zigbee Channel", "F1=1", "F2=2", "F3=3", "F4=4"}
                            << Bytes{121, 1, 2, 3, 4} << "Zigbee Channel";

    QTest::newRow("panel invalid") << QStringList{"type=Panel Control", "L1=Invalid"} << Bytes{95, 0, 0, 0, 0}
                                   << "Panel Control";
    QTest::newRow("panel ir receiver on")
        << QStringList{"type=Panel Control", "L1=IR Receiver", "L2=On"} << Bytes{95, 1, 1, 0, 0} << "Panel Control";
    QTest::newRow("panel cooling setpoint") << QStringList{"type=Panel Control", "L1=AC Cooling Setpoint", "F2=22"}
                                            << Bytes{95, 4, 22, 0, 0} << "Panel Control";
    QTest::newRow("panel fan speed low") << QStringList{"type=Panel Control", "L1=AC FAN Speed", "L2=Low"}
                                         << Bytes{95, 5, 3, 0, 0} << "Panel Control";
    QTest::newRow("panel mode dry") << QStringList{"type=Panel Control", "L1=AC Mode", "L2=Dry"}
                                    << Bytes{95, 6, 4, 0, 0} << "Panel Control";
    QTest::newRow("panel rise") << QStringList{"type=Panel Control", "L1=Rise Temperature", "F2=5"}
                                << Bytes{95, 9, 5, 0, 0} << "Panel Control";
    QTest::newRow("panel status light") << QStringList{"type=Panel Control", "L1=LCD Status Light", "slider=60"}
                                        << Bytes{95, 14, 60, 0, 0} << "Panel Control";
    QTest::newRow("panel lock button valid") << QStringList{"type=Panel Control", "L1=Lock Button", "F2=2", "L3=Valid"}
                                             << Bytes{95, 15, 2, 1, 0} << "Panel Control";
    QTest::newRow("panel floor heating mode") << QStringList{"type=Panel Control", "L1=Floor Heating Mode", "L2=Away"}
                                              << Bytes{95, 21, 4, 0, 0} << "Panel Control";
    QTest::newRow("panel goto page") << QStringList{"type=Panel Control", "L1=Goto Page", "F2=30"}
                                     << Bytes{95, 22, 30, 0, 0} << "Panel Control";
    QTest::newRow("panel ac 2 set temperature 24")
        << QStringList{"type=Panel Control", "L1=Panel AC 2", "L2=Set Temperature", "L3=24" + deg}
        << Bytes{95, 26, 4, 24, 0} << "Panel Control";
    QTest::newRow("panel ac all speed") << QStringList{"type=Panel Control", "L1=Panel AC All", "L2=AC Speed",
                                                       "L3=Medium"}
                                        << Bytes{95, 33, 5, 2, 0} << "Panel Control";
    QTest::newRow("panel ac 1 reduce") << QStringList{"type=Panel Control", "L1=Panel AC 1", "L2=Reduce", "F3=2"}
                                       << Bytes{95, 25, 10, 2, 0} << "Panel Control";
    QTest::newRow("panel heat 1 set temperature")
        << QStringList{"type=Panel Control", "L1=Panel Heat 1", "L2=Set Temperature", "L3=22" + deg}
        << Bytes{95, 34, 24, 22, 0} << "Panel Control";
    QTest::newRow("panel heat all power on")
        << QStringList{"type=Panel Control", "L1=Panel Heat All", "L2=Floor Heater Power", "L3=On"}
        << Bytes{95, 36, 20, 1, 0} << "Panel Control";
    QTest::newRow("panel ac x 3 heat mode")
        << QStringList{"type=Panel Control", "L1=Panel AC x", "F2=3", "L3=AC Mode", "L4=Heat"} << Bytes{95, 45, 3, 6, 1}
        << "Panel Control";
    QTest::newRow("panel ac x power on") << QStringList{"type=Panel Control", "L1=Panel AC x", "F2=1", "L3=AC Power",
                                                        "L4=On"}
                                         << Bytes{95, 45, 1, 3, 1} << "Panel Control";
    QTest::newRow("panel fh x rise 3") << QStringList{"type=Panel Control", "L1=Panel FH x", "F2=2", "L3=Rise", "F4=3"}
                                       << Bytes{95, 46, 2, 9, 3} << "Panel Control";
    QTest::newRow("panel fh x set temperature")
        << QStringList{"type=Panel Control", "L1=Panel FH x", "F2=1", "L3=Set Temperature", "L4=30" + deg}
        << Bytes{95, 46, 1, 4, 30} << "Panel Control";

    QTest::newRow("audio source usb zone 2") << QStringList{"type=Audio Player", "L1=Source Control", "L2=USB", "F3=2"}
                                             << Bytes{103, 1, 8, 2, 0} << "Audio Player";
    QTest::newRow("audio play mode") << QStringList{"type=Audio Player", "L1=Play Mode", "L2=Repeat All"}
                                     << Bytes{103, 2, 4, 0, 0} << "Audio Player";
    QTest::newRow("audio next play list")
        << QStringList{"type=Audio Player", "L1=Play List/Radio Channel", "L2=Next Play List"} << Bytes{103, 3, 2, 0, 0}
        << "Audio Player";
    QTest::newRow("audio radio channel 12")
        << QStringList{"type=Audio Player", "L1=Play List/Radio Channel", "L2=Specify Radio Channel", "F3=12"}
        << Bytes{103, 3, 6, 12, 0} << "Audio Player";
    QTest::newRow("audio play control") << QStringList{"type=Audio Player", "L1=Play Control", "L2=Stop", "F3=4"}
                                        << Bytes{103, 4, 4, 4, 0} << "Audio Player";
    QTest::newRow("audio zone 2 volume 100%")
        << QStringList{"type=Audio Player", "L1=Volume Control", "L2=VOL", "L3=Zone2 VOL Value", "L4=VOL:100%"}
        << Bytes{103, 5, 1, 13, 0} << "Audio Player";
    QTest::newRow("audio zone 1 volume 0%")
        << QStringList{"type=Audio Player", "L1=Volume Control", "L2=VOL", "L3=Zone1 VOL Value", "L4=VOL:0%"}
        << Bytes{103, 5, 1, 3, 79} << "Audio Player";
    QTest::newRow("audio zone 2 mute on")
        << QStringList{"type=Audio Player", "L1=Volume Control", "L2=VOL", "L3=Zone2 Mute", "L4=ON"}
        << Bytes{103, 5, 1, 14, 0} << "Audio Player";
    QTest::newRow("audio zone 4 mute off")
        << QStringList{"type=Audio Player", "L1=Volume Control", "L2=VOL", "L3=Zone4 Mute", "L4=OFF"}
        << Bytes{103, 5, 1, 34, 1} << "Audio Player";
    QTest::newRow("audio treble raise") << QStringList{"type=Audio Player", "L1=Volume Control", "L2=TREBLE",
                                                       "L3=Raise VOL"}
                                        << Bytes{103, 5, 2, 2, 0} << "Audio Player";
    QTest::newRow("audio song 999") << QStringList{"type=Audio Player", "L1=Play Specify Song", "F2=2", "F3=999"}
                                    << Bytes{103, 6, 2, 3, 231} << "Audio Player";
}

void TestDiyCommand::formEncodes_data()
{
    commandCases();
}

void TestDiyCommand::formEncodes()
{
    QFETCH(QStringList, steps);
    QFETCH(Bytes, bytes);
    enter();
    setAddress("1", "20");
    apply(steps);
    page->encodeCommand();
    QCOMPARE(bytesOf(page->command()), bytes);
    QCOMPARE(page->command().command_id, 1);
    QCOMPARE(int(page->command().subnet_id), 1);
    QCOMPARE(int(page->command().device_id), 20);
}

void TestDiyCommand::storedBytesShowAndEncodeAgain_data()
{
    commandCases();
}

void TestDiyCommand::storedBytesShowAndEncodeAgain()
{
    QFETCH(Bytes, bytes);
    QFETCH(QString, shownType);
    QVERIFY(storeCommand(7, 12, QList<int>{3, 9, 40} + bytes));
    enter();
    QCOMPARE(commandId(), QString("3"));
    QCOMPARE(child<QtMaterialLineEdit>("lineEditSubnet")->text(), QString("9"));
    QCOMPARE(typeList()->currentText(), shownType);
    page->encodeCommand();
    QCOMPARE(bytesOf(page->command()), bytes);
}

void TestDiyCommand::dimCommandsShowUnderTheirOwnEntry()
{
    QVERIFY(storeCommand(7, 12, {1, 1, 2, 117, 3, 40, 0, 0}));
    QVERIFY(storeCommand(7, 12, {2, 1, 2, 118, 4, 60, 0, 0}));
    enter();
    QCOMPARE(typeList()->currentText(), QString("Dim Up"));
    QCOMPARE(typeList()->count(), 18);
    QCOMPARE(field(1)->text(), QString("3"));
    QCOMPARE(unit(2)->text(), QString("(Percent %40)"));
    QVERIFY(shown(child<SliderCtrl>("sliderPrm2")));
    page->encodeCommand();
    QCOMPARE(bytesOf(page->command()), (Bytes{117, 3, 40, 0, 0}));

    click("pushButtonNext");
    QCOMPARE(typeList()->currentText(), QString("Dim Down"));
    QCOMPARE(typeList()->count(), 18);
    QVERIFY(typeList()->findText("Dim Up") < 0);
    click("pushButtonNext");
    QCOMPARE(commandId(), QString("3"));
    QCOMPARE(typeList()->count(), 17);
    QCOMPARE(typeList()->currentText(), QString("Invalid Switch"));
}

void TestDiyCommand::steppingKeepsEveryStoredCommand()
{
    // Stepping through commands made by this form and saving gives back every byte.
    QList<QList<int>> before;
    const QList<Bytes> commands = {{85, 255, 7, 0, 0},     {85, 48, 3, 0, 0},   {89, 255, 75, 0, 10},
                                   {89, 240, 100, 14, 15}, {117, 3, 40, 0, 0},  {95, 45, 3, 6, 1},
                                   {103, 5, 1, 13, 0},     {103, 6, 2, 3, 231}, {116, 39, 15, 255, 255},
                                   {115, 3, 232, 1, 0},    {113, 3, 1, 80, 2},  {118, 9, 0, 0, 0}};
    for (int i = 0; i < commands.size(); ++i) {
        before << (QList<int>{i + 1, 1, i + 2} + commands.at(i));
        QVERIFY(storeCommand(7, 12, before.last()));
    }
    enter();
    for (int i = 1; i < commands.size(); ++i)
        click("pushButtonNext");
    QCOMPARE(page->position(), commands.size() - 1);
    for (int i = 1; i < commands.size(); ++i)
        click("pushButtonPrev");
    QCOMPARE(page->position(), 0);
    click("pushButtonSave");
    QCOMPARE(toasts, QStringList());
    QCOMPARE(storedRows(7, 12), before);
}

void TestDiyCommand::limits_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("subnet") << QStringList() << "lineEditSubnet"
                            << "300"
                            << "255";
    QTest::newRow("device") << QStringList() << "lineEditDevice"
                            << "256"
                            << "255";
    QTest::newRow("device in range") << QStringList() << "lineEditDevice"
                                     << "255"
                                     << "255";
    QTest::newRow("invalid switch prm2") << QStringList() << "lineEditPrm2"
                                         << "256"
                                         << "255";
    QTest::newRow("scene area") << QStringList{"type=Scene Switch"} << "lineEditPrm1"
                                << "300"
                                << "48";
    QTest::newRow("sequence") << QStringList{"type=Sequence Switch"} << "lineEditPrm2"
                              << "100"
                              << "99";
    QTest::newRow("universal seconds") << QStringList{"type=Universal Switch"} << "lineEditPrm3"
                                       << "61"
                                       << "60";
    QTest::newRow("channel") << QStringList{"type=Single Channel Lighting"} << "lineEditPrm1"
                             << "241"
                             << "240";
    QTest::newRow("curtain") << QStringList{"type=Curtain Switch"} << "lineEditPrm1"
                             << "100"
                             << "99";
    QTest::newRow("sms") << QStringList{"type=SMS Control"} << "lineEditPrm2"
                         << "25"
                         << "24";
    QTest::newRow("upb uid") << QStringList{"type=UPB Channel"} << "lineEditPrm1"
                             << "251"
                             << "250";
    QTest::newRow("upb level") << QStringList{"type=UPB Channel"} << "lineEditPrm3"
                               << "101"
                               << "100";
    QTest::newRow("upb fade") << QStringList{"type=UPB Scene"} << "lineEditPrm4"
                              << "16"
                              << "15";
    QTest::newRow("upb scene level") << QStringList{"type=UPB Scene", "L2=Go To Level"} << "lineEditPrm3"
                                     << "101"
                                     << "100";
    QTest::newRow("modbus address") << QStringList{"type=Modbus Coil"} << "lineEditPrm1"
                                    << "10000"
                                    << "9999";
    QTest::newRow("modbus address in range") << QStringList{"type=Modbus Register"} << "lineEditPrm1"
                                             << "9999"
                                             << "9999";
    QTest::newRow("modbus register") << QStringList{"type=Modbus Register"} << "lineEditPrm2"
                                     << "70000"
                                     << "65535";
    QTest::newRow("rise temperature") << QStringList{"type=Panel Control", "L1=Rise Temperature"} << "lineEditPrm2"
                                      << "7"
                                      << "5";
    QTest::newRow("goto page") << QStringList{"type=Panel Control", "L1=Goto Page"} << "lineEditPrm2"
                               << "40"
                               << "30";
    QTest::newRow("lock page") << QStringList{"type=Panel Control", "L1=Lock Page"} << "lineEditPrm2"
                               << "40"
                               << "40";
    QTest::newRow("song") << QStringList{"type=Audio Player", "L1=Play Specify Song"} << "lineEditPrm3"
                          << "1000"
                          << "999";
    QTest::newRow("song play list") << QStringList{"type=Audio Player", "L1=Play Specify Song"} << "lineEditPrm2"
                                    << "1000"
                                    << "255";
    QTest::newRow("zone") << QStringList{"type=Audio Player", "L1=Source Control"} << "lineEditPrm3"
                          << "300"
                          << "255";
}

void TestDiyCommand::limits()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    enter();
    apply(steps);
    auto *edit = child<QtMaterialLineEdit>(field);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
}

void TestDiyCommand::negativeNumbersCannotBeTyped()
{
    enter();
    for (const char *name : {"lineEditSubnet", "lineEditDevice", "lineEditPrm1", "lineEditPrm2"}) {
        auto *edit = child<QtMaterialLineEdit>(name);
        edit->clear();
        QTest::keyClicks(edit, "-5");
        QCOMPARE(edit->text(), QString("5"));
    }
}

void TestDiyCommand::newUniversalSwitchShowsItsInputs()
{
    enter();
    QVERIFY(shown(field(1)) && shown(field(2)));
    QVERIFY(!shown(prmLabel(3)) && !shown(prmLabel(4)));
    choose(typeList(), "Universal Switch");
    QCOMPARE(field(1)->text(), QString("0"));
    QVERIFY(shown(list(2)) && !shown(field(2)));
    QCOMPARE(list(2)->currentText(), QString("Off"));
    QCOMPARE(list(2)->count(), 2);
    QCOMPARE(unit(2)->text(), QString("(Switch Status)"));
    QVERIFY(shown(prmLabel(3)) && shown(field(3)) && shown(unit(3)));
    QCOMPARE(field(3)->text(), QString("0"));
    QCOMPARE(unit(3)->text(), QString("(Second)"));
    QVERIFY(!shown(prmLabel(4)) && !shown(field(4)) && !shown(list(4)));
}

void TestDiyCommand::invalidPanelFunctionHidesPrm2()
{
    enter();
    choose(typeList(), "Panel Control");
    QCOMPARE(list(1)->currentText(), QString("Invalid"));
    QCOMPARE(list(1)->count(), 39);
    QVERIFY(!shown(prmLabel(2)));
    for (int prm = 2; prm <= 4; ++prm)
        QVERIFY(!shown(field(prm)) && !shown(list(prm)));
    choose(list(1), "Lock Button");
    QVERIFY(shown(prmLabel(2)) && shown(field(2)));
    QVERIFY(shown(list(3)));
    QCOMPARE(list(3)->currentText(), QString("Invalid"));
    choose(list(1), "Invalid");
    QVERIFY(!shown(prmLabel(2)) && !shown(prmLabel(3)));
}

void TestDiyCommand::broadcastFormsAreFixed()
{
    enter();
    choose(typeList(), "Broadcast Scene");
    QCOMPARE(field(1)->text(), QString("All Areas"));
    QVERIFY(!field(1)->isEnabled());
    choose(typeList(), "Broadcast Channel");
    QCOMPARE(field(1)->text(), QString("All Channels"));
    QVERIFY(!field(1)->isEnabled());
    choose(typeList(), "Scene Switch");
    QVERIFY(field(1)->isEnabled());
    QCOMPARE(field(1)->text(), QString("0"));
}

void TestDiyCommand::sliderRewritesItsUnit()
{
    QVERIFY(storeCommand(7, 12, {1, 1, 2, 89, 1, 50, 0, 0}));
    enter();
    QCOMPARE(unit(2)->text(), QString("(Intensity %50)"));
    child<SliderCtrl>("sliderPrm2")->setValue(75);
    QCOMPARE(unit(2)->text(), QString("(Intensity %75)"));
    page->encodeCommand();
    QCOMPARE(int(page->command().prm2), 75);
}

void TestDiyCommand::refillShowsStoredBytesNotTypedText()
{
    QVERIFY(storeCommand(7, 12, {1, 1, 2, 95, 26, 4, 24, 0}));
    enter();
    QCOMPARE(list(1)->currentText(), QString("Panel AC 2"));
    QCOMPARE(list(2)->currentText(), QString("Set Temperature"));
    QCOMPARE(list(3)->currentText(), QString::fromUtf8("24\u00b0C"));
    QCOMPARE(unit(3)->text(), QString("(Temperature)"));
    // 24 is no fan speed: the first entry.
    choose(list(2), "AC Speed");
    QCOMPARE(list(3)->currentText(), QString("Auto"));
    QCOMPARE(unit(3)->text(), QString("(FAN Speed)"));
    choose(list(2), "Set Temperature");
    QCOMPARE(list(3)->currentText(), QString::fromUtf8("24\u00b0C"));

    choose(list(1), "Panel AC x");
    QCOMPARE(field(2)->text(), QString("4"));
    QCOMPARE(unit(2)->text(), QString("(AC NO.)"));
    field(2)->setText("7");
    choose(typeList(), "Scene Switch");
    QCOMPARE(field(1)->text(), QString("26"));
    QCOMPARE(field(2)->text(), QString("4"));
}

void TestDiyCommand::newAudioCommandOpensOnFirstEntries()
{
    enter();
    choose(typeList(), "Audio Player");
    QCOMPARE(list(1)->currentText(), QString("Source Control"));
    QCOMPARE(list(2)->currentText(), QString("SD CARD"));
    QCOMPARE(field(3)->text(), QString("0"));
    QCOMPARE(unit(3)->text(), QString("(ZONE NO.)"));
    choose(list(1), "Volume Control");
    choose(list(3), "Zone3 VOL Value");
    QVERIFY(shown(list(4)));
    QCOMPARE(list(4)->count(), 80);
    QCOMPARE(list(4)->itemText(0), QString("VOL:0%"));
    QCOMPARE(list(4)->itemText(79), QString("VOL:100%"));
    choose(list(3), "Zone3 Raise VOL");
    QVERIFY(!shown(prmLabel(4)) && !shown(list(4)));
}

void TestDiyCommand::storedTimeShowsMinutesAndSeconds()
{
    QVERIFY(storeCommand(7, 12, {1, 1, 2, 89, 1, 50, 1, 44}));
    enter();
    QCOMPARE(typeList()->currentText(), QString("Single Channel Lighting"));
    QCOMPARE(child<TimeCtrl>("timeCtrlPrm3")->time(), QString("5:0"));
    QCOMPARE(unit(3)->text(), QString("(Running Time(mm:ss))"));
}

void TestDiyCommand::emptyMoodOpensOnNewCommandOne()
{
    enter();
    QCOMPARE(commandId(), QString("1"));
    QCOMPARE(child<QtMaterialLineEdit>("lineEditSubnet")->text(), QString());
    QCOMPARE(child<QtMaterialLineEdit>("lineEditDevice")->text(), QString());
    QCOMPARE(typeList()->currentText(), QString("Invalid Switch"));
    click("pushButtonSave");
    QCOMPARE(toasts, QStringList{"Please input the complete content!"});
    QCOMPARE(navigations, QStringList());
    QCOMPARE(projectfixture::rowCount("tbl_mood_command"), 0);
}

void TestDiyCommand::nextAppendsAndPrevNeedsAnAddress()
{
    enter();
    setAddress("1", "20");
    click("pushButtonNext");
    QCOMPARE(page->commands().size(), 1);
    QCOMPARE(page->commands().at(0).command_id, 1);
    QCOMPARE(commandId(), QString("2"));
    QCOMPARE(child<QtMaterialLineEdit>("lineEditSubnet")->text(), QString());

    click("pushButtonPrev");
    QCOMPARE(toasts, QStringList{"Please input the complete content!"});
    QCOMPARE(page->commands().size(), 1);
    setAddress("2", "30");
    click("pushButtonPrev");
    QCOMPARE(page->commands().size(), 2);
    QCOMPARE(page->commands().at(1).command_id, 2);
    QCOMPARE(int(page->commands().at(1).subnet_id), 2);
    QCOMPARE(commandId(), QString("1"));
    QCOMPARE(child<QtMaterialLineEdit>("lineEditDevice")->text(), QString("20"));

    toasts.clear();
    click("pushButtonPrev");
    QCOMPARE(toasts, QStringList{"End!"});
    QCOMPARE(page->commands().size(), 2);
    QCOMPARE(page->position(), 0);
    QCOMPARE(projectfixture::rowCount("tbl_mood_command"), 0);
}

void TestDiyCommand::stepsThroughStoredCommandsAndSavesAll()
{
    for (int id = 1; id <= 3; ++id)
        QVERIFY(storeCommand(7, 12, {id, 1, 10 + id, 85, id, 1, 0, 0}));
    QVERIFY(storeCommand(8, 12, {1, 5, 5, 0, 0, 0, 0, 0}));
    enter();
    QCOMPARE(commandId(), QString("1"));
    click("pushButtonNext");
    click("pushButtonNext");
    QCOMPARE(commandId(), QString("3"));
    QCOMPARE(child<QtMaterialLineEdit>("lineEditDevice")->text(), QString("13"));
    click("pushButtonNext");
    QCOMPARE(commandId(), QString("4"));
    QCOMPARE(page->position(), 3);
    setAddress("4", "40");
    apply({"type=Modbus Coil", "F1=1000", "L2=On"});
    click("pushButtonSave");
    QCOMPARE(toasts, QStringList());
    QCOMPARE(storedRows(7, 12), (QList<QList<int>>{{1, 1, 11, 85, 1, 1, 0, 0},
                                                   {2, 1, 12, 85, 2, 1, 0, 0},
                                                   {3, 1, 13, 85, 3, 1, 0, 0},
                                                   {4, 4, 40, 115, 3, 232, 1, 0}}));
    QCOMPARE(projectfixture::rowCount("tbl_mood_command", "mood_id=8"), 1);
    QCOMPARE(navigations, QStringList{"Moods Information/7-12/0"});
}

void TestDiyCommand::editedCommandOverwritesItsEntry()
{
    for (int id = 1; id <= 3; ++id)
        QVERIFY(storeCommand(7, 12, {id, 1, 10 + id, 0, 0, 0, 0, 0}));
    enter();
    click("pushButtonNext");
    QCOMPARE(commandId(), QString("2"));
    apply({"type=Scene Switch", "F1=5", "F2=6"});
    click("pushButtonNext");
    QCOMPARE(page->commands().size(), 3);
    QCOMPARE(bytesOf(page->commands().at(1)), (Bytes{85, 5, 6, 0, 0}));
    click("pushButtonPrev");
    QCOMPARE(typeList()->currentText(), QString("Scene Switch"));
    QCOMPARE(field(2)->text(), QString("6"));
    QCOMPARE(projectfixture::rowCount("tbl_mood_command", "command_type=85"), 0);
}

void TestDiyCommand::incompleteAddressIsRefused_data()
{
    QTest::addColumn<QString>("subnet");
    QTest::addColumn<QString>("device");
    QTest::newRow("subnet 0") << "0"
                              << "5";
    QTest::newRow("device empty") << "5"
                                  << "";
    QTest::newRow("both empty") << ""
                                << "";
}

void TestDiyCommand::incompleteAddressIsRefused()
{
    QFETCH(QString, subnet);
    QFETCH(QString, device);
    QVERIFY(storeCommand(7, 12, {1, 1, 2, 0, 0, 0, 0, 0}));
    enter();
    setAddress(subnet, device);
    for (const char *name : {"pushButtonNext", "pushButtonPrev", "pushButtonSave"})
        click(name);
    const QString incomplete = "Please input the complete content!";
    QCOMPARE(toasts, (QStringList{incomplete, incomplete, incomplete}));
    QCOMPARE(page->position(), 0);
    QCOMPARE(commandId(), QString("1"));
    QCOMPARE(storedRows(7, 12), (QList<QList<int>>{{1, 1, 2, 0, 0, 0, 0, 0}}));
    QCOMPARE(navigations, QStringList());
}

void TestDiyCommand::failedSaveKeepsTheStoredCommands()
{
    QVERIFY(storeCommand(7, 12, {1, 1, 2, 85, 1, 1, 0, 0}));
    QVERIFY(gDatabase.execSql("create trigger refuse before insert on tbl_mood_command when new.command_id=2 begin "
                              "select raise(abort, 'refused'); end"));
    enter();
    click("pushButtonNext");
    setAddress("3", "4");
    click("pushButtonSave");
    QCOMPARE(toasts, QStringList{"Save failed!"});
    QCOMPARE(navigations, QStringList());
    QCOMPARE(storedRows(7, 12), (QList<QList<int>>{{1, 1, 2, 85, 1, 1, 0, 0}}));
    QCOMPARE(commandId(), QString("2"));
}

QTEST_MAIN(TestDiyCommand)
#include "tst_diycommand.moc"
