// The whole program as a user drives it: the composition root's windows and services, the real
// input, result and delisting windows, the engines and the analysis files, on a database of the
// test's own.

#include "app/program_wiring.h"
#include "app/startup.h"
#include "core/constants_fixture.h"
#include "core/temp_database.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "platform/ui/geometry.h"
#include "ui/chemdb/frmCusCOSAndDAF.h"
#include "ui/command_state.h"
#include "ui/common/ui_state.h"
#include "ui/grid_readback.h"
#include "ui/input/constituent_grid.h"
#include "ui/input/frmSiteCOCs.h"
#include "ui/input/frmSiteWMU.h"
#include "ui/input/site_window_services.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmTitle.h"
#include "ui/printers.h"
#include "ui/quiet_settings.h"
#include "ui/results/frmPrint.h"
#include "ui/scripted_print.h"
#include "ui/scripted_services.h"
#include "ui/title_script.h"
#include "ui/user_input.h"
#include "ui/whole_program.h"

#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// ---- The database's own rows ------------------------------------------------------------

// A chemical table row: every property the engines read, with values of the chemical's kind.
QVariantMap chemical(const QString& name, const QString& cas, const QVariantMap& properties)
{
    QVariantMap row = {{"CHEMNAME", name}, {"CHEMCAS", cas}};
    for (auto it = properties.begin(); it != properties.end(); ++it)
        row.insert(it.key(), it.value());
    return row;
}

// An organic volatile carcinogen, an inorganic noncarcinogen and lead.
const QVariantMap kBenzene = chemical("Benzene", "71-43-2", {{"MCL", 0.005},     {"CSFO", 0.055},
                                                             {"CSFI", 0.0273},   {"ORDO", 0.004},
                                                             {"ORDI", 0.03},     {"BCF", 4.3},
                                                             {"SOILSAT", 1800},  {"TC", 0.5},
                                                             {"HENRY", 0.00555}, {"DIFFW", 9.8e-6},
                                                             {"DIFFA", 0.088},   {"SOL", 1750},
                                                             {"DAFLF", 20},      {"DAFSI", 20},
                                                             {"TSTAR", 0.7},     {"K", 0.015},
                                                             {"TAU", 0.29},      {"B", 0.051},
                                                             {"ORGANIC", 1},     {"BAF", 4.3},
                                                             {"ECOCHRON", 0.13}, {"CARCNON", "Carcinogen"},
                                                             {"MW", 78.11},      {"VAPORP", 0.125},
                                                             {"KSW", 1.0},       {"LOGKOW", 2.13}});
const QVariantMap kBarium = chemical("Barium", "7440-39-3",
                                     {{"MCL", 2},
                                      {"ORDO", 0.2},
                                      {"ORDI", 0.0005},
                                      {"BCF", 8},
                                      {"TC", 100},
                                      {"SOL", 0},
                                      {"DAFLF", 12},
                                      {"DAFSI", 14},
                                      {"TSTAR", 0},
                                      {"K", 0.001},
                                      {"TAU", 0},
                                      {"B", 0},
                                      {"ORGANIC", 0},
                                      {"BAF", 8},
                                      {"ECOCHRON", 0.004},
                                      {"CARCNON", "Noncarcinogen"},
                                      {"MW", 137.33},
                                      {"KSW", 41}});
const QVariantMap kLead = chemical("Lead", "7439-92-1",
                                   {{"MCL", 0.015},
                                    {"TC", 5},
                                    {"K", 0.0001},
                                    {"ORGANIC", 0},
                                    {"BCF", 49},
                                    {"BAF", 49},
                                    {"ECOCHRON", 0.0025},
                                    {"CARCNON", "Noncarcinogen"},
                                    {"MW", 207.2},
                                    {"KSW", 900}});

// A DAF curve: the same factor at three concentrations, so that c/D rises with c.
void addDafCurve(TempDatabase& db, const QString& cas, double daf)
{
    for (double conc : {0.001, 1.0, 1000.0})
        db.insert(QStringLiteral("DAFs"), {{"CAS Num", cas},
                                           {"LFconc", conc},
                                           {"DAFLF_CARC", daf},
                                           {"DAFLF_NON", daf},
                                           {"SIconc", conc},
                                           {"DAFSI_CARC", daf},
                                           {"DAFSI_NON", daf}});
}

// ---- What the user types ----------------------------------------------------------------

// The analysis information window's inputs, as typed or chosen.
struct AnalysisInputs {
    QString name = QStringLiteral("Mill Creek Landfill");
    QString petitioner = QStringLiteral("Acme Plating Co.");
    QString petitionId = QStringLiteral("KOR-2009-17");
    QString address1 = QStringLiteral("1 Mill Road");
    QString address2 = QStringLiteral("Building 4");
    QString city = QStringLiteral("Springfield");
    QString state = QStringLiteral("IL");   // typed into the closed state list: "IL - Illinois"
    QString zip = QStringLiteral("62701");
    QString wasteDesc = QStringLiteral("Plating sludge");
    QString wasteCode = QStringLiteral("F006");
    QString userName = QStringLiteral("J. Doe");
    QString delistDateTyped = QStringLiteral("3/4/2009");
    QString delistDate = QStringLiteral(" Mar-04-2009 ");
    QString submitDateTyped = QStringLiteral("2009-02-15");
    QString submitDate = QStringLiteral(" Feb-15-2009 ");
    QString region = QStringLiteral("5");
    QString volume = QStringLiteral("5000");
    QString volumeUnit = QStringLiteral("ft³");
    QString activeLife = QStringLiteral("30");
    QString risk = QStringLiteral("1E-6");
    QString hq = QStringLiteral("0.1");
    QString comments = QStringLiteral("Three constituents of concern.");
};

// A constituent chosen in the grid: by its name or by its CAS number, with its concentrations
// and detection-limit flags.
struct Constituent {
    QString typed;   // the prefix typed into the name or the CAS cell
    bool byCas;
    QString name;
    QString cas;
    QString tclp;
    QString total;
    bool tclpLimit;
    bool totalLimit;
};

const std::vector<Constituent> kConstituents = {
    {"benz", false, "Benzene", "71-43-2", "0.5", "250", true, false},
    {"7440-39", true, "Barium", "7440-39-3", "2", "40", false, true},
    {"LEAD", false, "Lead", "7439-92-1", "0.1", "300", false, false},
};

// ---- The fixture ------------------------------------------------------------------------

class WholeProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_settings.isValid());
        ASSERT_TRUE(useQuietSettings(m_settings.path()));

        db.insert(QStringLiteral("CONSTNTS"), constantsRow());
        for (const QVariantMap& row : {kBenzene, kBarium, kLead})
            db.insert(QStringLiteral("COCS"), row);
        addDafCurve(db, QStringLiteral("71-43-2"), 20);
        addDafCurve(db, QStringLiteral("7440-39-3"), 12);
        addDafCurve(db, QStringLiteral("7439-92-1"), 30);

        m_main = startWholeProgram(db.state);
        ASSERT_TRUE(m_main);
        m_main->resize(1400, 950);
    }

    void TearDown() override { endWholeProgram(m_main); }

    frmMain& main() { return *m_main; }
    frmSiteWMU* site() { return static_cast<frmSiteWMU*>(Forms::find(QStringLiteral("frmSiteWMU"))); }
    frmSiteCOCs* cocs() { return static_cast<frmSiteCOCs*>(Forms::find(QStringLiteral("frmSiteCOCs"))); }
    static bool isShown(const char* form)
    {
        FormWindow* w = Forms::find(QString::fromLatin1(form));
        return w && w->frame()->isVisible();
    }

    static void click(QWidget* button)
    {
        ASSERT_TRUE(button->isEnabled()) << qPrintable(button->objectName()) << " is disabled";
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void choose(QAction* menuItem)
    {
        ASSERT_TRUE(menuItem->isEnabled()) << qPrintable(menuItem->objectName()) << " is disabled";
        menuItem->trigger();
    }

    // Types a date and leaves the box with the Tab key, which runs the window's date check.
    void typeDate(QLineEdit* box, const QString& text)
    {
        site()->showForm();
        box->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        typeInto(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }

    // Picks a list entry with the keyboard, as typing its first letters into the closed list does.
    static void pick(QComboBox* list, const QString& typed) { QTest::keyClicks(list, typed); }

    // Fills the analysis information window.
    void fillAnalysisWindow(const AnalysisInputs& in)
    {
        frmSiteWMU& w = *site();
        pick(w.cmbRegion, in.region);
        typeInto(w.txtPetitionID, in.petitionId);
        typeInto(w.txtFileName, in.name);
        typeInto(w.txtSiteID, in.petitioner);
        typeInto(w.txtFacID1, in.address1);
        typeInto(w.txtFacID2, in.address2);
        typeInto(w.txtCity, in.city);
        pick(w.cmbState, in.state);
        typeInto(w.txtZipCode, in.zip);
        typeInto(w.txtWasteDesc, in.wasteDesc);
        typeInto(w.txtWasteCode, in.wasteCode);
        typeInto(w.txtUserName, in.userName);
        typeDate(w.txtDelistDate, in.delistDateTyped);
        typeDate(w.txtSubmitDate, in.submitDateTyped);
        typeInto(w.rtfComments, in.comments);
        QTest::mouseClick(w.optLandfill, Qt::LeftButton);
        typeInto(w.txtVolume, in.volume);
        pick(w.cmbVolumeUnits, in.volumeUnit.left(1));
        QTest::mouseClick(w.optMultiBatch, Qt::LeftButton);
        typeInto(w.txtActiveLife, in.activeLife);
        typeInto(w.cmbRiskValue, in.risk);
        typeInto(w.cmbHQValue, in.hq);
    }

    // Chooses a chemical in a row of the constituent grid and types its concentrations.
    void chooseChemical(int row, const Constituent& c)
    {
        DataGrid& grid = *cocs()->grdSiteCOCs;
        typeInCell(grid, row, c.byCas ? kColChemCas : kColChemName, c.typed);
        pressEnter(grid);
        typeInCell(grid, row, kColTclpConc, c.tclp);
        pressEnter(grid);
        typeInCell(grid, row, kColTotConc, c.total);
        pressEnter(grid);
        tickCell(grid, row, kColDlTclp, c.tclpLimit);
        tickCell(grid, row, kColDlTotal, c.totalLimit);
    }

    // New, the analysis information window filled, three constituents chosen, main Save.
    qint32 createAnalysis(const AnalysisInputs& in = {})
    {
        click(main().cmdNew);
        fillAnalysisWindow(in);
        choose(main().mnuShowSiteCOCs);
        for (size_t i = 0; i < kConstituents.size(); ++i)
            chooseChemical(int(i), kConstituents[i]);
        click(main().cmdSave);
        return db.state.gCurSiteKey;
    }

    // Opens an analysis as a double click on one of its tree nodes does.
    void doubleClickNode(const QString& key)
    {
        KeyedTree& tree = *main().trvAnalysis;
        clickNode(tree, key);
        QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(tree.node(key)).center());
    }

    // The analysis information window's controls as shown, in the order of AnalysisInputs.
    static QStringList shownInputs(const frmSiteWMU& w)
    {
        return {w.txtFileName->text(),
                w.txtSiteID->text(),
                w.txtPetitionID->text(),
                w.txtFacID1->text(),
                w.txtFacID2->text(),
                w.txtCity->text(),
                w.cmbState->currentText(),
                w.txtZipCode->text(),
                w.txtWasteDesc->text(),
                w.txtWasteCode->text(),
                w.txtUserName->text(),
                w.txtDelistDate->text(),
                w.txtSubmitDate->text(),
                w.cmbRegion->currentText(),
                w.rtfComments->toPlainText(),
                w.optLandfill->isChecked() ? "Landfill" : "Surface Impoundment",
                w.txtVolume->text(),
                w.cmbVolumeUnits->currentText(),
                w.optMultiBatch->isChecked() ? "Multiple Year Batch" : "One Year Batch",
                w.txtActiveLife->text(),
                w.cmbRiskValue->currentText(),
                w.cmbHQValue->currentText()};
    }
    // What the window shows for stored inputs: the targets in the general text form ("1E-6" is
    // stored as 1E-06).
    static QStringList expectedInputs(const AnalysisInputs& in)
    {
        return {in.name,       in.petitioner, in.petitionId,         in.address1,
                in.address2,   in.city,       "IL - Illinois",       in.zip,
                in.wasteDesc,  in.wasteCode,  in.userName,           in.delistDate,
                in.submitDate, in.region,     in.comments,           "Landfill",
                in.volume,     in.volumeUnit, "Multiple Year Batch", in.activeLife,
                "1E-06",       in.hq};
    }

    // The main window's Print with the items ticked (none: every item), into a PDF file.
    QString printToPdf(const QString& fileName, const QList<int>& items = {})
    {
        const QString pdf = QDir(db.folder()).filePath(fileName);
        ScriptedPrintDialogs dialogs(pdf);
        dialogs.answer(true, true);
        QTimer::singleShot(0, [items] {
            auto* w = qobject_cast<frmPrint*>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr);
            for (int i = 0; i < w->lstPrint->count(); ++i)
                if (items.isEmpty() || items.contains(i))
                    w->lstPrint->item(i)->setCheckState(Qt::Checked);
            QTest::mouseClick(w->cmdPrint, Qt::LeftButton);
        });
        choose(main().mnuPrint);
        return pdf;
    }

    // The key of the stored analysis of that name; 0 when there is none.
    qint32 keyNamed(const QString& name)
    {
        Result<QVariant> key =
            db.conn().scalar(QStringLiteral("SELECT SITEKEY FROM SITEINFO WHERE FILENAME = ?"), {name});
        EXPECT_TRUE(key.ok());
        return key.ok() ? key->toInt() : 0;
    }

    // The stored rows of a table for the key, in stored order, with the given columns.
    QList<QVariantList> storedRows(const QString& table, qint32 key, const QStringList& columns)
    {
        QStringList quoted;
        for (const QString& c : columns)
            quoted << '"' + c + '"';
        Result<QueryRows> rows = db.conn().select(
            QStringLiteral("SELECT %1 FROM \"%2\" WHERE SITEKEY = ? ORDER BY rowid").arg(quoted.join(','), table),
            {key});
        EXPECT_TRUE(rows.ok());
        QList<QVariantList> values;
        if (rows.ok())
            for (const QVector<QVariant>& r : rows->rows)
                values << QVariantList(r.begin(), r.end());
        return values;
    }
    static QStringList allColumnsBut(const QString& table, const QStringList& skipped)
    {
        QStringList columns;
        for (const ColumnDef& c : findTable(table)->columns)
            if (!skipped.contains(c.name))
                columns << c.name;
        return columns;
    }

    // A grid row as shown.
    static QStringList gridRow(const DataGrid& grid, int row) { return shownRow(grid.grid(), row); }
    // A row, and the first column, of a result window's grid.
    static QStringList rowOf(const FormWindow& window, int row) { return gridRow(*window.findChild<DataGrid*>(), row); }
    static QStringList firstColumnOf(const FormWindow& window)
    {
        const GridModel& grid = window.findChild<DataGrid*>()->grid();
        QStringList cells;
        for (int r = 0; r < grid.dataRowCount(); ++r)
            cells << grid.index(r, 0).data().toString();
        return cells;
    }

    // Stored values of one field, in stored order.
    QVariantList column(const QString& table, const QString& field, qint32 key)
    {
        QVariantList values;
        for (const QVariantList& row : storedRows(table, key, {field}))
            values << row.front();
        return values;
    }
    QVariant field(const QString& table, const QString& name, qint32 key)
    {
        const QVariantList values = column(table, name, key);
        EXPECT_EQ(values.size(), 1) << qPrintable(table) << '.' << qPrintable(name);
        return values.value(0);
    }

    // The nine texts of an analysis's tree group, root first.
    QStringList treeGroup(qint32 key)
    {
        QStringList texts;
        QTreeWidgetItem* root = main().trvAnalysis->node(QStringLiteral("KEY%1").arg(key));
        if (!root)
            return texts;
        texts << root->text(0);
        for (int i = 0; i < root->childCount(); ++i)
            texts << root->child(i)->text(0);
        return texts;
    }

    TempDatabase db;
    ScriptedMessages messages;
    ScriptedFileDialogs files;

