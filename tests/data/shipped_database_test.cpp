// The database tool run again on a database that holds the user's rows.

#include "core/tool_run.h"
#include "data/schema.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList kUserTables = {"SITEINFO",   "WMUINFO",  "SITECOCS", "GWDelisting",
                                 "DelistCOCS", "Cus_COCS", "Cus_DAFs", "DBCHANGE"};

class ShippedDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(mkdb(data), 0) << qPrintable(errors);
        sql({"INSERT INTO SITEINFO (SITEKEY, FILENAME) VALUES (1, 'Kept')",
             "INSERT INTO WMUINFO (SITEKEY, WMUTYPE, ACTVLIFE) VALUES (1, 'LF', 20)",
             "INSERT INTO SITECOCS (SITEKEY, CHEMCAS, TCLPCONC, GWINGh, LMTPTHTO) VALUES (1, 'u-1', 0.5, 3, 'Fish')",
             "INSERT INTO GWDelisting (SITEKEY, ChemCas, GWDL) VALUES (1, 'u-1', 0.25)",
             "INSERT INTO DelistCOCS (SITEKEY, CHEMCAS, LOGKOW) VALUES (1, 'u-1', 2)",
             "INSERT INTO Cus_COCS (CHEMNAME, CHEMCAS, HENRY) VALUES ('Own', 'u-1', 0.125)",
             "INSERT INTO Cus_DAFs (\"CAS Num\", LFconc, DAFLF_CARC) VALUES ('u-1', 1, 10)",
             "INSERT INTO DBCHANGE (CHNGDATE, CHEMCAS, PROP, OLDVAL, NEWVAL) VALUES ('2024-01-02', 'x', 'MCL', 1, 2)"});
        stored = userRows();
    }

    int mkdb(const QString& dataDir)
    {
        const ToolRun run = runTool(QStringLiteral("mkdb"), {path, dataDir});
        errors = run.errors;
        return run.exitCode;
    }
    void sql(const QStringList& statements)
    {
        std::unique_ptr<Connection> conn = std::move(Connection::open(path).value());
        for (const QString& s : statements)
            ASSERT_TRUE(conn->exec(s).ok()) << qPrintable(s);
    }
    std::vector<QueryRows> userRows(const QString& file = {})
    {
        std::unique_ptr<Connection> conn = std::move(Connection::open(file.isEmpty() ? path : file).value());
        std::vector<QueryRows> rows;
        for (const QString& t : kUserTables)
            rows.push_back(conn->select(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(t)).value());
        return rows;
    }
    QByteArray bytes(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A copy of data/ whose chemical table names its first chemical anew.
    QString changedData()
    {
        const QString dir = folder.filePath(QStringLiteral("data"));
        QDir().mkpath(dir);
        for (const char* f : {"constnts.csv", "dafs.csv"})
            QFile::copy(data + u'/' + QLatin1String(f), dir + u'/' + QLatin1String(f));
        QFile out(dir + QStringLiteral("/cocs.csv"));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes(data + QStringLiteral("/cocs.csv")).replace("\"1,1'-Biphenyl\"", "Biphenyl (renamed)"));
        return dir;
    }
    QStringList chemDbFiles() { return QDir(folder.filePath(QStringLiteral("ChemDB"))).entryList(QDir::Files); }

    const QString data = QStringLiteral(TOVI_SOURCE_DIR "/data");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ChemDB/TOVIv3.0.db"));
    QString errors;
    std::vector<QueryRows> stored;
};

TEST_F(ShippedDatabaseTest, ARebuildFromTheSameFilesLeavesTheDatabaseAsItIs)
{
    const QByteArray before = bytes(path);
    ASSERT_EQ(mkdb(data), 0) << qPrintable(errors);
    EXPECT_EQ(bytes(path), before);
    EXPECT_EQ(chemDbFiles(), QStringList{"TOVIv3.0.db"});
}

TEST_F(ShippedDatabaseTest, ChangedFilesTakeTheUsersRowsIntoTheNewDatabaseAndKeepTheOldOne)
{
    const QByteArray before = bytes(path);
    ASSERT_EQ(mkdb(changedData()), 0) << qPrintable(errors);
    for (size_t t = 0; t < stored.size(); ++t)
        EXPECT_EQ(userRows()[t].rows, stored[t].rows) << qPrintable(kUserTables[int(t)]);
    std::unique_ptr<Connection> conn = std::move(Connection::open(path).value());
    EXPECT_EQ(conn->scalar("SELECT count(*) FROM COCS WHERE CHEMNAME = 'Biphenyl (renamed)'").value(), 1);
    conn.reset();
    const QStringList files = chemDbFiles();
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(bytes(folder.filePath("ChemDB/" + files[1])), before) << qPrintable(files[1]);
}

// An older layout gives what its columns hold; a value that no longer fits its column stops the
// build with the old file in place.
TEST_F(ShippedDatabaseTest, AnOlderLayoutIsTakenColumnByColumnAndAFaultLeavesItInPlace)
{
    sql({"ALTER TABLE SITECOCS DROP COLUMN GWINGh", "ALTER TABLE WMUINFO ADD COLUMN OLDFIELD", "DROP TABLE DBCHANGE"});
    ASSERT_EQ(mkdb(changedData()), 0) << qPrintable(errors);
    std::unique_ptr<Connection> conn = std::move(Connection::open(path).value());
    EXPECT_EQ(conn->select("SELECT TCLPCONC, GWINGh, LMTPTHTO FROM SITECOCS").value().rows,
              (std::vector<QVector<QVariant>>{{0.5, QVariant(), "Fish"}}));
    EXPECT_EQ(conn->scalar("SELECT ACTVLIFE FROM WMUINFO").value(), 20.0);
    conn.reset();

    sql({"UPDATE WMUINFO SET WMUTYPE = 'LFX'"});
    const QByteArray before = bytes(path);
    const QStringList files = chemDbFiles();
    EXPECT_EQ(mkdb(data), 1);
    EXPECT_TRUE(errors.contains("WMUTYPE")) << qPrintable(errors);
    EXPECT_EQ(bytes(path), before);
    EXPECT_EQ(chemDbFiles(), files);
}

}   // namespace
