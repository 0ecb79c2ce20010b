#include "ui/main/frmMain.h"

#include "data/program_state.h"
#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "platform/ui/geometry.h"
#include "platform/ui/main_file_dialog.h"
#include "platform/ui/message_box.h"
#include "ui/common/table_operations.h"
#include "ui/common/ui_state.h"
#include "ui/common/window_names.h"
#include "ui/main/admin_settings.h"
#include "ui/main/analysis_session.h"
#include "ui/main/analysis_tree.h"
#include "ui/main/frmHelp.h"
#include "ui/main/frmOpenAnalyses.h"
#include "ui/main/main_window_services.h"

#include <QCloseEvent>
#include <QFile>
#include <QMdiSubWindow>
#include <QShortcut>

#include <functional>
#include <optional>

namespace {

const QString kCannotExportText =
    QStringLiteral("This screen cannot be exported to another format.  Only tabular screens may be exported.");

const QString kImportFilter = QStringLiteral("TOVI v.1.0 (*.TVN)|*.TVN|TOVI v.2.0 (*.TVN)|*.TVN|All Files (*.*)|*.*");
const QString kExportFilter = QStringLiteral("TOVI Export (*.TVN)|*.TVN");

frmMain* g_instance = nullptr;

// The first line of a text file, up to its first line break; empty when it cannot be read.
QString firstLineOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    QByteArray line;
    char c = 0;
    while (f.getChar(&c) && c != '\r' && c != '\n')
        line += c;
    return QString::fromLatin1(line);
}

void call(const std::function<void(const QString&)>& service, const QString& path)
{
    if (service)
        service(path);
}

}   // namespace

frmMain::frmMain(ProgramState& state, QWidget* parent) : QMainWindow(parent), m_state(state)
{
    setObjectName(windowName::frmMain);
    g_instance = this;

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    // A child window that reaches beyond the area is scrolled to, not cut off.
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    Forms::setMdiArea(mdiArea);
    setMainFileDialog(&cdbOpen);

    buildPane();
    buildMenus();
    buildToolbar();
    buildWindowKeys();
    m_session = std::make_unique<AnalysisSession>(state, *this, *this);
    resize(defaultSize());
}

QSize frmMain::defaultSize() const
{
    // The pane beside a whole analysis information window, within the screen's free area.
    return sizeOnScreen(screen(), QSize(1240, 740));
}

void frmMain::buildWindowKeys()
{
    const auto key = [this](const QKeySequence& keys, const std::function<void()>& run) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, run);
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_F4), [this] {
        if (QMdiSubWindow* active = mdiArea->activeSubWindow())
            active->close();
    });
    for (const Qt::Key next : {Qt::Key_F6, Qt::Key_Tab}) {
        key(QKeySequence(Qt::CTRL | next), [this] { stepChildWindow(true); });
        key(QKeySequence(Qt::CTRL | Qt::SHIFT | next), [this] { stepChildWindow(false); });
    }
    key(QKeySequence(Qt::ALT | Qt::Key_F4), [this] { close(); });
}

void frmMain::stepChildWindow(bool forward)
{
    // The area passes over hidden windows.
    if (forward)
        mdiArea->activateNextSubWindow();
    else
        mdiArea->activatePreviousSubWindow();
    if (QMdiSubWindow* reached = mdiArea->activeSubWindow())
        activateChildWindow(reached);
}

void frmMain::activateChildWindow(QMdiSubWindow* child)
{
    if (child->isMinimized())
        child->showNormal();
    mdiArea->setActiveSubWindow(child);
}

frmMain::~frmMain()
{
    if (Forms::mdiArea() == mdiArea)
        Forms::setMdiArea(nullptr);
    if (&mainFileDialog() == &cdbOpen)
        setMainFileDialog(nullptr);
    if (g_instance == this)
        g_instance = nullptr;
}

frmMain* frmMain::instance()
{
    return g_instance;
}

// ---- The open analysis ------------------------------------------------------------------

void frmMain::SetToolbarState(const QString& action)
{
    m_session->commands().setState(action);
}

bool frmMain::addAnalysisGroup(const AnalysisTreeGroup& group)
{
    return ::addAnalysisGroup(*trvAnalysis, group);
}

qint32 frmMain::highlightedSiteKey() const
{
    return m_session->highlightedSiteKey();
}

int frmMain::curNodeIndex() const
{
    return m_session->curNodeIndex();
}

void frmMain::cmdNew_Click()
{
    m_session->newAnalysis();
}

void frmMain::cmdOpen_Click()
{
    m_session->openHighlighted();
}

void frmMain::cmdSave_Click()
{
    m_session->save();
}

void frmMain::cmdClose_Click()
{
    m_session->closeAsked();
}

void frmMain::cmdCopy_Click()
{
    m_session->copy();
}

void frmMain::cmdDelete_Click()
{
    m_session->remove();
}

void frmMain::trvAnalysis_NodeClick()
{
    m_session->nodeClicked();
}

void frmMain::mnuOpen_Click()
{
    frmOpenAnalyses dialog(*m_session);
    dialog.exec();
}

// ---- Load and closing -------------------------------------------------------------------

