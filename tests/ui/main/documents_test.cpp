// The document viewer, the guidance documents pane with its hand pointer, the help window and
// the documents written at build time.

#include "main_window_fixture.h"

#include "platform/ui/forms.h"
#include "platform/ui/settings.h"
#include "ui/common/ui_state.h"
#include "ui/main/documents.h"
#include "ui/main/frmHelp.h"
#include "ui/main/frmViewDocuments.h"
#include "ui/main/main_window_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPdfPageNavigator>
#include <QPdfSelection>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString kBuilt = QStringLiteral(TOVI_BINARY_DIR);
const QString kViewerTitle = QStringLiteral("WEXT Technical Support Document");

// Copies a file or a whole folder of the build folder into the test's program folder.
void copyBuilt(const QString& relative, const QString& programFolder)
{
    const QString from = QDir(kBuilt).filePath(relative);
    const QString to = QDir(programFolder).filePath(relative);
    if (QFileInfo(from).isDir()) {
        QDir().mkpath(to);
        for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            copyBuilt(relative + QLatin1Char('/') + entry.fileName(), programFolder);
        return;
    }
    QDir().mkpath(QFileInfo(to).absolutePath());
    ASSERT_TRUE(QFile::copy(from, to)) << qPrintable(from);
}

frmViewDocuments* viewer()
{
    return dynamic_cast<frmViewDocuments*>(Forms::find(QStringLiteral("frmViewDocuments")));
}

QStringList pageTexts(QPdfDocument& doc)
{
    QStringList pages;
    for (int p = 0; p < doc.pageCount(); ++p)
        pages << doc.getAllText(p).text();
    return pages;
}

// How a test opens a document: a menu item by name, or a label of the pane.
struct DocumentCommand {
    const char* control;   // a menu item, "lblWEXT<i>" or "lblUM"
    const char* suffix;
    const char* file;
    int generatedPages;   // 0: a guidance document the user has not placed
};

class DocumentTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        for (const char* file : {"Documents/uguide.pdf", "Documents/TOVIchanges.pdf"})
            copyBuilt(QString::fromLatin1(file), db.folder());
    }

    void run(frmMain& w, const QString& control)
    {
        if (auto* item = w.menuBar()->findChild<QAction*>(control)) {
            item->trigger();
            return;
        }
        auto* label = w.findChild<QLabel*>(control);
        ASSERT_NE(label, nullptr) << qPrintable(control);
        QTest::mouseClick(label, Qt::LeftButton);
    }
};

}   // namespace

