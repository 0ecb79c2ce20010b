#include "data/analysis_file_import.h"

#include "data/analysis_file_v1.h"
#include "data/analysis_file_v2.h"
#include "data/file_bytes.h"
#include "data/program_state.h"

namespace {

enum class FileVersion { V1, V2 };

// `chosen` is the version of the command the user chose: its import error reports an unreadable
// file, and a version 2.0 import of another kind of file asks first.
std::optional<AnalysisTreeGroup> importAnalysisFile(Connection& conn, const QString& path, FileVersion chosen,
                                                    AnalysisFilePrompts& ui)
{
    // Import is offered only while no analysis is open.
    if (programState().gCurSiteKey != 0)
        return std::nullopt;
    const Result<QByteArray> header = readFileBytes(path, qint64(sizeof kV2Header) - 1, LongerFile::ReadFirstBytes);
    if (!header) {
        if (chosen == FileVersion::V1)
            reportV1ImportError(ui);
        else
            reportV2ImportError(ui);
        return std::nullopt;
    }
    if (hasV2Header(*header))
        return importV2Analysis(conn, path, ui);
    if (chosen == FileVersion::V2) {
        const int answer = ui.message(
            QStringLiteral(
                "This is not a valid TOVI v.2.0 file.  Would you like to try to import it as a TOVI v.1.0 file?"),
            prompt::YesNo, QStringLiteral("Invalid File Format"));
        if (answer != prompt::Yes)
            return std::nullopt;
    }
    return importV1Analysis(conn, path, ui);
}

}   // namespace

std::optional<AnalysisTreeGroup> ImportV1File(Connection& conn, const QString& path, AnalysisFilePrompts& ui)
{
    if (path.isEmpty())
        return std::nullopt;
    return importAnalysisFile(conn, path, FileVersion::V1, ui);
}

std::optional<AnalysisTreeGroup> ImportV2File(Connection& conn, const QString& path, AnalysisFilePrompts& ui)
{
    return importAnalysisFile(conn, path, FileVersion::V2, ui);
}
