// How fast the station takes in bus traffic, as staff run it: the main window shown on Home with its message
// strip, a hotel of 3000 rooms with a wall panel each, alarm and service messages configured, and its link
// in-process against simulated wall panels (UDP) and a cloud server (TCP), driven from threads of their own so
// that the peers keep their pace whatever the station does. Run inside scripts/netns-run on a Release build;
// prints "name value" lines.
//
//   bench_intake [--seconds N] [--alarm-rate R] [--flood-rate R] [--bursts-only]
//
// The alarm burst is held for N seconds (20) at R alarms a second (3500), each from the next room's panel; the
// flood of frames from a panel the project does not know follows at once, N seconds at its rate (25000).
// longest_stall_ms is the longest the station's loop went without turning during both; longest_stall_idle_ms is
// the same watch over as long a time just before, with nothing sent: what the machine itself holds a process up
// (a virtual machine's pauses show there), below which the busy figure cannot go.

#include "app/pagetable.h"
#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/devicelog.h"
#include "core/globals.h"
#include "core/projectlist.h"
#include "core/sqltransaction.h"
#include "devicelink/broadcastsocket.h"
#include "shell/mainwindow.h"
#include "shell/projectswitch.h"
#include "tests/support/privatenetwork.h"
#include "tests/support/processmemory.h"
#include "tests/support/simulateddevice.h"
#include "tests/support/testenv.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

constexpr quint8 stationSubnet = 1;
constexpr quint8 stationDevice = 254;
constexpr quint8 strangerSubnet = 200; // a panel the project does not know
constexpr quint8 strangerDevice = 77;
constexpr int alarmSwitch = 6;
constexpr int serviceSwitch = 5;
constexpr int hotelRooms = 3000;

// The wall panel of room i (0-based): 250 panels to a subnet, clear of the station's own address.
quint8 panelSubnetOf(int i)
{
    return quint8(1 + i / 250);
}
quint8 panelDeviceOf(int i)
{
    return quint8(1 + i % 250);
}
const char *const hostIp = "127.0.0.2";

using Clock = std::chrono::steady_clock;

void print(const char *name, double value)
{
    std::printf("%s %.0f\n", name, value);
    std::fflush(stdout);
}

// Runs the station's event loop until done() holds or the time is up.
template <typename Done> void runUntil(Done done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void runFor(int ms)
{
    runUntil([] { return false; }, ms);
}

bool isAnswer(const quint8 *p, qint64 n)
{
    return n >= 27 && p[14] == 0xAA && p[15] == 0xAA && p[19] == 0xCC && p[20] == 0xC2 && p[21] == 0xE0 &&
           p[22] == 0x1D;
}

int udpSocket(quint16 port, bool bindAny)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
    int size = 8 * 1024 * 1024;
    ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    timeval tv = {0, 50000};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = bindAny ? htonl(INADDR_ANY) : htonl(0x7F000003); // 127.0.0.3
    ::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
    return fd;
}

// A wall panel on its own threads: sends one frame at an even pace and counts the station's answers.
class PanelPeer
{
public:
    PanelPeer()
    {
        listenFd = udpSocket(BroadcastSocket::UdpPort, true);
        sendFd = udpSocket(0, false);
        reader = std::thread([this] {
            quint8 buf[8192];
            while (!stopping) {
                const ssize_t n = ::recv(listenFd, buf, sizeof buf, 0);
                if (n > 0 && isAnswer(buf, n))
                    ++answers;
            }
        });
    }
    ~PanelPeer()
    {
        stopping = true;
        reader.join();
        ::close(listenFd);
        ::close(sendFd);
    }

    // Sends count copies of frame at rate per second, from a thread; finished is set at the end.
    void start(const QByteArray &frame, long count, double rate) { start(QList<QByteArray>{frame}, count, rate); }
    // Sends count frames at rate per second, taking the frames in turn.
    void start(const QList<QByteArray> &frames, long count, double rate)
    {
        finished = false;
        sender = std::thread([this, frames, count, rate] {
            sockaddr_in to = {};
            to.sin_family = AF_INET;
            to.sin_port = htons(BroadcastSocket::UdpPort);
            to.sin_addr.s_addr = htonl(0x7FFFFFFF); // 127.255.255.255, as a panel broadcasts
            const auto begin = Clock::now();
            for (long i = 0; i < count; ++i) {
                const auto due = begin + std::chrono::nanoseconds(qint64(1e9 * double(i) / rate));
                while (Clock::now() < due) {
                }
                const QByteArray &frame = frames.at(int(i % frames.size()));
                ::sendto(sendFd, frame.constData(), size_t(frame.size()), 0, reinterpret_cast<sockaddr *>(&to),
                         sizeof to);
            }
            finished = true;
        });
    }
    void join() { sender.join(); }

