#include "data/analysis_file_import.h"
#include "data/analysis_file_v2.h"
#include "file_test_support.h"

#include "core/temp_database.h"

#include <QTemporaryDir>

namespace {

const QString kImportError = QStringLiteral(
    "The program experienced an error while trying to import the version 2.0 file.  Please ensure that the file "
    "is a valid TOVI v.2.0 file.");

// The constituent properties MCL to KSW of a file row; every fifth one NULL.
void properties(FileBytes& f, double base, const QByteArray& carcnon)
{
    for (const QString& p : chemicalPropertyFields()) {
        const int i = int(chemicalPropertyFields().indexOf(p));
        if (p == "CARCNON")
            f.text(carcnon);
        else if (i % 5 == 4)
            f.null();
        else
            f.dbl(base + i);
    }
}

FileBytes goldenSite(const QByteArray& name)
{
    FileBytes f;
    f.raw("Version 2.0");
    f.text(name)
        .text("Acme O'Neil")
        .null()
        .text("1 Main St")
        .null()
        .text("Dayton")
        .text("OH")
        .text("45402")
        .text(" Jan-05-2001 ")
        .null()
        .text("J. Caf\xE9")
        .text("line1\r\nline2 \x93q\x94")
        .i16(4)
        .text("sludge")
        .text("F006");
    return f;
}

FileBytes goldenUnit(FileBytes f, const QByteArray& type = "SI")
{
    f.text(type).dbl(1000).i16(2).dbl(20).dbl(1e-5).dbl(1).dbl(100.5).i16(0);
    return f;
}

// A version 2.0 file laid out value by value.
QByteArray golden(const QByteArray& name = "Abc")
{
    FileBytes f = goldenUnit(goldenSite(name));
    f.count(2);
    f.text("7439-97-6").text("Mercury").dbl(0.02).boolean(true).dbl(5).boolean(false);
    properties(f, 0.5, "Noncarcinogen");
    f.dbl(-0.25);
    f.text("71-43-2").text("Benzene").null().boolean(false).dbl(1.5).boolean(true);
    properties(f, 100, "Carcinogen");
    f.null();
    return f.bytes;
}

class V2File : public ::testing::Test {
protected:
    TempDatabase db;
    ScopedProgramState scope{db.state};
    QTemporaryDir dir;

    QString file(const QByteArray& bytes, const QString& name = "a.tvn")
    {
        const QString path = dir.filePath(name);
        writeFile(path, bytes);
        return path;
    }

    QVariant site(const QString& column, qint32 key = 1)
    {
        return db.conn().scalar(QString("SELECT \"%1\" FROM SITEINFO WHERE SITEKEY=?").arg(column), {key}).value();
    }
};

}   // namespace

