// The 3D placements of rooms: the room picture rows, and the position rows of lights and of air conditioners
// and floor heatings, with their defaults and what a refused write leaves behind.

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/placementstore.h"
#include "tests/support/projectfixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace projectfixture;

namespace {

using Loader = bool (*)(int key, int roomId, QPoint &position, QString *error);
using Saver = bool (*)(int key, int roomId, const QPoint &position, QString *error);
using Remover = bool (*)(int key, int roomId, QString *error);

// One kind of position row: its table, key column and functions.
struct PositionKind
{
    QString table;
    QString keyColumn;
    Loader load;
    Saver save;
    Remover remove;
};

const PositionKind lightKind{"tbl_3d_view_light", "light_id", loadLightPosition, saveLightPosition,
                             deleteLightPosition};
const PositionKind climateKind{"tbl_3d_air_conditioner", "air_conditioner_no", loadClimatePosition, saveClimatePosition,
                               deleteClimatePosition};

bool addPosition(const PositionKind &kind, int key, int x, int y, int roomId)
{
    return insertRow(kind.table, {{kind.keyColumn, key}, {"xp1", x}, {"yp1", y}, {"room_id", roomId}});
}

// Every position row of the kind as "key:x,y@room", in row order.
QStringList positions(const PositionKind &kind)
{
    QStringList rows;
    QSqlQuery query =
        gDatabase.querySql(QString("select %1,xp1,yp1,room_id from %2 order by id").arg(kind.keyColumn, kind.table));
    while (query.next())
        rows << QString("%1:%2,%3@%4")
                    .arg(query.value(0).toInt())
                    .arg(query.value(1).toInt())
                    .arg(query.value(2).toInt())
                    .arg(query.value(3).toInt());
    return rows;
}

// Every picture row as "room:name", in row order.
QStringList pictures()
{
    QStringList rows;
    QSqlQuery query = gDatabase.querySql("select room_id,icon_name from tbl_3d_view_manager order by id");
    while (query.next())
        rows << QString("%1:%2").arg(query.value(0).toInt()).arg(query.value(1).toString());
    return rows;
}

bool refuse(const QString &event, const QString &table)
{
    return gDatabase.execSql(
        QString("create trigger refuse before %1 on %2 begin select raise(abort, 'refused'); end").arg(event, table));
}

} // namespace

Q_DECLARE_METATYPE(PositionKind)

class TestPlacementStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roomPictureIsRead();
    void roomWithoutPictureGetsTheDefaultOnce();
    void roomPictureIsSaved();
    void pictureFailures();

    void kinds_data();
    void positionWithoutRowGetsOneAtTheCorner_data() { kinds_data(); }
    void positionWithoutRowGetsOneAtTheCorner();
    void storedPositionIsRead_data() { kinds_data(); }
    void storedPositionIsRead();
    void savedPositionChangesOnlyItsRow_data() { kinds_data(); }
    void savedPositionChangesOnlyItsRow();
    void deletedPositionRemovesOnlyItsRow_data() { kinds_data(); }
    void deletedPositionRemovesOnlyItsRow();
    void refusedWritesLeaveTheRows_data();
    void refusedWritesLeaveTheRows();
    void failedReadAnswersFalse_data() { kinds_data(); }
    void failedReadAnswersFalse();

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestPlacementStore::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    openFreshDatabase(QDir(m_dir->path()).filePath("placements.db3"));
}

void TestPlacementStore::cleanup()
{
    gDatabase.close();
}

void TestPlacementStore::roomPictureIsRead()
{
    QVERIFY(insertRow("tbl_3d_view_manager", {{"icon_name", "3d_view_05"}, {"room_id", 4}}));

    QString name = "kept";
    QString error;
    QVERIFY(!readRoomPicture(3, name, &error));
    QCOMPARE(name, QString("kept"));
    QVERIFY(error.isEmpty());

    QVERIFY(readRoomPicture(4, name, &error));
    QCOMPARE(name, QString("3d_view_05"));
    QVERIFY(error.isEmpty());
    QCOMPARE(pictures(), QStringList{"4:3d_view_05"});
}

