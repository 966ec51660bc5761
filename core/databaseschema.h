#pragma once
// The layout of a project database: its tables in the order of creation, their create statements, and the
// network and version rows that every project carries.

#include <QString>
#include <QVector>

struct SchemaTable
{
    const char *name;
    const char *createSql;
};

class DatabaseSchema
{
public:
    // The name in tbl_version that marks a project database of this station.
    static constexpr const char *productName = "Zoduv";
    static constexpr double version = 3.08;

    // All tables, in the order in which a new database receives them.
    static const QVector<SchemaTable> &tables();
    // The create statement of a table of the schema; empty for a name that is not one.
    static QString createStatement(const QString &table);
    // The version as stored: two decimals ("3.08").
    static QString versionText();

    // Both run on gDatabase and answer whether the insert succeeded.
    // The network row of a new project: no gateway, no server, the station's current host address.
    [[nodiscard]] static bool insertDefaultNetworkRow();
    // The version row with today's date.
    [[nodiscard]] static bool insertVersionRow();
};
