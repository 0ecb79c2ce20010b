// The main window's menus and toolbar.

#include "ui/main/frmMain.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyle>

#include <optional>

namespace {

// Alt with a letter, pressed together or one after the other, opens the first enabled menu of
// the bar whose caption has that access key, every time: the bar by itself takes turns among
// captions that share a letter, disabled ones included.
class FirstEnabledAccessKey : public QObject {
public:
    explicit FirstEnabledAccessKey(QMenuBar* bar) : QObject(bar), m_bar(bar) { bar->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Shortcut) {
            if (QAction* action = firstEnabled(static_cast<QShortcutEvent*>(event)->key()))
                open(action);
            return true;
        }
        // A letter after Alt alone reaches the bar itself, while none of its menus is open.
        if (event->type() == QEvent::KeyPress && !QApplication::activePopupWidget()) {
            const auto* press = static_cast<QKeyEvent*>(event);
            const bool letter = press->text().size() == 1 && !(press->modifiers() & ~Qt::AltModifier);
            if (QAction* action = letter ? firstEnabled(QKeySequence::mnemonic(u'&' + press->text())) : nullptr) {
                open(action);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAction* firstEnabled(const QKeySequence& key) const
    {
        for (QAction* action : m_bar->actions())
            if (action->isEnabled() && action->isVisible() && QKeySequence::mnemonic(action->text()) == key)
                return action;
        return nullptr;
    }

    void open(QAction* action)
    {
        QMenu* menu = action->menu();
        if (!menu) {
            action->trigger();
            return;
        }
        m_bar->setActiveAction(action);
        // As a menu opened from the keyboard: its first enabled item highlighted.
        for (QAction* item : menu->actions()) {
            if (item->isEnabled() && item->isVisible() && !item->isSeparator()) {
                menu->setActiveAction(item);
                break;
            }
        }
    }

    QMenuBar* m_bar;
};

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

}   // namespace

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
    new FirstEnabledAccessKey(bar);

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
        QAction* entry =
            mnuWindow->addAction(QString(sub->windowTitle()).replace(QLatin1Char('&'), QStringLiteral("&&")));
        entry->setCheckable(true);
        entry->setChecked(sub == mdiArea->activeSubWindow());
        connect(entry, &QAction::triggered, this, [this, sub] { activateChildWindow(sub); });
    }
}

void frmMain::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    struct Button {
        std::optional<ToolbarButton> button;   // none: a separator
        const char* key;
        const char* tooltip;
        QStyle::StandardPixmap icon;
    };
    using enum ToolbarButton;
    const Button separator{std::nullopt, nullptr, nullptr, QStyle::SP_CustomBase};
    const Button defs[] = {
        {NewAnalysis, "New Analysis", "Begin a new analysis", QStyle::SP_FileIcon},
        {OpenAnalysis, "Open Analysis", "Open an analysis", QStyle::SP_DialogOpenButton},
        {SaveAnalysis, "Save Analysis", "Save the currently open analysis", QStyle::SP_DialogSaveButton},
        {PrintTable, "Print Table", "Print the current table", QStyle::SP_FileDialogDetailedView},
        {ExportTable, "Export Table", "Export the current table to HTML or MS Excel", QStyle::SP_FileDialogToParent},
        separator,
        {ImportAnalysis, "Import Analysis", "Import an analysis from v.1.0 or v.2.0 or v.3.0", QStyle::SP_ArrowDown},
        {ExportAnalysis, "Export Analysis", "Export the current analysis to v.3.0 format", QStyle::SP_ArrowUp},
        separator,
        {CopyAnalysis, "Copy Analysis", "Copy the highlighted analysis", QStyle::SP_FileLinkIcon},
        {DeleteAnalysis, "Delete Analysis", "Delete the highlighted analysis", QStyle::SP_TrashIcon},
        separator,
        {SiteInformation, "Site Information", "Analysis Information and Control Settings",
         QStyle::SP_FileDialogInfoView},
        {SiteCOCs, "Site COCs", "Analysis Chemicals of Concern (COCs)", QStyle::SP_FileDialogContentsView},
        {COCs, "COCs", "Show all of the COCs available in TOVI", QStyle::SP_DirIcon},
        {ShowResults, "Show Results", "Show/Retile the Results screens", QStyle::SP_DesktopIcon},
        separator,
        {RunModel, "Run Model", "Run TOVI for the current analysis", QStyle::SP_MediaPlay},
        separator,
        {Help, "Help", "TOVI v.3.0 Help", QStyle::SP_MessageBoxQuestion},
    };
    int position = 0;
    for (const Button& b : defs) {
        ++position;
        QAction* action = nullptr;
        if (!b.button) {
            action = Toolbar1->addSeparator();
        } else {
            action = Toolbar1->addAction(style()->standardIcon(b.icon), QString::fromLatin1(b.key));
            action->setData(QString::fromLatin1(b.key));
            action->setToolTip(QString::fromLatin1(b.tooltip));
            toolbar[size_t(*b.button)] = action;
        }
        action->setObjectName(QStringLiteral("Toolbar1Button%1").arg(position));
    }
    toolbarButton(NewAnalysis)->setCheckable(true);
    connect(Toolbar1, &QToolBar::actionTriggered, this,
            [this](QAction* action) { Toolbar1_ButtonClick(action->data().toString()); });
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