void TestPlacementStore::roomWithoutPictureGetsTheDefaultOnce()
{
    QString name = "before";
    QVERIFY(loadRoomPicture(7, "3d_view_01", name));
    QCOMPARE(name, QString("3d_view_01"));
    QCOMPARE(pictures(), QStringList{"7:3d_view_01"});

    // A later load reads the row, whatever default it is given.
    QVERIFY(loadRoomPicture(7, "3d_view_02", name));
    QCOMPARE(name, QString("3d_view_01"));
    QCOMPARE(pictures(), QStringList{"7:3d_view_01"});

    // An empty name is a row all the same.
    QVERIFY(insertRow("tbl_3d_view_manager", {{"icon_name", QString()}, {"room_id", 8}}));
    QVERIFY(loadRoomPicture(8, "3d_view_01", name));
    QCOMPARE(name, QString());
    QCOMPARE(pictures(), (QStringList{"7:3d_view_01", "8:"}));
}

void TestPlacementStore::roomPictureIsSaved()
{
    QVERIFY(insertRow("tbl_3d_view_manager", {{"icon_name", "3d_view_01"}, {"room_id", 1}}));
    QVERIFY(insertRow("tbl_3d_view_manager", {{"icon_name", "3d_view_01"}, {"room_id", 2}}));

    const QString odd = "It's 100% 房间";
    QVERIFY(saveRoomPicture(2, odd));
    QCOMPARE(pictures(), (QStringList{"1:3d_view_01", "2:" + odd}));

    // A room without a row stays without one.
    QString error;
    QVERIFY(saveRoomPicture(5, "3d_view_03", &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(pictures(), (QStringList{"1:3d_view_01", "2:" + odd}));
}

void TestPlacementStore::pictureFailures()
{
    QVERIFY(insertRow("tbl_3d_view_manager", {{"icon_name", "3d_view_04"}, {"room_id", 1}}));
    QVERIFY(refuse("insert", "tbl_3d_view_manager"));
    QVERIFY(gDatabase.execSql("create trigger refuse_update before update on tbl_3d_view_manager "
                              "begin select raise(abort, 'refused'); end"));

    QString name = "shown";
    QString error;
    QVERIFY(!loadRoomPicture(2, "3d_view_01", name, &error));
    QVERIFY2(error.contains("refused"), qPrintable(error));
    QCOMPARE(name, QString("shown"));

    error.clear();
    QVERIFY(!saveRoomPicture(1, "3d_view_06", &error));
    QVERIFY2(error.contains("refused"), qPrintable(error));
    QCOMPARE(pictures(), QStringList{"1:3d_view_04"});

    // A picture that cannot be read is not taken for a missing row: nothing is added.
    QVERIFY(gDatabase.execSql("drop trigger refuse"));
    QVERIFY(gDatabase.execSql("alter table tbl_3d_view_manager rename column icon_name to picture"));
    error.clear();
    QVERIFY(!readRoomPicture(1, name, &error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(!loadRoomPicture(2, "3d_view_01", name, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(name, QString("shown"));
    QCOMPARE(rowCount("tbl_3d_view_manager"), 1);
}

void TestPlacementStore::kinds_data()
{
    QTest::addColumn<PositionKind>("kind");
    QTest::newRow("light") << lightKind;
    QTest::newRow("air conditioner") << climateKind;
}

void TestPlacementStore::positionWithoutRowGetsOneAtTheCorner()
{
    QFETCH(PositionKind, kind);
    QVERIFY(addPosition(kind, 1, 50, 60, 9)); // the same key in another room

    QPoint position(5, 5);
    QString error;
    QVERIFY(kind.load(1, 3, position, &error));
    QCOMPARE(position, QPoint(0, 0));
    QVERIFY(error.isEmpty());
    QVERIFY(kind.load(3, 3, position, &error));
    QCOMPARE(positions(kind), (QStringList{"1:50,60@9", "1:0,0@3", "3:0,0@3"}));

    // Loading again reads the rows added.
    QVERIFY(kind.load(1, 3, position, &error));
    QCOMPARE(position, QPoint(0, 0));
    QCOMPARE(positions(kind), (QStringList{"1:50,60@9", "1:0,0@3", "3:0,0@3"}));
}

void TestPlacementStore::storedPositionIsRead()
{
    QFETCH(PositionKind, kind);
    QVERIFY(addPosition(kind, 2, 120, 33, 4));
    QVERIFY(addPosition(kind, 1, 7, 8, 4));

    QPoint position;
    QVERIFY(kind.load(2, 4, position, nullptr));
    QCOMPARE(position, QPoint(120, 33));
    QVERIFY(kind.load(1, 4, position, nullptr));
    QCOMPARE(position, QPoint(7, 8));
    QCOMPARE(positions(kind), (QStringList{"2:120,33@4", "1:7,8@4"}));
}

void TestPlacementStore::savedPositionChangesOnlyItsRow()
{
    QFETCH(PositionKind, kind);
    QVERIFY(addPosition(kind, 1, 0, 0, 4));
    QVERIFY(addPosition(kind, 2, 0, 0, 4));
    QVERIFY(addPosition(kind, 1, 0, 0, 5));

    QString error;
    QVERIFY(kind.save(1, 4, QPoint(239, 119), &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(positions(kind), (QStringList{"1:239,119@4", "2:0,0@4", "1:0,0@5"}));

    // A device without a row stays without one.
    QVERIFY(kind.save(3, 4, QPoint(10, 10), &error));
    QCOMPARE(positions(kind), (QStringList{"1:239,119@4", "2:0,0@4", "1:0,0@5"}));
}

void TestPlacementStore::deletedPositionRemovesOnlyItsRow()
{
    QFETCH(PositionKind, kind);
    QVERIFY(addPosition(kind, 1, 10, 20, 4));
    QVERIFY(addPosition(kind, 2, 30, 40, 4));
    QVERIFY(addPosition(kind, 1, 50, 60, 5));

    QVERIFY(kind.remove(1, 4, nullptr));
    QCOMPARE(positions(kind), (QStringList{"2:30,40@4", "1:50,60@5"}));
    QVERIFY(kind.remove(1, 4, nullptr)); // nothing left to remove
    QCOMPARE(positions(kind), (QStringList{"2:30,40@4", "1:50,60@5"}));
}

void TestPlacementStore::refusedWritesLeaveTheRows_data()
{
    QTest::addColumn<PositionKind>("kind");
    QTest::addColumn<QString>("event");
    for (const PositionKind &kind : {lightKind, climateKind}) {
        for (const char *event : {"insert", "update", "delete"})
            QTest::newRow(qPrintable(kind.table + " " + event)) << kind << QString(event);
    }
}

void TestPlacementStore::refusedWritesLeaveTheRows()
{
    QFETCH(PositionKind, kind);
    QFETCH(QString, event);
    QVERIFY(addPosition(kind, 1, 10, 20, 4));
    QVERIFY(refuse(event, kind.table));
    const QStringList before = positions(kind);

    QString error;
    bool stored = true;
    if (event == "insert") {
        QPoint position(9, 9);
        stored = kind.load(2, 4, position, &error);
        QCOMPARE(position, QPoint(0, 0));
    } else if (event == "update") {
        stored = kind.save(1, 4, QPoint(70, 80), &error);
    } else {
        stored = kind.remove(1, 4, &error);
    }
    QVERIFY(!stored);
    QVERIFY2(error.contains("refused"), qPrintable(error));
    QCOMPARE(positions(kind), before);
}

void TestPlacementStore::failedReadAnswersFalse()
{
    QFETCH(PositionKind, kind);
    QVERIFY(addPosition(kind, 1, 10, 20, 4));
    QVERIFY(gDatabase.execSql(QString("alter table %1 rename column xp1 to x").arg(kind.table)));

    QPoint position(9, 9);
    QString error;
    QVERIFY(!kind.load(1, 4, position, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(position, QPoint(0, 0));
    // The device's row is not taken for missing: no second row is added.
    QCOMPARE(rowCount(kind.table), 1);
}

QTEST_GUILESS_MAIN(TestPlacementStore)
#include "tst_placementstore.moc"