TEST_F(V2File, ImportsTheGoldenFile)
{
    FakePrompts ui;
    std::optional<AnalysisTreeGroup> nodes = ImportV2File(db.conn(), file(golden()), ui);
    ASSERT_TRUE(nodes.has_value());
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_TRUE(ui.asked.empty());

    EXPECT_EQ(site("FILENAME"), "Abc");
    EXPECT_EQ(site("PETNAME"), "Acme O'Neil");
    EXPECT_FALSE(site("PETID").isValid());
    EXPECT_EQ(site("USERNAME"), QString::fromUtf8("J. Caf\xC3\xA9"));
    EXPECT_EQ(site("COMMENTS"), QString::fromUtf8("line1\r\nline2 \xE2\x80\x9Cq\xE2\x80\x9D"));
    EXPECT_EQ(site("KORRGION").toInt(), 4);
    EXPECT_EQ(db.conn()
                  .scalar("SELECT WMUTYPE || '/' || WASTEVOL || '/' || WVOLUNIT || '/' || FLOWRATE FROM WMUINFO "
                          "WHERE SITEKEY=1")
                  .value(),
              "SI/1000.0/2/100.5");

    QueryRows cocs = db.conn()
                         .select("SELECT CHEMCAS, DLTCLP, DLTOTAL, TCLPCONC, CARCNON, LOGKOW, MCL, BCF, GWINGh, "
                                 "LMTPTHTO, ECOACUTE, RESERVED01 FROM SITECOCS WHERE SITEKEY=1 ORDER BY rowid")
                         .value();
    ASSERT_EQ(cocs.rows.size(), 2u);
    EXPECT_EQ(cocs.rows[0][0], "7439-97-6");
    EXPECT_EQ(cocs.rows[0][1].toInt(), 1);
    EXPECT_EQ(cocs.rows[0][2].toInt(), 0);
    EXPECT_EQ(cocs.rows[0][4], "Noncarcinogen");
    EXPECT_EQ(cocs.rows[0][5].toDouble(), -0.25);
    EXPECT_EQ(cocs.rows[0][6].toDouble(), 0.5);
    EXPECT_EQ(cocs.rows[0][7].toDouble(), 5.5);
    EXPECT_EQ(cocs.rows[0][8].toDouble(), 0.0);
    EXPECT_EQ(cocs.rows[0][9], "0");
    EXPECT_EQ(cocs.rows[0][10].toDouble(), 0.0);
    EXPECT_FALSE(cocs.rows[0][11].isValid());
    EXPECT_FALSE(cocs.rows[1][3].isValid());
    EXPECT_EQ(cocs.rows[1][2].toInt(), 1);
    EXPECT_FALSE(cocs.rows[1][5].isValid());

    EXPECT_EQ((*nodes)[0].key, "KEY1");
    EXPECT_EQ((*nodes)[0].text, "Abc");
    EXPECT_TRUE((*nodes)[0].bold);
    EXPECT_EQ((*nodes)[1].text, "Petition ID: ");
    EXPECT_EQ((*nodes)[3].text, "Address 2: ");
    EXPECT_EQ((*nodes)[5].text, "State: OH");
    EXPECT_EQ((*nodes)[6].text, "Waste date:  Jan-05-2001 ");
    EXPECT_EQ((*nodes)[8].key, "KEY1h");
}

TEST_F(V2File, ExportReproducesTheGoldenFileByteForByte)
{
    FakePrompts ui;
    ASSERT_TRUE(ImportV2File(db.conn(), file(golden()), ui).has_value());
    const QString out = dir.filePath("out.TVN");
    ASSERT_TRUE(ExportV2File(db.conn(), 1, out, ui));
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(readFile(out).toHex(), golden().toHex());
}