    std::atomic<long> answers{0};
    std::atomic<bool> finished{false};

private:
    int listenFd = -1;
    int sendFd = -1;
    std::atomic<bool> stopping{false};
    std::thread reader;
    std::thread sender;
};

// A cloud server on its own threads: accepts the station, writes frames back to back at a pace and counts the
// answers coming back on the connection.
class CloudPeer
{
public:
    CloudPeer()
    {
        listenFd = ::socket(AF_INET, SOCK_STREAM, 0);
        int one = 1;
        ::setsockopt(listenFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in addr = {};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(BroadcastSocket::TcpPort);
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listenFd, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
        ::listen(listenFd, 4);
        acceptor = std::thread([this] {
            client = ::accept(listenFd, nullptr, nullptr);
            QByteArray stream;
            char buf[65536];
            while (!stopping) {
                const ssize_t n = ::recv(client, buf, sizeof buf, 0);
                if (n <= 0)
                    break;
                stream.append(buf, int(n));
                // Whole frames only; the login packets between them are skipped.
                int at = 0;
                for (;;) {
                    const int lead = stream.indexOf("VOVUZAVIZE", at + 4);
                    if (lead < 0 || lead - 4 + 17 > stream.size())
                        break;
                    const int start = lead - 4;
                    const int length = 16 + quint8(stream.at(start + 16));
                    if (start + length > stream.size())
                        break;
                    if (isAnswer(reinterpret_cast<const quint8 *>(stream.constData()) + start, length))
                        ++answers;
                    at = start + length;
                }
                stream.remove(0, at);
            }
        });
    }
    ~CloudPeer()
    {
        stopping = true;
        if (client >= 0)
            ::shutdown(client, SHUT_RDWR);
        ::shutdown(listenFd, SHUT_RDWR);
        acceptor.join();
        if (sender.joinable())
            sender.join();
        ::close(listenFd);
        if (client >= 0)
            ::close(client);
    }

    void start(const QByteArray &frame, long count, double rate)
    {
        finished = false;
        sender = std::thread([this, frame, count, rate] {
            const auto begin = Clock::now();
            long sent = 0;
            QByteArray burst;
            while (sent < count) {
                const double elapsed = std::chrono::duration<double>(Clock::now() - begin).count();
                const long due = qMin(count, long(elapsed * rate) + 1);
                burst.clear();
                for (; sent < due; ++sent)
                    burst.append(frame);
                for (int written = 0; written < burst.size();) {
                    const ssize_t n = ::send(client, burst.constData() + written, size_t(burst.size() - written), 0);
                    if (n <= 0)
                        return;
                    written += int(n);
                }
            }
            finished = true;
        });
    }
    void join() { sender.join(); }
    bool connected() const { return client >= 0; }

    std::atomic<long> answers{0};
    std::atomic<bool> finished{false};

private:
    int listenFd = -1;
    std::atomic<int> client{-1};
    std::atomic<bool> stopping{false};
    std::thread acceptor;
    std::thread sender;
};

int messageLogRows()
{
    QSqlQuery q = gDatabase.querySql("select count(*) from tbl_message_log");
    return q.next() ? q.value(0).toInt() : -1;
}

// One step: count frames at rate; lossless when every frame was answered (and, with rows, logged) by the time
// the station has been idle for a moment after the last one.
template <typename Peer> bool lossless(Peer &peer, const QByteArray &frame, double rate, bool countRows)
{
    const long count = qMax(200L, long(rate)); // about a second of traffic
    const long answersBefore = peer.answers;
    const int rowsBefore = countRows ? messageLogRows() : 0;
    peer.start(frame, count, rate);
    runUntil([&] { return peer.finished.load(); }, 60000);
    peer.join();
    runUntil([&] { return peer.answers - answersBefore >= count; }, 1000);
    runFor(100);
    const bool answered = peer.answers - answersBefore == count;
    const bool logged = !countRows || messageLogRows() - rowsBefore == count;
    if (qEnvironmentVariableIsSet("BENCH_VERBOSE"))
        std::fprintf(stderr, "rate %.0f: %ld sent, %ld answered, %d logged\n", rate, count,
                     long(peer.answers - answersBefore), countRows ? messageLogRows() - rowsBefore : 0);
    return answered && logged;
}

// The highest rate of the ladder at which nothing was lost (each step tried twice before giving up).
template <typename Peer> double losslessRate(Peer &peer, const QByteArray &frame, bool countRows)
{
    static const double ladder[] = {1000, 2000, 3500, 5000, 7500, 10000, 15000, 20000, 25000, 30000, 40000, 50000};
    double best = 0;
    for (double rate : ladder) {
        if (!lossless(peer, frame, rate, countRows) && !lossless(peer, frame, rate, countRows))
            break;
        best = rate;
    }
    return best;
}

// Measures the longest gap between the ticks of a 5 ms timer, beyond its interval, while the station runs its
// own kind of loop (as its exec() runs it).
class StallWatch
{
public:
    StallWatch()
    {
        QObject::connect(&ticker, &QTimer::timeout, [this] {
            const qint64 now = clock.nsecsElapsed();
            if (last >= 0)
                longest = qMax(longest, now - last);
            last = now;
        });
        clock.start();
        ticker.setTimerType(Qt::PreciseTimer);
        ticker.start(5);
    }
    double longestMs() const { return qMax(0.0, double(longest) / 1e6 - 5.0); }

