#include "ui/main/file_commands.h"

#include "data/analysis_file_import.h"
#include "data/analysis_file_v2.h"
#include "data/analysis_inputs.h"
#include "data/program_state.h"
#include "data/update_analyses.h"
#include "ui/main/analysis_tree.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmTitle.h"

namespace {

void addToTree(const std::optional<AnalysisTreeGroup>& group)
{
    if (group && frmMain::instance())
        frmMain::instance()->addAnalysisGroup(*group);
}

}   // namespace

void importV1FileCommand(const QString& path)
{
    AnalysisFileDialogs ui;
    addToTree(ImportV1File(*programState().gConn, path, ui));
}

void importV2FileCommand(const QString& path)
{
    AnalysisFileDialogs ui;
    addToTree(ImportV2File(*programState().gConn, path, ui));
}

void exportV2FileCommand(const QString& path)
{
    ProgramState& state = programState();
    const qint32 key = state.gCurSiteKey > 0 ? state.gCurSiteKey
                                             : (frmMain::instance() ? frmMain::instance()->highlightedSiteKey() : 0);
    AnalysisFileDialogs ui;
    // What is written is what this copy shows.
    const QString name = frmMain::instance() ? listedName(*frmMain::instance()->trvAnalysis, rootNodeKey(key))
                                             : QString();
    ExportV2File(*state.gConn, key, path, ui, [&] { return checkShownAnalysis(state, key, name); });
}

void updateAnalysesCommand()
{
    AnalysisFileDialogs ui;
    const std::optional<std::vector<AnalysisTreeGroup>> tree = UpdateAnalyses(*programState().gConn, ui);
    frmMain* main = frmMain::instance();
    if (!tree || !main)
        return;
    main->trvAnalysis->clearNodes();
    for (const AnalysisTreeGroup& group : *tree)
        main->addAnalysisGroup(group);
}
