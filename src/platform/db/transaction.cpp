#include "platform/db/transaction.h"

namespace {
QString savepoint(int level)
{
    return QStringLiteral("tovi_sp%1").arg(level);
}
}   // namespace

Transaction::Transaction(Connection& connection, Flush flush) : m_conn(connection)
{
    m_level = m_conn.m_depth + 1;
    // With a journal in WAL mode, SQLite's NORMAL setting flushes commits to the disk only at
    // checkpoints or with the next commit made under the stricter setting.
    if (m_level == 1 && flush == Flush::WithNextCommit) {
        Result<QVariant> setting = m_conn.scalar(QStringLiteral("PRAGMA synchronous"));
        if (setting)
            if (Result<int> r = m_conn.exec(QStringLiteral("PRAGMA synchronous = NORMAL")); r)
                m_flushSetting = setting->toInt();
    }
    const QString sql = m_level == 1 ? QStringLiteral("BEGIN IMMEDIATE")
                                     : QStringLiteral("SAVEPOINT ") + savepoint(m_level);
    if (auto r = m_conn.exec(sql); !r) {
        m_started = r.error();
        restoreFlush();
        return;
    }
    m_conn.m_depth = m_level;
    m_active = true;
}

Transaction::~Transaction()
{
    rollback();
}

void Transaction::restoreFlush()
{
    if (m_flushSetting)
        (void)m_conn.exec(QStringLiteral("PRAGMA synchronous = %1").arg(*m_flushSetting));
    m_flushSetting.reset();
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
    restoreFlush();
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
    restoreFlush();
}
