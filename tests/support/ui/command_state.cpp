#include "ui/command_state.h"

#include "ui/main/frmMain.h"

const std::vector<std::pair<std::string, ToolbarButton>>& switchedToolbarButtons()
{
    using enum ToolbarButton;
    static const std::vector<std::pair<std::string, ToolbarButton>> buttons = {
        {"tbNewAnalysis", NewAnalysis},   {"tbOpenAnalysis", OpenAnalysis},     {"tbSaveAnalysis", SaveAnalysis},
        {"tbExportTable", ExportTable},   {"tbImportAnalysis", ImportAnalysis}, {"tbExportAnalysis", ExportAnalysis},
        {"tbCopyAnalysis", CopyAnalysis}, {"tbDeleteAnalysis", DeleteAnalysis}, {"tbSiteInformation", SiteInformation},
        {"tbSiteCOCs", SiteCOCs},         {"tbShowResults", ShowResults},       {"tbRunModel", RunModel}};
    return buttons;
}

CommandState commandState(frmMain& w)
{
    // The buttons of the left pane: the input windows have buttons of the same names.
    CommandState s;
    for (const char* name : {"cmdNew", "cmdOpen", "cmdSave", "cmdClose", "cmdCopy", "cmdDelete", "cmdImport",
                             "cmdExport", "cmdUpdateAnalyses"})
        s[name] = w.Picture1->findChild<QWidget*>(QString::fromLatin1(name))->isEnabled();
    for (const char* name : {"mnuNew", "mnuSave", "mnuClose", "mnuImport", "mnuExport", "mnuCopy", "mnuDelete",
                             "mnuSiteInfo", "mnuShowSiteCOCs", "mnuResults", "mnuRunAnalysis"})
        s[name] = w.findChild<QAction*>(QString::fromLatin1(name))->isEnabled();
    for (const auto& [name, button] : switchedToolbarButtons())
        s[name] = w.toolbarButton(button)->isEnabled();
    return s;
}

CommandState noAnalysisOpenState()
{
    CommandState s = {{"cmdNew", true},
                      {"mnuNew", true},
                      {"tbNewAnalysis", true},
                      {"cmdImport", true},
                      {"mnuImport", true},
                      {"tbImportAnalysis", true},
                      {"cmdUpdateAnalyses", true},
                      {"cmdOpen", false},
                      {"tbOpenAnalysis", false},
                      {"cmdSave", false},
                      {"mnuSave", false},
                      {"tbSaveAnalysis", false},
                      {"cmdClose", false},
                      {"mnuClose", false},
                      {"cmdCopy", false},
                      {"mnuCopy", false},
                      {"tbCopyAnalysis", false},
                      {"cmdDelete", false},
                      {"mnuDelete", false},
                      {"tbDeleteAnalysis", false},
                      {"cmdExport", false},
                      {"mnuExport", false},
                      {"tbExportAnalysis", false},
                      {"mnuSiteInfo", false},
                      {"mnuShowSiteCOCs", false},
                      {"mnuResults", false},
                      {"mnuRunAnalysis", false},
                      {"tbExportTable", false},
                      {"tbSiteInformation", false},
                      {"tbSiteCOCs", false},
                      {"tbShowResults", false},
                      {"tbRunModel", false}};
    return s;
}

CommandState analysisOpenState()
{
    return with(noAnalysisOpenState(),
                {{"cmdImport", false},         {"mnuImport", false},        {"tbImportAnalysis", false},
                 {"cmdUpdateAnalyses", false}, {"cmdOpen", true},           {"tbOpenAnalysis", true},
                 {"cmdClose", true},           {"mnuClose", true},          {"cmdExport", true},
                 {"mnuExport", true},          {"tbExportAnalysis", true},  {"mnuSiteInfo", true},
                 {"mnuShowSiteCOCs", true},    {"mnuResults", true},        {"mnuRunAnalysis", true},
                 {"tbExportTable", true},      {"tbSiteInformation", true}, {"tbSiteCOCs", true},
                 {"tbShowResults", true},      {"tbRunModel", true}});
}

CommandState analysisOpenedState()
{
    return with(analysisOpenState(), {{"cmdCopy", true}, {"tbCopyAnalysis", true}});
}

CommandState with(CommandState state, const CommandState& changes)
{
    for (const auto& [name, on] : changes)
        state[name] = on;
    return state;
}
