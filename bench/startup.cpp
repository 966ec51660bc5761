// How long the station takes to show its first window and how much memory it holds once idle, beside a bare Qt
// Widgets window built with the same flags, measured in one run: every start is a process of its own, as a user
// starts the station, timed from its launch to the end of its first painted frame.
//
//   fresh:  a first start, with no settings, no project list and no project database
//   hotel:  a start with a current project of 3000 rooms (four dimmers, an occupancy sensor, a master switch and
//           a wall panel each, with service and alarm definitions)
//
// The station opens its network ports: run it inside scripts/netns-run on a Release build,
//     scripts/netns-run build-rel/bench/bench_startup [--rounds N] [--settle-ms MS]
// Prints "name value" lines: the medians over the rounds, and the ratios of the station to the bare window. The
// start-up is given twice: as wall time from launch to the first frame (startup_*), and as the CPU time the
// process had used by then (startup_cpu_*), which a busy machine does not stretch.

#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/projectlist.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/projectfixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int hotelRooms = 3000;

void print(const char *name, double value)
{
    std::printf("%s %.2f\n", name, value);
    std::fflush(stdout);
}

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Sample
{
    double shownMs = -1;
    double shownCpuMs = -1;
    double idleRssMb = -1;
};

// Where one kind of start keeps its files: the program (the station keeps its database beside its program file),
// the home folder for the settings, and the temporary folder that holds the single-instance lock.
struct Place
{
    QString root;
    QString program;
    QString home() const { return root + "/home"; }
    QString tmp() const { return root + "/tmp"; }
    QString appDir() const { return QFileInfo(program).absolutePath(); }
};

Place makePlace(const QString &root, const QString &program, bool copyProgram)
{
    Place place;
    place.root = root;
    QDir().mkpath(place.home());
    QDir().mkpath(place.tmp() + "/runtime");
    QFile::setPermissions(place.tmp() + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (copyProgram) {
        QDir().mkpath(root + "/app");
        place.program = root + "/app/" + QFileInfo(program).fileName();
        QFile::copy(program, place.program);
    } else {
        place.program = program;
    }
    return place;
}

// Starts program once under the probe and waits for it to end; a start that shows no window gives -1 figures.
Sample measure(const Place &place, const QString &probe, int settleMs)
{
    const QString figures = place.root + "/figures.txt";
    QFile::remove(figures);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", place.home());
    env.insert("XDG_CONFIG_HOME", place.home() + "/.config");
    env.insert("XDG_DATA_HOME", place.home() + "/.local/share");
    env.insert("XDG_CACHE_HOME", place.home() + "/.cache");
    env.insert("TMPDIR", place.tmp());
    env.insert("XDG_RUNTIME_DIR", place.tmp() + "/runtime");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_LOGGING_RULES", "*.debug=false;qt.qpa.*=false");
    env.insert("LD_PRELOAD", probe);
    env.insert("STARTUP_PROBE_FILE", figures);
    env.insert("STARTUP_PROBE_SETTLE_MS", QString::number(settleMs));

    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(place.root);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    const qint64 launched = monotonicNs();
    process.start(place.program, QStringList());
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
    }

    Sample sample;
    QFile file(figures);
    if (!file.open(QIODevice::ReadOnly))
        return sample;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 2)
            continue;
        if (parts[0] == "shown_ns")
            sample.shownMs = (parts[1].toLongLong() - launched) / 1e6;
        else if (parts[0] == "shown_cpu_ns")
            sample.shownCpuMs = parts[1].toLongLong() / 1e6;
        else if (parts[0] == "idle_rss_kb")
            sample.idleRssMb = parts[1].toLongLong() / 1024.0;
    }
    return sample;
}

// A first start: nothing of an earlier start is left, neither beside the program nor in the home folder.
void wipe(const Place &place)
{
    QDir(place.appDir() + "/database").removeRecursively();
    QDir(place.appDir() + "/skin").removeRecursively();
    QDir(place.home()).removeRecursively();
    QDir().mkpath(place.home());
}

// The hotel project beside the station's copy, made current in its project list.
bool makeHotel(const Place &place)
{
    gAppDirPath = place.appDir();
    gRetainDays = "30";
    const QString name = "Hotel";
    QDir(gAppDirPath).mkpath("database/" + name);
    if (!createProjectXml() || !addProject(name) || !setCurrentProjectName(name))
        return false;
    gDatabase.close();
    createDatabaseTables(gAppDirPath + "/database/" + name + "/" + name + ".db3");
    projectfixture::Hotel hotel;
    hotel.rooms = hotelRooms;
    const bool stored = gDatabase.execSql("insert into tbl_message(message_id,message_type,message_remark,icon_name,"
                                          "universal_switch_no) values(1,0,'Clean the room','message_01',5)") &&
                        gDatabase.execSql("insert into tbl_message(message_id,message_type,message_remark,icon_name,"
                                          "universal_switch_no) values(2,1,'Emergency','message_02',6)") &&
                        projectfixture::addHotel(hotel);
    gDatabase.close();
    return stored;
}

