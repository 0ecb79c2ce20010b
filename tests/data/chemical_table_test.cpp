#include "data/chemical_table.h"
#include "data/chemical_table_file.h"

#include "core/temp_database.h"
#include "file_test_support.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// A COCS row: the given name, CAS and MCL, everything else NULL but the class.
TableRow chemicalRow(const QString& name, const QVariant& cas, const QVariant& mcl)
{
    TableRow row = emptyRow(cocsTable());
    row[0] = name;
    row[1] = cas;
    row[2] = mcl;
    row[columnOf(cocsTable(), "CARCNON")] = "Noncarcinogen";
    return row;
}

void insertChemical(TempDatabase& db, const TableRow& row)
{
    Result<int> r = db.conn().exec(insertSql(cocsTable()), QVariantList(row.begin(), row.end()));
    ASSERT_TRUE(r.ok()) << qPrintable(r.error().description);
}

std::vector<TableRow> storedRows(TempDatabase& db)
{
    Result<std::vector<TableRow>> rows = readChemicalTable(db.conn());
    EXPECT_TRUE(rows.ok());
    return rows.ok() ? *rows : std::vector<TableRow>{};
}

}   // namespace

TEST(ChemicalTableFile, WriterGivesTheTaggedValuesOfEachColumn)
{
    TableRow row = emptyRow(cocsTable());
    row[0] = QString::fromUtf8("Caf\xC3\xA9");
    row[1] = "58-08-2";
    row[2] = 1.5;
    row[columnOf(cocsTable(), "CARCNON")] = "Carcinogen";
    row[27] = -2.0;

    QByteArray expected;
    expected += QByteArray("\x08\x00\x04\x00"
                           "Caf\xE9",
                           8);   // CHEMNAME: text, length 4
    expected += QByteArray("\x08\x00\x07\x00"
                           "58-08-2",
                           11);   // CHEMCAS
    expected += QByteArray("\x05\x00"
                           "\x00\x00\x00\x00\x00\x00\xF8\x3F",
                           10);   // MCL: double 1.5
    for (int c = 3; c <= 22; ++c)
        expected += QByteArray("\x01\x00", 2);   // NULL
    expected += QByteArray("\x08\x00\x0A\x00"
                           "Carcinogen",
                           14);   // CARCNON
    for (int c = 24; c <= 26; ++c)
        expected += QByteArray("\x01\x00", 2);
    expected += QByteArray("\x05\x00"
                           "\x00\x00\x00\x00\x00\x00\x00\xC0",
                           10);   // LOGKOW: double -2

    Result<QByteArray> written = writeChemicalTableFile({row});
    ASSERT_TRUE(written.ok()) << qPrintable(written.error().description);
    EXPECT_EQ(written->toHex(' '), expected.toHex(' '));
}

class ChemicalTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        insertChemical(db, chemicalRow("Zinc", "7440-66-6", 5.0));
        insertChemical(db, chemicalRow("Arsenic", "7440-38-2", QVariant()));
        insertChemical(db, chemicalRow("benzene", "71-43-2", 0.005));
    }

    QString file(const QString& name) const { return QDir(dir.path()).filePath(name); }

    TempDatabase db;
    QTemporaryDir dir;
};

TEST_F(ChemicalTableTest, ExportWritesStoredOrderAndReplaceBringsItBack)
{
    ASSERT_TRUE(exportChemicalTable(db.conn(), file("t.tvx")).ok());
    Result<std::vector<TableRow>> fromFile = readChemicalTableFile(readFile(file("t.tvx")));
    ASSERT_TRUE(fromFile.ok());
    ASSERT_EQ(*fromFile, storedRows(db));
    EXPECT_EQ((*fromFile)[0][0], "Zinc");

    // Replace by a file of other rows: the old rows go, the new ones come in file order, a CAS
    // beginning with "x" included.
    const std::vector<TableRow> other = {chemicalRow("Lead", "x7439-92-1", 0.015),
                                         chemicalRow("Acetone", "67-64-1", 1.0)};
    writeFile(file("other.tvx"), *writeChemicalTableFile(other));
    Status replaced = replaceChemicalTable(db.conn(), file("other.tvx"));
    ASSERT_TRUE(replaced.ok()) << qPrintable(replaced.error().description);
    EXPECT_EQ(storedRows(db), other);

    // Twice the same file gives the same table as once.
    ASSERT_TRUE(replaceChemicalTable(db.conn(), file("other.tvx")).ok());
    EXPECT_EQ(storedRows(db), other);
}

TEST_F(ChemicalTableTest, ARefusedFileLeavesTheDatabaseFileUnchanged)
{
    ASSERT_FALSE(storedRows(db).empty());
    const QByteArray good = *writeChemicalTableFile(storedRows(db));
    const qsizetype rowSize = writeChemicalTableFile({storedRows(db).front()})->size();
    const std::vector<std::pair<const char*, QByteArray>> damaged = {
        {"empty", QByteArray()},
        {"cut inside a value", good.left(good.size() - 3)},
        {"cut between values", good.left(rowSize + 11)},
        {"unknown type code", FileBytes().text("A").u16(9).bytes + good.mid(16)},
        {"number in a text column", FileBytes().dbl(1).bytes + good.mid(8)},
        {"text in a number column",
         good.left(rowSize) + FileBytes().text("A").text("1").text("0.5").bytes + good.mid(rowSize + 26)},
    };
    const QByteArray before = db.checksum();
    const std::vector<TableRow> rowsBefore = storedRows(db);
    for (const auto& [what, bytes] : damaged) {
        writeFile(file("bad.tvx"), bytes);
        Status s = replaceChemicalTable(db.conn(), file("bad.tvx"));
        EXPECT_FALSE(s.ok()) << what;
        EXPECT_EQ(db.checksum(), before) << what;
    }
    EXPECT_FALSE(replaceChemicalTable(db.conn(), file("missing.tvx")).ok());
    EXPECT_EQ(db.checksum(), before);
    EXPECT_EQ(storedRows(db), rowsBefore);
}