TEST_F(DocumentTest, EveryDocumentCommandOpensTheViewerAfreshWithItsCaptionAndFile)
{
    const DocumentCommand commands[] = {
        {"mnuUM", "", "uguide.pdf", -1},
        {"lblUM", "", "uguide.pdf", -1},
        {"mnuTOVIChanges", " - Changes to TOVI", "TOVIchanges.pdf", -1},
        {"mnuChap1", " - Chapter 1", "chap1.pdf", 0},
        {"lblWEXT0", " - Chapter 1", "chap1.pdf", 0},
        {"mnuChap2", " - Chapter 2", "chap2.pdf", 0},
        {"lblWEXT1", " - Chapter 2", "chap2.pdf", 0},
        {"mnuChap3", " - Chapter 3", "chap3.pdf", 0},
        {"lblWEXT2", " - Chapter 3", "chap3.pdf", 0},
        {"mnuChap4", " - Chapter 4", "chap4.pdf", 0},
        {"lblWEXT3", " - Chapter 4", "chap4.pdf", 0},
        {"mnuChap5", " - Chapter 5", "chap5.pdf", 0},
        {"lblWEXT4", " - Chapter 5", "chap5.pdf", 0},
        {"mnuChap6", " - Chapter 6", "chap6.pdf", 0},
        {"lblWEXT5", " - Chapter 6", "chap6.pdf", 0},
        {"mnuAppB", " - Appendix B", "AppdB.pdf", 0},
        {"lblWEXT7", " - Appendix B", "AppdB.pdf", 0},
        {"mnuAppA1", " - Appendix A-1", "Appd1a.pdf", 0},
        {"lblWEXT8", " - Appendix A-1", "Appd1a.pdf", 0},
        {"mnuAppA2", " - Appendix A-2", "AppdA2.pdf", 0},
        {"lblWEXT9", " - Appendix A-2", "AppdA2.pdf", 0},
        {"mnuAppA3", " - Appendix A-3", "AppdA3.pdf", 0},
        {"lblWEXT10", " - Appendix A-3", "AppdA3.pdf", 0},
        {"mnuAppA4", " - Appendix A-4", "AppdA4.pdf", 0},
        {"lblWEXT11", " - Appendix A-4", "AppdA4.pdf", 0},
        {"mnuAppA5", " - Appendix A-5", "AppdA5.pdf", 0},
        {"lblWEXT12", " - Appendix A-5", "AppdA5.pdf", 0},
    };
    frmMain& w = start();
    QPointer<frmViewDocuments> previous;
    for (const DocumentCommand& c : commands) {
        SCOPED_TRACE(c.control);
        run(w, QString::fromLatin1(c.control));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frmViewDocuments* shown = viewer();
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(previous.isNull()) << "the viewer before it is unloaded";
        previous = shown;
        EXPECT_TRUE(shown->frame()->isVisible());
        EXPECT_EQ(shown->windowTitle(), kViewerTitle + QString::fromLatin1(c.suffix));

        const QString path = QDir(db.folder()).filePath(QStringLiteral("Documents/") + QString::fromLatin1(c.file));
        QPdfDocument* doc = shown->WEXTPDF->document();
        if (c.generatedPages != 0) {
            EXPECT_EQ(doc->status(), QPdfDocument::Status::Ready);
            EXPECT_GT(doc->pageCount(), 0);
            EXPECT_FALSE(shown->WEXTPDF->notFoundLine()->isVisible());
        } else {
            EXPECT_EQ(doc->status(), QPdfDocument::Status::Error);
            EXPECT_TRUE(shown->WEXTPDF->notFoundLine()->isVisible());
            EXPECT_EQ(shown->WEXTPDF->notFoundLine()->text(), QStringLiteral("Document not found: ") + path);
        }
    }
}

TEST_F(DocumentTest, AChapterTheUserPlacedIsShownAtItsFirstPage)
{
    ASSERT_TRUE(QFile::copy(QDir(db.folder()).filePath("Documents/uguide.pdf"),
                            QDir(db.folder()).filePath("Documents/chap3.pdf")));
    frmMain& w = start();
    w.lblWEXT_Click(2);
    ASSERT_NE(viewer(), nullptr);
    EXPECT_EQ(viewer()->WEXTPDF->document()->status(), QPdfDocument::Status::Ready);
    EXPECT_EQ(viewer()->WEXTPDF->view()->pageNavigator()->currentPage(), 0);

    // A damaged file is no document either.
    QFile damaged(QDir(db.folder()).filePath("Documents/chap4.pdf"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("%PDF-1.4\nnot really\n");
    damaged.close();
    w.lblWEXT_Click(3);
    EXPECT_TRUE(viewer()->WEXTPDF->notFoundLine()->text().startsWith("Document not found: "));
}

TEST_F(DocumentTest, TheAppendixAHeadingClosesTheViewerAndAsksForANumber)
{
    frmMain& w = start();
    w.lblUM_Click();
    ASSERT_NE(viewer(), nullptr);
    ScriptedMessages messages;
    messages.expect("Select Appendix Number", vbOK, "Please click on one of the Appendix A numbers to the right.");
    QTest::mouseClick(w.lblWEXT[6], Qt::LeftButton);
    EXPECT_EQ(viewer(), nullptr);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].style, vbOKOnly);

    w.lblWEXT_Click(13);   // no such label: only the viewer closes
    EXPECT_EQ(viewer(), nullptr);
}

