#include "app/pagetable.h"
#include "core/appsettings.h"
#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/idlememory.h"
#include "core/singleinstance.h"
#include "resources/stationresources.h"
#include "shell/mainwindow.h"
#include "shell/orvmessagebox.h"
#include "shell/stationstyle.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    QApplication app(argc, argv);
    QApplication::setStyle(new StationStyle);
    // The settings stores are found by these two names, so they come before any setting is read.
    QCoreApplication::setOrganizationName("ORV");
    QCoreApplication::setApplicationName("Zoduv");

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect geometry = screen->geometry();
        gScreenWidth = geometry.right() - geometry.left() + 1;
        gScreenHeight = geometry.bottom() - geometry.top() + 1;
    }

    if (isAnotherInstanceRunning()) {
        // The second start reads and writes no setting and opens no database.
        ORVMessageBox box(QObject::tr("The software has been opened!"), 300, 160, false, 0, nullptr);
        box.exec();
        return 0;
    }

    initStationResources();
    loadAppSettings();
    registerStationPages();

    // What the station needs before its pages but not for its window's frame waits until the frame is on screen:
    // the settings' defaults written back (each store is made durable on disk) and the current project's
    // database, made or checked. A project whose database could not be used as it was is named to the operator
    // before the station starts working.
    const auto beforeHomePage = [] {
        storeSettingDefaults();
        const QString databaseNotice = initDatabase();
        if (!databaseNotice.isEmpty()) {
            ORVMessageBox box(databaseNotice, 500, 220, false, 0, nullptr);
            box.exec();
        }
    };

    int result = 0;
    {
        MainWindow window(nullptr, beforeHomePage);
        window.show();
        // Nothing reads the icon copy for shortcuts: it is written once the home page is up.
        QTimer::singleShot(0, &app, [] { writeShortcutIcon(); });
        // What reading the project and drawing the first frame held only for a while goes back once it is done.
        QTimer::singleShot(idleMemoryDelayMs, &app, [] { releaseIdleMemory(); });
        result = app.exec();
    }

    // The project database is let go while the SQL module still stands: the process-wide connection object
    // outlives main, and by then the module's own registry may already have been torn down.
    gDatabase.close();
    return result;
}