void frmMain::MDIForm_Load()
{
    const MainWindowServices& services = mainWindowServices();
    // The load goes on past a setting it cannot store and reports the first such failure.
    std::optional<Error> settingFailure;
    auto store = [&settingFailure](const QString& key, const QString& value) {
        if (Status s = saveAdminSetting(key, value); !s && !settingFailure)
            settingFailure = s.error();
    };
    if (changesNoticeWanted() && services.showChangesNotice) {
        const ChangesNoticeAnswer answer = services.showChangesNotice();
        if (answer.viewChanges && services.showChangesDocument)
            services.showChangesDocument();
        if (answer.dontShowAgain)
            store(QStringLiteral("ShowChanges"), QStringLiteral("No"));
    }
    if (adminSetting(QStringLiteral("Change")).isEmpty() && services.scramblePassword)
        store(QStringLiteral("Change"), services.scramblePassword(QStringLiteral("mizo4")));
    mnuDisclosure->setChecked(disclosureTicked());
    if (settingFailure)
        reportSettingFailure(*settingFailure);

    show();
    fillAnalysisTree(*trvAnalysis, m_state.gRsSiteInfo);

    QPalette palette = rtfInstructions->palette();
    palette.setColor(QPalette::Text, colorFromBgr(0xFF0000));
    rtfInstructions->setPalette(palette);
    SetToolbarState(QStringLiteral("Close"));
    setWindowTitle(programTitle() + QLatin1Char(' '));
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        Forms::unload(windowName::frmPassword);
        // A row of the user's own chemicals kept in edit keeps the program open, as a failed
        // save of the analysis does.
        if (!Forms::mayUnload(windowName::frmCusCOSAndDAF) || !MDIForm_QueryUnload()) {
            event->ignore();
            return;
        }
        m_unloaded = true;
        MDIForm_Unload();
    }
    event->accept();
}

void frmMain::mnuExit_Click()
{
    close();
}

// ---- Administration -----------------------------------------------------------------------

void frmMain::mnuUpdateDB_Click()
{
    if (mainWindowServices().replaceChemicalTable)
        mainWindowServices().replaceChemicalTable();
}

void frmMain::mnuEditDB_Click()
{
    for (QLatin1StringView name : {windowName::frmCOCs, windowName::frmPassword})
        if (FormWindow* form = loadForm(name))
            form->showForm();
}

void frmMain::mnuViewChanges_Click()
{
    if (mainWindowServices().showChangeLog)
        mainWindowServices().showChangeLog();
}

bool frmMain::MDIForm_QueryUnload()
{
    if (!m_session->saveBeforeDiscarding())
        return false;
    uiState().gAnalysisFormsOpen = false;
    return true;
}

void frmMain::MDIForm_Unload()
{
    m_session->endAtExit();
    // The other child windows close now, while the connection is still open, and so does the
    // help window beside the main window.
    mdiArea->closeAllSubWindows();
    Forms::unload<frmHelp>();
    m_state.gConn.reset();
}

// ---- Import, Export and Update Analyses -------------------------------------------------

void frmMain::cmdImport_Click()
{
    cdbOpen.Filter = kImportFilter;
    cdbOpen.ShowOpen();
    const QString file = cdbOpen.FileName;
    if (file.isEmpty())
        return;
    const MainWindowServices& services = mainWindowServices();
    if (cdbOpen.FilterIndex == 1)
        call(services.importV1File, file);
    else if (cdbOpen.FilterIndex == 2)
        call(services.importV2File, file);
    else if (firstLineOf(file) == QLatin1String("Version 2.0"))
        call(services.importV2File, file);
    else
        call(services.importV1File, file);
}

void frmMain::cmdExport_Click()
{
    cdbOpen.Filter = kExportFilter;
    cdbOpen.ShowSave();
    if (!cdbOpen.FileName.isEmpty())
        call(mainWindowServices().exportV2File, cdbOpen.FileName);
}

void frmMain::cmdUpdateAnalyses_Click()
{
    if (const auto& update = mainWindowServices().updateAnalyses)
        update();
}

// ---- Menu commands ----------------------------------------------------------------------

void frmMain::mnuPrint_Click()
{
    if (m_state.gCurSiteKey <= 0)
        return;
    if (const auto& show = mainWindowServices().showPrintWindow)
        show(this);
}

void frmMain::mnuExportTable_Click()
{
    if (auto* table = dynamic_cast<ExportableTable*>(FormWindow::inFrame(mdiArea->activeSubWindow()))) {
        table->ExportToTable();
        return;
    }
    MsgBox(kCannotExportText, vbInformation, QStringLiteral("Unable to Export"));
}

void frmMain::mnuRunAnalysis_Click()
{
    startRiskAnalysis();
}

void frmMain::showInputWindow(const QString& name)
{
    if (m_state.gCurSiteKey <= 0)
        return;
    if (FormWindow* window = Forms::find(name)) {
        window->showForm();
        window->setWindowStateCode(FormWindow::vbMaximized);
    }
}

void frmMain::mnuSiteInfo_Click()
{
    showInputWindow(windowName::frmSiteWMU);
}

void frmMain::mnuShowSiteCOCs_Click()
{
    showInputWindow(windowName::frmSiteCOCs);
}

void frmMain::mnuShowCOCs_Click()
{
    if (FormWindow* window = loadForm(windowName::frmCOCs)) {
        window->showForm();
        window->setWindowStateCode(FormWindow::vbMaximized);
    }
}

void frmMain::mnuEditCOCDAF_Click()
{
    if (FormWindow* window = loadForm(windowName::frmCusCOSAndDAF)) {
        window->setWindowStateCode(FormWindow::vbMaximized);
        window->showForm();
    }
}
