// The statements on the air conditioners and floor heatings of the rooms.

#include "core/climatestore.h"
#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/queryhelpers.h"

#include <QDir>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

using Write = std::function<bool(QString *error)>;

int rows(const QString &where = QString())
{
    return queryIntValue("select count(*) as n from tbl_air_conditioner" + (where.isEmpty() ? "" : " where " + where),
                         "n");
}

void addDevice(int roomId, int number, const QString &remark = QStringLiteral("dev"))
{
    QVERIFY(gDatabase.execSql("insert into tbl_air_conditioner(air_conditioner_no,remark,subnet_id,device_id,channel,"
                              "status,room_id) values(?,?,1,2,3,1,?)",
                              {number, remark, roomId}));
}

QList<int> numbersOf(const QList<ClimateRow> &list)
{
    QList<int> numbers;
    for (const ClimateRow &row : list)
        numbers.append(row.number);
    return numbers;
}

// Every column of every row, to tell that a refused write left the table as it was.
QStringList snapshot()
{
    QStringList all;
    QSqlQuery query = gDatabase.querySql("select * from tbl_air_conditioner order by id");
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < 24; ++i)
            values.append(query.value(i).toString());
        all.append(values.join('|'));
    }
    return all;
}

} // namespace

Q_DECLARE_METATYPE(ClimateKind)
Q_DECLARE_METATYPE(ClimateColumn)
Q_DECLARE_METATYPE(Write)

class TestClimateStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void kindsSelectTheirNumbers_data();
    void kindsSelectTheirNumbers();
    void rowReadsEveryColumn();
    void missingDeviceIsNoError();
    void saveInsertsThenResetsTheState();
    void panelWritesTouchOnlyTheirDevice_data();
    void panelWritesTouchOnlyTheirDevice();
    void singleColumns_data();
    void singleColumns();
    void deleteRemovesOnlyThatDevice();
    void refusedWritesChangeNothing_data();
    void refusedWritesChangeNothing();
    void failedReadsTellThemselvesFromNoRows();

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestClimateStore::init()
{
    m_dir.reset(new QTemporaryDir);
    gAppDirPath = m_dir->path();
    gRetainDays = "30";
    createDatabaseTables(QDir(m_dir->path()).filePath("climate.db3"));
}

void TestClimateStore::cleanup()
{
    gDatabase.close();
}

void TestClimateStore::kindsSelectTheirNumbers_data()
{
    QTest::addColumn<ClimateKind>("kind");
    QTest::addColumn<QList<int>>("numbered");
    QTest::addColumn<QList<int>>("listed");

    // The panels take exactly the two numbers of a kind; the editor counts everything on its side of 1.
    QTest::newRow("air conditioners") << ClimateKind::AirConditioners << QList<int>{0, 1} << QList<int>{-1, 0, 1};
    QTest::newRow("floor heatings") << ClimateKind::FloorHeatings << QList<int>{2, 3} << QList<int>{2, 3, 5};
}

void TestClimateStore::kindsSelectTheirNumbers()
{
    QFETCH(ClimateKind, kind);
    QFETCH(QList<int>, numbered);
    QFETCH(QList<int>, listed);
    for (int number : {5, 3, 1, -1, 2, 0})
        addDevice(1, number);
    addDevice(2, 0);
    addDevice(2, 2);
    // A room whose only devices lie outside both kinds' numbers.
    addDevice(3, 5);
    addDevice(3, -1);

    QString error;
    QCOMPARE(numbersOf(loadClimateRows(1, kind, &error)), numbered);
    QCOMPARE(numbersOf(listClimateDevices(1, kind, &error)), listed);
    QCOMPARE(countClimateDevices(1, kind, &error), listed.size());
    QVERIFY(hasClimateRows(1, kind, &error));
    QVERIFY(hasClimateDevices(1, kind, &error));
    QVERIFY(error.isEmpty());

    QVERIFY(!hasClimateRows(3, kind));
    QVERIFY(hasClimateDevices(3, kind));
    QCOMPARE(countClimateDevices(3, kind), 1);
    QVERIFY(loadClimateRows(4, kind).isEmpty());
    QVERIFY(!hasClimateDevices(4, kind));
    QCOMPARE(countClimateDevices(4, kind), 0);
}

