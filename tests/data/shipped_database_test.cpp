// The build's database and document tools run again on a database that holds the user's rows.

#include "core/database_files.h"
#include "core/tool_run.h"
#include "platform/db/connection.h"
#include "shipped_tables.h"
#include "user_rows.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/stat.h>

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
        Result<std::unique_ptr<Connection>> conn = Connection::open(path);
        std::vector<std::vector<QVector<QVariant>>> rows;
        if (!conn) {
            ADD_FAILURE() << qPrintable(conn.error().description);
            return rows;
        }
        for (const QString& s : statements) {
            Result<QueryRows> r = (*conn)->select(s);
            EXPECT_TRUE(r.ok()) << qPrintable(s);
            rows.push_back(r ? r->rows : std::vector<QVector<QVariant>>());
        }
        return rows;
    }
    static QStringList userRows()
    {
        QStringList queries;
        for (const char* t :
             {"SITEINFO", "WMUINFO", "SITECOCS", "GWDelisting", "DelistCOCS", "Cus_COCS", "Cus_DAFs", "DBCHANGE"})
            queries << QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QLatin1String(t));
        return queries;
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
    EXPECT_NE(sql({"PRAGMA user_version"})[0][0][0], buildStamp(data, kLoadingRules + 1).value());

    sql({"INSERT INTO SITECOCS (SITEKEY, CHEMCAS) VALUES (1, 'u-1')",
         "INSERT INTO GWDelisting (SITEKEY, ChemCas, GWDL) VALUES (1, 'u-1', 0.5)"});
    stored = bytes(path);
    const auto before = sql(userRows());
    ASSERT_EQ(mkdb(changedData()), 0) << qPrintable(errors);
    EXPECT_EQ(sql(userRows()), before);
    EXPECT_EQ(sql({"SELECT GWDL FROM SITECOCSQuery ORDER BY COCROWID"})[0],
              (std::vector<QVector<QVariant>>{{0.25}, {0.5}}));
    EXPECT_EQ(sql({"SELECT count(*) FROM COCS WHERE CHEMNAME = 'Renamed'"})[0][0][0], 1);
    ASSERT_EQ(files().size(), 2);
    EXPECT_EQ(bytes(folder.filePath("ChemDB/" + files()[1])), stored) << qPrintable(files()[1]);
    QStringList listed;
    for (const TableDef* t : shippedTables())
        listed << t->name;
    for (const TableDef* t : carriedTables())
        listed << t->name;
    listed.sort();
    const auto tables = sql({"SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"});
    QStringList made;
    for (const QVector<QVariant>& t : tables[0])
        made << t.front().toString();
    EXPECT_EQ(made, listed) << "each table is shipped or carried, once";
}

// An older layout, from the same data files, is rebuilt and gives what its columns hold; a value
// that no longer fits its column stops the build with the old file in place.
TEST_F(ShippedDatabaseTest, AnOlderLayoutIsTakenColumnByColumnAndAFaultLeavesItInPlace)
{
    sql({"DROP VIEW SITECOCSQuery", "ALTER TABLE SITECOCS DROP COLUMN GWINGh",
         "ALTER TABLE WMUINFO ADD COLUMN OLDFIELD", "DROP TABLE DBCHANGE"});
    ASSERT_EQ(mkdb(data), 0) << qPrintable(errors);
    EXPECT_EQ(files().size(), 2) << "the old file is kept beside the new one";
    EXPECT_EQ(sql({"SELECT TCLPCONC, GWINGh, LMTPTHTO, ACTVLIFE FROM SITECOCS, WMUINFO"})[0],
              (std::vector<QVector<QVariant>>{{0.5, QVariant(), "Fish", 20.0}}));

    sql({"UPDATE WMUINFO SET WMUTYPE = 'LFX'"});
    const QByteArray before = bytes(path);
    const QStringList kept = files();
    EXPECT_EQ(mkdb(changedData()), 1);
    EXPECT_TRUE(errors.contains("WMUTYPE")) << qPrintable(errors);
    EXPECT_EQ(bytes(path), before);
    EXPECT_EQ(files(), kept);
}

