#include "data/analysis_file_import.h"
#include "data/analysis_file_v1.h"
#include "file_test_support.h"

#include "core/temp_database.h"

#include <QTemporaryDir>

namespace {

const QString kImportError = QStringLiteral(
    "The program experienced an error while trying to import the version 1.0 file.  Please ensure that the file "
    "is a valid TOVI v.1.0 file.");

const QByteArray kUnitAndConstituents =
    "0.1,1E-5,5000,20,0\r\n"
    "3\r\n"
    "\"Mercury\",-1,5,7439976,0.05,10\r\n"
    "\"Chromium\",1,-2,7440473a,1.5,\"n/a\"\r\n"
    "\"My chem\",0,0,\"UD-001\",2,3\r\n"
    "\"User-defined chemicals\"\r\n"
    "\"My Chem\",\"UD-001\",\"N\",1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21\r\n"
    "Some free text\r\n"
    "NOTE\r\n"
    "first\r\n"
    "NOTE\r\n"
    "second\r\n";

// A version 1.0 file with the given site items (the address forms differ) and three constituents:
// one of the chemical table, one unknown, one user-defined.
QByteArray
sample(const QByteArray& siteItems =
           "\"Acme Corp\",\"100 Plant Rd\",\"Springfield, Illinois\",\"skipped\",\"Jane Doe\",12345,#3/15/1998#")
{
    return siteItems + "\r\n" + kUnitAndConstituents;
}

// Site and unit items, then the given constituent block.
QByteArray withConstituents(const QByteArray& block)
{
    return "Pet,Addr,\"Town, OH\",x,User,1,none\r\n0.1,1E-5,5000,20,0\r\n" + block;
}

class V1File : public ::testing::Test {
protected:
    void SetUp() override
    {
        QVariantMap mercury = {{"CHEMNAME", "Mercury (elemental)"}, {"CHEMCAS", "7439-97-6"}, {"LOGKOW", 0.62}};
        for (const QString& p : chemicalPropertyFields())
            mercury.insert(p, p == "CARCNON" ? QVariant("Noncarcinogen")
                                             : QVariant(chemicalPropertyFields().indexOf(p) + 0.5));
        db.insert("COCS", mercury);
        db.insert("COCS", {{"CHEMNAME", "Chromium (III)"}, {"CHEMCAS", "18540-29-9"}, {"MCL", 0.1}});
    }

    QString file(const QByteArray& bytes)
    {
        const QString path = dir.filePath(QString("f%1.tvn").arg(++m_files));
        writeFile(path, bytes);
        return path;
    }

    QueryRows query(const QString& sql) { return db.conn().select(sql).value(); }
    QVariant site(const QString& column)
    {
        return db.conn().scalar(QString("SELECT \"%1\" FROM SITEINFO").arg(column)).value();
    }

    TempDatabase db;
    ScopedProgramState scope{db.state};
    QTemporaryDir dir;

private:
    int m_files = 0;
};

std::optional<TableRow> noChemicals(const QString&)
{
    return std::nullopt;
}

}   // namespace

TEST(FormatCasNumber, LaysOutTheDigits)
{
    EXPECT_EQ(FormatCasNumber(7440473.0).value(), "7440-47-3");
    EXPECT_EQ(FormatCasNumber("7440473").value(), "7440-47-3");
    EXPECT_EQ(FormatCasNumber("7440473a").value(), "7440-47-4");
    EXPECT_EQ(FormatCasNumber(71432.0).value(), "71-43-2");
    EXPECT_EQ(FormatCasNumber(18540299.0).value(), "18540-29-9");
    EXPECT_EQ(FormatCasNumber(123.0).value(), "-12-3");
    EXPECT_EQ(FormatCasNumber(71432.5).value(), "71-43-2");
    EXPECT_EQ(FormatCasNumber(71433.5).value(), "71-43-4");
    EXPECT_EQ(FormatCasNumber("UD-001").value(), "UD-001");
    EXPECT_EQ(FormatCasNumber("UD-1a").value(), "1");
    EXPECT_EQ(FormatCasNumber("12").value(), "12");
    EXPECT_EQ(FormatCasNumber("a").value(), "1");
    EXPECT_FALSE(FormatCasNumber("UD001").ok());
    EXPECT_FALSE(FormatCasNumber("71-43-2").ok());
    EXPECT_FALSE(FormatCasNumber(1e10).ok());
    EXPECT_FALSE(FormatCasNumber("99999999999a").ok());
    EXPECT_FALSE(FormatCasNumber("").ok());
}

