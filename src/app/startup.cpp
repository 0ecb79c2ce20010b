#include "app/startup.h"

#include "data/program_state.h"
#include "data/recordset_helpers.h"
#include "data/schema.h"
#include "platform/db/sql_names.h"
#include "platform/ui/message_box.h"
#include "ui/main/frmMain.h"
#include "ui/main/program_icon.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kCantOpenText = QStringLiteral(
    "TOVI has experienced an error.  The most likely cause for this error is that you do not have Read/Write "
    "access to the hard drive.  Please ensure that you are logged onto the computer with Read/Write access.");

// The check had no room for its copy beside the database, which lies beside the file a link names.
QString folderFullText(const ProgramState& state)
{
    return QStringLiteral("TOVI has experienced an error.  The folder of the database, %1, is full.  Please make "
                          "room on the hard drive and start TOVI again.")
        .arg(QDir::toNativeSeparators(QFileInfo(QFileInfo(state.databasePath()).canonicalFilePath()).path()));
}

// All that start-up reads before the main window shows, read before the file is opened for
// writing: the schema and every row of SITEINFO.
Status checkDatabase(Connection& conn)
{
    if (Status s = verifySchema(conn); !s)
        return s;
    return conn.forEachRow(QStringLiteral("SELECT * FROM %1").arg(quotedName(siteInfoTable().name)), {},
                           [](const RowReader&) { return Status(); });
}

Status openDatabase(ProgramState& state)
{
    Result<std::unique_ptr<Connection>> conn =
        Connection::open(state.databasePath(), Connection::Mode::ReadWrite, checkDatabase);
    if (!conn)
        return conn.error();
    state.gConn = std::move(*conn);
    Result<Recordset> sites = openTableRecordset(*state.gConn, siteInfoTable());
    if (!sites)
        return sites.error();
    state.gRsSiteInfo = std::move(*sites);
    return {};
}

}   // namespace

frmMain* Main(ProgramState& state)
{
    if (Status s = openDatabase(state); !s) {
        CloseRecordset(state.gRsSiteInfo);
        CloseRecordset(state.gRsWmuInfo);
        CloseRecordset(state.gRsSiteCocs);
        state.gConn.reset();
        MsgBox(s.error().number == kSqliteFull ? folderFullText(state) : kCantOpenText, vbInformation,
               QStringLiteral("Can't Open Database"));
        return nullptr;
    }
    QApplication::setWindowIcon(programIcon());
    auto* window = new frmMain(state);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->MDIForm_Load();
    CloseRecordset(state.gRsSiteInfo);
    CloseRecordset(state.gRsWmuInfo);
    CloseRecordset(state.gRsSiteCocs);
    return window;
}

int runProgram(ProgramState& state)
{
    if (!Main(state))
        return 1;
    return QApplication::exec();
}
