#include "ui/main/analysis_session.h"

#include "data/analysis_inputs.h"
#include "data/analysis_store.h"
#include "data/program_state.h"
#include "data/recordset_helpers.h"
#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "platform/ui/geometry.h"
#include "platform/ui/message_box.h"
#include "ui/common/message_texts.h"
#include "ui/common/ui_state.h"
#include "ui/common/window_names.h"
#include "ui/main/analysis_tree.h"

#include <optional>

namespace {

const QString kTitle = QStringLiteral("TOVI v.3.0.%1 - RCRA Subtitle D Quarvel Program").arg(TOVI_REVISION);
const QString kSavedTitle = QStringLiteral("TOVI v.3.1.%1 - RCRA Subtitle D Quarvel Program").arg(TOVI_REVISION);
const QString kConfirmDeleteText =
    QStringLiteral("Are you sure you want to delete the selected analysis?  You won't be able to undo this action.");

const Error kNothingHighlighted{kErrRecordset, QStringLiteral("No analysis is highlighted in the list of analyses.")};

// The surface pathway windows, positions 6 to 8 of kForwardResultWindows, which Close Results
// Screens keeps for a surface impoundment.
constexpr size_t kFirstSurfaceWindow = 5;
constexpr size_t kLastSurfaceWindow = 7;

void setChildEnabled(QWidget* form, const char* name, bool enabled)
{
    if (auto* control = form->findChild<QWidget*>(QString::fromLatin1(name)))
        control->setEnabled(enabled);
}

template <class T>
T* inputWindow(QLatin1StringView name)
{
    return dynamic_cast<T*>(Forms::find(name));
}

}   // namespace

QString programTitle()
{
    return kTitle;
}

AnalysisSession::AnalysisSession(ProgramState& state, QWidget& window, MainWindowControls& controls)
    : m_state(state), m_window(window), m_controls(controls), m_commands(controls)
{
    setAnalysisHost(this);
}

AnalysisSession::~AnalysisSession()
{
    if (analysisHost() == this)
        setAnalysisHost(nullptr);
}

// ---- New, Open and Close ----------------------------------------------------------------

void AnalysisSession::failOpening(const Error& error)
{
    showGeneralError(error, kUnableToSaveTitle);
    closeAnalysis();
}

void AnalysisSession::newAnalysis()
{
    if (!saveBeforeDiscarding() || !closeAnalysis())
        return;
    // The key only names the tree group until the first save takes the analysis's own.
    if (Status s = openNewAnalysis(m_state); !s) {
        failOpening(s.error());
        return;
    }
    const qint32 key = m_state.gCurSiteKey;
    m_listedKey = key;
    m_startedByNew = true;
    m_controls.txtCurSiteKey->setText(QString::number(key));
    // A group listed under that key showed an analysis that another copy deleted: none has it.
    m_controls.trvAnalysis->removeNode(rootNodeKey(key));
    loadForm(windowName::frmSiteCOCs);
    if (FormWindow* site = loadForm(windowName::frmSiteWMU)) {
        site->showForm();
        setChildEnabled(site, "cmdCancel", false);
        setChildEnabled(site, "cmdUpdateSiteInfo", false);
    }
    m_commands.setState(QStringLiteral("New"));
    if (!addAnalysisGroup(*m_controls.trvAnalysis, newAnalysisTreeNodes(key)))
        failOpening(Error{kErrRecordset, QStringLiteral("The analysis key %1 is listed already.").arg(key)});
}

void AnalysisSession::openHighlighted()
{
    PointerGuard pointer({&m_window});
    // Taken before Close, which removes the group of a never-saved analysis.
    openAfterClosing(highlightedRootKey(*m_controls.trvAnalysis), OpenRoute::MainWindow);
}

void AnalysisSession::openFromList(const QString& rootKey)
{
    openAfterClosing(rootKey, OpenRoute::List);
}

void AnalysisSession::openAfterClosing(QString rootKey, OpenRoute route)
{
    // The open analysis's group follows the key that a save asked for here may take.
    const bool ofOpenAnalysis = m_state.gCurSiteKey > 0 && rootKey == rootNodeKey(m_listedKey);
    if (!saveBeforeDiscarding())
        return;
    if (ofOpenAnalysis)
        rootKey = rootNodeKey(m_listedKey);
    if (closeAnalysis())
        openAnalysis(rootKey, route);
}

