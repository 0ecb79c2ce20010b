#include "data/chemical_table_file.h"
#include "file_test_support.h"

#include <QTemporaryDir>

#include <optional>

namespace {

// One COCS row of a chemical-table file: name, CAS, the 25 properties (CARCNON text), LOGKOW.
FileBytes chemical(FileBytes f, const QByteArray& name, const QByteArray& cas)
{
    f.text(name).text(cas);
    for (const QString& p : chemicalPropertyFields()) {
        if (p == "CARCNON")
            f.text("Carcinogen");
        else if (p == "HENRY")
            f.null();
        else
            f.dbl(chemicalPropertyFields().indexOf(p));
    }
    f.dbl(1.5);
    return f;
}

}   // namespace

TEST(ChemicalTableFile, ReadsRowsInFileOrder)
{
    FileBytes f = chemical(chemical({}, "Benzene", "71-43-2"), "Caf\xE9ine", "58-08-2");
    Result<std::vector<TableRow>> rows = readChemicalTableFile(f.bytes);
    ASSERT_TRUE(rows.ok()) << qPrintable(rows.error().description);
    ASSERT_EQ(rows->size(), 2u);
    const TableDef& t = cocsTable();
    EXPECT_EQ((*rows)[0][0], "Benzene");
    EXPECT_EQ((*rows)[1][0], QString::fromUtf8("Caf\xC3\xA9ine"));
    EXPECT_EQ((*rows)[1][1], "58-08-2");
    EXPECT_EQ((*rows)[0][columnOf(t, "CARCNON")], "Carcinogen");
    EXPECT_FALSE((*rows)[0][columnOf(t, "HENRY")].isValid());
    EXPECT_EQ((*rows)[0][columnOf(t, "MCL")], 0.0);
    EXPECT_EQ((*rows)[0][columnOf(t, "KSW")], 24.0);
    EXPECT_EQ((*rows)[0][27], 1.5);
}

TEST(ChemicalTableFile, AcceptsOtherNumberTypes)
{
    FileBytes f;
    f.empty().null();
    for (int i = 0; i < 25; ++i) {
        if (i == 21)
            f.null();
        else if (i % 3 == 0)
            f.i16(qint16(i));
        else if (i % 3 == 1)
            f.i32(i);
        else
            f.u16(4).u32(0x3F800000);
    }
    f.u16(17).raw("\x05");
    Result<std::vector<TableRow>> rows = readChemicalTableFile(f.bytes);
    ASSERT_TRUE(rows.ok()) << qPrintable(rows.error().description);
    ASSERT_FALSE(rows->empty());
    EXPECT_FALSE((*rows)[0][0].isValid());
    EXPECT_EQ((*rows)[0][2], 0.0);
    EXPECT_EQ((*rows)[0][3], 1.0);
    EXPECT_EQ((*rows)[0][4], 1.0);
    EXPECT_EQ((*rows)[0][27], 5.0);
}

TEST(ChemicalTableFile, RefusesDamagedFiles)
{
    const QByteArray good = chemical({}, "Benzene", "71-43-2").bytes;
    const QByteArray carcnon("\x08\x00\x0A\x00"
                             "Carcinogen",
                             14);
    ASSERT_TRUE(good.contains(carcnon));
    // What was refused, the file, and a word of the reason the reader gives.
    std::vector<std::tuple<const char*, QByteArray, QString>> damaged = {
        {"empty", QByteArray(), "no chemicals"},
        {"number in a text column", FileBytes().dbl(1).bytes + good.mid(11), "CHEMNAME"},
        {"text in a number column", FileBytes().text("A").text("1").text("0.5").bytes + good.mid(30), "MCL"},
        {"yes/no value in a number column", FileBytes().text("A").text("1").boolean(true).bytes + good.mid(30), "MCL"},
        {"date in a number column", FileBytes().text("A").text("1").u16(7).u64(0).bytes + good.mid(30), "MCL"},
        {"number in CARCNON", QByteArray(good).replace(carcnon, FileBytes().dbl(1).bytes), "CARCNON"},
        {"unknown type code", FileBytes().text("A").u16(9).bytes + good.mid(16), "unknown type 9"},
        {"a second row cut short", good + good.left(good.size() - 3), "Row 2"},
        {"a second row of 27 values", good + good.left(good.size() - 10), "Row 2"},
    };
    for (qsizetype n = 1; n < good.size(); ++n)
        damaged.push_back({"truncated", good.left(n), "ends"});
    for (const auto& [what, bytes, reason] : damaged) {
        Result<std::vector<TableRow>> rows = readChemicalTableFile(bytes);
        ASSERT_FALSE(rows.ok()) << what;
        EXPECT_EQ(rows.error().number, kErrFormat) << what;
        EXPECT_TRUE(rows.error().description.contains(reason)) << what << ": " << qPrintable(rows.error().description);
    }
}

TEST(ChemicalTableFile, HoldsAtMostTheLargestTableAndRefusesLongerFilesUnread)
{
    QTemporaryDir dir;
    const QString two = dir.filePath("two.tvx");
    writeFile(two, chemical(chemical({}, "Benzene", "71-43-2"), "Toluene", "108-88-3").bytes);
    EXPECT_EQ(readChemicalTableFileAt(two).value().size(), 2u);

    const QString huge = dir.filePath("huge.tvx");
    writeSparseFile(huge, chemical({}, "Benzene", "71-43-2").bytes, kTwoGigabytes);
    std::optional<Result<std::vector<TableRow>>> refused;
    const ReadCost cost = measureRead([&] { refused = readChemicalTableFileAt(huge); });
    ASSERT_FALSE(refused->ok());
    EXPECT_EQ(refused->error().number, kErrFormat);
    EXPECT_TRUE(refused->error().description.contains("longer than")) << qPrintable(refused->error().description);
    EXPECT_LT(cost.milliseconds, 2000);
    EXPECT_LT(cost.peakGrowthKb, 16 * 1024);

    // The shortest rows: 28 empty values each.
    const QByteArray emptyRow = QByteArray(2 * qsizetype(cocsTable().columns.size()), '\0');
    const QByteArray most = emptyRow.repeated(kMaxChemicals);
    EXPECT_EQ(readChemicalTableFile(most).value().size(), size_t(kMaxChemicals));
    Result<std::vector<TableRow>> more = readChemicalTableFile(most + emptyRow);
    ASSERT_FALSE(more.ok());
    EXPECT_TRUE(more.error().description.contains("more than 32767 chemicals")) << qPrintable(more.error().description);
}