private:
    ScopedProgramState m_scoped{db.state};
    TempSettingsFolder m_settings;
    QPointer<frmMain> m_main;
};

// ---- 1. First start, New, typing and choosing, Save ---------------------------------------

TEST_F(WholeProgram, NewAnalysisTypedAndChosenIsSavedWithItsTreeGroupAndCommandState)
{
    EXPECT_EQ(main().trvAnalysis->nodeCount(), 0);
    EXPECT_EQ(commandState(main()), noAnalysisOpenState());

    click(main().cmdNew);
    ASSERT_NE(site(), nullptr);
    ASSERT_NE(cocs(), nullptr);
    EXPECT_TRUE(isShown("frmSiteWMU"));
    EXPECT_FALSE(isShown("frmSiteCOCs"));
    EXPECT_EQ(treeGroup(1), QStringList({"New Analysis", "Petition ID: ", "Address 1: ", "Address 2: ", "City: ",
                                         "State: ", "Waste date: ", "Delisting date: ", "Performed by: "}));
    EXPECT_EQ(commandState(main()), analysisOpenState());

    const AnalysisInputs in;
    fillAnalysisWindow(in);
    frmSiteWMU& w = *site();
    EXPECT_EQ(w.txtDelistDate->text(), in.delistDate);
    EXPECT_EQ(w.txtSubmitDate->text(), in.submitDate);
    EXPECT_EQ(w.cmbState->currentText(), "IL - Illinois");
    EXPECT_TRUE(main().cmdSave->isEnabled());
    EXPECT_FALSE(w.cmdNext->isEnabled());

    choose(main().mnuShowSiteCOCs);
    EXPECT_TRUE(isShown("frmSiteCOCs"));
    for (size_t i = 0; i < kConstituents.size(); ++i)
        chooseChemical(int(i), kConstituents[i]);
    const DataGrid& grid = *cocs()->grdSiteCOCs;
    ASSERT_EQ(grid.grid().dataRowCount(), 3);
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(gridRow(grid, r).mid(0, 2), QStringList({kConstituents[r].name, kConstituents[r].cas}));
    ASSERT_GT(grid.grid().columnCount(), kColDafLf);
    EXPECT_EQ(gridRow(grid, 0)[kColDafLf], "2.00E+01");
    EXPECT_EQ(gridRow(grid, 1)[kColDafLf], "1.20E+01");   // chosen by CAS number: the stored DAFs
    EXPECT_EQ(gridRow(grid, 2)[kColDafLf], "TCLP dependent");
    EXPECT_EQ(commandState(main()),
              with(analysisOpenState(),
                   {{"cmdSave", true}, {"tbSaveAnalysis", true}, {"mnuRunAnalysis", false}, {"tbRunModel", false}}));

    click(main().cmdSave);
    const qint32 key = db.state.gCurSiteKey;
    EXPECT_EQ(key, 1);
    EXPECT_EQ(treeGroup(key), QStringList({in.name, "Petition ID: " + in.petitionId, "Address 1: " + in.address1,
                                           "Address 2: " + in.address2, "City: " + in.city, "State: " + in.state,
                                           "Waste date: " + in.submitDate, "Delisting date: " + in.delistDate,
                                           "Performed by: " + in.userName}));
    EXPECT_TRUE(KeyedTree::isBold(main().trvAnalysis->node("KEY1")));
    // The "Save" column over the edited state; the constituent window's save gives its saved state.
    EXPECT_EQ(commandState(main()), with(analysisOpenState(), {{"cmdCopy", true}, {"tbCopyAnalysis", true}}));
    EXPECT_FALSE(w.cmdUpdateSiteInfo->isEnabled());
    EXPECT_FALSE(w.cmdCancel->isEnabled());
    EXPECT_TRUE(w.cmdNext->isEnabled());
    EXPECT_FALSE(cocs()->cmdUpdateSiteCOCs->isEnabled());
    // A maximised child window adds its own caption to the main window's.
    EXPECT_TRUE(main().windowTitle().startsWith("TOVI v.3.1.35 - RCRA Subtitle D Quarvel Program [" + in.name + "]"))
        << qPrintable(main().windowTitle());

    EXPECT_EQ(field("SITEINFO", "FILENAME", key), in.name);
    EXPECT_EQ(field("SITEINFO", "PETNAME", key), in.petitioner);
    EXPECT_EQ(field("SITEINFO", "STATE", key), in.state);
    EXPECT_EQ(field("SITEINFO", "KORRGION", key).toInt(), 4);
    EXPECT_EQ(field("SITEINFO", "COMMENTS", key), in.comments);
    EXPECT_EQ(field("WMUINFO", "WMUTYPE", key), "LF");
    EXPECT_EQ(field("WMUINFO", "WASTEVOL", key).toDouble(), 5000.0);
    EXPECT_EQ(field("WMUINFO", "WVOLUNIT", key).toInt(), 1);
    EXPECT_EQ(field("WMUINFO", "ACTVLIFE", key).toDouble(), 30.0);
    EXPECT_EQ(field("WMUINFO", "RISKFACT", key).toDouble(), 1e-6);
    EXPECT_EQ(field("WMUINFO", "HQFACT", key).toDouble(), 0.1);
    EXPECT_EQ(column("SITECOCS", "CHEMNAME", key), QVariantList({"Benzene", "Barium", "Lead"}));
    EXPECT_EQ(column("SITECOCS", "TCLPCONC", key), QVariantList({0.5, 2.0, 0.1}));
    EXPECT_EQ(column("SITECOCS", "TOTCONC", key), QVariantList({250.0, 40.0, 300.0}));
    EXPECT_EQ(column("SITECOCS", "DLTCLP", key), QVariantList({1, 0, 0}));
    EXPECT_EQ(column("SITECOCS", "DLTOTAL", key), QVariantList({0, 1, 0}));
    EXPECT_EQ(column("SITECOCS", "CSFO", key), QVariantList({0.055, 0.0, 0.0}));
}