void TestClimateStore::rowReadsEveryColumn()
{
    QVERIFY(gDatabase.execSql(
        "insert into tbl_air_conditioner(air_conditioner_no,air_conditioner_type,remark,subnet_id,device_id,channel,"
        "status,mode,speed,current_temperature,current_cool_temperature,current_heat_temperature,"
        "current_auto_temperature,current_dry_temperature,temperature_unit,function,high_limit,low_limit,"
        "room_temperature,room_temperature_type,original_type,version,room_id) "
        "values(1,1,?,11,12,13,1,3,2,21,22,23,24,25,1,'f','30-31-32','17-18-19',26,1,700,?,7)",
        {QString("It's 100% 客房"), QString("v'1")}));
    ClimateRow row;
    QString error;
    QVERIFY(findClimateDevice(7, 1, row, &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(row.number, 1);
    QCOMPARE(row.type, 1);
    QCOMPARE(row.remark, QString("It's 100% 客房"));
    QCOMPARE(row.subnet, 11);
    QCOMPARE(row.device, 12);
    QCOMPARE(row.channel, 13);
    QCOMPARE(row.status, 1);
    QCOMPARE(row.mode, 3);
    QCOMPARE(row.speed, 2);
    QCOMPARE(row.setPoint, 21);
    QCOMPARE(row.coolSetPoint, 22);
    QCOMPARE(row.heatSetPoint, 23);
    QCOMPARE(row.autoSetPoint, 24);
    QCOMPARE(row.drySetPoint, 25);
    QCOMPARE(row.temperatureUnit, 1);
    QCOMPARE(row.function, QString("f"));
    QCOMPARE(row.highLimit, QString("30-31-32"));
    QCOMPARE(row.lowLimit, QString("17-18-19"));
    QCOMPARE(row.roomTemperature, 26);
    QCOMPARE(row.roomTemperatureType, 1);
    QCOMPARE(row.originalType, 700);
    QCOMPARE(row.version, QString("v'1"));
    QCOMPARE(row.roomId, 7);
    QVERIFY(row.id > 0);
    QVERIFY(hasClimateDevice(7, 1));

    // Unset columns and numbers stored as other text read as zero and empty.
    QVERIFY(gDatabase.execSql("insert into tbl_air_conditioner(air_conditioner_no,subnet_id,room_id) "
                              "values(2,'abc',7)"));
    QVERIFY(findClimateDevice(7, 2, row));
    QCOMPARE(row.subnet, 0);
    QCOMPARE(row.status, 0);
    QCOMPARE(row.remark, QString());
    QCOMPARE(row.highLimit, QString());

    // A mood's snapshot of a row reads the same way; the columns it lacks stay zero.
    QVERIFY(gDatabase.execSql("insert into tbl_mood_air_conditioner_status(mood_id,air_conditioner_no,remark,status,"
                              "room_id) values(4,3,'snap',1,7)"));
    QSqlQuery snapshotRow = gDatabase.querySql("select * from tbl_mood_air_conditioner_status");
    QVERIFY(snapshotRow.next());
    const ClimateRow snap = climateRowFromQuery(snapshotRow);
    QCOMPARE(snap.number, 3);
    QCOMPARE(snap.remark, QString("snap"));
    QCOMPARE(snap.status, 1);
    QCOMPARE(snap.highLimit, QString());
    QCOMPARE(snap.roomTemperatureType, 0);
}

void TestClimateStore::missingDeviceIsNoError()
{
    addDevice(1, 0);
    ClimateRow row;
    row.remark = "kept";
    QString error;
    QVERIFY(!findClimateDevice(1, 1, row, &error));
    QVERIFY(!findClimateDevice(2, 0, row, &error));
    QCOMPARE(row.remark, QString("kept"));
    QVERIFY(!hasClimateDevice(1, 1, &error));
    QVERIFY(error.isEmpty());
}

void TestClimateStore::saveInsertsThenResetsTheState()
{
    const QString name = "It's 100% 地暖";
    QString error;
    QVERIFY(saveClimateDevice(false, 4, 2, 0, name, 1, 20, 3, 1, &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(rows(), 1);
    ClimateRow row;
    QVERIFY(findClimateDevice(4, 2, row));
    QCOMPARE(row.remark, name);
    QCOMPARE(row.type, 0);
    QCOMPARE(row.subnet, 1);
    QCOMPARE(row.device, 20);
    QCOMPARE(row.channel, 3);
    QCOMPARE(row.roomTemperatureType, 1);
    QCOMPARE(queryIntValue("select count(*) as n from tbl_air_conditioner where function='' and high_limit='' and "
                           "low_limit='' and version='' and status=0 and original_type=0",
                           "n"),
             1);

    // The panels' state, then a second save of the form: the state goes, the row stays one.
    QVERIFY(storeClimateDeviceInfo(4, 2, 123, "1.0"));
    QVERIFY(storeClimateLimits(4, 2, "5", "35"));
    QVERIFY(storeFloorHeatingState(4, 2, 1, 22, 1, 28));
    QVERIFY(saveClimateDevice(true, 4, 2, 1, "renamed", 2, 21, 4, 0, &error));
    QCOMPARE(rows(), 1);
    QVERIFY(findClimateDevice(4, 2, row));
    QCOMPARE(row.remark, QString("renamed"));
    QCOMPARE(row.type, 1);
    QCOMPARE(row.subnet, 2);
    QCOMPARE(row.device, 21);
    QCOMPARE(row.channel, 4);
    QCOMPARE(row.roomTemperatureType, 0);
    QCOMPARE(row.originalType, 0);
    QCOMPARE(row.version, QString());
    QCOMPARE(row.lowLimit, QString());
    QCOMPARE(row.highLimit, QString());
    QCOMPARE(row.status, 0);
    QCOMPARE(row.setPoint, 0);
    QCOMPARE(row.roomTemperature, 0);
    QCOMPARE(row.temperatureUnit, 0);
}

void TestClimateStore::panelWritesTouchOnlyTheirDevice_data()
{
    QTest::addColumn<Write>("write");
    QTest::addColumn<QString>("stored");

    QTest::newRow("device info") << Write([](QString *e) { return storeClimateDeviceInfo(1, 2, 0x1234, "V'2", e); })
                                 << "original_type=4660 and version='V''2'";
    QTest::newRow("limits") << Write([](QString *e) { return storeClimateLimits(1, 2, "16-17-18", "30-31-32", e); })
                            << "low_limit='16-17-18' and high_limit='30-31-32'";
    AirConditionerState state;
    state.status = 1;
    state.coolSetPoint = 22;
    state.mode = 3;
    state.speed = 2;
    state.roomTemperature = 27;
    state.heatSetPoint = 28;
    state.autoSetPoint = 24;
    state.drySetPoint = 25;
    QTest::newRow("air conditioner state")
        << Write([state](QString *e) { return storeAirConditionerState(1, 2, state, e); })
        << "status=1 and current_cool_temperature=22 and mode=3 and speed=2 and room_temperature=27 and "
           "current_heat_temperature=28 and current_auto_temperature=24 and current_dry_temperature=25";
    QTest::newRow("floor heating state") << Write([](QString *e) {
        return storeFloorHeatingState(1, 2, 1, 19, 1, 26, e);
    }) << "temperature_unit=1 and room_temperature=19 and status=1 and current_temperature=26";
}

void TestClimateStore::panelWritesTouchOnlyTheirDevice()
{
    QFETCH(Write, write);
    QFETCH(QString, stored);
    addDevice(1, 2);
    addDevice(1, 3);
    addDevice(2, 2);
    QString error;
    QVERIFY(write(&error));
    QVERIFY(error.isEmpty());
    QCOMPARE(rows(stored), 1);
    QCOMPARE(rows(stored + " and room_id=1 and air_conditioner_no=2"), 1);
    QCOMPARE(rows(), 3);
}

void TestClimateStore::singleColumns_data()
{
    QTest::addColumn<ClimateColumn>("column");
    QTest::addColumn<QString>("name");

    QTest::newRow("status") << ClimateColumn::Status << "status";
    QTest::newRow("mode") << ClimateColumn::Mode << "mode";
    QTest::newRow("speed") << ClimateColumn::Speed << "speed";
    QTest::newRow("set point") << ClimateColumn::SetPoint << "current_temperature";
    QTest::newRow("cool") << ClimateColumn::CoolSetPoint << "current_cool_temperature";
    QTest::newRow("heat") << ClimateColumn::HeatSetPoint << "current_heat_temperature";
    QTest::newRow("auto") << ClimateColumn::AutoSetPoint << "current_auto_temperature";
    QTest::newRow("unit") << ClimateColumn::TemperatureUnit << "temperature_unit";
    QTest::newRow("room temperature") << ClimateColumn::RoomTemperature << "room_temperature";
}

void TestClimateStore::singleColumns()
{
    QFETCH(ClimateColumn, column);
    QFETCH(QString, name);
    addDevice(1, 0);
    addDevice(1, 1);
    const QStringList before = snapshot();
    QVERIFY(storeClimateValue(1, 1, column, 77));
    const QStringList after = snapshot();
    QCOMPARE(after.first(), before.first());

    // In the device's row that column alone changed.
    QSqlQuery query = gDatabase.querySql("select * from tbl_air_conditioner");
    QVERIFY(query.next());
    const int index = query.record().indexOf(name);
    query.finish();
    QVERIFY(index >= 0);
    const QStringList was = before.last().split('|');
    const QStringList is = after.last().split('|');
    for (int i = 0; i < was.size(); ++i)
        QCOMPARE(is.at(i), i == index ? QString("77") : was.at(i));
}

void TestClimateStore::deleteRemovesOnlyThatDevice()
{
    addDevice(1, 0);
    addDevice(1, 1);
    addDevice(2, 0);
    QString error;
    QVERIFY(deleteClimateDevice(1, 0, &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(rows(), 2);
    QCOMPARE(rows("room_id=1 and air_conditioner_no=0"), 0);
    // A device that is not there: nothing to remove, nothing failed.
    QVERIFY(deleteClimateDevice(1, 3, &error));
    QCOMPARE(rows(), 2);
}

void TestClimateStore::refusedWritesChangeNothing_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<Write>("write");

    QTest::newRow("save new") << "insert" << Write([](QString *e) {
        return saveClimateDevice(false, 1, 1, 0, "new", 1, 2, 3, 0, e);
    });
    QTest::newRow("save existing") << "update" << Write([](QString *e) {
        return saveClimateDevice(true, 1, 0, 1, "changed", 9, 9, 9, 1, e);
    });
    QTest::newRow("delete") << "delete" << Write([](QString *e) { return deleteClimateDevice(1, 0, e); });
    QTest::newRow("device info") << "update"
                                 << Write([](QString *e) { return storeClimateDeviceInfo(1, 0, 5, "x", e); });
    QTest::newRow("limits") << "update" << Write([](QString *e) { return storeClimateLimits(1, 0, "1", "2", e); });
    QTest::newRow("column") << "update"
                            << Write([](QString *e) { return storeClimateValue(1, 0, ClimateColumn::Status, 0, e); });
    QTest::newRow("air conditioner state")
        << "update" << Write([](QString *e) { return storeAirConditionerState(1, 0, AirConditionerState(), e); });
    QTest::newRow("floor heating state") << "update" << Write([](QString *e) {
        return storeFloorHeatingState(1, 0, 1, 2, 0, 4, e);
    });
}

void TestClimateStore::refusedWritesChangeNothing()
{
    QFETCH(QString, operation);
    QFETCH(Write, write);
    addDevice(1, 0);
    addDevice(2, 0);
    QVERIFY(gDatabase.execSql(QString("create trigger refuse before %1 on tbl_air_conditioner begin select "
                                      "raise(abort, 'refused'); end")
                                  .arg(operation)));
    const QStringList before = snapshot();
    QString error;
    QVERIFY(!write(&error));
    QVERIFY2(error.contains("refused"), qPrintable(error));
    QCOMPARE(snapshot(), before);
    // Without a place for the reason the answer is the same.
    QVERIFY(!write(nullptr));
    QCOMPARE(snapshot(), before);
}

void TestClimateStore::failedReadsTellThemselvesFromNoRows()
{
    addDevice(1, 0);
    QVERIFY(gDatabase.execSql("drop table tbl_air_conditioner"));

    for (ClimateKind kind : {ClimateKind::AirConditioners, ClimateKind::FloorHeatings}) {
        QString error;
        QVERIFY(loadClimateRows(1, kind, &error).isEmpty());
        QVERIFY(!error.isEmpty());
        error.clear();
        QVERIFY(listClimateDevices(1, kind, &error).isEmpty());
        QVERIFY(!error.isEmpty());
        error.clear();
        QCOMPARE(countClimateDevices(1, kind, &error), 0);
        QVERIFY(!error.isEmpty());
        error.clear();
        QVERIFY(!hasClimateRows(1, kind, &error));
        QVERIFY(!error.isEmpty());
        error.clear();
        QVERIFY(!hasClimateDevices(1, kind, &error));
        QVERIFY(!error.isEmpty());
    }
    ClimateRow row;
    QString error;
    QVERIFY(!findClimateDevice(1, 0, row, &error));
    QVERIFY(error.contains("tbl_air_conditioner"));
    error.clear();
    QVERIFY(!hasClimateDevice(1, 0, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(TestClimateStore)
#include "tst_climatestore.moc"
