#pragma once

#include "platform/db/connection.h"

#include <optional>

// One unit of work on a connection. Begins when constructed, rolls back when destroyed unless
// committed. Transactions nest: an inner one is a savepoint of the outer.
class Transaction {
public:
    // How the commit of an outermost transaction reaches the disk. Flushed: the commit waits
    // until the disk holds it. WithNextCommit: the commit is written without that wait and the
    // next flushed commit on the file makes it lasting too; a power failure in between loses
    // it and leaves the file as it was before it.
    enum class Flush { Flushed, WithNextCommit };

    explicit Transaction(Connection& connection, Flush flush = Flush::Flushed);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Whether the transaction could be started; nothing may be written when it failed.
    const Status& started() const { return m_started; }
    Status commit();
    void rollback();

private:
    void restoreFlush();

    Connection& m_conn;
    Status m_started;
    int m_level = 0;   // 1 for the outermost
    bool m_active = false;
    std::optional<int> m_flushSetting;   // the connection's setting while this transaction overrides it
};
