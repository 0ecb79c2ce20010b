#include "ui/main/frmMain.h"

#include "platform/ui/main_file_dialog.h"

#include "data/analysis_store.h"
#include "data/program_state.h"
#include "data/recordset_helpers.h"
#include "data/schema.h"
#include "platform/db/transaction.h"
#include "platform/ui/cursor_file.h"
#include "platform/ui/forms.h"
#include "platform/ui/geometry.h"
#include "platform/ui/message_box.h"
#include "ui/common/message_texts.h"
#include "ui/common/window_names.h"
#include "ui/main/admin_settings.h"
#include "ui/main/analysis_save.h"
#include "ui/main/documents.h"
#include "ui/main/frmHelp.h"
#include "ui/main/frmOpenAnalyses.h"
#include "ui/main/frmViewDocuments.h"
#include "ui/main/input_windows.h"
#include "ui/main/main_window_services.h"

#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

namespace {

void appendTreeNodes(std::vector<KeyedTree::Node>& nodes, const AnalysisTreeGroup& group)
{
    for (const AnalysisTreeNode& n : group)
        nodes.push_back({n.parentKey, n.key, n.text, n.bold});
}

const QString kTitle = QStringLiteral("TOVI v.3.0.%1 - RCRA Subtitle D Quarvel Program").arg(TOVI_REVISION);
const QString kSavedTitle = QStringLiteral("TOVI v.3.1.%1 - RCRA Subtitle D Quarvel Program").arg(TOVI_REVISION);

const QString kConfirmDeleteText =
    QStringLiteral("Are you sure you want to delete the selected analysis?  You won't be able to undo this action.");
const QString kCannotExportText = QStringLiteral(
    "This screen cannot be exported to another format.  Only tabular screens may be exported.");

const QString kImportFilter = QStringLiteral("TOVI v.1.0 (*.TVN)|*.TVN|TOVI v.2.0 (*.TVN)|*.TVN|All Files (*.*)|*.*");
const QString kExportFilter = QStringLiteral("TOVI Export (*.TVN)|*.TVN");

// Close Results keeps the surface pathway windows of a surface impoundment: positions 6 to 8 of
// kForwardResultWindows.
constexpr size_t kFirstSurfaceWindow = 5;
constexpr size_t kLastSurfaceWindow = 7;
constexpr double kForwardCascade = 330;
constexpr double kDelistingCascade = 300;

const Error kNothingHighlighted{kErrRecordset, QStringLiteral("No analysis is highlighted in the list of analyses.")};

frmMain* g_instance = nullptr;

void setEnabledOf(QObject* control, bool enabled)
{
    if (auto* action = qobject_cast<QAction*>(control))
        action->setEnabled(enabled);
    else if (auto* widget = qobject_cast<QWidget*>(control))
        widget->setEnabled(enabled);
}

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

} // namespace

enum class CommandSet : char { Keep, On, Off };

// One line of the command-state table: the controls and what each action sets them to.
struct frmMain::CommandRow {
    std::vector<QObject*> controls;
    CommandSet openOrNew;
    CommandSet close;
    CommandSet remove;
    CommandSet save;
};

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
    buildCommandStates();
    buildWindowKeys();
    resize(defaultSize());
}