TEST_F(V2File, RoundTripOfAnAnalysisWithEveryColumnFilled)
{
    const QString memo = QString::fromUtf8("Notes \xE2\x80\x94 \xE2\x82\xAC 5, \xC2\xBD ton\r\n") + QString(3000, 'x');
    db.insertAnalysis(7, "O'Brien's \"Pit\" \xC3\xA9",
                      {{"PETNAME", QString::fromUtf8("Caf\xC3\xA9 Stra\xC3\x9F"
                                                     "e")},
                       {"PETID", "P-1"},
                       {"FACID1", "A1"},
                       {"FACID2", "A2"},
                       {"CITY", "Zürich"},
                       {"STATE", "PR"},
                       {"ZIPCODE", "00901"},
                       {"ANALDATE", " Feb-28-1999 "},
                       {"DLSTDATE", "03/04/2005"},
                       {"USERNAME", "me"},
                       {"COMMENTS", memo},
                       {"KORRGION", -1},
                       {"WSTEDESC", "desc"},
                       {"WSTECODE", "K001, K002"}},
                      {{"WMUTYPE", "LF"}, {"WVOLUNIT", 1}, {"FLOWRATE", QVariant()}, {"FLWRUNIT", 0}});
    QVariantMap row = {{"SITEKEY", 7},       {"CHEMCAS", "UD-1"}, {"CHEMNAME", "Ma'am's chemical"},
                       {"TCLPCONC", 1e-300}, {"DLTCLP", true},    {"TOTCONC", QVariant()},
                       {"DLTOTAL", false},   {"LOGKOW", 3.25},    {"GWINGh", 9.0},
                       {"RESERVED03", 1.0}};
    for (const QString& p : chemicalPropertyFields())
        row.insert(p,
                   p == "CARCNON" ? QVariant("Carcinogen") : QVariant(1.0 / (chemicalPropertyFields().indexOf(p) + 3)));
    row.insert("HENRY", QVariant());
    db.insert("SITECOCS", row);
    row["CHEMCAS"] = "50-00-0";
    row["DLTCLP"] = false;
    row["DLTOTAL"] = true;
    db.insert("SITECOCS", row);

    FakePrompts ui;
    const QString path = dir.filePath("round.TVN");
    ASSERT_TRUE(ExportV2File(db.conn(), 7, path, ui));

    TempDatabase other;
    ScopedProgramState otherScope(other.state);
    ASSERT_TRUE(ImportV2File(other.conn(), path, ui).has_value());
    EXPECT_TRUE(ui.shown.empty());

    const auto inputs = [](const TableDef& t) {
        QStringList cols;
        for (size_t i = 1; i < t.columns.size(); ++i)
            if (&t != &siteCocsTable() || i <= 31 || t.columns[i].name == "LOGKOW")
                cols << QString("\"%1\"").arg(t.columns[i].name);
        return cols.join(',');
    };
    for (const TableDef* t : {&siteInfoTable(), &wmuInfoTable(), &siteCocsTable()}) {
        const QString sql = QString("SELECT %1 FROM %2 ORDER BY rowid").arg(inputs(*t), t->name);
        QueryRows before = db.conn().select(sql).value();
        QueryRows after = other.conn().select(sql).value();
        ASSERT_EQ(before.rows.size(), after.rows.size()) << qPrintable(t->name);
        for (size_t r = 0; r < before.rows.size(); ++r)
            for (int c = 0; c < before.columns.size(); ++c)
                EXPECT_EQ(before.rows[r][c], after.rows[r][c]) << qPrintable(t->name + "." + before.columns[c]);
    }
    EXPECT_EQ(other.conn().scalar("SELECT FILENAME FROM SITEINFO").value(),
              QString::fromUtf8("O'Brien's \"Pit\" \xC3\xA9"));
    EXPECT_EQ(other.conn().scalar("SELECT COUNT(*) FROM SITECOCS WHERE GWINGh = 0 AND RESERVED03 IS NULL").value(), 2);
}

TEST_F(V2File, NameConflictAsksForATitle)
{
    db.insertAnalysis(1, "Abc");
    FakePrompts ui;
    ui.title(QString("Abc again"));
    std::optional<AnalysisTreeGroup> nodes = ImportV2File(db.conn(), file(golden()), ui);
    ASSERT_TRUE(nodes.has_value());
    ASSERT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(ui.asked[0].caption, "Title for Imported v.2.0 Analysis");
    EXPECT_EQ(ui.asked[0].label, "The name of the analysis being imported already exists in the database.  Please "
                                 "enter a File Name for TOVI v.2.0 to reference it by.");
    EXPECT_EQ((*nodes)[0].key, "KEY2");
    EXPECT_EQ(site("FILENAME", 2), "Abc again");
    EXPECT_EQ(db.count("SITECOCS"), 2);
}

TEST_F(V2File, EmptyNameAsksForATitle)
{
    FakePrompts ui;
    ui.title(QString("Named"));
    ASSERT_TRUE(ImportV2File(db.conn(), file(golden("")), ui).has_value());
    EXPECT_EQ(site("FILENAME"), "Named");
}

TEST_F(V2File, CancelledTitleWritesNothing)
{
    db.insertAnalysis(1, "Abc");
    const QByteArray before = db.checksum();
    FakePrompts ui;
    ui.title(std::nullopt);
    EXPECT_FALSE(ImportV2File(db.conn(), file(golden()), ui).has_value());
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(db.checksum(), before);
}