// ---- 2. The forward run ------------------------------------------------------------------

const QStringList kForwardWindows = {"frmLimitResults",       "frmTCLPResultsHQ",  "frmTCLPResultsRisk",
                                     "frmTCLPResultsScreen",  "frmTotalResultsHQ", "frmTotalResultsRisk",
                                     "frmTotalResultsScreen", "frmAggResults",     "frmTCSSResults",
                                     "frmExceedResults"};

const QStringList kDelistingWindows = {
    "frmSoilPathwayDelisting", "frmAirNonCarc", "frmAirCarc", "frmSurfaceWaterNonCarc",
    "frmSurfaceCarc",          "frmGWNonCarc",  "frmGWCarc"};

TEST_F(WholeProgram, TwoCopiesEachStoreTheNewAnalysisTheyStartedTogether)
{
    QProcess second;
    second.start(QStringLiteral(SECOND_COPY), {db.folder()});
    ASSERT_TRUE(second.waitForStarted());
    const auto ask = [&second](const char* line) {
        second.write(QByteArray(line) + '\n');
        while (!second.canReadLine() && second.waitForReadyRead(30000)) {
        }
        return QString::fromUtf8(second.readLine()).trimmed();
    };
    click(main().cmdNew);
    EXPECT_EQ(ask("new"), "1") << "both show the key that is free";
    typeInto(site()->txtFileName, "First instance test");
    typeInto(site()->txtVolume, "1000");
    click(site()->cmdUpdateSiteInfo);
    EXPECT_EQ(ask("save Second instance"), "2") << "no message: the save takes the key that is free now";
    second.closeWriteChannel();
    ASSERT_TRUE(second.waitForFinished());
    EXPECT_EQ(db.conn().select("SELECT SITEKEY, FILENAME FROM SITEINFO ORDER BY SITEKEY")->rows,
              (std::vector<QVector<QVariant>>{{1LL, "First instance test"}, {2LL, "Second instance"}}));
    EXPECT_EQ(main().trvAnalysis->node("KEY1")->text(0), "First instance test");
}

TEST_F(WholeProgram, RunAnalysisStoresEveryRowsResultsAndShowsTheTenWindowsCascaded)
{
    const qint32 key = createAnalysis();
    choose(main().mnuRunAnalysis);

    // Every constituent row holds its results; the groundwater delisting rows are the analysis's.
    const QVariantList cas = {"71-43-2", "7440-39-3", "7439-92-1"};
    EXPECT_EQ(column("SITECOCS", "CHEMCAS", key), cas);
    EXPECT_EQ(column("SITECOCS", "LMTPTHTO", key),
              QVariantList({"Soil Ingestion", "Air Particulate Inhalation", "Soil Ingestion"}));
    for (const char* result : {"GWINGh", "SOILINGh", "GWMaxINGsh", "LMTTOTAL"})
        for (const QVariant& v : column("SITECOCS", result, key))
            EXPECT_FALSE(v.isNull()) << result;
    EXPECT_EQ(column("GWDelisting", "ChemCas", key), cas);
    EXPECT_EQ(column("GWDelisting", "GWLimitingPathway", key).size(), 3);

    // The input windows are minimised; the own chemicals at 0 and the altered properties at 330
    // (both empty here) lead the run's cascade, the ten result windows follow, the last in front.
    EXPECT_EQ(site()->windowStateCode(), FormWindow::vbMinimized);
    EXPECT_EQ(cocs()->windowStateCode(), FormWindow::vbMinimized);
    for (const auto& [name, place] : {std::pair{"frmCusCOC", 0}, std::pair{"frmChngChems", 330}}) {
        FormWindow* w = Forms::find(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(w->frame()->isVisible());
        EXPECT_NEAR(w->leftTwips(), place, 15);
        EXPECT_NEAR(w->topTwips(), place, 15);
        EXPECT_EQ(firstColumnOf(*w), QStringList());
    }
    const QStringList names = {"Benzene", "Barium", "Lead"};
    const QStringList withTotals = names + QStringList{"All Waste Constituents"};
    const std::vector<QStringList> firstColumns = {
        names,
        withTotals,
        withTotals,
        {"Benzene", "Lead", "Barium"},
        withTotals,
        withTotals,
        names,
        names
            + QStringList{"All Waste Constituents Excluding Non-detect Risk",
                          "All Waste Constituents Including Non-detect Risk"},
        {},
        names};
    for (int i = 0; i < kForwardWindows.size(); ++i) {
        SCOPED_TRACE(qPrintable(kForwardWindows[i]));
        FormWindow* w = Forms::find(kForwardWindows[i]);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->frame()->isVisible());
        EXPECT_EQ(w->windowStateCode(), FormWindow::vbNormal);
        EXPECT_NEAR(w->leftTwips(), 660 + 330 * i, 15);
        EXPECT_NEAR(w->topTwips(), 660 + 330 * i, 15);
        EXPECT_EQ(firstColumnOf(*w), firstColumns[size_t(i)]);
    }
    EXPECT_EQ(main().mdiArea->activeSubWindow(), Forms::find("frmExceedResults")->frame());
    const QString shots = QDir(QStringLiteral(TOVI_BINARY_DIR)).filePath("screenshots");
    ASSERT_TRUE(QDir().mkpath(shots));
    EXPECT_TRUE(main().grab().save(QDir(shots).filePath("whole_program_results.png")));
    EXPECT_EQ(rowOf(*Forms::find("frmLimitResults"), 0),
              QStringList({"Benzene", "71-43-2", "3.28E-02", "GW Inhalation", "1.22E+03", "Soil Ingestion"}));

    // Export to Table writes the active window's table.
    const QString table = QDir(db.folder()).filePath("exceedances.txt");
    files.answer(table, 2);
    choose(main().mnuExportTable);
    QFile text(table);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(text.readAll()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith("Benzene\t71-43-2\t5.00E-01\t3.28E-02\tGW Inhalation")) << qPrintable(lines[1]);

    // The run from the menu leaves the constituent window's bar at a third; its own button's run
    // empties it afterwards.
    QProgressBar* bar = cocs()->ProgressBar1;
    EXPECT_EQ(bar->value(), 33);
    choose(main().mnuShowSiteCOCs);
    int highest = 0;
    QObject::connect(bar, &QProgressBar::valueChanged, bar, [&highest](int v) { highest = std::max(highest, v); });
    bar->setValue(0);
    click(cocs()->cmdRunTOVI);
    EXPECT_EQ(highest, 33);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_NEAR(Forms::find("frmExceedResults")->leftTwips(), 3630, 15);

    // A save that keeps the rows keeps the windows; one that deletes a row clears the results and
    // closes them all, an impoundment's surface windows too.
    choose(main().mnuShowSiteCOCs);
    site()->optSurfaceImpoundment->click();
    for (const bool deleteRow : {false, true}) {
        cocs()->grdSiteCOCs->selectRow(0);
        messages.expect("Confirm Delete", deleteRow ? vbYes : vbNo);
        click(cocs()->cmdDelete);
        typeInto(site()->txtFileName, "Renamed");
        click(deleteRow ? cocs()->cmdUpdateSiteCOCs : main().cmdSave);
        for (const char* name : {"frmExceedResults", "frmTotalResultsHQ"})
            EXPECT_EQ(Forms::find(name) != nullptr, !deleteRow) << name;
    }
}

