#include "ui/common/table_window.h"

#include "data/analysis_store.h"
#include "data/program_state.h"
#include "platform/ui/main_file_dialog.h"
#include "platform/ui/message_box.h"
#include "platform/ui/table_export.h"
#include "ui/common/message_texts.h"

#include <QDir>
#include <QFileInfo>

QString exportTargetName(const QString& chosen, bool html)
{
    if (html)
        return chosen.contains(QStringLiteral(".htm")) ? chosen : chosen + QStringLiteral(".html");
    return chosen.contains(QStringLiteral(".txt")) ? chosen : chosen + QStringLiteral(".txt");
}

QString htmlTemplatePath()
{
    return QDir(programState().programFolder).filePath(QStringLiteral("template3.html"));
}

void exportGridToTable(const GridModel& grid, const QString& title)
{
    CommonDialog& dialog = mainFileDialog();
    dialog.Filter = kTableExportFilter;
    dialog.ShowSave();
    if (dialog.FileName.isEmpty())
        return;
    const bool html = dialog.FilterIndex == 1;
    const QString target = exportTargetName(dialog.FileName, html);
    // Written over, the template would carry this table into every later export.
    const QString templatePath = QFileInfo(htmlTemplatePath()).canonicalFilePath();
    if (!templatePath.isEmpty() && QFileInfo(target).canonicalFilePath() == templatePath) {
        MsgBox(kExportErrorText, vbInformation, kExportErrorTitle);
        return;
    }
    Status written;
    if (html) {
        const Result<QString> templateText = readHtmlTemplate(htmlTemplatePath());
        written = templateText
                      ? saveFile(target,
                                 [&](QIODevice& out) { return writeHtmlTable(out, templateText.value(), grid, title); })
                      : Status(templateText.error());
    } else {
        written = saveFile(target, [&](QIODevice& out) { return writeTextTable(out, grid); });
    }
    if (!written)
        MsgBox(kExportErrorText, vbInformation, kExportErrorTitle);
}

namespace {

const QString kResultsFor = QStringLiteral("Results for Analysis: ");

QString openAnalysisName()
{
    const ProgramState& state = programState();
    const Recordset& site = state.gRsSiteInfo;
    return site.hasRecord() ? site.value(QStringLiteral("FILENAME")).toString() : state.gCurFileName;
}

}   // namespace

QString resultsFooter()
{
    return kResultsFor + openAnalysisName();
}

LoadedAnalysis::LoadedAnalysis() : m_key(programState().gCurSiteKey), m_name(openAnalysisName()) {}

QString LoadedAnalysis::footer() const
{
    const ProgramState& state = programState();
    if (m_key == state.gCurSiteKey)
        return resultsFooter();
    if (state.gConn)
        if (Result<std::optional<QString>> stored = storedAnalysisName(*state.gConn, m_key); stored && *stored)
            return kResultsFor + **stored;
    return kResultsFor + m_name;
}

GridPrintSetup tablePrintSetup(const GridModel& grid, const QString& header, const QString& footer)
{
    GridPrintSetup setup;
    setup.header = header;
    setup.headerFont = grid.font();
    setup.headerFont.setBold(true);
    setup.headerFont.setPointSizeF(12);
    setup.footer = footer;
    setup.footerFont = grid.font();
    setup.footerFont.setBold(true);
    setup.footerFont.setPointSizeF(10);
    return setup;
}
