#include "core/globals.h"

#include "core/cppsqlite3db.h"

// One translation unit holds every process-wide value of the core so that they are built in this order.
QString gAppDirPath;
QString gIpPortMac;
QString gPassword;
QString gServerIp;
QString gDomainName;
QString gHostIp;
CppSQLite3DB gDatabase;
QString gSubId;
QString gDevId;
QString gLockPassword;
QString gRetainDays;

int gScreenWidth = 0;
int gScreenHeight = 0;
int gNetworkType = 0;
int gDbConnectionCounter = 0;
