#include "core/temp_database.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TempDatabase::TempDatabase()
{
    state.programFolder = m_dir.path();
    QDir(m_dir.path()).mkpath(QStringLiteral("ChemDB"));
    {
        QFile f(state.databasePath());
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    }
    Result<std::unique_ptr<Connection>> conn = Connection::open(state.databasePath());
    EXPECT_TRUE(conn.ok()) << (conn.ok() ? "" : qPrintable(conn.error().description));
    state.gConn = std::move(*conn);
    Status s = createSchema(*state.gConn);
    EXPECT_TRUE(s.ok()) << (s.ok() ? "" : qPrintable(s.error().description));
}

void TempDatabase::insert(const QString& table, const QVariantMap& values)
{
    QStringList cols;
    QVariantList params;
    for (auto it = values.begin(); it != values.end(); ++it) {
        cols << QLatin1Char('"') + it.key() + QLatin1Char('"');
        params << it.value();
    }
    Result<int> r = conn().exec(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                    .arg(table, cols.join(QLatin1Char(',')),
                                         QStringList(cols.size(), QStringLiteral("?")).join(QLatin1Char(','))),
                                params);
    ASSERT_TRUE(r.ok()) << qPrintable(r.error().description);
}

void TempDatabase::insertAnalysis(qint32 key, const QString& name, const QVariantMap& site, const QVariantMap& unit)
{
    QVariantMap s = site;
    s.insert(QStringLiteral("SITEKEY"), key);
    s.insert(QStringLiteral("FILENAME"), name);
    insert(QStringLiteral("SITEINFO"), s);
    QVariantMap u = {{"SITEKEY", key},   {"WMUTYPE", "LF"}, {"WASTEVOL", 1000.0}, {"WVOLUNIT", 0}, {"ACTVLIFE", 10.0},
                     {"RISKFACT", 1e-5}, {"HQFACT", 1.0},   {"FLOWRATE", 100.0},  {"FLWRUNIT", 0}};
    for (auto it = unit.begin(); it != unit.end(); ++it)
        u.insert(it.key(), it.value());
    insert(QStringLiteral("WMUINFO"), u);
}

qint64 TempDatabase::count(const QString& table)
{
    Result<QVariant> n = conn().scalar(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table));
    EXPECT_TRUE(n.ok());
    return n.ok() ? n->toLongLong() : -1;
}

QByteArray TempDatabase::checksum()
{
    Result<int> r = conn().exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    EXPECT_TRUE(r.ok());
    QFile f(path());
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5);
}
