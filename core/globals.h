#pragma once
// The process-wide values of the station: built before main() runs and alive until the process ends.

#include <QString>

class CppSQLite3DB; // core/cppsqlite3db.h

// Network styles, one current value for the whole process, stored per project.
enum NetStyle { LocalNetwork = 0, CloudServer = 1, DnsServer = 2 };

extern QString gAppDirPath;
extern QString gIpPortMac;
extern QString gPassword;
extern QString gServerIp;
extern QString gDomainName;
extern QString gHostIp;
extern CppSQLite3DB gDatabase;
extern QString gSubId;
extern QString gDevId;
extern QString gLockPassword;
extern QString gRetainDays;

extern int gScreenWidth;
extern int gScreenHeight;
extern int gNetworkType;
extern int gDbConnectionCounter;