void AnalysisSession::openAnalysis(const QString& rootKey, OpenRoute route)
{
    QTreeWidgetItem* root = m_controls.trvAnalysis->node(rootKey);
    if (rootKey.isEmpty() || !root) {
        failOpening(kNothingHighlighted);
        return;
    }
    const qint32 key = siteKeyOfRootNode(rootKey);
    m_state.gCurSiteKey = key;
    m_state.provisionalKey = false;
    m_listedKey = key;
    m_startedByNew = false;
    m_state.gCurFileName = root->text(0);
    m_controls.txtCurSiteKey->setText(QString::number(key));
    if (Status s = openAnalysisRecordsets(m_state, key); !s) {
        failOpening(s.error());
        return;
    }
    // The analysis the list shows may be gone, or another, since another copy changed it.
    const Recordset& stored = m_state.gRsSiteInfo;
    if (Status s = compareListedName(stored.recordCount() > 0
                                         ? std::optional(stored.value(QStringLiteral("FILENAME")).toString())
                                         : std::nullopt,
                                     listedName(*m_controls.trvAnalysis, rootKey));
        !s) {
        failOpening(s.error());
        return;
    }
    if (FormWindow* site = loadForm(windowName::frmSiteWMU)) {
        site->showForm();
        setChildEnabled(site, "cmdUpdateSiteInfo", false);
        setChildEnabled(site, "cmdCancel", false);
        setChildEnabled(site, "cmdNext", true);
        if (route == OpenRoute::List)
            site->hideForm();
    }
    m_commands.setState(QStringLiteral("Open"));
    if (FormWindow* cocs = loadForm(windowName::frmSiteCOCs)) {
        cocs->showForm();
        if (route == OpenRoute::List) {
            setChildEnabled(cocs, "cmdUpdateSiteCOCs", false);
            setChildEnabled(cocs, "cmdCancel", false);
            m_controls.mnuRunAnalysis->setEnabled(true);
        }
    }
    m_window.setWindowTitle(kTitle + QStringLiteral(" [") + m_state.gCurFileName + QLatin1Char(']'));
}

Result<bool> AnalysisSession::discardIfNeverSaved(qint32 siteKey)
{
    // Nothing is stored under a key still provisional: it may be another copy's by now. An analysis
    // that this copy did not start is never dropped here, even when it is not stored (any more).
    if (m_state.provisionalKey || !m_startedByNew)
        return m_state.provisionalKey;
    Result<bool> stored = analysisIsStored(*m_state.gConn, siteKey);
    if (!stored)
        return stored.error();
    if (*stored)
        return false;
    if (Status s = discardUnsavedAnalysis(*m_state.gConn, siteKey); !s)
        return s.error();
    return true;
}

void AnalysisSession::closeRecordsets()
{
    for (Recordset* rs : {&m_state.gRsSiteInfo, &m_state.gRsWmuInfo, &m_state.gRsSiteCocs}) {
        CancelRecordsetUpdate(*rs);
        CloseRecordset(*rs);
    }
}

void AnalysisSession::closeAsked()
{
    if (saveBeforeDiscarding())
        closeAnalysis();
}

bool AnalysisSession::closeAnalysis()
{
    CloseRecordset(m_state.gRsGwDelisting);
    const qint32 key = m_state.gCurSiteKey;
    if (key > 0) {
        closeRecordsets();
        Result<bool> dropped = discardIfNeverSaved(key);
        if (!dropped) {
            showGeneralError(dropped.error(), kUnableToSaveTitle);
            return false;
        }
        if (*dropped)
            m_controls.trvAnalysis->removeNode(rootNodeKey(key));
    }
    m_state.gCurSiteKey = 0;
    m_state.provisionalKey = false;
    for (QLatin1StringView name : kForwardResultWindows)
        Forms::unload(name);
    uiState().gClosingAnalysis = true;
    for (QLatin1StringView name : {windowName::frmSiteWMU, windowName::frmSiteCOCs, windowName::frmCusCOC})
        Forms::unload(name);
    uiState().gClosingAnalysis = false;
    m_commands.setState(QStringLiteral("Close"));
    m_window.setWindowTitle(kTitle);
    return true;
}

