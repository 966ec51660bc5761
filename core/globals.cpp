#include "core/globals.h"

#include "core/cppsqlite3db.h"
#include "devicelink/broadcastsocket.h"

// One translation unit holds every process-wide object so that they are built in this order.
QString gAppDirPath;
BroadcastSocket gBroadcastSocket;
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
