#include "tests/support/homeproject.h"

#include "core/cppsqlite3db.h"
#include "core/databaseinit.h"
#include "core/globals.h"
#include "core/projectlist.h"
#include "tests/support/testenv.h"

#include <QtTest>

void HomeProject::useFreshHome()
{
    testenv::useFreshHome(m_home);
}

void HomeProject::start()
{
    m_app.reset(new QTemporaryDir);
    gAppDirPath = m_app->path();
    gRetainDays = "30";
    initDatabase();
    QString project;
    QVERIFY(getCurrentProjectName(project));
    QCOMPARE(project, QString("Home"));
}

void HomeProject::close()
{
    gDatabase.close();
}
