#include "platform/db/transaction.h"

namespace {
QString savepoint(int level)
{
    return QStringLiteral("tovi_sp%1").arg(level);
}
}   // namespace

Transaction::Transaction(Connection& connection, Kind kind) : m_conn(connection)
{
    m_level = m_conn.m_depth + 1;
    const QString begin = kind == Kind::Write ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN DEFERRED");
    const QString sql = m_level == 1 ? begin : QStringLiteral("SAVEPOINT ") + savepoint(m_level);
    if (auto r = m_conn.exec(sql); !r) {
        m_started = r.error();
        return;
    }
    m_conn.m_depth = m_level;
    m_active = true;
}

Transaction::~Transaction()
{
    rollback();
}

Status Transaction::commit()
{
    if (!m_active)
        return m_started.ok() ? Error{kErrRecordset, QStringLiteral("The transaction has already ended.")} : m_started;
    const QString sql = m_level == 1 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + savepoint(m_level);
    if (auto r = m_conn.exec(sql); !r) {
        rollback();
        return r.error();
    }
    m_active = false;
    m_conn.m_depth = m_level - 1;
    return {};
}

void Transaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    if (m_level == 1) {
        (void)m_conn.exec(QStringLiteral("ROLLBACK"));
    } else {
        (void)m_conn.exec(QStringLiteral("ROLLBACK TO ") + savepoint(m_level));
        (void)m_conn.exec(QStringLiteral("RELEASE ") + savepoint(m_level));
    }
    m_conn.m_depth = m_level - 1;
}
