#include "admin_fixture.h"

#include "data/chemical_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

std::vector<TableRow> storedTable(TempDatabase& db)
{
    Result<std::vector<TableRow>> rows = readChemicalTable(db.conn());
    EXPECT_TRUE(rows.ok());
    return rows.ok() ? *rows : std::vector<TableRow>();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}   // namespace

TEST_F(AdminTest, ExportThenReplaceGivesTheSameTable)
{
    QTemporaryDir dir;
    const std::vector<TableRow> original = storedTable(db);
    frmPassword& w = openAdministration();
    logOn("mizo4");
    files.answer(dir.filePath("dist"));
    click(w.cmdExport);
    ASSERT_FALSE(files.requests().empty());
    ASSERT_FALSE(files.requests().back().filters.empty());
    EXPECT_TRUE(files.requests().back().filters[0].contains("*.TVX"));
    ASSERT_TRUE(QFileInfo(dir.filePath("dist.tvx")).size() > 0);
    closeAdministration(vbNo);

    ASSERT_TRUE(db.conn().exec("DELETE FROM COCS WHERE CHEMCAS = '71-43-2'").ok());
    setField("108-88-3", "MCL", 99.0);
    db.insert("COCS", {{"CHEMNAME", "Stray"}, {"CHEMCAS", "1-2-3"}});
    files.answer(dir.filePath("dist.tvx"));
    main().mnuUpdateDB_Click();
    ASSERT_FALSE(files.requests().empty());
    EXPECT_EQ(files.requests().back().filters.size(), 2) << "the Replace dialog offers All Files too";
    EXPECT_EQ(storedTable(db), original);

    files.answer(dir.filePath("dist.tvx"));
    main().mnuUpdateDB_Click();
    EXPECT_EQ(storedTable(db), original) << "replacing twice gives the table of once";
}

TEST_F(AdminTest, RefusedReplaceLeavesTheDatabaseAsItWas)
{
    QTemporaryDir dir;
    frmPassword& w = openAdministration();
    logOn("mizo4");
    files.answer(dir.filePath("good.TVX"));
    click(w.cmdExport);
    closeAdministration(vbNo);
    const QByteArray good = readFile(dir.filePath("good.TVX"));
    ASSERT_FALSE(good.isEmpty());

    const std::pair<const char*, QByteArray> files_[] = {
        {"truncated.tvx", good.left(good.size() - 3)},
        {"short-row.tvx", good + QByteArray::fromHex("0100")},
        {"foreign.tvx", QByteArray("%PDF-1.4 not a chemical table")},
        {"empty.tvx", QByteArray()},
    };
    const QByteArray unchanged = db.checksum();
    for (const auto& [name, bytes] : files_) {
        writeFile(dir.filePath(name), bytes);
        files.answer(dir.filePath(name));
        messages.expect("Unable to Save");
        main().mnuUpdateDB_Click();
        ASSERT_FALSE(messages.shown().empty());
        EXPECT_TRUE(messages.shown().back().text.startsWith("The program experienced the following error: ")) << name;
        EXPECT_EQ(messages.shown().back().style, vbInformation) << name;
        EXPECT_EQ(db.checksum(), unchanged) << name;
    }
    files.answer(dir.filePath("missing.tvx"));
    messages.expect("Unable to Save");
    main().mnuUpdateDB_Click();
    files.answer(QString());
    main().mnuUpdateDB_Click();
    EXPECT_EQ(db.checksum(), unchanged);
}

TEST_F(AdminTest, ExportToAnUnwritablePlaceIsReportedAndLeavesNoFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.tvx"));   // a folder holds the name
    frmPassword& w = openAdministration();
    logOn("mizo4");
    for (const QString& target : {dir.filePath("taken.tvx"), dir.filePath("no-such-folder/dist.tvx")}) {
        files.answer(target);
        messages.expect("Export Error", vbOK, "An error occurred while performing the export.  Please try again.");
        click(w.cmdExport);
        ASSERT_FALSE(messages.shown().empty());
        EXPECT_EQ(messages.shown().back().style, vbInformation);
    }
    files.answer(QString());
    click(w.cmdExport);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"taken.tvx"}))
        << "nothing half-written is left behind";
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.tvx")).isDir());
    closeAdministration(vbNo);
}