void AnalysisSession::endAtExit()
{
    if (m_state.gCurSiteKey <= 0)
        return;
    closeRecordsets();
    // A never-saved analysis leaves nothing behind that a later analysis of its key would find.
    if (Result<bool> dropped = discardIfNeverSaved(m_state.gCurSiteKey); !dropped)
        showGeneralError(dropped.error(), kUnableToSaveTitle);
    CloseRecordset(m_state.gRsGwDelisting);
    for (QLatin1StringView name : kDelistingUnloadOrder)
        Forms::unload(name);
}

bool AnalysisSession::askToCloseAnalysis()
{
    UiState& ui = uiState();
    if (!ui.gAnalysisFormsOpen || ui.gClosingAnalysis)
        return true;
    if (MsgBox(QStringLiteral("Closing this screen will close this analysis.  Do you still want to continue?"), vbYesNo,
               QStringLiteral("Close Analysis"))
        != vbYes)
        return false;
    ui.gAnalysisFormsOpen = false;
    if (!saveBeforeDiscarding()) {
        ui.gAnalysisFormsOpen = true;
        return false;
    }
    closeAnalysis();
    return true;
}

// ---- Save -------------------------------------------------------------------------------

bool AnalysisSession::saveBeforeDiscarding()
{
    // A save asked for and failed (already reported) keeps the analysis open to be mended.
    return !m_commands.saveOn()
           || MsgBox(QStringLiteral("Do you want to save your changes?"), vbYesNo, QStringLiteral("Save Changes"))
                  != vbYes
           || save();
}

bool AnalysisSession::save()
{
    auto* site = inputWindow<SiteInputWindow>(windowName::frmSiteWMU);
    auto* cocs = inputWindow<ConstituentInputWindow>(windowName::frmSiteCOCs);
    AnalysisInputs inputs;
    if (site) {
        const SiteWindowInputs in = site->siteInputs();
        if (in.fileName.isEmpty()) {
            MsgBox(kNeedSiteIdText, vbExclamation, kNeedSiteIdTitle);
            return false;
        }
        if (!site->checkNumericInputs())
            return false;
        inputs.site = siteRowValues(m_state.gCurSiteKey, in);
        inputs.unit = unitRowValues(m_state.gCurSiteKey, in);
    }
    const bool storeConstituents = cocs && cocs->checkConstituentRows();
    const Status saved = [&]() -> Status {
        if (storeConstituents) {
            Result<ConstituentRows> rows = cocs->constituentRows();
            if (!rows)
                return rows.error();
            inputs.constituents = std::move(*rows);
        }
        return saveAnalysisInputs(m_state, inputs);
    }();
    if (!saved) {
        showGeneralError(saved.error(), kUnableToSaveTitle);
        return false;
    }
    followAnalysisKey();

    if (site) {
        m_state.gCurFileName = m_state.gRsSiteInfo.value(QStringLiteral("FILENAME")).toString();
        setChildEnabled(Forms::find(windowName::frmSiteWMU), "cmdUpdateSiteInfo", false);
        rewriteOpenAnalysisNodes();
    }
    if (storeConstituents)
        cocs->constituentRowsSaved();
    if (!cocs || storeConstituents)
        m_commands.setState(QStringLiteral("Save"));
    m_window.setWindowTitle(kSavedTitle + QStringLiteral(" [") + m_state.gCurFileName + QLatin1Char(']'));
    return !cocs || storeConstituents;
}

// ---- Copy and Delete --------------------------------------------------------------------

void AnalysisSession::copy()
{
    const qint32 key = m_state.gCurSiteKey >= 1 ? m_state.gCurSiteKey : highlightedSiteKey();
    const QString title = QStringLiteral("Unable to Copy");
    if (key == 0) {
        showGeneralError(kNothingHighlighted, title);
        return;
    }
    // The rows copied are the ones this copy of the program shows.
    const QString name = listedName(*m_controls.trvAnalysis, rootNodeKey(key));
    Result<CopiedAnalysis> copy =
        copyAnalysis(*m_state.gConn, key, [&] { return checkShownAnalysis(m_state, key, name); });
    if (!copy) {
        showGeneralError(copy.error(), title);
        return;
    }
    addAnalysisGroup(*m_controls.trvAnalysis, copy->nodes);
}

