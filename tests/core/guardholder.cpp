// A stand-in station for the single-instance tests: takes the guard as the station does, prints "free" when it
// got the lock or "running" when another process holds it, and keeps the lock until its input is closed.

#include "core/singleinstance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName("ORV");
    QCoreApplication::setApplicationName("Zoduv");
    const bool another = isAnotherInstanceRunning();
    std::puts(another ? "running" : "free");
    std::fflush(stdout);
    if (!another) {
        while (std::getchar() != EOF) {
        }
    }
    return 0;
}