TEST_F(WholeProgram, TheWindowsOwnButtonsLeadThroughTheStepsAndTheMenusRetileAndCloseTheResults)
{
    click(main().cmdNew);
    const AnalysisInputs in;
    fillAnalysisWindow(in);
    frmSiteWMU& w = *site();

    // Update Information stores steps 1 to 3 and rewrites the tree group and the caption.
    click(w.cmdUpdateSiteInfo);
    EXPECT_EQ(treeGroup(1).value(0), in.name);
    EXPECT_EQ(treeGroup(1).value(4), "City: " + in.city);
    EXPECT_TRUE(main().windowTitle().startsWith("TOVI v.3.0 - RCRA Subtitle D Quarvel Program [" + in.name + "]"));
    EXPECT_FALSE(main().cmdSave->isEnabled());
    EXPECT_TRUE(main().cmdCopy->isEnabled());

    // To Steps 4-5, the constituents stored by their own button, the run by its own button.
    click(w.cmdNext);
    EXPECT_FALSE(isShown("frmSiteWMU"));
    EXPECT_TRUE(isShown("frmSiteCOCs"));
    for (size_t i = 0; i < kConstituents.size(); ++i)
        chooseChemical(int(i), kConstituents[i]);
    click(cocs()->cmdUpdateSiteCOCs);
    EXPECT_EQ(column("SITECOCS", "CHEMNAME", 1), QVariantList({"Benzene", "Barium", "Lead"}));
    EXPECT_FALSE(main().cmdSave->isEnabled());
    click(cocs()->cmdRunTOVI);
    EXPECT_NEAR(Forms::find("frmLimitResults")->leftTwips(), 660, 15);
    EXPECT_EQ(mousePointer(&main()), vbArrow);

    // Show/Retile Results, with the analysis window maximised in front: the altered properties at
    // 0, the ten after it in their cascade, in the size they open with; the own chemicals stay.
    choose(main().mnuSiteInfo);
    Forms::find("frmCusCOC")->moveTwips(1000, 2000);
    choose(main().mnuResults);
    EXPECT_EQ(Forms::find("frmChngChems")->windowStateCode(), FormWindow::vbNormal);
    EXPECT_EQ(Forms::find("frmChngChems")->leftTwips(), 0);
    EXPECT_NEAR(Forms::find("frmCusCOC")->leftTwips(), 1000, 15);
    for (int i = 0; i < kForwardWindows.size(); ++i) {
        SCOPED_TRACE(qPrintable(kForwardWindows[i]));
        FormWindow* r = Forms::find(kForwardWindows[i]);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->windowStateCode(), FormWindow::vbNormal);
        EXPECT_NEAR(r->leftTwips(), 330 * (i + 1), 15);
        EXPECT_NEAR(r->topTwips(), 330 * (i + 1), 15);
        EXPECT_NEAR(r->widthTwips(), 9255, 15);
    }
    // Show Delisting Level Analysis the same way: the seven windows, empty without a delisting run.
    choose(main().mnuSiteInfo);
    choose(main().mnuDelistingLevel);
    for (int i = 0; i < kDelistingWindows.size(); ++i) {
        SCOPED_TRACE(qPrintable(kDelistingWindows[i]));
        FormWindow* r = Forms::find(kDelistingWindows[i]);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->windowStateCode(), FormWindow::vbNormal);
        EXPECT_NEAR(r->leftTwips(), 300 * i, 15);
        EXPECT_EQ(firstColumnOf(*r), QStringList());
    }
    // Close Results Screens of a landfill closes all eleven, not the own chemicals.
    choose(main().mnuCloseResults);
    for (const QString& name : kForwardWindows + QStringList{"frmChngChems"})
        EXPECT_EQ(Forms::find(name), nullptr) << qPrintable(name);
    EXPECT_NE(Forms::find("frmCusCOC"), nullptr);

    // Back to steps 1 to 3; the window's close box closes the analysis after its question.
    choose(main().mnuShowSiteCOCs);
    click(cocs()->cmdBack);
    EXPECT_TRUE(isShown("frmSiteWMU"));
    EXPECT_FALSE(isShown("frmSiteCOCs"));
    EXPECT_TRUE(w.cmdNext->isEnabled());
    messages.expect("Close Analysis", vbYes,
                    "Closing this screen will close this analysis.  Do you still want to continue?");
    w.frame()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(db.state.gCurSiteKey, 0);
    EXPECT_EQ(site(), nullptr);
    EXPECT_EQ(cocs(), nullptr);
    EXPECT_EQ(treeGroup(1).value(0), in.name);
    EXPECT_EQ(commandState(main()), noAnalysisOpenState());
}

// ---- 2a. The user's own chemical and DAF curve -------------------------------------------

TEST_F(WholeProgram, AnOwnChemicalAndCurveEnteredInTheEditorAreChosenRunAndListed)
{
    choose(main().mnuEditCOCDAF);
    const auto& editor = *static_cast<frmCusCOSAndDAF*>(Forms::find("frmCusCOSAndDAF"));
    QVariantMap own = kBarium;
    own["CHEMNAME"] = "Widgetane";
    own["CHEMCAS"] = "999-01-1";
    for (auto it = own.begin(); it != own.end(); ++it)
        typeInCell(*editor.SSDBGrid1, 0, cusCocsTable().columnIndex(it.key()), it.value().toString());
    editor.SSDBGrid1->setCurrentCell(1, 0);
    // Entered with falling concentrations: the lookups read a curve in concentration order.
    const QStringList dafs = {"1000", "1", "0.001"};
    for (int r = 0; r < dafs.size(); ++r) {
        const QStringList typed = {"999-01-1", dafs[r], "37", "37", dafs[r], "37", "37"};
        for (int c = 0; c < typed.size(); ++c)
            typeInCell(*editor.SSDBGrid2, r, c, typed[c]);
        editor.SSDBGrid2->setCurrentCell(r + 1, 0);
    }
    EXPECT_EQ(db.count("Cus_COCS"), 1);
    EXPECT_EQ(db.count("Cus_DAFs"), 3);

    click(main().cmdNew);
    fillAnalysisWindow({});
    choose(main().mnuShowSiteCOCs);
    cocs()->cmbDataSource->setCurrentIndex(1);
    emit cocs()->cmbDataSource->activated(1);
    chooseChemical(0, {"Widg", false, "Widgetane", "999-01-1", "2", "40", false, false});
    click(main().cmdSave);
    choose(main().mnuRunAnalysis);

    const FormWindow& list = *Forms::find("frmCusCOC");
    EXPECT_EQ(gridRow(*list.findChild<DataGrid*>("SSOleDBGrid1"), 0).mid(0, 3),
              QStringList({"Widgetane", "999-01-1", "2.00E+00"}));
    EXPECT_EQ(list.findChild<DataGrid*>("SSOleDBGrid2")->grid().dataRowCount(), 3);
    const QStringList screen = rowOf(*Forms::find("frmTCLPResultsScreen"), 0);
    EXPECT_EQ(screen.value(0), "Widgetane");
    EXPECT_EQ(screen.value(3), "3.70E+01") << "the delisting level's DAF comes from the own curve";
    EXPECT_GT(field("SITECOCS", "GWINGh", db.state.gCurSiteKey).toDouble(), 0) << "a well concentration from it";
    EXPECT_EQ(firstColumnOf(*Forms::find("frmChngChems")), QStringList()) << "not in the chemical table";
    EXPECT_EQ(Forms::find("frmCusCOSAndDAF"), &editor) << "the run leaves the editor open";

    // The list has no export of its own.
    main().mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(list.frame()));
    messages.expect("Unable to Export");
    choose(main().mnuExportTable);
    EXPECT_TRUE(messages.done());
}

