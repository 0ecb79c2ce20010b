#include "site_cocs_fixture.h"

#include "platform/ui/geometry.h"
#include "ui/common/ui_state.h"
#include "ui/input/constituent_grid.h"
#include "ui/main/main_window_services.h"
#include "ui/scripted_print.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString shown(const GridModel& grid, int row, int column)
{
    return grid.index(row, column).data().toString();
}

QVariant raw(const GridModel& grid, int row, int column)
{
    return grid.index(row, column).data(RawValueRole);
}

bool savedState(const frmSiteCOCs& w)
{
    return !w.cmdUpdateSiteCOCs->isEnabled() && !w.cmdCancel->isEnabled() && w.cmdRunTOVI->isEnabled()
           && w.cmdBack->isEnabled() && w.ProgressBar1->isEnabled();
}

bool editedState(const frmSiteCOCs& w)
{
    return w.cmdUpdateSiteCOCs->isEnabled() && w.cmdCancel->isEnabled() && !w.cmdRunTOVI->isEnabled()
           && !w.cmdBack->isEnabled() && !w.ProgressBar1->isEnabled();
}

}   // namespace

TEST_F(SiteCocsTest, LoadShowsTheStoredRowsAndItsSaveKeepsThemWithTheirResults)
{
    const QByteArray before = db.checksum();
    frmSiteCOCs& w = load();
    const GridModel& g = grid();
    EXPECT_EQ(w.windowTitle(), "Select Chemicals of Concern to be Modeled (Steps 4 & 5)");
    ASSERT_EQ(g.dataRowCount(), 2);
    EXPECT_EQ(g.rowCount(), 3);   // and the row for a new entry
    EXPECT_EQ(shown(g, 0, kColChemName), "Benzene");
    EXPECT_EQ(shown(g, 0, kColDafLf), "5.50E+00");
    EXPECT_EQ(g.index(0, kColDlTotal).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    EXPECT_EQ(shown(g, 1, kColDafLf), "TCLP dependent");   // inorganic
    EXPECT_EQ(shown(g, 1, kColDafSi), "TCLP dependent");
    EXPECT_EQ(shown(g, 1, 28), "0.00E+00");   // an empty MW
    EXPECT_EQ(shown(g, 1, kColCarcNon), "Noncarcinogen");
    EXPECT_EQ(shown(g, 1, kColTclpConc), "1.23E-01");
    EXPECT_EQ(raw(g, 1, kColTclpConc).toDouble(), 0.123456789012345);
    EXPECT_EQ(g.index(0, kColTclpConc).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));

    EXPECT_EQ(g.headerData(0, Qt::Horizontal).toString(), "Chemical Name");
    EXPECT_EQ(g.headerData(31, Qt::Horizontal).toString(), "LogKow");
    EXPECT_EQ(g.columnWidthTwips(kColChemCas), 2134);
    EXPECT_EQ(w.cmbDataSource->currentText(), "Default");
    EXPECT_EQ(w.cmbDataSource->count(), 2);
    EXPECT_EQ(w.drdChemName->listRowCount(), 6);
    EXPECT_EQ(w.drdChemName->valueText(1), "benzo(a)pyrene");   // in name order, letter case ignored
    EXPECT_EQ(w.windowStateCode(), FormWindow::vbMaximized);
    EXPECT_TRUE(uiState().gAnalysisFormsOpen);
    EXPECT_TRUE(savedState(w));

    // The grid holds the stored rows as it loaded them (an empty MW shown as 0, the inorganic DAFs
    // as "TCLP dependent"): the load's save keeps them with their results.
    EXPECT_EQ(db.checksum(), before);
    EXPECT_EQ(db.state.gRsSiteCocs.recordCount(), 2);
}