struct Series
{
    std::vector<double> shownMs;
    std::vector<double> shownCpuMs;
    std::vector<double> idleRssMb;
    int failed = 0;

    void add(const Sample &sample)
    {
        if (sample.shownMs < 0 || sample.shownCpuMs < 0 || sample.idleRssMb < 0) {
            ++failed;
            return;
        }
        shownMs.push_back(sample.shownMs);
        shownCpuMs.push_back(sample.shownCpuMs);
        idleRssMb.push_back(sample.idleRssMb);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!privatenetwork::inside()) {
        std::fprintf(stderr,
                     "bench_startup starts the station, which opens its ports: run it through scripts/netns-run\n");
        return 2;
    }
    int rounds = 7;
    int settleMs = 1500;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--rounds")
            rounds = qMax(1, args[i + 1].toInt());
        else if (args[i] == "--settle-ms")
            settleMs = qMax(0, args[i + 1].toInt());
    }

    const QString here = QCoreApplication::applicationDirPath();
    const QString station = QDir(here).absoluteFilePath("../" STATION_PROGRAM);
    const QString bare = QDir(here).absoluteFilePath(BARE_PROGRAM);
    const QString probe = QDir(here).absoluteFilePath(PROBE_LIBRARY);
    for (const QString &file : {station, bare, probe}) {
        if (!QFile::exists(file)) {
            std::fprintf(stderr,
                         "bench_startup: %s is missing; build the targets zoduv, bench_startup_bare and "
                         "startupprobe\n",
                         qPrintable(file));
            return 2;
        }
    }

    QTemporaryDir work;
    const Place barePlace = makePlace(work.path() + "/bare", bare, false);
    const Place freshPlace = makePlace(work.path() + "/fresh", station, true);
    const Place hotelPlace = makePlace(work.path() + "/hotel", station, true);
    if (!makeHotel(hotelPlace)) {
        std::fprintf(stderr, "bench_startup: the hotel project could not be made\n");
        return 1;
    }

    // One start of each, not counted, so that every counted start finds the programs and libraries in the cache.
    measure(barePlace, probe, settleMs);
    wipe(freshPlace);
    measure(freshPlace, probe, settleMs);
    measure(hotelPlace, probe, settleMs);

    Series bareSeries, freshSeries, hotelSeries;
    for (int round = 0; round < rounds; ++round) {
        bareSeries.add(measure(barePlace, probe, settleMs));
        wipe(freshPlace);
        freshSeries.add(measure(freshPlace, probe, settleMs));
        hotelSeries.add(measure(hotelPlace, probe, settleMs));
    }
    if (bareSeries.shownMs.empty() || freshSeries.shownMs.empty() || hotelSeries.shownMs.empty()) {
        std::fprintf(stderr, "bench_startup: a program showed no window (bare %d, fresh %d, hotel %d failed)\n",
                     bareSeries.failed, freshSeries.failed, hotelSeries.failed);
        return 1;
    }

    const double bareMs = median(bareSeries.shownMs);
    const double bareMb = median(bareSeries.idleRssMb);
    const double bareCpuMs = median(bareSeries.shownCpuMs);
    const double freshCpuMs = median(freshSeries.shownCpuMs);
    const double hotelCpuMs = median(hotelSeries.shownCpuMs);
    const double freshMs = median(freshSeries.shownMs);
    const double freshMb = median(freshSeries.idleRssMb);
    const double hotelMs = median(hotelSeries.shownMs);
    const double hotelMb = median(hotelSeries.idleRssMb);
    print("rounds", rounds);
    print("startup_bare_ms", bareMs);
    print("startup_fresh_ms", freshMs);
    print("startup_fresh_ratio", freshMs / bareMs);
    print("startup_hotel_3000_ms", hotelMs);
    print("startup_hotel_3000_ratio", hotelMs / bareMs);
    print("startup_cpu_bare_ms", bareCpuMs);
    print("startup_cpu_fresh_ms", freshCpuMs);
    print("startup_cpu_fresh_ratio", freshCpuMs / bareCpuMs);
    print("startup_cpu_hotel_3000_ms", hotelCpuMs);
    print("startup_cpu_hotel_3000_ratio", hotelCpuMs / bareCpuMs);
    print("idle_rss_bare_mb", bareMb);
    print("idle_rss_fresh_mb", freshMb);
    print("idle_rss_fresh_ratio", freshMb / bareMb);
    print("idle_rss_hotel_3000_mb", hotelMb);
    print("idle_rss_hotel_3000_ratio", hotelMb / bareMb);
    print("failed_starts", bareSeries.failed + freshSeries.failed + hotelSeries.failed);
    return 0;
}
