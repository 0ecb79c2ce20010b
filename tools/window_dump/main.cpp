// window_dump WINDOW DB KEY: loads the table window WINDOW on the offscreen platform for analysis
// KEY of the database file DB, as the program shows it after a run, and writes the window's tab-
// delimited text export (its own Export to Table) to standard output. Messages go to standard
// error. Exit status: 0 done, 1 failure, a message or wrong arguments.

#include "app/program_wiring.h"
#include "data/program_state.h"
#include "data/schema.h"
#include "platform/ui/common_dialog.h"
#include "platform/ui/form_loaders.h"
#include "platform/ui/forms.h"
#include "platform/ui/message_box.h"
#include "ui/common/table_operations.h"
#include "ui/common/ui_state.h"
#include "ui/common/window_names.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// The windows it writes: every result table of a forward and a delisting-level run, the pathway
// delisting windows that no command shows included.
constexpr auto kTableWindows =
    joinedWindowNames(kForwardResultWindows, kDelistingResultWindows, kPathwayDelistingWindows);

void printError(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Messages go to standard error, answered with the first button; any message fails the dump.
class PrintedMessages : public MessageService {
public:
    int show(const QString& text, int style, const QString& title) override
    {
        printError(title + QStringLiteral(": ") + text);
        shown = true;
        return (style & 7) == vbYesNo || (style & 7) == vbYesNoCancel ? vbYes : vbOK;
    }
    bool shown = false;
};

// The export's file dialog answers with a text file in the tool's own folder.
class TextFileAnswer : public FileDialogService {
public:
    explicit TextFileAnswer(QString path) : m_path(std::move(path)) {}
    FileDialogAnswer run(const FileDialogRequest&) override { return {m_path, 2}; }

private:
    QString m_path;
};

// The analysis open as the main window's Open leaves it: key, name and the shared record sets
// on its rows.
Status openAnalysis(ProgramState& state, qint32 key)
{
    Result<std::unique_ptr<Connection>> conn = Connection::open(state.databasePath());
    if (!conn)
        return conn.error();
    state.gConn = std::move(*conn);
    const std::pair<Recordset*, const TableDef*> sets[] = {{&state.gRsSiteInfo, &siteInfoTable()},
                                                           {&state.gRsWmuInfo, &wmuInfoTable()},
                                                           {&state.gRsSiteCocs, &siteCocsTable()}};
    for (const auto& [rs, table] : sets) {
        Result<Recordset> opened = openTableRecordset(*state.gConn, *table, QStringLiteral("SITEKEY = ?"), {key});
        if (!opened)
            return opened.error();
        *rs = std::move(*opened);
    }
    if (state.gRsSiteInfo.recordCount() == 0)
        return Error{kErrRecordset, QStringLiteral("The database holds no analysis %1.").arg(key)};
    state.gCurSiteKey = key;
    state.gCurFileName = state.gRsSiteInfo.value(QStringLiteral("FILENAME")).toString();
    uiState().gAnalysisFormsOpen = true;
    return {};
}

int usage()
{
    printError(QStringLiteral("usage: window_dump WINDOW DB KEY (KEY a positive analysis key); the windows are:"));
    for (QLatin1StringView name : kTableWindows)
        printError(QStringLiteral("  ") + name);
    return 1;
}

}   // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    bool keyOk = false;
    const qint32 key = args.value(2).toInt(&keyOk);
    const QString window = args.value(0);
    if (args.size() != 3 || !keyOk || key <= 0
        || std::find(kTableWindows.begin(), kTableWindows.end(), window) == kTableWindows.end())
        return usage();

    // The windows open the database of the program folder: a folder of the tool's own that
    // holds the file under the program's name.
    QTemporaryDir folder;
    ProgramState& state = programState();
    state.programFolder = folder.path();
    const QString database = QFileInfo(args[1]).absoluteFilePath();
    if (!folder.isValid() || !QFileInfo::exists(database) || !QDir(folder.path()).mkpath(QStringLiteral("ChemDB"))
        || !QFile::link(database, state.databasePath())) {
        printError(QStringLiteral("window_dump: cannot open ") + args[1]);
        return 1;
    }
    PrintedMessages messages;
    setMessageService(&messages);
    if (Status s = openAnalysis(state, key); !s) {
        printError(QStringLiteral("window_dump: ") + s.error().description);
        return 1;
    }

    installProgramWiring();
    QMdiArea area;
    Forms::setMdiArea(&area);
    FormWindow* form = loadForm(window);
    auto* table = dynamic_cast<ExportableTable*>(form);
    if (!table || form->loadFailed())
        return 1;
    form->showForm();

    const QString exported = QDir(folder.path()).filePath(QStringLiteral("export.txt"));
    TextFileAnswer answer(exported);
    setFileDialogService(&answer);
    table->ExportToTable();
    QFile file(exported);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray text = file.readAll();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return messages.shown ? 1 : 0;
}
