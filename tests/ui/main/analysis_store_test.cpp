// Copy, delete and discard of stored analyses, below the window.

#include "core/temp_database.h"
#include "data/analysis_store.h"
#include "ui/printers.h"

#include <gtest/gtest.h>

TEST(CopyName, TheFirstFreeNameWins)
{
    EXPECT_EQ(copyName("X", {"X"}), "Copy of X");
    EXPECT_EQ(copyName("X", {"X", "Copy of X"}), "Copy of X(1)");
    EXPECT_EQ(copyName("X", {"X", "Copy of X", "Copy of X(1)"}), "Copy of X(2)");
    EXPECT_EQ(copyName("X", {"X", "Copy of X", "Copy of X(2)"}), "Copy of X(1)");
    EXPECT_EQ(copyName("Copy of X", {"Copy of X"}), "Copy of Copy of X");
    EXPECT_EQ(copyName("x", {"COPY OF X"}), "Copy of x(1)") << "ASCII letters compare without case";
    EXPECT_EQ(copyName(QString::fromUtf8("é"), {QString::fromUtf8("Copy of É")}), QString::fromUtf8("Copy of é"))
        << "other letters compare exactly, as the database does";
    EXPECT_EQ(copyName("", {}), "Copy of ");
}

class AnalysisStoreTest : public ::testing::Test {
protected:
    QVariant value(const QString& sql) { return db.conn().scalar(sql).value(); }
    TempDatabase db;
};

TEST_F(AnalysisStoreTest, CopyRepeatsEveryRowUnderTheNextKey)
{
    db.insertAnalysis(3, "O'Brien site", {{"PETID", "P3"}, {"COMMENTS", "note"}, {"KORRGION", 5}},
                      {{"WMUTYPE", "SI"}, {"FLOWRATE", 42.5}});
    db.insertAnalysis(9, "Other");
    db.insert("SITECOCS", {{"SITEKEY", 3},
                           {"CHEMCAS", "A"},
                           {"TCLPCONC", 1.5},
                           {"DLTCLP", 1},
                           {"GWINGh", 0.25},
                           {"LMTPTHTO", "Fish"},
                           {"LOGKOW", 2.0}});
    db.insert("SITECOCS", {{"SITEKEY", 3}, {"CHEMCAS", "B"}});
    db.insert("SITECOCS", {{"SITEKEY", 9}, {"CHEMCAS", "C"}});

    Result<CopiedAnalysis> copy = copyAnalysis(db.conn(), 3);
    ASSERT_TRUE(copy.ok()) << qPrintable(copy.error().description);
    EXPECT_EQ(copy->siteKey, 10);
    EXPECT_EQ(copy->name, "Copy of O'Brien site") << "an apostrophe is only a character";
    EXPECT_EQ(copy->nodes[0].key, "KEY10");
    EXPECT_EQ(copy->nodes[0].text, "Copy of O'Brien site");
    EXPECT_EQ(copy->nodes[1].text, "Petition ID: P3");

    EXPECT_EQ(value("SELECT COMMENTS FROM SITEINFO WHERE SITEKEY = 10"), "note");
    EXPECT_EQ(value("SELECT KORRGION FROM SITEINFO WHERE SITEKEY = 10").toInt(), 5);
    EXPECT_EQ(value("SELECT WMUTYPE || FLOWRATE FROM WMUINFO WHERE SITEKEY = 10"), "SI42.5");
    EXPECT_EQ(value("SELECT COUNT(*) FROM SITECOCS WHERE SITEKEY = 10").toInt(), 2);
    EXPECT_EQ(value("SELECT group_concat(CHEMCAS) FROM (SELECT CHEMCAS FROM SITECOCS WHERE SITEKEY = 10 ORDER BY "
                    "rowid)"),
              "A,B");
    EXPECT_EQ(value("SELECT TCLPCONC || DLTCLP || GWINGh || LMTPTHTO || LOGKOW FROM SITECOCS WHERE SITEKEY = 10 "
                    "AND CHEMCAS = 'A'"),
              "1.510.25Fish2.0");
    EXPECT_EQ(value("SELECT COUNT(*) FROM SITECOCS WHERE SITEKEY = 3").toInt(), 2) << "the source stays";
}

TEST_F(AnalysisStoreTest, CopyOfAnAnalysisWithoutUnitOrConstituentRows)
{
    db.insert("SITEINFO", {{"SITEKEY", 1}, {"FILENAME", "Bare"}});
    Result<CopiedAnalysis> copy = copyAnalysis(db.conn(), 1);
    ASSERT_TRUE(copy.ok());
    EXPECT_EQ(value("SELECT COUNT(*) FROM WMUINFO WHERE SITEKEY = 2").toInt(), 1) << "a unit row with its key";
    EXPECT_FALSE(value("SELECT WMUTYPE FROM WMUINFO WHERE SITEKEY = 2").isValid());
    EXPECT_EQ(db.count("SITECOCS"), 0);
}

TEST_F(AnalysisStoreTest, ACopyThatCannotBeStoredLeavesNothing)
{
    db.insertAnalysis(1, QString(250, QLatin1Char('n')));
    db.insert("SITECOCS", {{"SITEKEY", 1}, {"CHEMCAS", "A"}});
    const QByteArray before = db.checksum();
    Result<CopiedAnalysis> tooLong = copyAnalysis(db.conn(), 1);
    ASSERT_FALSE(tooLong.ok());
    EXPECT_EQ(tooLong.error().number, kErrConversion);
    EXPECT_EQ(db.checksum(), before);

    Result<CopiedAnalysis> missing = copyAnalysis(db.conn(), 5);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().number, kErrNotSaved);
    EXPECT_EQ(missing.error().description, "The analysis has not been saved.");
    EXPECT_EQ(db.checksum(), before);
}

TEST_F(AnalysisStoreTest, DeleteAndDiscardTouchOnlyTheirKey)
{
    for (qint32 key : {1, 2}) {
        db.insertAnalysis(key, QStringLiteral("A%1").arg(key));
        for (const char* table : {"SITECOCS", "DelistCOCS", "GWDelisting"})
            db.insert(table, {{"SITEKEY", key}});
    }
    ASSERT_TRUE(discardUnsavedAnalysis(db.conn(), 1).ok());
    EXPECT_EQ(value("SELECT COUNT(*) FROM SITEINFO WHERE SITEKEY = 1").toInt(), 1);
    for (const char* table : {"SITECOCS", "DelistCOCS", "GWDelisting"})
        EXPECT_EQ(db.count(table), 1) << table;

    ASSERT_TRUE(deleteAnalysis(db.conn(), 2, "A2").ok());
    for (const char* table : {"SITEINFO", "WMUINFO", "SITECOCS", "DelistCOCS", "GWDelisting"})
        EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE SITEKEY = 2").arg(table)).toInt(), 0) << table;
    EXPECT_EQ(db.count("SITEINFO"), 1);

    EXPECT_TRUE(analysisIsStored(db.conn(), 1).value());
    EXPECT_FALSE(analysisIsStored(db.conn(), 2).value());
    EXPECT_EQ(storedConstituentCount(db.conn(), 1).value(), 0);
}
