#include "window_pictures.h"

#include "app/program_wiring.h"
#include "app/startup.h"
#include "data/analysis_rows.h"
#include "data/program_state.h"
#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "platform/ui/message_box.h"
#include "platform/ui/settings.h"
#include "ui/common/window_names.h"
#include "ui/input/frmSiteWMU.h"
#include "ui/main/documents.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmViewDocuments.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QThread>

namespace {

// Messages are answered with the first button and remembered: the example must show none.
class RecordedMessages : public MessageService {
public:
    int show(const QString& text, int style, const QString& title) override
    {
        texts << title + QStringLiteral(": ") + text;
        return (style & 7) == vbYesNo || (style & 7) == vbYesNoCancel ? vbYes : vbOK;
    }
    QStringList texts;
};

struct ExampleConstituent {
    const char* cas;
    double tclp;
    double total;
    bool tclpNotDetected;
};

const ExampleConstituent kExampleConstituents[] = {
    {"7440-38-2", 0.05, 12.0, false}, {"7440-39-3", 1.4, 220.0, false}, {"7440-43-9", 0.02, 4.5, false},
    {"71-43-2", 0.005, 0.4, true},    {"108-88-3", 0.25, 3.0, false},   {"7440-66-6", 0.9, 160.0, false},
};

Status storeExampleAnalysis(const QString& databasePath)
{
    Result<std::unique_ptr<Connection>> conn = Connection::open(databasePath);
    if (!conn)
        return conn.error();
    AnalysisRows rows;
    const auto set = [](TableRow& row, const TableDef& table, const QString& column, const QVariant& value) {
        row[columnOf(table, column)] = value;
    };
    const QList<std::pair<QString, QVariant>> site = {{"FILENAME", "Example plating sludge"},
                                                      {"PETNAME", "Example Plating Works"},
                                                      {"PETID", "EX-0001"},
                                                      {"FACID1", "100 Example Road"},
                                                      {"CITY", "Sample City"},
                                                      {"STATE", "IL"},
                                                      {"ZIPCODE", "00000"},
                                                      {"ANALDATE", " Mar-02-2026 "},
                                                      {"DLSTDATE", " Jun-30-2026 "},
                                                      {"USERNAME", "Example analyst"},
                                                      {"COMMENTS", "A small example analysis for the user's guide."},
                                                      {"KORRGION", 4},
                                                      {"WSTEDESC", "Dewatered plating sludge"},
                                                      {"WSTECODE", "F006"}};
    for (const auto& [column, value] : site)
        set(rows.site, siteInfoTable(), column, value);
    const QList<std::pair<QString, QVariant>> unit = {{"WMUTYPE", "LF"},  {"WASTEVOL", 1000.0}, {"WVOLUNIT", 0},
                                                      {"ACTVLIFE", 20.0}, {"RISKFACT", 1e-5},   {"HQFACT", 1.0},
                                                      {"FLOWRATE", 0.0},  {"FLWRUNIT", 0}};
    for (const auto& [column, value] : unit)
        set(rows.unit, wmuInfoTable(), column, value);

    QStringList copied = chemicalPropertyFields();
    copied << QStringLiteral("CHEMNAME") << QStringLiteral("LOGKOW");
    for (const ExampleConstituent& c : kExampleConstituents) {
        Result<QueryRows> chemical =
            (*conn)->select(selectSql(cocsTable(), QStringLiteral("WHERE CHEMCAS = ?")), {QString::fromLatin1(c.cas)});
        if (!chemical)
            return chemical.error();
        if (chemical->rows.empty())
            return Error{kErrFormat,
                         QStringLiteral("The example chemical %1 is not in the chemical table.").arg(c.cas)};
        TableRow row = emptyRow(siteCocsTable());
        for (const QString& p : copied)
            row[columnOf(siteCocsTable(), p)] = chemical->rows.front()[columnOf(cocsTable(), p)];
        set(row, siteCocsTable(), "CHEMCAS", QString::fromLatin1(c.cas));
        set(row, siteCocsTable(), "TCLPCONC", c.tclp);
        set(row, siteCocsTable(), "DLTCLP", c.tclpNotDetected);
        set(row, siteCocsTable(), "TOTCONC", c.total);
        set(row, siteCocsTable(), "DLTOTAL", false);
        rows.constituents.push_back(row);
    }
    Result<AnalysisTreeGroup> stored = storeNewAnalysis(**conn, std::move(rows));
    if (!stored)
        return stored.error();
    return {};
}

// The viewer draws its pages in the background: waits, at most about two seconds, until the
// first page stands in the window.
QImage viewerFrame(int width, int height)
{
    auto* viewer = dynamic_cast<frmViewDocuments*>(Forms::find(windowName::frmViewDocuments));
    if (viewer == nullptr)
        return QImage();
    viewer->showForm();
    viewer->frame()->move(0, 0);
    viewer->frame()->resize(width, height);
    QWidget* page = viewer->WEXTPDF->view()->viewport();
    for (int attempt = 0; attempt < 200; ++attempt) {
        QCoreApplication::processEvents();
        // The page's dark text shows once it has been drawn.
        const QImage shown = page->grab().toImage();
        for (int y = 0; y < shown.height() / 3; y += 2)
            for (int x = 0; x < shown.width(); x += 2)
                if (qGray(shown.pixel(x, y)) < 80)
                    return viewer->frame()->grab().toImage();
        QThread::msleep(10);
    }
    return QImage();
}

QImage frameOf(const QString& name, int width, int height)
{
    FormWindow* window = loadForm(name);
    if (window == nullptr)
        return QImage();
    window->showForm();
    window->setWindowStateCode(FormWindow::vbNormal);
    window->frame()->move(0, 0);
    window->frame()->resize(width, height);
    QCoreApplication::processEvents();
    return window->frame()->grab().toImage();
}

}   // namespace