TEST_F(V1File, ImportsTheSample)
{
    FakePrompts ui;
    ui.title(QString("Petition 1998"));
    std::optional<AnalysisTreeGroup> nodes = ImportV1File(db.conn(), file(sample()), ui);
    ASSERT_TRUE(nodes.has_value());
    ASSERT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(ui.asked[0].caption, "Title for Imported v.1.0 Analysis");
    EXPECT_EQ(ui.asked[0].label, "Please enter a File Name for this v.1.0 analysis for TOVI v.2.0 to reference it by.");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].title, "Chemical Not Found");
    EXPECT_EQ(ui.shown[0].text, "The program couldn't find the chemical with CAS Number 18540-30-0 in the database.  "
                                "You will need to fill in the chemical property fields once the import is complete.");
    EXPECT_EQ(ui.shown[0].style, prompt::Information);

    QueryRows s = query("SELECT SITEKEY, FILENAME, PETNAME, PETID, FACID1, FACID2, CITY, STATE, ZIPCODE, ANALDATE, "
                        "DLSTDATE, USERNAME, COMMENTS, KORRGION, WSTEDESC, WSTECODE FROM SITEINFO");
    ASSERT_EQ(s.rows.size(), 1u);
    const QVariantList expected = {1,
                                   "Petition 1998",
                                   "Acme Corp",
                                   "",
                                   "100 Plant Rd",
                                   QVariant(),
                                   "Springfield",
                                   "IL",
                                   "",
                                   "",
                                   " Mar-15-1998 ",
                                   "Jane Doe",
                                   "firstsecond",
                                   0,
                                   "12345",
                                   ""};
    for (int c = 0; c < s.columns.size(); ++c)
        EXPECT_EQ(s.rows[0][c].toString(), expected[c].toString()) << qPrintable(s.columns[c]);
    EXPECT_FALSE(s.rows[0][5].isValid());
    for (int empty : {3, 8, 9, 15})
        EXPECT_TRUE(s.rows[0][empty].isValid()) << qPrintable(s.columns[empty]) << " is stored as empty text";

    QueryRows u =
        query("SELECT HQFACT, RISKFACT, WASTEVOL, ACTVLIFE, WMUTYPE, WVOLUNIT, FLOWRATE, FLWRUNIT FROM WMUINFO "
              "WHERE SITEKEY=1");
    ASSERT_EQ(u.rows.size(), 1u);
    EXPECT_EQ(u.rows[0], (QVector<QVariant>{0.1, 1e-5, 5000.0, 20.0, "LF", 0, 1.0, 0}));

    QueryRows c = query("SELECT CHEMCAS, CHEMNAME, DLTCLP, DLTOTAL, TCLPCONC, TOTCONC, CARCNON, ORGANIC, MCL, HENRY, "
                        "LOGKOW, ECOACUTE, ECOCHRON, BCF, BAF, SOL, KSW FROM SITECOCS WHERE SITEKEY=1 ORDER BY rowid");
    ASSERT_EQ(c.rows.size(), 3u);
    EXPECT_EQ(c.rows[0], (QVector<QVariant>{"7439-97-6", "Mercury (elemental)", 1, 0, 0.05, 10.0, "Noncarcinogen", 18.5,
                                            0.5, 8.5, 0.62, QVariant(), 20.5, 5.5, 19.5, 11.5, 24.5}));
    EXPECT_EQ(c.rows[1], (QVector<QVariant>{"18540-30-0", "Chromium", 0, 1, 1.5, 0.0, "Carcinogen", 1.0, 0.0, 0.0, 0.0,
                                            QVariant(), 0.0, 0.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(c.rows[2], (QVector<QVariant>{"UD-001", "My Chem", 0, 0, 2.0, 3.0, "Noncarcinogen", 1.0, 18.0, 5.0,
                                            QVariant(), 15.0, 15.0, 14.0, 14.0, 1.0, 21.0}));

    EXPECT_EQ((*nodes)[0].key, "KEY1");
    EXPECT_EQ((*nodes)[0].text, "Petition 1998");
    EXPECT_EQ((*nodes)[3].text, "Address 2: ");
    EXPECT_EQ((*nodes)[4].text, "City: Springfield");
    EXPECT_EQ((*nodes)[7].text, "Delisting date:  Mar-15-1998 ");
}

TEST_F(V1File, AddressForms)
{
    struct Case {
        QByteArray items;
        QVariant facid2, city, state, user;
    };
    const Case cases[] = {
        {"P,A1,\"Suite 5\",\"Dover,DE\",skipped,Me,1,x", "Suite 5", "Dover", "DE", "Me"},
        {"P,A1,\"Suite 5\",\"Dover, DE\",skipped,Me,1,x", "Suite 5", "Dover", "", "Me"},
        {"P,A1,Suite 5,Nowhere,Me,1,x", "Suite 5", "", "", "Me"},
        {"P,A1,\"  Columbus ,  ohio \",skipped,Me,1,x", QVariant(), "Columbus", "OH", "Me"},
        {"P,A1,\"Boston, Massachusetts\",skipped,Me,1,x", QVariant(), "Boston", "MA", "Me"},
        {"P,A1,\"Tulsa,ok\",skipped,Me,1,x", QVariant(), "Tulsa", "ok", "Me"},
    };
    for (const Case& c : cases) {
        const V1Analysis a = readV1File(c.items + "\r\n0.1,1E-5,5000,20,0\r\n0\r\n", noChemicals).value();
        const TableRow& s = a.rows.site;
        EXPECT_EQ(s[columnOf(siteInfoTable(), "FACID2")], c.facid2) << c.items.constData();
        EXPECT_EQ(s[columnOf(siteInfoTable(), "CITY")], c.city) << c.items.constData();
        EXPECT_EQ(s[columnOf(siteInfoTable(), "STATE")], c.state) << c.items.constData();
        EXPECT_EQ(s[columnOf(siteInfoTable(), "USERNAME")], c.user) << c.items.constData();
    }
}

TEST_F(V1File, ItemsAndTheirValues)
{
    const QByteArray text = "  12.50 , \"quoted, with comma\" dropped ,\"Dover,DE\",x, \"O'Hara \x93"
                            "Q\x94\" ,42.4,\"1/2/2003\"\n"
                            "\"1.0\",2E-5,text,\"7\",1\n"
                            "\"2\"\r"
                            "n,-1,5,16065381,1e3,\"4\"\r"
                            "x,0,0,7440473,,\r\n";
    Result<V1Analysis> read = readV1File(text, noChemicals);
    ASSERT_TRUE(read.ok()) << qPrintable(read.error().description);
    const V1Analysis& a = *read;
    const TableDef& si = siteInfoTable();
    EXPECT_EQ(a.rows.site[columnOf(si, "PETNAME")], "12.5");
    EXPECT_EQ(a.rows.site[columnOf(si, "FACID1")], "quoted, with comma");
    EXPECT_EQ(a.rows.site[columnOf(si, "USERNAME")], QString::fromUtf8("O'Hara \xE2\x80\x9CQ\xE2\x80\x9D"));
    EXPECT_EQ(a.rows.site[columnOf(si, "WSTEDESC")], "42");
    EXPECT_EQ(a.rows.site[columnOf(si, "DLSTDATE")], " Jan-02-2003 ");
    EXPECT_EQ(a.rows.site[columnOf(si, "COMMENTS")], "");

    const TableDef& wi = wmuInfoTable();
    EXPECT_EQ(a.rows.unit[columnOf(wi, "HQFACT")], 1.0);
    EXPECT_FALSE(readV1File("P,A,B,C,D,1,x\nabc,1,1,1,1\n0\n", noChemicals).ok());
    EXPECT_EQ(a.rows.unit[columnOf(wi, "WASTEVOL")], 0.0);
    EXPECT_EQ(a.rows.unit[columnOf(wi, "ACTVLIFE")], 7.0);
    EXPECT_EQ(a.rows.unit[columnOf(wi, "WMUTYPE")], "SI");

    ASSERT_EQ(a.rows.constituents.size(), 2u);
    const TableDef& ci = siteCocsTable();
    const TableRow& first = a.rows.constituents[0];
    EXPECT_EQ(first[columnOf(ci, "DLTCLP")], 1);
    EXPECT_EQ(first[columnOf(ci, "DLTOTAL")], 0);
    EXPECT_EQ(first[columnOf(ci, "CHEMCAS")], "7440-47-4");
    EXPECT_EQ(first[columnOf(ci, "CHEMNAME")], "n");
    EXPECT_EQ(first[columnOf(ci, "TCLPCONC")], 1000.0);
    EXPECT_EQ(first[columnOf(ci, "TOTCONC")], 4.0);
    const TableRow& second = a.rows.constituents[1];
    EXPECT_EQ(second[columnOf(ci, "CHEMCAS")], "18540-29-9");
    EXPECT_EQ(second[columnOf(ci, "TCLPCONC")], 0.0);
    EXPECT_EQ(a.chemicalsNotFound, (QStringList{"7440-47-4", "18540-29-9"}));
}

TEST_F(V1File, UnitTypeAndDateItems)
{
    const auto unit = [](const QByteArray& items) {
        return readV1File("P,A,B,C,U,1,x\n" + items + "\n0\n", noChemicals).value().rows.unit;
    };
    const int type = columnOf(wmuInfoTable(), "WMUTYPE");
    EXPECT_EQ(unit("1,1,1,1,0")[type], "LF");
    EXPECT_EQ(unit("1,1,1,1,1")[type], "SI");
    EXPECT_EQ(unit("1,1,1,1,\"2\"")[type], "SI");
    EXPECT_EQ(unit("1,1,1,1,SI")[type], "LF");
    EXPECT_EQ(unit("1,1,vol,life,-3")[type], "LF");
    EXPECT_EQ(unit("1,1,vol,life,0")[columnOf(wmuInfoTable(), "ACTVLIFE")], 1.0);

    const auto delisted = [](const QByteArray& item) {
        return readV1File("P,A,B,C,U,1," + item + "\n1,1,1,1,0\n0\n", noChemicals)
            .value()
            .rows.site[columnOf(siteInfoTable(), "DLSTDATE")];
    };
    EXPECT_EQ(delisted("#1998-03-15#"), " Mar-15-1998 ");
    EXPECT_EQ(delisted("\"Mar-15-1998\""), " Mar-15-1998 ");
    EXPECT_EQ(delisted("\"not a date\""), "");
    EXPECT_EQ(delisted("#2/30/1998#"), "");
    EXPECT_EQ(delisted("19980315"), "");
}

TEST_F(V1File, NameConflictLoopAndCancel)
{
    db.insertAnalysis(1, "Taken");
    FakePrompts ui;
    ui.title(QString("Taken")).title(QString("TAKEN")).title(QString("Fresh"));
    ASSERT_TRUE(ImportV1File(db.conn(), file(sample()), ui).has_value());
    ASSERT_EQ(ui.titles(), (QStringList{"Name Conflict", "Name Conflict", "Chemical Not Found"}));
    EXPECT_EQ(ui.shown[0].text,
              "The filename that you entered for this analysis exists.  Please choose another name for the analysis.");
    ASSERT_EQ(ui.asked.size(), 3u);
    EXPECT_EQ(ui.asked[1].text, "Taken");
    EXPECT_EQ(ui.asked[2].text, "TAKEN");
    EXPECT_EQ(db.conn().scalar("SELECT FILENAME FROM SITEINFO WHERE SITEKEY=2").value(), "Fresh");

    const QByteArray before = db.checksum();
    FakePrompts cancel;
    cancel.title(QString("Fresh")).title(std::nullopt);
    EXPECT_FALSE(ImportV1File(db.conn(), file(sample()), cancel).has_value());
    EXPECT_EQ(cancel.titles(), QStringList{"Name Conflict"});
    FakePrompts first;
    first.title(std::nullopt);
    EXPECT_FALSE(ImportV1File(db.conn(), file(sample()), first).has_value());
    EXPECT_TRUE(first.shown.empty());
    EXPECT_EQ(db.checksum(), before);
}

TEST_F(V1File, TitleWithQuotesAndApostrophes)
{
    FakePrompts ui;
    ui.title(QString("Jim's \"best\" site"));
    ASSERT_TRUE(ImportV1File(db.conn(), file(sample()), ui).has_value());
    EXPECT_EQ(site("FILENAME"), "Jim's \"best\" site");
}

TEST_F(V1File, DamagedFilesAreRefusedAndWriteNothing)
{
    db.insertAnalysis(1, "Stored");
    const QByteArray before = db.checksum();
    const QByteArray good = sample();
    std::vector<std::pair<const char*, QByteArray>> damaged = {
        {"empty", ""},
        {"count not a number", withConstituents("abc\r\n")},
        {"negative count", withConstituents("-1\r\n")},
        {"count beyond the records", withConstituents("2\r\nx,0,0,71432,1,1\r\n")},
        {"waste description not a number", "P,A,B,C,U,desc,x\r\n1,1,1,1,0\r\n0\r\n"},
        {"hazard quotient not a number", "P,A,B,C,U,1,x\r\nhigh,1,1,1,0\r\n0\r\n"},
        {"CAS not a number", withConstituents("1\r\nx,0,0,\"71-43-2\",1,1\r\n")},
        {"unterminated quote", withConstituents("1\r\n\"x,0,0,71432,1,1\r\n")},
        {"user-defined block missing", withConstituents("1\r\nx,0,0,UD-9,1,1\r\n")},
        {"user-defined CAS too long",
         withConstituents("1\r\nx,0,0,UD-9,1,1\r\nhead\r\nn,\"UD-" + QByteArray(300, '9')
                          + "\",N,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21\r\n")},
    };
    const qsizetype itemsEnd = good.indexOf("21\r\n") + 2;
    for (qsizetype n = 1; n < itemsEnd - 1; ++n)
        damaged.push_back({"truncated", good.left(n)});

    for (const auto& [what, bytes] : damaged) {
        FakePrompts ui;
        EXPECT_FALSE(ImportV1File(db.conn(), file(bytes), ui).has_value()) << what << " " << bytes.size();
        ASSERT_EQ(ui.titles(), QStringList{"Import Error"}) << what << " " << bytes.size();
        EXPECT_EQ(ui.shown[0].text, kImportError);
        EXPECT_EQ(ui.shown[0].style, prompt::Information);
    }
    EXPECT_EQ(db.checksum(), before);
    EXPECT_EQ(db.count("SITEINFO"), 1);
}

TEST_F(V1File, FilesBeyondTheLargestAnalysisAreRefusedUnread)
{
    const QString huge = dir.filePath("huge.tvn");
    writeSparseFile(huge, sample(), kTwoGigabytes);
    FakePrompts ui;
    const ReadCost cost = measureRead([&] { EXPECT_FALSE(ImportV1File(db.conn(), huge, ui).has_value()); });
    EXPECT_EQ(ui.titles(), QStringList{"Import Error"});
    EXPECT_TRUE(ui.asked.empty()) << "refused before the title is asked";
    EXPECT_LT(cost.milliseconds, 2000);
    EXPECT_LT(cost.peakGrowthKb, 16 * 1024);
    EXPECT_EQ(db.count("SITEINFO"), 0);

    QByteArray records;
    for (int i = 0; i < kMaxConstituents; ++i)
        records += "x,0,0,7439976,1,1\r\n";
    const QByteArray count = QByteArray::number(kMaxConstituents);
    EXPECT_EQ(readV1File(withConstituents(count + "\r\n" + records), noChemicals).value().rows.constituents.size(),
              size_t(kMaxConstituents));
    Result<V1Analysis> more = readV1File(
        withConstituents(QByteArray::number(kMaxConstituents + 1) + "\r\n" + records + records.left(19)), noChemicals);
    ASSERT_FALSE(more.ok());
    EXPECT_TRUE(more.error().description.contains("out of range")) << qPrintable(more.error().description);
}

TEST_F(V1File, NotesNeedANoteLine)
{
    const V1Analysis a = readV1File(withConstituents("0\r\nfirst\r\nsecond\r\n"), noChemicals).value();
    EXPECT_EQ(a.rows.site[columnOf(siteInfoTable(), "COMMENTS")], "");
    const V1Analysis b = readV1File(withConstituents("0\nNOTE\nfirst\n\nNOTE\nsecond"), noChemicals).value();
    EXPECT_EQ(b.rows.site[columnOf(siteInfoTable(), "COMMENTS")], "firstsecond");
}

TEST_F(V1File, UserDefinedRecordsFollowTheRowOrder)
{
    const QByteArray block = "3\r\n"
                             "a,0,0,UD-1,1,1\r\n"
                             "b,0,0,7439976,1,1\r\n"
                             "c,0,0,UD-2,1,1\r\n"
                             "head\r\n"
                             "First,UD-A,C,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21\r\n"
                             "Second,UD-B,N,x,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21\r\n";
    FakePrompts ui;
    ui.title(QString("UD"));
    ASSERT_TRUE(ImportV1File(db.conn(), file(withConstituents(block)), ui).has_value());
    EXPECT_TRUE(ui.shown.empty());
    QueryRows c = query("SELECT CHEMNAME, CHEMCAS, CARCNON, CSFO FROM SITECOCS ORDER BY rowid");
    ASSERT_EQ(c.rows.size(), 3u);
    EXPECT_EQ(c.rows[0], (QVector<QVariant>{"First", "UD-A", "Carcinogen", 1.0}));
    EXPECT_EQ(c.rows[1][0], "Mercury (elemental)");
    EXPECT_EQ(c.rows[2], (QVector<QVariant>{"Second", "UD-B", "Noncarcinogen", 0.0}));
}

TEST_F(V1File, VersionTwoFilesGoToTheVersionTwoImporter)
{
    FakePrompts ui;
    EXPECT_FALSE(ImportV1File(db.conn(), file("Version 2.0 and then damage"), ui).has_value());
    EXPECT_TRUE(ui.asked.empty());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].style, prompt::Critical);
    EXPECT_TRUE(ui.shown[0].text.contains("version 2.0"));
}

TEST_F(V1File, EmptyPathAndOpenAnalysisDoNothing)
{
    FakePrompts ui;
    EXPECT_FALSE(ImportV1File(db.conn(), QString(), ui).has_value());
    db.state.gCurSiteKey = 3;
    EXPECT_FALSE(ImportV1File(db.conn(), file(sample()), ui).has_value());
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(db.count("SITEINFO"), 0);
}

TEST_F(V1File, ChemicalLookupIgnoresLetterCase)
{
    db.insert("COCS", {{"CHEMNAME", "Own"}, {"CHEMCAS", "UD-abc"}});
    const ChemicalLookup lookup = chemicalTableLookup(db.conn()).value();
    ASSERT_TRUE(lookup("ud-ABC").has_value());
    ASSERT_TRUE(lookup("7439-97-6").has_value());
    EXPECT_EQ((*lookup("7439-97-6"))[0], "Mercury (elemental)");
    EXPECT_FALSE(lookup("7439-97-7").has_value());
}
