// The information pages, the colour legend, the about window and the program's icon.

#include "main_window_fixture.h"

#include "platform/ui/forms.h"
#include "platform/ui/geometry.h"
#include "ui/common/ui_state.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmAcknow.h"
#include "ui/main/frmLegend.h"
#include "ui/main/info_texts.h"
#include "ui/main/program_icon.h"
#include "ui/modal_script.h"

#include <QApplication>
#include <QCursor>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

frmAcknow* infoWindow()
{
    return static_cast<frmAcknow*>(Forms::find(QStringLiteral("frmAcknow")));
}

// A page as the window shows it: its heading, and each button's caption and left edge in twips
// (a null caption: the button is hidden).
struct Page {
    int page;
    const char* heading;
    const char* previous;
    int previousLeft;
    const char* next;
    int nextLeft;
    int closeLeft;
};

const Page kPages[4] = {
    {1, "Acknowledgements", nullptr, 0, " View TOVI Objective Statement >>", 120, 3715},
    {2, "TOVI Objective Statement", "<< View Acknowledgements", 120, " View TOVI Mission Statement >>", 3715, 7310},
    {3, "TOVI Mission Statement", "<< View TOVI Objective Statement", 120, " View Procedure and Results >>", 3715,
     7310},
    {4, "Procedure and Results", "<< View TOVI Mission Statement", 120, nullptr, 0, 3715},
};

void expectButton(QPushButton* button, const char* caption, int left)
{
    if (!caption) {
        EXPECT_TRUE(button->isHidden()) << qPrintable(button->objectName());
        return;
    }
    EXPECT_FALSE(button->isHidden()) << caption;
    EXPECT_EQ(button->text(), QString::fromLatin1(caption));
    EXPECT_EQ(button->pos(), QPoint(twipsToPx(left), twipsToPx(120))) << caption;
}

void expectPage(frmAcknow* w, const Page& p)
{
    SCOPED_TRACE(p.page);
    EXPECT_EQ(w->currentPage(), p.page);
    EXPECT_TRUE(w->rtfAcknowledge->toPlainText().startsWith(QString::fromLatin1(p.heading)));
    expectButton(w->cmdPrev, p.previous, p.previousLeft);
    expectButton(w->cmdNext, p.next, p.nextLeft);
    expectButton(w->cmdClose, "Close", p.closeLeft);
}

QPoint centreOf(QPushButton* button)
{
    return button->mapToGlobal(button->rect().center());
}

}   // namespace

