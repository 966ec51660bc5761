// Loaded into a program under measurement (LD_PRELOAD) by bench_startup: notes when the program's first top-level
// window has been shown and painted, then, once the program has been left idle for a while, its resident memory,
// and ends the program's event loop. It works on any Qt GUI program, so the station and a bare window are
// measured by the very same means.
//
// Figures: shown_ns (the monotonic clock at the end of the first frame), shown_cpu_ns (the process's CPU time by
// then), idle_rss_kb.
// Environment: STARTUP_PROBE_FILE names the file the figures are written to, one "name value" line each;
// STARTUP_PROBE_SETTLE_MS is how long the program is left idle after its first frame (1500 ms when not set).

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// CPU time of the whole process since it started, all threads together: unlike the wall time it does not depend
// on what else the machine is busy with.
qint64 processCpuNs()
{
    timespec ts = {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void note(const char *name, qint64 value)
{
    const QByteArray path = qgetenv("STARTUP_PROBE_FILE");
    if (path.isEmpty())
        return;
    if (FILE *out = std::fopen(path.constData(), "a")) {
        std::fprintf(out, "%s %lld\n", name, static_cast<long long>(value));
        std::fclose(out);
    }
}

class FirstFrameWatch : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (done || event->type() != QEvent::Expose || !watched->isWindowType())
            return false;
        auto *window = static_cast<QWindow *>(watched);
        if (window->parent() || !window->isExposed())
            return false;
        done = true;
        qApp->removeEventFilter(this);
        // The window paints itself while it handles its expose: hand the event on now, so that the time
        // noted below is the one at which the first frame is complete, and keep it from being handled twice.
        QCoreApplication::sendEvent(watched, event);
        note("shown_ns", monotonicNs());
        note("shown_cpu_ns", processCpuNs());
        bool ok = false;
        int settleMs = qEnvironmentVariableIntValue("STARTUP_PROBE_SETTLE_MS", &ok);
        if (!ok)
            settleMs = 1500;
        QTimer::singleShot(settleMs, qApp, [] {
            note("idle_rss_kb", residentKb());
            QCoreApplication::exit(0);
        });
        return true;
    }

private:
    bool done = false;
};

void installWatch()
{
    qApp->installEventFilter(new FirstFrameWatch);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installWatch)
