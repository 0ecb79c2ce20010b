#include "core/temp_database.h"
#include "ui/printers.h"
#include "ui/scripted_services.h"

#include "app/startup.h"
#include "ui/main/frmMain.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

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

TEST(StartUp, ShowsEveryStoredAnalysisAsNineNodes)
{
    TempDatabase db;
    db.insertAnalysis(4, QStringLiteral("Refinery"), {{"PETID", "R-4"}, {"CITY", "Tulsa"}});
    db.insertAnalysis(2, QStringLiteral("Smelter"), {{"FACID2", QVariant()}});
    db.insertAnalysis(9, QStringLiteral("Mill"), {{"USERNAME", "Lee"}});
    db.state.gConn.reset();

    ProgramState state;
    state.programFolder = db.folder();
    ScopedProgramState scoped(state);
    frmMain* w = Main(state);
    ASSERT_NE(w, nullptr);
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

} // namespace