TEST_F(DocumentTest, TheChangesNoticeHandsOverToTheViewer)
{
    mainWindowServices().showChangesNotice = [] { return ChangesNoticeAnswer{true, false}; };
    mainWindowServices().showChangesDocument = showChangesDocument;
    start();
    ASSERT_NE(viewer(), nullptr);
    EXPECT_EQ(viewer()->windowTitle(), kViewerTitle + " - Changes to TOVI");
    EXPECT_EQ(viewer()->WEXTPDF->document()->status(), QPdfDocument::Status::Ready);
}

TEST_F(DocumentTest, AMissingChangesDocumentNeverStopsTheLoad)
{
    QFile::remove(QDir(db.folder()).filePath("Documents/TOVIchanges.pdf"));
    mainWindowServices().showChangesNotice = [] { return ChangesNoticeAnswer{true, true}; };
    mainWindowServices().showChangesDocument = showChangesDocument;
    frmMain& w = start();
    ASSERT_NE(viewer(), nullptr);
    EXPECT_TRUE(viewer()->WEXTPDF->notFoundLine()->text().endsWith("Documents/TOVIchanges.pdf"));
    EXPECT_EQ(GetSetting("TOVI", "Admin", "ShowChanges"), "No");
    EXPECT_EQ(commandState(w), noAnalysisOpenState());
}

TEST_F(MainWindowTest, TheHandPointerOverADocumentLabelAndItsOneFailure)
{
    copyBuilt(QStringLiteral("cursors/h_point.cur"), db.folder());
    frmMain& w = start();
    EXPECT_EQ(w.Label3->text(), "Guidance Documents");
    EXPECT_EQ(w.lblUM->text(), "TOVI v.3.0  User's Guide");

    QTest::mouseMove(w.lblWEXT[0]);
    ASSERT_EQ(w.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w.cursor().hotSpot(), QPoint(12, 1));
    QTest::mouseMove(w.Picture1, QPoint(2, 2));
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor) << "the pane gives back the default pointer";
    QTest::mouseMove(w.lblUM);
    EXPECT_EQ(w.cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(w.mdiArea->viewport());
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor) << "so does the window's background";

    ASSERT_TRUE(QFile::remove(QDir(db.folder()).filePath("cursors/h_point.cur")));
    {
        ScriptedMessages messages;
        messages.expect("Unable to Save");
        QTest::mouseMove(w.lblWEXT[9]);
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_TRUE(messages.shown()[0].text.startsWith("The program experienced the following error: "));
        EXPECT_TRUE(messages.shown()[0].text.contains("cursors/h_point.cur"));
    }
    EXPECT_TRUE(uiState().gHandCursorFailed);
    copyBuilt(QStringLiteral("cursors/h_point.cur"), db.folder());
    QTest::mouseMove(w.lblUM);
    QTest::mouseMove(w.lblWEXT[2]);
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor) << "the pointer file is never tried again";
}