TEST_F(V2File, NamesDifferingInCaseAreRefusedByTheDatabase)
{
    db.insertAnalysis(1, "ABC");
    const QByteArray before = db.checksum();
    FakePrompts ui;
    EXPECT_FALSE(ImportV2File(db.conn(), file(golden("abc")), ui).has_value());
    EXPECT_TRUE(ui.asked.empty());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].title, "Import Error");
    EXPECT_EQ(ui.shown[0].text, kImportError);
    EXPECT_EQ(ui.shown[0].style, prompt::Critical);
    EXPECT_EQ(db.checksum(), before);

    FakePrompts again;
    again.title(QString("abc"));
    EXPECT_FALSE(ImportV2File(db.conn(), file(golden("ABC")), again).has_value());
    EXPECT_EQ(again.titles(), QStringList{"Import Error"});
    EXPECT_EQ(db.checksum(), before);
}

TEST_F(V2File, DamagedFilesAreRefusedAndWriteNothing)
{
    db.insertAnalysis(3, "Stored");
    const QByteArray before = db.checksum();
    const QByteArray good = golden();
    const qsizetype countAt = goldenUnit(goldenSite("Abc")).bytes.size();

    // What was refused, the file, and a word of the reason the reader gives.
    std::vector<std::tuple<const char*, QByteArray, QString>> damaged;
    QByteArray negative = good;
    negative.replace(countAt, 4, QByteArray("\xFF\xFF\xFF\xFF", 4));
    damaged.push_back({"negative count", negative, "negative"});
    QByteArray huge = good;
    huge.replace(countAt, 4, QByteArray("\xFF\x7F\x00\x00", 4));
    damaged.push_back({"count beyond the bytes", huge, "ends"});
    QByteArray unknown = good;
    unknown[11] = 9;
    damaged.push_back({"unknown type code", unknown, "unknown type 9"});
    FileBytes textForNumber = goldenSite("Abc");
    textForNumber.text("LF").text("1000");
    damaged.push_back({"text where a number belongs", textForNumber.bytes + good.mid(textForNumber.bytes.size()),
                       "text where WASTEVOL belongs"});
    damaged.push_back({"unknown unit", goldenUnit(goldenSite("Abc"), "XX").count(0).bytes, "unit"});
    damaged.push_back({"empty unit", goldenUnit(goldenSite("Abc"), "").count(0).bytes, "unit"});
    FileBytes longState = goldenSite("Abc");
    ASSERT_TRUE(longState.bytes.contains(QByteArray("\x08\x00\x02\x00OH", 6)));
    longState.bytes.replace(QByteArray("\x08\x00\x02\x00OH", 6), QByteArray("\x08\x00\x03\x00OHI", 7));
    damaged.push_back({"text longer than its column", goldenUnit(longState).count(0).bytes, "STATE"});
    for (qsizetype n = 11; n < good.size(); ++n)
        damaged.push_back({"truncated", good.left(n), "ends"});

    for (const auto& [what, bytes, reason] : damaged) {
        Result<AnalysisRows> read = readV2File(bytes);
        ASSERT_FALSE(read.ok()) << what;
        EXPECT_TRUE(read.error().description.contains(reason)) << what << ": " << qPrintable(read.error().description);
        FakePrompts ui;
        EXPECT_FALSE(ImportV2File(db.conn(), file(bytes), ui).has_value()) << what;
        EXPECT_EQ(ui.titles(), QStringList{"Import Error"}) << what << " " << bytes.size();
    }
    EXPECT_EQ(db.checksum(), before);
    EXPECT_EQ(db.count("SITEINFO"), 1);
}

