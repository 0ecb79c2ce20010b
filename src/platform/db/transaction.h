#pragma once

#include "platform/db/connection.h"

// One unit of work on a connection. Begins when constructed, rolls back when destroyed unless
// committed. Transactions nest: an inner one is a savepoint of the outer.
class Transaction {
public:
    // A write transaction holds the database's write lock from its start; a read transaction
    // reads one state of the database throughout and takes no lock that keeps others from writing.
    enum class Kind { Write, Read };
    explicit Transaction(Connection& connection, Kind kind = Kind::Write);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Whether the transaction could be started; nothing may be written when it failed.
    const Status& started() const { return m_started; }
    Status commit();
    void rollback();

private:
    Connection& m_conn;
    Status m_started;
    int m_level = 0;   // 1 for the outermost
    bool m_active = false;
};