TEST_F(MainWindowTest, TheInformationPagesWalkForwardAndBackWithThePointerOnTheWayOn)
{
    frmMain& w = start();
    w.mnuAcknowledgements->trigger();
    frmAcknow* info = infoWindow();
    ASSERT_NE(info, nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(info->windowTitle(), "TOVI Information");
    EXPECT_TRUE(info->frame()->isVisible());
    EXPECT_TRUE(info->rtfAcknowledge->isReadOnly());
    EXPECT_EQ(info->cmdNext->size(), QSize(twipsToPx(3495), twipsToPx(375)));
    EXPECT_EQ(info->cmdClose->size(), QSize(twipsToPx(1455), twipsToPx(375)));
    expectPage(info, kPages[0]);
    EXPECT_TRUE(info->pointerTarget().isNull()) << "opening on the first page leaves the pointer";

    enum Pointer { Stays, OnNext, OnPrevious };
    struct Step {
        bool next;
        int page;
        Pointer pointer;
    };
    const Step walk[] = {
        {true, 2, OnNext}, {true, 3, Stays},  {true, 4, OnPrevious}, {true, 4, Stays},
        {false, 3, Stays}, {false, 2, Stays}, {false, 1, Stays},     {false, 1, Stays},
    };
    for (const Step& s : walk) {
        const QPoint before = info->pointerTarget();
        QPushButton* button = s.next ? info->cmdNext : info->cmdPrev;
        if (button->isHidden())
            s.next ? info->cmdNext_Click() : info->cmdPrev_Click();   // a click that reaches a hidden button
        else
            QTest::mouseClick(button, Qt::LeftButton);
        expectPage(info, kPages[s.page - 1]);
        const QPoint expected = s.pointer == OnNext       ? centreOf(info->cmdNext)
                                : s.pointer == OnPrevious ? centreOf(info->cmdPrev)
                                                          : before;
        EXPECT_EQ(info->pointerTarget(), expected) << "after the step to page " << s.page;
    }
    EXPECT_EQ(QCursor::pos(), centreOf(info->cmdPrev)) << "the pointer was last moved onto Previous";

    QTest::mouseClick(info->cmdClose, Qt::LeftButton);
    EXPECT_FALSE(Forms::isLoaded("frmAcknow"));
}

TEST_F(MainWindowTest, EachInformationItemOpensItsPageAndAnOpenWindowOnlyComesToTheFront)
{
    frmMain& w = start();
    QAction* items[] = {w.mnuAcknowledgements, w.mnuObjective, w.mnuMission, w.mnuProc};
    for (int i = 0; i < 4; ++i) {
        items[i]->trigger();
        frmAcknow* info = infoWindow();
        ASSERT_NE(info, nullptr);
        QCoreApplication::processEvents();
        expectPage(info, kPages[i]);
        EXPECT_EQ(uiState().gAcknowPage, i + 1);
        if (i == 3) {
            EXPECT_EQ(info->pointerTarget(), centreOf(info->cmdPrev)) << "the last page puts the pointer on Previous";
        }
        info->cmdClose_Click();
        EXPECT_FALSE(Forms::isLoaded("frmAcknow"));
    }

    w.mnuAcknowledgements->trigger();
    frmAcknow* info = infoWindow();
    w.mdiArea->setActiveSubWindow(nullptr);
    w.mnuMission->trigger();
    EXPECT_EQ(infoWindow(), info);
    expectPage(info, kPages[0]);
    EXPECT_EQ(w.mdiArea->activeSubWindow(), info->frame());
}

TEST(InformationTexts, TheDisclosureHasItsHeadingLineAndTheChangesTheirTwelveParagraphs)
{
    QTextDocument disclosure;
    disclosure.setHtml(infoText(InfoText::Disclosure));
    ASSERT_EQ(disclosure.blockCount(), 2);
    EXPECT_EQ(disclosure.firstBlock().text().size(), 46);
    QTextDocument changes;
    changes.setHtml(infoText(InfoText::Changes));
    EXPECT_EQ(changes.blockCount(), 12);
}

TEST_F(MainWindowTest, TheFontLegendShowsTheFourColouredKeys)
{
    frmMain& w = start();
    EXPECT_TRUE(w.mnuFontLegend->isEnabled());
    ModalScript dialogs;
    dialogs.expect("frmLegend", [](QDialog* dialog) {
        auto* legend = static_cast<frmLegend*>(dialog);
        EXPECT_EQ(legend->windowTitle(), "Results Color Legend");
        struct Row {
            const char* key;
            QColor colour;
            const char* explanation;
        };
        const Row rows[4] = {
            {"Red =", QColor(255, 0, 0), "Waste concentration greater than 1% chemical"},
            {"Orange = ", QColor(255, 128, 0), "Waste concentration is a detection limit"},
            {"* =", QColor(0, 0, 0), "Waste concentration is a detection limit"},
            {"Blue =", QColor(0, 0, 255), "Maximum allowable concentration"},
        };
        for (int i = 0; i < 4; ++i) {
            QLabel* key = legend->Label1[size_t(i)];
            EXPECT_EQ(key->text(), rows[i].key);
            EXPECT_EQ(key->palette().color(QPalette::WindowText), rows[i].colour) << rows[i].key;
            EXPECT_EQ(legend->Label2[size_t(i)]->text(), rows[i].explanation);
            EXPECT_EQ(legend->Label2[size_t(i)]->y(), key->y()) << "each explanation beside its key";
            if (i > 0) {
                EXPECT_GT(key->y(), legend->Label1[size_t(i - 1)]->y()) << "rows from top to bottom";
            }
        }
        EXPECT_EQ(legend->Label1[2]->font().pointSize(), 12);
        EXPECT_EQ(legend->Command1->text(), "OK");
        EXPECT_TRUE(legend->Command1->isDefault());
        QTest::mouseClick(legend->Command1, Qt::LeftButton);
    });
    w.mnuFontLegend->trigger();
    EXPECT_EQ(dialogs.ran(), 1);
}

TEST_F(MainWindowTest, TheAboutWindowShowsTheIconVersionAndWarningAndEscapeCloses)
{
    frmMain& w = start();
    ModalScript dialogs;
    dialogs.expect("frmAbout", [](QDialog* dialog) {
        auto* about = static_cast<frmAbout*>(dialog);
        EXPECT_EQ(about->windowTitle(), "About TOVI");
        EXPECT_EQ(about->lblVersion->text(), "Version 3.0.35");
        EXPECT_TRUE(about->lblTitle->text().contains("Quarvel"));
        EXPECT_EQ(about->lblDescription->text(), "Description:  This program is used to assess potential risks "
                                                 "associated with a waste petitioned for delisting.");
        EXPECT_EQ(about->lblDisclaimer->text(),
                  " Warning:  As with any model, the results are only as reliable as the assumptions and inputs used "
                  "by the modeler.  While this model has been designed based on accepted KOR equations and "
                  "assumptions, care should be exercised to ensure that these assumptions hold true for the "
                  "modeler's specific site characteristics.");
        EXPECT_FALSE(about->picIcon->pixmap().isNull());
        for (QFrame* line : about->Line1)
            EXPECT_EQ(line->frameShadow(), QFrame::Sunken);
        EXPECT_EQ(about->cmdOK->text(), "OK");
        EXPECT_TRUE(about->cmdOK->isDefault());
        QTest::keyClick(about, Qt::Key_Escape);
        EXPECT_EQ(about->result(), QDialog::Accepted) << "Escape presses OK";
    });
    w.mnuAbout->trigger();
    EXPECT_EQ(dialogs.ran(), 1);
}

TEST_F(MainWindowTest, EveryWindowCarriesTheProgramsOwnIcon)
{
    frmMain& w = start();
    const QImage icon = programIconPixmap(64).toImage();
    EXPECT_EQ(icon.pixelColor(50, 8), QColor(0x2a, 0x76, 0xa6)) << "drawn from the program's SVG";
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    w.mnuMission->trigger();
    EXPECT_EQ(infoWindow()->frame()->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    EXPECT_EQ(w.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
}
