#include "ui/command_state.h"

#include "ui/main/frmMain.h"

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
    for (int p : {1, 2, 3, 5, 7, 8, 10, 11, 13, 14, 16, 18})
        s["tb" + std::to_string(p)] = w.toolbarButton(p)->isEnabled();
    return s;
}

CommandState noAnalysisOpenState()
{
    CommandState s = {
        {"cmdNew", true},        {"mnuNew", true},         {"tb1", true},
        {"cmdImport", true},     {"mnuImport", true},      {"tb7", true},        {"cmdUpdateAnalyses", true},
        {"cmdOpen", false},      {"tb2", false},           {"cmdSave", false},   {"mnuSave", false},
        {"tb3", false},          {"cmdClose", false},      {"mnuClose", false},  {"cmdCopy", false},
        {"mnuCopy", false},      {"tb10", false},          {"cmdDelete", false}, {"mnuDelete", false},
        {"tb11", false},         {"cmdExport", false},     {"mnuExport", false}, {"tb8", false},
        {"mnuSiteInfo", false},  {"mnuShowSiteCOCs", false}, {"mnuResults", false}, {"mnuRunAnalysis", false},
        {"tb5", false},          {"tb13", false},          {"tb14", false},      {"tb16", false},
        {"tb18", false}};
    return s;
}

CommandState analysisOpenState()
{
    return with(noAnalysisOpenState(),
                {{"cmdImport", false}, {"mnuImport", false}, {"tb7", false}, {"cmdUpdateAnalyses", false},
                 {"cmdOpen", true}, {"tb2", true}, {"cmdClose", true}, {"mnuClose", true}, {"cmdExport", true},
                 {"mnuExport", true}, {"tb8", true}, {"mnuSiteInfo", true}, {"mnuShowSiteCOCs", true},
                 {"mnuResults", true}, {"mnuRunAnalysis", true}, {"tb5", true}, {"tb13", true}, {"tb14", true},
                 {"tb16", true}, {"tb18", true}});
}

CommandState analysisOpenedState()
{
    return with(analysisOpenState(), {{"cmdCopy", true}, {"tb10", true}});
}

CommandState with(CommandState state, const CommandState& changes)
{
    for (const auto& [name, on] : changes)
        state[name] = on;
    return state;
}