QSize frmMain::defaultSize() const
{
    // The pane beside a whole analysis information window, within the screen's free area less
    // what a window manager adds around the window.
    constexpr QSize kWanted(1240, 740);
    constexpr QSize kDecoration(16, 48);
    const QScreen* display = screen();
    return display ? kWanted.boundedTo(display->availableGeometry().size() - kDecoration) : kWanted;
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
    key(QKeySequence(Qt::CTRL | Qt::Key_F6), [this] { mdiArea->activateNextSubWindow(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { mdiArea->activateNextSubWindow(); });
    key(QKeySequence(Qt::ALT | Qt::Key_F4), [this] { close(); });
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

bool frmMain::inputWindowQueryUnload()
{
    ProgramState& state = programState();
    if (!state.gAnalysisFormsOpen || state.gClosingAnalysis)
        return true;
    if (MsgBox(QStringLiteral("Closing this screen will close this analysis.  Do you still want to continue?"), vbYesNo,
               QStringLiteral("Close Analysis"))
        != vbYes)
        return false;
    state.gAnalysisFormsOpen = false;
    if (frmMain* main = instance()) {
        if (!main->saveBeforeDiscarding()) {
            state.gAnalysisFormsOpen = true;
            return false;
        }
        main->CloseCurAnalysis();
    }
    return true;
}

void frmMain::buildPane()
{
    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    // Moving onto the pane or the window's background ends the hand pointer of a document label.
    Picture1->setMouseTracking(true);
    Picture1->installEventFilter(this);
    mdiArea->viewport()->setMouseTracking(true);
    mdiArea->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(Picture1);

    Label1 = new QLabel(QStringLiteral("Available Analyses"), Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    trvAnalysis = new KeyedTree(Picture1);
    trvAnalysis->setObjectName(QStringLiteral("trvAnalysis"));
    trvAnalysis->setToolTip(QStringLiteral("Double-click any analysis in this box to open it for editing/running.  "
                                           "You also use this list in conjunction with the command buttons below."));
    connect(trvAnalysis, &QTreeWidget::itemClicked, this, [this] { trvAnalysis_NodeClick(); });
    // The highlight moved with the keyboard (arrow keys, a typed letter) counts as a click.
    connect(trvAnalysis, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current && current->isSelected() && trvAnalysis->hasFocus())
            trvAnalysis_NodeClick();
    });
    connect(trvAnalysis, &QTreeWidget::itemDoubleClicked, this, [this] { cmdOpen_Click(); });
    addInstruction(trvAnalysis, QStringLiteral("Double click an analysis or any sub-heading of an analysis to open it "
                                               "for editing and/or running."));

    Label2 = new QLabel(QStringLiteral("Analysis Operations"), Picture1);
    Label2->setObjectName(QStringLiteral("Label2"));

    auto* buttons = new QGridLayout();
    struct Button {
        QPushButton** member;
        const char* name;
        const char* caption;
        const char* tooltip;
        const char* instruction;
        void (frmMain::*handler)();
    };
    const Button defs[] = {
        {&cmdNew, "cmdNew", "New Analysis", "Click this button to create a new TOVI analysis",
         "Click this button to begin a New analysis.", &frmMain::cmdNew_Click},
        {&cmdOpen, "cmdOpen", "Open Analysis", "Click this button to Open the analysis highlighted above.",
         "Make sure that one of the analyses above is highlighted and then click this button to Open the analysis.",
         &frmMain::cmdOpen_Click},
        {&cmdSave, "cmdSave", "Save Analysis", "Click this button to save the current TOVI analysis.",
         "Click this button anytime it is enable to save changes to the current analysis.", &frmMain::cmdSave_Click},
        {&cmdClose, "cmdClose", "Close Analysis", "Click this button to Close the open analysis.",
         "Closes the currently open analysis.", &frmMain::cmdClose_Click},
        {&cmdCopy, "cmdCopy", "Copy Analysis", "Click this button to make a copy of the analysis highlighted above.",
         "Highlight the analysis in the box above and then click this button to make another copy.",
         &frmMain::cmdCopy_Click},
        {&cmdDelete, "cmdDelete", "Delete Analysis", "Click this button to Delete the analysis highlighted above.",
         "Highlight the analysis in the box above and then click this button to permanently delete it from the "
         "database.",
         &frmMain::cmdDelete_Click},
        {&cmdImport, "cmdImport", "Import Analysis",
         "Click this button to Import an existing TOVI v.1.0 or v.2.0 analysis.",
         "Click this button to Import existing v.1.0 or v.2.0 TOVI analyses.  Once imported, use the Open button.",
         &frmMain::cmdImport_Click},
        {&cmdExport, "cmdExport", "Export Analysis",
         "Click this button to Export an existing TOVI analysis so that it can be sent to another TOVI user.",
         "Click this button to Export the currently open or highlighted analysis as a v.2.0 analysis.",
         &frmMain::cmdExport_Click},
        {&cmdUpdateAnalyses, "cmdUpdateAnalyses", "Update Analyses",
         "Create copies of all the analyses with the most current chemical properties.",
         "Create copies of all the analyses with the most current chemical properties.",
         &frmMain::cmdUpdateAnalyses_Click},
    };
    int index = 0;
    for (const Button& b : defs) {
        auto* button = new QPushButton(QString::fromLatin1(b.caption), Picture1);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(QString::fromLatin1(b.tooltip));
        connect(button, &QPushButton::clicked, this, b.handler);
        addInstruction(button, QString::fromLatin1(b.instruction));
        buttons->addWidget(button, index / 3, index % 3);
        *b.member = button;
        ++index;
    }

    rtfInstructions = new QTextEdit(Picture1);
    rtfInstructions->setObjectName(QStringLiteral("rtfInstructions"));
    rtfInstructions->setReadOnly(true);
    rtfInstructions->setFixedHeight(96);

    txtCurSiteKey = new QLineEdit(Picture1);
    txtCurSiteKey->setObjectName(QStringLiteral("txtCurSiteKey"));
    txtCurSiteKey->hide();

    layout->addWidget(Label1);
    layout->addWidget(trvAnalysis, 1);
    layout->addWidget(Label2);
    layout->addLayout(buttons);
    buildDocumentLabels(layout);
    layout->addWidget(rtfInstructions);

    auto* pane = new QDockWidget(this);
    pane->setObjectName(QStringLiteral("paneAnalyses"));
    pane->setFeatures(QDockWidget::NoDockWidgetFeatures);
    pane->setTitleBarWidget(new QWidget(pane));
    pane->setWidget(Picture1);
    Picture1->setMinimumWidth(360);
    addDockWidget(Qt::LeftDockWidgetArea, pane);
}

void frmMain::addInstruction(QWidget* control, const QString& text)
{
    control->installEventFilter(this);
    m_instructions.insert(control, text);
    if (auto* view = qobject_cast<QAbstractScrollArea*>(control)) {
        view->viewport()->installEventFilter(this);
        m_instructions.insert(view->viewport(), text);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (documentLabelEvent(watched, event))
        return true;
    if (event->type() == QEvent::MouseMove && (watched == Picture1 || watched == mdiArea->viewport()))
        unsetCursor();
    // Enter on a highlighted analysis opens it, as a double click does.
    if (watched == trvAnalysis && event->type() == QEvent::KeyPress && !trvAnalysis->selectedItems().isEmpty()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdOpen_Click();
            return true;
        }
    }
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        const auto it = m_instructions.constFind(watched);
        if (it != m_instructions.constEnd() && rtfInstructions->toPlainText() != *it)
            rtfInstructions->setPlainText(*it);
    }
    return QMainWindow::eventFilter(watched, event);
}

namespace {

QAction* menuItem(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void menuSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

QMenu* menuOf(QMenuBar* bar, const char* name, const char* caption)
{
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void frmMain::buildMenus()
{
    QMenuBar* bar = menuBar();

    mnuFile = menuOf(bar, "mnuFile", "&File");
    mnuNew = menuItem(mnuFile, "mnuNew", "&New Analysis");
    mnuOpen = menuItem(mnuFile, "mnuOpen", "&Open Analysis");
    mnuClose = menuItem(mnuFile, "mnuClose", "&Close Analysis");
    mnuSave = menuItem(mnuFile, "mnuSave", "&Save Analysis");
    menuSeparator(mnuFile, "mnuSpace8");
    mnuPrint = menuItem(mnuFile, "mnuPrint", "&Print");
    mnuExportTable = menuItem(mnuFile, "mnuExportTable", "Export to &Table");
    menuSeparator(mnuFile, "mnuSpace3");
    mnuImport = menuItem(mnuFile, "mnuImport", "&Import Analysis");
    mnuExport = menuItem(mnuFile, "mnuExport", "&Export Analysis");
    menuSeparator(mnuFile, "mnuSpace1");
    mnuExit = menuItem(mnuFile, "mnuExit", "E&xit");

    mnuEdit = menuOf(bar, "mnuEdit", "&Edit");
    mnuCopy = menuItem(mnuEdit, "mnuCopy", "&Copy Analysis");
    mnuDelete = menuItem(mnuEdit, "mnuDelete", "&Delete Analysis");
    menuSeparator(mnuEdit, "mnuSep");
    mnuEditCOCDAF = menuItem(mnuEdit, "mnuEditCOCDAF", "Customer COCs and DAF");

    mnuAnalysis = menuOf(bar, "mnuAnalysis", "&Analysis");
    mnuSiteInfo = menuItem(mnuAnalysis, "mnuSiteInfo", "&Analysis Information and Control Settings");
    mnuShowSiteCOCs = menuItem(mnuAnalysis, "mnuShowSiteCOCs", "Analysis &Chemicals of Concern (COCs)");
    mnuShowCOCs = menuItem(mnuAnalysis, "mnuShowCOCs", "Chemical &Properties Database");
    mnuResults = menuItem(mnuAnalysis, "mnuResults", "Show/Retile &Results");
    mnuDelistingLevel = menuItem(mnuAnalysis, "mnuDelistingLevel", "Show Delisting Level Analysis");
    menuSeparator(mnuAnalysis, "mnuSpace6");
    mnuRunAnalysis = menuItem(mnuAnalysis, "mnuRunAnalysis", "R&un Analysis");

    mnuWindow = menuOf(bar, "mnuWindow", "&Window");
    mnuCloseResults = new QAction(QStringLiteral("&Close Results Screens"), this);
    mnuCloseResults->setObjectName(QStringLiteral("mnuCloseResults"));
    mnuWindow->addAction(mnuCloseResults);
    connect(mnuWindow, &QMenu::aboutToShow, this, &frmMain::fillWindowMenu);

    mnuAdmin = menuOf(bar, "mnuAdmin", "&Administration");
    QAction* mnuUpdateDB = menuItem(mnuAdmin, "mnuUpdateDB", "&Import Latest Database");
    menuSeparator(mnuAdmin, "mnuSpace7");
    QAction* mnuEditDB = menuItem(mnuAdmin, "mnuEditDB", "&Edit COC Database");
    QAction* mnuViewChanges = menuItem(mnuAdmin, "mnuViewChanges", "&View Changes to COCs");
    for (QAction* a : mnuAdmin->actions())
        a->setEnabled(false);
    mnuAdmin->menuAction()->setEnabled(false);
    connect(mnuUpdateDB, &QAction::triggered, this, &frmMain::mnuUpdateDB_Click);
    connect(mnuEditDB, &QAction::triggered, this, &frmMain::mnuEditDB_Click);
    connect(mnuViewChanges, &QAction::triggered, this, &frmMain::mnuViewChanges_Click);

    mnuDocuments = menuOf(bar, "mnuDocuments", "&Documents");
    menuItem(mnuDocuments, "mnuUM", "&User's Manual");
    menuSeparator(mnuDocuments, "mnuSpace2");
    for (int i = 1; i <= 6; ++i)
        menuItem(mnuDocuments, qPrintable(QStringLiteral("mnuChap%1").arg(i)),
                 qPrintable(QStringLiteral("WEXT Chapter &%1").arg(i)));
    for (int i = 1; i <= 5; ++i)
        menuItem(mnuDocuments, qPrintable(QStringLiteral("mnuAppA%1").arg(i)),
                 qPrintable(QStringLiteral("WEXT Appendix A-%1").arg(i)));
    menuItem(mnuDocuments, "mnuAppB", "WEXT Appendix &B");

    mnuHelp = menuOf(bar, "mnuHelp", "&Help");
    menuItem(mnuHelp, "mnuHelpFile", "TOVI v.3.1 &Help");
    menuSeparator(mnuHelp, "mnuSpace4");
    menuItem(mnuHelp, "mnuTOVIChanges", "TOVI &Changes");
    menuSeparator(mnuHelp, "mnuSpace5");
    mnuTOVIinfo = mnuHelp->addMenu(QStringLiteral("TOVI &Information"));
    mnuTOVIinfo->setObjectName(QStringLiteral("mnuTOVIinfo"));
    mnuTOVIinfo->menuAction()->setObjectName(QStringLiteral("mnuTOVIinfo"));
    mnuAcknowledgements = menuItem(mnuTOVIinfo, "mnuAcknowledgements", "&Acknowledgements");
    mnuObjective = menuItem(mnuTOVIinfo, "mnuObjective", "&Objective");
    mnuMission = menuItem(mnuTOVIinfo, "mnuMission", "&Mission");
    mnuProc = menuItem(mnuTOVIinfo, "mnuProc", "&Procedure && Results");
    menuSeparator(mnuHelp, "mnuSpace");
    mnuAbout = menuItem(mnuHelp, "mnuAbout", "About &TOVI v.3.1");
    mnuDisclosure = menuItem(mnuHelp, "mnuDisclosure", "&Show Disclosure");
    mnuDisclosure->setCheckable(true);

    mnuFontLegend = bar->addAction(QStringLiteral("&Font Legend"));
    mnuFontLegend->setObjectName(QStringLiteral("mnuFontLegend"));

    connectDocumentCommands();

    connect(mnuNew, &QAction::triggered, this, &frmMain::cmdNew_Click);
    connect(mnuOpen, &QAction::triggered, this, &frmMain::mnuOpen_Click);
    connect(mnuClose, &QAction::triggered, this, &frmMain::cmdClose_Click);
    connect(mnuSave, &QAction::triggered, this, &frmMain::cmdSave_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmMain::mnuPrint_Click);
    connect(mnuExportTable, &QAction::triggered, this, &frmMain::mnuExportTable_Click);
    connect(mnuImport, &QAction::triggered, this, &frmMain::cmdImport_Click);
    connect(mnuExport, &QAction::triggered, this, &frmMain::cmdExport_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuCopy, &QAction::triggered, this, &frmMain::cmdCopy_Click);
    connect(mnuDelete, &QAction::triggered, this, &frmMain::cmdDelete_Click);
    connect(mnuSiteInfo, &QAction::triggered, this, &frmMain::mnuSiteInfo_Click);
    connect(mnuShowSiteCOCs, &QAction::triggered, this, &frmMain::mnuShowSiteCOCs_Click);
    connect(mnuShowCOCs, &QAction::triggered, this, &frmMain::mnuShowCOCs_Click);
    connect(mnuEditCOCDAF, &QAction::triggered, this, &frmMain::mnuEditCOCDAF_Click);
    connect(mnuResults, &QAction::triggered, this, &frmMain::mnuResults_Click);
    connect(mnuDelistingLevel, &QAction::triggered, this, &frmMain::mnuDelistingLevel_Click);
    connect(mnuRunAnalysis, &QAction::triggered, this, &frmMain::mnuRunAnalysis_Click);
    connect(mnuCloseResults, &QAction::triggered, this, &frmMain::mnuCloseResults_Click);
    connectInformationItems();
}

void frmMain::fillWindowMenu()
{
    mnuWindow->clear();
    mnuWindow->addAction(mnuCloseResults);
    const QList<QMdiSubWindow*> windows = mdiArea->subWindowList();
    bool separated = false;
    for (QMdiSubWindow* sub : windows) {
        if (!sub->isVisible())
            continue;
        if (!separated) {
            mnuWindow->addSeparator();
            separated = true;
        }
        // A caption is shown letter for letter: its "&" is no access key.
        QAction* entry = mnuWindow->addAction(QString(sub->windowTitle()).replace(QLatin1Char('&'), QStringLiteral("&&")));
        entry->setCheckable(true);
        entry->setChecked(sub == mdiArea->activeSubWindow());
        connect(entry, &QAction::triggered, this, [this, sub] { mdiArea->setActiveSubWindow(sub); });
    }
}

void frmMain::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    struct Button {
        const char* key;
        const char* tooltip;
        QStyle::StandardPixmap icon;
    };
    // Positions 1 to 20; a null key is a separator.
    const Button defs[] = {
        {"New Analysis", "Begin a new analysis", QStyle::SP_FileIcon},
        {"Open Analysis", "Open an analysis", QStyle::SP_DialogOpenButton},
        {"Save Analysis", "Save the currently open analysis", QStyle::SP_DialogSaveButton},
        {"Print Table", "Print the current table", QStyle::SP_FileDialogDetailedView},
        {"Export Table", "Export the current table to HTML or MS Excel", QStyle::SP_FileDialogToParent},
        {nullptr, nullptr, QStyle::SP_CustomBase},
        {"Import Analysis", "Import an analysis from v.1.0 or v.2.0 or v.3.0", QStyle::SP_ArrowDown},
        {"Export Analysis", "Export the current analysis to v.3.0 format", QStyle::SP_ArrowUp},
        {nullptr, nullptr, QStyle::SP_CustomBase},
        {"Copy Analysis", "Copy the highlighted analysis", QStyle::SP_FileLinkIcon},
        {"Delete Analysis", "Delete the highlighted analysis", QStyle::SP_TrashIcon},
        {nullptr, nullptr, QStyle::SP_CustomBase},
        {"Site Information", "Analysis Information and Control Settings", QStyle::SP_FileDialogInfoView},
        {"Site COCs", "Analysis Chemicals of Concern (COCs)", QStyle::SP_FileDialogContentsView},
        {"COCs", "Show all of the COCs available in TOVI", QStyle::SP_DirIcon},
        {"Show Results", "Show/Retile the Results screens", QStyle::SP_DesktopIcon},
        {nullptr, nullptr, QStyle::SP_CustomBase},
        {"Run Model", "Run TOVI for the current analysis", QStyle::SP_MediaPlay},
        {nullptr, nullptr, QStyle::SP_CustomBase},
        {"Help", "TOVI v.3.0 Help", QStyle::SP_MessageBoxQuestion},
    };
    int position = 0;
    for (const Button& b : defs) {
        ++position;
        QAction* action = nullptr;
        if (!b.key) {
            action = Toolbar1->addSeparator();
        } else {
            action = Toolbar1->addAction(style()->standardIcon(b.icon), QString::fromLatin1(b.key));
            action->setData(QString::fromLatin1(b.key));
            action->setToolTip(QString::fromLatin1(b.tooltip));
        }
        action->setObjectName(QStringLiteral("Toolbar1Button%1").arg(position));
        m_toolbar.push_back(action);
    }
    toolbarButton(1)->setCheckable(true);
    connect(Toolbar1, &QToolBar::actionTriggered, this,
            [this](QAction* action) { Toolbar1_ButtonClick(action->data().toString()); });
}

QAction* frmMain::toolbarButton(int position) const
{
    if (position < 1 || position > int(m_toolbar.size()))
        return nullptr;
    return m_toolbar[size_t(position - 1)];
}

void frmMain::buildCommandStates()
{
    using enum CommandSet;
    auto tb = [this](int p) -> QObject* { return toolbarButton(p); };
    m_commandRows = {
        {{cmdExport, mnuExport, tb(8)}, On, Off, Off, Keep},
        {{cmdImport, mnuImport, tb(7), cmdUpdateAnalyses}, Off, On, On, Keep},
        {{cmdSave}, Off, Off, Off, Off},
        {{mnuSave, tb(3)}, Off, Off, Off, Keep},
        {{cmdDelete, mnuDelete, tb(11)}, Off, Off, Off, Keep},
        {{cmdNew, mnuNew, tb(1)}, On, On, On, Keep},
        {{cmdOpen, tb(2)}, On, Off, Off, Keep},
        {{cmdCopy}, Off, Off, Off, On},
        {{mnuCopy, tb(10)}, Off, Off, Off, Keep},
        {{cmdClose, mnuClose}, On, Off, Off, Keep},
        {{mnuResults, mnuShowSiteCOCs, mnuSiteInfo, mnuRunAnalysis}, On, Off, Keep, Keep},
        {{tb(5), tb(13), tb(14), tb(16), tb(18)}, On, Off, Off, Keep},
    };
}

void frmMain::SetToolbarState(const QString& action)
{
    CommandSet CommandRow::*column = nullptr;
    if (action == QLatin1String("Open") || action == QLatin1String("New"))
        column = &CommandRow::openOrNew;
    else if (action == QLatin1String("Close"))
        column = &CommandRow::close;
    else if (action == QLatin1String("Delete"))
        column = &CommandRow::remove;
    else if (action == QLatin1String("Save"))
        column = &CommandRow::save;
    else
        return;
    for (const CommandRow& row : m_commandRows) {
        const CommandSet set = row.*column;
        if (set == CommandSet::Keep)
            continue;
        for (QObject* control : row.controls)
            setEnabledOf(control, set == CommandSet::On);
    }
    if (column == &CommandRow::save) {
        if (FormWindow* site = Forms::find(windowName::frmSiteWMU)) {
            setChildEnabled(site, "cmdUpdateSiteInfo", false);
            setChildEnabled(site, "cmdCancel", false);
            setChildEnabled(site, "cmdNext", true);
        }
    }
}

void frmMain::trvAnalysis_NodeClick()
{
    cmdOpen->setEnabled(true);
    toolbarButton(2)->setEnabled(true);
    const bool noneOpen = m_state.gCurSiteKey <= 0;
    cmdDelete->setEnabled(noneOpen);
    mnuDelete->setEnabled(noneOpen);
    toolbarButton(11)->setEnabled(noneOpen);
    cmdExport->setEnabled(true);
    mnuExport->setEnabled(true);
    toolbarButton(8)->setEnabled(true);
    cmdCopy->setEnabled(true);
    mnuCopy->setEnabled(true);
    toolbarButton(10)->setEnabled(true);
}

void frmMain::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("New Analysis"))
        cmdNew_Click();
    else if (key == QLatin1String("Open Analysis"))
        cmdOpen_Click();
    else if (key == QLatin1String("Save Analysis"))
        cmdSave_Click();
    else if (key == QLatin1String("Print Table"))
        mnuPrint_Click();
    else if (key == QLatin1String("Export Table"))
        mnuExportTable_Click();
    else if (key == QLatin1String("Import Analysis"))
        cmdImport_Click();
    else if (key == QLatin1String("Export Analysis"))
        cmdExport_Click();
    else if (key == QLatin1String("Copy Analysis"))
        cmdCopy_Click();
    else if (key == QLatin1String("Delete Analysis"))
        cmdDelete_Click();
    else if (key == QLatin1String("Site Information"))
        mnuSiteInfo_Click();
    else if (key == QLatin1String("Site COCs"))
        mnuShowSiteCOCs_Click();
    else if (key == QLatin1String("COCs"))
        mnuShowCOCs_Click();
    else if (key == QLatin1String("Show Results"))
        mnuResults_Click();
    else if (key == QLatin1String("Run Model"))
        mnuRunAnalysis_Click();
    else if (key == QLatin1String("Help"))
        mnuHelpFile_Click();
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
    mnuDisclosure->setChecked(disclosureWanted());
    if (settingFailure)
        reportSettingFailure(*settingFailure);

    show();
    fillTree(m_state.gRsSiteInfo);

    QPalette palette = rtfInstructions->palette();
    palette.setColor(QPalette::Text, colorFromBgr(0xFF0000));
    rtfInstructions->setPalette(palette);
    SetToolbarState(QStringLiteral("Close"));
    setWindowTitle(kTitle + QLatin1Char(' '));
}

void frmMain::fillTree(Recordset& siteInfo)
{
    if (siteInfo.recordCount() <= 0)
        return;
    std::vector<KeyedTree::Node> nodes;
    nodes.reserve(size_t(siteInfo.recordCount()) * std::tuple_size_v<AnalysisTreeGroup>);
    for (siteInfo.moveFirst(); !siteInfo.eof(); siteInfo.moveNext())
        appendTreeNodes(nodes, analysisTreeNodes(siteInfo));
    trvAnalysis->addNodes(nodes);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        Forms::unload(windowName::frmPassword);
        if (!MDIForm_QueryUnload()) {
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
    if (!saveBeforeDiscarding())
        return false;
    m_state.gAnalysisFormsOpen = false;
    return true;
}

bool frmMain::saveBeforeDiscarding()
{
    // A save asked for and failed (already reported) keeps the analysis open to be mended.
    return !cmdSave->isEnabled()
           || MsgBox(QStringLiteral("Do you want to save your changes?"), vbYesNo, QStringLiteral("Save Changes"))
                  != vbYes
           || SaveCurAnalysis();
}

void frmMain::MDIForm_Unload()
{
    if (m_state.gCurSiteKey > 0) {
        for (Recordset* rs : {&m_state.gRsSiteInfo, &m_state.gRsWmuInfo, &m_state.gRsSiteCocs}) {
            CancelRecordsetUpdate(*rs);
            CloseRecordset(*rs);
        }
        // A never-saved analysis leaves nothing behind that a later analysis of its key would find.
        if (Result<bool> dropped = discardIfNeverSaved(m_state.gCurSiteKey); !dropped)
            showGeneralError(dropped.error(), kUnableToSaveTitle);
        CloseRecordset(m_state.gRsGwDelisting);
        for (QLatin1StringView name : kDelistingUnloadOrder)
            Forms::unload(name);
    }
    // The other child windows close now, while the connection is still open, and so does the
    // help window beside the main window.
    mdiArea->closeAllSubWindows();
    Forms::unload<frmHelp>();
    m_state.gConn.reset();
}

// ---- The analysis tree ------------------------------------------------------------------

bool frmMain::addAnalysisGroup(const AnalysisTreeGroup& group)
{
    std::vector<KeyedTree::Node> nodes;
    appendTreeNodes(nodes, group);
    return trvAnalysis->addNodes(nodes);
}

QString frmMain::highlightedRootKey() const
{
    const QList<QTreeWidgetItem*> selected = trvAnalysis->selectedItems();
    if (selected.isEmpty())
        return QString();
    QTreeWidgetItem* node = selected.front();
    if (node->childCount() == 0 && node->parent())
        node = node->parent();
    return KeyedTree::keyOf(node);
}

qint32 frmMain::highlightedSiteKey() const
{
    return siteKeyOfRootNode(highlightedRootKey());
}

int frmMain::curNodeIndex() const
{
    return m_state.gCurSiteKey > 0 ? trvAnalysis->positionOf(rootNodeKey(m_state.gCurSiteKey)) : 0;
}

void frmMain::rewriteOpenAnalysisNodes()
{
    for (const AnalysisTreeNode& n : analysisTreeNodes(m_state.gRsSiteInfo))
        if (QTreeWidgetItem* item = trvAnalysis->node(n.key))
            item->setText(0, n.text);
}

// ---- New, Open and Close ----------------------------------------------------------------

Status frmMain::openSharedRecordsets(qint32 siteKey)
{
    CloseRecordset(m_state.gRsSiteInfo);
    CloseRecordset(m_state.gRsWmuInfo);
    CloseRecordset(m_state.gRsSiteCocs);
    const QString where = QStringLiteral("SITEKEY = ?");
    const std::pair<Recordset*, const TableDef*> sets[] = {{&m_state.gRsSiteInfo, &siteInfoTable()},
                                                           {&m_state.gRsWmuInfo, &wmuInfoTable()},
                                                           {&m_state.gRsSiteCocs, &siteCocsTable()}};
    for (const auto& [rs, table] : sets) {
        Result<Recordset> opened = openTableRecordset(*m_state.gConn, *table, where, {siteKey});
        if (!opened)
            return opened.error();
        *rs = std::move(*opened);
    }
    return {};
}

void frmMain::failOpening(const Error& error)
{
    showGeneralError(error, kUnableToSaveTitle);
    closeAnalysis();
}

void frmMain::cmdNew_Click()
{
    if (!saveBeforeDiscarding() || !closeAnalysis())
        return;
    Result<qint32> key = newSiteKey(*m_state.gConn);
    if (!key) {
        failOpening(key.error());
        return;
    }
    m_state.gCurSiteKey = *key;
    txtCurSiteKey->setText(QString::number(*key));
    if (Status s = openSharedRecordsets(*key); !s) {
        failOpening(s.error());
        return;
    }
    loadForm(windowName::frmSiteCOCs);
    if (FormWindow* site = loadForm(windowName::frmSiteWMU)) {
        site->showForm();
        setChildEnabled(site, "cmdCancel", false);
        setChildEnabled(site, "cmdUpdateSiteInfo", false);
    }
    SetToolbarState(QStringLiteral("New"));
    if (!addAnalysisGroup(newAnalysisTreeNodes(*key)))
        failOpening(Error{kErrRecordset, QStringLiteral("The analysis key %1 is listed already.").arg(*key)});
}

void frmMain::cmdOpen_Click()
{
    PointerGuard pointer({this});
    // Taken before Close, which removes the group of a never-saved analysis.
    const QString rootKey = highlightedRootKey();
    if (!saveBeforeDiscarding() || !closeAnalysis())
        return;
    openAnalysis(rootKey, OpenRoute::MainWindow);
}

void frmMain::openAnalysis(const QString& rootKey, OpenRoute route)
{
    QTreeWidgetItem* root = trvAnalysis->node(rootKey);
    if (rootKey.isEmpty() || !root) {
        failOpening(kNothingHighlighted);
        return;
    }
    const qint32 key = siteKeyOfRootNode(rootKey);
    m_state.gCurSiteKey = key;
    m_state.gCurFileName = root->text(0);
    txtCurSiteKey->setText(QString::number(key));
    if (Status s = openSharedRecordsets(key); !s) {
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
    SetToolbarState(QStringLiteral("Open"));
    if (FormWindow* cocs = loadForm(windowName::frmSiteCOCs)) {
        cocs->showForm();
        if (route == OpenRoute::List) {
            setChildEnabled(cocs, "cmdUpdateSiteCOCs", false);
            setChildEnabled(cocs, "cmdCancel", false);
            mnuRunAnalysis->setEnabled(true);
        }
    }
    setWindowTitle(kTitle + QStringLiteral(" [") + m_state.gCurFileName + QLatin1Char(']'));
}

Result<bool> frmMain::discardIfNeverSaved(qint32 siteKey)
{
    Result<bool> stored = analysisIsStored(*m_state.gConn, siteKey);
    if (!stored)
        return stored.error();
    if (*stored)
        return false;
    if (Status s = discardUnsavedAnalysis(*m_state.gConn, siteKey); !s)
        return s.error();
    return true;
}

void frmMain::cmdClose_Click()
{
    if (saveBeforeDiscarding())
        closeAnalysis();
}

void frmMain::CloseCurAnalysis()
{
    closeAnalysis();
}

bool frmMain::closeAnalysis()
{
    CloseRecordset(m_state.gRsGwDelisting);
    const qint32 key = m_state.gCurSiteKey;
    if (key > 0) {
        for (Recordset* rs : {&m_state.gRsSiteInfo, &m_state.gRsWmuInfo, &m_state.gRsSiteCocs}) {
            CancelRecordsetUpdate(*rs);
            CloseRecordset(*rs);
        }
        Result<bool> dropped = discardIfNeverSaved(key);
        if (!dropped) {
            showGeneralError(dropped.error(), kUnableToSaveTitle);
            return false;
        }
        if (*dropped)
            trvAnalysis->removeNode(rootNodeKey(key));
    }
    m_state.gCurSiteKey = 0;
    for (QLatin1StringView name : kForwardResultWindows)
        Forms::unload(name);
    m_state.gClosingAnalysis = true;
    for (QLatin1StringView name : {windowName::frmSiteWMU, windowName::frmSiteCOCs, windowName::frmCusCOC})
        Forms::unload(name);
    m_state.gClosingAnalysis = false;
    SetToolbarState(QStringLiteral("Close"));
    setWindowTitle(kTitle);
    return true;
}

void frmMain::mnuOpen_Click()
{
    frmOpenAnalyses dialog(*this);
    dialog.exec();
}

// ---- Save -------------------------------------------------------------------------------

bool frmMain::SaveCurAnalysis()
{
    return saveOpenAnalysis();
}

void frmMain::cmdSave_Click()
{
    saveOpenAnalysis();
}

bool frmMain::saveOpenAnalysis()
{
    auto* site = inputWindow<SiteInputWindow>(windowName::frmSiteWMU);
    auto* cocs = inputWindow<ConstituentInputWindow>(windowName::frmSiteCOCs);
    std::optional<SiteWindowInputs> inputs;
    if (site) {
        inputs = site->siteInputs();
        if (inputs->fileName.isEmpty()) {
            MsgBox(kNeedSiteIdText, vbExclamation, kNeedSiteIdTitle);
            return false;
        }
        if (!site->checkNumericInputs())
            return false;
    }
    const bool storeConstituents = cocs && cocs->checkConstituentRows();

    const qint32 key = m_state.gCurSiteKey;
    const bool siteAdding = m_state.gRsSiteInfo.editMode() == Recordset::EditMode::AddNew;
    const bool unitAdding = m_state.gRsWmuInfo.editMode() == Recordset::EditMode::AddNew;
    const Status saved = [&]() -> Status {
        Transaction tx(*m_state.gConn);
        if (!tx.started())
            return tx.started();
        if (inputs) {
            for (const auto& [rs, values] : {std::pair{&m_state.gRsSiteInfo, siteRowValues(key, *inputs)},
                                             std::pair{&m_state.gRsWmuInfo, unitRowValues(key, *inputs)}}) {
                for (const auto& [field, value] : values)
                    rs->setValue(field, value);
                if (Status s = rs->update(); !s)
                    return s;
            }
        }
        if (storeConstituents)
            if (Status s = cocs->storeConstituentRows(); !s)
                return s;
        return tx.commit();
    }();
    if (!saved) {
        reopenAfterFailedSave(siteAdding, unitAdding);
        showGeneralError(saved.error(), kUnableToSaveTitle);
        return false;
    }

    if (inputs) {
        m_state.gCurFileName = m_state.gRsSiteInfo.value(QStringLiteral("FILENAME")).toString();
        setChildEnabled(Forms::find(windowName::frmSiteWMU), "cmdUpdateSiteInfo", false);
        rewriteOpenAnalysisNodes();
    }
    if (storeConstituents)
        cocs->constituentRowsSaved();
    if (!cocs || storeConstituents)
        SetToolbarState(QStringLiteral("Save"));
    setWindowTitle(kSavedTitle + QStringLiteral(" [") + m_state.gCurFileName + QLatin1Char(']'));
    return !cocs || storeConstituents;
}

void frmMain::reopenAfterFailedSave(bool siteAdding, bool unitAdding)
{
    // The rolled-back rows may stand in the record sets as stored: read them again, and start the
    // pending new rows of a never-saved analysis again.
    if (!openSharedRecordsets(m_state.gCurSiteKey))
        return;
    if (siteAdding && m_state.gRsSiteInfo.recordCount() == 0)
        m_state.gRsSiteInfo.addNew();
    if (unitAdding && m_state.gRsWmuInfo.recordCount() == 0)
        m_state.gRsWmuInfo.addNew();
}

// ---- Copy and Delete --------------------------------------------------------------------

void frmMain::cmdCopy_Click()
{
    const qint32 key = m_state.gCurSiteKey >= 1 ? m_state.gCurSiteKey : highlightedSiteKey();
    const QString title = QStringLiteral("Unable to Copy");
    if (key == 0) {
        showGeneralError(kNothingHighlighted, title);
        return;
    }
    Result<CopiedAnalysis> copy = copyAnalysis(*m_state.gConn, key);
    if (!copy) {
        showGeneralError(copy.error(), title);
        return;
    }
    addAnalysisGroup(copy->nodes);
}

void frmMain::cmdDelete_Click()
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
    if (Status s = deleteAnalysis(*m_state.gConn, key); !s) {
        showGeneralError(s.error(), kUnableToSaveTitle);
        return;
    }
    trvAnalysis->removeNode(rootNodeKey(key));
    // Every command that needs a highlighted analysis is off, so nothing stays highlighted.
    trvAnalysis->setCurrentItem(nullptr);
    trvAnalysis->clearSelection();
    SetToolbarState(QStringLiteral("Delete"));
    m_state.gCurSiteKey = 0;
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
    QMdiSubWindow* active = mdiArea->activeSubWindow();
    QWidget* window = active ? active->widget() : nullptr;
    if (window && window->metaObject()->indexOfMethod("ExportToTable()") >= 0
        && QMetaObject::invokeMethod(window, "ExportToTable", Qt::DirectConnection))
        return;
    MsgBox(kCannotExportText, vbInformation, QStringLiteral("Unable to Export"));
}

void frmMain::mnuRunAnalysis_Click()
{
    if (const auto& run = mainWindowServices().runRiskAnalysis)
        run();
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

// ---- Result windows ---------------------------------------------------------------------

void frmMain::mnuResults_Click()
{
    if (m_state.gCurSiteKey <= 0)
        return;
    Result<int> rows = storedConstituentCount(*m_state.gConn, m_state.gCurSiteKey);
    if (!rows || *rows <= 0)
        return;
    for (QLatin1StringView name : kForwardResultWindows) {
        if (FormWindow* w = Forms::find(name)) {
            w->setWindowStateCode(FormWindow::vbMinimized);
            w->unload();
        }
    }
    // Each window goes 330 twips right of and below the one before it, as that one stands; a
    // window this program does not have keeps its place in the cascade. The first window shown
    // takes the normal state, which ends a maximised display of the area, so that the others
    // are shown in their normal state too.
    QPointer<FormWindow> previous;
    float left = 0;
    float top = 0;
    bool first = true;
    for (size_t i = 0; i < kForwardResultWindows.size(); ++i) {
        FormWindow* w = loadForm(kForwardResultWindows[i]);
        if (w)
            w->showForm();
        if (i > 0) {
            if (previous) {
                left = float(previous->leftTwips());
                top = float(previous->topTwips());
            }
            left += float(kForwardCascade);
            top += float(kForwardCascade);
        }
        previous = w;
        if (!w)
            continue;
        if (std::exchange(first, false))
            w->setWindowStateCode(FormWindow::vbNormal);
        w->moveTwips(left, top);
    }
}

void frmMain::mnuDelistingLevel_Click()
{
    if (m_state.gCurSiteKey <= 0)
        return;
    for (QLatin1StringView name : kDelistingResultWindows)
        Forms::unload(name);
    // The first window takes the normal state as in Show/Retile Results: a maximised display of
    // the area would otherwise maximise each window in turn and leave the cascade undone.
    double offset = 0;
    bool first = true;
    for (QLatin1StringView name : kDelistingResultWindows) {
        if (FormWindow* w = loadForm(name)) {
            w->showForm();
            if (std::exchange(first, false))
                w->setWindowStateCode(FormWindow::vbNormal);
            w->moveTwips(offset, offset);
        }
        offset += kDelistingCascade;
    }
}

void frmMain::mnuCloseResults_Click()
{
    if (m_state.gCurSiteKey <= 0)
        return;
    // Without a stored unit row (a never-saved analysis) every window closes.
    const Recordset& unit = m_state.gRsWmuInfo;
    const bool closeSurface =
        unit.recordCount() == 0 || unit.value(QStringLiteral("WMUTYPE")).toString() == QLatin1String("LF");
    for (size_t i = 0; i < kForwardResultWindows.size(); ++i)
        if (closeSurface || i < kFirstSurfaceWindow || i > kLastSurfaceWindow)
            Forms::unload(kForwardResultWindows[i]);
}

// ---- Documents and help -----------------------------------------------------------------

void frmMain::buildDocumentLabels(QVBoxLayout* layout)
{
    Label3 = new QLabel(QStringLiteral("Guidance Documents"), Picture1);
    Label3->setObjectName(QStringLiteral("Label3"));
    layout->addWidget(Label3);

    auto linkLabel = [this](const QString& name, const QString& caption) {
        auto* label = new QLabel(caption, Picture1);
        label->setObjectName(name);
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colorFromBgr(0xFF0000));
        label->setPalette(palette);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        return label;
    };
    const QStringList captions = {"Chapter 1 of WEXT", "Chapter 2 of WEXT",  "Chapter 3 of WEXT",
                                  "Chapter 4 of WEXT", "Chapter 5 of WEXT",  "Chapter 6 of WEXT",
                                  "Appendix A of WEXT", "Appendix B of WEXT", "1", "2", "3", "4", "5"};
    for (int i = 0; i < int(lblWEXT.size()); ++i)
        lblWEXT[size_t(i)] = linkLabel(QStringLiteral("lblWEXT%1").arg(i), captions[i]);
    lblUM = linkLabel(QStringLiteral("lblUM"), QStringLiteral("TOVI v.3.0  User's Guide"));

    auto* grid = new QGridLayout();
    for (int i = 0; i < 6; ++i)
        grid->addWidget(lblWEXT[size_t(i)], i / 3, i % 3);
    auto* appendixA = new QHBoxLayout();
    appendixA->addWidget(lblWEXT[6]);
    for (size_t i = 8; i <= 12; ++i)
        appendixA->addWidget(lblWEXT[i]);
    appendixA->addStretch(1);
    grid->addLayout(appendixA, 2, 0, 1, 2);
    grid->addWidget(lblWEXT[7], 2, 2);
    grid->addWidget(lblUM, 3, 0, 1, 3);
    layout->addLayout(grid);
}

void frmMain::connectDocumentCommands()
{
    for (const DocumentRow& row : documentRows()) {
        auto* item = menuBar()->findChild<QAction*>(QString::fromLatin1(row.menuItem));
        if (item == nullptr)
            continue;
        if (&row == documentRow(QStringLiteral("TOVIchanges.pdf")))
            connect(item, &QAction::triggered, this, &frmMain::mnuTOVIChanges_Click);
        else
            connect(item, &QAction::triggered, this, [&row] { OpenDocument(row); });
    }
    connect(menuBar()->findChild<QAction*>(QStringLiteral("mnuHelpFile")), &QAction::triggered, this,
            &frmMain::mnuHelpFile_Click);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setObjectName(QStringLiteral("shortcutF1"));
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, &frmMain::mnuHelpFile_Click);
}

bool frmMain::documentLabelEvent(QObject* watched, QEvent* event)
{
    const auto it = std::find(lblWEXT.begin(), lblWEXT.end(), watched);
    const int index = it == lblWEXT.end() ? -1 : int(it - lblWEXT.begin());
    if (index < 0 && watched != lblUM)
        return false;
    if (event->type() == QEvent::MouseMove) {
        if (index >= 0)
            lblWEXT_MouseMove(index);
        else
            lblUM_MouseMove();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint()))
            return false;
        if (index >= 0)
            lblWEXT_Click(index);
        else
            lblUM_Click();
        return true;
    }
    return false;
}

