// A process that leaves the project database open when it ends, for the test that the station's exit is clean.

#include "core/cppsqlite3db.h"
#include "core/globals.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    gDatabase.setDatabaseName(QString::fromLocal8Bit(argv[1]));
    if (!gDatabase.execSql("create table left_open(id integer primary key)"))
        return 1;
    return 0;
}
