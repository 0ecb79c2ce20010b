#include "core/database_files.h"
#include "core/temp_database.h"
#include "ui/printers.h"
#include "ui/scripted_services.h"

#include "app/startup.h"
#include "ui/main/frmMain.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QString kCantOpen = QStringLiteral(
    "TOVI has experienced an error.  The most likely cause for this error is that you do not have Read/Write "
    "access to the hard drive.  Please ensure that you are logged onto the computer with Read/Write access.");

// Start-up on a program folder that cannot serve: one message, no window, nothing created.
void expectRefused(ProgramState& state)
{
    ScriptedMessages msgs;
    msgs.expect(QStringLiteral("Can't Open Database"), vbOK, kCantOpen);
    EXPECT_EQ(Main(state), nullptr);
    ASSERT_EQ(msgs.shown().size(), 1u);
    EXPECT_EQ(msgs.shown()[0].style, vbInformation);
    EXPECT_EQ(state.gConn, nullptr);
    EXPECT_FALSE(state.gRsSiteInfo.isOpen());
}

TEST(StartUp, RefusesAMissingReadOnlyOrDamagedDatabase)
{
    {
        TempDatabase db;
        ProgramState state;
        state.programFolder = db.folder() + QStringLiteral("/nowhere");
        expectRefused(state);
        EXPECT_FALSE(QDir(state.programFolder).exists());
    }
    {
        TempDatabase db;
        db.state.gConn.reset();
        QFile::setPermissions(db.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        ProgramState state;
        state.programFolder = db.folder();
        expectRefused(state);
    }
    {
        TempDatabase db;
        db.state.gConn.reset();
        QFile f(db.path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("This is not a database, whatever its name says.");
        f.close();
        ProgramState state;
        state.programFolder = db.folder();
        expectRefused(state);
    }
    {
        TempDatabase db;
        ASSERT_TRUE(db.conn().exec(QStringLiteral("DROP TABLE DBCHANGE")).ok());
        db.state.gConn.reset();
        ProgramState state;
        state.programFolder = db.folder();
        expectRefused(state);
    }
}

struct RefusedFile {
    const char* name;
    const char* damage;   // statements run on a database of the program's schema
    bool foreign;         // a database of another program instead; neither: a 0-byte file
    const char* journal;
    bool leftByAKilledWriter = false;   // the damage stands in a log or journal, as a killed writer leaves it
};

void PrintTo(const RefusedFile& file, std::ostream* os)
{
    *os << file.name;
}

// SITEINFO's rows unreadable (the table on its index's pages), more written and not committed.
const char* const kSiteInfoOnItsIndex =
    "PRAGMA writable_schema = ON; UPDATE sqlite_master SET rootpage = (SELECT rootpage FROM sqlite_master WHERE "
    "name = 'SITEINFO_FILENAME') WHERE name = 'SITEINFO'; BEGIN; INSERT INTO DBCHANGE (CHEMNAME) SELECT "
    "randomblob(4000) FROM pragma_table_info('SITECOCS')";
class RefusedStartUp : public ::testing::TestWithParam<RefusedFile> {};

// A refused file keeps every byte, with all that lies beside it, and the program ends with
// status 1 after its one message.
TEST_P(RefusedStartUp, LeavesTheFileAsItWasAndEndsWithStatusOne)
{
    const RefusedFile& p = GetParam();
    TempDatabase db;
    if (p.foreign) {
        db.state.gConn.reset();
        putBack(db.path(), {{QString(), QByteArray()}});
        auto other = Connection::open(db.path());
        ASSERT_TRUE(other.ok());
        ASSERT_TRUE((*other)->exec(QStringLiteral("CREATE TABLE NOTES (TEXT TEXT)")).ok());
        db.state.gConn = std::move(*other);
    }
    if (p.journal) {
        const QString mode = QString::fromLatin1(p.journal);
        ASSERT_EQ(db.conn().scalar(QStringLiteral("PRAGMA journal_mode=%1").arg(mode)).value().toString().toUpper(),
                  mode);
    }
    if (p.leftByAKilledWriter) {
        // Merged neither into the file nor, for a journal, kept to the memory.
        for (const char* sql : {"PRAGMA wal_autocheckpoint = 0", "PRAGMA cache_size = 1"})
            ASSERT_TRUE(db.conn().select(QString::fromLatin1(sql)).ok());
    }
    if (p.damage) {
        for (const QString& sql : QString::fromLatin1(p.damage).split(QStringLiteral("; ")))
            ASSERT_TRUE(db.conn().exec(sql).ok()) << qPrintable(sql);
    }
    const DatabaseFiles left = databaseFiles(db.path());
    db.state.gConn.reset();
    if (p.leftByAKilledWriter)
        putBack(db.path(), left);
    else if (!p.damage && !p.foreign)
        putBack(db.path(), {{QString(), QByteArray()}});
    const DatabaseFiles before = databaseFiles(db.path());

    ProgramState state;
    state.programFolder = db.folder();
    ScriptedMessages msgs;
    msgs.expect(QStringLiteral("Can't Open Database"), vbOK, kCantOpen);
    EXPECT_EQ(runProgram(state), 1);
    EXPECT_EQ(msgs.shown().size(), 1u);
    EXPECT_TRUE(databaseFiles(db.path()) == before);
}

INSTANTIATE_TEST_SUITE_P(
    DamagedDatabases, RefusedStartUp,
    ::testing::Values(RefusedFile{"Empty", nullptr, false, nullptr},
                      RefusedFile{"ForeignRollbackJournal", nullptr, true, "DELETE"},
                      RefusedFile{"ForeignWal", nullptr, true, "WAL"},
                      RefusedFile{"TableMissingRollbackJournal", "DROP TABLE DBCHANGE", false, "DELETE"},
                      RefusedFile{"TableMissingWal", "DROP TABLE DBCHANGE", false, "WAL"},
                      RefusedFile{"ForeignInAWalLeftBehind", "INSERT INTO NOTES VALUES ('kept')", true, "WAL", true},
                      RefusedFile{"ForeignWithAHotJournal",
                                  "BEGIN; INSERT INTO NOTES WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                  "FROM n WHERE i < 200) SELECT randomblob(4000) FROM n",
                                  true, "DELETE", true},
                      RefusedFile{"TableMissingInAWalLeftBehind", "DROP TABLE DBCHANGE", false, "WAL", true},
                      RefusedFile{"ColumnMissingRollbackJournal", "ALTER TABLE COCS DROP COLUMN KSW", false, "DELETE"},
                      RefusedFile{"ColumnMissingWal", "ALTER TABLE COCS DROP COLUMN KSW", false, "WAL"},
                      RefusedFile{"ColumnOfAnotherTypeRollbackJournal",
                                  "ALTER TABLE WMUINFO RENAME COLUMN FLWRUNIT TO OLD; "
                                  "ALTER TABLE WMUINFO ADD COLUMN FLWRUNIT TEXT; "
                                  "ALTER TABLE WMUINFO DROP COLUMN OLD",
                                  false, "DELETE"},
                      RefusedFile{"SiteInfoUnreadableInACommittedWal", kSiteInfoOnItsIndex, false, "WAL", true},
                      RefusedFile{"SiteInfoUnreadableWithAHotJournal", kSiteInfoOnItsIndex, false, "DELETE", true},
                      RefusedFile{"ViewColumnMissingRollbackJournal",
                                  "DROP VIEW SITECOCSQuery; CREATE VIEW SITECOCSQuery AS SELECT * FROM SITECOCS", false,
                                  "DELETE"}),
    [](const auto& info) { return std::string(info.param.name); });

// The file that a link at the path names: a name that a pattern would take for others.
const QString kLinked = QStringLiteral("/TOVIv3.0[*?].db");

// Three analyses and a table that stand in the log alone, as a program that was not ended leaves
// them, beside a file in the program folder that a link at the path names; the files as left.
DatabaseFiles logBehindALink(TempDatabase& db)
{
    const QueryRows made =
        db.conn()
            .select(QStringLiteral("SELECT sql FROM sqlite_master WHERE tbl_name = 'DBCHANGE' AND sql NOT NULL"))
            .value();
    for (const char* sql : {"DROP TABLE DBCHANGE", "PRAGMA wal_checkpoint(TRUNCATE)", "PRAGMA wal_autocheckpoint = 0"})
        EXPECT_TRUE(db.conn().select(QString::fromLatin1(sql)).ok()) << sql;
    for (const QVector<QVariant>& sql : made.rows)
        EXPECT_TRUE(db.conn().exec(sql.front().toString()).ok());
    db.insertAnalysis(4, QStringLiteral("Refinery"), {{"PETID", "R-4"}, {"CITY", "Tulsa"}});
    db.insertAnalysis(2, QStringLiteral("Smelter"), {{"FACID2", QVariant()}});
    db.insertAnalysis(9, QStringLiteral("Mill"), {{"USERNAME", "Lee"}});
    const DatabaseFiles logged = databaseFiles(db.path());
    db.state.gConn.reset();
    putBack(db.folder() + kLinked, logged);
    EXPECT_TRUE(QFile::remove(db.path()) && QFile::link(db.folder() + kLinked, db.path()));
    return logged;
}

QStringList checkFolders(const QString& programFolder)
{
    return QDir(programFolder).entryList({"*.check-*"}, QDir::Dirs | QDir::Hidden);
}

// No room beside the database for the check's copy of its log, for the index of a copy that fits,
// or for the log of a database that has none: the folder is full, not out of reach.
void expectTheFolderFull(bool logged, bool copyFits)
{
    TempDatabase db;
    for (const char* sql : {"PRAGMA wal_checkpoint(TRUNCATE)", "PRAGMA wal_autocheckpoint = 0"})
        ASSERT_TRUE(db.conn().select(QString::fromLatin1(sql)).ok());
    db.insertAnalysis(4, QStringLiteral("Refinery"), {});
    const DatabaseFiles open = databaseFiles(db.path());
    db.state.gConn.reset();
    putBack(db.path(), logged ? open : databaseFiles(db.path()));
    const DatabaseFiles files = databaseFiles(db.path());
    ScriptedMessages msgs;
    msgs.expect(QStringLiteral("Can't Open Database"));
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit full = {copyFits ? rlim_t(files.value("-wal").size()) : 1024, saved.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    EXPECT_EQ(Main(db.state), nullptr);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_NE(msgs.shown().at(0).text, kCantOpen);
    EXPECT_EQ(databaseFiles(db.path()), files);
    EXPECT_EQ(checkFolders(db.folder() + QStringLiteral("/ChemDB")), QStringList());
}

TEST(StartUp, NoRoomForTheCheckSaysTheFolderIsFull)
{
    for (const auto& [logged, copyFits] : {std::pair{true, false}, {true, true}, {false, false}})
        expectTheFolderFull(logged, copyFits);
}

// Through a link at the path, the file it names is checked with its log (a table is missing from
// the file alone), also with no temporary folder for a copy: the check's copy lies beside the file
// and goes. Run in a process of its own on the program folder that START_IN names, it is killed.
TEST(StartUp, ShowsEveryStoredAnalysisAsNineNodes)
{
    TempDatabase db;
    ProgramState state;
    state.programFolder = qEnvironmentVariable("START_IN", db.folder());
    if (state.programFolder == db.folder())
        logBehindALink(db);
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/proc");   // a folder that takes no file, even from root

    ScopedProgramState scoped(state);
    ScriptedMessages none;
    frmMain* w = Main(state);
    tmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmp);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(QDir(state.programFolder).entryList({"TOVI*"}, QDir::AllEntries | QDir::Hidden),
              QStringList({"TOVIv3.0[*?].db", "TOVIv3.0[*?].db-shm", "TOVIv3.0[*?].db-wal"}));
    KeyedTree* tree = w->findChild<KeyedTree*>(QStringLiteral("trvAnalysis"));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->nodeCount(), 27);
    EXPECT_EQ(tree->topLevelItemCount(), 3);
    const QStringList roots = {"Refinery", "Smelter", "Mill"};
    for (int i = 0; i < 3; ++i) {
        QTreeWidgetItem* root = tree->topLevelItem(i);
        EXPECT_EQ(root->text(0), roots[i]) << "stored order";
        EXPECT_TRUE(KeyedTree::isBold(root));
        EXPECT_EQ(root->childCount(), 8);
        EXPECT_EQ(tree->positionOf(KeyedTree::keyOf(root)), 1 + 9 * i);
    }
    EXPECT_EQ(tree->node(QStringLiteral("KEY4a"))->text(0), QStringLiteral("Petition ID: R-4"));
    EXPECT_EQ(tree->node(QStringLiteral("KEY4d"))->text(0), QStringLiteral("City: Tulsa"));
    EXPECT_EQ(tree->node(QStringLiteral("KEY2c"))->text(0), QStringLiteral("Address 2: "));
    EXPECT_EQ(tree->node(QStringLiteral("KEY9h"))->text(0), QStringLiteral("Performed by: Lee"));
    EXPECT_NE(state.gConn, nullptr) << "the connection stays open for the program's run";
    EXPECT_FALSE(state.gRsSiteInfo.isOpen()) << "the start-up record sets are closed again";
    EXPECT_EQ(state.gCurSiteKey, 0);
    delete w;
}

