#pragma once
// The fixed vocabularies that every project database carries: log types, message types and statuses, cloud
// servers and domains, and the choice lists of free bus commands. Each function empties its table and inserts
// its rows again (ids 1..n in the order listed), as one step: when an insert fails the table is left as it was.
// Each answers whether it succeeded.

[[nodiscard]] bool initLogTypeTable();
[[nodiscard]] bool initMessageTypeTable();
[[nodiscard]] bool initMessageStatusTable();
[[nodiscard]] bool initServerIpTable();
[[nodiscard]] bool initDomainTable();

[[nodiscard]] bool initFunctionTypeTable();
[[nodiscard]] bool initFunctionParameterTable();
[[nodiscard]] bool initComp2ItemTable();
[[nodiscard]] bool initComp3ItemTable();
