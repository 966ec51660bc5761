#pragma once
// Bringing a project database file into the state the station expects: opening the current project at
// start-up, creating and repairing tables, seeding vocabularies, upgrading older files, purging old log rows,
// validating a file before a project switch and making a new empty project.

#include <QString>

#include <functional>

// What a project's database file is, as far as the station may work on it.
struct ProjectDatabaseCheck
{
    enum Verdict {
        Usable,   // a readable project database of this schema version or an older one
        Absent,   // no file, or an empty one: there is nothing in it to keep
        Unusable, // damaged, unreadable, a folder, or no project database of this station
        Newer     // a project database of a newer schema version: not to be written to
    };
    Verdict verdict = Absent;
    QString reason;       // Unusable: why, in words for the operator
    QString foundVersion; // Newer: the version the file states
};

// Looks at file on a connection of its own, without creating it and leaving gDatabase alone: the file must be
// a plain file that SQLite reads as a database, no shorter than its header says, with the product's version row.
// A hot journal left by a crash is rolled back on the way, as any opening would. The pages are not all read, so
// that a large project opens quickly; damage deep inside a file shows when a statement reads it.
ProjectDatabaseCheck checkProjectDatabase(const QString &file);

// An unused name beside file for keeping it aside: file + ".invalid", else file + ".invalid-2", -3 ...; the
// names of SQLite's journal files that go with it are free as well.
QString databaseBackupPath(const QString &file);

// Moves file, with SQLite's journal files beside it (so that none is played into a new file of that name), to
// databaseBackupPath. Answers the new name, or an empty text when nothing could be moved.
QString keepDatabaseAside(const QString &file);

// What openProjectDatabase found and did.
struct ProjectOpening
{
    enum Outcome {
        Opened,   // the project's own database is in use
        Replaced, // a fresh database is in use; an unusable file was kept aside first (keptAs)
        Refused   // gDatabase is where it was and the file as it was
    };
    Outcome outcome = Refused;
    ProjectDatabaseCheck check;
    QString keptAs;
    // For the operator: which project, what was found and what became of it; empty when there is nothing to tell.
    QString notice;
};

// The steps a caller adds to openProjectDatabase. Any of them may be left empty.
struct ProjectOpeningSteps
{
    // Before a missing or unusable file is replaced, while gDatabase is still on the database it was on.
    std::function<void(const ProjectDatabaseCheck &)> beforeReplacing;
    // Right before gDatabase leaves the database it was on.
    std::function<void()> beforeLeaving;
    // Makes a fresh project database at file (where no file is now) and leaves gDatabase on it; true on
    // success. Left empty: createDatabaseTables on the new file.
    std::function<bool(const QString &file)> makeFresh;
};

// The one way a project's database comes into use, at start-up and at a project switch: creates the project's
// folder when needed and checks its database file. A usable file is opened with createDatabaseTables. A missing
// one is made fresh; an unusable one is kept aside (keepDatabaseAside) and then made fresh. A file of a newer
// version is refused and not touched, and so is a file that could be neither kept aside nor replaced; gDatabase
// is then back on the database it was on.
ProjectOpening openProjectDatabase(const QString &projectName, const ProjectOpeningSteps &steps = {});

// Start-up: makes sure database/, the project list and the current project's folder exist, finishes or removes
// what an interrupted project import left (finishInterruptedImports), then opens the current project with
// openProjectDatabase. A list that names no usable project is renamed to a free name ending ".bak" beside it
// (and the debug log says so) before the default list is written; one that cannot be set aside is left in place.
// When the current project's database is refused, its file stays as it is and the station goes on with a new
// empty project under a free name, made current; failing that, with an empty database in memory. Answers what
// the operator must be told (which project, what was found, what became of it), or an empty text.
QString initDatabase();

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
[[nodiscard]] bool createEmptyProjectDatabase(const QString &newPath);

// Cutoff for the retention purge: now minus retainDays days as "yyyy-MM-dd HH:mm:ss", or an empty text when
// retainDays is not a non-negative decimal integer (then nothing is purged).
QString retentionCutoff(const QString &retainDays);