// The check folder of a start killed before any one of its file changes goes with the next start,
// also where its new folder was removed before the start could lock it, as another start's sweep
// may remove it, and the database has one name again; the one of a look still open stays, and a
// link put in its place meanwhile loses nothing of the folder it leads to.
TEST(StartUp, CheckFoldersOfKilledStartsGoWithTheNextStart)
{
    TempDatabase db;
    const QString file = db.folder() + kLinked;
    const DatabaseFiles logged = logBehindALink(db);
    Result<std::unique_ptr<Connection>> held = Connection::open(file, Connection::Mode::Look);
    const QStringList kept = checkFolders(db.folder());
    ASSERT_EQ(kept.size(), 1);
    QProcessEnvironment killing = QProcessEnvironment::systemEnvironment();
    killing.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KILL_SHIM));
    killing.insert(QStringLiteral("FILE_CHANGE_UNDER"), file);
    killing.insert(QStringLiteral("START_IN"), db.folder());
    killing.insert(QStringLiteral("FOLDER_GONE_WHEN_MADE"), file + ".check-");
    int kills = 0;
    for (int n = 1; n < 40; ++n, ++kills) {
        putBack(file, logged);
        killing.insert(QStringLiteral("KILL_BEFORE_FILE_CHANGE"), QString::number(n));
        QProcess start;
        start.setProcessEnvironment(killing);
        start.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=StartUp.ShowsEveryStoredAnalysis*"});
        ASSERT_TRUE(start.waitForFinished(60000));
        if (start.exitStatus() == QProcess::NormalExit)
            break;
        ProgramState state;
        state.programFolder = db.folder();
        ScopedProgramState scoped(state);
        delete Main(state);
        EXPECT_EQ(checkFolders(db.folder()), kept) << "killed before file change " << n;
    }
    EXPECT_GE(kills, 4);
    const QString other = db.folder() + QStringLiteral("/other");
    ASSERT_TRUE(QDir().mkpath(other) && QFile(other + "/checked.db").open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir().rename(db.folder() + '/' + kept[0], other + "-aside")
                && QFile::link(other, db.folder() + '/' + kept[0]));
    held->reset();
    EXPECT_TRUE(QFile::exists(other + "/checked.db"));
    struct stat st;
    EXPECT_TRUE(::stat(qPrintable(file), &st) == 0 && st.st_nlink == 1);
}

TEST(StartUp, AnEmptyDatabaseGivesAnEmptyTree)
{
    TempDatabase db;
    db.state.gConn.reset();
    ProgramState state;
    state.programFolder = db.folder();
    ScopedProgramState scoped(state);
    frmMain* w = Main(state);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->findChild<KeyedTree*>(QStringLiteral("trvAnalysis"))->nodeCount(), 0);
    delete w;
}

}   // namespace