TEST_F(SiteCocsTest, OpeningAgainKeepsTheLastRunsResultsUntilAnInputChanges)
{
    load();
    unload();
    // A run after the first load's save: results in the rows and the groundwater delisting rows.
    ASSERT_TRUE(db.conn().exec("UPDATE SITECOCS SET GWINGr = 3e-6, LMTPTHTO = 'Groundwater' WHERE SITEKEY = 1").ok());
    db.insert("GWDelisting", {{"SITEKEY", 1}, {"ChemCas", "7439-92-1"}, {"GWDL", 0.3}});
    db.insert("SITECOCS", {{"SITEKEY", 1}, {"CHEMNAME", "Zzchem"}, {"CHEMCAS", "1-11-11"}, {"GWINGr", 5e-6}});
    const QByteArray run = db.checksum();

    openAnalysis(1);
    frmSiteCOCs& w = load();
    EXPECT_EQ(db.checksum(), run) << "the load's save changed nothing";
    EXPECT_EQ(stored(1, "GWINGr").toDouble(), 3e-6);
    EXPECT_TRUE(savedState(w));

    // A changed concentration: the results of the whole analysis go, as before.
    type(1, kColTotConc, "4e-7");
    enter();
    w.cmdUpdateSiteCOCs->click();
    EXPECT_EQ(stored(1, "TOTCONC").toDouble(), 4e-7);
    EXPECT_FALSE(stored(0, "GWINGr").isValid());
    EXPECT_FALSE(stored(1, "LMTPTHTO").isValid());
    EXPECT_EQ(db.conn().scalar("SELECT count(*) FROM GWDelisting WHERE SITEKEY = 1")->toInt(), 0);
}