// ---- 3. The delisting-level run -----------------------------------------------------------

TEST_F(WholeProgram, CalculateDelistingLevelsFillsOneRowPerChemicalAndShowsTheSevenWindows)
{
    const qint32 key = createAnalysis();
    choose(main().mnuSiteInfo);
    frmSiteWMU& w = *site();
    const QStringList tree = treeGroup(key);
    const CommandState commands = commandState(main());
    click(w.Command1);

    // One row per chemical of the chemical table, in name order, whatever the constituents are.
    EXPECT_EQ(db.count("DelistCOCS"), 3);
    EXPECT_EQ(column("DelistCOCS", "CHEMNAME", key), QVariantList({"Barium", "Benzene", "Lead"}));
    EXPECT_EQ(column("DelistCOCS", "TCLPCONC", key), QVariantList({1.0, 1.0, 1.0}));
    ASSERT_GT(column("DelistCOCS", "GWINGsr", key).size(), 1);
    ASSERT_FALSE(column("DelistCOCS", "GWINGsh", key).isEmpty());
    EXPECT_FALSE(column("DelistCOCS", "GWINGsr", key)[1].isNull());
    EXPECT_FALSE(column("DelistCOCS", "GWINGsh", key)[0].isNull());

    // The seven windows in the run's order, 300 twips apart, the last in front; the input
    // windows minimised; the button changed no command, tree text or caption.
    const std::vector<QStringList> firstColumns = {{"Barium", "Benzene", "Lead"},
                                                   {"Barium", "Lead"},
                                                   {"Benzene"},
                                                   {"Barium", "Lead"},
                                                   {"Benzene"},
                                                   {"Barium", "Lead"},
                                                   {"Benzene"}};
    for (int i = 0; i < kDelistingWindows.size(); ++i) {
        SCOPED_TRACE(qPrintable(kDelistingWindows[i]));
        FormWindow* window = Forms::find(kDelistingWindows[i]);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->frame()->isVisible());
        EXPECT_EQ(window->windowStateCode(), FormWindow::vbNormal);
        EXPECT_NEAR(window->leftTwips(), 300 * i, 15);
        EXPECT_NEAR(window->topTwips(), 300 * i, 15);
        EXPECT_EQ(firstColumnOf(*window), firstColumns[size_t(i)]);
    }
    EXPECT_EQ(main().mdiArea->activeSubWindow(), Forms::find("frmGWCarc")->frame());
    EXPECT_EQ(w.windowStateCode(), FormWindow::vbMinimized);
    EXPECT_EQ(cocs()->windowStateCode(), FormWindow::vbMinimized);
    EXPECT_FALSE(w.ProgressBar1->isVisible());
    EXPECT_EQ(treeGroup(key), tree);
    EXPECT_EQ(commandState(main()), commands);
}

// ---- Printing ----------------------------------------------------------------------------

TEST_F(WholeProgram, PrintingEveryTableOfARunAnalysisMakesOnePdfWithTheHeadingsInListOrder)
{
    createAnalysis();
    choose(main().mnuRunAnalysis);
    choose(main().mnuSiteInfo);
    click(site()->Command1);
    choose(main().mnuCloseResults);

    const QString pdf = QDir(db.folder()).filePath("analysis.pdf");
    ScriptedPrintDialogs dialogs(pdf);
    dialogs.answer(true, true);
    QTimer::singleShot(0, [] {
        auto* w = qobject_cast<frmPrint*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(w->chkSelectAll, Qt::LeftButton);
        w->lstPrint->item(2)->setCheckState(Qt::Checked);
        const QString shots = QDir(QStringLiteral(TOVI_BINARY_DIR)).filePath("screenshots");
        EXPECT_TRUE(QDir().mkpath(shots) && w->grab().save(QDir(shots).filePath("print_window.png")));
        QTest::mouseClick(w->cmdPrint, Qt::LeftButton);
    });
    QMdiSubWindow* front = main().mdiArea->activeSubWindow();
    choose(main().mnuPrint);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(main().mdiArea->activeSubWindow(), front)
        << "the windows closed after printing change no window in front";
    EXPECT_EQ(dialogs.dialogsShown(), 2);

    // Every table this program has, each heading the first text of its pages, in list order.
    QStringList headings = {"Site and WMU Information"};
    for (int i = 1; i < printItems().size(); ++i) {
        const QString& name = printItems()[i].window;
        const bool loaded = Forms::isLoaded(name);
        if (FormWindow* w = loadForm(name)) {
            headings << w->windowTitle();
            EXPECT_TRUE(loaded || name == "frmCOCs") << qPrintable(name) << " stays loaded after printing";
            if (!loaded)
                w->unload();
        }
    }
    EXPECT_GE(headings.size(), 19);
    EXPECT_EQ(pdfTableHeadings(pdf, headings), headings);
    EXPECT_FALSE(Forms::isLoaded("frmPrintSiteWMU"));
    EXPECT_TRUE(Forms::find("frmLimitResults")->frame()->isHidden()) << "a table loaded to print stays hidden";
}

TEST_F(WholeProgram, ANeverSavedAnalysisPrintsItsInputsAndTheTargetsOfItsResultTables)
{
    click(main().cmdNew);
    const QString pdf = printToPdf("new.pdf");
    QStringList headings = {"Site and WMU Information"};
    for (const char* name : {"frmTCLPResultsScreen", "frmTotalResultsScreen"})
        headings << loadForm(name)->windowTitle();
    const QStringList printed = pdfTableHeadings(pdf, headings);
    for (const QString& heading : headings)
        EXPECT_TRUE(printed.contains(heading)) << qPrintable(heading);
}

TEST_F(WholeProgram, ANeverSavedAnalysisPrintsTheUnitTypeItsWindowShows)
{
    click(main().cmdNew);
    typeInto(site()->txtFileName, "Slag pile");
    typeInto(site()->txtVolume, "1200");
    // New keeps Landfill; then the other option.
    for (QRadioButton* option : {site()->optLandfill, site()->optSurfaceImpoundment}) {
        click(option);
        const QString text = pdfPageTexts(printToPdf(option->objectName() + ".pdf", {0})).join('\n');
        EXPECT_TRUE(text.contains(QRegularExpression("WMU Type:\\s+" + option->text() + "\\s"))) << qPrintable(text);
    }
}

TEST_F(WholeProgram, ADelistingTableOfAnotherAnalysisPrintsUnderThatAnalysissName)
{
    createAnalysis();
    choose(main().mnuSiteInfo);
    click(site()->Command1);
    click(main().cmdClose);
    AnalysisInputs second;
    second.name = QStringLiteral("Second Site");
    createAnalysis(second);
    const QString text = pdfPageTexts(printToPdf("levels.pdf", {14})).join('\n');
    EXPECT_TRUE(text.contains("Benzene"));
    EXPECT_TRUE(text.contains("Results for Analysis: Mill Creek Landfill"));
    EXPECT_FALSE(text.contains("Second Site"));
}