// Stopped as a kill would stop it before any one of its file changes, a rebuild with changed data
// files leaves a whole database at its path, and the next build ends with the user's rows in it.
// Another file put at the path before any one of them stays there, with no second name. The path is
// a link to a name that a pattern would take for others.
TEST_F(ShippedDatabaseTest, AKillBeforeAnyFileChangeLosesNoStoredRow)
{
    const QString changed = changedData();
    const auto before = sql(userRows());
    const QString asLeft = folder.filePath(QStringLiteral("as-left.db"));
    const QString file = folder.filePath(QStringLiteral("ChemDB/TOVIv3.0[*?].db"));
    const QString other = folder.filePath(QStringLiteral("other.db"));
    ASSERT_TRUE(QFile::copy(path, asLeft));
    QProcessEnvironment killing = QProcessEnvironment::systemEnvironment();
    killing.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KILL_SHIM));
    int kills = 0;
    for (int n = 1; n < 100; ++n) {
        for (const QString& f : files())
            QFile::remove(folder.filePath(QStringLiteral("ChemDB/") + f));
        ASSERT_TRUE(QFile::copy(asLeft, file) && QFile::link(file, path));
        killing.insert(QStringLiteral("KILL_BEFORE_FILE_CHANGE"), QString::number(n));
        const ToolRun stopped = runTool(QStringLiteral("mkdb"), {path, changed}, killing);
        if (stopped.exitCode == 0)
            break;
        ASSERT_EQ(stopped.exitCode, -1) << qPrintable(stopped.errors);
        ++kills;
        EXPECT_TRUE(sql(userRows()) == before) << "killed before file change " << n;
        ASSERT_EQ(mkdb(changed), 0) << qPrintable(errors);
        EXPECT_TRUE(sql(userRows()) == before) << "built again after a kill before file change " << n;
        EXPECT_EQ(sql({"SELECT count(*) FROM COCS WHERE CHEMNAME = 'Renamed'"})[0][0][0], 1);
        EXPECT_EQ(files().filter(QStringLiteral(".bak")).size(), 1) << "one name for the old file";
    }
    EXPECT_GE(kills, 4);
    killing.insert(QStringLiteral("FILE_CHANGE_UNDER"), file);
    killing.insert(QStringLiteral("FILE_PUT_AT_CHANGE"), other);
    for (int n = 1; n < 100; ++n) {
        for (const QString& f : files())
            QFile::remove(folder.filePath(QStringLiteral("ChemDB/") + f));
        ASSERT_TRUE(QFile::copy(asLeft, file) && QFile::link(file, path));
        putBack(other, {{QString(), "Put meanwhile"}});
        killing.insert(QStringLiteral("KILL_BEFORE_FILE_CHANGE"), QString::number(n));
        runTool(QStringLiteral("mkdb"), {path, changed}, killing);
        struct stat st;
        if (QFile::exists(other))
            break;
        EXPECT_TRUE(bytes(file) == "Put meanwhile" && ::stat(qPrintable(file), &st) == 0 && st.st_nlink == 1) << n;
    }
}

// While another program has the database open, idle, a build with changed data files refuses and
// leaves the file, its log and its index as they were; once the program has ended, it builds.
TEST_F(ShippedDatabaseTest, ABuildRefusesADatabaseInUse)
{
    const QString changed = changedData();
    QProcess program;   // a process of its own: closing any file of the database here would drop its locks
    program.start(QStringLiteral("sqlite3"), {path});
    program.write("SELECT count(*) FROM SITEINFO;\n");
    ASSERT_TRUE(program.waitForReadyRead(10000));
    const DatabaseFiles asItWas = databaseFiles(path);
    EXPECT_EQ(mkdb(changed), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("in use"))) << qPrintable(errors);
    EXPECT_EQ(databaseFiles(path), asItWas);
    EXPECT_EQ(files().filter(QStringLiteral(".db.")), QStringList());
    // Its first page half written, as the program's checkpoint may leave it a moment: still in use.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(100) && file.write(QByteArray(200, '\xff'))
                && file.flush());
    EXPECT_EQ(mkdb(changed), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("in use"))) << qPrintable(errors);
    putBack(path, asItWas);

    program.closeWriteChannel();
    ASSERT_TRUE(program.waitForFinished(10000));
    ASSERT_EQ(mkdb(changed), 0) << qPrintable(errors);
    EXPECT_EQ(files().filter(QStringLiteral(".bak")).size(), 1);
}