TEST_F(SiteCocsTest, ThreeChemicalsChosenByNameByCasAndFromTheOwnChemicalsAreStoredExactly)
{
    frmSiteCOCs& w = load();
    // By name: a prefix in any letter case, then Enter, which moves to the TCLP concentration.
    type(2, kColChemName, "TOL");
    enter();
    ASSERT_GT(grid().dataRowCount(), 2);
    EXPECT_EQ(grid().cell(2, kColChemName).text, "Toluene");
    EXPECT_EQ(grid().cell(2, kColChemCas).text, "108-88-3");
    EXPECT_EQ(raw(grid(), 2, kColDafLf).toDouble(), 2.5);
    EXPECT_EQ(w.grdSiteCOCs->currentIndex(), grid().index(2, kColTclpConc));
    EXPECT_TRUE(editedState(w));
    type(2, kColTclpConc, "0.000123456789");
    enter();
    type(2, kColTotConc, "1.5E3");
    enter();
    tick(2, kColDlTclp, true);

    // By CAS number: an inorganic chemical keeps its stored DAFs.
    type(3, kColChemCas, "7439-97");
    enter();
    ASSERT_GT(grid().dataRowCount(), 3);
    EXPECT_EQ(grid().cell(3, kColChemName).text, "Mercury");
    EXPECT_EQ(grid().cell(3, kColChemCas).text, "7439-97-6");
    EXPECT_EQ(raw(grid(), 3, kColDafLf).toDouble(), 11.0);
    type(3, kColTotConc, "2.5E-02");
    enter();
    tick(3, kColDlTotal, true);

    // From the user's own chemicals: no organic flag, so "TCLP dependent".
    w.cmbDataSource->setCurrentIndex(1);
    emit w.cmbDataSource->activated(1);
    EXPECT_EQ(w.drdChemName->listRowCount(), 1);
    type(4, kColChemName, "my");
    enter();
    ASSERT_GT(grid().dataRowCount(), 4);
    EXPECT_EQ(grid().cell(4, kColChemName).text, "My solvent");
    EXPECT_EQ(grid().cell(4, kColDafLf).text, "TCLP dependent");
    type(4, kColTclpConc, "7");
    enter();

    w.cmdUpdateSiteCOCs->click();
    EXPECT_TRUE(savedState(w));
    ASSERT_EQ(storedCount(), 5);
    EXPECT_EQ(stored(2, "CHEMNAME"), "Toluene");
    EXPECT_EQ(stored(2, "TCLPCONC").toDouble(), 0.000123456789);
    EXPECT_EQ(stored(2, "TOTCONC").toDouble(), 1500.0);
    EXPECT_EQ(stored(2, "DLTCLP").toInt(), 1);
    EXPECT_EQ(stored(2, "DLTOTAL").toInt(), 0);
    EXPECT_EQ(stored(2, "LOGKOW").toDouble(), 0.35);
    EXPECT_EQ(stored(3, "CHEMCAS"), "7439-97-6");
    EXPECT_EQ(stored(3, "TOTCONC").toDouble(), 0.025);
    EXPECT_EQ(stored(3, "DAFSI").toDouble(), 21.0);
    EXPECT_EQ(stored(3, "DLTOTAL").toInt(), 1);
    EXPECT_EQ(stored(4, "CHEMCAS"), "999-00-1");
    EXPECT_EQ(stored(4, "DAFLF").toDouble(), 0.0);
    EXPECT_EQ(stored(4, "CARCNON"), "Carcinogen");
    EXPECT_EQ(shown(grid(), 2, kColTclpConc), "1.23E-04");

    unload();
    openAnalysis(1);
    load();
    ASSERT_EQ(grid().dataRowCount(), 5);
    EXPECT_EQ(raw(grid(), 2, kColTclpConc).toDouble(), 0.000123456789);
    EXPECT_EQ(raw(grid(), 3, kColTotConc).toDouble(), 0.025);
    EXPECT_EQ(grid().index(3, kColDlTotal).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    EXPECT_EQ(shown(grid(), 3, kColDafLf), "TCLP dependent");      // stored as inorganic
    EXPECT_EQ(stored(2, "TCLPCONC").toDouble(), 0.000123456789);   // the load's save rounds nothing
}

TEST_F(SiteCocsTest, SearchTextsWithApostrophesAndNamesTheListDoesNotHoldAndTheirCasNumbers)
{
    load();
    type(2, kColChemName, "o'n");
    enter();
    ASSERT_GT(grid().dataRowCount(), 2);
    EXPECT_EQ(grid().cell(2, kColChemName).text, "O'Neill's compound");
    EXPECT_EQ(grid().cell(2, kColChemCas).text, "555-55-5");

    // A typed concentration stays when the row becomes a hand-typed chemical.
    type(3, kColTclpConc, "5");
    enter();
    type(3, kColChemName, "Smith's reagent");
    enter();
    ASSERT_GT(grid().dataRowCount(), 3);
    EXPECT_EQ(grid().cell(3, kColChemName).text, "Smith's reagent");
    EXPECT_EQ(grid().cell(3, kColChemCas).text, "1-11-11");
    EXPECT_EQ(raw(grid(), 3, kColTclpConc).toDouble(), 5.0);
    EXPECT_EQ(grid().cell(3, kColDafLf).text, "0");
    EXPECT_EQ(grid().cell(3, 31).text, "0");
    EXPECT_EQ(grid().cell(3, kColCarcNon).text, "Carcinogen");
    // Its CAS number: one of the list not shown is refused, that list named; one that no list has is taken.
    const std::tuple<int, QString, QString> cases[] = {{1, "71-43-2", "\"Default\""},
                                                       {0, "999-00-1", "\"Customer\""},
                                                       {0, "123-45-6", ""}};
    for (const auto& [source, typed, holder] : cases) {
        window().cmbDataSource->setCurrentIndex(source);
        emit window().cmbDataSource->activated(source);
        if (!holder.isEmpty())
            messages.expect("Duplicate");
        type(3, kColChemCas, typed);
        enter();
        ASSERT_TRUE(messages.done()) << qPrintable(typed);
        EXPECT_TRUE(holder.isEmpty() || messages.shown().back().text.contains(holder));
        EXPECT_EQ(grid().cell(3, kColChemCas).text, holder.isEmpty() ? typed : "1-11-11");
    }

    // A partial name that a chemical starts with becomes that chemical's whole name.
    type(0, kColChemName, "benzo");
    enter();
    EXPECT_EQ(grid().cell(0, kColChemName).text, "benzo(a)pyrene");
    EXPECT_EQ(grid().cell(0, kColChemCas).text, "50-32-8");

    // A CAS number that matches nothing leaves the row as it was.
    const double mcl = raw(grid(), 1, kColFirstProperty).toDouble();
    type(1, kColChemCas, "999-99");
    enter();
    EXPECT_EQ(grid().cell(1, kColChemName).text, "Lead");
    EXPECT_EQ(grid().cell(1, kColChemCas).text, "7439-92-1");
    EXPECT_EQ(raw(grid(), 1, kColFirstProperty).toDouble(), mcl);

    // The search of an earlier cell does not carry over: Enter in another name cell changes nothing.
    type(1, kColChemName, "Nothing like it");
    QTest::keyClick(window().grdSiteCOCs->cellEditor(), Qt::Key_Escape);
    window().grdSiteCOCs->setCurrentCell(0, kColChemName);
    QTest::keyClick(window().grdSiteCOCs->cellEditor(), Qt::Key_Return);
    EXPECT_EQ(grid().cell(0, kColChemName).text, "benzo(a)pyrene");
    EXPECT_EQ(grid().cell(1, kColChemName).text, "Lead");

    // A chemical picked from the list after a name that none starts is the chemical picked.
    type(4, kColChemName, "Xylene");
    GridDropDown* list = window().drdChemName;
    const QModelIndex mercury = list->list().index(list->findPrefix("Mercury"), 0);
    list->scrollTo(mercury);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(mercury).center());
    ASSERT_GT(grid().dataRowCount(), 4);
    EXPECT_EQ(grid().cell(4, kColChemName).text, "Mercury");
    EXPECT_EQ(grid().cell(4, kColChemCas).text, "7439-97-6");
    EXPECT_EQ(grid().cell(4, kColDafSi).text, "TCLP dependent");
}