TEST_F(V2File, ReadsNoFurtherThanTheLargestAnalysis)
{
    FakePrompts ui;
    const QString huge = dir.filePath("huge.tvn");
    writeSparseFile(huge, goldenUnit(goldenSite("Abc")).count(30'000'000).bytes, kTwoGigabytes);
    const ReadCost refused = measureRead([&] { EXPECT_FALSE(ImportV2File(db.conn(), huge, ui).has_value()); });
    EXPECT_EQ(ui.titles(), QStringList{"Import Error"});
    EXPECT_LT(refused.milliseconds, 5000);
    EXPECT_LT(refused.peakGrowthKb, 2 * largestV2FileBytes() / 1024);

    // Bytes after the last row are ignored, however many there are.
    const QString trailing = dir.filePath("trailing.tvn");
    writeSparseFile(trailing, golden(), kTwoGigabytes);
    FakePrompts accepted;
    const ReadCost cost = measureRead([&] { EXPECT_TRUE(ImportV2File(db.conn(), trailing, accepted).has_value()); });
    EXPECT_TRUE(accepted.shown.empty());
    EXPECT_LT(cost.milliseconds, 5000);
    EXPECT_EQ(db.count("SITECOCS"), 2);

    // The most rows a file carries, each as short as a row can be, and one row more.
    const QByteArray nullRow = FileBytes().null().bytes.repeated(32);
    EXPECT_EQ(readV2File(goldenUnit(goldenSite("Most")).count(kMaxConstituents).bytes
                         + nullRow.repeated(kMaxConstituents))
                  .value()
                  .constituents.size(),
              size_t(kMaxConstituents));
    Result<AnalysisRows> more = readV2File(goldenUnit(goldenSite("More")).count(kMaxConstituents + 1).bytes
                                           + nullRow.repeated(kMaxConstituents + 1));
    ASSERT_FALSE(more.ok());
    EXPECT_TRUE(more.error().description.contains("more constituents")) << qPrintable(more.error().description);
    AnalysisRows tooMany;
    tooMany.constituents.assign(size_t(kMaxConstituents) + 1, emptyRow(siteCocsTable()));
    EXPECT_FALSE(encodeV2File(tooMany).ok()) << "no file is written that the reader refuses";
}

TEST_F(V2File, ReaderAcceptsWhatOtherWritersMayUse)
{
    FileBytes f;
    f.raw("Version 2.0");
    f.text("Other").empty().null().null().null().null().text("oh").null();
    f.u16(7).u64(0).null().null().null().i32(3).null().null();   // ANALDATE as a date, KORRGION as 32-bit
    f.text("lf").u16(4).u32(0x447A0000).u16(17).raw("\x01").u16(6).u64(100000).dbl(1e-4).i32(1).null().i16(0);
    f.count(0);
    f.raw("trailing bytes are ignored");
    FakePrompts ui;
    ASSERT_TRUE(ImportV2File(db.conn(), file(f.bytes), ui).has_value());
    EXPECT_EQ(site("ANALDATE"), " Dec-30-1899 ");
    EXPECT_EQ(site("STATE"), "oh");
    EXPECT_EQ(site("KORRGION").toInt(), 3);
    EXPECT_EQ(db.conn()
                  .scalar("SELECT WMUTYPE || '/' || WASTEVOL || '/' || WVOLUNIT || '/' || ACTVLIFE FROM WMUINFO")
                  .value(),
              "LF/1000.0/1/10.0");
    EXPECT_EQ(db.count("SITECOCS"), 0);
}

