// What adding rooms in bulk costs in a large hotel: into a project of 2,000 rooms, one series of 1,000 rooms from a
// template of 8 lights (2 of them RGB) and 4 panels, through the add-room dialog's own creation code, once with a
// built-in template picture and once with a 600 x 320 project picture copied to every room; then the rebuild of
// the rooms manager's grid with all 3,000 rooms. Run by hand on a Release build; prints "name value" lines.
//
//     QT_QPA_PLATFORM=offscreen build-release/bench/bench_bulk_rooms

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/projectfolders.h"
#include "core/queryhelpers.h"
#include "pages/roomconfig/pagesettingroommanager.h"
#include "pages/roomconfig/roomcreation.h"
#include "resources/stationresources.h"
#include "shell/projectswitch.h"
#include "shell/tilegrid.h"
#include "tests/support/stationfixture.h"
#include "tests/support/testenv.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int builtinTemplate = 1;
constexpr int pictureTemplate = 2;

void print(const char *name, double value)
{
    std::printf("%s %.0f\n", name, value);
    std::fflush(stdout);
}

bool exec(const QString &sql, const QVariantList &values = {})
{
    if (gDatabase.execSql(sql, values))
        return true;
    std::fprintf(stderr, "failed: %s\n", qUtf8Printable(sql));
    return false;
}

// A template with 8 lights (2 RGB among dimmers and on/off lights) and 4 panels.
void addTemplate(int id, const QString &picture)
{
    exec("insert into tbl_room_template(room_template_name,room_template_icon_name,room_template_id) values(?,?,?)",
         {QString("Template %1").arg(id), picture, id});
    static const int types[] = {2, 1, 1, 0, 2, 1, 0, 7};
    for (int i = 0; i < 8; ++i)
        exec("insert into tbl_template_light(template_light_id,light_type,light_remark,icon_name,room_template_id) "
             "values(?,?,?,?,?)",
             {id * 100 + i, types[i], QString("Light %1").arg(i + 1), QString("light_0%1_on").arg(i % 6 + 1), id});
    for (int i = 0; i < 4; ++i)
        exec("insert into tbl_template_panel(template_panel_id,panel_remark,room_template_id) values(?,?,?)",
             {id * 100 + i, QString("Panel %1").arg(i + 1), id});
}

// A picture with some detail in it, so that its PNG is no trivial one.
void writeTemplatePicture(const QString &path)
{
    QImage image(600, 320, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 600, 320);
    gradient.setColorAt(0, QColor("#263440"));
    gradient.setColorAt(1, QColor("#E35151"));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(Qt::white);
    for (int i = 0; i < 40; ++i)
        painter.drawEllipse(QPoint((i * 97) % 600, (i * 53) % 320), 10 + i, 5 + i / 2);
    painter.end();
    image.save(path, "PNG");
}

bool addSeries(const QString &region, const QString &floor, const QString &name, int templateId, int count)
{
    RoomSeries series;
    series.regionName = region;
    series.floorName = floor;
    series.roomName = name;
    series.templateId = templateId;
    series.count = count;
    series.numbered = count > 1;
    return addRoomSeries(series);
}

// Milliseconds for one series of 1,000 rooms into a fresh copy of the 2,000-room project.
double bulkAdd(const QString &pristine, const QString &database, int templateId, const QString &folder)
{
    gDatabase.close();
    QFile::remove(database);
    QFile::copy(pristine, database);
    gDatabase.setDatabaseName(database);
    // Pictures of an earlier run would only be replaced; start from none.
    for (const QString &file : QDir(folder).entryList({"photo_Room_*.png"}, QDir::Files))
        QFile::remove(folder + "/" + file);

    QElapsedTimer timer;
    timer.start();
    const bool ok = addSeries("East", "Floor 9", "A0001", templateId, 1000);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const int rooms = queryIntValue("select count(*) as n from tbl_room", "n");
    if (!ok || rooms != 3000)
        std::fprintf(stderr, "series failed: %d rooms\n", rooms);
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    testenv::useFreshHome(home);
    QApplication app(argc, argv);
    initStationResources();

    stationfixture::prepareProject(home.path(), LocalNetwork);
    const QString database = ProjectSwitch::databasePath("Home");
    const QString folder = projectFolderPath("Home");
    writeTemplatePicture(folder + "/photo_Template_2.png");
    addTemplate(builtinTemplate, "room_1");
    addTemplate(pictureTemplate, "photo_Template_2");

    // 2,000 rooms with their devices: 4 regions of 5 floors of 100 rooms.
    for (int region = 1; region <= 4; ++region)
        for (int floor = 1; floor <= 5; ++floor)
            addSeries(QString("Region %1").arg(region), QString("Floor %1").arg(floor),
                      QString("%1%2%3").arg(region).arg(floor).arg("00"), builtinTemplate, 100);
    gDatabase.close();
    const QString pristine = home.path() + "/pristine.db3";
    QFile::copy(database, pristine);
    gDatabase.setDatabaseName(database);

    print("bulk_1000_builtin_picture_ms", bulkAdd(pristine, database, builtinTemplate, folder));
    print("bulk_1000_project_picture_ms", bulkAdd(pristine, database, pictureTemplate, folder));

    // The manager as staff see it: shown at full width, rebuilt on a later entry; the old tiles go too.
    gScreenWidth = 1920;
    PageSettingRoomManager manager("Rooms Manager", "Rooms Manager", nullptr);
    manager.resize(1920, 1000);
    manager.show();
    manager.refreshList();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    manager.refreshList();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    const double rebuild = double(timer.nsecsElapsed()) / 1e6;
    if (manager.grid()->tiles().size() != 3001)
        std::fprintf(stderr, "grid holds %d tiles\n", int(manager.grid()->tiles().size()));
    print("manager_rebuild_3000_rooms_ms", rebuild);

    gDatabase.close();
    return 0;
}