TEST_F(SiteCocsTest, NonNumericCellsAreRefusedAndTheStoredValueIsKept)
{
    frmSiteCOCs& w = load();
    messages.expect("Invalid Input", vbOK,
                    "You have entered an invalid character into this input field.  Please ensure that you have "
                    "entered only numbers.");
    QLineEdit* editor = type(0, kColTclpConc, "1,000");
    enter();
    EXPECT_EQ(w.grdSiteCOCs->cellEditor(), editor);   // still open, the text as typed
    EXPECT_EQ(editor->text(), "1,000");
    EXPECT_EQ(raw(grid(), 0, kColTclpConc).toDouble(), 0.5);

    // The save commits the open editor first: the same refusal, nothing stored.
    messages.expect("Invalid Input");
    const QByteArray before = db.checksum();
    w.cmdUpdateSiteCOCs->click();
    EXPECT_EQ(db.checksum(), before);

    w.cmdCancel->click();
    EXPECT_EQ(w.grdSiteCOCs->cellEditor(), nullptr);
    EXPECT_EQ(raw(grid(), 0, kColTclpConc).toDouble(), 0.5);

    type(0, kColDafSi, "TCLP dependent");
    enter();
    ASSERT_GT(grid().dataRowCount(), 0);
    EXPECT_EQ(grid().cell(0, kColDafSi).text, "TCLP dependent");
    messages.expect("Invalid Input");
    type(0, kColTotConc, "TCLP dependent");
    enter();
    EXPECT_EQ(raw(grid(), 0, kColTotConc).toDouble(), 12.25);
    w.cmdCancel->click();
}

TEST_F(SiteCocsTest, DuplicateRowsAreRefusedAndNothingIsStored)
{
    frmSiteCOCs& w = load();
    // Two new rows equal to each other and to row 0, which is not their neighbour.
    for (int row : {2, 3}) {
        type(row, kColChemName, "Benzene");
        enter();
        type(row, kColTclpConc, "0.5");
        enter();
        type(row, kColTotConc, "12.25");
        enter();
        tick(row, kColDlTotal, true);
    }
    const QByteArray before = db.checksum();
    messages.expect("Duplicate", vbOK,
                    "This record already exists.  Please ensure that all COCs have at least one unique field.  You "
                    "won't be allowed to Update the Site COCs until each chemical is unique.");
    w.cmdUpdateSiteCOCs->click();
    EXPECT_EQ(db.checksum(), before);
    EXPECT_TRUE(editedState(w));
    EXPECT_EQ(grid().dataRowCount(), 4);

    // One of the pair differs in a flag: saved, with row 0's twin stored too.
    tick(3, kColDlTclp, true);
    w.cmdUpdateSiteCOCs->click();
    EXPECT_TRUE(savedState(w));
    EXPECT_EQ(storedCount(), 4);
}