    // Runs the loop until done() holds, asked every 20 ms, or the time is up.
    template <typename Done> void runUntil(Done done, int timeoutMs)
    {
        QEventLoop loop;
        QTimer watcher;
        QElapsedTimer timer;
        timer.start();
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            if (done() || timer.elapsed() >= timeoutMs)
                loop.quit();
        });
        watcher.start(20);
        loop.exec();
    }

private:
    QTimer ticker;
    QElapsedTimer clock;
    qint64 last = -1;
    qint64 longest = 0;
};

struct BurstResult
{
    long sent = 0;
    long answered = 0;
    long logged = 0;
    double seconds = 0; // from the first frame to the last answer (or the end of waiting)
};

// Sends count frames at rate, taking them in turn, and waits until every frame is answered (and, when logged
// rows are counted, logged) or the station has had a few seconds more than the burst lasted.
BurstResult burst(PanelPeer &peer, StallWatch &watch, const QList<QByteArray> &frames, long count, double rate,
                  bool countRows)
{
    BurstResult r;
    r.sent = count;
    const long answersBefore = peer.answers;
    const int rowsBefore = countRows ? messageLogRows() : 0;
    QElapsedTimer timer;
    timer.start();
    qint64 lastAnswerNs = 0;
    long lastAnswers = answersBefore;
    peer.start(frames, count, rate);
    const int limitMs = int(1000.0 * count / rate) + 5000;
    watch.runUntil(
        [&] {
            const long now = peer.answers;
            if (now != lastAnswers) {
                lastAnswers = now;
                lastAnswerNs = timer.nsecsElapsed();
            }
            return peer.finished.load() && now - answersBefore >= count;
        },
        limitMs);
    peer.join();
    r.answered = peer.answers - answersBefore;
    r.seconds = qMax(double(lastAnswerNs) / 1e9, double(count) / rate);
    if (countRows) {
        // The rows of the frames answered so far; the station may still be writing the last ones.
        watch.runUntil([&] { return messageLogRows() - rowsBefore >= count; }, 2000);
        r.logged = messageLogRows() - rowsBefore;
    }
    if (qEnvironmentVariableIsSet("BENCH_VERBOSE"))
        std::fprintf(stderr, "burst at %.0f/s: %ld sent, %ld answered, %ld logged in %.2f s\n", rate, r.sent,
                     r.answered, r.logged, r.seconds);
    return r;
}

