// An import that ends at a chosen step as a killed process would: no destructor runs, nothing is tidied.
// Arguments: the application folder, the archive, and the number of the step to end at (0: none). Prints the
// number of steps it passed, and ends with 0 when the import ran to its end.

#include "core/globals.h"
#include "core/projectfolders.h"
#include "pages/settings/projecttransfer.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4)
        return 2;
    gAppDirPath = arguments.at(1);
    const int stopAt = arguments.at(3).toInt();
    int steps = 0;
    setTransferStepHook([&](const char *) {
        if (++steps == stopAt)
            ::_exit(9);
    });
    const ImportResult result = importProjectArchive(arguments.at(2));
    std::printf("%d\n", steps);
    return result == ImportResult::Imported ? 0 : 1;
}