TEST_F(SiteCocsTest, DeleteRemovesWholeSelectedRowsOnlyAndTheStoredRowsWaitForTheSave)
{
    frmSiteCOCs& w = load();
    type(2, kColChemName, "Toluene");
    enter();
    type(3, kColChemName, "Mercury");
    enter();
    w.cmdUpdateSiteCOCs->click();
    ASSERT_EQ(grid().dataRowCount(), 4);

    messages.expect("Confirm Delete", vbNo,
                    "Are you sure you want to delete the selected record?  Once deleted, you cannot recover this "
                    "record.");
    w.grdSiteCOCs->selectRow(1);
    w.cmdDelete->click();
    EXPECT_EQ(grid().dataRowCount(), 4);
    EXPECT_TRUE(savedState(w));

    messages.expect("Confirm Delete", vbYes);
    w.cmdDelete->click();
    ASSERT_EQ(grid().dataRowCount(), 3);
    EXPECT_EQ(grid().cell(1, kColChemName).text, "Toluene");
    EXPECT_TRUE(editedState(w));
    EXPECT_EQ(storedCount(), 4);

    w.grdSiteCOCs->clearSelection();
    w.grdSiteCOCs->setCurrentCell(0, kColTclpConc);
    messages.expect("Confirm Delete", vbYes)
        .expect("Select Entire Row", vbOK, "You must highlight the entire row before deleting the chemical.");
    w.cmdDelete->click();
    EXPECT_EQ(grid().dataRowCount(), 3);

    w.grdSiteCOCs->selectAll();
    messages.expect("Confirm Delete", vbYes);
    w.cmdDelete->click();
    EXPECT_EQ(grid().dataRowCount(), 0);
    w.cmdUpdateSiteCOCs->click();
    EXPECT_EQ(storedCount(), 0);
    EXPECT_EQ(storedCount(2), 1);
}

TEST_F(SiteCocsTest, RunStartsTheForwardRunAndEmptiesTheProgressBarAfterIt)
{
    frmSiteCOCs& w = load();
    int barDuringRun = -1;
    mainWindowServices().runRiskAnalysis = [&] {
        ASSERT_TRUE(db.conn()
                        .exec("UPDATE SITECOCS SET GWINGr = 0.25, LMTPTHTO = 'Soil Ingestion' WHERE SITEKEY = ?",
                              {db.state.gCurSiteKey})
                        .ok());
        w.ProgressBar1->setValue(33);
        barDuringRun = w.ProgressBar1->value();
    };
    w.cmdRunTOVI->click();
    mainWindowServices() = {};
    EXPECT_EQ(barDuringRun, 33);
    EXPECT_EQ(w.ProgressBar1->value(), 0);
    EXPECT_EQ(stored(0, "GWINGr").toDouble(), 0.25);
    EXPECT_EQ(stored(1, "LMTPTHTO"), "Soil Ingestion");

    // An edit empties the bar and the run waits for the save.
    w.ProgressBar1->setValue(50);
    type(0, kColTclpConc, "2");
    enter();
    EXPECT_EQ(w.ProgressBar1->value(), 0);
    EXPECT_FALSE(w.cmdRunTOVI->isEnabled());
}

