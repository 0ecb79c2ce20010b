#include "ui/main/main_commands.h"

#include "platform/ui/forms.h"
#include "ui/common/window_names.h"
#include "ui/main/main_window_controls.h"

namespace {

enum class CommandSet : char { Keep, On, Off };

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

}   // namespace

// One line of the command-state table: the controls and what each action sets them to.
struct MainCommands::Row {
    std::vector<QObject*> controls;
    CommandSet openOrNew;
    CommandSet close;
    CommandSet remove;
    CommandSet save;
};

MainCommands::MainCommands(MainWindowControls& w) : m_controls(w)
{
    using enum CommandSet;
    using enum ToolbarButton;
    auto tb = [&w](ToolbarButton b) -> QObject* { return w.toolbarButton(b); };
    m_rows = {
        {{w.cmdExport, w.mnuExport, tb(ExportAnalysis)}, On, Off, Off, Keep},
        {{w.cmdImport, w.mnuImport, tb(ImportAnalysis), w.cmdUpdateAnalyses}, Off, On, On, Keep},
        {{w.cmdSave}, Off, Off, Off, Off},
        {{w.mnuSave, tb(SaveAnalysis)}, Off, Off, Off, Keep},
        {{w.cmdDelete, w.mnuDelete, tb(DeleteAnalysis)}, Off, Off, Off, Keep},
        {{w.cmdNew, w.mnuNew, tb(NewAnalysis)}, On, On, On, Keep},
        {{w.cmdOpen, tb(OpenAnalysis)}, On, Off, Off, Keep},
        {{w.cmdCopy}, Off, Off, Off, On},
        {{w.mnuCopy, tb(CopyAnalysis)}, Off, Off, Off, Keep},
        {{w.cmdClose, w.mnuClose}, On, Off, Off, Keep},
        {{w.mnuResults, w.mnuShowSiteCOCs, w.mnuSiteInfo, w.mnuRunAnalysis}, On, Off, Keep, Keep},
        {{tb(ExportTable), tb(SiteInformation), tb(SiteCOCs), tb(ShowResults), tb(RunModel)}, On, Off, Off, Keep},
    };
}

MainCommands::~MainCommands() = default;

void MainCommands::setState(const QString& action)
{
    CommandSet Row::*column = nullptr;
    if (action == QLatin1String("Open") || action == QLatin1String("New"))
        column = &Row::openOrNew;
    else if (action == QLatin1String("Close"))
        column = &Row::close;
    else if (action == QLatin1String("Delete"))
        column = &Row::remove;
    else if (action == QLatin1String("Save"))
        column = &Row::save;
    else
        return;
    for (const Row& row : m_rows) {
        const CommandSet set = row.*column;
        if (set == CommandSet::Keep)
            continue;
        for (QObject* control : row.controls)
            setEnabledOf(control, set == CommandSet::On);
    }
    if (column == &Row::save) {
        if (FormWindow* site = Forms::find(windowName::frmSiteWMU)) {
            setChildEnabled(site, "cmdUpdateSiteInfo", false);
            setChildEnabled(site, "cmdCancel", false);
            setChildEnabled(site, "cmdNext", true);
        }
    }
}

void MainCommands::nodeClicked(bool noneOpen)
{
    MainWindowControls& w = m_controls;
    w.cmdOpen->setEnabled(true);
    w.toolbarButton(ToolbarButton::OpenAnalysis)->setEnabled(true);
    w.cmdDelete->setEnabled(noneOpen);
    w.mnuDelete->setEnabled(noneOpen);
    w.toolbarButton(ToolbarButton::DeleteAnalysis)->setEnabled(noneOpen);
    w.cmdExport->setEnabled(true);
    w.mnuExport->setEnabled(true);
    w.toolbarButton(ToolbarButton::ExportAnalysis)->setEnabled(true);
    w.cmdCopy->setEnabled(true);
    w.mnuCopy->setEnabled(true);
    w.toolbarButton(ToolbarButton::CopyAnalysis)->setEnabled(true);
}

void MainCommands::markEdited(CommandReach reach)
{
    setEdited(true, reach);
}

void MainCommands::markSaved(CommandReach reach)
{
    setEdited(false, reach);
}

void MainCommands::setEdited(bool edited, CommandReach reach)
{
    m_controls.cmdSave->setEnabled(edited);
    m_controls.cmdCopy->setEnabled(!edited);
    if (reach == CommandReach::ButtonsAndToolbar) {
        m_controls.toolbarButton(ToolbarButton::SaveAnalysis)->setEnabled(edited);
        m_controls.toolbarButton(ToolbarButton::CopyAnalysis)->setEnabled(!edited);
    }
}

void MainCommands::markEditsCancelled()
{
    m_controls.cmdCopy->setEnabled(true);
}

void MainCommands::setRunEnabled(bool enabled)
{
    m_controls.mnuRunAnalysis->setEnabled(enabled);
    m_controls.toolbarButton(ToolbarButton::RunModel)->setEnabled(enabled);
}

bool MainCommands::saveOn() const
{
    return m_controls.cmdSave->isEnabled();
}