// The hotel: one region, 30 floors of 100 rooms, a wall panel in each room, an alarm and a service message.
bool buildHotel()
{
    SqlTransaction transaction;
    bool ok =
        transaction.isOpen() && gDatabase.execSql("insert into tbl_region(region_name,region_id)values('Main',1)");
    for (int f = 1; ok && f <= hotelRooms / 100; ++f)
        ok = gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id)values(?,?,1)",
                               {QString("F%1").arg(f), f});
    for (int i = 0; ok && i < hotelRooms; ++i) {
        const int roomId = i + 1;
        const int floor = 1 + i / 100;
        ok = gDatabase.execSql("insert into tbl_room(room_name,icon_name,room_id,floor_id,region_id,room_template_id)"
                               "values(?,'room_01',?,?,1,0)",
                               {QString::number(floor * 100 + i % 100), roomId, floor}) &&
             gDatabase.execSql("insert into tbl_panel(panel_id,panel_remark,subnet_id,device_id,room_id)"
                               "values(?,?,?,?,?)",
                               {roomId, QString("panel %1").arg(roomId), panelSubnetOf(i), panelDeviceOf(i), roomId});
    }
    return ok &&
           gDatabase.execSql("insert into tbl_message(message_id,message_type,message_remark,icon_name,"
                             "universal_switch_no) values(12,1,'Emergency','message_02',?)",
                             {alarmSwitch}) &&
           gDatabase.execSql("insert into tbl_message(message_id,message_type,message_remark,icon_name,"
                             "universal_switch_no) values(11,0,'Clean the room','message_05',?)",
                             {serviceSwitch}) &&
           transaction.commit();
}

