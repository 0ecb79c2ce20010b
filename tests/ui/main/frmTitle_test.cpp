#include "ui/main/frmTitle.h"

#include "core/temp_database.h"
#include "data/analysis_file_import.h"
#include "data/analysis_file_v2.h"
#include "ui/printers.h"
#include "ui/scripted_services.h"
#include "ui/title_script.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void unloadNow()
{
    frmTitle::Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class TitlePrompt : public ::testing::Test {
protected:
    void TearDown() override { unloadNow(); }
};

}   // namespace

TEST_F(TitlePrompt, TextsWhenCreated)
{
    frmTitle* f = frmTitle::get();
    EXPECT_EQ(f->windowTitle(), "Title for Imported v.1.0 Analysis");
    EXPECT_EQ(f->Label1->text(), "Please enter a File Name for this v.1.0 analysis for TOVI v.2.0 to reference it by.");
    EXPECT_EQ(f->cmdOK->text(), "Finished");
    EXPECT_EQ(f->cmdCancel->text(), "Cancel");
    EXPECT_TRUE(f->txtTitle->text().isEmpty());
    EXPECT_FALSE(frmTitle::ImportCancelled);
    EXPECT_TRUE(f->isModal());
    EXPECT_EQ(f->findChild<QLineEdit*>("txtTitle"), f->txtTitle);
    EXPECT_EQ(frmTitle::get(), f);
}

TEST_F(TitlePrompt, FinishedHidesAndKeepsTheText)
{
    frmTitle* f = frmTitle::get();
    TitleScript script({
        [](frmTitle* t) { QTest::mouseClick(t->cmdOK, Qt::LeftButton); },   // empty: stays open
        [](frmTitle* t) { finishTitle(t, "My analysis"); },
    });
    f->exec();
    EXPECT_FALSE(frmTitle::ImportCancelled);
    ASSERT_TRUE(frmTitle::isLoaded());
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(f->txtTitle->text(), "My analysis");
}

TEST_F(TitlePrompt, CancelAsksFirst)
{
    ScriptedMessages messages;
    messages.expect("Cancel Import", vbNo, "Do you want to cancel the import process?")
        .expect("Cancel Import", vbYes, "Do you want to cancel the import process?");
    frmTitle* f = frmTitle::get();
    bool stillOpenAfterNo = false;
    TitleScript script({
        [&](frmTitle* t) {
            typeTitle(t, "kept");
            QTest::mouseClick(t->cmdCancel, Qt::LeftButton);
            stillOpenAfterNo = t->isVisible() && t->txtTitle->text() == "kept" && !frmTitle::ImportCancelled;
        },
        [](frmTitle* t) { QTest::mouseClick(t->cmdCancel, Qt::LeftButton); },
    });
    f->exec();
    EXPECT_TRUE(stillOpenAfterNo);
    EXPECT_TRUE(frmTitle::ImportCancelled);
    EXPECT_FALSE(frmTitle::isLoaded());
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown()[0].style, vbYesNo);
}

TEST_F(TitlePrompt, EscapeAsksAsCancelDoes)
{
    ScriptedMessages messages;
    messages.expect("Cancel Import", vbNo);
    frmTitle* f = frmTitle::get();
    TitleScript script({
        [](frmTitle* t) { QTest::keyClick(t->txtTitle, Qt::Key_Escape); },
        [](frmTitle* t) { finishTitle(t, "after escape"); },
    });
    f->exec();
    EXPECT_FALSE(frmTitle::ImportCancelled);
    EXPECT_EQ(f->txtTitle->text(), "after escape");
}

TEST_F(TitlePrompt, CloseBoxGivesUpEvenWithAName)
{
    frmTitle* f = frmTitle::get();
    TitleScript script({[](frmTitle* t) {
        typeTitle(t, "typed");
        t->close();
    }});
    f->exec();
    EXPECT_TRUE(frmTitle::ImportCancelled);
    EXPECT_FALSE(frmTitle::isLoaded());
    frmTitle::get();
    EXPECT_FALSE(frmTitle::ImportCancelled);
}

TEST_F(TitlePrompt, UnloadWithEmptyTextCancels)
{
    frmTitle::get();
    frmTitle::ImportCancelled = false;
    frmTitle::Unload();
    EXPECT_TRUE(frmTitle::ImportCancelled);
}

TEST_F(TitlePrompt, AdapterShowsTheGivenTextsAndAnswers)
{
    AnalysisFileDialogs ui;
    QString caption, label, shownText;
    TitleScript script({
        [&](frmTitle* t) {
            caption = t->windowTitle();
            label = t->Label1->text();
            shownText = t->txtTitle->text();
            finishTitle(t, "Answer");
        },
        [](frmTitle* t) { t->close(); },
    });
    EXPECT_EQ(ui.askTitle("Caption", "Label text", "Refused"), std::optional<QString>("Answer"));
    EXPECT_EQ(caption, "Caption");
    EXPECT_EQ(label, "Label text");
    EXPECT_EQ(shownText, "Refused");
    EXPECT_FALSE(frmTitle::isLoaded());
    EXPECT_EQ(ui.askTitle("Caption", "Label text", QString()), std::nullopt);
}

TEST_F(TitlePrompt, VersionOneImportThroughTheDialogs)
{
    TempDatabase db;
    ScopedProgramState scope(db.state);
    db.insertAnalysis(1, "Taken");
    QTemporaryDir dir;
    const QString path = dir.filePath("old.tvn");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Pet,Addr,\"Town, OH\",x,User,1,x\r\n0.1,1E-5,5000,20,0\r\n1\r\nBenzene,0,0,71432,1,1\r\n");
    }
    ScriptedMessages messages;
    messages.expect("Name Conflict").expect("Chemical Not Found");
    QString refusedShownAgain;
    TitleScript script({
        [](frmTitle* t) { finishTitle(t, "taken"); },
        [&](frmTitle* t) {
            refusedShownAgain = t->txtTitle->text();
            finishTitle(t, "Fresh");
        },
    });
    AnalysisFileDialogs ui;
    std::optional<AnalysisTreeGroup> nodes = ImportV1File(db.conn(), path, ui);
    ASSERT_TRUE(nodes.has_value());
    EXPECT_EQ(refusedShownAgain, "taken");
    EXPECT_EQ((*nodes)[0].text, "Fresh");
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown()[0].style, vbInformation);
    EXPECT_FALSE(frmTitle::isLoaded());
}

TEST_F(TitlePrompt, CancelledVersionTwoImportWritesNothing)
{
    TempDatabase db;
    ScopedProgramState scope(db.state);
    db.insertAnalysis(1, "Same");
    QTemporaryDir dir;
    AnalysisFileDialogs ui;
    const QString path = dir.filePath("same.tvn");
    ASSERT_TRUE(ExportV2File(db.conn(), 1, path, ui));
    const QByteArray before = db.checksum();

    ScriptedMessages messages;
    messages.expect("Cancel Import", vbYes);
    QString caption;
    TitleScript script({[&](frmTitle* t) {
        caption = t->windowTitle();
        QTest::mouseClick(t->cmdCancel, Qt::LeftButton);
    }});
    EXPECT_FALSE(ImportV2File(db.conn(), path, ui).has_value());
    EXPECT_EQ(caption, "Title for Imported v.2.0 Analysis");
    EXPECT_EQ(db.checksum(), before);
}
