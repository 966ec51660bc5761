#pragma once
// Groups the steps that must happen together on gDatabase: the transaction begun by the constructor is rolled
// back when the guard goes out of scope, unless commit() succeeded first. Guards nest as the connection's
// transactions do.
//
//     SqlTransaction transaction;
//     if (!transaction.isOpen() || !gDatabase.execSql(...) || !gDatabase.execSql(...) || !transaction.commit())
//         return false; // nothing of the group is stored
//     return true;

class SqlTransaction
{
public:
    SqlTransaction();
    ~SqlTransaction();
    SqlTransaction(const SqlTransaction &) = delete;
    SqlTransaction &operator=(const SqlTransaction &) = delete;

    // False when the transaction could not be begun (the connection logged why); then commit() fails too.
    bool isOpen() const { return m_open; }
    // True when the group is stored for good; a failed commit rolls the group back.
    [[nodiscard]] bool commit();
    // Drops what the group wrote so far; the destructor does this for a guard left uncommitted.
    void rollback();

private:
    bool m_open = false;
    int m_depth = 0;
};