void frmMain::lblWEXT_Click(int index)
{
    Forms::unload<frmViewDocuments>();
    if (index == 6) {
        MsgBox(QStringLiteral("Please click on one of the Appendix A numbers to the right."), vbOKOnly,
               QStringLiteral("Select Appendix Number"));
        return;
    }
    for (const DocumentRow& row : documentRows()) {
        if (index >= 0 && row.labelIndex == index) {
            OpenDocument(row);
            return;
        }
    }
}

void frmMain::lblUM_Click()
{
    OpenDocument(*documentRow(QStringLiteral("uguide.pdf")));
}

void frmMain::lblWEXT_MouseMove(int)
{
    showHandPointer();
}

void frmMain::lblUM_MouseMove()
{
    showHandPointer();
}

void frmMain::showHandPointer()
{
    if (m_state.gHandCursorFailed)
        return;
    Result<QCursor> hand = loadCursorFile(QDir(m_state.programFolder).filePath(QStringLiteral("cursors/h_point.cur")));
    if (!hand) {
        m_state.gHandCursorFailed = true;
        showGeneralError(hand.error(), kUnableToSaveTitle);
        return;
    }
    setCursor(*hand);
}

void frmMain::mnuTOVIChanges_Click()
{
    ShowChangesDocument();
}

void frmMain::mnuHelpFile_Click()
{
    if (Status shown = ShowHelp(); !shown)
        showGeneralError(shown.error(), kUnableToSaveTitle);
}