void AnalysisSession::remove()
{
    // Offered only while no analysis is open; the open analysis is never deleted under its windows.
    if (m_state.gCurSiteKey > 0)
        return;
    if (MsgBox(kConfirmDeleteText, vbYesNo, kConfirmDeleteTitle) != vbYes)
        return;
    const qint32 key = highlightedSiteKey();
    if (key == 0) {
        showGeneralError(kNothingHighlighted, kUnableToSaveTitle);
        return;
    }
    if (Status s = deleteAnalysis(*m_state.gConn, key, listedName(*m_controls.trvAnalysis, rootNodeKey(key))); !s) {
        showGeneralError(s.error(), kUnableToSaveTitle);
        return;
    }
    KeyedTree& tree = *m_controls.trvAnalysis;
    tree.removeNode(rootNodeKey(key));
    // Every command that needs a highlighted analysis is off, so nothing stays highlighted.
    tree.setCurrentItem(nullptr);
    tree.clearSelection();
    m_commands.setState(QStringLiteral("Delete"));
    m_state.gCurSiteKey = 0;
}

// ---- The tree and the host ----------------------------------------------------------------

void AnalysisSession::nodeClicked()
{
    m_commands.nodeClicked(m_state.gCurSiteKey <= 0);
}

void AnalysisSession::closeResultScreens()
{
    if (m_state.gCurSiteKey <= 0)
        return;
    // Without a stored unit row (a never-saved analysis) every window closes.
    const Recordset& unit = m_state.gRsWmuInfo;
    const bool closeSurface = unit.recordCount() == 0
                              || unit.value(QStringLiteral("WMUTYPE")).toString() == QLatin1String("LF");
    for (size_t i = 0; i < kForwardResultWindows.size(); ++i)
        if (closeSurface || i < kFirstSurfaceWindow || i > kLastSurfaceWindow)
            Forms::unload(kForwardResultWindows[i]);
}

qint32 AnalysisSession::highlightedSiteKey() const
{
    return siteKeyOfRootNode(highlightedRootKey(*m_controls.trvAnalysis));
}

int AnalysisSession::curNodeIndex() const
{
    return m_state.gCurSiteKey > 0 ? m_controls.trvAnalysis->positionOf(rootNodeKey(m_state.gCurSiteKey)) : 0;
}

void AnalysisSession::followAnalysisKey()
{
    if (m_state.gCurSiteKey <= 0)
        return;
    KeyedTree& tree = *m_controls.trvAnalysis;
    const QString rootKey = rootNodeKey(m_state.gCurSiteKey);
    if (m_state.gCurSiteKey != m_listedKey) {
        // A group listed under the key just taken showed an analysis that is gone: nothing was
        // stored under it.
        tree.removeNode(rootKey);
        tree.rekeyGroup(rootNodeKey(m_listedKey), rootKey);
        m_controls.txtCurSiteKey->setText(QString::number(m_state.gCurSiteKey));
        m_listedKey = m_state.gCurSiteKey;
    }
    if (m_state.gRsSiteInfo.recordCount() > 0)
        setListedName(tree, rootKey, m_state.gRsSiteInfo.value(QStringLiteral("FILENAME")).toString());
}

void AnalysisSession::rewriteOpenAnalysisNodes()
{
    rewriteAnalysisNodes(*m_controls.trvAnalysis, m_state.gRsSiteInfo);
}

void AnalysisSession::markEdited(CommandReach reach)
{
    m_commands.markEdited(reach);
}

void AnalysisSession::markSaved(CommandReach reach)
{
    m_commands.markSaved(reach);
}

void AnalysisSession::markEditsCancelled()
{
    m_commands.markEditsCancelled();
}

void AnalysisSession::setRunEnabled(bool enabled)
{
    m_commands.setRunEnabled(enabled);
}

void AnalysisSession::constituentRowsStored()
{
    // A run gives every row its limiting surface pathway; a save that changes the rows stores
    // them without it.
    Recordset& rows = m_state.gRsSiteCocs;
    const int at = rows.position();
    bool results = false;
    for (rows.moveFirst(); !rows.eof() && !results; rows.moveNext())
        results = !rows.value(QStringLiteral("LMTPTHTO")).isNull();
    rows.setPosition(at);
    // Every forward window goes, the surface pathway windows of an impoundment too: all read the
    // results just cleared.
    if (!results)
        for (const QLatin1String name : kForwardResultWindows)
            Forms::unload(name);
}

void AnalysisSession::setCaption(const QString& caption)
{
    m_window.setWindowTitle(caption);
}

void AnalysisSession::setMousePointer(int pointer)
{
    ::setMousePointer(&m_window, pointer);
}

QPoint AnalysisSession::paneOrigin() const
{
    return m_controls.Picture1->pos();
}
