// How the device log page copes with a long range: 100,000 entries of tbl_log in the last seven days are listed
// on page entry and exported to a workbook. Run by hand on a Release build, under QT_QPA_PLATFORM=offscreen;
// prints "name value" lines:
//   list_ms           from page entry until every entry is listed and the first rows are on screen
//   longest_stall_ms  the longest turn of the event loop meanwhile, and while 20 more batches are scrolled in
//   export_ms         the export of the whole range
//   peak_rss_mb       the process's peak memory during the export (export_rss_growth_mb: above its start)

#include "core/cppsqlite3db.h"
#include "core/globals.h"
#include "core/sqltransaction.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmateriallabel.h"
#include "pages/messages/pagelog.h"
#include "resources/stationresources.h"
#include "shell/savefilename.h"
#include "tests/support/processmemory.h"
#include "tests/support/projectfixture.h"
#include "tests/support/testenv.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int entries = 100000;

void print(const char *name, double value)
{
    std::printf("%s %.0f\n", name, value);
    std::fflush(stdout);
}

// The longest turn of the event loop: a timer that fires on every turn notes the longest gap between two firings.
class StallMeter : public QObject
{
public:
    StallMeter()
    {
        ticker.setInterval(0);
        connect(&ticker, &QTimer::timeout, this, [this] {
            if (since.isValid())
                longest = qMax(longest, since.elapsed());
            since.start();
        });
        ticker.start();
    }
    void stop() { ticker.stop(); }
    qint64 longest = 0;

private:
    QTimer ticker;
    QElapsedTimer since;
};

template <typename Done> void runUntil(Done done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir home;
    testenv::useFreshHome(home);
    gAppDirPath = home.path();
    gScreenWidth = 1920;
    initStationResources();
    projectfixture::openFreshDatabase(QDir(home.path()).filePath("bench.db3"));
    const projectfixture::Place place = projectfixture::addPlace("North", "Ground", "101");
    Q_UNUSED(place);

    // Entries spread over the last six days, a few seconds apart.
    const QDateTime now = QDateTime::currentDateTime();
    SqlTransaction transaction;
    bool ok = transaction.isOpen();
    for (int i = 0; ok && i < entries; ++i) {
        ok = gDatabase.execSql(
            "insert into tbl_log(log_type,log_address,log_device,log_event,log_time) values(?,?,?,?,?)",
            {i % 2, QString("North-Ground-101"), QString("light_Desk %1").arg(i % 40),
             QString("brightness %1%").arg(i % 101), now.addSecs(-5 * i).toString("yyyy-MM-dd HH:mm:ss")});
    }
    if (!ok || !transaction.commit())
        qFatal("the device log could not be written: %s", qPrintable(gDatabase.lastErrorText()));

    PageLog page("Log", "Log", nullptr);
    page.resize(1920, 1000);
    page.show();
    QCoreApplication::processEvents();

    StallMeter stalls;
    QElapsedTimer clock;
    bool entered = false;
    QTimer::singleShot(0, [&] {
        clock.start();
        emit gBroadcastSocket.signalsPageEnter(QString(), QString());
        entered = true;
    });
    runUntil([&] { return entered && page.isListed() && !page.rows().isEmpty(); });
    // Until the rows are laid out and painted.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    print("list_ms", clock.elapsed());
    if (page.listedCount() != entries)
        std::printf("listed %d of %d\n", page.listedCount(), entries);

    // Scrolling to the end of the built rows brings in the next batch.
    QScrollBar *bar = page.findChild<QtMaterialCanvas *>("canvasRows")->verticalScrollBar();
    for (int i = 0; i < 20; ++i) {
        const int before = page.rows().size();
        // The range grows once the new rows are laid out; until then the end is where it was.
        runUntil([&] {
            bar->setValue(bar->maximum());
            return page.rows().size() > before;
        });
        QCoreApplication::processEvents();
    }
    stalls.stop();
    print("longest_stall_ms", stalls.longest);

    const QString path = QDir(home.path()).filePath("bench_log.xlsx");
    SaveFileName::setHook([&](QWidget *, const QString &, const QString &, const QString &) { return path; });
    QString toast;
    QObject::connect(&gBroadcastSocket, &BroadcastSocket::signalsInformation, [&](QString text) { toast = text; });
    const double before = residentKb() / 1024.0;
    const bool reset = resetPeakMemory();
    clock.restart();
    emit page.findChild<QtMaterialLabel *>("labelExport")->signalsPressed();
    print("export_ms", clock.elapsed());
    const double peak = peakResidentKb() / 1024.0;
    print("peak_rss_mb", peak);
    if (reset)
        print("export_rss_growth_mb", peak - before);
    std::printf("export_result %s (%lld bytes)\n", qPrintable(toast), QFileInfo(path).size());
    return toast == "Exprot successfully" ? 0 : 1;
}
