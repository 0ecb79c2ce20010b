// The database tool run again on a database that holds the user's rows.

#include "core/tool_run.h"
#include "platform/db/connection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray bytes(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ShippedDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(mkdb(data), 0);
        sql({"INSERT INTO SITEINFO (SITEKEY, FILENAME) VALUES (1, 'Kept')",
             "INSERT INTO WMUINFO (SITEKEY, WMUTYPE, ACTVLIFE) VALUES (1, 'LF', 20)",
             "INSERT INTO SITECOCS (SITEKEY, CHEMCAS, TCLPCONC, GWINGh, LMTPTHTO) VALUES (1, 'u-1', 0.5, 3, 'Fish')",
             "INSERT INTO GWDelisting (SITEKEY, ChemCas, GWDL) VALUES (1, 'u-1', 0.25)",
             "INSERT INTO DelistCOCS (SITEKEY, CHEMCAS, LOGKOW) VALUES (1, 'u-1', 2)",
             "INSERT INTO Cus_COCS (CHEMNAME, CHEMCAS, HENRY) VALUES ('Own', 'u-1', 0.125)",
             "INSERT INTO Cus_DAFs (\"CAS Num\", LFconc, DAFLF_CARC) VALUES ('u-1', 1, 10)",
             "INSERT INTO DBCHANGE (CHNGDATE, CHEMCAS, PROP, OLDVAL, NEWVAL) VALUES ('2024-01-02', 'x', 'MCL', 1, 2)"});
        stored = bytes(path);
    }

    int mkdb(const QString& dataDir)
    {
        const ToolRun run = runTool(QStringLiteral("mkdb"), {path, dataDir});
        errors = run.errors;
        return run.exitCode;
    }
    std::vector<std::vector<QVector<QVariant>>> sql(const QStringList& statements)
    {
        std::unique_ptr<Connection> conn = std::move(Connection::open(path).value());
        std::vector<std::vector<QVector<QVariant>>> rows;
        for (const QString& s : statements)
            rows.push_back(conn->select(s).value().rows);
        return rows;
    }
    // A copy of data/ whose chemical table names its first chemical anew.
    QString changedData()
    {
        const QString dir = folder.filePath(QStringLiteral("data"));
        QDir().mkpath(dir);
        for (const char* f : {"/constnts.csv", "/dafs.csv"})
            QFile::copy(data + QLatin1String(f), dir + QLatin1String(f));
        QFile out(dir + QStringLiteral("/cocs.csv"));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes(data + QStringLiteral("/cocs.csv")).replace("\"1,1'-Biphenyl\"", "Renamed"));
        return dir;
    }
    QStringList files() { return QDir(folder.filePath(QStringLiteral("ChemDB"))).entryList(QDir::Files); }

    const QString data = QStringLiteral(TOVI_SOURCE_DIR "/data");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ChemDB/TOVIv3.0.db"));
    QString errors;
    QByteArray stored;
};

// Built again from the same files, the database stays as it is; from changed files, the new one
// takes the user's rows and the old one is kept beside it.
TEST_F(ShippedDatabaseTest, ARebuildKeepsTheDatabaseAndChangedFilesCarryTheUsersRowsOver)
{
    ASSERT_EQ(mkdb(data), 0) << qPrintable(errors);
    EXPECT_EQ(bytes(path), stored);
    EXPECT_EQ(files(), QStringList{"TOVIv3.0.db"});

    QStringList userRows;
    for (const char* t :
         {"SITEINFO", "WMUINFO", "SITECOCS", "GWDelisting", "DelistCOCS", "Cus_COCS", "Cus_DAFs", "DBCHANGE"})
        userRows << QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QLatin1String(t));
    const auto before = sql(userRows);
    ASSERT_EQ(mkdb(changedData()), 0) << qPrintable(errors);
    EXPECT_EQ(sql(userRows), before);
    EXPECT_EQ(sql({"SELECT count(*) FROM COCS WHERE CHEMNAME = 'Renamed'"})[0][0][0], 1);
    ASSERT_EQ(files().size(), 2);
    EXPECT_EQ(bytes(folder.filePath("ChemDB/" + files()[1])), stored) << qPrintable(files()[1]);
}

// An older layout gives what its columns hold; a value that no longer fits its column stops the
// build with the old file in place.
TEST_F(ShippedDatabaseTest, AnOlderLayoutIsTakenColumnByColumnAndAFaultLeavesItInPlace)
{
    sql({"ALTER TABLE SITECOCS DROP COLUMN GWINGh", "ALTER TABLE WMUINFO ADD COLUMN OLDFIELD", "DROP TABLE DBCHANGE"});
    ASSERT_EQ(mkdb(changedData()), 0) << qPrintable(errors);
    EXPECT_EQ(sql({"SELECT TCLPCONC, GWINGh, LMTPTHTO, ACTVLIFE FROM SITECOCS, WMUINFO"})[0],
              (std::vector<QVector<QVariant>>{{0.5, QVariant(), "Fish", 20.0}}));

    sql({"UPDATE WMUINFO SET WMUTYPE = 'LFX'"});
    const QByteArray before = bytes(path);
    const QStringList kept = files();
    EXPECT_EQ(mkdb(data), 1);
    EXPECT_TRUE(errors.contains("WMUTYPE")) << qPrintable(errors);
    EXPECT_EQ(bytes(path), before);
    EXPECT_EQ(files(), kept);
}

}   // namespace