// A file at the database's path that is not the program's database is refused and stays as it
// was, with whatever lies beside it.
TEST_F(ShippedDatabaseTest, AFileThatIsNotTheProgramsDatabaseIsLeftAsItWas)
{
    for (const char* journal : {"", "DELETE", "WAL"}) {   // "": a text file
        putBack(path, {{QString(), QByteArray("Notes of another program, whatever the name says.")}});
        if (*journal) {
            putBack(path, {{QString(), QByteArray()}});
            Result<std::unique_ptr<Connection>> other = Connection::open(path);
            ASSERT_TRUE(other.ok());
            for (const QString& sql :
                 {QStringLiteral("PRAGMA journal_mode = %1").arg(QLatin1String(journal)),
                  QStringLiteral("PRAGMA wal_autocheckpoint = 0"), QStringLiteral("CREATE TABLE NOTES (NOTE TEXT)"),
                  QStringLiteral("CREATE TABLE SITEINFO (x)"), QStringLiteral("CREATE TABLE WMUINFO (y)"),
                  QStringLiteral("CREATE TABLE SITECOCS (z)"), QStringLiteral("INSERT INTO NOTES VALUES ('kept')")})
                ASSERT_TRUE((*other)->select(sql).ok()) << qPrintable(sql);
            // What a writer killed now leaves: the file and what lies beside it as they stand.
            const DatabaseFiles left = databaseFiles(path);
            other->reset();
            putBack(path, left);
        }
        const DatabaseFiles asItWas = databaseFiles(path);
        EXPECT_EQ(mkdb(data), 1) << journal;
        EXPECT_TRUE(errors.contains(QStringLiteral("not the program's database"))) << qPrintable(errors);
        EXPECT_EQ(databaseFiles(path), asItWas) << journal;
        EXPECT_EQ(files().filter(QStringLiteral(".db.")), QStringList()) << journal;
    }
}

// Where no database stands, a log or journal of one that is gone is refused, whatever it holds.
TEST_F(ShippedDatabaseTest, AFirstBuildBesideALeftLogChangesNothing)
{
    for (const DatabaseFiles& left : {DatabaseFiles{{"-wal", stored}, {"-shm", stored}}, {{"-journal", stored}}}) {
        putBack(path, left);
        EXPECT_EQ(mkdb(data), 1);
        EXPECT_TRUE(errors.contains(path + left.lastKey())) << qPrintable(errors);
        EXPECT_EQ(databaseFiles(path), left);
    }
}

// A file that alone is torn or holds half a transaction, as a kill leaves it, is read with its log
// or journal: every analysis is carried, and no log lies beside the new file.
TEST_F(ShippedDatabaseTest, ABuildReadsTheFileWithItsLogOrJournal)
{
    const QString more = QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE i < 400) INSERT INTO %1 SELECT %2 FROM n");
    for (const bool torn : {true, false}) {
        for (const QString& f : files())
            QFile::remove(folder.filePath(QStringLiteral("ChemDB/") + f));
        putBack(path, {{QString(), stored}});
        Result<std::unique_ptr<Connection>> writer = Connection::open(path);
        for (const QString& s :
             torn ? QStringList{"PRAGMA wal_autocheckpoint = 0", more.arg("SITEINFO (SITEKEY, FILENAME)", "i, i"),
                                more.arg("SITECOCS (SITEKEY, CHEMNAME)", "i / 2, hex(randomblob(120))")}
                  : QStringList{"PRAGMA journal_mode = DELETE", "PRAGMA cache_size = 1", "BEGIN",
                                "DROP VIEW SITECOCSQuery", "DROP TABLE SITECOCS", "CREATE TABLE SITECOCS (NOTE)",
                                more.arg("SITECOCS", "randomblob(3000)")})
            ASSERT_TRUE((*writer)->select(s).ok()) << qPrintable(s);
        DatabaseFiles left = databaseFiles(path);
        writer->reset();
        const auto before = sql(userRows());
        // A checkpoint stopped half-way: the first half of the log's frames written into the file.
        const QByteArray wal = left.value(QStringLiteral("-wal"));
        const qint64 page = wal.isEmpty() ? 0 : qFromBigEndian<quint32>(wal.constData() + 8);
        for (qint64 at = 32; at < wal.size() / 2; at += 24 + page) {
            const qint64 to = (qFromBigEndian<quint32>(wal.constData() + at) - 1) * page;
            left[QString()].resize(std::max(left[QString()].size(), to + page));
            left[QString()].replace(to, page, wal.mid(at + 24, page));
        }
        putBack(path, left);
        ASSERT_EQ(mkdb(changedData()), 0) << qPrintable(errors);
        EXPECT_EQ(files().size(), 2) << qPrintable(files().join(' ')) << ": a .bak, and no log";
        EXPECT_TRUE(sql(userRows()) == before);
    }
}