TEST_F(V2File, OtherFilesMayGoToTheVersionOneImporter)
{
    const QByteArray before = db.checksum();
    FakePrompts no;
    no.answer(prompt::No);
    EXPECT_FALSE(ImportV2File(db.conn(), file("Version 1.0 or something else"), no).has_value());
    ASSERT_EQ(no.shown.size(), 1u);
    EXPECT_EQ(no.shown[0].title, "Invalid File Format");
    EXPECT_EQ(no.shown[0].text,
              "This is not a valid TOVI v.2.0 file.  Would you like to try to import it as a TOVI v.1.0 file?");
    EXPECT_EQ(no.shown[0].style, prompt::YesNo);

    FakePrompts shortFile;
    shortFile.answer(prompt::No);
    EXPECT_FALSE(ImportV2File(db.conn(), file("Version"), shortFile).has_value());
    EXPECT_EQ(shortFile.titles(), QStringList{"Invalid File Format"});
    EXPECT_EQ(db.checksum(), before);

    FakePrompts yes;
    yes.answer(prompt::Yes);
    EXPECT_FALSE(ImportV2File(db.conn(), file("garbage"), yes).has_value());
    ASSERT_EQ(yes.titles(), (QStringList{"Invalid File Format", "Import Error"}));
    EXPECT_EQ(yes.shown[1].style, prompt::Information);
    EXPECT_EQ(db.checksum(), before);
}

TEST_F(V2File, MissingFileIsAnImportError)
{
    FakePrompts ui;
    EXPECT_FALSE(ImportV2File(db.conn(), dir.filePath("none.tvn"), ui).has_value());
    EXPECT_EQ(ui.titles(), QStringList{"Import Error"});
}

TEST_F(V2File, NothingIsImportedWhileAnAnalysisIsOpen)
{
    db.state.gCurSiteKey = 5;
    FakePrompts ui;
    EXPECT_FALSE(ImportV2File(db.conn(), file(golden()), ui).has_value());
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(db.count("SITEINFO"), 0);
}

TEST_F(V2File, AnalysisWithoutConstituentsExportsCountZero)
{
    db.insertAnalysis(4, "Bare");
    FakePrompts ui;
    const QString path = dir.filePath("bare.tvn");
    ASSERT_TRUE(ExportV2File(db.conn(), 4, path, ui));
    const QByteArray bytes = readFile(path);
    EXPECT_EQ(bytes.right(4), QByteArray(4, '\0'));
    ASSERT_TRUE(ImportV2File(db.conn(), path, ui.title(QString("Bare 2"))).has_value());
    EXPECT_EQ(db.count("SITECOCS"), 0);
    EXPECT_EQ(db.count("WMUINFO"), 2);
}

TEST_F(V2File, ExportFailuresAreReportedAndLeaveNoFile)
{
    FakePrompts ui;
    EXPECT_FALSE(ExportV2File(db.conn(), 9, QString(), ui));
    EXPECT_TRUE(ui.shown.empty());

    EXPECT_FALSE(ExportV2File(db.conn(), 9, dir.filePath("unsaved.tvn"), ui));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].title, "Unable to Export");
    EXPECT_EQ(ui.shown[0].text, "The analysis has not been saved.");
    EXPECT_FALSE(QFile::exists(dir.filePath("unsaved.tvn")));

    FakePrompts noneChosen;
    EXPECT_FALSE(ExportV2File(db.conn(), 0, dir.filePath("none.tvn"), noneChosen));
    EXPECT_EQ(noneChosen.titles(), QStringList{"Export Error"});
    EXPECT_FALSE(QFile::exists(dir.filePath("none.tvn")));

    db.insertAnalysis(2, QString::fromUtf8("\xE4\xB8\xAD"));
    FakePrompts foreign;
    EXPECT_FALSE(ExportV2File(db.conn(), 2, dir.filePath("foreign.tvn"), foreign));
    ASSERT_EQ(foreign.shown.size(), 1u);
    EXPECT_EQ(foreign.shown[0].title, "Export Error");
    EXPECT_EQ(foreign.shown[0].text, "An error occurred while performing the export.  Please try again.");
    EXPECT_EQ(foreign.shown[0].style, prompt::Information);
    EXPECT_FALSE(QFile::exists(dir.filePath("foreign.tvn")));

    db.insertAnalysis(3, "Fine");
    FakePrompts unwritable;
    EXPECT_FALSE(ExportV2File(db.conn(), 3, dir.filePath("no/such/folder/x.tvn"), unwritable));
    EXPECT_EQ(unwritable.titles(), QStringList{"Export Error"});
}