Result<QHash<QString, QImage>> renderWindowPictures(const QString& programFolder)
{
    setSettingsFolder(QDir(programFolder).filePath(QStringLiteral("settings")));
    // No changes notice at start-up and no disclosure before the runs.
    for (const auto& [key, value] : {std::pair{"ShowChanges", "No"}, std::pair{"Disclosure", "0"}})
        if (Status s = SaveSetting(QStringLiteral("TOVI"), QStringLiteral("Admin"), QString::fromLatin1(key),
                                   QString::fromLatin1(value));
            !s)
            return s.error();
    RecordedMessages messages;
    setMessageService(&messages);

    ProgramState& state = programState();
    state.programFolder = programFolder;
    if (Status s = storeExampleAnalysis(state.databasePath()); !s)
        return s.error();
    installProgramWiring();

    QHash<QString, QImage> pictures;
    QPointer<frmMain> main = Main(state);
    if (!main)
        return Error{kErrFile, QStringLiteral("The program did not start: ") + messages.texts.join(QLatin1Char('\n'))};
    main->resize(1120, 760);
    main->trvAnalysis->expandAll();
    main->trvAnalysis->setCurrentItem(main->trvAnalysis->topLevelItem(0));
    main->trvAnalysis_NodeClick();
    QCoreApplication::processEvents();
    pictures.insert(windowName::frmMain, main->grab().toImage());

    main->cmdOpen_Click();
    pictures.insert(windowName::frmSiteWMU, frameOf(windowName::frmSiteWMU, 900, 690));
    pictures.insert(windowName::frmSiteCOCs, frameOf(windowName::frmSiteCOCs, 1060, 520));

    main->mnuRunAnalysis_Click();
    for (QLatin1StringView name : kForwardResultTables)
        pictures.insert(name, frameOf(name, 1060, 330));

    if (auto* site = dynamic_cast<frmSiteWMU*>(loadForm(windowName::frmSiteWMU)))
        site->Command1_Click();
    for (QLatin1StringView name : kDelistingResultWindows)
        pictures.insert(name, frameOf(name, 1060, 420));

    showChangesDocument();
    pictures.insert(windowName::frmViewDocuments, viewerFrame(900, 620));

    main->close();
    delete main.data();
    setMessageService(nullptr);
    if (!messages.texts.isEmpty())
        return Error{kErrFormat, QStringLiteral("The example analysis showed messages:\n")
                                     + messages.texts.join(QLatin1Char('\n'))};
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it)
        if (it.value().isNull())
            return Error{kErrFormat, QStringLiteral("No picture of ") + it.key()};
    return pictures;
}