TEST_F(SiteCocsTest, EnterMovesToTheTclpConcentrationOfTheRowOrOfTheNextAfterTheLastColumn)
{
    frmSiteCOCs& w = load();
    w.grdSiteCOCs->setCurrentCell(0, kColTotConc);
    enter();
    EXPECT_EQ(w.grdSiteCOCs->currentIndex(), grid().index(0, kColTclpConc));
    w.grdSiteCOCs->setCurrentCell(0, kConstituentColumns - 1);
    enter();
    EXPECT_EQ(w.grdSiteCOCs->currentIndex(), grid().index(1, kColTclpConc));
    w.grdSiteCOCs->setCurrentCell(1, kConstituentColumns - 1);
    enter();
    EXPECT_EQ(w.grdSiteCOCs->currentIndex(), grid().index(2, kColTclpConc));   // the row for a new entry
    EXPECT_TRUE(savedState(w));
}

TEST_F(SiteCocsTest, CancelRestoresTheRowBeingEditedAndKeepsTheState)
{
    frmSiteCOCs& w = load();
    type(0, kColTclpConc, "9");
    enter();
    type(0, kColChemName, "Toluene");
    enter();
    ASSERT_GT(grid().dataRowCount(), 0);
    EXPECT_EQ(grid().cell(0, kColChemCas).text, "108-88-3");
    w.cmdCancel->click();
    EXPECT_EQ(grid().cell(0, kColChemName).text, "Benzene");
    EXPECT_EQ(raw(grid(), 0, kColTclpConc).toDouble(), 0.5);
    EXPECT_EQ(raw(grid(), 0, kColDafLf).toDouble(), 5.5);
    EXPECT_TRUE(editedState(w));
}

TEST_F(SiteCocsTest, AFailedSaveIsReportedAndKeepsTheStoredRowsAndTheEdits)
{
    frmSiteCOCs& w = load();
    type(2, kColChemName, QStringLiteral("Zq"));
    enter();
    grid().setCells(2, {{kColChemName, GridCell::fromText(QString(300, QLatin1Char('n')))}});
    const QByteArray before = db.checksum();
    messages.expect("Unable to Save");
    w.cmdUpdateSiteCOCs->click();
    EXPECT_EQ(db.checksum(), before);
    EXPECT_TRUE(editedState(w));
    EXPECT_EQ(grid().dataRowCount(), 3);
    EXPECT_EQ(db.state.gRsSiteCocs.recordCount(), 2);

    grid().setCells(2, {{kColChemName, GridCell::fromText("Short name")}});
    w.cmdUpdateSiteCOCs->click();
    EXPECT_EQ(storedCount(), 3);
    EXPECT_EQ(db.state.gRsSiteCocs.recordCount(), 3);
}

TEST_F(SiteCocsTest, StoredNeighboursEqualInEveryColumnShowTheDuplicateMessageOnLoad)
{
    db.insert("SITECOCS", {{"SITEKEY", 2}, {"CHEMNAME", "Toluene"}, {"CHEMCAS", "108-88-3"}});
    openAnalysis(2);
    messages.expect("Duplicate");
    frmSiteCOCs& w = load();
    EXPECT_EQ(grid().dataRowCount(), 2);
    EXPECT_EQ(storedCount(2), 2);
    EXPECT_TRUE(editedState(w));
    EXPECT_TRUE(uiState().gAnalysisFormsOpen);
}

TEST_F(SiteCocsTest, AnAnalysisWithoutConstituentsLoadsAnEmptyGridAndItsSaveStoresNothing)
{
    openAnalysis(3);
    frmSiteCOCs& w = load();
    EXPECT_EQ(grid().dataRowCount(), 0);
    EXPECT_TRUE(savedState(w));
    EXPECT_EQ(storedCount(3), 0);
    EXPECT_EQ(storedCount(1), 2);
}

TEST_F(SiteCocsTest, ALoadThatCannotReadTheChemicalTableStopsBeforeItsSave)
{
    ASSERT_TRUE(db.conn().exec("DROP TABLE Cus_COCS").ok());
    ASSERT_TRUE(db.conn().exec("ALTER TABLE COCS RENAME TO COCS_gone").ok());
    const QByteArray before = db.checksum();
    messages.expect("Unable to Save");
    frmSiteCOCs& w = load();
    EXPECT_EQ(grid().dataRowCount(), 0);
    EXPECT_EQ(db.checksum(), before);
    EXPECT_FALSE(uiState().gAnalysisFormsOpen);
    EXPECT_EQ(grid().headerData(0, Qt::Horizontal).toString(), "");

    // The empty grid never replaces the stored rows: a later save tells why again.
    messages.expect("Unable to Save");
    w.cmdUpdateSiteCOCs->click();
    EXPECT_EQ(db.checksum(), before);
    EXPECT_EQ(storedCount(1), 2);
    EXPECT_EQ(messages.shown().size(), 2);
}

