#pragma once
// Bringing a project database file into the state the station expects: opening the current project at
// start-up, creating and repairing tables, seeding vocabularies, upgrading older files, purging old log rows,
// validating a file before a project switch and making a new empty project.

#include <QString>

// Start-up: makes sure database/, the project list and the current project's folder exist, then opens
// database/<project>/<project>.db3 with createDatabaseTables. A list that names no usable project is renamed to
// a free name ending ".bak" beside it (and the debug log says so) before the default list is written; one that
// cannot be set aside is left in place.
void initDatabase();

// Points gDatabase at path and creates missing tables (seeding vocabularies that were just created), repairs
// older tables without losing their rows, purges log rows past the retention, trims the gateway list, loads
// the network values and upgrades the vocabularies of an older version. Each table's step, and the upgrade,
// commit as a whole or not at all.
void createDatabaseTables(const QString &path);

// Points gDatabase at path and tells whether the file is a project database of this station (tbl_version
// names the product). A path without a file fails (an empty file is left there).
bool isProjectDatabase(const QString &path);

// Copies the current project's network row into gIpPortMac, gPassword, gServerIp, gDomainName and gHostIp;
// all empty when there is no row.
void loadNetworkSettings();

// Makes newPath a copy of the current project's database without project data (vocabularies and the gateway
// list are kept; fresh network and version rows) and leaves gDatabase pointed at it. The emptying is one
// transaction: on failure nothing of it remains, a copy made for it is removed, and the answer is false.
bool createEmptyProjectDatabase(const QString &newPath);

// Cutoff for the retention purge: now minus retainDays days as "yyyy-MM-dd HH:mm:ss", or an empty text when
// retainDays is not a non-negative decimal integer (then nothing is purged).
QString retentionCutoff(const QString &retainDays);