// A link at the path that leads to no file, or in a loop, names a database that is gone, and one to
// a folder none: it is refused with the link named before any file is made or changed.
TEST_F(ShippedDatabaseTest, ALinkThatLeadsNowhereIsRefused)
{
    const QString link = folder.filePath(QStringLiteral("link.db"));
    const QString loop = folder.filePath(QStringLiteral("loop.db"));
    ASSERT_TRUE(QFile::link(link, loop));
    QProcessEnvironment killing = QProcessEnvironment::systemEnvironment();
    killing.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KILL_SHIM));
    killing.insert(QStringLiteral("KILL_BEFORE_FILE_CHANGE"), QStringLiteral("1"));
    for (const QString& target :
         {folder.filePath(QStringLiteral("gone/TOVIv3.0.db")), loop, folder.filePath("ChemDB")}) {
        QFile::remove(link);
        ASSERT_TRUE(QFile::link(target, link));
        const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::System);
        const ToolRun run = runTool(QStringLiteral("mkdb"), {link, data}, killing);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.errors.contains(link)) << qPrintable(run.errors);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System), before);
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    }
}

// Through a link at the path, the file it names is linked aside, the new one takes its mode and
// owner and is on the disk before it takes that file's name, and the folder after.
TEST_F(ShippedDatabaseTest, ARebuildThroughALinkKeepsTheModeAndOwnerAndSyncsBeforeItsRename)
{
    const QString target = folder.filePath(QStringLiteral("TOVIv3.0.db"));
    const bool root = ::geteuid() == 0;   // a build as root gives the file its owner back
    ASSERT_TRUE(QFile::rename(path, target) && QFile::link(target, path) && ::chmod(qPrintable(target), 0664) == 0);
    ASSERT_EQ(root ? ::chown(qPrintable(target), 4321, 4322) : 0, 0);
    QProcessEnvironment tracing = QProcessEnvironment::systemEnvironment();
    tracing.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KILL_SHIM));
    tracing.insert(QStringLiteral("FILE_CHANGE_TRACE"), folder.filePath(QStringLiteral("trace")));
    ASSERT_EQ(runTool(QStringLiteral("mkdb"), {path, changedData()}, tracing).exitCode, 0);
    const QStringList calls = QString::fromUtf8(bytes(folder.filePath("trace"))).remove(folder.path()).split('\n');
    EXPECT_TRUE(calls.mid(calls.size() - 5).value(0).startsWith("link /TOVIv3.0.db /TOVIv3.0.db."));
    EXPECT_EQ(calls.mid(calls.size() - 4),
              QStringList({"fsync /TOVIv3.0.db.new", "rename /TOVIv3.0.db.new /TOVIv3.0.db", "fsync ", ""}));
    struct stat st;
    EXPECT_TRUE(::stat(qPrintable(target), &st) == 0 && (st.st_mode & 07777) == 0664
                && (!root || (st.st_uid == 4321 && st.st_gid == 4322)));
}

// The guide's pictures come from its own example: the user's analyses, one without a constituent
// among them, neither stop the build nor show in them, and the user's database stays as it was.
TEST_F(ShippedDatabaseTest, TheGuideIsDrawnFromItsOwnExampleOnly)
{
    sql({"INSERT INTO SITEINFO (SITEKEY, FILENAME) VALUES (2, 'No constituent yet')",
         "INSERT INTO WMUINFO (SITEKEY, WMUTYPE, ACTVLIFE) VALUES (2, 'LF', 20)"});
    const QByteArray users = bytes(path);
    QTemporaryDir elsewhere;
    for (const QString& out : {folder.path(), elsewhere.path()}) {
        const ToolRun run = runTool(QStringLiteral("mkdocs"),
                                    {QStringLiteral(TOVI_SOURCE_DIR "/docs/uguide.md"),
                                     QStringLiteral(TOVI_SOURCE_DIR "/src/ui/main/texts/changes.html"), data, out});
        ASSERT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    }
    EXPECT_EQ(bytes(path), users);
    const QStringList pictures = QDir(elsewhere.filePath(QStringLiteral("Help/images"))).entryList(QDir::Files);
    EXPECT_FALSE(pictures.isEmpty());
    for (const QString& p : pictures)
        EXPECT_EQ(bytes(folder.filePath(QStringLiteral("Help/images/") + p)),
                  bytes(elsewhere.filePath(QStringLiteral("Help/images/") + p)))
            << qPrintable(p);
}

}   // namespace