// The constituent table and the whole chemical table, each wider than a page: every caption and
// cell is printed, and no text is smaller than 7 pt (the heading is 12 pt).
TEST_F(WholeProgram, TheWideTablesPrintEveryRowAndColumnInLegibleText)
{
    createAnalysis();
    const auto squeezed = [](QString text) { return text.remove(QRegularExpression("\\s")); };
    for (const auto& [item, name] : {std::pair{1, "frmSiteCOCs"}, std::pair{2, "frmCOCs"}}) {
        SCOPED_TRACE(name);
        const QString pdf = printToPdf(QStringLiteral("%1.pdf").arg(item), {item});
        EXPECT_GT(pdfSmallestTextPoints(pdf, 12), 6.95);
        const QString printed = squeezed(pdfPageTexts(pdf).join(QString()));
        const GridModel& grid = loadForm(name)->findChild<DataGrid*>()->grid();
        for (int c = 0; c < grid.columnCount(); ++c) {
            EXPECT_TRUE(printed.contains(squeezed(grid.columns()[c].caption))) << c;
            for (int r = 0; r < grid.dataRowCount(); ++r)
                EXPECT_TRUE(printed.contains(squeezed(grid.displayText(r, c)))) << r << ',' << c;
        }
    }
}

// ---- 4. Close, Open, Copy, Export, Delete, Import, Update Analyses ------------------------

TEST_F(WholeProgram, ClosedAnalysisOpensWithItsValuesAndIsCopiedExportedDeletedAndImported)
{
    const AnalysisInputs in;
    const qint32 key = createAnalysis(in);
    choose(main().mnuRunAnalysis);

    // Close with nothing unsaved asks nothing.
    click(main().cmdClose);
    EXPECT_EQ(db.state.gCurSiteKey, 0);
    EXPECT_EQ(site(), nullptr);
    EXPECT_EQ(cocs(), nullptr);
    EXPECT_EQ(Forms::find("frmLimitResults"), nullptr);
    EXPECT_EQ(commandState(main()), noAnalysisOpenState());
    EXPECT_EQ(treeGroup(key).value(0), in.name);

    // A double click on a detail node opens its analysis: both windows show what was typed.
    doubleClickNode(QStringLiteral("KEY%1d").arg(key));
    ASSERT_NE(site(), nullptr);
    ASSERT_NE(cocs(), nullptr);
    EXPECT_EQ(db.state.gCurSiteKey, key);
    EXPECT_TRUE(isShown("frmSiteWMU"));
    EXPECT_TRUE(isShown("frmSiteCOCs"));
    EXPECT_EQ(main().mdiArea->activeSubWindow(), cocs()->frame());
    EXPECT_TRUE(main().windowTitle().startsWith("TOVI v.3.0.35 - RCRA Subtitle D Quarvel Program [" + in.name + "]"));
    EXPECT_EQ(shownInputs(*site()), expectedInputs(in));
    const GridModel& grid = cocs()->grdSiteCOCs->grid();
    ASSERT_EQ(grid.dataRowCount(), 3);
    for (int r = 0; r < 3; ++r) {
        const Constituent& c = kConstituents[size_t(r)];
        SCOPED_TRACE(qPrintable(c.name));
        EXPECT_EQ(grid.index(r, kColChemName).data().toString(), c.name);
        EXPECT_EQ(grid.index(r, kColChemCas).data().toString(), c.cas);
        EXPECT_EQ(grid.index(r, kColTclpConc).data(RawValueRole).toDouble(), c.tclp.toDouble());
        EXPECT_EQ(grid.index(r, kColTotConc).data(RawValueRole).toDouble(), c.total.toDouble());
        EXPECT_EQ(grid.index(r, kColDlTclp).data(Qt::CheckStateRole).toInt() == Qt::Checked, c.tclpLimit);
        EXPECT_EQ(grid.index(r, kColDlTotal).data(Qt::CheckStateRole).toInt() == Qt::Checked, c.totalLimit);
    }
    // The constituent window ends its load with a save: the analysis is open and saved, so it can
    // be copied.
    EXPECT_EQ(commandState(main()), analysisOpenedState());

    // Copy of the open analysis, whichever node is highlighted.
    click(main().cmdCopy);
    const qint32 copyKey = keyNamed("Copy of " + in.name);
    EXPECT_EQ(copyKey, key + 1);
    EXPECT_EQ(treeGroup(copyKey).value(0), "Copy of " + in.name);
    EXPECT_EQ(column("SITECOCS", "CHEMNAME", copyKey), column("SITECOCS", "CHEMNAME", key));
    EXPECT_EQ(db.state.gCurSiteKey, key);

    // Export of the open analysis.
    const QString file = QDir(db.folder()).filePath("mill creek.TVN");
    files.answer(file);
    click(main().cmdExport);
    QFile exported(file);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_TRUE(exported.read(11) == "Version 2.0");
    exported.close();

    // Delete the copy: only with no analysis open.
    click(main().cmdClose);
    clickNode(*main().trvAnalysis, QStringLiteral("KEY%1").arg(copyKey));
    messages.expect("Confirm Delete", vbYes);
    click(main().cmdDelete);
    EXPECT_EQ(main().trvAnalysis->node(QStringLiteral("KEY%1").arg(copyKey)), nullptr);
    EXPECT_EQ(column("SITEINFO", "FILENAME", copyKey), QVariantList());
    EXPECT_EQ(column("SITECOCS", "CHEMNAME", copyKey), QVariantList());
    EXPECT_EQ(commandState(main()), noAnalysisOpenState());

    // Import of the exported file: its name is taken, so the title prompt asks for another.
    files.answer(file, 2);
    TitleScript title({[](frmTitle* prompt) {
        EXPECT_EQ(prompt->windowTitle(), "Title for Imported v.2.0 Analysis");
        finishTitle(prompt, "Mill Creek Landfill, imported");
    }});
    click(main().cmdImport);
    const qint32 importKey = keyNamed("Mill Creek Landfill, imported");
    EXPECT_EQ(importKey, copyKey) << "the largest key plus one";
    EXPECT_EQ(treeGroup(importKey).value(0), "Mill Creek Landfill, imported");
    EXPECT_EQ(treeGroup(importKey).mid(1), treeGroup(key).mid(1));
    for (const char* table : {"SITEINFO", "WMUINFO"})
        EXPECT_EQ(storedRows(table, importKey, allColumnsBut(table, {"SITEKEY", "FILENAME"})),
                  storedRows(table, key, allColumnsBut(table, {"SITEKEY", "FILENAME"})))
            << table;
    // The file carries the constituents' inputs; imported rows hold zero results until a run.
    EXPECT_EQ(storedRows("SITECOCS", importKey, constituentGridFields()),
              storedRows("SITECOCS", key, constituentGridFields()));
    EXPECT_EQ(column("SITECOCS", "GWINGh", importKey), QVariantList({0.0, 0.0, 0.0}));
}