TEST_F(ChemicalTableTest, AFileWithARowWithoutCasNumberOrACasNumberTwiceIsRefused)
{
    const TableRow lead = chemicalRow("Lead", "7439-92-1", 0.015);
    const std::pair<const char*, std::vector<TableRow>> refused[] = {
        {"one empty row", {emptyRow(cocsTable())}},
        {"an empty CAS number", {lead, chemicalRow("Acetone", "", 1.0)}},
        {"a CAS number twice", {chemicalRow("A", "abc-1", 1.0), lead, chemicalRow("B", "ABC-1", 2.0)}},
        {"a CAS number twice but for blanks", {chemicalRow("A", "50-00-0", 1.0), chemicalRow("B", " 50-00-0 ", 2.0)}},
    };
    const QByteArray before = db.checksum();
    for (const auto& [what, rows] : refused) {
        writeFile(file("bad.tvx"), *writeChemicalTableFile(rows));
        EXPECT_FALSE(replaceChemicalTable(db.conn(), file("bad.tvx")).ok()) << what;
        EXPECT_EQ(db.checksum(), before) << what;
    }
}

TEST_F(ChemicalTableTest, AReplaceThatFailsPartWayLeavesTheOldTableWhole)
{
    const std::vector<TableRow> old = storedRows(db);
    writeFile(file("new.tvx"),
              *writeChemicalTableFile({chemicalRow("Lead", "7439-92-1", 0.015), chemicalRow("Acetone", "67-64-1", 1)}));
    ASSERT_TRUE(db.conn()
                    .exec("CREATE TRIGGER refuse BEFORE INSERT ON COCS WHEN NEW.CHEMCAS = '67-64-1' "
                          "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                    .ok());
    EXPECT_FALSE(replaceChemicalTable(db.conn(), file("new.tvx")).ok());
    EXPECT_EQ(storedRows(db), old);
}

TEST_F(ChemicalTableTest, AFailedExportLeavesNoFile)
{
    insertChemical(db, chemicalRow(QString::fromUtf8("\xE2\x98\xA2"), "1-1-1", 1.0));
    EXPECT_FALSE(exportChemicalTable(db.conn(), file("t.tvx")).ok());
    EXPECT_FALSE(exportChemicalTable(db.conn(), file("no/such/folder/t.tvx")).ok());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ChemicalTableTest, TheSnapshotIsInNameOrderAndACasNumberBelongsToOneRow)
{
    insertChemical(db, chemicalRow("Arsenic", "7440-38-3", 1.0));
    Result<std::vector<TableRow>> snapshot = snapshotChemicalTable(db.conn());
    ASSERT_TRUE(snapshot.ok());
    QStringList order;
    for (const TableRow& r : *snapshot)
        order << r[1].toString();
    EXPECT_EQ(order, QStringList({"7440-38-2", "7440-38-3", "71-43-2", "7440-66-6"}));
    EXPECT_TRUE(checkCasIsUnique(db.conn(), cocsTable(), "7440-66-6", 1).ok()) << "its own row";
    EXPECT_FALSE(checkCasIsUnique(db.conn(), cocsTable(), "7440-66-6", 2).ok());
}

// The whole shipped table, built by the database tool from data/ into a folder of the test's own.
TEST(ChemicalTableRoundTrip, TheShippedTableComesBackUnchanged)
{
    QTemporaryDir dir;
    const QString dbPath = QDir(dir.path()).filePath("ChemDB/TOVIv3.0.db");
    QProcess mkdb;
    mkdb.start(QStringLiteral(TOVI_BINARY_DIR "/tools/mkdb/mkdb"), {dbPath, QStringLiteral(TOVI_SOURCE_DIR "/data")});
    ASSERT_TRUE(mkdb.waitForFinished(60000));
    ASSERT_EQ(mkdb.exitCode(), 0) << mkdb.readAllStandardError().toStdString();
    Result<std::unique_ptr<Connection>> conn = Connection::open(dbPath);
    ASSERT_TRUE(conn.ok());
    Connection& c = **conn;

    Result<std::vector<TableRow>> shipped = readChemicalTable(c);
    ASSERT_TRUE(shipped.ok());
    ASSERT_GT(shipped->size(), 100u);
    const QString path = QDir(dir.path()).filePath("cocs.tvx");
    ASSERT_TRUE(exportChemicalTable(c, path).ok());
    const QByteArray first = readFile(path);
    Result<std::vector<TableRow>> read = readChemicalTableFile(first);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, *shipped);

    ASSERT_TRUE(replaceChemicalTable(c, path).ok());
    EXPECT_EQ(*readChemicalTable(c), *shipped);
    ASSERT_TRUE(exportChemicalTable(c, path).ok());
    EXPECT_EQ(readFile(path), first);
}
