#include "site_cocs_fixture.h"

#include "app/startup.h"
#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "ui/common/ui_state.h"
#include "ui/input/constituent_grid.h"
#include "ui/main/frmMain.h"
#include "ui/main/main_window_services.h"
#include "ui/quiet_settings.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

namespace {

// The analysis information window as far as the constituent window deals with it: its buttons.
class frmSiteWMU : public FormWindow {
    Q_OBJECT
public:
    frmSiteWMU()
    {
        for (const char* name : {"cmdUpdateSiteInfo", "cmdCancel", "cmdNext"}) {
            auto* b = new QPushButton(QString::fromLatin1(name), this);
            b->setObjectName(QString::fromLatin1(name));
        }
        resize(300, 200);
    }
    QWidget* button(const char* name) const { return findChild<QWidget*>(QString::fromLatin1(name)); }
};

}   // namespace

// The main window with the real constituent window, opened on analysis 1.
class SiteCocsMainTest : public SiteCocsTest {
protected:
    void SetUp() override
    {
        SiteCocsTest::SetUp();
        ASSERT_TRUE(m_settings.isValid());
        ASSERT_TRUE(useQuietSettings(m_settings.path()));
        mainWindowServices() = {};
        registerFormLoader("frmSiteCOCs", [] { return Forms::get<frmSiteCOCs>(); });
        registerFormLoader("frmSiteWMU", [] { return Forms::get<frmSiteWMU>(); });
        db.state.gCurSiteKey = 0;
        m_main = Main(db.state);
        ASSERT_NE(m_main, nullptr);
        m_main->setAttribute(Qt::WA_DeleteOnClose, false);
        m_main->trvAnalysis->setCurrentItem(m_main->trvAnalysis->node("KEY1"));
        m_main->cmdOpen_Click();
        cocs = static_cast<frmSiteCOCs*>(Forms::find("frmSiteCOCs"));
        site = static_cast<frmSiteWMU*>(Forms::find("frmSiteWMU"));
        ASSERT_NE(cocs, nullptr);
        ASSERT_NE(site, nullptr);
    }

    void TearDown() override
    {
        uiState().gClosingAnalysis = true;
        delete m_main;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        uiState().gClosingAnalysis = false;
        registerFormLoader("frmSiteCOCs", {});
        registerFormLoader("frmSiteWMU", {});
        SiteCocsTest::TearDown();
    }

    frmMain& main() { return *m_main; }
    GridModel& cocsGrid() { return cocs->grdSiteCOCs->grid(); }