TEST_F(SiteCocsTest, ResizeKeepsTheButtonsAtTheBottomAndTheGridAboveTheLowerHeading)
{
    frmSiteCOCs& w = load();
    w.setWindowStateCode(FormWindow::vbNormal);
    w.resizeTwips(11025, 9495);
    for (QWidget* b : std::initializer_list<QWidget*>{w.cmdCancel, w.cmdUpdateSiteCOCs, w.cmdBack, w.cmbDataSource,
                                                      w.cmdRunTOVI, w.cmdDelete})
        EXPECT_EQ(b->y() + b->height(), w.height()) << qPrintable(b->objectName());
    const int line2 = w.Line2->y() + w.Line2->height() / 2;
    const int line1 = w.Line1->y() + w.Line1->height() / 2;
    EXPECT_EQ(line2, w.cmdUpdateSiteCOCs->y() - twipsToPx(100));
    EXPECT_EQ(w.Label2->y(), line2 - (line1 - w.Label1->y()));
    EXPECT_EQ(w.grdSiteCOCs->x() + w.grdSiteCOCs->width() + w.grdSiteCOCs->x(), w.width());
    EXPECT_EQ(w.grdSiteCOCs->y() + w.grdSiteCOCs->height(), w.Label2->y() - twipsToPx(100));
    EXPECT_EQ(w.ProgressBar1->x(), w.cmdRunTOVI->x() + w.cmdRunTOVI->width() + twipsToPx(50));
    EXPECT_EQ(w.ProgressBar1->y(), w.cmdRunTOVI->y());

    // Too low for its controls: the window keeps a grid with rows above the lower heading, and scrolls.
    w.resizeTwips(11025, 900);
    EXPECT_GT(w.grdSiteCOCs->height(), w.grdSiteCOCs->heightShowing(1));
    EXPECT_EQ(w.grdSiteCOCs->y() + w.grdSiteCOCs->height(), w.Label2->y() - twipsToPx(100));
    EXPECT_EQ(w.cmdRunTOVI->y() + w.cmdRunTOVI->height(), w.height());
}

TEST_F(SiteCocsTest, PrintAndExportShowTheGridAsDisplayedWithoutTheRowForANewEntry)
{
    db.state.gCurFileName = QStringLiteral("Plating");
    frmSiteCOCs& w = load();
    QTemporaryDir out;
    const QString pdf = QDir(out.path()).filePath("cocs.pdf");
    {
        ScriptedPrintDialogs dialogs(pdf);
        dialogs.answer(true);
        w.PrintTable(true);
    }
    const QStringList pages = pdfPageTexts(pdf);
    ASSERT_FALSE(pages.isEmpty());
    EXPECT_TRUE(pages[0].contains("Select Chemicals of Concern to be Modeled (Steps 4 & 5)"));
    EXPECT_TRUE(pages[0].contains("Results for Analysis: Plating"));
    EXPECT_TRUE(pages[0].contains("Benzene"));
    expectColumnPagesEven(pdf, grid());

    ScriptedFileDialogs files;
    files.answer(QDir(out.path()).filePath("cocs"), 2);
    w.ExportToTable();
    QFile text(QDir(out.path()).filePath("cocs.txt"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(text.readAll()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("Chemical Name\tCAS Number\tTCLP Concentration (mg/L)"));
    EXPECT_TRUE(lines[1].startsWith("Benzene\t71-43-2\t5.00E-01\tFalse\t1.23E+01\tTrue\t"));
    EXPECT_TRUE(lines[2].contains("\tTCLP dependent\tTCLP dependent\t"));
}
