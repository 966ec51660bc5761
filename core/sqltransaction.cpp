#include "core/sqltransaction.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"

SqlTransaction::SqlTransaction()
{
    m_open = gDatabase.beginTransaction();
    m_depth = gDatabase.transactionDepth();
}

SqlTransaction::~SqlTransaction()
{
    rollback();
}

bool SqlTransaction::commit()
{
    if (!m_open)
        return false;
    m_open = false;
    // A commit that fails has already rolled this level back in the connection.
    return gDatabase.transactionDepth() == m_depth && gDatabase.commitTransaction();
}

void SqlTransaction::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    // An inner guard left open by mistake is rolled back with this one, so the levels stay paired.
    while (gDatabase.transactionDepth() >= m_depth && gDatabase.transactionDepth() > 0)
        gDatabase.rollbackTransaction();
}
