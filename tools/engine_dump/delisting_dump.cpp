#include "engine_dump.h"

#include "engine/delisting/delisting_run.h"

#include <cstdio>

namespace {

// Remembers what the run would have shown.
class DumpObserver : public DelistingObserver {
public:
    int message(const QString& text, int, const QString&) override
    {
        shown = text;
        return kDelistingAnswerOk;
    }
    void failure(const Error& error) override
    {
        shown = QStringLiteral("%1 (error %2)").arg(error.description).arg(error.number);
    }
    QString shown;
};

}   // namespace

int runDelistingDump(const QStringList& args)
{
    ProgramState state;
    if (!openDumpAnalysis(args, "delisting", state))
        return 1;
    DumpObserver observer;
    switch (RunDelistingAnalysis(state, observer)) {
    case DelistingOutcome::Refused:
        printError(observer.shown);
        return 2;
    case DelistingOutcome::Failed:
        printError(observer.shown);
        return 1;
    case DelistingOutcome::Stored:
        break;
    }

    Result<QueryRows> rows = state.gConn->select(
        QStringLiteral("SELECT * FROM DelistCOCS WHERE SITEKEY = ? ORDER BY rowid"), {state.gCurSiteKey});
    if (!rows) {
        printError(rows.error().description);
        return 1;
    }
    writeCsv(*rows);
    return 0;
}