    // Types into a cell of the constituent window and presses Enter.
    void typeCell(int row, int column, const QString& text)
    {
        DataGrid* grid = cocs->grdSiteCOCs;
        grid->setCurrentCell(row, column);
        grid->editCurrentCell();
        auto* editor = qobject_cast<QLineEdit*>(grid->cellEditor());
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    bool saveOn()
    {
        return main().cmdSave->isEnabled() && main().toolbarButton(ToolbarButton::SaveAnalysis)->isEnabled();
    }
    bool saveOff()
    {
        return !main().cmdSave->isEnabled() && !main().toolbarButton(ToolbarButton::SaveAnalysis)->isEnabled();
    }
    bool copyOn()
    {
        return main().cmdCopy->isEnabled() && main().toolbarButton(ToolbarButton::CopyAnalysis)->isEnabled();
    }
    bool copyOff()
    {
        return !main().cmdCopy->isEnabled() && !main().toolbarButton(ToolbarButton::CopyAnalysis)->isEnabled();
    }
    bool runOn()
    {
        return main().mnuRunAnalysis->isEnabled() && main().toolbarButton(ToolbarButton::RunModel)->isEnabled();
    }
    bool runOff()
    {
        return !main().mnuRunAnalysis->isEnabled() && !main().toolbarButton(ToolbarButton::RunModel)->isEnabled();
    }

    frmSiteCOCs* cocs = nullptr;
    frmSiteWMU* site = nullptr;

private:
    TempSettingsFolder m_settings;
    frmMain* m_main = nullptr;
};

TEST_F(SiteCocsMainTest, EditsMarkTheAnalysisChangedAndTheMainSaveStoresTheGrid)
{
    EXPECT_TRUE(cocs->frame()->isVisible());
    EXPECT_EQ(cocsGrid().dataRowCount(), 2);
    EXPECT_TRUE(saveOff());
    EXPECT_TRUE(runOn());
    EXPECT_TRUE(copyOn());   // the constituent window's load ends saved

    typeCell(2, kColChemName, "tol");
    EXPECT_TRUE(saveOn());
    EXPECT_TRUE(copyOff());
    EXPECT_TRUE(runOff());

    main().cmdSave_Click();
    EXPECT_EQ(storedCount(), 3);
    EXPECT_EQ(stored(2, "CHEMNAME"), "Toluene");
    EXPECT_TRUE(saveOff());
    EXPECT_TRUE(runOn());
    EXPECT_FALSE(cocs->cmdUpdateSiteCOCs->isEnabled());

    // Duplicates: the main Save stores nothing of the grid and stays enabled.
    typeCell(3, kColChemName, "tol");
    messages.expect("Duplicate");
    main().cmdSave_Click();
    EXPECT_EQ(storedCount(), 3);
    EXPECT_TRUE(saveOn());
    EXPECT_TRUE(cocs->cmdUpdateSiteCOCs->isEnabled());
}

TEST_F(SiteCocsMainTest, TheWindowsOwnSaveLeavesTheMainSaveOnWhileTheSiteWindowHoldsEdits)
{
    site->button("cmdUpdateSiteInfo")->setEnabled(true);
    typeCell(0, kColTclpConc, "3");
    cocs->cmdUpdateSiteCOCs->click();
    EXPECT_EQ(stored(0, "TCLPCONC").toDouble(), 3.0);
    EXPECT_FALSE(cocs->cmdUpdateSiteCOCs->isEnabled());
    EXPECT_TRUE(saveOn());
    EXPECT_TRUE(copyOff());
    EXPECT_TRUE(runOn());

    site->button("cmdUpdateSiteInfo")->setEnabled(false);
    typeCell(0, kColTclpConc, "4");
    cocs->cmdUpdateSiteCOCs->click();
    EXPECT_TRUE(saveOff());
    EXPECT_TRUE(copyOn());
}

TEST_F(SiteCocsMainTest, ClosingTheWindowAsksAndClosesTheAnalysisThroughTheMainWindow)
{
    messages.expect("Close Analysis", vbNo,
                    "Closing this screen will close this analysis.  Do you still want to continue?");
    EXPECT_FALSE(cocs->frame()->close());
    EXPECT_TRUE(Forms::isLoaded("frmSiteCOCs"));
    EXPECT_TRUE(uiState().gAnalysisFormsOpen);

    typeCell(0, kColTotConc, "99");
    messages.expect("Close Analysis", vbYes).expect("Save Changes", vbYes, "Do you want to save your changes?");
    EXPECT_TRUE(cocs->frame()->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Forms::isLoaded("frmSiteCOCs"));
    EXPECT_EQ(db.state.gCurSiteKey, 0);
    EXPECT_EQ(stored(0, "TOTCONC").toDouble(), 99.0);
}

TEST_F(SiteCocsMainTest, BackShowsTheAnalysisInformationWindow)
{
    cocs->cmdBack->click();
    EXPECT_FALSE(cocs->frame()->isVisible());
    EXPECT_TRUE(site->frame()->isVisible());
    EXPECT_EQ(site->windowStateCode(), FormWindow::vbMaximized);
    EXPECT_TRUE(site->button("cmdNext")->isEnabled());

    // A save from the main window brings the constituent window back.
    typeCell(0, kColTotConc, "5");
    cocs->hideForm();
    main().cmdSave_Click();
    EXPECT_TRUE(cocs->frame()->isVisible());
}

TEST_F(SiteCocsMainTest, ComingBackToTheWindowRebuildsTheChemicalLists)
{
    cocs->cmbDataSource->setCurrentIndex(1);
    emit cocs->cmbDataSource->activated(1);
    ASSERT_EQ(cocs->drdChemName->listRowCount(), 1);
    db.insert("Cus_COCS", chemicalRow("Added solvent", "999-00-2", 1, 1, 1));
    site->showForm();
    EXPECT_EQ(cocs->drdChemName->listRowCount(), 1);
    cocs->showForm();
    EXPECT_EQ(cocs->drdChemName->listRowCount(), 2);
    EXPECT_EQ(cocs->drdChemName->valueText(0), "Added solvent");
}

TEST_F(SiteCocsMainTest, TheKeysBringTheCurrentCellIntoViewInTheScrollingWindow)
{
    main().resize(640, 420);   // the window, maximised, below its smallest size: its content scrolls
    DataGrid& grid = *cocs->grdSiteCOCs;
    for (const auto& [column, key] :
         {std::pair{int(kColTclpConc), Qt::Key_Right}, {int(kColTotConc), Qt::Key_Return}}) {
        grid.setCurrentCell(0, column);
        QTest::keyClick(&grid, key);
        EXPECT_TRUE(grid.viewport()->visibleRegion().boundingRect().contains(grid.visualRect(grid.currentIndex())));
    }
}

TEST_F(SiteCocsMainTest, Screenshot)
{
    main().resize(1280, 760);
    typeCell(2, kColChemName, "Toluene");
    typeCell(2, kColTclpConc, "0.25");
    cocs->cmdUpdateSiteCOCs->click();
    DataGrid* grid = cocs->grdSiteCOCs;
    grid->setCurrentCell(3, kColChemName);
    auto* editor = qobject_cast<QLineEdit*>(grid->cellEditor());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "Me");
    EXPECT_TRUE(cocs->drdChemName->isVisible());
    EXPECT_GE(cocs->ProgressBar1->x(), cocs->cmdRunTOVI->x() + cocs->cmdRunTOVI->width());
    EXPECT_LT(grid->y() + grid->height(), cocs->Label2->y());
    EXPECT_EQ(cocs->cmdUpdateSiteCOCs->y() + cocs->cmdUpdateSiteCOCs->height(), cocs->height());
    const QString path = QDir(QStringLiteral(TOVI_BINARY_DIR)).filePath(QStringLiteral("frmSiteCOCs.png"));
    EXPECT_TRUE(main().grab().save(path));
}

#include "site_cocs_main_test.moc"