TEST_F(MainWindowTest, F1TheHelpItemAndTheHelpButtonOpenTheHelpPages)
{
    copyBuilt(QStringLiteral("Help"), db.folder());
    frmMain& w = start();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const auto opens = [&](const std::function<void()>& command) {
        Forms::unload<frmHelp>();
        command();
        auto* help = dynamic_cast<frmHelp*>(Forms::find(QStringLiteral("frmHelp")));
        if (help == nullptr || !help->isVisible())
            return false;
        EXPECT_TRUE(help->txtHelp->isReadOnly());
        EXPECT_EQ(help->txtHelp->source(), QUrl::fromLocalFile(QDir(db.folder()).filePath("Help/index.html")));
        EXPECT_TRUE(help->txtHelp->toPlainText().startsWith("TOVI Help"));
        return true;
    };
    EXPECT_TRUE(opens([&] { QTest::keyClick(&w, Qt::Key_F1); })) << "F1";
    EXPECT_TRUE(opens([&] { w.toolbarButton(ToolbarButton::Help)->trigger(); })) << "the toolbar's Help button";
    EXPECT_TRUE(opens([&] { w.menuBar()->findChild<QAction*>("mnuHelpFile")->trigger(); })) << "the Help item";

    // Every page the contents links to is there, with its pictures.
    auto* help = dynamic_cast<frmHelp*>(Forms::find(QStringLiteral("frmHelp")));
    const QString index = help->txtHelp->toHtml();
    int pages = 0;
    for (const QRegularExpressionMatch& m : QRegularExpression("href=\"(chapter\\d+\\.html)\"").globalMatch(index)) {
        help->txtHelp->setSource(QUrl::fromLocalFile(QDir(db.folder()).filePath("Help/" + m.captured(1))));
        EXPECT_FALSE(help->txtHelp->toPlainText().isEmpty()) << qPrintable(m.captured(1));
        ++pages;
    }
    EXPECT_GE(pages, 8);
    EXPECT_TRUE(help->cmdBack->isEnabled());
    QTest::mouseClick(help->cmdContents, Qt::LeftButton);
    EXPECT_TRUE(help->txtHelp->toPlainText().startsWith("TOVI Help"));

    w.close();
    EXPECT_EQ(Forms::find(QStringLiteral("frmHelp")), nullptr) << "the help window closes with the program";
}

TEST_F(MainWindowTest, MissingHelpPagesGiveTheGeneralMessage)
{
    frmMain& w = start();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ScriptedMessages messages;
    messages.expect("Unable to Save").expect("Unable to Save");
    QTest::keyClick(&w, Qt::Key_F1);
    w.toolbarButton(ToolbarButton::Help)->trigger();
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[1].text, "The program experienced the following error: File not found: "
                                            + QDir(db.folder()).filePath("Help/index.html")
                                            + "\r\nError Number: " + QString::number(kErrFile));
    EXPECT_EQ(Forms::find(QStringLiteral("frmHelp")), nullptr);
}

TEST(GeneratedDocuments, TheGuideHasItsContentsAndAPagePerWindow)
{
    QPdfDocument guide;
    ASSERT_EQ(guide.load(QDir(kBuilt).filePath("Documents/uguide.pdf")), QPdfDocument::Error::None);
    const QStringList pages = pageTexts(guide);
    ASSERT_GE(pages.size(), 24);
    ASSERT_TRUE(pages[1].startsWith("Contents"));

    // Each entry of the contents names a heading and the page it stands on.
    const QRegularExpression entry(QStringLiteral("^(.+?)\\s+(\\d+)\\s*$"), QRegularExpression::MultilineOption);
    QSet<int> sectionPages;
    int entries = 0;
    for (const QRegularExpressionMatch& m : entry.globalMatch(pages[1])) {
        if (m.captured(1) == QLatin1String("Page"))
            continue;   // the page's own number at its foot
        const int page = m.captured(2).toInt();
        ASSERT_GE(page, 3);
        ASSERT_LE(page, pages.size());
        EXPECT_TRUE(pages[page - 1].simplified().contains(m.captured(1).simplified())) << qPrintable(m.captured(0));
        sectionPages.insert(page);
        ++entries;
    }
    EXPECT_GE(entries, 30);
    EXPECT_GE(sectionPages.size(), 21) << "a page at least for each window pictured";
}

TEST(GeneratedDocuments, TheChangesDocumentLoads)
{
    QPdfDocument changes;
    ASSERT_EQ(changes.load(QDir(kBuilt).filePath("Documents/TOVIchanges.pdf")), QPdfDocument::Error::None);
    EXPECT_EQ(changes.status(), QPdfDocument::Status::Ready);
    ASSERT_GE(changes.pageCount(), 1);
    EXPECT_TRUE(changes.getAllText(0).text().startsWith("Changes to TOVI"));
}