// Device-log writes beside the sqlite3 shell inserting the same rows into a copy of the same file.
void deviceLogFigures(const QString &dir)
{
    // Thirty days of history: 100,000 rows of 200 devices.
    SqlTransaction transaction;
    bool ok = transaction.isOpen() &&
              gDatabase.execSql("insert into tbl_region(region_name,region_id)values('North',1)") &&
              gDatabase.execSql("insert into tbl_floor(floor_name,floor_id,region_id)values('F1',1,1)") &&
              gDatabase.execSql("insert into tbl_room(room_name,icon_name,room_id,floor_id,region_id,room_template_id)"
                                "values('101','room_01',1,1,1,0)");
    const QDateTime start = QDateTime::currentDateTime().addDays(-30);
    for (int i = 0; ok && i < 100000; ++i) {
        ok = gDatabase.execSql(
            "insert into tbl_log(log_type,log_address,log_device,log_event,log_time) values(?,?,?,?,?)",
            QVariantList{i % 2, QString("North-F1-%1").arg(100 + i % 50), QString("light_%1").arg(i % 200),
                         QString("brightness %1").arg(i % 100), start.addSecs(i * 26).toString("yyyy-MM-dd HH:mm:ss")});
    }
    if (!ok || !transaction.commit())
        qFatal("the device log could not be written: %s", qPrintable(gDatabase.lastErrorText()));
    const QString copy = dir + "/shell.db3";
    gDatabase.close();
    QFile::copy(gDatabase.databaseName(), copy);

    const int writes = 200;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < writes; ++i) {
        if (!addDeviceLog("light_lamp", QString("brightness %1").arg(i % 100), 1, 0))
            qFatal("the device log could not be written: %s", qPrintable(gDatabase.lastErrorText()));
    }
    const double ours = writes / (double(timer.nsecsElapsed()) / 1e9);

    QFile script(dir + "/inserts.sql");
    script.open(QIODevice::WriteOnly);
    QTextStream out(&script);
    const QString now = QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss");
    for (int i = 0; i < writes; ++i)
        out << QString("insert into tbl_log(log_type,log_address,log_device,log_event,log_time) "
                       "values(0,'North-F1-101','light_lamp','brightness %1','%2');\n")
                   .arg(i % 100)
                   .arg(now);
    out.flush();
    script.close();
    QProcess shell;
    shell.setStandardInputFile(script.fileName());
    timer.restart();
    shell.start("sqlite3", {copy});
    shell.waitForFinished(600000);
    const double theirs = writes / (double(timer.nsecsElapsed()) / 1e9);

    print("devicelog_writes_per_s", ours);
    print("sqlite3_shell_per_s", theirs);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    testenv::useFreshHome(home);
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto option = [&args](const char *name, double fallback) {
        const int at = args.indexOf(name);
        return at > 0 ? args.value(at + 1).toDouble() : fallback;
    };
    const int seconds = int(option("--seconds", 20));
    const double alarmRate = option("--alarm-rate", 3500);
    const double floodRate = option("--flood-rate", 25000);
    if (!privatenetwork::inside()) {
        std::fprintf(stderr, "bench_intake opens the station's ports: run it through scripts/netns-run\n");
        return 2;
    }

    gAppDirPath = home.path();
    QDir(home.path()).mkpath("database/Home");
    if (!createProjectXml())
        qFatal("the project list could not be written");
    if (!setProjectProperty("Home", "network_type", "0"))
        qFatal("the project list could not be written");
    createDatabaseTables(ProjectSwitch::databasePath("Home"));
    if (!gDatabase.execSql("update tbl_network set host_ip=?,server_ip=?,domain_name=?,ip_port_mac=?,password=?",
                           {QString(hostIp), QString("127.0.0.1"), QString("127.0.0.1"),
                            QString("01-02-03-04-05-06-07-08"), QString("ab12")}) ||
        !buildHotel()) {
        std::fprintf(stderr, "bench_intake could not write its hotel: %s\n", qPrintable(gDatabase.lastErrorText()));
        return 1;
    }
    loadNetworkSettings();
    gSubId = QString::number(stationSubnet);
    gDevId = QString::number(stationDevice);
    gBroadcastSocket.setLocalAddress(stationSubnet, stationDevice);

    QList<QByteArray> alarms;
    for (int i = 0; i < hotelRooms; ++i)
        alarms << makeDeviceFrame(panelSubnetOf(i), panelDeviceOf(i), 0xE01C, 255, 255,
                                  QByteArray(1, char(alarmSwitch)) + char(1));
    const QByteArray unconfigured =
        makeDeviceFrame(strangerSubnet, strangerDevice, 0xE01C, 255, 255, QByteArray(1, char(alarmSwitch)) + char(1));

    registerStationPages();
    {
        PanelPeer panel;
        MainWindow window;
        window.resize(1920, 1080);
        window.show();
        runFor(1000);
        if (!window.messageStrip() || !window.messageStrip()->isVisible())
            std::fprintf(stderr, "the message strip is not shown\n");

        // A fresh station: how fast it answers frames it has nothing to do with.
        const bool burstsOnly = args.contains("--bursts-only");
        if (!burstsOnly)
            print("udp_answered_per_s", losslessRate(panel, unconfigured, false));

        // The machine's own pauses, with the station shown and idle, over as long as both bursts last.
        double idleStallMs = 0;
        {
            StallWatch idle;
            idle.runUntil([] { return false; }, 2 * seconds * 1000);
            idleStallMs = idle.longestMs();
        }

        // The alarm burst, the unconfigured flood right after it.
        StallWatch watch;
        const qint64 rssBefore = residentKb();
        const long alarmCount = long(alarmRate * seconds);
        const BurstResult a = burst(panel, watch, alarms, alarmCount, alarmRate, true);
        const qint64 rssAfter = residentKb();
        const long floodCount = long(floodRate * seconds);
        const BurstResult f = burst(panel, watch, {unconfigured}, floodCount, floodRate, false);

        const bool alarmsLossless = a.answered == a.sent && a.logged == a.sent;
        // Lossless: the rate held. Otherwise what was logged in the time it took.
        print("alarms_lossless_per_s", alarmsLossless ? alarmRate : 0.0);
        print("alarms_logged_per_s", double(a.logged) / a.seconds);
        print("alarms_lost", double(a.sent - qMin(a.answered, a.logged)));
        print("answered_per_s_after_alarms", double(f.answered) / f.seconds);
        print("flood_lost", double(f.sent - f.answered));
        std::printf("longest_stall_ms %.1f\n", watch.longestMs());
        std::printf("longest_stall_idle_ms %.1f\n", idleStallMs);
        std::printf("rss_growth_mb_per_10k_rows %.1f\n",
                    a.logged > 0 ? double(rssAfter - rssBefore) / 1024.0 * 10000.0 / double(a.logged) : 0.0);
        std::fflush(stdout);

        if (burstsOnly) {
            gBroadcastSocket.shutDown();
            window.close();
            gDatabase.close();
            return 0;
        }
        CloudPeer cloud;
        gNetworkType = CloudServer;
        if (!setProjectProperty("Home", "network_type", "1"))
            qFatal("the project list could not be written");
        emit gBroadcastSocket.signalsNetworkOpen();
        runUntil([&] { return cloud.connected(); }, 5000);
        runFor(300);
        print("cloud_frames_lossless_per_s", losslessRate(cloud, unconfigured, false));
        gNetworkType = LocalNetwork;
        gBroadcastSocket.shutDown();
        window.close();
    }

    deviceLogFigures(home.path());
    gDatabase.close();
    return 0;
}
