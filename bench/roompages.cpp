// How the room pages hold up with big projects: opening "Rooms" and "Home" with 30, 300 and 3000 rooms, the rate
// at which the "Lighting" page takes bus frames with 300 rooms on it, and the memory Home and Rooms need with 3000
// rooms. Every room has four dimmers, an occupancy sensor, a master switch and a built-in picture.
//
// The main window opens the station's network: run it inside scripts/netns-run on a Release build,
//     QT_QPA_PLATFORM=offscreen scripts/netns-run build/bench/bench_roompages
// Prints "name value" lines.

#include "app/pagetable.h"
#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/projectlist.h"
#include "devicelink/broadcastsocket.h"
#include "devicelink/buscommands.h"
#include "pages/rooms/pagedeviceoperate.h"
#include "panels/devicepanel.h"
#include "panels/lightitem.h"
#include "panels/roomitem.h"
#include "resources/stationresources.h"
#include "shell/mainwindow.h"
#include "shell/projectswitch.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/processmemory.h"
#include "tests/support/projectfixture.h"
#include "tests/support/simulateddevice.h"
#include "tests/support/testenv.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QScreen>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

constexpr quint8 stationSubnet = 1;
constexpr quint8 stationDevice = 254;

void print(const char *name, double value)
{
    std::printf("%s %.2f\n", name, value);
    std::fflush(stdout);
}

void print(const QString &name, double value)
{
    print(name.toLatin1().constData(), value);
}

// A project "Bench<rooms>" with its database, made current.
QString makeProject(int rooms)
{
    const QString name = QString("Bench%1").arg(rooms);
    QDir(gAppDirPath).mkpath("database/" + name);
    const QString path = ProjectSwitch::databasePath(name);
    QFile::remove(path);
    gDatabase.close();
    createDatabaseTables(path);
    if (!addProject(name))
        qFatal("the project list could not be written");
    if (!setCurrentProjectName(name))
        qFatal("the project list could not be written");
    projectfixture::Hotel hotel;
    hotel.rooms = rooms;
    hotel.panels = false;
    if (!projectfixture::addHotel(hotel))
        qFatal("the project of %d rooms could not be written: %s", rooms, qPrintable(gDatabase.lastErrorText()));
    return path;
}

// Asks for a page as a click does and returns the ms until it is shown and laid out.
double openPage(QApplication &app, MainWindow &window, const QString &id)
{
    QElapsedTimer timer;
    timer.start();
    emit gBroadcastSocket.signalsPageIdChanged(id, id, QString(), QString());
    if (MyDialog *page = window.page(id)) {
        if (page->layout())
            page->layout()->activate();
    }
    app.processEvents();
    return timer.nsecsElapsed() / 1e6;
}

// A frame from subnet/device to the station with a correct CRC.
QByteArray frameFrom(quint8 subnet, quint8 device, quint16 opcode, const QByteArray &payload)
{
    return makeDeviceFrame(subnet, device, opcode, stationSubnet, stationDevice, payload, 0x0260);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    testenv::useFreshHome(home);
    QApplication app(argc, argv);
    if (!privatenetwork::inside()) {
        std::fprintf(stderr, "bench_roompages opens the station's ports: run it through scripts/netns-run\n");
        return 2;
    }
    initStationResources();
    registerStationPages();
    gAppDirPath = home.path();
    gScreenWidth = app.primaryScreen()->geometry().width();
    if (!createProjectXml())
        qFatal("the project list could not be written");
    gSubId = QString::number(stationSubnet);
    gDevId = QString::number(stationDevice);
    gBroadcastSocket.setLocalAddress(stationSubnet, stationDevice);
    // The panels' polls and resends would only add traffic to what is measured.
    DevicePanel::setTickInterval(3600 * 1000);

    // A maximised window with no page content: the floor the pages' memory is measured against.
    double bareMb = 0;
    {
        QWidget bare;
        bare.showMaximized();
        app.processEvents();
        bareMb = residentKb() / 1024.0;
    }

    for (int rooms : {30, 300, 3000}) {
        const QString db = makeProject(rooms);
        MainWindow window;
        window.showMaximized();
        app.processEvents();
        const double roomsMs = openPage(app, window, "Rooms");
        const double homeMs = openPage(app, window, "Home");
        print(QString("open_rooms_ms_%1").arg(rooms), roomsMs);
        print(QString("open_rooms_ms_per_room_%1").arg(rooms), roomsMs / rooms);
        print(QString("open_home_ms_%1").arg(rooms), homeMs);
        print(QString("open_home_ms_per_room_%1").arg(rooms), homeMs / rooms);
        if (rooms == 3000) {
            app.processEvents();
            print("rss_mb", residentKb() / 1024.0);
            print("bare_mb", bareMb);
            print("data_mb", QFileInfo(db).size() / 1048576.0);
        }
        window.close();
    }

    {
        makeProject(300);
        MainWindow window;
        window.showMaximized();
        app.processEvents();
        openPage(app, window, "Lighting");
        // The page's refresh is not what is measured.
        emit gBroadcastSocket.signalsStopRefresh(false);
        app.processEvents();

        // One frame in ten is a light of the page repeating the level it shows (50); the rest come from addresses
        // that have no panel on the page.
        QList<QByteArray> frames;
        for (int i = 0; i < 1000; ++i) {
            if (i % 10 == 0) {
                const int room = (i / 10) * 3 % 300;
                frames << frameFrom(projectfixture::hotelSubnet(room),
                                    projectfixture::hotelLightDevice(room, (i / 10) % 4), 0x0034,
                                    QByteArray("\x01\x32", 2));
            } else {
                frames << frameFrom(200 + i % 50, 1 + i % 200, i % 2 ? 0x0034 : 0x0032, QByteArray("\x01\x32", 2));
            }
        }
        const int total = 200000;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < total; ++i) {
            QByteArray &frame = frames[i % frames.size()];
            emit gBroadcastSocket.dataIsComming(reinterpret_cast<quint8 *>(frame.data()), frame.size());
        }
        const double seconds = timer.nsecsElapsed() / 1e9;
        print("frames_per_s", total / seconds);
        window.close();
    }
    return 0;
}