TEST_F(WholeProgram, UpdateAnalysesCopiesEveryAnalysisWithTheCurrentProperties)
{
    AnalysisInputs second;
    second.name = QStringLiteral("Second site");
    const qint32 first = createAnalysis();
    choose(main().mnuRunAnalysis);
    click(main().cmdClose);
    const qint32 other = createAnalysis(second);
    click(main().cmdClose);
    EXPECT_TRUE(main().cmdUpdateAnalyses->isEnabled());

    // The chemical table changes; the stored analyses keep their copy of the properties.
    ASSERT_TRUE(db.conn().exec("UPDATE COCS SET CSFO = 0.1 WHERE CHEMCAS = '71-43-2'").ok());
    click(main().cmdUpdateAnalyses);

    const qint32 firstUpdated = keyNamed("Mill Creek Landfill_U");
    const qint32 otherUpdated = keyNamed("Second site_U");
    ASSERT_GT(firstUpdated, other);
    ASSERT_GT(otherUpdated, other);
    EXPECT_EQ(column("SITECOCS", "CSFO", first), QVariantList({0.055, 0.0, 0.0}));
    // The copies take the table's values as they are, NULL included.
    EXPECT_EQ(column("SITECOCS", "CSFO", firstUpdated), QVariantList({0.1, QVariant(), QVariant()}));
    EXPECT_EQ(column("SITECOCS", "TCLPCONC", firstUpdated), column("SITECOCS", "TCLPCONC", first));
    EXPECT_EQ(main().trvAnalysis->nodeCount(), 4 * 9);
    EXPECT_EQ(treeGroup(otherUpdated).value(0), "Second site_U");
    EXPECT_EQ(treeGroup(otherUpdated).mid(1), treeGroup(other).mid(1));
    EXPECT_EQ(commandState(main()), noAnalysisOpenState());

    // Opening the copy, whose empty properties the grid shows as 0, keeps the results it copied.
    ASSERT_FALSE(column("GWDelisting", "GWDL", firstUpdated).isEmpty());
    const QByteArray copied = db.checksum();
    doubleClickNode(QStringLiteral("KEY%1").arg(firstUpdated));
    ASSERT_EQ(db.state.gCurSiteKey, firstUpdated);
    EXPECT_EQ(db.checksum(), copied);
}

TEST_F(WholeProgram, RefusedRunLeavesTheEarlierResults)
{
    const qint32 key = createAnalysis();
    choose(main().mnuRunAnalysis);
    const QList<QVariantList> results = storedRows("SITECOCS", key, forwardResultFields());
    const QVariantList gwDelisting = column("GWDelisting", "GWDL", key);
    ASSERT_FALSE(gwDelisting.isEmpty());

    // The waste volume becomes 0 through the analysis window's own save; the run refuses.
    choose(main().mnuSiteInfo);
    typeInto(site()->txtVolume, "0");
    click(site()->cmdUpdateSiteInfo);
    EXPECT_EQ(field("WMUINFO", "WASTEVOL", key).toDouble(), 0.0);
    messages.expect("Insufficient Data", vbOK, "There is a zero value for the waste volume.");
    choose(main().mnuRunAnalysis);

    EXPECT_EQ(storedRows("SITECOCS", key, forwardResultFields()), results);
    EXPECT_EQ(column("GWDelisting", "GWDL", key), gwDelisting);
    for (const QString& name : kForwardWindows)
        EXPECT_EQ(Forms::find(name), nullptr) << qPrintable(name);
    EXPECT_TRUE(isShown("frmSiteWMU"));
    EXPECT_EQ(site()->cursor().shape(), Qt::ArrowCursor);
}

// ---- 5. Closing the program -----------------------------------------------------------------

TEST_F(WholeProgram, ClosingTheMainWindowWithUnsavedEditsOffersToSaveThem)
{
    const qint32 key = createAnalysis();
    choose(main().mnuSiteInfo);
    typeInto(site()->txtCity, "Shelbyville");
    choose(main().mnuShowSiteCOCs);
    typeInCell(*cocs()->grdSiteCOCs, 2, kColTclpConc, "0.25");
    EXPECT_TRUE(main().cmdSave->isEnabled());

    messages.expect("Save Changes", vbYes, "Do you want to save your changes?");
    main().close();
    EXPECT_EQ(db.state.gConn, nullptr) << "the connection closes with the main window";

    Result<std::unique_ptr<Connection>> reopened = Connection::open(db.path());
    ASSERT_TRUE(reopened.ok());
    db.state.gConn = std::move(*reopened);
    EXPECT_EQ(field("SITEINFO", "CITY", key), "Shelbyville");
    EXPECT_EQ(column("SITECOCS", "TCLPCONC", key), QVariantList({0.5, 2.0, 0.25}));
}

TEST_F(WholeProgram, ClosingTheMainWindowAndRefusingTheSaveKeepsTheStoredAnalysis)
{
    const qint32 key = createAnalysis();
    choose(main().mnuSiteInfo);
    typeInto(site()->txtCity, "Shelbyville");

    messages.expect("Save Changes", vbNo, "Do you want to save your changes?");
    main().close();

    Result<std::unique_ptr<Connection>> reopened = Connection::open(db.path());
    ASSERT_TRUE(reopened.ok());
    db.state.gConn = std::move(*reopened);
    EXPECT_EQ(field("SITEINFO", "CITY", key), "Springfield");
}

// Constituents saved in a never-saved analysis are not the analysis saved: Save stays on, and
// closing asks; a save that cannot be done (no name yet) keeps the analysis open with its rows.
TEST_F(WholeProgram, ANeverSavedAnalysisStaysUnsavedAfterItsConstituentSaveAndItsCloseAsks)
{
    click(main().cmdNew);
    const qint32 key = db.state.gCurSiteKey;
    choose(main().mnuShowSiteCOCs);
    chooseChemical(0, kConstituents[0]);
    click(cocs()->cmdUpdateSiteCOCs);
    EXPECT_EQ(column("SITECOCS", "CHEMNAME", key).size(), 1);
    EXPECT_TRUE(main().cmdSave->isEnabled());
    EXPECT_FALSE(main().cmdCopy->isEnabled());

    messages.expect("Close Analysis", vbYes).expect("Save Changes", vbYes).expect("Need Site ID");
    cocs()->frame()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(messages.done());
    EXPECT_EQ(db.state.gCurSiteKey, key);
    EXPECT_TRUE(uiState().gAnalysisFormsOpen);
    ASSERT_NE(cocs(), nullptr);
    EXPECT_EQ(column("SITECOCS", "CHEMNAME", key).size(), 1);

    // Refusing the save drops the never-saved analysis, as its close always did.
    messages.expect("Close Analysis", vbYes).expect("Save Changes", vbNo);
    cocs()->frame()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(db.state.gCurSiteKey, 0);
    EXPECT_TRUE(column("SITECOCS", "CHEMNAME", key).isEmpty());
}

// A save asked for at a close question that fails keeps the analysis, or the program, open.
TEST_F(WholeProgram, AFailedSaveAtACloseQuestionClosesNothing)
{
    createAnalysis();
    click(main().cmdClose);
    click(main().cmdNew);
    AnalysisInputs in;   // the stored analysis's name again
    in.city = QStringLiteral("Shelbyville");
    fillAnalysisWindow(in);
    ASSERT_TRUE(main().cmdSave->isEnabled());
    const qint32 key = db.state.gCurSiteKey;

    messages.expect("Close Analysis", vbYes).expect("Save Changes", vbYes).expect("Unable to Save");
    site()->frame()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(messages.done());
    EXPECT_EQ(db.state.gCurSiteKey, key);
    ASSERT_NE(site(), nullptr);
    EXPECT_EQ(site()->txtCity->text(), "Shelbyville");

    messages.expect("Save Changes", vbYes).expect("Unable to Save");
    EXPECT_FALSE(main().close());
    ASSERT_TRUE(messages.done());
    EXPECT_NE(db.state.gConn, nullptr);
    EXPECT_EQ(db.state.gCurSiteKey, key);

    messages.expect("Save Changes", vbNo);
    EXPECT_TRUE(main().close());
    EXPECT_EQ(db.state.gConn, nullptr);
}

}   // namespace
